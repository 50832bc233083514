// The designer's handler names (the filer's method-name table, an attached
// code designer and scripter), its global options, and the engine unit's
// start and end with the designer actions as verbs.
#include <gtest/gtest.h>

#include <memory>

#include "designer/engine/win/AlignPalette.h"
#include "designer/engine/win/DesignerOptions.h"
#include "designer/engine/win/FormDesignerUnit.h"
#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/support/ObjectParams.h"
#include "designer/support/VariantTypeNames.h"
#include "designer/support/Verbs.h"
#include "designer/support/win/DesignLibrary.h"
#include "framework/classes/ClassPatches.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/win/Pump.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {

class TLogCode : public TCodeDesigner {
public:
    TLogCode() : TCodeDesigner(nullptr) {}
    std::vector<std::string> Log;
    std::string VariantTypeName(int Code) override { return Code == 3 ? "DWORD" : ""; }
    void CreateMethod(const std::string& Name, const TTypeInfo*) override { Log.push_back("create " + Name); }
    void EnumMethods(const TTypeInfo*, TGetStrProc Proc) override { Proc("InCode"); }
    bool MethodExists(const std::string& Name) override { return Name == "InCode"; }
    void RenameMethod(const std::string& Cur, const std::string& New) override { Log.push_back(Cur + ">" + New); }
    void ShowMethod(const std::string& Name) override { Log.push_back("show " + Name); }
};

class TLogScripter : public TZelSimpleScripter {
public:
    TLogScripter() : TZelSimpleScripter(nullptr) {}
    std::vector<std::string> Log;
    void DesignModeChanged(bool Active) override { Log.push_back(Active ? "on" : "off"); }
    void MethodCreated(const std::string& Name) override { Log.push_back("created " + Name); }
    void MethodRenamed(const std::string& Cur, const std::string& New) override { Log.push_back(Cur + ">" + New); }
};

class DesignerMethodsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form.reset(new TForm(nullptr));
        Form->SetName("Form1");
        OK = new TButton(Form.get());
        OK->SetName("OK");
        OK->SetParent(Form.get());
        Cancel = new TButton(Form.get());
        Cancel->SetName("Cancel");
        Cancel->SetParent(Form.get());
        Designer = std::make_unique<TZelFormDesigner>();
        Designer->SetForm(Form.get());
    }
    std::string HandlerOf(TButton* B) { return GetMethodProp(B, "OnClick").Name; }

    TDesignerScratchKey Key;
    TDesignLibrarySession Session;  // the global options go with it
    std::unique_ptr<TForm, TObjectFree> Form;
    TButton* OK = nullptr;
    TButton* Cancel = nullptr;
    std::unique_ptr<TZelFormDesigner> Designer;
};

}  // namespace

TEST_F(DesignerMethodsTest, HandlerNamesLiveInTheFilersTableAndRenameEveryEventThatNamesThem) {
    const TMethod Click = Designer->CreateEventMethod(" ButtonClick ", nullptr);
    EXPECT_EQ(Click.Name, "ButtonClick");
    EXPECT_EQ(Click.Data, Form.get());
    EXPECT_EQ(Designer->Filer()->FindMethodCode("buttonclick"), 1);
    SetMethodProp(OK, "OnClick", Click);
    SetMethodProp(Cancel, "OnClick", Click);
    EXPECT_EQ(Designer->GetEventMethodName(GetMethodProp(OK, "OnClick")), "ButtonClick");
    EXPECT_TRUE(Designer->EventMethodExists("ButtonClick "));
    EXPECT_FALSE(Designer->EventMethodExists("Other"));
    std::vector<std::string> Listed;
    Designer->EnumEventMethods(nullptr, [&](const std::string& S) { Listed.push_back(S); });
    EXPECT_EQ(Listed, std::vector<std::string>{"ButtonClick"});

    Designer->RenameEventMethod("ButtonClick", "AnyClick");
    EXPECT_EQ(HandlerOf(OK), "AnyClick");
    EXPECT_EQ(HandlerOf(Cancel), "AnyClick");
    EXPECT_EQ(Designer->Filer()->FindMethodCode("AnyClick"), 1);
    EXPECT_FALSE(Designer->EventMethodExists("ButtonClick"));
    Designer->RenameEventMethod("anyclick", "AnyClick");  // only the case differs: nothing
    EXPECT_EQ(Designer->Filer()->MethodNames(), std::vector<std::string>{"AnyClick"});

    // While the root is written its class carries the root's name.
    Designer->BeginSave();
    EXPECT_STREQ(ClassNamePatch(Form->ClassType()), "TForm1");
    Designer->EndSave();
    EXPECT_EQ(ClassNamePatch(Form->ClassType()), nullptr);
}

