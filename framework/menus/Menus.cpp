// Menu items and menus.
#include "framework/menus/Menus.h"

#include <algorithm>

#include "framework/controls/Controls.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StrUtils.h"

namespace {

int NextCommand() {
    // Menu commands are 16-bit; skip 0 and the dialog ids (1..99).
    static int Next = 100;
    if (++Next > 0xEFFF) Next = 100;
    return Next;
}

}  // namespace

// ---- TMenuItem

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(NextCommand()) {}

TMenuItem::~TMenuItem() {
    DestroyHandles();
    if (FParent) FParent->Remove(this);
    for (TMenuItem* I : FItems) I->FParent = nullptr;
}

void TMenuItem::BeforeDestruction() {
    inherited::BeforeDestruction();
    if (FParent) FParent->Remove(this);
    // Sub-items owned by someone else (the form) stay with their owner;
    // unowned ones go with this item.
    std::vector<TMenuItem*> Items = std::move(FItems);
    FItems.clear();
    for (TMenuItem* I : Items) {
        I->FParent = nullptr;
        if (!I->Owner()) I->Free();
    }
    DestroyHandles();
}

void TMenuItem::DestroyHandles() {
    if (FHandle && !FMenu) {
        // Sub-menus belong to their own items.
        while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
        DestroyMenu(FHandle);
    }
    FHandle = nullptr;
}

TMenu* TMenuItem::GetParentMenu() const {
    const TMenuItem* I = this;
    while (I->FParent) I = I->FParent;
    return I->FMenu;
}

void TMenuItem::Changed() {
    if (TMenu* M = GetParentMenu()) M->MenuChanged();
}

void TMenuItem::SetCaption(const std::string& Value) {
    if (Value == FCaption) return;
    FCaption = Value;
    Changed();
}

void TMenuItem::SetShortCut(TShortCut Value) {
    if (Value == FShortCut) return;
    FShortCut = Value;
    Changed();
}

void TMenuItem::SetChecked(bool Value) {
    if (Value == FChecked) return;
    FChecked = Value;
    // Checking a radio item unchecks the others of its group.
    if (Value && FRadioItem && FParent)
        for (TMenuItem* I : FParent->FItems)
            if (I != this && I->FRadioItem && I->FGroupIndex == FGroupIndex) I->FChecked = false;
    Changed();
}

void TMenuItem::SetEnabled(bool Value) {
    if (Value == FEnabled) return;
    FEnabled = Value;
    Changed();
}

void TMenuItem::SetVisible(bool Value) {
    if (Value == FVisible) return;
    FVisible = Value;
    Changed();
}

void TMenuItem::SetRadioItem(bool Value) {
    if (Value == FRadioItem) return;
    FRadioItem = Value;
    Changed();
}

void TMenuItem::SetGroupIndex(int Value) {
    if (Value == FGroupIndex) return;
    FGroupIndex = Value;
    Changed();
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
    if (!Item) return;
    if (Item->FParent) throw EInvalidOperation("Menu inserted twice");
    Index = std::clamp(Index, 0, Count());
    FItems.insert(FItems.begin() + Index, Item);
    Item->FParent = this;
    Changed();
}

void TMenuItem::Delete(int Index) {
    if (Index < 0 || Index >= Count()) throw EListError("Menu index out of range");
    TMenuItem* Item = FItems[static_cast<size_t>(Index)];
    FItems.erase(FItems.begin() + Index);
    Item->FParent = nullptr;
    Item->DestroyHandles();
    Changed();
}

void TMenuItem::Remove(TMenuItem* Item) {
    int I = IndexOf(Item);
    if (I >= 0) Delete(I);
}

void TMenuItem::Clear() {
    while (!FItems.empty()) {
        TMenuItem* Item = FItems.back();
        Delete(Count() - 1);
        Item->Free();
    }
}

int TMenuItem::IndexOf(TMenuItem* Item) const {
    auto It = std::find(FItems.begin(), FItems.end(), Item);
    return It == FItems.end() ? -1 : static_cast<int>(It - FItems.begin());
}

TMenuItem* TMenuItem::Find(const std::string& ACaption) const {
    const std::string Wanted = StripHotkey(ACaption);
    for (TMenuItem* I : FItems)
        if (SameText(StripHotkey(I->FCaption), Wanted)) return I;
    return nullptr;
}

void TMenuItem::AppendTo(HMENU Menu) {
    if (!FVisible) return;
    if (IsLine()) {
        AppendMenuA(Menu, MF_SEPARATOR, 0, nullptr);
        return;
    }
    std::string Text = FCaption;
    if (FShortCut) Text += "\t" + ShortCutToText(FShortCut);
    UINT Flags = MF_STRING;
    if (!FEnabled) Flags |= MF_GRAYED;
    if (FChecked) Flags |= MF_CHECKED;
    if (!FItems.empty()) {
        AppendMenuA(Menu, Flags | MF_POPUP, reinterpret_cast<UINT_PTR>(Handle()), Text.c_str());
    } else {
        AppendMenuA(Menu, Flags, static_cast<UINT_PTR>(FCommand), Text.c_str());
    }
}

