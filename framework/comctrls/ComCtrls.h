#pragma once
// Thin components over the system's common controls: tab control, page
// control with its sheets, list view and status bar. Each keeps its state
// in the component too, so the window can be made again at any time.
#include <memory>
#include <string>
#include <vector>

#include "framework/classes/Collection.h"
#include "framework/controls/Controls.h"
#include "framework/graphics/ImageList.h"
#include "framework/rtl/StringList.h"

class TTabSheet;
class TListItem;
class TListView;

enum TTabPosition { tpTop, tpBottom };
QRN_ENUM(TTabPosition, tpTop, tpBottom)

enum TViewStyle { vsIcon, vsSmallIcon, vsList, vsReport };
QRN_ENUM(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport)


using TTabChangingEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;
using TLVEditingEvent = TEvent<void(TObject* Sender, TListItem* Item, bool& AllowEdit)>;
using TLVEditedEvent = TEvent<void(TObject* Sender, TListItem* Item, std::string& S)>;

// Loads the common controls' window classes once.
void InitComCtrls();
// Makes the components of this file known to the form reader.
void RegisterComCtrls();

// Shared by the tab control and the page control: the tab strip, its
// styles and the change notifications.
class TCustomTabControl : public TWinControl {
    QRN_CLASS(TCustomTabControl, TWinControl)
public:
    explicit TCustomTabControl(TComponent* AOwner);
    TTabPosition TabPosition() const { return FTabPosition; }
    void SetTabPosition(TTabPosition Value);
    bool MultiLine() const { return FMultiLine; }
    void SetMultiLine(bool Value);
    // The area inside the tabs and border, in client coordinates.
    TRect DisplayRect();
    void WndProc(TMessage& Message) override;

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

protected:
    void CreateParams(TCreateParams& Params) override;
    void AdjustClientRect(TRect& Rect) override;
    virtual bool CanChange();
    virtual void Change();
    // Tab texts as the window should show them.
    virtual std::vector<std::string> TabTexts() = 0;
    virtual int WantedTabIndex() = 0;
    void RebuildTabs();
    int WindowTabIndex();
    TTabPosition FTabPosition = tpTop;
    bool FMultiLine = false;
};

class TTabControl : public TCustomTabControl {
    QRN_CLASS(TTabControl, TCustomTabControl)
public:
    explicit TTabControl(TComponent* AOwner);
    ~TTabControl() override;
    TStrings* Tabs() const { return FTabs.get(); }
    void SetTabs(TStrings* Value) { FTabs->Assign(Value); }
    int TabIndex();
    void SetTabIndex(int Value);

protected:
    void CreateWnd() override;
    void Change() override;
    std::vector<std::string> TabTexts() override;
    int WantedTabIndex() override { return FTabIndex; }

private:
    void TabsChanged(TObject* Sender);
    std::unique_ptr<TStringList> FTabs;
    int FTabIndex = -1;
};

class TPageControl : public TCustomTabControl {
    QRN_CLASS(TPageControl, TCustomTabControl)
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    int PageCount() const { return static_cast<int>(FPages.size()); }
    TTabSheet* Pages(int Index) const { return FPages.at(static_cast<size_t>(Index)); }
    TTabSheet* ActivePage() const { return FActivePage; }
    void SetActivePage(TTabSheet* Page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int Value);
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    void ShowControl(TControl* AControl) override;

protected:
    void CreateWnd() override;
    void Change() override;
    void Loaded() override;
    void ShowingChanged() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;
    std::vector<std::string> TabTexts() override;
    int WantedTabIndex() override;

private:
    friend class TTabSheet;
    void InsertPage(TTabSheet* Page);
    void RemovePage(TTabSheet* Page);
    void MovePage(TTabSheet* Page, int NewIndex);
    void PagesChanged();
    void LayoutSheets();
    std::vector<TTabSheet*> FPages;  // sheets are children: the owner frees them
    TTabSheet* FActivePage = nullptr;
};

