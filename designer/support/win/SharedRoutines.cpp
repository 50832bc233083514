#include "designer/support/win/SharedRoutines.h"

#include <algorithm>

#include "framework/classes/DataModule.h"
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

void SetComponentDesigning(TComponent* Component, bool Value) {
    if (Component) Component->SetDesigning(Value);
}

void RecreateOwnedWindows(TComponent* Owner) {
    if (!Owner) return;
    for (int I = 0; I < Owner->ComponentCount(); ++I)
        if (auto* W = dynamic_cast<TWinControl*>(Owner->Components(I));
            W && W->HandleAllocated() && (!W->Visible() || !W->Enabled()))
            W->RecreateWnd();
}

int CheckBoxGlyphHeight() {
    static int Height = -1;
    if (Height < 0) {
        Height = 0;
        // OBM_CHECKBOXES: four columns, three rows of check-box images.
        if (HBITMAP Bmp = LoadBitmapA(nullptr, MAKEINTRESOURCEA(32759))) {
            BITMAP Info{};
            GetObjectA(Bmp, sizeof Info, &Info);
            Height = Info.bmHeight / 3;
            DeleteObject(Bmp);
        }
    }
    return Height;
}

namespace {
// The data module, or else the form, a component belongs to.
TComponent* DesignRootOf(TComponent* C) {
    for (TComponent* P = C; P; P = P->Owner())
        if (dynamic_cast<TDataModule*>(P)) return P;
    for (TComponent* P = C; P; P = P->Owner())
        if (dynamic_cast<TCustomForm*>(P)) return P;
    return nullptr;
}

void AddReferencedRoots(TComponent* Root, TObject* Instance, std::vector<TComponent*>& List) {
    for (const TPropInfo* P : Instance->ClassType()->Properties()) {
        if (P->Kind() != tkClass) continue;
        auto* Target = dynamic_cast<TComponent*>(GetObjectProp(Instance, P));
        if (!Target) continue;
        TComponent* Module = DesignRootOf(Target);
        if (Module && Module != Root && std::find(List.begin(), List.end(), Module) == List.end())
            List.push_back(Module);
    }
}
}  // namespace

void GetUsedModules(TComponent* Root, std::vector<TComponent*>& List) {
    List.clear();
    if (!Root) return;
    AddReferencedRoots(Root, Root, List);
    for (int I = 0; I < Root->ComponentCount(); ++I) AddReferencedRoots(Root, Root->Components(I), List);
}

void StretchBlitTransparent(TCanvas* Canvas, TBitmap* Source, TColor BackColor, const TRect& Rect) {
    if (!Canvas || !Source || Source->Empty()) return;
    TBitmap Temp;
    Temp.SetSize(Rect.Width(), Rect.Height());
    Temp.Canvas()->Brush()->SetColor(BackColor);
    Temp.Canvas()->FillRect({0, 0, Rect.Width(), Rect.Height()});
    const TColor Key = Source->Canvas()->Pixel(0, 0);
    Temp.Canvas()->BrushCopy({0, 0, Rect.Width(), Rect.Height()}, Source, {0, 0, Source->Width(), Source->Height()},
                             Key);
    Canvas->Draw(Rect.Left, Rect.Top, &Temp);
}

void DrawTransparentGlyph(TCanvas* Canvas, TCustomImageList* Images, TColor BackColor, int ImageIndex,
                          const TRect& Rect) {
    if (!Canvas || !Images || ImageIndex < 0 || ImageIndex >= Images->Count()) return;
    TBitmap Temp;
    Temp.SetSize(Rect.Width(), Rect.Height());
    Temp.Canvas()->Brush()->SetColor(BackColor);
    Temp.Canvas()->FillRect({0, 0, Rect.Width(), Rect.Height()});
    Images->Draw(Temp.Canvas(), 0, 0, ImageIndex);
    Canvas->Draw(Rect.Left, Rect.Top, &Temp);
}