void TMenuItem::BuildInto(HMENU Menu) {
    while (GetMenuItemCount(Menu) > 0) RemoveMenu(Menu, 0, MF_BYPOSITION);
    for (TMenuItem* I : FItems) I->AppendTo(Menu);
}

HMENU TMenuItem::Handle() {
    if (FMenu) return FMenu->Handle();
    if (!FHandle) FHandle = CreatePopupMenu();
    BuildInto(FHandle);
    return FHandle;
}

void TMenuItem::Click() {
    if (FEnabled && OnClick) OnClick(this);
}

TComponent* TMenuItem::GetParentComponent() const {
    if (FParent && FParent->FMenu) return FParent->FMenu;
    return FParent;
}

void TMenuItem::SetParentComponent(TComponent* Value) {
    if (FParent) FParent->Remove(this);
    if (auto* M = dynamic_cast<TMenu*>(Value)) M->Items()->Add(this);
    else if (auto* I = dynamic_cast<TMenuItem*>(Value)) I->Add(this);
}

void TMenuItem::GetChildren(TGetChildProc Proc, TComponent*) {
    for (TMenuItem* I : FItems) Proc(I);
}

// ---- TMenu

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(nullptr)) {
    FItems->FMenu = this;
}

TMenu::~TMenu() {
    DestroyMenuHandle();
    FItems->FMenu = nullptr;
    FItems->Free();
}

void TMenu::DestroyMenuHandle() {
    if (FHandle) {
        while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
        DestroyMenu(FHandle);
    }
    FHandle = nullptr;
}

HMENU TMenu::Handle() {
    if (!FHandle) {
        FHandle = IsPopup() ? CreatePopupMenu() : CreateMenu();
        Rebuild();
    }
    return FHandle;
}

void TMenu::Rebuild() {
    if (FHandle) FItems->BuildInto(FHandle);
}

void TMenu::MenuChanged() {
    if (!FHandle) return;
    Rebuild();
    if (FWindowHandle && !IsPopup()) DrawMenuBar(FWindowHandle);
}

void TMenu::SetWindowHandle(HWND Value) {
    FWindowHandle = Value;
    if (Value && !IsPopup()) SetMenu(Value, Handle());
}

namespace {
TMenuItem* FindIn(TMenuItem* Item, intptr_t Value, TFindItemKind Kind) {
    for (int I = 0; I < Item->Count(); ++I) {
        TMenuItem* Child = Item->Items(I);
        switch (Kind) {
            case fkCommand:
                if (Child->Command() == Value && Child->Count() == 0) return Child;
                break;
            case fkHandle:
                if (Child->Count() > 0 && reinterpret_cast<intptr_t>(Child->Handle()) == Value) return Child;
                break;
            case fkShortCut:
                if (Child->ShortCut() == Value && Child->Visible()) return Child;
                break;
        }
        if (TMenuItem* Found = FindIn(Child, Value, Kind)) return Found;
    }
    return nullptr;
}
}  // namespace

TMenuItem* TMenu::FindItem(intptr_t Value, TFindItemKind Kind) {
    if (Kind == fkShortCut && Value == 0) return nullptr;
    return FindIn(FItems, Value, Kind);
}

bool TMenu::IsShortCut(TMessage& Message) {
    const TShortCut SC = ::ShortCut(static_cast<uint16_t>(Message.WParam & 0xFF), KeyDataToShiftState(Message.LParam));
    TMenuItem* Item = FindItem(SC, fkShortCut);
    if (!Item) return false;
    for (TMenuItem* P = Item; P; P = P->Parent())
        if (!P->Enabled() || !P->Visible()) return false;
    Item->Click();
    return true;
}

bool TMenu::DispatchCommand(int Command) {
    TMenuItem* Item = FindItem(Command, fkCommand);
    if (!Item) return false;
    Item->Click();
    return true;
}

bool TMenu::DispatchPopup(HMENU Menu) {
    TMenuItem* Item = FindItem(reinterpret_cast<intptr_t>(Menu), fkHandle);
    if (!Item) return false;
    Item->Click();
    return true;
}

void TMenu::GetChildren(TGetChildProc Proc, TComponent*) {
    for (int I = 0; I < FItems->Count(); ++I) Proc(FItems->Items(I));
}

// ---- TMainMenu

