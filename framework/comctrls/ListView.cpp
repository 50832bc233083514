// The list view: columns (a streamed collection), items kept by the
// component and mirrored into the window, in-place caption editing.
#include "framework/comctrls/ComCtrls.h"

#include <algorithm>
#include <cstring>

#include "framework/classes/Filer.h"
#include "framework/rtl/win/WinApi.h"

#include <commctrl.h>

// ---- columns ----

// Joins the collection only once its own fields are set: the collection
// looks at its items as soon as one is added.
TListColumn::TListColumn(TCollection* Collection) : TCollectionItem(nullptr) { SetCollection(Collection); }

void TListColumn::SetCaption(const std::string& Value) {
    if (FCaption == Value) return;
    FCaption = Value;
    Changed(false);
}

int TListColumn::Width() {
    // The user may have dragged the divider.
    auto* Cols = dynamic_cast<TListColumns*>(Collection());
    if (Cols && Cols->Owner()->HandleAllocated() && Cols->Owner()->FViewStyle == vsReport) {
        const int W = static_cast<int>(SendMessageA(Cols->Owner()->Wnd(), LVM_GETCOLUMNWIDTH, Index(), 0));
        if (W > 0) FWidth = W;
    }
    return FWidth;
}

void TListColumn::SetWidth(int Value) {
    if (FWidth == Value) return;
    FWidth = Value;
    Changed(false);
}

std::string TListColumn::GetDisplayName() const { return FCaption.empty() ? TCollectionItem::GetDisplayName() : FCaption; }

void TListColumn::Assign(TPersistent* Source) {
    if (auto* S = dynamic_cast<TListColumn*>(Source)) {
        FCaption = S->FCaption;
        FWidth = S->FWidth;
        Changed(false);
        return;
    }
    TCollectionItem::Assign(Source);
}

QRN_PUBLISHED(TListColumn) {
    B.Prop("Caption", &TListColumn::Caption, &TListColumn::SetCaption).Type(QRN_TYPE(TCaption));
    B.Prop("Width", &TListColumn::Width, &TListColumn::SetWidth).Default(50);
}

TListColumns::TListColumns(TListView* AOwner) : TOwnedCollection(AOwner, TListColumn::StaticClass()), FOwner(AOwner) {}

void TListColumns::Update(TCollectionItem*) { FOwner->UpdateColumns(); }

QRN_PUBLISHED(TListColumns) {}

// ---- items ----

TListItem::TListItem(TListItems* AOwner) : FOwner(AOwner), FSubItems(std::make_unique<TStringList>()) {
    FSubItems->OnChange = [this](TObject* Sender) { SubItemsChanged(Sender); };
}

TListItem::~TListItem() { FSubItems->OnChange = nullptr; }

TListView* TListItem::ListView() const { return FOwner->Owner(); }
int TListItem::Index() const { return FOwner->IndexOf(this); }

void TListItem::SetCaption(const std::string& Value) {
    FCaption = Value;
    ListView()->UpdateItemWindow(this);
}

void TListItem::SetImageIndex(int Value) {
    FImageIndex = Value;
    ListView()->UpdateItemWindow(this);
}

void TListItem::SubItemsChanged(TObject*) { ListView()->UpdateItemWindow(this); }

bool TListItem::Selected() const {
    TListView* LV = ListView();
    if (!LV->HandleAllocated()) return FSelected;
    return SendMessageA(LV->Wnd(), LVM_GETITEMSTATE, Index(), LVIS_SELECTED) & LVIS_SELECTED;
}

void TListItem::SetSelected(bool Value) {
    FSelected = Value;
    TListView* LV = ListView();
    if (!LV->HandleAllocated()) return;
    LVITEMA It{};
    It.stateMask = LVIS_SELECTED;
    It.state = Value ? LVIS_SELECTED : 0;
    SendMessageA(LV->Wnd(), LVM_SETITEMSTATE, Index(), reinterpret_cast<LPARAM>(&It));
}

bool TListItem::Focused() const {
    TListView* LV = ListView();
    if (!LV->HandleAllocated()) return FFocused;
    return SendMessageA(LV->Wnd(), LVM_GETITEMSTATE, Index(), LVIS_FOCUSED) & LVIS_FOCUSED;
}