TEST_F(DesignerMethodsTest, AnAttachedCodeDesignerAndScripterHearOfHandlers) {
    TLogCode Code;
    TLogScripter Scripter;
    Designer->CodeDesigner = &Code;
    Designer->Scripter = &Scripter;
    StartFormDesignerUnit();
    Designer->SetActive(true);
    Form->Show();
    // The active designer's code designer names variant types first.
    EXPECT_EQ(VariantTypeName(3), "DWORD");
    EXPECT_EQ(VariantTypeName(2), "Smallint");
    Designer->CreateEventMethod("OKClick", nullptr);
    Designer->NotifyModified();
    Designer->NotifyModified();  // the created method goes once
    EXPECT_TRUE(Designer->EventMethodExists("InCode"));  // the code designer decides
    EXPECT_FALSE(Designer->EventMethodExists("OKClick"));
    std::vector<std::string> Listed;
    Designer->EnumEventMethods(nullptr, [&](const std::string& S) { Listed.push_back(S); });
    EXPECT_EQ(Listed, (std::vector<std::string>{"OKClick", "InCode"}));
    Designer->RenameEventMethod("OKClick", "Go");
    Designer->ShowEventMethod("Go");
    EXPECT_EQ(Code.Log, (std::vector<std::string>{"create OKClick", "OKClick>Go", "show Go"}));
    Designer->SetActive(false);
    EndFormDesignerUnit();
    EXPECT_EQ(VariantTypeName(3), "Longint");
    EXPECT_EQ(Scripter.Log, (std::vector<std::string>{"on", "created OKClick", "OKClick>Go", "off"}));
}

TEST_F(DesignerMethodsTest, DesignersThatUseTheGlobalOptionsFollowThem) {
    auto* Options = TOptionExt::Global<TDesignerOptions>();
    Options->SetGridSizeX(16);
    Designer->SetUseGlobalOptions(true);
    EXPECT_EQ(Designer->GridStepX, 16);
    Options->SetShowGrid(false);
    Options->SetGridSizeY(500);  // brought into range
    EXPECT_FALSE(Designer->ShowGrid);
    EXPECT_EQ(Designer->GridStepY, 128);
    TZelFormDesigner Own;
    Options->SetSnaptoGrid(false);
    EXPECT_TRUE(Own.SnapToGrid);  // not using the global options
    EXPECT_FALSE(Designer->SnapToGrid);

    // The designer components take the hot keys from the global instance.
    TShortCut Heard = 0;
    LiteDesignerOptionsApplied = [&](const TZelLiteDesignerOptions& O) { Heard = O.StartHotKey(); };
    auto* Keys = TOptionExt::Global<TZelLiteDesignerOptions>();
    EXPECT_EQ(Keys->StopHotKey(), scCtrl | VK_F12);
    Keys->SetStartHotKey(scCtrl | VK_F11);
    LiteDesignerOptionsApplied = nullptr;
    EXPECT_EQ(Heard, scCtrl | VK_F11);
    // The later tests of this program start from the stored defaults.
    Keys->SetStartHotKey(scCtrl | VK_F12);
    Options->SetGridSizeX(8);
    Options->SetGridSizeY(8);
    Options->SetShowGrid(true);
    Options->SetSnaptoGrid(true);
}

TEST(FormDesignerUnitStart, NestedStartsRegisterTheActionsAsVerbsOnceAndTheEndTakesThemBack) {
    TDesignerScratchKey Key;
    TDesignLibrarySession Session;
    const int Before = ObjectParamList().Count();
    for (int Round = 0; Round < 2; ++Round) {
        StartFormDesignerUnit();
        StartFormDesignerUnit();
        StartAlignPalette();
        StartAlignPalette();
        TVerbStateProc State = nullptr;
        TVerbExecuteProc Run = nullptr;
        ASSERT_NE(FindVerb("Designer.AlignTops", State, Run), nullptr);
        uint8_t Bits = VerbVisible | VerbEnabled;
        State(Bits);
        EXPECT_EQ(Bits, VerbVisible);  // no designed form: disabled
        EXPECT_NE(FindVerb("View.AlignmentPalette", State, Run), nullptr);
        EXPECT_EQ(ObjectParamList().Count(), Before + 16 + 1);
        EndAlignPalette();
        EndFormDesignerUnit();
        EXPECT_NE(FindVerb("Designer.AlignTops", State, Run), nullptr);
        EndAlignPalette();
        EndFormDesignerUnit();
        EXPECT_EQ(FindVerb("Designer.AlignTops", State, Run), nullptr);
        EXPECT_EQ(FindVerb("View.AlignmentPalette", State, Run), nullptr);
        EXPECT_EQ(AlignmentPaletteInstance(), nullptr);
        EXPECT_EQ(ObjectParamList().Count(), Before);
    }
}
