// The component palette on a real window: pages from the page list, the
// press broadcast (2029) and its Shift rule, the ActiveX page, glyphs.
#include <gtest/gtest.h>

#include "designer/support/win/CompPalForm.h"
#include "designer/support/win/CompPalette.h"
#include "designer/support/win/DesignApplication.h"
#include "designer/support/win/DesignLibrary.h"
#include "designer/support/win/PaletteGlyphs.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/design/DesignRegistration.h"
#include "designer/support/win/AxControlCollection.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/win/ProgramFolder.h"
#include "tests/common/win/Pump.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {
// A class of no glyph of its own whose ancestor has one.
class TFramedGroup : public TGroupBox {
    QRN_CLASS(TFramedGroup, TGroupBox)
public:
    using TGroupBox::TGroupBox;
};

std::vector<TPaletteClassEntry> StandardClasses() {
    return {{TButton::StaticClass(), "Standard", 0},   {TEdit::StaticClass(), "Standard", 0},
            {TLabel::StaticClass(), "Standard", 0},    {TMemo::StaticClass(), "Standard", 0},
            {TCheckBox::StaticClass(), "Standard", 0}, {TListBox::StaticClass(), "Standard", 0},
            {TPanel::StaticClass(), "Extras", 0},      {TGroupBox::StaticClass(), "Standard", 0},
            {TComboBox::StaticClass(), "Standard", 0}, {TRadioButton::StaticClass(), "Standard", 0}};
}

// Hears the palette's selection broadcasts.
class TSelectionListener : public TMessageAnswer {
    QRN_CLASS(TSelectionListener, TMessageAnswer)
public:
    std::string Name;
    intptr_t Flags = -1;
    void PaletteSelect(TZelMessage& M) {
        Name = reinterpret_cast<const char*>(M.WParam);
        Flags = M.LParam;
    }
};

class PaletteTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetPaletteClassSource(&StandardClasses);
        Form = new TForm(nullptr);
        Form->SetBounds(10, 10, 420, 90);
        Palette = new TZelCompPalette(Form);
        Palette->SetParent(Form);
        Palette->SetAlign(alClient);
        Form->Show();
    }
    void TearDown() override {
        Form->Free();
        SetPaletteClassSource(nullptr);
        Pump();
    }
    std::vector<std::string> Captions() {
        std::vector<std::string> C;
        for (int I = 0; I < Palette->PageCount(); ++I) C.push_back(Palette->Pages(I)->Caption());
        return C;
    }
    TPaletteButton* ButtonNamed(const std::string& Name) {
        for (int I = 0; I < Palette->ComponentCount(); ++I)
            if (auto* B = dynamic_cast<TPaletteButton*>(Palette->Components(I)); B && B->NameText == Name) return B;
        return nullptr;
    }
    void Press(TPaletteButton* B, TShiftState Shift) {
        B->OnMouseDown(B, mbLeft, Shift, 2, 2);
        B->Click();
    }

    TDesignerScratchKey Key;
    TDesignLibrarySession Session;
    TForm* Form = nullptr;
    TZelCompPalette* Palette = nullptr;
};
}  // namespace

QRN_PUBLISHED(TSelectionListener) { B.Message(PaletteSelectMessage, &TSelectionListener::PaletteSelect); }
QRN_PUBLISHED(TFramedGroup) {}

TEST_F(PaletteTest, PagesFollowThePageListAndUnlistedPagesComeLast) {
    Palette->PageItems()->SetText("Hidden=TLabel\r\nExtras\r\nStandard=TButton,TEdit\r\nWin32\r\n");
    Palette->RecreatePages();
    Pump();
    // Win32 holds no class: it is removed. Extras is listed before Standard.
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Extras", "Standard"}));
    EXPECT_EQ(Palette->ActivePage(), Palette->Pages(0));
    EXPECT_EQ(ButtonNamed("Button"), nullptr);  // filled on first show
    // Set as a form file or the inspector sets it.
    SetObjectProp(Palette, "ActivePage", Palette->Pages(1));
    Pump();
    ASSERT_NE(ButtonNamed("Button"), nullptr);
    EXPECT_EQ(ButtonNamed("Label"), nullptr);  // "Hidden" wins over the registered page
    EXPECT_EQ(ButtonNamed("Button")->Parent(), Palette->Pages(1));

    // Only listed classes: the panel's registered page goes away.
    Palette->SetOnlyDefinedItems(true);
    Palette->RebuildPages();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Standard"}));
    EXPECT_EQ(ButtonNamed("Memo"), nullptr);
    EXPECT_NE(ButtonNamed("Edit"), nullptr);
}

