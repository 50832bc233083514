// The designer component: the designed-form file it writes (pinned bytes),
// its hot key through the thread hook, the limits the engine asks, and the
// handler names of its stored changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "designer/engine/win/AlignPalette.h"
#include "designer/engine/win/CaptionButton.h"
#include "designer/engine/win/DesignerOptions.h"
#include "designer/engine/win/FormDesignerUnit.h"
#include "designer/engine/win/LiteDesigner.h"
#include "framework/classes/ClassPatches.h"
#include "framework/classes/DataModule.h"
#include "designer/support/win/CompPalForm.h"
#include "framework/rtl/FileUtils.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/KeyInput.h"
#include "tests/fakes/IdleCodeDesigner.h"

namespace {

const std::string Golden = std::string(QRN_SOURCE_DIR) + "/tests/designer/engine/golden/Window1.frm";

// The host's window: Window1 with a button and its designer "Tarns".
struct TDesignedWindow {
    std::unique_ptr<TForm, TObjectFree> Form{new TForm(nullptr)};
    TZelLiteDesigner* Designer = nullptr;
    TButton* Button = nullptr;
    TDesignedWindow() {
        Form->SetName("Window1");
        Form->SetCaption("Main Window");
        Form->SetBounds(10, 20, 640, 480);
        Button = new TButton(Form.get());
        Button->SetName("Button1");
        Button->SetParent(Form.get());
        Button->SetBounds(16, 24, 75, 25);
        Button->SetCaption("Button1");
        Designer = new TZelLiteDesigner(Form.get());
        Designer->SetName("Tarns");
        Designer->SetStartHotKey(VK_F12);
        Designer->SetStopHotKey(VK_F12);
        Designer->SetShowPalette(false);
        Designer->SetShowAlignPalette(true);
    }
};

// Attachments that do nothing: only their lifetime matters here.
class TIdleScripter : public TZelSimpleScripter {
public:
    using TZelSimpleScripter::TZelSimpleScripter;
    void DesignModeChanged(bool) override {}
    void MethodCreated(const std::string&) override {}
    void MethodRenamed(const std::string&, const std::string&) override {}
};

}  // namespace

TEST(LiteDesigner, SavesTheDesignedFormFileByteForByte) {
    TTestFolder Dir;
    TDesignedWindow W;
    const std::string Path = Dir / "Window1.frm";
    W.Designer->SaveToFile(Path);
    const std::string Bytes = ReadFileToString(Path);
    if (getenv("QRN_WRITE_GOLDEN")) WriteFileAtomic(Golden, Bytes);
    EXPECT_EQ(Bytes.substr(0, 12), std::string("\xFF\x0A\x00TWINDOW1\x00", 12));
    EXPECT_EQ(Bytes.substr(12, 2), std::string("\x30\x10", 2));
    EXPECT_EQ(Bytes.substr(18, 4), "TPF0");
    EXPECT_EQ(Bytes, ReadFileToString(Golden));

    // Read back into a fresh window: the button and the designer come back.
    std::unique_ptr<TForm, TObjectFree> Copy(new TForm(nullptr));
    auto* Reader = new TZelLiteDesigner(Copy.get());
    Reader->SetName("Tarn");
    Reader->LoadFromFile(Path);
    auto* Loaded = dynamic_cast<TZelLiteDesigner*>(Copy->FindComponent("Tarns"));
    ASSERT_NE(Loaded, nullptr);
    EXPECT_EQ(Loaded->StartHotKey(), VK_F12);
    EXPECT_TRUE(Loaded->ShowAlignPalette());
    EXPECT_FALSE(Loaded->ShowPalette());
    EXPECT_TRUE(Loaded->ShowHints());
    ASSERT_NE(dynamic_cast<TButton*>(Copy->FindComponent("Button1")), nullptr);
    EXPECT_EQ(Copy->Caption(), "Main Window");
    EXPECT_EQ(Copy->Name(), "Window1");
}

TEST(LiteDesigner, TheStartHotKeyTogglesDesignModeThroughTheThreadHook) {
    StartFormDesignerUnit();
    {
        TDesignedWindow W;
        W.Designer->SetStopHotKey(VK_F11);
        W.Form->Show();
        Pump();
        PressKey(W.Button->Handle(), VK_F11);
        EXPECT_FALSE(W.Designer->Active());
        PressKey(W.Button->Handle(), VK_F12);
        EXPECT_TRUE(W.Designer->Active());
        PressKey(W.Form->Handle(), VK_F12);
        EXPECT_FALSE(W.Designer->Active());
        // Another window's F12 is not this form's.
        std::unique_ptr<TForm, TObjectFree> Other(new TForm(nullptr));
        Other->Show();
        Pump();
        PressKey(Other->Handle(), VK_F12);
        EXPECT_FALSE(W.Designer->Active());
    }
    EndFormDesignerUnit();
}

