#include "wizards/dos/win/StepPages.h"

#include <algorithm>

#include "framework/forms/Forms.h"
#include "framework/rtl/StrUtils.h"

namespace {

// Room the panel keeps below the pages for its buttons, and their places.
constexpr int ButtonStrip = 33;
constexpr int ButtonsAboveBottom = 29;
constexpr int ButtonWidth = 75;
constexpr int ButtonHeight = 25;
constexpr int MinPanelWidth = 360;
constexpr int MinPanelHeight = 160;

// Tabs are for choosing a page while designing; at run time only the
// buttons move between pages.
class TStepPageControl : public TPageControl {
    QRN_CLASS(TStepPageControl, TPageControl)
public:
    explicit TStepPageControl(TComponent* AOwner) : TPageControl(AOwner) {}

protected:
    std::vector<std::string> TabTexts() override {
        if (Designing()) return TPageControl::TabTexts();
        return {};
    }
    int WantedTabIndex() override { return Designing() ? TPageControl::WantedTabIndex() : -1; }

private:
    bool Designing() const { return ComponentState().Contains(csDesigning); }
};

}  // namespace

QRN_PUBLISHED(TStepPageControl) {}

// ---- TxdkStepTab

void TxdkStepTab::SetParentComponent(TComponent* Value) {
    if (auto* Steps = dynamic_cast<TxdkSteps*>(Value)) SetPageControl(Steps->PageControl());
    else TTabSheet::SetParentComponent(Value);
}

QRN_PUBLISHED(TxdkStepTab) {
    B.Event("OnBack", &TxdkStepTab::OnBack);
    B.Event("OnNext", &TxdkStepTab::OnNext);
}

// ---- TxdkSteps

TxdkSteps::TxdkSteps(TComponent* AOwner) : TPanel(AOwner) {
    SetAlign(alClient);
    SetBevelOuter(bvNone);
    FPages = new TStepPageControl(this);
    FPages->SetParent(this);
    FPages->SetTabPosition(tpBottom);
    FPages->SetAlign(alTop);
    auto MakeButton = [this](const char* Caption) {
        auto* B = new TButton(this);
        B->SetParent(this);
        B->SetCaption(Caption);
        return B;
    };
    FAbout = MakeButton("About");
    FBack = MakeButton("< Back");
    FNext = MakeButton("Next >");
    FNext->SetDefault(true);
    FCancel = MakeButton("Cancel");
    FAbout->OnClick = [this](TObject* Sender) {
        if (OnAbout) OnAbout(Sender);
    };
    FCancel->OnClick = [this](TObject* Sender) {
        if (OnCancel) OnCancel(Sender);
    };
    FBack->OnClick = [this](TObject*) { Back(); };
    FNext->OnClick = [this](TObject*) { Next(); };
    LayoutSteps();
}

void TxdkSteps::BeforeDestruction() {
    // While the buttons and the form are still whole.
    if (FNext) ShowNextAsFinish(false);
    if (FCaptionTaken && !ComponentState().Contains(csDesigning))
        if (TCustomForm* Form = GetParentForm(this)) Form->SetCaption(FFormCaption);
    FCaptionTaken = false;
    TPanel::BeforeDestruction();
}

void TxdkSteps::Loaded() {
    TPanel::Loaded();
    LayoutSteps();
    const bool Designing = ComponentState().Contains(csDesigning);
    TCustomForm* Form = GetParentForm(this);
    if (!Designing && Form) {
        FFormCaption = Form->Caption();
        FCaptionTaken = true;
    }
    FPages->SetActivePageIndex(0);
    if (!Designing && Form) Form->SetCaption(FFormCaption + " : Step 1 of " + IntToStr(FPages->PageCount()));
    FBack->Hide();
    ShowNextAsFinish(FPages->PageCount() <= 1);
}

void TxdkSteps::Resize() {
    LayoutSteps();
    TPanel::Resize();
}

void TxdkSteps::GetChildren(TGetChildProc Proc, TComponent* Root) {
    // Pages first, so that they exist before anything that refers to them.
    for (int I = 0; I < FPages->PageCount(); ++I)
        if (FPages->Pages(I)->Owner() == Root) Proc(FPages->Pages(I));
    TPanel::GetChildren(Proc, Root);
}

void TxdkSteps::LayoutSteps() {
    if (FLayingOut || !FPages || !FCancel) return;
    FLayingOut = true;
    struct TDone {
        bool& Flag;
        ~TDone() { Flag = false; }
    } Done{FLayingOut};
    if (FWidth < MinPanelWidth || FHeight < MinPanelHeight) {
        if (FParent && FAlign == alClient)
            FParent->SetClientSize(std::max(FParent->ClientWidth(), MinPanelWidth),
                                   std::max(FParent->ClientHeight(), MinPanelHeight));
        if (FWidth < MinPanelWidth || FHeight < MinPanelHeight)
            SetBounds(FLeft, FTop, std::max(FWidth, MinPanelWidth), std::max(FHeight, MinPanelHeight));
    }
    const int W = FWidth;
    const int Top = FHeight - ButtonsAboveBottom;
    FPages->SetBounds(0, 0, W, FHeight - ButtonStrip);
    FAbout->SetBounds(4, Top, ButtonWidth, ButtonHeight);
    FBack->SetBounds(W - 239, Top, ButtonWidth, ButtonHeight);
    FNext->SetBounds(W - 164, Top, ButtonWidth, ButtonHeight);
    FCancel->SetBounds(W - 79, Top, ButtonWidth, ButtonHeight);
}

void TxdkSteps::ShowNextAsFinish(bool Finish) {
    FNext->SetCaption(Finish ? "Finish" : "Next >");
    FNext->Font()->SetStyle(Finish ? TFontStyles{fsBold} : TFontStyles{});
}

void TxdkSteps::ShowStepInCaption() {
    if (!FCaptionTaken || ComponentState().Contains(csDesigning)) return;
    if (TCustomForm* Form = GetParentForm(this))
        Form->SetCaption(FFormCaption + " : Step " + IntToStr(FPages->ActivePageIndex() + 1) + " of " +
                         IntToStr(FPages->PageCount()));
}

void TxdkSteps::Back() {
    const int Index = FPages->ActivePageIndex();
    if (Index <= 0) return;
    if (auto* Page = dynamic_cast<TxdkStepTab*>(FPages->ActivePage()); Page && Page->OnBack) Page->OnBack(Page);
    if (Index == 1) FBack->Hide();
    if (Index == FPages->PageCount() - 1) ShowNextAsFinish(false);
    FPages->SetActivePageIndex(Index - 1);
    ShowStepInCaption();
}

void TxdkSteps::Next() {
    const int Count = FPages->PageCount();
    const int Index = FPages->ActivePageIndex();
    if (Count == 0 || Index >= Count - 1) {
        if (OnFinish) OnFinish(this);
        return;
    }
    if (auto* Page = dynamic_cast<TxdkStepTab*>(FPages->ActivePage()); Page && Page->OnNext) Page->OnNext(Page);
    if (Index == 0) FBack->Show();
    FPages->SetActivePageIndex(Index + 1);
    if (Index + 1 == Count - 1) ShowNextAsFinish(true);
    ShowStepInCaption();
}

QRN_PUBLISHED(TxdkSteps) {
    B.Event("OnAbout", &TxdkSteps::OnAbout);
    B.Event("OnFinish", &TxdkSteps::OnFinish);
    B.Event("OnCancel", &TxdkSteps::OnCancel);
}
