#pragma once
// A component that adds parsing of its own to the editors that use it.
#include <algorithm>
#include <vector>

#include "editor/QuillMemoBase.h"

class TQuillEditor;
class TQuillNavigator;

class TQuillHighlighter : public TComponent {
    QRN_CLASS(TQuillHighlighter, TComponent)
public:
    explicit TQuillHighlighter(TComponent* AOwner = nullptr) : TComponent(AOwner) {}
    ~TQuillHighlighter() override;

    // Hooks; the base class does nothing.
    virtual void ParseKeywords(TQuillNavigator* /*From*/, TQuillNavigator* /*To*/, int /*KeywordCount*/) {}
    virtual bool FindStart(TQuillNavigator* /*From*/, TQuillNavigator* /*To*/, int /*KeyCount*/) { return false; }
    virtual bool FindStop(TQuillNavigator* /*At*/, TQuillNavigator* /*Limit*/, int /*KeyCount*/) { return false; }

    const std::vector<TQuillEditor*>& Editors() const { return FEditors; }
    void AddEditor(TQuillEditor* E) {
        if (std::find(FEditors.begin(), FEditors.end(), E) == FEditors.end()) FEditors.push_back(E);
    }
    void RemoveEditor(TQuillEditor* E) { FEditors.erase(std::remove(FEditors.begin(), FEditors.end(), E), FEditors.end()); }

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    std::vector<TQuillEditor*> FEditors;
};
