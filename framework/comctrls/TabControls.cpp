// The tab strip, the tab control (a strip of texts) and the page control
// (a strip whose tabs show and hide the sheets inside it).
#include <algorithm>

#include "framework/comctrls/ComCtrls.h"
#include "framework/rtl/win/WinApi.h"

#include <commctrl.h>

// ---- TCustomTabControl ----

TCustomTabControl::TCustomTabControl(TComponent* AOwner) : TWinControl(AOwner) {
    InitComCtrls();
    FControlStyle.Include(csAcceptsControls);
    SetBounds(FLeft, FTop, 289, 193);
    FTabStop = true;
}

void TCustomTabControl::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, WC_TABCONTROLA);
    Params.Style |= WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (FTabPosition == tpBottom) Params.Style |= TCS_BOTTOM;
    if (FMultiLine) Params.Style |= TCS_MULTILINE;
    Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TCustomTabControl::SetTabPosition(TTabPosition Value) {
    if (FTabPosition == Value) return;
    FTabPosition = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomTabControl::SetMultiLine(bool Value) {
    if (FMultiLine == Value) return;
    FMultiLine = Value;
    if (HandleAllocated()) RecreateWnd();
}

TRect TCustomTabControl::DisplayRect() {
    TRect R = ClientRect();
    AdjustClientRect(R);
    return R;
}

void TCustomTabControl::AdjustClientRect(TRect& Rect) {
    if (!HandleAllocated()) return;
    RECT R{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
    SendMessageA(FHandle, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&R));
    Rect = TRect{R.left, R.top, R.right, R.bottom};
}

bool TCustomTabControl::CanChange() {
    bool Allow = true;
    if (OnChanging) OnChanging(this, Allow);
    return Allow;
}

void TCustomTabControl::Change() {
    if (OnChange) OnChange(this);
}

void TCustomTabControl::RebuildTabs() {
    if (!HandleAllocated()) return;
    SendMessageA(FHandle, TCM_DELETEALLITEMS, 0, 0);
    std::vector<std::string> Texts = TabTexts();
    for (size_t I = 0; I < Texts.size(); ++I) {
        TCITEMA Item{};
        Item.mask = TCIF_TEXT;
        Item.pszText = const_cast<char*>(Texts[I].c_str());
        SendMessageA(FHandle, TCM_INSERTITEMA, I, reinterpret_cast<LPARAM>(&Item));
    }
    SendMessageA(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(WantedTabIndex()), 0);
}

int TCustomTabControl::WindowTabIndex() {
    return HandleAllocated() ? static_cast<int>(SendMessageA(FHandle, TCM_GETCURSEL, 0, 0)) : -1;
}

void TCustomTabControl::WndProc(TMessage& Message) {
    if (Message.Msg == CN_NOTIFY) {
        const auto* Hdr = reinterpret_cast<const NMHDR*>(Message.LParam);
        if (Hdr->code == static_cast<UINT>(TCN_SELCHANGING)) {
            Message.Result = CanChange() ? FALSE : TRUE;  // TRUE keeps the tab
            return;
        }
        if (Hdr->code == static_cast<UINT>(TCN_SELCHANGE)) {
            Change();
            return;
        }
    }
    TWinControl::WndProc(Message);
}

QRN_PUBLISHED(TCustomTabControl) {}

// ---- TTabControl ----

TTabControl::TTabControl(TComponent* AOwner) : TCustomTabControl(AOwner), FTabs(std::make_unique<TStringList>()) {
    FTabs->OnChange = [this](TObject* Sender) { TabsChanged(Sender); };
}

TTabControl::~TTabControl() { FTabs->OnChange = nullptr; }

void TTabControl::TabsChanged(TObject*) {
    if (FTabIndex >= FTabs->Count()) FTabIndex = FTabs->Count() - 1;
    RebuildTabs();
}

std::vector<std::string> TTabControl::TabTexts() {
    std::vector<std::string> R;
    for (int I = 0; I < FTabs->Count(); ++I) R.push_back(FTabs->Strings(I));
    return R;
}

void TTabControl::CreateWnd() {
    TCustomTabControl::CreateWnd();
    RebuildTabs();
}

int TTabControl::TabIndex() {
    if (HandleAllocated()) FTabIndex = WindowTabIndex();
    return FTabIndex;
}

void TTabControl::SetTabIndex(int Value) {
    if (Value < -1 || Value >= FTabs->Count()) Value = -1;
    FTabIndex = Value;
    if (HandleAllocated()) SendMessageA(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(Value), 0);
}

void TTabControl::Change() {
    FTabIndex = WindowTabIndex();
    TCustomTabControl::Change();
}

QRN_PUBLISHED(TTabControl) {
    B.Prop("MultiLine", &TTabControl::MultiLine, &TTabControl::SetMultiLine).Default(false);
    B.Prop("TabPosition", &TTabControl::TabPosition, &TTabControl::SetTabPosition).Default(tpTop);
    B.Prop("Tabs", &TTabControl::Tabs, &TTabControl::SetTabs);
    B.Prop("TabIndex", &TTabControl::TabIndex, &TTabControl::SetTabIndex).Default(-1);
    B.Event("OnChange", &TTabControl::OnChange);
    B.Event("OnChanging", &TTabControl::OnChanging);
}

// ---- TPageControl ----

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

TPageControl::~TPageControl() {
    for (TTabSheet* P : FPages) P->FPageControl = nullptr;
}

std::vector<std::string> TPageControl::TabTexts() {
    std::vector<std::string> R;
    for (TTabSheet* P : FPages)
        if (P->FTabVisible) R.push_back(P->Caption());
    return R;
}

int TPageControl::WantedTabIndex() { return FActivePage ? FActivePage->TabIndex() : -1; }

void TPageControl::CreateWnd() {
    TCustomTabControl::CreateWnd();
    RebuildTabs();
}

void TPageControl::ShowingChanged() {
    TCustomTabControl::ShowingChanged();
    LayoutSheets();
}

void TPageControl::Loaded() {
    TCustomTabControl::Loaded();
    PagesChanged();
}

void TPageControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
    TCustomTabControl::SetBounds(ALeft, ATop, AWidth, AHeight);
    LayoutSheets();
}

