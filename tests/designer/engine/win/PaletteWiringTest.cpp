// The designer's parts together, driven with the real mouse: a class picked
// on the component palette is inserted where the form is clicked, Ctrl+Z
// takes it back, and the alignment palette aligns two buttons.
#include <gtest/gtest.h>

#include <memory>

#include "designer/engine/win/AlignPalette.h"
#include "designer/engine/win/FormDesignerUnit.h"
#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/support/win/CompPalForm.h"
#include "designer/support/win/CompPalette.h"
#include "designer/support/win/DesignLibrary.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/design/DesignRegistration.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/win/KeyInput.h"
#include "tests/common/win/MouseInput.h"
#include "tests/common/win/ProgramFolder.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {
// The engine's units for one test, ended on every path.
struct TEngineUnits {
    TEngineUnits() {
        StartFormDesignerUnit();
        StartAlignPalette();
    }
    ~TEngineUnits() {
        EndAlignPalette();
        EndFormDesignerUnit();
    }
};

TPaletteButton* PaletteButton(TZelCompPalette* Palette, const std::string& Name) {
    for (int I = 0; I < Palette->ComponentCount(); ++I)
        if (auto* B = dynamic_cast<TPaletteButton*>(Palette->Components(I)); B && B->NameText == Name) return B;
    return nullptr;
}
}  // namespace

TEST(PaletteWiring, APickedClassIsInsertedByAClickUndoneByCtrlZAndTheAlignPaletteAligns) {
    TDesignerScratchKey Key;
    TDesignLibrarySession Session;
    TEngineUnits Units;
    RegisterStdCtrls();
    RegisterComponents("Standard", {TButton::StaticClass(), TEdit::StaticClass()});

    TCompPalFrm* PaletteForm = ComponentPaletteForm();
    PaletteForm->SetBounds(40, 400, 420, 90);
    PaletteForm->Show();
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    Form->SetName("Form1");
    Form->SetBorderStyle(bsNone);
    Form->SetBounds(40, 40, 480, 320);
    TZelFormDesigner Designer;
    Designer.SetForm(Form.get());
    Designer.SetActive(true);
    Form->Show();
    SetForegroundWindow(Form->Handle());
    Pump();
    TPaletteButton* ButtonClass = PaletteButton(GetComponentPalette(), "Button");
    ASSERT_NE(ButtonClass, nullptr);
    // Filled before the window had its width, laid out again with it: one row.
    EXPECT_EQ(ButtonClass->Top(), 0);
    EXPECT_EQ(PaletteButton(GetComponentPalette(), "Edit")->Top(), 0);

    auto Insert = [&](int X, int Y) {
        Click(At(ButtonClass, 12, 12));
        EXPECT_EQ(SelectedPaletteClass, "TButton");
        Click(At(Form.get(), X, Y));
    };
    Insert(100, 100);
    auto* Inserted = dynamic_cast<TButton*>(Form->FindComponent("Button1"));
    ASSERT_NE(Inserted, nullptr);
    EXPECT_EQ(Inserted->Parent(), Form.get());
    EXPECT_EQ(Inserted->BoundsRect().TopLeft(), Point(96, 96));  // on the grid
    EXPECT_EQ(SelectedPaletteClass, "");  // the palette is back on its arrow
    PressKey(Form->Handle(), 'Z', kmCtrl);
    EXPECT_EQ(Form->FindComponent("Button1"), nullptr);

    Insert(40, 150);
    Insert(200, 220);
    auto* First = dynamic_cast<TButton*>(Form->FindComponent("Button1"));
    auto* Second = dynamic_cast<TButton*>(Form->FindComponent("Button2"));
    ASSERT_TRUE(First && Second);
    Click(At(First, 5, 5));
    ClickWith(At(Second, 5, 5), MK_SHIFT);
    ASSERT_EQ(Designer.GetSelection().size(), 2u);
    ShowAlignmentPalette();
    TAlignForm* Align = AlignmentPaletteInstance();
    Align->SetBounds(560, 40, Align->Width(), Align->Height());
    Pump();
    Click(At(Align->LeftEdges, 8, 8));
    EXPECT_EQ(Second->Left(), First->Left());
    EXPECT_NE(Second->Top(), First->Top());

    Form->Repaint();
    Pump();
    const std::string File = TestProgramFolder() + "PaletteWiring.png";
    CaptureWindowToFile(GetDesktopWindow(), File);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);
    Designer.SetActive(false);
}