TEST_F(PaletteTest, APressBroadcastsTheClassAndInsertionResetsUnlessShiftWasHeld) {
    Palette->RecreatePages();
    Pump();
    TSelectionListener Listener;
    TPaletteButton* Edit = ButtonNamed("Edit");  // Standard is the first page: shown and filled
    ASSERT_NE(Edit, nullptr);
    auto* Sheet = dynamic_cast<TZelPaletteSheet*>(Edit->Parent());
    Press(Edit, {});
    EXPECT_EQ(Listener.Name, "TEdit");
    EXPECT_EQ(Listener.Flags, psLeft);
    EXPECT_EQ(SelectedPaletteClass, "TEdit");
    EXPECT_TRUE(Edit->Down());
    EXPECT_FALSE(Palette->ArrowButtonOf(Sheet)->Down());
    BroadcastToListeners(nullptr, ComponentInsertedMessage, 0, 0);
    EXPECT_EQ(SelectedPaletteClass, "");
    EXPECT_TRUE(Palette->ArrowButtonOf(Sheet)->Down());
    EXPECT_FALSE(Edit->Down());

    Press(Edit, {ssShift});
    EXPECT_EQ(Listener.Flags, psShift | psLeft);
    BroadcastToListeners(nullptr, ComponentInsertedMessage, 0, 0);
    EXPECT_EQ(SelectedPaletteClass, "TEdit");
    EXPECT_TRUE(Edit->Down());
}

TEST_F(PaletteTest, ByDefaultTheClassesRegisteredWithAPageAndAnIconAreOffered) {
    SetPaletteClassSource(nullptr);
    RegisterComponents("Standard", {TButton::StaticClass(), TEdit::StaticClass()});
    RegisterNoIcon({TEdit::StaticClass()});  // flags 12: not on the palette
    RegisterNoIcon({TMemo::StaticClass()});  // flags 4 only
    Palette->RecreatePages();
    Pump();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Standard"}));
    EXPECT_NE(ButtonNamed("Button"), nullptr);
    EXPECT_EQ(ButtonNamed("Edit"), nullptr);
    EXPECT_EQ(ButtonNamed("Memo"), nullptr);
}

TEST_F(PaletteTest, GlyphsComeFromTheClassOrTheUnknownGlyph) {
    HMODULE Module = nullptr;
    std::string Name;
    FindGlyphResource(Module, TButton::StaticClass(), Name);
    EXPECT_EQ(Name, "TButton");
    EXPECT_NE(Module, nullptr);
    FindGlyphResource(Module, TFramedGroup::StaticClass(), Name);
    EXPECT_EQ(Name, "TGroupBox");  // an ancestor's glyph
    FindGlyphResource(Module, TSplitter::StaticClass(), Name);
    EXPECT_EQ(Module, nullptr);
    TBitmap Glyph;
    LoadComponentGlyph(&Glyph, TSplitter::StaticClass());
    EXPECT_EQ(Glyph.Width(), 24);
    EXPECT_EQ(Palette->MouseGlyph()->Width(), 24);
}