void TListItem::SetFocused(bool Value) {
    FFocused = Value;
    TListView* LV = ListView();
    if (!LV->HandleAllocated()) return;
    LVITEMA It{};
    It.stateMask = LVIS_FOCUSED;
    It.state = Value ? LVIS_FOCUSED : 0;
    SendMessageA(LV->Wnd(), LVM_SETITEMSTATE, Index(), reinterpret_cast<LPARAM>(&It));
}

void TListItem::Delete() { FOwner->Delete(Index()); }

bool TListItem::EditCaption() {
    TListView* LV = ListView();
    if (LV->FReadOnly) return false;
    return SendMessageA(LV->Handle(), LVM_EDITLABELA, Index(), 0) != 0;
}

TListItems::~TListItems() = default;

TListItem* TListItems::Add() { return Insert(Count()); }

TListItem* TListItems::Insert(int Index) {
    if (Index < 0 || Index > Count()) Index = Count();
    auto Item = std::make_unique<TListItem>(this);
    TListItem* Raw = Item.get();
    FItems.insert(FItems.begin() + Index, std::move(Item));
    FOwner->InsertItemWindow(Raw, Index);
    return Raw;
}

void TListItems::Delete(int Index) {
    if (Index < 0 || Index >= Count()) return;
    if (FOwner->FEditingItem == Item(Index)) FOwner->FEditingItem = nullptr;
    if (FOwner->HandleAllocated()) SendMessageA(FOwner->Wnd(), LVM_DELETEITEM, Index, 0);
    FItems.erase(FItems.begin() + Index);
}

void TListItems::Clear() {
    FOwner->FEditingItem = nullptr;
    if (FOwner->HandleAllocated()) SendMessageA(FOwner->Wnd(), LVM_DELETEALLITEMS, 0, 0);
    FItems.clear();
}

int TListItems::IndexOf(const TListItem* Item) const {
    for (size_t I = 0; I < FItems.size(); ++I)
        if (FItems[I].get() == Item) return static_cast<int>(I);
    return -1;
}