TEST(LiteDesigner, LimitsAnswerTheEnginesQuestions) {
    TDesignedWindow W;
    TZelLiteDesigner& D = *W.Designer;
    TLiteFormDesigner& E = *D.FormDesigner();
    auto* Item = static_cast<TLimitInfoItem*>(D.LimitInfos()->Add());
    Item->SetComponent(W.Button);
    Item->SetAllowedActions(TActionTypes{atSelect, atShow, atEdit});
    Item->HiddenProps()->Add("Caption");
    Item->ReadOnlyProps()->Add("Left");
    D.HiddenProps()->Add("Tag");
    // A stored set and the inspector name the actions in their own order.
    EXPECT_EQ(GetPropValue(Item, "AllowedActions"), "[atSelect,atShow,atEdit]");
    Item->SetAllowedActions(TActionTypes{atMove, atDelete, atSelect, atShow, atEdit});
    EXPECT_EQ(GetPropValue(Item, "AllowedActions"), "[atSelect,atDelete,atMove,atShow,atEdit]");
    Item->SetAllowedActions(TActionTypes{atSelect, atShow, atEdit});

    EXPECT_TRUE(D.ActionAllowed(W.Form.get(), atDelete));  // the form itself
    EXPECT_FALSE(D.ActionAllowed(W.Button, atDelete));
    EXPECT_TRUE(D.ActionAllowed(W.Button, atSelect));
    EXPECT_FALSE(E.CanShowProperty(W.Button, "Caption"));
    EXPECT_FALSE(E.CanShowProperty(W.Form.get(), "Tag"));
    EXPECT_TRUE(E.CanShowProperty(W.Form.get(), "Caption"));
    EXPECT_FALSE(E.CanEditProperty(W.Button, "Left"));
    EXPECT_TRUE(E.CanEditProperty(W.Button, "Top"));
    D.SetNameIsReadOnly(true);
    EXPECT_FALSE(E.CanEditProperty(W.Form.get(), "Name"));
    // The designer itself shows only with ShowSelf; OnAction has the last word.
    EXPECT_FALSE(D.ActionAllowed(&D, atShow));
    D.SetShowSelf(true);
    EXPECT_TRUE(D.ActionAllowed(&D, atShow));
    D.OnAction = [](TObject*, TPersistent*, TActionType, bool& Allow) { Allow = false; };
    EXPECT_FALSE(D.ActionAllowed(W.Form.get(), atMove));
    D.OnAction = nullptr;
    // ReadOnly is a view of Options.
    D.SetReadOnly(true);
    EXPECT_FALSE(D.ActionAllowed(W.Form->FindComponent("Button1"), atInsertInto));
    EXPECT_TRUE(D.ReadOnly());

    // A freed component takes its limit item with it.
    W.Button->Free();
    EXPECT_EQ(D.LimitInfos()->Count(), 0);
}

TEST(LiteDesigner, ADataModuleIsDesignedThroughItsWrapperForm) {
    std::unique_ptr<TDataModule, TObjectFree> Module(new TDataModule(nullptr));
    Module->SetName("DataModule1");
    Module->SetDesignOffset({30, 40});
    Module->SetDesignSize({300, 200});
    auto* Far = new TComponent(Module.get());
    Far->SetName("Far");
    Far->SetDesignInfo(static_cast<int32_t>((100u << 16) | 200u));
    auto* Left = new TComponent(Module.get());
    Left->SetName("Left");
    Left->SetDesignInfo(static_cast<int32_t>((10u << 16) | 0xFFECu));  // Left -20: signed
    auto* D = new TZelLiteDesigner(Module.get());
    D->SetName("Designer1");
    D->SetShowAlignPalette(false);
    D->SetActive(true);
    auto* Wrapper = dynamic_cast<TDataModuleWrapper*>(D->FormDesigner()->Form());
    ASSERT_NE(Wrapper, nullptr);
    EXPECT_TRUE(Wrapper->Visible());
    EXPECT_EQ(Wrapper->Caption(), "DataModule1");
    EXPECT_EQ(Wrapper->BoundsRect(), (TRect{30, 40, 330, 240}));
    EXPECT_TRUE(Module->ComponentState().Contains(csDesigning));
    EXPECT_FALSE(D->CanSelectComponent(Wrapper->Notifier));

    Wrapper->UpdateScrollRange();
    EXPECT_EQ(Wrapper->HorzRange(), 228);
    EXPECT_EQ(Wrapper->VertRange(), 128);
    Far->Free();  // the range shrinks to the remaining icon
    EXPECT_EQ(Wrapper->HorzRange(), 28);
    EXPECT_EQ(Wrapper->VertRange(), 38);
    // Moving an icon stretches it again.
    ASSERT_NE(D->FormDesigner()->IconOf(Left), nullptr);
    D->FormDesigner()->IconOf(Left)->MoveTo({150, 60});
    EXPECT_EQ(Wrapper->HorzRange(), 178);
    EXPECT_EQ(Wrapper->VertRange(), 88);

    D->SetActive(false);
    EXPECT_FALSE(Wrapper->Visible());
    EXPECT_FALSE(Module->ComponentState().Contains(csDesigning));
}

