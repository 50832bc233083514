// List boxes, combo boxes and scroll bars.
#include "framework/stdctrls/ListCtrls.h"

#include <algorithm>

#include "framework/classes/ClassRegistry.h"

// ---- items

void TListControlStrings::CheckIndex(int Index) const {
    if (Index < 0 || Index >= GetCount()) Error("List index out of bounds (%d)", Index);
}

int TListControlStrings::GetCount() const {
    if (!FOwner->HandleAllocated()) return FOwner->FSaved.Count();
    const auto N = SendMessageA(FOwner->FHandle, FOwner->Msgs().GetCount, 0, 0);
    return N < 0 ? 0 : static_cast<int>(N);
}

std::string TListControlStrings::Get(int Index) const {
    CheckIndex(Index);
    if (!FOwner->HandleAllocated()) return FOwner->FSaved.Get(Index);
    const auto& M = FOwner->Msgs();
    const auto Len = SendMessageA(FOwner->FHandle, M.GetTextLen, static_cast<WPARAM>(Index), 0);
    if (Len <= 0) return {};
    std::string S(static_cast<size_t>(Len) + 1, '\0');
    const auto Got = SendMessageA(FOwner->FHandle, M.GetText, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(S.data()));
    S.resize(static_cast<size_t>(std::clamp<LRESULT>(Got, 0, Len)));
    return S;
}

TObject* TListControlStrings::GetObject(int Index) const {
    CheckIndex(Index);
    if (!FOwner->HandleAllocated()) return FOwner->FSaved.GetObject(Index);
    const auto Data = SendMessageA(FOwner->FHandle, FOwner->Msgs().GetItemData, static_cast<WPARAM>(Index), 0);
    return Data == LB_ERR ? nullptr : reinterpret_cast<TObject*>(Data);  // CB_ERR is the same
}

void TListControlStrings::PutObject(int Index, TObject* AObject) {
    CheckIndex(Index);
    if (!FOwner->HandleAllocated()) return FOwner->FSaved.PutObject(Index, AObject);
    SendMessageA(FOwner->FHandle, FOwner->Msgs().SetItemData, static_cast<WPARAM>(Index),
                 reinterpret_cast<LPARAM>(AObject));
}

int TListControlStrings::Add(const std::string& S) {
    if (!FOwner->HandleAllocated()) return FOwner->FSaved.Add(S);
    const auto R = SendMessageA(FOwner->FHandle, FOwner->Msgs().AddString, 0, reinterpret_cast<LPARAM>(S.c_str()));
    if (R < 0) throw EOutOfResources("Not enough memory for the list item");
    FOwner->ItemInserted(static_cast<int>(R));
    return static_cast<int>(R);
}

void TListControlStrings::Insert(int Index, const std::string& S) {
    if (Index < 0 || Index > GetCount()) Error("List index out of bounds (%d)", Index);
    if (!FOwner->HandleAllocated()) {
        // A sorted list decides the place itself.
        if (FOwner->FSaved.Sorted())
            FOwner->FSaved.Add(S);
        else
            FOwner->FSaved.Insert(Index, S);
        return;
    }
    const auto R = SendMessageA(FOwner->FHandle, FOwner->Msgs().InsertString, static_cast<WPARAM>(Index),
                                reinterpret_cast<LPARAM>(S.c_str()));
    if (R < 0) throw EOutOfResources("Not enough memory for the list item");
    FOwner->ItemInserted(static_cast<int>(R));
}

void TListControlStrings::Delete(int Index) {
    CheckIndex(Index);
    if (!FOwner->HandleAllocated()) return FOwner->FSaved.Delete(Index);
    SendMessageA(FOwner->FHandle, FOwner->Msgs().DeleteString, static_cast<WPARAM>(Index), 0);
}

void TListControlStrings::Clear() {
    if (!FOwner->HandleAllocated()) return FOwner->FSaved.Clear();
    SendMessageA(FOwner->FHandle, FOwner->Msgs().ResetContent, 0, 0);
}