void TPageControl::ShowControl(TControl* AControl) {
    auto* Sheet = dynamic_cast<TTabSheet*>(AControl);
    if (Sheet && Sheet->PageControl() == this) SetActivePage(Sheet);
    TCustomTabControl::ShowControl(AControl);
}

void TPageControl::LayoutSheets() {
    if (!HandleAllocated()) {
        for (TTabSheet* P : FPages) P->SetVisible(P == FActivePage);
        return;
    }
    const TRect R = DisplayRect();
    for (TTabSheet* P : FPages) {
        P->SetBounds(R.Left, R.Top, R.Width(), R.Height());
        P->SetVisible(P == FActivePage);
    }
    if (FActivePage) FActivePage->BringToFront();
}

void TPageControl::PagesChanged() {
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csDestroying)) return;
    RebuildTabs();
    LayoutSheets();
}

void TPageControl::InsertPage(TTabSheet* Page) {
    FPages.push_back(Page);
    Page->FPageControl = this;
    if (!FActivePage && Page->FTabVisible) FActivePage = Page;
    PagesChanged();
}

void TPageControl::RemovePage(TTabSheet* Page) {
    auto It = std::find(FPages.begin(), FPages.end(), Page);
    if (It == FPages.end()) return;
    const size_t Pos = static_cast<size_t>(It - FPages.begin());
    FPages.erase(It);
    Page->FPageControl = nullptr;
    if (FActivePage == Page) {
        FActivePage = nullptr;
        // The next visible sheet takes over, else the one before.
        for (size_t I = Pos; I < FPages.size() && !FActivePage; ++I)
            if (FPages[I]->FTabVisible) FActivePage = FPages[I];
        for (size_t I = Pos; I > 0 && !FActivePage; --I)
            if (FPages[I - 1]->FTabVisible) FActivePage = FPages[I - 1];
    }
    PagesChanged();
}

void TPageControl::MovePage(TTabSheet* Page, int NewIndex) {
    auto It = std::find(FPages.begin(), FPages.end(), Page);
    if (It == FPages.end()) return;
    FPages.erase(It);
    NewIndex = std::clamp(NewIndex, 0, static_cast<int>(FPages.size()));
    FPages.insert(FPages.begin() + NewIndex, Page);
    PagesChanged();
}

