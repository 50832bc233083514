// The generated code run: the example project's files, and windows of
// every colour and cursor the inspector offers, built by the assembler
// model and created here, against the designed form; and the failures of
// the model that stand for the assembler's.
#include <gtest/gtest.h>

#include <map>

#include "framework/classes/TypeInfo.h"
#include "framework/uicore/Colors.h"
#include "framework/uicore/CursorNames.h"
#include "tests/common/TestFolder.h"
#include "tests/designer/host/win/GeneratedProgram.h"

namespace {

const std::string Example = std::string(QRN_SOURCE_DIR) + "/examples/winform";

TEST(GeneratedProgram, TheExampleShowsItsDesignedWindow) {
    TGeneratedProgram Program(ReadGeneratedSource(Example, "window1.def"));
    ExpectWindowShowsForm(Program.Start(), *ReadDesignedForm(Example + "/window1.frm"));
}

// The window's rows that its code reads, as the inspector shows them, and
// a Hint: a row written raw, here with a line break.
THarvestedComponent WindowRows(TForm& F) {
    THarvestedComponent W{"TForm", F.Name(), {}};
    for (const char* Row : {"BorderIcons", "BorderStyle", "Caption", "Color", "Ctl3D", "Cursor", "Height", "Hint",
                            "Left", "Top", "Width"})
        W.Lines.push_back(HarvestLine(Row, Row == std::string("Color") ? ColorToString(F.Color()) : GetPropValue(&F, Row),
                                      "TForm", F.Name()));
    return W;
}

// The system cursor the window class gets for each cursor: its own, or
// the nearest; none for crNone.
const std::map<std::string, LPCSTR> SystemCursors = {{"crDefault", IDC_ARROW},
                                                     {"crNone", nullptr},
                                                     {"crArrow", IDC_ARROW},
                                                     {"crCross", IDC_CROSS},
                                                     {"crIBeam", IDC_IBEAM},
                                                     {"crSizeNESW", IDC_SIZENESW},
                                                     {"crSizeNS", IDC_SIZENS},
                                                     {"crSizeNWSE", IDC_SIZENWSE},
                                                     {"crSizeWE", IDC_SIZEWE},
                                                     {"crUpArrow", IDC_UPARROW},
                                                     {"crHourGlass", IDC_WAIT},
                                                     {"crDrag", IDC_ARROW},
                                                     {"crNoDrop", IDC_NO},
                                                     {"crHSplit", IDC_SIZEWE},
                                                     {"crVSplit", IDC_SIZENS},
                                                     {"crMultiDrag", IDC_ARROW},
                                                     {"crSQLWait", IDC_WAIT},
                                                     {"crNo", IDC_NO},
                                                     {"crAppStart", IDC_APPSTARTING},
                                                     {"crHelp", IDC_HELP},
                                                     {"crHandPoint", IDC_HAND},
                                                     {"crSizeAll", IDC_SIZEALL}};

// Each colour the colour editor offers (and clDefault, which a colour can
// show as, and a colour of the user's own from the colour dialog) and each
// cursor the cursor editor offers, on windows of every border style: the
// window shows its colour and has its cursor.
TEST(GeneratedProgram, EveryColourAndCursorOfTheInspectorShows) {
    std::vector<std::string> Colors = {"clDefault", "$00FF8000"}, Cursors;
    GetColorValues([&](const std::string& S) { Colors.push_back(S); });
    GetCursorValues([&](const std::string& S) { Cursors.push_back(S); });
    const char* const Borders[] = {"bsSizeable", "bsSingle", "bsDialog", "bsNone", "bsToolWindow", "bsSizeToolWin"};
    const char* const Icons[] = {"[biSystemMenu,biMinimize,biMaximize]", "[biSystemMenu]", "[]",
                                 "[biSystemMenu,biMaximize]"};
    ASSERT_GE(Colors.size(), Cursors.size());
    for (size_t I = 0; I < Colors.size(); ++I) {
        const std::string& Cursor = Cursors[I % Cursors.size()];
        SCOPED_TRACE(Colors[I] + " " + Cursor);
        std::unique_ptr<TForm, TObjectFree> F(new TForm(nullptr));
        F->SetName("Window1");
        F->SetCaption("Window of " + Colors[I]);
        F->SetBounds(100, 100, 320, 200);
        F->SetHint("two\r\nlines");
        SetPropValue(F.get(), "BorderStyle", Borders[I % std::size(Borders)]);
        SetPropValue(F.get(), "BorderIcons", Icons[I % std::size(Icons)]);
        SetPropValue(F.get(), "Color", Colors[I]);
        SetPropValue(F.get(), "Cursor", Cursor);

        TTestFolder Project;
        SaveGeneratedSource(GenerateSource({WindowRows(*F)}, F->Name(), GetPropValue(F.get(), "BorderStyle")),
                            Project.Dir(), Project / "window1");
        TGeneratedProgram Program(ReadGeneratedSource(Project.Dir(), "window1.def"));
        HWND W = Program.Start();
        ExpectWindowShowsForm(W, *F);
        const LPCSTR Expected = SystemCursors.at(Cursor);
        EXPECT_EQ(reinterpret_cast<HCURSOR>(GetClassLongPtrA(W, GCLP_HCURSOR)),
                  Expected ? LoadCursorA(nullptr, Expected) : nullptr);
    }
}

std::string Failure(const std::vector<std::string>& Declarations, const std::vector<std::string>& Code) {
    try {
        TAsmModel M;
        M.Read("a.inc", Declarations);
        M.Run("a.asm", Code);
    } catch (const EAsmError& E) {
        return E.what();
    }
    return "";
}

// Where the assembler stops, the model stops, naming the line.
TEST(GeneratedProgram, TheModelFailsWhereTheAssemblerWould) {
    EXPECT_EQ(Failure({"Button1Height EQU 25", "button1height equ 24"}, {}),
              "a.inc:2: button1height is defined twice (first at a.inc:1)");
    EXPECT_EQ(Failure({"X dd ?", "Y EQU clPink"}, {"mov [X],Y"}), "a.asm:1: undefined symbol clPink");
    EXPECT_EQ(Failure({"Two Macro A,B", "push A", "EndM"}, {"Two 1"}), "a.asm:1: macro Two takes 2 arguments, given 1");
    // A value that went on to a second line.
    EXPECT_EQ(Failure({"Button1Hint EQU a", "b   ; TButton >Button1"}, {}), "a.inc:2: not a declaration: b");
    EXPECT_EQ(Failure({"X dd ?", "Y EQU 2 OR 4", "Z EQU PlainColor", "Two Macro A,B", "mov [A],B", "EndM"},
                      {"Two X,Y", "push offset X", "push [X]", "IF Y AND 1", "call Nothing", "ENDIF"}),
              "");
}

}  // namespace