int TListControlStrings::IndexOf(const std::string& S) const {
    if (!FOwner->HandleAllocated()) return TStrings::IndexOf(S);
    const auto R = SendMessageA(FOwner->FHandle, FOwner->Msgs().FindStringExact, static_cast<WPARAM>(-1),
                                reinterpret_cast<LPARAM>(S.c_str()));
    return R < 0 ? -1 : static_cast<int>(R);
}

void TListControlStrings::SetUpdateState(bool Updating) {
    if (!FOwner->HandleAllocated()) return;
    SendMessageA(FOwner->FHandle, WM_SETREDRAW, Updating ? 0 : 1, 0);
    if (!Updating) FOwner->Invalidate();
}

// ---- shared list window

TListWindowControl::TListWindowControl(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TListControlStrings>(this)),
      FCanvas(std::make_unique<TControlCanvas>(this)) {
    // The window reports clicks itself (selection changes), not every button-up.
    FControlStyle.Exclude(csClickEvents).Exclude(csDoubleClicks);
    FTabStop = true;
    FColor = clWindow;
    FParentColor = false;
}

TListWindowControl::~TListWindowControl() {
    if (FCanvas) FCanvas->FreeHandle();
}

int TListWindowControl::ItemIndex() {
    if (!HandleAllocated()) return FSavedIndex;
    const auto R = SendMessageA(FHandle, Msgs().GetCurSel, 0, 0);
    return R < 0 ? -1 : static_cast<int>(R);
}

void TListWindowControl::SetItemIndex(int Value) {
    if (!HandleAllocated()) {
        FSavedIndex = Value;
        return;
    }
    SendMessageA(FHandle, Msgs().SetCurSel, static_cast<WPARAM>(Value), 0);
}

void TListWindowControl::SetSorted(bool Value) {
    if (FSorted == Value) return;
    FSorted = Value;
    FSaved.SetSorted(Value);
    RecreateWnd();
}

void TListWindowControl::SetItemHeight(int Value) {
    if (Value <= 0 || Value == FItemHeight) return;
    FItemHeight = Value;
    if (HandleAllocated() && IsOwnerDraw() && !IsVariable())
        SendMessageA(FHandle, Msgs().SetItemHeight, 0, MAKELPARAM(Value, 0));
    Invalidate();
}

void TListWindowControl::ItemInserted(int Index) {
    if (!IsVariable() || !HandleAllocated()) return;
    int H = FItemHeight;
    MeasureItem(Index, H);
    SendMessageA(FHandle, Msgs().SetItemHeight, static_cast<WPARAM>(Index), MAKELPARAM(std::clamp(H, 1, 255), 0));
}

void TListWindowControl::CreateWnd() {
    TWinControl::CreateWnd();
    if (IsOwnerDraw() && !IsVariable()) SendMessageA(FHandle, Msgs().SetItemHeight, 0, MAKELPARAM(FItemHeight, 0));
    // Items kept while there was no window go back in, objects included.
    const int N = FSaved.Count();
    for (int I = 0; I < N; ++I) {
        const std::string S = FSaved.Get(I);
        const auto R = SendMessageA(FHandle, Msgs().AddString, 0, reinterpret_cast<LPARAM>(S.c_str()));
        if (R < 0) continue;
        SendMessageA(FHandle, Msgs().SetItemData, static_cast<WPARAM>(R), reinterpret_cast<LPARAM>(FSaved.GetObject(I)));
        ItemInserted(static_cast<int>(R));
    }
    FSaved.Clear();
    if (FSavedIndex >= 0) SendMessageA(FHandle, Msgs().SetCurSel, static_cast<WPARAM>(FSavedIndex), 0);
    FSavedIndex = -1;
}

