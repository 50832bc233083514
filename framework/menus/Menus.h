#pragma once
// Menus: TMenuItem trees under a TMainMenu (a window's menu bar) or a
// TPopupMenu. Captions mark their accelerator with '&'; "-" is a
// separator. Menu handles are made on first use and rebuilt after changes.
#include <string>
#include <vector>

#include "framework/classes/Component.h"
#include "framework/controls/Messages.h"
#include "framework/controls/PopupMenuLink.h"
#include "framework/rtl/Events.h"
#include "framework/rtl/win/WinApi.h"
#include "framework/uicore/Hotkeys.h"
#include "framework/uicore/ShortCuts.h"

class TMenu;

enum TFindItemKind { fkCommand, fkHandle, fkShortCut };

class TMenuItem : public TComponent {
    QRN_CLASS(TMenuItem, TComponent)
public:
    explicit TMenuItem(TComponent* AOwner);
    ~TMenuItem() override;
    void BeforeDestruction() override;

    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TShortCut ShortCut() const { return FShortCut; }
    void SetShortCut(TShortCut Value);
    bool Checked() const { return FChecked; }
    void SetChecked(bool Value);
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    bool Visible() const { return FVisible; }
    void SetVisible(bool Value);
    bool RadioItem() const { return FRadioItem; }
    void SetRadioItem(bool Value);
    int GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int Value);
    const std::string& Hint() const { return FHint; }
    void SetHint(const std::string& Value) { FHint = Value; }
    bool IsLine() const { return FCaption == "-"; }

    int Count() const { return static_cast<int>(FItems.size()); }
    TMenuItem* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
    void Add(TMenuItem* Item) { Insert(Count(), Item); }
    void Insert(int Index, TMenuItem* Item);
    void Delete(int Index);
    void Remove(TMenuItem* Item);
    void Clear();  // frees the sub-items
    int IndexOf(TMenuItem* Item) const;
    // The sub-item with this caption ('&' ignored, any case).
    TMenuItem* Find(const std::string& ACaption) const;
    TMenuItem* Parent() const { return FParent; }
    int MenuIndex() const { return FParent ? FParent->IndexOf(const_cast<TMenuItem*>(this)) : -1; }
    TMenu* GetParentMenu() const;

    int Command() const { return FCommand; }
    // The pop-up menu of an item with sub-items.
    HMENU Handle();

    virtual void Click();
    TNotifyEvent OnClick;

    bool HasParent() const override { return true; }
    TComponent* GetParentComponent() const override;
    void SetParentComponent(TComponent* Value) override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

private:
    friend class TMenu;
    friend class TMainMenu;
    void Changed();
    void BuildInto(HMENU Menu);
    void AppendTo(HMENU Menu);
    void DestroyHandles();

    std::string FCaption;
    TShortCut FShortCut = 0;
    bool FChecked = false;
    bool FEnabled = true;
    bool FVisible = true;
    bool FRadioItem = false;
    int FGroupIndex = 0;
    std::string FHint;
    std::vector<TMenuItem*> FItems;
    TMenuItem* FParent = nullptr;
    TMenu* FMenu = nullptr;  // set on a menu's root item
    HMENU FHandle = nullptr;
    int FCommand = 0;
};

class TMenu : public TComponent {
    QRN_CLASS(TMenu, TComponent)
public:
    explicit TMenu(TComponent* AOwner);
    ~TMenu() override;

    TMenuItem* Items() const { return FItems; }
    virtual HMENU Handle();
    bool HandleAllocated() const { return FHandle != nullptr; }
    TMenuItem* FindItem(intptr_t Value, TFindItemKind Kind);
    // A key message (WM_KEYDOWN-like) that is an enabled item's short-cut
    // clicks that item.
    bool IsShortCut(TMessage& Message);
    bool DispatchCommand(int Command);
    bool DispatchPopup(HMENU Menu);
    // The window that shows this menu (menu bar) or receives its commands.
    HWND WindowHandle() const { return FWindowHandle; }
    void SetWindowHandle(HWND Value);

    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

protected:
    friend class TMenuItem;
    virtual void MenuChanged();
    virtual bool IsPopup() const { return false; }
    virtual void Rebuild();
    void DestroyMenuHandle();
    TMenuItem* FItems;
    HMENU FHandle = nullptr;
    HWND FWindowHandle = nullptr;
};

class TMainMenu : public TMenu {
    QRN_CLASS(TMainMenu, TMenu)
public:
    explicit TMainMenu(TComponent* AOwner) : TMenu(AOwner) {}
    // Shows Menu's top items among this menu's: items of a group index
    // that Menu also has are replaced, others are placed by group index.
    void Merge(TMainMenu* Menu);
    void Unmerge(TMainMenu* Menu);
    TMainMenu* Merged() const { return FMerged; }
    bool AutoMerge() const { return FAutoMerge; }
    void SetAutoMerge(bool Value) { FAutoMerge = Value; }
    // The top-level items shown, merged ones included, in order.
    std::vector<TMenuItem*> VisibleTopItems();

protected:
    void Rebuild() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    TMainMenu* FMerged = nullptr;
    bool FAutoMerge = false;
};

// Where a popup menu opens relative to the point it is given.
enum TPopupAlignment { paLeft, paRight, paCenter };
QRN_ENUM(TPopupAlignment, paLeft, paRight, paCenter)

// The mouse buttons a popup menu answers (the flag callers that open a
// menu with TrackPopupMenu themselves pass too).
constexpr UINT PopupTrackButton = TPM_RIGHTBUTTON;

class TPopupMenu : public TMenu, public IControlPopupMenu {
    QRN_CLASS(TPopupMenu, TMenu)
public:
    explicit TPopupMenu(TComponent* AOwner) : TMenu(AOwner) {}
    // Shows the menu at a screen point (after OnPopup) and runs the chosen
    // item's click.
    virtual void Popup(int X, int Y);
    void PopupFor(TControl* Control, int X, int Y) override;
    bool IsShortCut(TMessage& Message) override { return TMenu::IsShortCut(Message); }
    bool AutoPopup() const override { return FAutoPopup; }
    void SetAutoPopup(bool Value) { FAutoPopup = Value; }
    TPopupAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TPopupAlignment Value) { FAlignment = Value; }
    // TPM_LEFTALIGN, TPM_RIGHTALIGN or TPM_CENTERALIGN for Alignment.
    UINT AlignmentFlag() const;
    // The component the menu was opened for; forgotten when it is freed.
    TComponent* PopupComponent() const { return FPopupComponent; }
    void SetPopupComponent(TComponent* Value);
    TNotifyEvent OnPopup;

protected:
    bool IsPopup() const override { return true; }
    void Notification(TComponent* AComponent, TOperation Operation) override;

private:
    bool FAutoPopup = true;
    TPopupAlignment FAlignment = paLeft;
    TComponent* FPopupComponent = nullptr;
};