class TTabSheet : public TWinControl {
    QRN_CLASS(TTabSheet, TWinControl)
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    TPageControl* PageControl() const { return FPageControl; }
    void SetPageControl(TPageControl* Value) { SetParent(Value); }
    void SetParent(TWinControl* AParent) override;
    int PageIndex() const;
    void SetPageIndex(int Value);
    bool TabVisible() const { return FTabVisible; }
    void SetTabVisible(bool Value);
    // Position among the visible tabs (-1 when its tab is hidden).
    int TabIndex() const;

protected:
    void SetTextInternal(const std::string& Value) override;

private:
    friend class TPageControl;
    TPageControl* FPageControl = nullptr;
    bool FTabVisible = true;
};

// ---- list view ----

class TListColumn : public TCollectionItem {
    QRN_CLASS(TListColumn, TCollectionItem)
public:
    explicit TListColumn(TCollection* Collection);
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    int Width();
    void SetWidth(int Value);
    std::string GetDisplayName() const override;
    void Assign(TPersistent* Source) override;

private:
    friend class TListView;
    std::string FCaption;
    int FWidth = 50;
};

class TListColumns : public TOwnedCollection {
    QRN_CLASS(TListColumns, TOwnedCollection)
public:
    explicit TListColumns(TListView* AOwner);
    TListColumn* Add() { return static_cast<TListColumn*>(TCollection::Add()); }
    TListColumn* Items(int Index) const { return static_cast<TListColumn*>(TCollection::Items(Index)); }
    TListView* Owner() const { return FOwner; }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TListView* FOwner;
};

class TListItems;

class TListItem : public TPersistent {
public:
    explicit TListItem(TListItems* AOwner);
    ~TListItem() override;
    TListItems* Owner() const { return FOwner; }
    TListView* ListView() const;
    int Index() const;
    const std::string& Caption() const { return FCaption; }
    void SetCaption(const std::string& Value);
    TStrings* SubItems() const { return FSubItems.get(); }
    void SetSubItems(TStrings* Value) { FSubItems->Assign(Value); }
    int ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int Value);
    void* Data() const { return FData; }
    void SetData(void* Value) { FData = Value; }
    bool Selected() const;
    void SetSelected(bool Value);
    bool Focused() const;
    void SetFocused(bool Value);
    void Delete();
    // Starts in-place editing of the caption.
    bool EditCaption();

private:
    friend class TListView;
    friend class TListItems;
    void SubItemsChanged(TObject* Sender);
    TListItems* FOwner;
    std::string FCaption;
    std::unique_ptr<TStringList> FSubItems;
    int FImageIndex = -1;
    void* FData = nullptr;
    bool FSelected = false;  // while the window is not there
    bool FFocused = false;
};

class TListItems : public TPersistent {
    QRN_CLASS(TListItems, TPersistent)
public:
    explicit TListItems(TListView* AOwner) : FOwner(AOwner) {}
    ~TListItems() override;
    TListView* Owner() const { return FOwner; }
    TListItem* Add();
    TListItem* Insert(int Index);
    void Delete(int Index);
    void Clear();
    int Count() const { return static_cast<int>(FItems.size()); }
    TListItem* Item(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
    TListItem* operator[](int Index) const { return Item(Index); }
    int IndexOf(const TListItem* Item) const;
    void BeginUpdate();
    void EndUpdate();
    // "Items.Data" in a form file: a 32-bit total size and count, then per
    // item its image, state and overlay indexes, sub-item count and a data
    // slot (32-bit each), its caption and its sub-items as short strings
    // (at most 255 characters each).
    void DefineProperties(TFiler* Filer) override;

private:
    friend class TListView;
    std::string SaveData() const;
    void LoadData(const std::string& Bytes);
    TListView* FOwner;
    std::vector<std::unique_ptr<TListItem>> FItems;
    int FUpdateCount = 0;
};

class TListView : public TWinControl {
    QRN_CLASS(TListView, TWinControl)
public:
    explicit TListView(TComponent* AOwner);
    ~TListView() override;
    TListColumns* Columns() const { return FColumns.get(); }
    void SetColumns(TListColumns* Value) { FColumns->Assign(Value); }
    TListItems* Items() const { return FItems.get(); }
    TViewStyle ViewStyle() const { return FViewStyle; }
    void SetViewStyle(TViewStyle Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool Value);
    bool MultiSelect() const { return FMultiSelect; }
    void SetMultiSelect(bool Value);
    TCustomImageList* SmallImages() const { return FSmallImages; }
    void SetSmallImages(TCustomImageList* Value);
    TListItem* Selected() const;
    void SetSelected(TListItem* Item);
    int SelCount() const;
    bool IsEditing() const;
    void BeginUpdate() { FItems->BeginUpdate(); }
    void EndUpdate() { FItems->EndUpdate(); }
    void WndProc(TMessage& Message) override;