void TListWindowControl::DestroyWnd() {
    FSaved.Clear();
    FSavedIndex = -1;
    if (HandleAllocated()) {
        FSavedIndex = ItemIndex();
        const int N = FItems->Count();
        // The window's order already is the sorted one; keep it as it is.
        FSaved.SetSorted(false);
        for (int I = 0; I < N; ++I) FSaved.AddObject(FItems->Get(I), FItems->GetObject(I));
        FSaved.SetSorted(FSorted);
    }
    FCanvas->FreeHandle();
    TWinControl::DestroyWnd();
}

void TListWindowControl::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    if (OnDrawItem) {
        OnDrawItem(this, Index, Rect, State);
        return;
    }
    FCanvas->FillRect(Rect);
    if (Index >= 0 && Index < FItems->Count()) FCanvas->TextOut(Rect.Left + 2, Rect.Top, FItems->Get(Index));
}

void TListWindowControl::MeasureItem(int Index, int& Height) {
    if (OnMeasureItem) OnMeasureItem(this, Index, Height);
}

void TListWindowControl::WndProc(TMessage& Message) {
    if (Message.Msg == CN_DRAWITEM) {
        const auto& D = *reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
        TOwnerDrawState State;
        if (D.itemState & ODS_SELECTED) State.Include(odSelected);
        if (D.itemState & ODS_GRAYED) State.Include(odGrayed);
        if (D.itemState & ODS_DISABLED) State.Include(odDisabled);
        if (D.itemState & ODS_FOCUS) State.Include(odFocused);
        if (D.itemState & ODS_COMBOBOXEDIT) State.Include(odComboBoxEdit);
        const TRect R{D.rcItem.left, D.rcItem.top, D.rcItem.right, D.rcItem.bottom};
        FCanvas->Lock();
        struct TRelease {
            TControlCanvas* C;
            ~TRelease() {
                C->SetHandle(nullptr);
                C->Unlock();
            }
        } Guard{FCanvas.get()};
        FCanvas->FreeHandle();
        FCanvas->SetHandle(D.hDC);
        FCanvas->SetFont(FFont.get());
        if (State.Contains(odSelected)) {
            FCanvas->Brush()->SetColor(clHighlight);
            FCanvas->Font()->SetColor(clHighlightText);
        } else {
            FCanvas->Brush()->SetColor(FColor);
        }
        if (D.itemAction & (ODA_DRAWENTIRE | ODA_SELECT)) DrawItem(static_cast<int>(D.itemID), R, State);
        if ((D.itemState & ODS_FOCUS) && (D.itemAction & (ODA_DRAWENTIRE | ODA_FOCUS))) FCanvas->DrawFocusRect(R);
        Message.Result = 1;
        return;
    }
    TWinControl::WndProc(Message);
}

// ---- list box

TListBox::TListBox(TComponent* AOwner) : TListWindowControl(AOwner) {
    // A list shows items, not a caption: renaming it leaves its text alone.
    FControlStyle.Exclude(csSetCaption);
    SetBounds(0, 0, 121, 97);
}

const TListWindowControl::TItemMessages& TListBox::Msgs() const {
    static const TItemMessages M{LB_ADDSTRING,   LB_INSERTSTRING, LB_DELETESTRING,   LB_RESETCONTENT, LB_GETCOUNT,
                                 LB_GETTEXT,     LB_GETTEXTLEN,   LB_GETITEMDATA,    LB_SETITEMDATA,  LB_SETITEMHEIGHT,
                                 LB_GETCURSEL,   LB_SETCURSEL,    LB_FINDSTRINGEXACT};
    return M;
}