void TPageControl::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomTabControl::Notification(AComponent, Operation);
    if (Operation == opRemove)
        if (auto* P = dynamic_cast<TTabSheet*>(AComponent)) RemovePage(P);
}

void TPageControl::GetChildren(TGetChildProc Proc, TComponent* Root) {
    // Sheets in page order, then anything else placed on the control.
    for (TTabSheet* P : FPages)
        if (P->Owner() == Root) Proc(P);
    for (TControl* C : FControls)
        if (!dynamic_cast<TTabSheet*>(C) && C->Owner() == Root) Proc(C);
}

void TPageControl::SetActivePage(TTabSheet* Page) {
    if (Page && Page->FPageControl != this) return;
    if (Page && !Page->FTabVisible) return;
    FActivePage = Page;
    if (HandleAllocated()) SendMessageA(FHandle, TCM_SETCURSEL, static_cast<WPARAM>(WantedTabIndex()), 0);
    LayoutSheets();
}

int TPageControl::ActivePageIndex() const { return FActivePage ? FActivePage->PageIndex() : -1; }

void TPageControl::SetActivePageIndex(int Value) {
    SetActivePage(Value >= 0 && Value < PageCount() ? FPages[static_cast<size_t>(Value)] : nullptr);
}

void TPageControl::Change() {
    const int Tab = WindowTabIndex();
    for (TTabSheet* P : FPages)
        if (P->FTabVisible && P->TabIndex() == Tab) {
            FActivePage = P;
            break;
        }
    LayoutSheets();
    TCustomTabControl::Change();
}

QRN_PUBLISHED(TPageControl) {
    B.Prop("ActivePage", &TPageControl::ActivePage, &TPageControl::SetActivePage);
    B.Prop("MultiLine", &TPageControl::MultiLine, &TPageControl::SetMultiLine).Default(false);
    B.Prop("TabPosition", &TPageControl::TabPosition, &TPageControl::SetTabPosition).Default(tpTop);
    B.Event("OnChange", &TPageControl::OnChange);
    B.Event("OnChanging", &TPageControl::OnChanging);
}

// ---- TTabSheet ----

TTabSheet::TTabSheet(TComponent* AOwner) : TWinControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    FVisible = false;
    FParentColor = false;
    FColor = clBtnFace;
}

TTabSheet::~TTabSheet() {
    if (FPageControl) FPageControl->RemovePage(this);
}

void TTabSheet::SetParent(TWinControl* AParent) {
    if (AParent == FParent) return;
    if (FPageControl) FPageControl->RemovePage(this);
    TWinControl::SetParent(AParent);
    if (auto* PC = dynamic_cast<TPageControl*>(AParent)) PC->InsertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!FPageControl) return -1;
    const auto& P = FPageControl->FPages;
    return static_cast<int>(std::find(P.begin(), P.end(), this) - P.begin());
}

void TTabSheet::SetPageIndex(int Value) {
    if (FPageControl) FPageControl->MovePage(this, Value);
}

int TTabSheet::TabIndex() const {
    if (!FPageControl || !FTabVisible) return -1;
    int N = 0;
    for (TTabSheet* P : FPageControl->FPages) {
        if (P == this) return N;
        if (P->FTabVisible) ++N;
    }
    return -1;
}

void TTabSheet::SetTabVisible(bool Value) {
    if (FTabVisible == Value) return;
    FTabVisible = Value;
    if (!FPageControl) return;
    TPageControl* PC = FPageControl;
    if (!Value && PC->FActivePage == this) {
        PC->FActivePage = nullptr;
        for (TTabSheet* P : PC->FPages)
            if (P->FTabVisible) {
                PC->FActivePage = P;
                break;
            }
    }
    PC->PagesChanged();
}

void TTabSheet::SetTextInternal(const std::string& Value) {
    TWinControl::SetTextInternal(Value);
    if (FPageControl) FPageControl->PagesChanged();
}

QRN_PUBLISHED(TTabSheet) {
    B.Prop("PageIndex", &TTabSheet::PageIndex, &TTabSheet::SetPageIndex).Stored([](TObject*) { return false; });
    B.Prop("TabVisible", &TTabSheet::TabVisible, &TTabSheet::SetTabVisible).Default(true);
}
