#include <gtest/gtest.h>

#include <algorithm>

#include "designer/host/CodeGenerator.h"
#include "framework/rtl/FileUtils.h"
#include "tests/common/TestFolder.h"

namespace {

using TLines = std::vector<std::string>;

THarvestedComponent Component(const std::string& Cls, const std::string& Name, const TLines& Rows) {
    THarvestedComponent C{Cls, Name, {}};
    for (size_t I = 0; I + 1 < Rows.size(); I += 2) C.Lines.push_back(HarvestLine(Rows[I], Rows[I + 1], Cls, Name));
    return C;
}

// Rows that the assembler cannot take become comments or are rewritten;
// captions become string data with quotes doubled and line breaks as
// numbers.
TEST(CodeGenerator, RowsBecomeEquLines) {
    EXPECT_EQ(HarvestLine("Left", "8", "TButton", "Button1"), "Button1Left EQU 8   ; TButton >Button1");
    EXPECT_EQ(HarvestLine("Ctl3D", "True", "TButton", "B"), "BCtl3D EQU WS_EX_CLIENTEDGE   ; TButton >B");
    EXPECT_EQ(HarvestLine("ParentCtl3D", "False", "TButton", "B"), "BParentCtl3D EQU 0   ; TButton >B");
    EXPECT_EQ(HarvestLine("Ctl3D", "False", "TForm", "W"), "WCtl3D EQU WS_EX_WINDOWEDGE   ; TForm >W");
    EXPECT_EQ(HarvestLine("BorderIcons", "[biSystemMenu,biMinimize]", "TForm", "W"),
              "WBorderIcons EQU biSystemMenu OR biMinimize   ; TForm >W");
    EXPECT_EQ(HarvestLine("BorderIcons", "[]", "TForm", "W"), "WBorderIcons EQU 0   ; TForm >W");
    EXPECT_EQ(HarvestLine("Visible", "False", "TEdit", "E"), "EVisible EQU    ; TEdit >E");
    EXPECT_EQ(HarvestLine("Visible", "True", "TEdit", "E"), "EVisible EQU  OR WS_VISIBLE    ; TEdit >E");
    EXPECT_EQ(HarvestLine("Text", "Edit1", "TEdit", "E"), "EText_ EQU \"Edit1\",0   ; TEdit >E");
    EXPECT_EQ(HarvestLine("Font", "(TFont)", "TEdit", "E"), ";EFont EQU (TFont)   ; TEdit >E");
    EXPECT_EQ(HarvestLine("ActiveControl", "E", "TForm", "W"), ";WActiveControl EQU E   ; TForm >W");
    // A value other than a caption or text keeps to its line.
    EXPECT_EQ(HarvestLine("Hint", "a\r\nb\t", "TButton", "B"), "BHint EQU a  b    ; TButton >B");

    EXPECT_EQ(AsmStringData(""), "\"\",0");
    EXPECT_EQ(AsmStringData("Say \"hi\""), "\"Say \"\"hi\"\"\",0");
    EXPECT_EQ(AsmStringData("a\r\nb"), "\"a\",13,10,\"b\",0");
    EXPECT_EQ(AsmStringData("\tx\n"), "9,\"x\",10,0");
}

// A window with a button, a panel, an edit and a memo: what each of the
// three files holds, and in which order.
TEST(CodeGenerator, FilesForAWindowWithControls) {
    const std::vector<THarvestedComponent> All = {
        Component("TForm", "Window1", {"Caption", "Main Window", "Height", "480"}),
        Component("TButton", "Button1", {"Caption", "OK; >go", "Left", "8"}),
        Component("TPanel", "Panel1", {"Caption", "P"}),
        Component("TEdit", "Edit1", {"Text", ""}),
        Component("TMemo", "Memo1", {"Left", "3"}),
        {"TLabel", "Label1", {}},  // nothing harvested: skipped
    };
    const TGeneratedSource S = GenerateSource(All, "Window1", "bsSingle");

    const TLines AppVar = {";Application variables and structures",
                           "",
                           "MainWindowClassA  WindowClassA  <0>",
                           "MainWindowStructure  WindowStructure  <0>",
                           "MainWindowMessage  MessageStructure  <0>",
                           "MainWindowPaint  PaintStructure  <0>",
                           "ApplicationInstance  dd ?",
                           "ApplicationCaptionA  db Window1Caption_",
                           "ApplicationClassNameA  db 'Quorlen',0",
                           "MainWndHandle  dd ?",
                           "Button1Ctl3D EQU 0",
                           "Button1Structure  WindowStructure  <0>",
                           "Button1FontStructure FontStructure  <0>",
                           "Button1Caption db Button1Caption_",
                           "Button1ClassName db \"BUTTON\",0",
                           "Button1Handle  dd ?",
                           "Panel1Structure  WindowStructure  <0>",
                           "Panel1FontStructure FontStructure  <0>",
                           "Panel1Caption db Panel1Caption_",
                           "Panel1ClassName db \"STATIC\",0",
                           "Panel1Handle  dd ?",
                           "Edit1Structure  WindowStructure  <0>",
                           "Edit1FontStructure FontStructure  <0>",
                           "Edit1Caption db Edit1Text_",
                           "Edit1ClassName db \"EDIT\",0",
                           "Edit1Handle  dd ?",
                           "Window1StandardControls  dd 3"};
    EXPECT_EQ(S.AppVar, AppVar);
    const TLines WmCreate = {";Create standard window controls (if present)",
                             "",
                             "BUTTON_Button1_Init",
                             "CreateWndExA Button1Structure Button1Handle",
                             "SetFontA Button1FontStructure  Button1Handle",
                             "STATIC_Panel1_Init",
                             "CreateWndExA Panel1Structure Panel1Handle",
                             "SetFontA Panel1FontStructure  Panel1Handle",
                             "EDIT_Edit1_Init",
                             "CreateWndExA Edit1Structure Edit1Handle",
                             "SetFontA Edit1FontStructure  Edit1Handle"};
    EXPECT_EQ(S.WmCreate, WmCreate);

    const TLines& D = S.Def;
    auto At = [&](const std::string& Line) { return std::find(D.begin(), D.end(), Line) - D.begin(); };
    EXPECT_EQ(D[3], "Window1Caption_ EQU \"Main Window\",0   ; TForm >Window1");
    EXPECT_LT(At("Memo1Left EQU 3   ; TMemo >Memo1"), At(";***** End of components section *****"));
    EXPECT_LT(At(";***** End of components section *****"), At("EndM"));
    EXPECT_EQ(D[static_cast<size_t>(At("mov [MainWindowStructure.WndHeight],Window1Height")) + 4],
              "mov [MainWindowStructure.WndStyle],WS_OVERLAPPED OR WS_BORDER OR Window1BorderIcons");
    const size_t Macro = static_cast<size_t>(At("BUTTON_Button1_Init   Macro"));
    ASSERT_LT(Macro, D.size());
    EXPECT_EQ(D[Macro - 1], "");
    EXPECT_EQ(D[Macro + 4], "mov [Button1Structure.WndMenu],0");
    EXPECT_EQ(D[Macro + 13], "mov [Button1Structure.WndStyle], WS_CHILD OR 0 Button1Visible");
    EXPECT_EQ(D[Macro + 15], "EndM");
    EXPECT_EQ(D[static_cast<size_t>(At("STATIC_Panel1_Init   Macro")) + 13],
              "mov [Panel1Structure.WndStyle], WS_CHILD OR 18 Panel1Visible");
    EXPECT_EQ(D[static_cast<size_t>(At("EDIT_Edit1_Init   Macro")) + 4], "mov [Edit1Structure.WndMenu],2");
    EXPECT_EQ(D.back(), "EndM");
}

// Check boxes and radio buttons are created as buttons that check
// themselves; one designed checked is checked after its font is set.
TEST(CodeGenerator, CheckBoxesAndRadioButtonsAreButtons) {
    const TGeneratedSource S = GenerateSource({Component("TCheckBox", "CheckBox1", {"Checked", "True"}),
                                               Component("TRadioButton", "RadioButton1", {"Checked", "False"}),
                                               Component("TRadioButton", "RadioButton2", {"Checked", "True"})},
                                              "Window1", "bsSingle");
    EXPECT_NE(std::find(S.AppVar.begin(), S.AppVar.end(), "CheckBox1ClassName db \"BUTTON\",0"), S.AppVar.end());
    EXPECT_NE(std::find(S.AppVar.begin(), S.AppVar.end(), "RadioButton1ClassName db \"BUTTON\",0"), S.AppVar.end());
    const TLines WmCreate = {";Create standard window controls (if present)",
                             "",
                             "CHECKBOX_CheckBox1_Init",
                             "CreateWndExA CheckBox1Structure CheckBox1Handle",
                             "SetFontA CheckBox1FontStructure  CheckBox1Handle",
                             "SetCheckA CheckBox1Handle",
                             "RADIOBUTTON_RadioButton1_Init",
                             "CreateWndExA RadioButton1Structure RadioButton1Handle",
                             "SetFontA RadioButton1FontStructure  RadioButton1Handle",
                             "RADIOBUTTON_RadioButton2_Init",
                             "CreateWndExA RadioButton2Structure RadioButton2Handle",
                             "SetFontA RadioButton2FontStructure  RadioButton2Handle",
                             "SetCheckA RadioButton2Handle"};
    EXPECT_EQ(S.WmCreate, WmCreate);
    const TLines& D = S.Def;
    const auto Macro = std::find(D.begin(), D.end(), "CHECKBOX_CheckBox1_Init   Macro");
    ASSERT_NE(Macro, D.end());
    EXPECT_EQ(Macro[13], "mov [CheckBox1Structure.WndStyle], WS_CHILD OR 3 CheckBox1Visible");
    const auto Radio = std::find(D.begin(), D.end(), "RADIOBUTTON_RadioButton1_Init   Macro");
    ASSERT_NE(Radio, D.end());
    EXPECT_EQ(Radio[13], "mov [RadioButton1Structure.WndStyle], WS_CHILD OR 9 RadioButton1Visible");
}

// A window alone: no control section, zero controls; the files are written
// where the project and the form are.
TEST(CodeGenerator, WindowAloneIsWrittenToTheProject) {
    TTestFolder Folder;
    const TGeneratedSource S = GenerateSource({Component("TForm", "Window1", {"Left", "0"})}, "Window1", "bsSizeable");
    EXPECT_EQ(S.AppVar.back(), "Window1StandardControls  dd 0");
    EXPECT_EQ(S.WmCreate.size(), 2u);
    SaveGeneratedSource(S, Folder.Dir(), (Folder / "form"));
    EXPECT_EQ(ReadFileToString((Folder / "wmcreate.inc")), ";Create standard window controls (if present)\r\n\r\n");
    EXPECT_TRUE(FileExists((Folder / "appvar.inc")));
    EXPECT_NE(ReadFileToString((Folder / "form.def")).find("WS_OVERLAPPED OR WS_SIZEBOX OR Window1BorderIcons"),
              std::string::npos);
}

}  // namespace
