// The Size dialog as a person uses it: its edits are seen, reached with
// the mouse and Tab, and the typed size reaches the control.
#include <gtest/gtest.h>

#include "tests/common/win/KeyInput.h"
#include "tests/designer/host/user/win/DesignerSession.h"

namespace {

TForm* OpenForm(const std::string& Name) {
    for (int I = 0; I < Screen->FormCount(); ++I)
        if (auto* F = dynamic_cast<TForm*>(Screen->Forms(I)); F && F->Name() == Name && F->Visible()) return F;
    return nullptr;
}

}  // namespace

TEST(SizeDialog, AnExactSizeIsTypedInItsEdits) {
    TDesignerSession S;
    S.BuildForm([](TForm* F) { Add<TButton>(F, "Button1", "One", 24, 24); });
    ASSERT_TRUE(S.Run([](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Button1"); }});
        co_await S.Click(S.Middle("Button1"));
        co_await S.RightClick(S.Middle("Button1"));
        co_await S.Key('S');  // &Size...
        SCRIPT_ASSERT(co_await TUntil{[] { return OpenForm("SizeForm"); }});
        TForm* Dialog = OpenForm("SizeForm");
        co_await Pause(300);
        auto* Width = static_cast<TWinControl*>(Dialog->FindComponent("SizeWidth"));
        auto* Height = static_cast<TWinControl*>(Dialog->FindComponent("SizeHeight"));
        for (TWinControl* E : {Width, Height}) {
            const TPoint M = S.Middle(E);
            EXPECT_EQ(WindowFromPoint({M.X, M.Y}), E->Handle()) << E->Name() << " is seen";
        }
        co_await S.Click(S.Middle(Width));
        co_await S.Key(VK_END);
        co_await S.Key(VK_BACK);
        co_await S.Type("120");
        co_await S.Key(VK_TAB);
        EXPECT_EQ(GetFocus(), Height->Handle()) << "Tab reaches the height";
        co_await S.Key(VK_END);
        co_await S.Key(VK_BACK);
        co_await S.Type("40");
        co_await S.Key(VK_RETURN);
        SCRIPT_ASSERT(co_await TUntil{[] { return !OpenForm("SizeForm"); }});
        EXPECT_EQ(S.Control("Button1")->Width(), 120);
        EXPECT_EQ(S.Control("Button1")->Height(), 40);
        co_await Pause(300);
        EXPECT_EQ(S.TextOf(S.Host()->ComboBox1->Handle()), "Button1 : Button") << "the inspector names the control";
        co_await S.CloseDesigned();
    }));
}