std::vector<TMenuItem*> TMainMenu::VisibleTopItems() {
    std::vector<TMenuItem*> Result;
    for (int I = 0; I < FItems->Count(); ++I) Result.push_back(FItems->Items(I));
    if (!FMerged) return Result;
    std::vector<TMenuItem*> Theirs;
    for (int I = 0; I < FMerged->Items()->Count(); ++I) Theirs.push_back(FMerged->Items()->Items(I));
    auto HasGroup = [&](int G) {
        return std::any_of(Theirs.begin(), Theirs.end(), [G](TMenuItem* M) { return M->GroupIndex() == G; });
    };
    Result.erase(std::remove_if(Result.begin(), Result.end(), [&](TMenuItem* M) { return HasGroup(M->GroupIndex()); }),
                 Result.end());
    for (TMenuItem* M : Theirs) {
        auto Pos = std::find_if(Result.begin(), Result.end(), [M](TMenuItem* R) { return R->GroupIndex() > M->GroupIndex(); });
        Result.insert(Pos, M);
    }
    return Result;
}

void TMainMenu::Rebuild() {
    if (!FHandle) return;
    while (GetMenuItemCount(FHandle) > 0) RemoveMenu(FHandle, 0, MF_BYPOSITION);
    for (TMenuItem* I : VisibleTopItems()) I->AppendTo(FHandle);
}

void TMainMenu::Merge(TMainMenu* Menu) {
    if (Menu == this) return;
    FMerged = Menu;
    if (Menu) Menu->FreeNotification(this);
    MenuChanged();
}

void TMainMenu::Unmerge(TMainMenu* Menu) {
    if (!Menu || Menu != FMerged) return;
    FMerged = nullptr;
    MenuChanged();
}

void TMainMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMerged) {
        FMerged = nullptr;
        MenuChanged();
    }
}

// ---- TPopupMenu

namespace {
// A control's PopupMenu property accepts pop-up menus once this file is
// linked in (controls sit below menus and cannot name the class).
const bool PopupMenuClassLinked = (PopupMenuClassProc = &TPopupMenu::StaticClass, true);
}  // namespace

void TPopupMenu::PopupFor(TControl* Control, int X, int Y) {
    SetPopupComponent(Control);
    Popup(X, Y);
}

void TPopupMenu::Popup(int X, int Y) {
    if (OnPopup) OnPopup(this);
    HWND Owner = FWindowHandle;
    if (!Owner) {
        if (auto* C = dynamic_cast<TWinControl*>(FPopupComponent)) Owner = C->Handle();
        else if (auto* Ctl = dynamic_cast<TControl*>(FPopupComponent); Ctl && Ctl->Parent()) Owner = Ctl->Parent()->Handle();
    }
    // The command comes back as the result: no window has to route it.
    int Command = TrackPopupMenu(Handle(), AlignmentFlag() | PopupTrackButton | TPM_RETURNCMD, X, Y, 0, Owner, nullptr);
    if (Command) DispatchCommand(Command);
}

UINT TPopupMenu::AlignmentFlag() const {
    switch (FAlignment) {
        case paRight: return TPM_RIGHTALIGN;
        case paCenter: return TPM_CENTERALIGN;
        default: return TPM_LEFTALIGN;
    }
}

void TPopupMenu::SetPopupComponent(TComponent* Value) {
    if (Value == FPopupComponent) return;
    if (FPopupComponent) FPopupComponent->RemoveFreeNotification(this);
    FPopupComponent = Value;
    if (Value) Value->FreeNotification(this);
}

void TPopupMenu::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FPopupComponent) FPopupComponent = nullptr;
}

QRN_PUBLISHED(TMenuItem) {
    B.Prop("Caption", &TMenuItem::Caption, &TMenuItem::SetCaption).Type(QRN_TYPE(TCaption));
    B.Prop("Checked", &TMenuItem::Checked, &TMenuItem::SetChecked).Default(false);
    B.Prop("Enabled", &TMenuItem::Enabled, &TMenuItem::SetEnabled).Default(true);
    B.Prop("GroupIndex", &TMenuItem::GroupIndex, &TMenuItem::SetGroupIndex).Default(0);
    B.Prop("Hint", &TMenuItem::Hint, &TMenuItem::SetHint);
    B.Prop("RadioItem", &TMenuItem::RadioItem, &TMenuItem::SetRadioItem).Default(false);
    B.Prop("ShortCut", &TMenuItem::ShortCut, &TMenuItem::SetShortCut).Type(QRN_TYPE(TShortCut)).Default(0);
    B.Prop("Visible", &TMenuItem::Visible, &TMenuItem::SetVisible).Default(true);
    B.Event("OnClick", &TMenuItem::OnClick);
}

QRN_PUBLISHED(TMenu) {}

QRN_PUBLISHED(TMainMenu) {
    B.Prop("AutoMerge", &TMainMenu::AutoMerge, &TMainMenu::SetAutoMerge).Default(false);
}

QRN_PUBLISHED(TPopupMenu) {
    B.Prop("Alignment", &TPopupMenu::Alignment, &TPopupMenu::SetAlignment).Default(paLeft);
    B.Prop("AutoPopup", &TPopupMenu::AutoPopup, &TPopupMenu::SetAutoPopup).Default(true);
    B.Event("OnPopup", &TPopupMenu::OnPopup);
}