TEST_F(PaletteTest, KnownActiveXControlsGetButtonsOnTheActiveXPage) {
    TAxControlInfo Info(nullptr);
    Info.ClassID = {0x11223344, 0x5566, 0x7788, {1, 2, 3, 4, 5, 6, 7, 8}};
    Info.Name = "Sample.Control";
    Info.FileName = "no-such-server.ocx";  // cannot load: the unknown glyph
    Palette->RecreatePages();
    BroadcastToListeners(nullptr, ActiveXAddedMessage, reinterpret_cast<intptr_t>(&Info), 0);
    ASSERT_EQ(Palette->ActiveXButtons()->Count(), 1);
    EXPECT_EQ(Captions().back(), "ActiveX");
    TPaletteButton* B = ButtonNamed("Sample.Control");
    ASSERT_NE(B, nullptr);
    TSelectionListener Listener;
    Press(B, {});
    EXPECT_EQ(Listener.Name, "{11223344-5566-7788-0102-030405060708}");
    BroadcastToListeners(nullptr, ActiveXRemovedMessage, reinterpret_cast<intptr_t>(&Info), 0);
    EXPECT_EQ(Palette->ActiveXButtons()->Count(), 0);
    EXPECT_EQ(ButtonNamed("Sample.Control"), nullptr);
}

TEST_F(PaletteTest, Screenshot) {
    Palette->PageItems()->SetText("Standard=TButton,TEdit,TLabel,TMemo,TCheckBox,TRadioButton,TListBox,TComboBox,"
                                  "TGroupBox\r\nExtras\r\n");
    Palette->RecreatePages();
    Pump();
    Palette->Repaint();
    Pump();
    const std::string File = TestProgramFolder() + "ComponentPalette.png";
    CaptureWindowToFile(Form->Handle(), File, false);
    EXPECT_NE(GetFileAttributesA(File.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(PaletteTest, ThePaletteWindowComesOnRequestAndGoesWithTheLastRelease) {
    RequestComponentPalette();
    TCompPalFrm* Window = ComponentPaletteForm();
    EXPECT_TRUE(Window->Visible());
    EXPECT_EQ(Window->Caption(), "Component Palette");
    EXPECT_EQ(Window->Palette->PageItems()->Count(), 16);
    RequestComponentPalette();
    ReleaseComponentPalette();
    EXPECT_TRUE(Window->Visible());
    ReleaseComponentPalette();
    EXPECT_FALSE(Window->Visible());
    TZelMessage Query{ToolWindowQueryMessage, 0, 0, 0};
    Window->Dispatch(&Query);
    EXPECT_EQ(Query.Result, 1);
    EXPECT_EQ(Window->Verbs->VerbList()->Verbs(0)->VerbName(), "View.PackagesActiveX");
    Window->SetPackagesVerb(false);
    EXPECT_EQ(Window->Verbs->VerbList()->Verbs(0)->VerbName(), "View.PackagesConfig");
    EndComponentPalette();
    EXPECT_EQ(GetRegistryDataSize("Forms\\CompPalFrm\\WinPos"), 44);
}

TEST_F(PaletteTest, TheMachinesKnownControlsComeBackWhenThePagesAreMadeAgain) {
    TAxControlCollection Installed;
    ASSERT_GT(Installed.Count(), 0) << "the Wine prefix registers at least one ActiveX control";
    TAxControlInfo* Info = Installed.Controls(0);
    EXPECT_FALSE(Info->FileName.empty());
    TStringList Lines;
    FillAxControlList(&Installed, &Lines);
    EXPECT_GT(Lines.Count(), 0);
    EXPECT_EQ(FindAxControl(&Installed, Info->ClassID), Info);
    DesignApplication->AddKnownActiveX(Info);  // adds its button at once
    const int Buttons = Palette->ActiveXButtons()->Count();
    EXPECT_GT(Buttons, 0);
    Palette->RecreatePages();  // and again from a fresh enumeration
    EXPECT_EQ(Palette->ActiveXButtons()->Count(), Buttons);
    const std::vector<std::string> Pages = Captions();
    EXPECT_NE(std::find(Pages.begin(), Pages.end(), "ActiveX"), Pages.end());
    DesignApplication->RemoveKnownActiveX(Info);
    EXPECT_EQ(Palette->ActiveXButtons()->Count(), 0);
}
