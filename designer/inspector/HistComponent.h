#pragma once
// A string with a history the inspector keeps itself: THistComponent's
// "Prop" is edited by THistoryStringEdit2, which asks the component's owner
// (when it is a THistoryOwner) for the history key and for where the
// history is loaded from and saved to.
#include <string>

#include "designer/support/win/HistoryStringEdit.h"
#include "framework/classes/Component.h"
#include "framework/rtl/Events.h"

class THistoryStringEdit2;

using THistoryEvent = TEvent<void(THistoryStringEdit2* Editor, TStringList* History)>;

// What an owner of THistComponent (an object inspector) supplies; empty
// key and unassigned events leave the registry storage in place.
class THistoryOwner {
public:
    virtual ~THistoryOwner() = default;
    std::string HistoryKey;
    THistoryEvent OnLoadHistory;
    THistoryEvent OnSaveHistory;
};

class THistComponent : public TComponent {
    QRN_CLASS(THistComponent, TComponent)
public:
    using TComponent::TComponent;
    const std::string& Prop() const { return FProp; }
    void SetProp(const std::string& Value) { FProp = Value; }

private:
    std::string FProp;
};

class THistoryStringEdit2 : public THistoryStringEdit {
public:
    using THistoryStringEdit::THistoryStringEdit;
    void SaveHistory() override;
    void LoadHistory() override;
    std::string GetHistoryKey() override;

private:
    THistoryOwner* Owner() const;
};
