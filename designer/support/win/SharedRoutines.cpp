#include "designer/support/win/SharedRoutines.h"

#include "framework/stdctrls/ExtCtrls.h"

bool UseMainFormFont = true;
bool ToolWindowsStayOnTop = false;

void DisableControlRedraw(TControl* Control) {
    if (auto* W = dynamic_cast<TWinControl*>(Control); W && W->HandleAllocated())
        SendMessageA(W->Handle(), WM_SETREDRAW, FALSE, 0);
}

void EnableControlRedraw(TControl* Control) {
    if (auto* W = dynamic_cast<TWinControl*>(Control); W && W->HandleAllocated()) {
        SendMessageA(W->Handle(), WM_SETREDRAW, TRUE, 0);
        W->Invalidate();
    }
}

void ShowFormWithCommand(TCustomForm* Form, int ShowCmd) {
    if (!Form) return;
    const bool Designing = Form->ComponentState().Contains(csDesigning);
    const bool WasVisible = Form->Visible();
    Form->Show();
    ShowWindow(Form->Handle(), ShowCmd);
    if (Designing) Form->SetVisible(WasVisible);
}

void SetSpeedButtonsFlat(const std::vector<TSpeedButton*>& Buttons, bool Flat) {
    for (TSpeedButton* B : Buttons)
        if (B) B->SetFlat(Flat);
}

void SetOwnedSpeedButtonsFlat(TComponent* Owner, bool Flat) {
    if (!Owner) return;
    for (int I = 0; I < Owner->ComponentCount(); ++I)
        if (auto* B = dynamic_cast<TSpeedButton*>(Owner->Components(I))) B->SetFlat(Flat);
}

void ApplyMainFormFont(TCustomForm* Form) {
    if (!Form || !UseMainFormFont || !Application || !Application->MainForm()) return;
    Form->Font()->Assign(Application->MainForm()->Font());
}

TFormStyle ToolWindowFormStyle() { return ToolWindowsStayOnTop ? fsStayOnTop : fsNormal; }

TWinControl* FindControlOfWindow(HWND Handle) { return FindVCLWindow(Handle); }