TEST(LiteDesigner, ForwardsTheCodeDesignerScripterGlyphsAndNamesToTheEngine) {
    TDesignedWindow W;
    TZelLiteDesigner& D = *W.Designer;
    TLiteFormDesigner& E = *D.FormDesigner();
    auto* Code = new TIdleCodeDesigner(W.Form.get());
    auto* Script = new TIdleScripter(W.Form.get());
    D.SetCodeDesigner(Code);
    D.SetScripter(Script);
    EXPECT_EQ(E.CodeDesigner, Code);
    EXPECT_EQ(E.Scripter, Script);
    Code->Free();
    Script->Free();
    EXPECT_EQ(D.CodeDesigner(), nullptr);
    EXPECT_EQ(D.Scripter(), nullptr);

    // Without a handler the icon takes the palette glyph.
    TBitmap Glyph;
    E.GetComponentGlyph(TButton::StaticClass(), &Glyph);
    EXPECT_FALSE(Glyph.Empty());
    const TClass* Asked = nullptr;
    D.OnGetComponentGlyph = [&](TObject*, const TClass* C, TBitmap*) { Asked = C; };
    E.GetComponentGlyph(TButton::StaticClass(), &Glyph);
    EXPECT_EQ(Asked, TButton::StaticClass());

    // Its own names, the other designed roots' and then the handler's.
    std::unique_ptr<TForm, TObjectFree> Other(new TForm(nullptr));
    Other->SetName("Window2");
    (new TButton(Other.get()))->SetName("Button7");
    TZelFormDesigner OtherDesigner;
    OtherDesigner.SetForm(Other.get());
    E.SetForm(W.Form.get());
    std::vector<std::string> Names;
    D.OnGetCompNames = [](TObject*, const TTypeInfo*, TGetStrProc Proc) { Proc("Mine"); };
    E.EnumComponentNames(nullptr, [&](const std::string& S) { Names.push_back(S); });
    EXPECT_EQ(Names, (std::vector<std::string>{"Button1", "Tarns", "Window2.Button7", "Mine"}));

    // The option objects are assigned by copy; HideEvents is library-wide.
    TInspOptions Insp;
    Insp.SetHideEvents(true);
    D.SetInspectorOptions(&Insp);
    EXPECT_TRUE(D.InspectorOptions()->HideEvents());
    EXPECT_NE(D.InspectorOptions(), &Insp);
    EXPECT_TRUE(InspectorHidesEvents());
    D.InspectorOptions()->SetHideEvents(false);
    EXPECT_FALSE(InspectorHidesEvents());
    TCompPaletteOptions Pal;
    Pal.UseActiveX = true;
    Pal.PredefinedPages()->Clear();
    D.SetPaletteOptions(&Pal);
    EXPECT_TRUE(D.PaletteOptions()->UseActiveX);
    EXPECT_EQ(D.PaletteOptions()->PredefinedPages()->Count(), 0);
}

TEST(LiteDesigner, LiveComponentsFollowTheGlobalOptions) {
    auto* Grid = TOptionExt::Global<TDesignerOptions>();
    auto* Keys = TOptionExt::Global<TZelLiteDesignerOptions>();
    Grid->SetGridSizeX(16);
    Keys->SetStartHotKey(scCtrl | VK_F11);
    {
        // A new component starts from the global grid, but with its own
        // hot keys and hints.
        TDesignedWindow W;
        TDesignedWindow Own;
        EXPECT_EQ(W.Designer->GridStepX(), 16);
        EXPECT_TRUE(W.Designer->ShowHints());
        EXPECT_EQ(W.Designer->StartHotKey(), VK_F12);
        const auto& List = LiteDesignerList();
        EXPECT_NE(std::find(List.begin(), List.end(), W.Designer), List.end());

        Own.Designer->SetUseGlobalOptions(false);
        Grid->SetGridSizeY(32);
        Keys->SetStopHotKey(scCtrl | VK_F10);
        EXPECT_EQ(W.Designer->GridStepY(), 32);
        EXPECT_EQ(W.Designer->StartHotKey(), scCtrl | VK_F11);
        EXPECT_EQ(W.Designer->StopHotKey(), scCtrl | VK_F10);
        EXPECT_EQ(Own.Designer->GridStepY(), 8);
        EXPECT_EQ(Own.Designer->StartHotKey(), VK_F12);
        // Turning it on takes the global values at once.
        Own.Designer->SetUseGlobalOptions(true);
        EXPECT_EQ(Own.Designer->StartHotKey(), scCtrl | VK_F11);
        EXPECT_EQ(Own.Designer->GridStepY(), 32);
        W.Form.reset();
        EXPECT_EQ(std::find(List.begin(), List.end(), W.Designer), List.end());
    }
    Grid->SetGridSizeX(8);
    Grid->SetGridSizeY(8);
    Keys->SetStartHotKey(scCtrl | VK_F12);
    Keys->SetStopHotKey(scCtrl | VK_F12);
}

