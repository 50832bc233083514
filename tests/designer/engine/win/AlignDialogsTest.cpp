// The align and size dialogs answered through the modal seam, and the
// alignment palette shown and hidden through the listener bus.
#include <gtest/gtest.h>

#include "designer/engine/win/AlignDialogs.h"
#include "designer/engine/win/AlignPalette.h"
#include "designer/engine/win/res/AlignTextIds.h"
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

// The string of Id in the program's table; a missing one fails the test.
std::string TableText(unsigned Id) {
    char Buffer[256];
    const int Length = LoadStringA(FrameworkInstance(), Id, Buffer, sizeof(Buffer));
    EXPECT_GT(Length, 0) << "no string " << Id;
    return std::string(Buffer, static_cast<size_t>(std::max(Length, 0)));
}

// A form file as the module carries it.
std::string FormText(const char* ResName) {
    HMODULE M = FrameworkInstance();
    HRSRC Res = FindResourceA(M, ResName, MAKEINTRESOURCEA(10) /* RT_RCDATA */);
    if (!Res) return {};
    return std::string(static_cast<const char*>(LockResource(LoadResource(M, Res))), SizeofResource(M, Res));
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

// Every text is its own string of the table (a wrong or missing id shows),
// and the table says what the form files say.
TEST_F(AlignDialogsTest, EveryTextIsItsStringFromTheTableAndTheFormFilesText) {
    std::vector<std::pair<std::string, unsigned>> Shown;
    std::unique_ptr<TAlignmentForm, TObjectFree> Align(new TAlignmentForm(nullptr));
    std::unique_ptr<TSizeForm, TObjectFree> Size(new TSizeForm(nullptr));
    Shown.push_back({Align->Caption(), SAlignmentCaption});
    Shown.push_back({Size->Caption(), SSizeCaption});
    for (TButton* Ok : {Align->OkBut, Size->OkBut}) Shown.push_back({Ok->Caption(), SAlignOk});
    for (TButton* Cancel : {Align->CancelBut, Size->CancelBut}) Shown.push_back({Cancel->Caption(), SAlignCancel});
    for (TButton* Help : {Align->HelpBut, Size->HelpBut}) Shown.push_back({Help->Caption(), SAlignHelp});
    const struct {
        TRadioGroup* Group;
        unsigned Caption, Items, Count;
    } Groups[] = {{Align->HorizontalAlignment, SAlignHorizontalGroup, SAlignHorizontalItems, 6},
                  {Align->VerticalAlignment, SAlignVerticalGroup, SAlignVerticalItems, 6},
                  {Size->HorizontalSize, SSizeWidthGroup, SSizeWidthItems, 4},
                  {Size->VerticalSize, SSizeHeightGroup, SSizeHeightItems, 4}};
    for (const auto& G : Groups) {
        Shown.push_back({G.Group->Caption(), G.Caption});
        ASSERT_EQ(G.Group->Items()->Count(), static_cast<int>(G.Count));
        for (unsigned I = 0; I < G.Count; ++I)
            Shown.push_back({G.Group->Items()->Strings(static_cast<int>(I)), G.Items + I});
    }

    TDesignLibrarySession Session;
    StartAlignPalette();
    ShowAlignmentPalette();
    TAlignForm* Palette = AlignmentPaletteInstance();
    Shown.push_back({Palette->Caption(), SAlignPaletteCaption});
    unsigned Hint = SAlignPaletteHints;
    for (TSpeedButton* B : {Palette->LeftEdges, Palette->VertCenters, Palette->BottomEdges, Palette->RightEdges,
                            Palette->CenterHinWindow, Palette->CenterVertinForm, Palette->SpaceEquallyHor,
                            Palette->VSpaceequal, Palette->HorzCenters, Palette->TopEdges})
        Shown.push_back({B->Hint(), Hint++});
    Shown.push_back({Palette->Stayontop1->Caption(), SAlignStayOnTop});
    Shown.push_back({Palette->Hide1->Caption(), SAlignHide});
    Shown.push_back({Palette->Help1->Caption(), SAlignHelp});
    EndAlignPalette();

    const std::string Files =
        FormText("ALIGNDIALOGSALIGN") + FormText("ALIGNDIALOGSSIZE") + FormText("ALIGNPALETTEFORM");
    for (const auto& [Text, Id] : Shown) {
        EXPECT_EQ(Text, TableText(Id)) << Id;
        EXPECT_NE(Files.find("'" + Text + "'"), std::string::npos) << Text;
    }
}