void TListItems::BeginUpdate() {
    if (FUpdateCount++ == 0 && FOwner->HandleAllocated()) SendMessageA(FOwner->Wnd(), WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount == 0 && FOwner->HandleAllocated()) {
        SendMessageA(FOwner->Wnd(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(FOwner->Wnd(), nullptr, TRUE);
    }
}

namespace {

void PutInt(std::string& Out, int32_t V) { Out.append(reinterpret_cast<const char*>(&V), 4); }

void PutShort(std::string& Out, const std::string& S) {
    const size_t Len = std::min<size_t>(S.size(), 255);
    Out += static_cast<char>(Len);
    Out.append(S.data(), Len);
}

// Reads the item data; anything running past its end is refused.
class TItemDataReader {
public:
    explicit TItemDataReader(const std::string& B) : FBytes(B) {}
    int32_t Int() {
        Need(4);
        int32_t V = 0;
        std::memcpy(&V, FBytes.data() + FPos, 4);
        FPos += 4;
        return V;
    }
    std::string Short() {
        Need(1);
        const size_t Len = static_cast<uint8_t>(FBytes[FPos++]);
        Need(Len);
        std::string S = FBytes.substr(FPos, Len);
        FPos += Len;
        return S;
    }

private:
    void Need(size_t N) const {
        if (FBytes.size() - FPos < N) throw EReadError("List view item data is not valid");
    }
    const std::string& FBytes;
    size_t FPos = 0;
};

}  // namespace

std::string TListItems::SaveData() const {
    std::string Out;
    PutInt(Out, 0);  // the size, set below
    PutInt(Out, Count());
    for (const auto& It : FItems) {
        PutInt(Out, It->FImageIndex);
        PutInt(Out, -1);  // state image
        PutInt(Out, -1);  // overlay image
        PutInt(Out, It->FSubItems->Count());
        PutInt(Out, 0);   // Data is an address: not stored
        PutShort(Out, It->FCaption);
        for (int I = 0; I < It->FSubItems->Count(); ++I) PutShort(Out, It->FSubItems->Strings(I));
    }
    const int32_t Size = static_cast<int32_t>(Out.size());
    std::memcpy(Out.data(), &Size, 4);
    return Out;
}

void TListItems::LoadData(const std::string& Bytes) {
    TItemDataReader R(Bytes);
    R.Int();  // size
    const int32_t N = R.Int();
    if (N < 0) throw EReadError("List view item data is not valid");
    // Read whole before anything changes.
    struct TRead {
        std::string Caption;
        int Image;
        std::vector<std::string> Subs;
    };
    std::vector<TRead> Read;
    for (int32_t I = 0; I < N; ++I) {
        TRead Item;
        Item.Image = R.Int();
        R.Int();
        R.Int();
        const int32_t Subs = R.Int();
        R.Int();
        if (Subs < 0) throw EReadError("List view item data is not valid");
        Item.Caption = R.Short();
        for (int32_t S = 0; S < Subs; ++S) Item.Subs.push_back(R.Short());
        Read.push_back(std::move(Item));
    }
    BeginUpdate();
    try {
        Clear();
        for (TRead& Item : Read) {
            TListItem* It = Add();
            It->FSubItems->BeginUpdate();
            for (const std::string& S : Item.Subs) It->FSubItems->Add(S);
            It->FSubItems->EndUpdate();
            It->FImageIndex = Item.Image;
            It->SetCaption(Item.Caption);
        }
    } catch (...) {
        EndUpdate();
        throw;
    }
    EndUpdate();
}

void TListItems::DefineProperties(TFiler* Filer) {
    bool HasData = Count() > 0;
    if (auto* A = dynamic_cast<TListItems*>(Filer->Ancestor())) HasData = A->SaveData() != SaveData();
    Filer->DefineBinaryProperty(
        "Data",
        [this](TStream* S) {
            LoadData(S->ReadToEnd());
        },
        [this](TStream* S) {
            const std::string Bytes = SaveData();
            S->WriteBuffer(Bytes.data(), static_cast<int32_t>(Bytes.size()));
        },
        HasData);
}

QRN_PUBLISHED(TListItems) {}

// ---- TListView ----

TListView::TListView(TComponent* AOwner)
    : TWinControl(AOwner), FColumns(std::make_unique<TListColumns>(this)), FItems(std::make_unique<TListItems>(this)) {
    InitComCtrls();
    SetBounds(FLeft, FTop, 250, 150);
    FColor = clWindow;
    FParentColor = false;
    FTabStop = true;
}

TListView::~TListView() {
    // Items and columns go before the window so nothing talks to it.
    FEditingItem = nullptr;
    FItems->FItems.clear();
}

void TListView::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, WC_LISTVIEWA);
    Params.ExStyle |= WS_EX_CLIENTEDGE;
    static const DWORD Views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    Params.Style |= Views[FViewStyle] | LVS_SHAREIMAGELISTS | WS_CLIPCHILDREN;
    if (!FReadOnly) Params.Style |= LVS_EDITLABELS;
    if (!FHideSelection) Params.Style |= LVS_SHOWSELALWAYS;
    if (!FMultiSelect) Params.Style |= LVS_SINGLESEL;
    Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TListView::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageA(FHandle, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    if (FSmallImages)
        SendMessageA(FHandle, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(FSmallImages->Handle()));
    UpdateColumns();
    for (int I = 0; I < FItems->Count(); ++I) {
        TListItem* It = FItems->Item(I);
        InsertItemWindow(It, I);
        if (It->FSelected) It->SetSelected(true);
        if (It->FFocused) It->SetFocused(true);
    }
}

void TListView::DestroyWnd() {
    for (int I = 0; I < FItems->Count(); ++I) {
        TListItem* It = FItems->Item(I);
        It->FSelected = It->Selected();
        It->FFocused = It->Focused();
    }
    for (int I = 0; I < FColumns->Count(); ++I) FColumns->Items(I)->Width();
    TWinControl::DestroyWnd();
}

void TListView::UpdateColumns() {
    if (!FHandle) return;
    while (SendMessageA(FHandle, LVM_DELETECOLUMN, 0, 0)) {
    }
    for (int I = 0; I < FColumns->Count(); ++I) {
        TListColumn* C = FColumns->Items(I);
        LVCOLUMNA Col{};
        Col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        Col.pszText = const_cast<char*>(C->Caption().c_str());
        Col.cx = C->FWidth;
        Col.iSubItem = I;
        SendMessageA(FHandle, LVM_INSERTCOLUMNA, I, reinterpret_cast<LPARAM>(&Col));
    }
}

void TListView::InsertItemWindow(TListItem* Item, int Index) {
    if (!FHandle) return;
    LVITEMA It{};
    It.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE;
    It.iItem = Index;
    It.pszText = const_cast<char*>(Item->FCaption.c_str());
    It.lParam = reinterpret_cast<LPARAM>(Item);
    It.iImage = Item->FImageIndex;
    SendMessageA(FHandle, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&It));
    UpdateItemWindow(Item);
}