void TListBox::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, "LISTBOX");
    Params.Style |= WS_VSCROLL | LBS_NOTIFY | WS_BORDER;
    if (FSorted) Params.Style |= LBS_SORT;
    if (FMultiSelect) Params.Style |= LBS_EXTENDEDSEL;
    if (!FIntegralHeight) Params.Style |= LBS_NOINTEGRALHEIGHT;
    if (FStyle == lbOwnerDrawFixed) Params.Style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
    if (FStyle == lbOwnerDrawVariable) Params.Style |= LBS_OWNERDRAWVARIABLE | LBS_HASSTRINGS;
    Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TListBox::CreateWnd() {
    TListWindowControl::CreateWnd();
    if (FMultiSelect) {
        for (int I : FSavedSelection) SendMessageA(FHandle, LB_SETSEL, 1, I);
    }
    FSavedSelection.clear();
}

void TListBox::DestroyWnd() {
    FSavedSelection.clear();
    if (HandleAllocated() && FMultiSelect) {
        const int N = FItems->Count();
        for (int I = 0; I < N; ++I)
            if (SendMessageA(FHandle, LB_GETSEL, static_cast<WPARAM>(I), 0) > 0) FSavedSelection.push_back(I);
    }
    TListWindowControl::DestroyWnd();
}

int TListBox::ItemIndex() {
    if (!FMultiSelect || !HandleAllocated()) return TListWindowControl::ItemIndex();
    if (SelCount() == 0) return -1;
    return static_cast<int>(SendMessageA(FHandle, LB_GETCARETINDEX, 0, 0));
}

void TListBox::SetItemIndex(int Value) {
    if (!FMultiSelect || !HandleAllocated()) return TListWindowControl::SetItemIndex(Value);
    // In a multi-select list the item index is the focused item, selected alone.
    SendMessageA(FHandle, LB_SETSEL, 0, -1);
    if (Value >= 0) {
        SendMessageA(FHandle, LB_SETSEL, 1, Value);
        SendMessageA(FHandle, LB_SETCARETINDEX, static_cast<WPARAM>(Value), 0);
    }
}

void TListBox::SetMultiSelect(bool Value) {
    if (FMultiSelect == Value) return;
    FMultiSelect = Value;
    RecreateWnd();
}

bool TListBox::Selected(int Index) {
    if (Index < 0 || Index >= FItems->Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    if (!HandleAllocated()) {
        if (FMultiSelect) return std::find(FSavedSelection.begin(), FSavedSelection.end(), Index) != FSavedSelection.end();
        return FSavedIndex == Index;
    }
    return SendMessageA(FHandle, LB_GETSEL, static_cast<WPARAM>(Index), 0) > 0;
}

void TListBox::SetSelected(int Index, bool Value) {
    if (Index < 0 || Index >= FItems->Count()) throw EListError("List index out of bounds (" + std::to_string(Index) + ")");
    HandleNeeded();
    if (FMultiSelect)
        SendMessageA(FHandle, LB_SETSEL, Value ? 1 : 0, Index);
    else if (Value)
        SendMessageA(FHandle, LB_SETCURSEL, static_cast<WPARAM>(Index), 0);
    else if (ItemIndex() == Index)
        SendMessageA(FHandle, LB_SETCURSEL, static_cast<WPARAM>(-1), 0);
}

int TListBox::SelCount() {
    if (!HandleAllocated()) return FMultiSelect ? static_cast<int>(FSavedSelection.size()) : (FSavedIndex >= 0 ? 1 : 0);
    if (!FMultiSelect) return ItemIndex() >= 0 ? 1 : 0;
    const auto R = SendMessageA(FHandle, LB_GETSELCOUNT, 0, 0);
    return R < 0 ? 0 : static_cast<int>(R);
}

void TListBox::SetStyle(TListBoxStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    RecreateWnd();
}

void TListBox::SetIntegralHeight(bool Value) {
    if (FIntegralHeight == Value) return;
    FIntegralHeight = Value;
    RecreateWnd();
}

int TListBox::TopIndex() { return static_cast<int>(SendMessageA(Handle(), LB_GETTOPINDEX, 0, 0)); }

void TListBox::SetTopIndex(int Value) { SendMessageA(Handle(), LB_SETTOPINDEX, static_cast<WPARAM>(Value), 0); }

int TListBox::ItemAtPos(TPoint Pos, bool Existing) {
    const int N = FItems->Count();
    for (int I = TopIndex(); I < N; ++I) {
        const TRect R = ItemRect(I);
        if (R.Top > ClientHeight()) break;
        if (R.Contains(Pos)) return I;
    }
    return Existing ? -1 : N;
}

TRect TListBox::ItemRect(int Index) {
    RECT R{};
    if (SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&R)) == LB_ERR)
        return {};
    return {R.left, R.top, R.right, R.bottom};
}

