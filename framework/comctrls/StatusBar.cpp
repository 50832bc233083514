// The status bar: a row of panels, or one simple text across the bar.
#include "framework/comctrls/ComCtrls.h"
#include "framework/rtl/win/WinApi.h"

#include <commctrl.h>

// Joins the collection only once its own fields are set: the collection
// looks at its items as soon as one is added.
TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(nullptr) { SetCollection(Collection); }

void TStatusPanel::SetText(const std::string& Value) {
    if (FText == Value) return;
    FText = Value;
    Changed(false);
}

void TStatusPanel::SetWidth(int Value) {
    if (FWidth == Value) return;
    FWidth = Value;
    Changed(true);
}

std::string TStatusPanel::GetDisplayName() const { return FText.empty() ? TCollectionItem::GetDisplayName() : FText; }

void TStatusPanel::Assign(TPersistent* Source) {
    if (auto* S = dynamic_cast<TStatusPanel*>(Source)) {
        FText = S->FText;
        FWidth = S->FWidth;
        Changed(true);
        return;
    }
    TCollectionItem::Assign(Source);
}

QRN_PUBLISHED(TStatusPanel) {
    B.Prop("Text", &TStatusPanel::Text, &TStatusPanel::SetText);
    B.Prop("Width", &TStatusPanel::Width, &TStatusPanel::SetWidth).Default(50);
}

TStatusPanels::TStatusPanels(TStatusBar* AOwner)
    : TOwnedCollection(AOwner, TStatusPanel::StaticClass()), FOwner(AOwner) {}

// A panel's new text redraws that panel only (the caret's row and column
// change with every key); anything else lays out the whole bar again.
void TStatusPanels::Update(TCollectionItem* Item) {
    if (!Item) {
        FOwner->UpdatePanels();
    } else if (FOwner->FHandle && !FOwner->FSimplePanel) {
        SendMessageA(FOwner->FHandle, SB_SETTEXTA, static_cast<WPARAM>(Item->Index()),
                     reinterpret_cast<LPARAM>(static_cast<TStatusPanel*>(Item)->Text().c_str()));
    }
}

QRN_PUBLISHED(TStatusPanels) {}

TStatusBar::TStatusBar(TComponent* AOwner) : TWinControl(AOwner), FPanels(std::make_unique<TStatusPanels>(this)) {
    InitComCtrls();
    FColor = clBtnFace;
    SetBounds(FLeft, FTop, 200, 19);
    SetAlign(alBottom);
}

TStatusBar::~TStatusBar() = default;

void TStatusBar::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, STATUSCLASSNAMEA);
    // The framework aligns the bar; the window must not move itself.
    Params.Style |= CCS_NOPARENTALIGN | CCS_NORESIZE | CCS_NODIVIDER;
    Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

void TStatusBar::CreateWnd() {
    TWinControl::CreateWnd();
    UpdatePanels();
}

void TStatusBar::SetSimplePanel(bool Value) {
    if (FSimplePanel == Value) return;
    FSimplePanel = Value;
    UpdatePanels();
}

void TStatusBar::SetSimpleText(const std::string& Value) {
    FSimpleText = Value;
    if (FHandle && FSimplePanel)
        SendMessageA(FHandle, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
}

void TStatusBar::UpdatePanels() {
    if (!FHandle) return;
    SendMessageA(FHandle, SB_SIMPLE, FSimplePanel ? TRUE : FALSE, 0);
    if (FSimplePanel) {
        SendMessageA(FHandle, SB_SETTEXTA, SB_SIMPLEID, reinterpret_cast<LPARAM>(FSimpleText.c_str()));
        return;
    }
    const int N = FPanels->Count();
    std::vector<int> Rights(static_cast<size_t>(std::max(N, 1)), -1);
    int X = 0;
    for (int I = 0; I < N; ++I) {
        X += FPanels->Items(I)->Width();
        Rights[static_cast<size_t>(I)] = X;
    }
    SendMessageA(FHandle, SB_SETPARTS, Rights.size(), reinterpret_cast<LPARAM>(Rights.data()));
    for (int I = 0; I < N; ++I)
        SendMessageA(FHandle, SB_SETTEXTA, I, reinterpret_cast<LPARAM>(FPanels->Items(I)->Text().c_str()));
}

void TStatusBar::SetPanelTextLater(int Index, const std::string& Text) {
    FPaintLater = true;
    struct TReset {
        bool& Flag;
        ~TReset() { Flag = false; }
    } Reset{FPaintLater};
    FPanels->Items(Index)->SetText(Text);
}

void TStatusBar::WndProc(TMessage& Message) {
    // The window sends itself WM_PAINT as it takes a new text (UpdateWindow).
    // Left unpainted, the panel stays invalid and the loop's WM_PAINT paints
    // it once no input waits.
    if (Message.Msg == WM_PAINT && FPaintLater && !Message.WParam) {
        Message.Result = 0;
        return;
    }
    TWinControl::WndProc(Message);
}

std::string TStatusBar::WindowText(int Part) {
    if (!HandleAllocated()) return {};
    // In simple mode the window reads its one text back as part 0.
    if ((Part < 0) != FSimplePanel) return {};
    const WPARAM Id = Part < 0 ? 0 : static_cast<WPARAM>(Part);
    const size_t Len = LOWORD(SendMessageA(FHandle, SB_GETTEXTLENGTHA, Id, 0));
    std::string S(Len + 1, '\0');
    SendMessageA(FHandle, SB_GETTEXTA, Id, reinterpret_cast<LPARAM>(S.data()));
    S.resize(strlen(S.c_str()));
    return S;
}

QRN_PUBLISHED(TStatusBar) {
    B.Prop("Panels", &TStatusBar::Panels, &TStatusBar::SetPanels);
    B.Prop("SimplePanel", &TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel).Default(false);
    B.Prop("SimpleText", &TStatusBar::SimpleText, &TStatusBar::SetSimpleText);
}
