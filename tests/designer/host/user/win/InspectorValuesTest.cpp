// Values set in the properties inspector as a person sets them: picked
// from a drop-down list, typed and committed with Enter, chosen in a
// dialog. Each reaches the component, shows on it, is kept when it is
// selected again and goes into the form file and the generated files.
#include <gtest/gtest.h>

#include "designer/inspector/win/ObjectInspector.h"
#include "framework/rtl/FileUtils.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/win/KeyInput.h"
#include "tests/designer/host/user/win/DesignedFormFile.h"
#include "tests/designer/host/user/win/DesignerSession.h"

namespace {

void EditAndButton(TForm* F) {
    Add<TEdit>(F, "E", "", 24, 24, 97, 21);
    Add<TButton>(F, "B", "Go", 24, 80);
}

std::string DefLine(const TDesignerSession& S, const std::string& Name) {
    const std::string Def = ReadFileToString(S.Dir / "window1.def");
    const size_t At = Def.find("\n" + Name + " EQU ");
    return At == std::string::npos ? std::string() : Def.substr(At + 1, Def.find("   ;", At) - At - 1);
}

}  // namespace

TEST(InspectorValues, AColourPickedOrTypedShowsOnTheControlAndStays) {
    TDesignerSession S;
    S.BuildForm(EditAndButton);
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("E"); }});
        co_await S.Click(S.Middle("E"));
        co_await S.PickValue("Color", "clRed");
        EXPECT_EQ(S.ScreenPixel(S.Middle("E")), RGB(255, 0, 0)) << "picked from the list";
        // Selected again, the row shows what was picked.
        co_await S.Click(S.Middle("B"));
        co_await S.Click(S.Middle("E"));
        co_await S.ClickRow("Color");
        EXPECT_EQ(S.EditorText(), "clRed");
        // Typed over the selected text and committed with Enter.
        co_await S.Type("clLime");
        co_await S.Key(VK_RETURN);
        co_await Pause(200);
        EXPECT_EQ(S.ScreenPixel(S.Middle("E")), RGB(0, 255, 0)) << "typed";
        co_await S.CloseDesigned();
    }));
    EXPECT_EQ(TSavedForm(S.FormFile()).Text("E", "Color"), "clLime");
    EXPECT_EQ(DefLine(S, "EColor"), "EColor EQU clLime");
}

TEST(InspectorValues, EveryKindOfValueIsCommittedAndGenerated) {
    TDesignerSession S;
    S.BuildForm(EditAndButton);
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("B"); }});
        co_await S.Click(S.Middle("B"));
        co_await S.TypeValue("Caption", "Hello");
        EXPECT_EQ(S.TextOf(static_cast<TWinControl*>(S.Control("B"))->Handle()), "Hello");
        co_await S.TypeValue("Width", "150");
        RECT R{};
        GetWindowRect(static_cast<TWinControl*>(S.Control("B"))->Handle(), &R);
        EXPECT_EQ(R.right - R.left, 150);
        co_await S.PickValue("Cursor", "crHandPoint");
        // A Boolean row is a check box at the cell's left.
        co_await S.ClickRow("Enabled");
        co_await S.Click(*S.RowPoint("Enabled", 1, 7));
        // The window: an enumeration and one element of a set.
        co_await S.Click(S.Designed()->ClientToScreen({600, 400}));
        co_await S.PickValue("BorderStyle", "bsSingle");
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.RowPoint("BorderIcons", 0).has_value(); }});
        co_await S.DoubleClick(*S.RowPoint("BorderIcons", 0));
        co_await S.ClickRow("biMaximize");
        co_await S.Click(*S.RowPoint("biMaximize", 1, 7));
        co_await S.CloseDesigned();
    }));
    const TSavedForm Saved(S.FormFile());
    EXPECT_EQ(Saved.Text("B", "Caption"), "Hello");
    EXPECT_EQ(Saved.Text("B", "Width"), "150");
    EXPECT_EQ(Saved.Text("B", "Cursor"), "crHandPoint");
    EXPECT_EQ(Saved.Text("B", "Enabled"), "False");
    EXPECT_EQ(Saved.Text("Window1", "BorderStyle"), "bsSingle");
    EXPECT_EQ(Saved.Text("Window1", "BorderIcons"), "[biSystemMenu,biMinimize]");
    EXPECT_EQ(DefLine(S, "BWidth"), "BWidth EQU 150");
    EXPECT_EQ(DefLine(S, "BCursor"), "BCursor EQU crHandPoint");
    EXPECT_EQ(DefLine(S, "BEnabled"), "BEnabled EQU False");
}

TEST(InspectorValues, TheDotsButtonOpensTheDialogOnlyWhereTheRowMayBeEdited) {
    TDesignerSession S;
    S.BuildForm([](TForm* F) {
        auto* M = new TMemo(F);
        M->SetName("M");
        M->SetParent(F);
        M->SetBounds(24, 24, 150, 80);
        M->Lines()->Clear();
    });
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        const std::string Editor = "Editing M.Lines";
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("M"); }});
        co_await S.Click(S.Middle("M"));
        // A read-only row: its dialog does not open.
        S.Inspector()->ReadOnlyProps()->Add("Lines");
        co_await S.ClickRow("Lines");
        SCRIPT_ASSERT(S.EditorButton());
        co_await S.Click(*S.EditorButton());
        const bool Opened = co_await TUntil{[&] { return S.Window(Editor) != nullptr; }, 800};
        EXPECT_FALSE(Opened);
        if (HWND W = S.Window(Editor)) PostMessageA(W, WM_CLOSE, 0, 0);
        // Editable again: the dialog edits the lines.
        S.Inspector()->ReadOnlyProps()->Clear();
        co_await S.ClickRow("Name");
        co_await S.ClickRow("Lines");
        SCRIPT_ASSERT(S.EditorButton());
        co_await S.Click(*S.EditorButton());
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Window(Editor) != nullptr; }});
        RECT D{};
        GetWindowRect(S.Window(Editor), &D);
        co_await S.Click({(D.left + D.right) / 2, (D.top + D.bottom) / 2});
        co_await S.Type("one");
        co_await S.Click(*S.ChildPoint(S.Window(Editor), "OK"));
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Window(Editor) == nullptr; }});
        EXPECT_EQ(S.TextOf(static_cast<TWinControl*>(S.Control("M"))->Handle()), "one\r\n");
        co_await S.CloseDesigned();
    }));
}

TEST(InspectorValues, WhileARowsDialogIsOpenTheDesignedWindowCannotBeClosed) {
    TDesignerSession S;
    S.BuildForm(EditAndButton);
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("E"); }});
        co_await S.Click(S.Middle("E"));
        // A second click soon after the row's editor came is a double click:
        // the colour dialog.
        co_await S.ClickRow("Color");
        co_await S.Click(*S.RowPoint("Color"));
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Box() != nullptr; }});
        // The designed window's close box, clicked while the dialog is open.
        RECT W{};
        GetWindowRect(S.Designed()->Handle(), &W);
        const int Frame = GetSystemMetrics(SM_CYFRAME), Caption = GetSystemMetrics(SM_CYCAPTION);
        co_await S.Click({W.right - Frame - GetSystemMetrics(SM_CXSIZE) / 2, W.top + Frame + Caption / 2});
        co_await Pause(300);
        SCRIPT_ASSERT(S.Designed() && S.Box());
        PostMessageA(S.Box(), WM_COMMAND, IDOK, 0);
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Box() == nullptr; }});
        co_await Pause(200);
        EXPECT_EQ(S.Inspector()->FirstSelected(), S.Control("E"));
        co_await S.CloseDesigned();
    }));
}