void TListBox::WndProc(TMessage& Message) {
    if (Message.Msg == CN_COMMAND) {
        switch (HIWORD(Message.WParam)) {
            case LBN_SELCHANGE:
                Click();
                return;
            case LBN_DBLCLK:
                DblClick();
                return;
        }
    }
    TListWindowControl::WndProc(Message);
}

// ---- combo box

TComboBox::TComboBox(TComponent* AOwner) : TListWindowControl(AOwner) { SetBounds(0, 0, 145, 21); }

const TListWindowControl::TItemMessages& TComboBox::Msgs() const {
    static const TItemMessages M{CB_ADDSTRING,   CB_INSERTSTRING, CB_DELETESTRING,   CB_RESETCONTENT, CB_GETCOUNT,
                                 CB_GETLBTEXT,   CB_GETLBTEXTLEN, CB_GETITEMDATA,    CB_SETITEMDATA,  CB_SETITEMHEIGHT,
                                 CB_GETCURSEL,   CB_SETCURSEL,    CB_FINDSTRINGEXACT};
    return M;
}

void TComboBox::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, "COMBOBOX");
    Params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL;
    switch (FStyle) {
        case csDropDown: Params.Style |= CBS_DROPDOWN; break;
        case csSimple: Params.Style |= CBS_SIMPLE; break;
        case csDropDownList: Params.Style |= CBS_DROPDOWNLIST; break;
        case csOwnerDrawFixed: Params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS; break;
        case csOwnerDrawVariable: Params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS; break;
    }
    if (FSorted) Params.Style |= CBS_SORT;
    // The window's height includes the drop-down list.
    if (FStyle != csSimple) Params.Height = FHeight + FItemHeight * std::max(FDropDownCount, 1) + 2;
    Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TComboBox::CreateWnd() {
    const std::string SavedText = FText;
    TListWindowControl::CreateWnd();
    // Typed text wins; an empty one must not blank the chosen item.
    if ((FStyle == csDropDown || FStyle == csSimple) && (!SavedText.empty() || ItemIndex() < 0))
        SetWindowTextA(FHandle, SavedText.c_str());
}

void TComboBox::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TListWindowControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    if (HandleAllocated() && FStyle != csSimple) ApplyDropDownHeight();
}

