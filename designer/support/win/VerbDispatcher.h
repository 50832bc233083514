#pragma once
// Binding of menu items and buttons to named verbs: each item of a
// dispatcher's list joins a component and a verb name; the verb's state
// shows on the component (visible, enabled, ticked) and a click runs it.
#include <cstdint>
#include <string>

#include "designer/support/MessageBus.h"
#include "designer/support/NamedItems.h"
#include "designer/support/Verbs.h"
#include "framework/classes/Component.h"

class TVerbListItem;

// Applies an item's state to its component and makes a click run the
// verb; with a nil item it only unhooks the click.
using TVerbAssignProc = void (*)(TComponent* Target, TVerbListItem* Item);

class TVerbListItem : public TZelNamedItem {
    QRN_CLASS(TVerbListItem, TZelNamedItem)
public:
    explicit TVerbListItem(TCollection* Collection) : TZelNamedItem(Collection) {}
    ~TVerbListItem() override;

    TComponent* VerbComp() const { return FVerbComp; }
    void SetVerbComp(TComponent* Value);
    const std::string& VerbName() const { return FVerbName; }
    void SetVerbName(const std::string& Value);  // trimmed

    bool Bound() const { return FAssignProc && (FGetStateProc || FExecuteProc); }
    uint8_t State() const { return FState; }
    intptr_t EditorGroup() const { return FEditorGroup; }

    // Looks the target and the verb up again.
    void Bind();
    // Asks the verb for its state and shows a changed one.
    void UpdateState();
    // Runs the verb inside a verb update bracket.
    void Execute();
    // The component went away: forget it without touching it.
    void ComponentFreed();

    std::string GetDisplayName() const override;

private:
    void Unbind();
    bool DispatcherDesigning() const;

    TComponent* FVerbComp = nullptr;
    std::string FVerbName;
    TVerbAssignProc FAssignProc = nullptr;
    TVerbStateProc FGetStateProc = nullptr;
    TVerbExecuteProc FExecuteProc = nullptr;
    uint8_t FState = 0;
    intptr_t FEditorGroup = 0;
};

class TVerbList : public TZelNamedItems {
    QRN_CLASS(TVerbList, TZelNamedItems)
public:
    explicit TVerbList(TPersistent* AOwner) : TZelNamedItems(AOwner, TVerbListItem::StaticClass()) {}
    TVerbListItem* Verbs(int Index) const { return static_cast<TVerbListItem*>(Items(Index)); }
};

class TVerbDispatcher : public TComponent {
    QRN_CLASS(TVerbDispatcher, TComponent)
public:
    explicit TVerbDispatcher(TComponent* AOwner);
    ~TVerbDispatcher() override;

    TVerbList* VerbList() const { return FVerbList.get(); }
    std::string Version() const { return "1.0"; }
    void SetVersion(const std::string&) {}

    void Notification(TComponent* AComponent, TOperation Operation) override;
    void BeforeDestruction() override;

    void RebindAll();
    void UpdateAll();

private:
    void PackageLoaded(TZelMessage& Message);
    void ModuleUnloading(TZelMessage& Message);
    void StateMayHaveChanged(TZelMessage& Message);

    std::unique_ptr<TVerbList, TObjectFree> FVerbList;
};

// Registers once how a verb shows on a menu item and on a control.
void RegisterDefaultVerbTargets();
void ForgetDefaultVerbTargets();