TEST(LiteDesigner, StoredChangesAreWrittenAsASavedFormIs) {
    TDesignedWindow W;
    std::string SeenClass;
    W.Designer->OnSaveChanges = [&](TObject*, bool& Processed) {
        SeenClass = ClassNamePatch(W.Form->ClassType()) ? ClassNamePatch(W.Form->ClassType()) : "";
        Processed = true;
    };
    W.Designer->SetStoreChanges(true);
    W.Designer->SetShowAlignPalette(false);
    W.Form->Show();
    W.Designer->SetActive(true);
    W.Designer->SetActive(false);
    EXPECT_EQ(SeenClass, "TWindow1");
    EXPECT_EQ(ClassNamePatch(W.Form->ClassType()), nullptr);
}

TEST(LiteDesigner, TheCaptionButtonAndThePaletteComeWithDesignMode) {
    TDesignedWindow W;
    TZelLiteDesigner& D = *W.Designer;
    EXPECT_EQ(D.CaptionGlyph()->Width(), 10);  // the DESIGNERCAPTION bitmap
    EXPECT_FALSE(D.CaptionGlyphChanged());
    D.SetUseCaptionButton(true);
    TZelCaptionButton* Button = D.CaptionButton();
    EXPECT_EQ(Button->Form(), W.Form.get());
    EXPECT_EQ(Button->Glyph()->Width(), 10);
    EXPECT_TRUE(Button->Visible());
    StartAlignPalette();
    D.SetShowPalette(true);
    D.SetShowAlignPalette(true);
    D.SetToolsOnTop(true);
    // The palette shows the component's own pages and menu entry.
    D.PaletteOptions()->CustomizePalette = true;
    D.PaletteOptions()->UseActiveX = false;
    D.PaletteOptions()->PredefinedPages()->SetText("Mine\r\n");
    W.Form->Show();
    Button->Click();
    EXPECT_TRUE(D.Active());
    TCompPalFrm* Palette = ComponentPaletteForm();
    EXPECT_TRUE(Palette->Visible());
    EXPECT_EQ(Palette->Palette->PageItems()->Text(), "Mine\r\n");
    EXPECT_FALSE(Palette->ActiveXPage());
    // Both tool windows stay on top of the designed form.
    TAlignForm* Align = AlignmentPaletteInstance();
    EXPECT_TRUE(Align && Align->Visible());
    EXPECT_TRUE(Align && (GetWindowLongA(Align->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST));
    EXPECT_TRUE(GetWindowLongA(Palette->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    Button->Click();
    EXPECT_FALSE(D.Active());
    // The last request given back hides both.
    EXPECT_FALSE(Palette->Visible());
    EXPECT_FALSE(Align && Align->Visible());
    D.SetToolsOnTop(false);
    D.SetUseCaptionButton(false);
    EXPECT_FALSE(Button->Visible());
    // A glyph of the user's own is stored with the component.
    TBitmap Own;
    Own.SetWidth(4);
    Own.SetHeight(4);
    D.SetCaptionGlyph(&Own);
    EXPECT_TRUE(D.CaptionGlyphChanged());
    EndComponentPalette();
    EndAlignPalette();
}

TEST(LiteDesigner, StoredChangesBindHandlerNamesAsTheFormFileDoes) {
    TMemoryStream Stored;
    {
        TDesignedWindow W;
        W.Designer->Changes()->TakeSnapshot(W.Form.get());
        SetMethodProp(W.Button, "OnClick", TMethod{W.Form.get(), "Button1Click", {}});
        W.Designer->Changes()->CollectChanges();
        W.Designer->Changes()->WriteChanges(&Stored);
    }
    Stored.SetPosition(0);
    TDesignedWindow W;
    W.Designer->Changes()->ReadChanges(W.Form.get(), &Stored);
    EXPECT_EQ(GetMethodProp(W.Button, "OnClick").Name, "Button1Click");
    EXPECT_TRUE(W.Designer->FormDesigner()->EventMethodExists("Button1Click"));
}