void TComboBox::ApplyDropDownHeight() {
    // The window is as high as the edit part plus the list; the framework's
    // bounds track only the edit part.
    RECT R{};
    GetWindowRect(FHandle, &R);
    const int Wanted = FHeight + FItemHeight * std::max(FDropDownCount, 1) + 2;
    if (R.bottom - R.top != Wanted)
        SetWindowPos(FHandle, nullptr, 0, 0, FWidth, Wanted, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TComboBox::SetStyle(TComboBoxStyle Value) {
    if (FStyle == Value) return;
    FStyle = Value;
    RecreateWnd();
}

void TComboBox::SetDropDownCount(int Value) {
    if (Value < 1) Value = 1;
    FDropDownCount = Value;
    if (HandleAllocated() && FStyle != csSimple) ApplyDropDownHeight();
}

bool TComboBox::DroppedDown() { return HandleAllocated() && SendMessageA(FHandle, CB_GETDROPPEDSTATE, 0, 0) != 0; }

void TComboBox::SetDroppedDown(bool Value) { SendMessageA(Handle(), CB_SHOWDROPDOWN, Value ? 1 : 0, 0); }

void TComboBox::SetItemIndex(int Value) {
    TListWindowControl::SetItemIndex(Value);
    if (!HandleAllocated() && Value >= 0 && Value < FSaved.Count()) FText = FSaved.Get(Value);
}

void TComboBox::Change() { OnChange(this); }

void TComboBox::WndProc(TMessage& Message) {
    if (Message.Msg == CN_COMMAND) {
        switch (HIWORD(Message.WParam)) {
            case CBN_SELCHANGE:
                // The edit part shows the new item only after this notification.
                if (ItemIndex() >= 0 && (FStyle == csDropDown || FStyle == csSimple))
                    SetWindowTextA(FHandle, FItems->Get(ItemIndex()).c_str());
                Click();
                Change();
                return;
            case CBN_EDITCHANGE:
                Change();
                return;
            case CBN_DROPDOWN:
                OnDropDown(this);
                return;
        }
    }
    TListWindowControl::WndProc(Message);
}

// ---- scroll bar

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle.Exclude(csClickEvents).Exclude(csDoubleClicks).Exclude(csSetCaption);
    FTabStop = true;
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
}

void TScrollBar::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, "SCROLLBAR");
    Params.Style |= FKind == sbHorizontal ? SBS_HORZ : SBS_VERT;
    Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS);
}

void TScrollBar::CreateWnd() {
    TWinControl::CreateWnd();
    SetScrollRange(FHandle, SB_CTL, FMin, FMax, FALSE);
    SetScrollPos(FHandle, SB_CTL, FPosition, TRUE);
}

void TScrollBar::SetKind(TScrollBarKind Value) {
    if (FKind == Value) return;
    FKind = Value;
    // Turning the bar swaps its width and height, except while a form is read.
    if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
    RecreateWnd();
}

void TScrollBar::SetParams(int APosition, int AMin, int AMax) {
    if (AMax < AMin) throw EInvalidOperation("Scroll bar property out of range");
    APosition = std::clamp(APosition, AMin, AMax);
    if (HandleAllocated() && (AMin != FMin || AMax != FMax))
        SetScrollRange(FHandle, SB_CTL, AMin, AMax, APosition == FPosition);
    FMin = AMin;
    FMax = AMax;
    if (APosition != FPosition) {
        FPosition = APosition;
        if (HandleAllocated()) SetScrollPos(FHandle, SB_CTL, FPosition, TRUE);
        Change();
    }
}

void TScrollBar::Change() { OnChange(this); }

void TScrollBar::Scroll(TScrollCode ScrollCode, int& ScrollPos) { OnScroll(this, ScrollCode, ScrollPos); }

void TScrollBar::DoScroll(TMessage& Message) {
    const int Code = LOWORD(Message.WParam);
    int Pos = FPosition;
    TScrollCode SC = scEndScroll;
    switch (Code) {
        case SB_LINEUP: SC = scLineUp; Pos -= FSmallChange; break;
        case SB_LINEDOWN: SC = scLineDown; Pos += FSmallChange; break;
        case SB_PAGEUP: SC = scPageUp; Pos -= FLargeChange; break;
        case SB_PAGEDOWN: SC = scPageDown; Pos += FLargeChange; break;
        case SB_THUMBPOSITION: SC = scPosition; Pos = static_cast<short>(HIWORD(Message.WParam)); break;
        case SB_THUMBTRACK: SC = scTrack; Pos = static_cast<short>(HIWORD(Message.WParam)); break;
        case SB_TOP: SC = scTop; Pos = FMin; break;
        case SB_BOTTOM: SC = scBottom; Pos = FMax; break;
        case SB_ENDSCROLL: SC = scEndScroll; break;
        default: return;
    }
    // Full 32-bit thumb positions come from the window, not the message.
    if (Code == SB_THUMBPOSITION || Code == SB_THUMBTRACK) Pos = ScrollTrackPos(FHandle, SB_CTL, Pos);
    Pos = std::clamp(Pos, FMin, FMax);
    Scroll(SC, Pos);
    SetPosition(Pos);
}

