// The align and size dialogs answered through the modal seam, and the
// alignment palette shown and hidden through the listener bus.
#include <gtest/gtest.h>

#include "designer/engine/win/AlignDialogs.h"
#include "designer/engine/win/AlignPalette.h"
#include "designer/support/win/DesignLibrary.h"
#include "framework/controls/ModalHook.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/rtl/Exceptions.h"
#include "tests/common/win/ProgramFolder.h"
#include "tests/common/win/Pump.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {
template <class TDialog>
void Answer(int Result, std::function<void(TDialog&)> Edit) {
    SetModalDialogHook([=](const TDialogRequest& R) -> std::optional<int> {
        if (auto* Form = dynamic_cast<TDialog*>(R.Form)) {
            Edit(*Form);
            return Result;
        }
        return std::nullopt;
    });
}

class AlignDialogsTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetModalDialogHook({});
        Pump();
    }
    TDesignerScratchKey Key;
};
}  // namespace

TEST_F(AlignDialogsTest, AlignmentCodesFollowTheChosenItems) {
    int H = -9, V = -9;
    Answer<TAlignmentForm>(mrOk, [](TAlignmentForm& F) {
        EXPECT_EQ(F.Caption(), "Alignment");
        F.HorizontalAlignment->SetItemIndex(3);  // Right Sides
        F.VerticalAlignment->SetItemIndex(3);    // Bottoms
    });
    EXPECT_TRUE(RunAlignmentDialog(H, V));
    EXPECT_EQ(H, acRightEdges);
    EXPECT_EQ(V, acBottoms);
    Answer<TAlignmentForm>(mrCancel, [](TAlignmentForm& F) {
        F.HorizontalAlignment->SetItemIndex(2);
        F.VerticalAlignment->SetItemIndex(2);
    });
    EXPECT_FALSE(RunAlignmentDialog(H, V));
    EXPECT_EQ(H, acCenters);
    EXPECT_EQ(V, acCenters);
}

TEST_F(AlignDialogsTest, SizeCodesAndTypedSizes) {
    int W = 0, H = 0;
    Answer<TSizeForm>(mrOk, [](TSizeForm& F) {
        F.SizeWidth->SetText("120");
        F.SizeWidthEnter(F.SizeWidth);  // entering the edit picks "Width:"
        F.SizeHeight->SetText("");
        F.VerticalSize->SetItemIndex(3);
    });
    EXPECT_TRUE(RunSizeDialog(W, H));
    EXPECT_EQ(W, 120);
    EXPECT_EQ(H, 0);

    Answer<TSizeForm>(mrOk, [](TSizeForm& F) {
        F.HorizontalSize->SetItemIndex(1);
        F.VerticalSize->SetItemIndex(2);
    });
    EXPECT_TRUE(RunSizeDialog(W, H));
    EXPECT_EQ(W, szShrink);
    EXPECT_EQ(H, szGrow);

    Answer<TSizeForm>(mrCancel, [](TSizeForm& F) { F.HorizontalSize->SetItemIndex(1); });
    EXPECT_FALSE(RunSizeDialog(W, H));
    EXPECT_EQ(W, szNoChange);
    EXPECT_EQ(H, szNoChange);
}

TEST_F(AlignDialogsTest, ANegativeOrNonNumericSizeIsAConversionError) {
    for (const char* Text : {"-5", "wide"}) {
        int W = 7, H = 7;
        Answer<TSizeForm>(mrOk, [Text](TSizeForm& F) {
            F.HorizontalSize->SetItemIndex(3);
            F.SizeWidth->SetText(Text);
        });
        EXPECT_THROW(RunSizeDialog(W, H), EConvertError) << Text;
        EXPECT_EQ(W, szNoChange);
        EXPECT_EQ(H, szNoChange);
    }
}

TEST_F(AlignDialogsTest, ThePaletteShowsAndHidesThroughTheBus) {
    TDesignLibrarySession Session;
    StartAlignPalette();
    BroadcastToListeners(nullptr, AlignPaletteShowMessage, 0, 0);
    TAlignForm* Palette = AlignmentPaletteInstance();
    ASSERT_NE(Palette, nullptr);
    EXPECT_TRUE(Palette->Visible());
    EXPECT_EQ(Palette->Caption(), "Alignment palette");
    EXPECT_TRUE(Palette->LeftEdges->Flat());
    EXPECT_EQ(Palette->Verbs->VerbList()->Count(), 10);
    TZelMessage Query{ToolWindowQueryMessage, 0, 0, 0};
    Palette->Dispatch(&Query);
    EXPECT_EQ(Query.Result, 1);
    Pump();
    const std::string File = TestProgramFolder() + "AlignmentPalette.png";
    CaptureWindowToFile(Palette->Handle(), File, false);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);

    BroadcastToListeners(nullptr, AlignPaletteHideMessage, 0, 0);
    EXPECT_FALSE(Palette->Visible());
    BroadcastToListeners(nullptr, AlignPaletteShowMessage, 1, 0);
    EXPECT_TRUE(Palette->Visible());
    Palette->SetBounds(123, 77, Palette->Width(), Palette->Height());
    EndAlignPalette();
    // The placement was stored when the palette went away, and comes back.
    StartAlignPalette();
    ShowAlignmentPalette();
    EXPECT_EQ(AlignmentPaletteInstance()->Left(), 123);
    EXPECT_EQ(AlignmentPaletteInstance()->Top(), 77);
    EndAlignPalette();
}
