#pragma once
// The step panel: a page control whose tabs show only while designing,
// with About, Back, Next/Finish and Cancel buttons below it. Next and Back
// walk through the pages and keep the form's caption at
// "<caption> : Step n of m"; Next on the last page fires OnFinish.
#include <string>

#include "framework/comctrls/ComCtrls.h"
#include "framework/stdctrls/StdCtrls.h"

class TxdkSteps;

// A page of the step panel. Read inside a step panel, it attaches itself
// to the panel's page control.
class TxdkStepTab : public TTabSheet {
    QRN_CLASS(TxdkStepTab, TTabSheet)
public:
    explicit TxdkStepTab(TComponent* AOwner) : TTabSheet(AOwner) {}
    void SetParentComponent(TComponent* Value) override;

    // Fired when the page is left by Back or by Next.
    TNotifyEvent OnBack;
    TNotifyEvent OnNext;
};

class TxdkSteps : public TPanel {
    QRN_CLASS(TxdkSteps, TPanel)
public:
    explicit TxdkSteps(TComponent* AOwner);
    void BeforeDestruction() override;

    TPageControl* PageControl() const { return FPages; }
    TButton* AboutButton() const { return FAbout; }
    TButton* BackButton() const { return FBack; }
    TButton* NextButton() const { return FNext; }
    TButton* CancelButton() const { return FCancel; }

    // The previous page (not on the first), telling the page it is left.
    virtual void Back();
    // The next page, telling the page it is left; on the last page (or
    // with no pages) OnFinish instead.
    virtual void Next();

    TNotifyEvent OnAbout;
    TNotifyEvent OnFinish;
    TNotifyEvent OnCancel;

protected:
    void Loaded() override;
    void Resize() override;
    void GetChildren(TGetChildProc Proc, TComponent* Root) override;

private:
    void LayoutSteps();
    void ShowNextAsFinish(bool Finish);
    void ShowStepInCaption();
    TPageControl* FPages = nullptr;
    TButton* FAbout = nullptr;
    TButton* FBack = nullptr;
    TButton* FNext = nullptr;
    TButton* FCancel = nullptr;
    std::string FFormCaption;  // the form's caption before the panel changed it
    bool FCaptionTaken = false;
    bool FLayingOut = false;
};