void TScrollBar::WndProc(TMessage& Message) {
    if (Message.Msg == CN_HSCROLL || Message.Msg == CN_VSCROLL) {
        DoScroll(Message);
        Message.Result = 0;
        return;
    }
    TWinControl::WndProc(Message);
}

// ---- published

QRN_PUBLISHED(TListWindowControl) {}

QRN_PUBLISHED(TListBox) {
    B.Unpublish("Caption");
    B.Prop("Style", &TListBox::Style, &TListBox::SetStyle).Default(lbStandard);
    B.Prop("MultiSelect", &TListBox::MultiSelect, &TListBox::SetMultiSelect).Default(false);
    B.Prop("Sorted", &TListBox::Sorted, &TListBox::SetSorted).Default(false);
    B.Prop("IntegralHeight", &TListBox::IntegralHeight, &TListBox::SetIntegralHeight).Default(false);
    B.Prop("ItemHeight", &TListBox::ItemHeight, &TListBox::SetItemHeight).Default(16);
    B.Prop("Items", &TListBox::Items, &TListBox::SetItems);
    B.Prop("ItemIndex", &TListBox::ItemIndex, &TListBox::SetItemIndex).Default(-1);
    B.Event("OnDrawItem", &TListBox::OnDrawItem);
    B.Event("OnMeasureItem", &TListBox::OnMeasureItem);
}

QRN_PUBLISHED(TComboBox) {
    B.Unpublish("Caption");
    B.Prop("Style", &TComboBox::Style, &TComboBox::SetStyle).Default(csDropDown);
    B.Prop("DropDownCount", &TComboBox::DropDownCount, &TComboBox::SetDropDownCount).Default(8);
    B.Prop("Sorted", &TComboBox::Sorted, &TComboBox::SetSorted).Default(false);
    B.Prop("ItemHeight", &TComboBox::ItemHeight, &TComboBox::SetItemHeight).Default(16);
    B.Prop("Items", &TComboBox::Items, &TComboBox::SetItems);
    B.Prop("ItemIndex", &TComboBox::ItemIndex, &TComboBox::SetItemIndex).Default(-1);
    B.Prop("Text", &TComboBox::Text, &TComboBox::SetText).Type(QRN_TYPE(TCaption));
    B.Event("OnChange", &TComboBox::OnChange);
    B.Event("OnDropDown", &TComboBox::OnDropDown);
    B.Event("OnDrawItem", &TComboBox::OnDrawItem);
    B.Event("OnMeasureItem", &TComboBox::OnMeasureItem);
}

QRN_PUBLISHED(TScrollBar) {
    B.Unpublish("Caption");
    B.Prop("Kind", &TScrollBar::Kind, &TScrollBar::SetKind).Default(sbHorizontal);
    B.Prop("Min", &TScrollBar::Min, &TScrollBar::SetMin).Default(0);
    B.Prop("Max", &TScrollBar::Max, &TScrollBar::SetMax).Default(100);
    B.Prop("Position", &TScrollBar::Position, &TScrollBar::SetPosition).Default(0);
    B.Prop("SmallChange", &TScrollBar::SmallChange, &TScrollBar::SetSmallChange).Default(1);
    B.Prop("LargeChange", &TScrollBar::LargeChange, &TScrollBar::SetLargeChange).Default(1);
    B.Event("OnChange", &TScrollBar::OnChange);
    B.Event("OnScroll", &TScrollBar::OnScroll);
}

void RegisterListControls() {
    RegisterClasses({TListBox::StaticClass(), TComboBox::StaticClass(), TScrollBar::StaticClass()});
}