    TLVEditingEvent OnEditing;
    TLVEditedEvent OnEdited;
    TNotifyEvent OnChange;  // selection moved

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void DestroyWnd() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    bool BeginAutoDrag() override;

private:
    friend class TListItem;
    friend class TListItems;
    friend class TListColumns;
    friend class TListColumn;
    void UpdateColumns();
    void InsertItemWindow(TListItem* Item, int Index);
    void UpdateItemWindow(TListItem* Item);
    void CNNotify(TMessage& Message);
    HWND Wnd() const { return FHandle; }
    std::unique_ptr<TListColumns> FColumns;
    std::unique_ptr<TListItems> FItems;
    TViewStyle FViewStyle = vsIcon;
    bool FReadOnly = false;
    bool FHideSelection = true;
    bool FMultiSelect = false;
    TCustomImageList* FSmallImages = nullptr;
    TListItem* FEditingItem = nullptr;
};

// ---- status bar ----

class TStatusBar;

class TStatusPanel : public TCollectionItem {
    QRN_CLASS(TStatusPanel, TCollectionItem)
public:
    explicit TStatusPanel(TCollection* Collection);
    const std::string& Text() const { return FText; }
    void SetText(const std::string& Value);
    int Width() const { return FWidth; }
    void SetWidth(int Value);
    std::string GetDisplayName() const override;
    void Assign(TPersistent* Source) override;

private:
    std::string FText;
    int FWidth = 50;
};

class TStatusPanels : public TOwnedCollection {
    QRN_CLASS(TStatusPanels, TOwnedCollection)
public:
    explicit TStatusPanels(TStatusBar* AOwner);
    TStatusPanel* Add() { return static_cast<TStatusPanel*>(TCollection::Add()); }
    TStatusPanel* Items(int Index) const { return static_cast<TStatusPanel*>(TCollection::Items(Index)); }

protected:
    void Update(TCollectionItem* Item) override;

private:
    TStatusBar* FOwner;
};

class TStatusBar : public TWinControl {
    QRN_CLASS(TStatusBar, TWinControl)
public:
    explicit TStatusBar(TComponent* AOwner);
    ~TStatusBar() override;
    TStatusPanels* Panels() const { return FPanels.get(); }
    void SetPanels(TStatusPanels* Value) { FPanels->Assign(Value); }
    bool SimplePanel() const { return FSimplePanel; }
    void SetSimplePanel(bool Value);
    const std::string& SimpleText() const { return FSimpleText; }
    void SetSimpleText(const std::string& Value);
    // What the window shows in a panel, or (Part -1) the simple text; empty
    // when the bar is not in that mode.
    std::string WindowText(int Part);
    // Sets a panel's text and leaves its painting to the message loop's
    // next WM_PAINT, which comes after any input that waits: for a text that
    // follows the user's keys (the window paints a changed panel at once,
    // and a key arriving meanwhile waits for it). Panels changed together
    // are painted in one go.
    void SetPanelTextLater(int Index, const std::string& Text);

protected:
    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void WndProc(TMessage& Message) override;

private:
    friend class TStatusPanels;
    void UpdatePanels();
    std::unique_ptr<TStatusPanels> FPanels;
    bool FSimplePanel = false;
    bool FPaintLater = false;  // the window's own paint of a new text waits for the loop
    std::string FSimpleText;
};