void TListView::UpdateItemWindow(TListItem* Item) {
    if (!FHandle) return;
    const int Index = Item->Index();
    if (Index < 0) return;
    LVITEMA It{};
    It.mask = LVIF_TEXT | LVIF_IMAGE;
    It.iItem = Index;
    It.pszText = const_cast<char*>(Item->FCaption.c_str());
    It.iImage = Item->FImageIndex;
    SendMessageA(FHandle, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&It));
    const int Cols = std::max(FColumns->Count(), Item->FSubItems->Count() + 1);
    for (int S = 1; S < Cols; ++S) {
        std::string Text = S - 1 < Item->FSubItems->Count() ? Item->FSubItems->Strings(S - 1) : std::string();
        LVITEMA Sub{};
        Sub.iSubItem = S;
        Sub.pszText = const_cast<char*>(Text.c_str());
        SendMessageA(FHandle, LVM_SETITEMTEXTA, Index, reinterpret_cast<LPARAM>(&Sub));
    }
}

void TListView::SetViewStyle(TViewStyle Value) {
    if (FViewStyle == Value) return;
    FViewStyle = Value;
    if (!FHandle) return;
    static const LONG_PTR Views[] = {LVS_ICON, LVS_SMALLICON, LVS_LIST, LVS_REPORT};
    LONG_PTR Style = GetWindowLongPtrA(FHandle, GWL_STYLE);
    SetWindowLongPtrA(FHandle, GWL_STYLE, (Style & ~static_cast<LONG_PTR>(LVS_TYPEMASK)) | Views[Value]);
    InvalidateRect(FHandle, nullptr, TRUE);
}

void TListView::SetReadOnly(bool Value) {
    if (FReadOnly == Value) return;
    FReadOnly = Value;
    if (!FHandle) return;
    LONG_PTR Style = GetWindowLongPtrA(FHandle, GWL_STYLE);
    Style = Value ? (Style & ~static_cast<LONG_PTR>(LVS_EDITLABELS)) : (Style | LVS_EDITLABELS);
    SetWindowLongPtrA(FHandle, GWL_STYLE, Style);
}

void TListView::SetHideSelection(bool Value) {
    if (FHideSelection == Value) return;
    FHideSelection = Value;
    if (FHandle) RecreateWnd();
}

void TListView::SetMultiSelect(bool Value) {
    if (FMultiSelect == Value) return;
    FMultiSelect = Value;
    if (FHandle) RecreateWnd();
}

void TListView::SetSmallImages(TCustomImageList* Value) {
    if (FSmallImages == Value) return;
    if (FSmallImages) FSmallImages->RemoveFreeNotification(this);
    FSmallImages = Value;
    if (Value) Value->FreeNotification(this);
    if (FHandle)
        SendMessageA(FHandle, LVM_SETIMAGELIST, LVSIL_SMALL,
                     reinterpret_cast<LPARAM>(Value ? Value->Handle() : nullptr));
}

void TListView::Notification(TComponent* AComponent, TOperation Operation) {
    TWinControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FSmallImages) {
        FSmallImages = nullptr;
        if (FHandle) SendMessageA(FHandle, LVM_SETIMAGELIST, LVSIL_SMALL, 0);
    }
}

