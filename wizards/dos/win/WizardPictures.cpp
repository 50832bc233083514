#include "wizards/dos/win/WizardPictures.h"

#include "framework/graphics/Bitmap.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/win/WinApi.h"

void PaintStepPicture(TBitmap* Bitmap, int Step) {
    Bitmap->SetSize(StepPictureWidth, StepPictureHeight);
    TCanvas* C = Bitmap->Canvas();
    // A dark blue to teal fade, as on the screens of the DOS era.
    for (int Y = 0; Y < StepPictureHeight; ++Y) {
        const int T = Y * 255 / (StepPictureHeight - 1);
        C->Brush()->SetColor(static_cast<TColor>(RGB(0, T / 2, 96 + T / 3)));
        C->FillRect(Rect(0, Y, StepPictureWidth, Y + 1));
    }
    // A monitor with a prompt, and the step number under it.
    C->Brush()->SetColor(clSilver);
    C->Pen()->SetColor(clBlack);
    C->Rectangle(20, 40, 107, 108);
    C->Brush()->SetColor(clBlack);
    C->Rectangle(28, 48, 99, 96);
    C->Brush()->SetColor(clSilver);
    C->Rectangle(44, 108, 83, 116);
    C->Brush()->SetStyle(bsClear);
    C->Font()->SetName("Courier New");
    C->Font()->SetColor(clLime);
    C->Font()->SetSize(9);
    C->TextOut(32, 52, "C:\\>_");
    C->Font()->SetName("Arial");
    C->Font()->SetColor(clWhite);
    C->Font()->SetSize(28);
    C->Font()->SetStyle(TFontStyles{fsBold});
    const std::string Number = IntToStr(Step);
    C->TextOut((StepPictureWidth - C->TextWidth(Number)) / 2, 140, Number);
    C->Font()->SetSize(10);
    C->Font()->SetStyle(TFontStyles{});
    const std::string Label = "of 3";
    C->TextOut((StepPictureWidth - C->TextWidth(Label)) / 2, 190, Label);
}
