#pragma once
// Component editors: what the designer does on a double click of a
// component (Edit) and the extra commands ("verbs") of its popup menu.
// Registered per component class in editor groups, like property editors.
//
//   RegisterComponentEditor(TPanel::StaticClass(), ComponentEditorClass<TPanelEditor>());
//   auto Editor = GetComponentEditor(Panel1, Designer);
//   Editor->Edit();
#include <memory>
#include <string>

#include "framework/design/PropEdits.h"

class TComponentEditor {
public:
    TComponentEditor(TComponent* Component, TFormDesigner* Designer) : FComponent(Component), FDesigner(Designer) {}
    virtual ~TComponentEditor() = default;
    TComponentEditor(const TComponentEditor&) = delete;
    TComponentEditor& operator=(const TComponentEditor&) = delete;

    TComponent* Component() const { return FComponent; }
    TFormDesigner* Designer() const { return FDesigner; }
    // The default action: the first verb when there is one.
    virtual void Edit();
    virtual void ExecuteVerb(int Index);
    virtual std::string GetVerb(int Index);
    virtual int GetVerbCount();
    // Puts the component on the clipboard in a form of its own (none here).
    virtual void Copy() {}

private:
    TComponent* FComponent;
    TFormDesigner* FDesigner;
};

// The editor of components without one of their own: Edit creates (or goes
// to) the handler of OnCreate, else OnChange, else OnClick, else the first
// event the component publishes.
class TDefaultEditor : public TComponentEditor {
public:
    using TComponentEditor::TComponentEditor;
    void Edit() override;
};

struct TComponentEditorClassRec {
    std::unique_ptr<TComponentEditor> (*Create)(TComponent* Component, TFormDesigner* Designer);
};
using TComponentEditorClass = const TComponentEditorClassRec*;
template <class T>
TComponentEditorClass ComponentEditorClass() {
    static const TComponentEditorClassRec Rec{[](TComponent* C, TFormDesigner* D) -> std::unique_ptr<TComponentEditor> {
        return std::make_unique<T>(C, D);
    }};
    return &Rec;
}

// Registers EditorClass for ComponentClass and its descendants, in the
// current editor group. The nearest registered class wins; among equals,
// the newest.
void RegisterComponentEditor(const TClass* ComponentClass, TComponentEditorClass EditorClass);
// The editor for Component (a TDefaultEditor when none is registered).
std::unique_ptr<TComponentEditor> GetComponentEditor(TComponent* Component, TFormDesigner* Designer);
// Drops the component editors of an editor group (FreeEditorGroup).
void FreeComponentEditorGroup(int Group);