TListItem* TListView::Selected() const {
    if (!FHandle) {
        for (int I = 0; I < FItems->Count(); ++I)
            if (FItems->Item(I)->FSelected) return FItems->Item(I);
        return nullptr;
    }
    const int I = static_cast<int>(SendMessageA(FHandle, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    return I >= 0 && I < FItems->Count() ? FItems->Item(I) : nullptr;
}

void TListView::SetSelected(TListItem* Item) {
    for (int I = 0; I < FItems->Count(); ++I)
        if (FItems->Item(I) != Item && FItems->Item(I)->Selected()) FItems->Item(I)->SetSelected(false);
    if (Item) Item->SetSelected(true);
}

int TListView::SelCount() const {
    if (FHandle) return static_cast<int>(SendMessageA(FHandle, LVM_GETSELECTEDCOUNT, 0, 0));
    int N = 0;
    for (int I = 0; I < FItems->Count(); ++I) N += FItems->Item(I)->FSelected ? 1 : 0;
    return N;
}

bool TListView::IsEditing() const { return FHandle && SendMessageA(FHandle, LVM_GETEDITCONTROL, 0, 0) != 0; }

namespace {
std::string FromWide(const wchar_t* W) {
    const int N = WideCharToMultiByte(CP_ACP, 0, W, -1, nullptr, 0, nullptr, nullptr);
    if (N <= 1) return {};
    std::string S(static_cast<size_t>(N - 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, W, -1, S.data(), N, nullptr, nullptr);
    return S;
}
}  // namespace

void TListView::CNNotify(TMessage& Message) {
    const auto* Hdr = reinterpret_cast<const NMHDR*>(Message.LParam);
    const UINT Code = Hdr->code;
    auto ItemOf = [this](int Index) { return Index >= 0 && Index < FItems->Count() ? FItems->Item(Index) : nullptr; };
    if (Code == LVN_BEGINLABELEDITA || Code == LVN_BEGINLABELEDITW) {
        // Both layouts start with the same header and item index.
        const auto* Info = reinterpret_cast<const NMLVDISPINFOA*>(Message.LParam);
        TListItem* Item = ItemOf(Info->item.iItem);
        bool Allow = Item != nullptr && !FReadOnly;
        if (Allow && OnEditing) OnEditing(this, Item, Allow);
        FEditingItem = Allow ? Item : nullptr;
        Message.Result = Allow ? FALSE : TRUE;  // TRUE refuses the edit
        return;
    }
    if (Code == LVN_ENDLABELEDITA || Code == LVN_ENDLABELEDITW) {
        TListItem* Item = FEditingItem;
        FEditingItem = nullptr;
        Message.Result = FALSE;  // the caption is set here, not by the window
        std::string Text;
        bool HasText = false;
        if (Code == LVN_ENDLABELEDITA) {
            const auto* Info = reinterpret_cast<const NMLVDISPINFOA*>(Message.LParam);
            if (Info->item.pszText) Text = Info->item.pszText, HasText = true;
        } else {
            const auto* Info = reinterpret_cast<const NMLVDISPINFOW*>(Message.LParam);
            if (Info->item.pszText) Text = FromWide(Info->item.pszText), HasText = true;
        }
        if (!Item || !HasText) return;  // cancelled
        if (OnEdited) OnEdited(this, Item, Text);
        if (FItems->IndexOf(Item) >= 0) Item->SetCaption(Text);
        return;
    }
    if (Code == LVN_BEGINDRAG) {
        // The window saw the mouse leave the press point with the button
        // down on an item: the drag starts here.
        if (FDragMode == dmAutomatic && !ComponentState().Contains(csDesigning)) BeginDrag(true);
        return;
    }
    if (Code == LVN_ITEMCHANGED) {
        const auto* Info = reinterpret_cast<const NMLISTVIEW*>(Message.LParam);
        if ((Info->uChanged & LVIF_STATE) && ((Info->uNewState ^ Info->uOldState) & LVIS_SELECTED) && OnChange)
            OnChange(this);
        return;
    }
    TWinControl::WndProc(Message);
}

// A press selects as usual; the window's own drag detection starts the
// drag (LVN_BEGINDRAG).
bool TListView::BeginAutoDrag() { return false; }

void TListView::WndProc(TMessage& Message) {
    if (Message.Msg == CN_NOTIFY) {
        CNNotify(Message);
        return;
    }
    if (Message.Msg == WM_GETDLGCODE) {
        // Arrows and the editing keys stay with the list.
        TWinControl::WndProc(Message);
        Message.Result |= DLGC_WANTARROWS;
        return;
    }
    TWinControl::WndProc(Message);
}

QRN_PUBLISHED(TListView) {
    B.Prop("Columns", &TListView::Columns, &TListView::SetColumns);
    B.Prop("HideSelection", &TListView::HideSelection, &TListView::SetHideSelection).Default(true);
    B.Prop("Items", &TListView::Items);
    B.Prop("MultiSelect", &TListView::MultiSelect, &TListView::SetMultiSelect).Default(false);
    B.Prop("ReadOnly", &TListView::ReadOnly, &TListView::SetReadOnly).Default(false);
    B.Prop("SmallImages", &TListView::SmallImages, &TListView::SetSmallImages);
    B.Prop("ViewStyle", &TListView::ViewStyle, &TListView::SetViewStyle).Default(vsIcon);
    B.Event("OnChange", &TListView::OnChange);
    B.Event("OnEditing", &TListView::OnEditing);
    B.Event("OnEdited", &TListView::OnEdited);
}
