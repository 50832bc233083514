// Clicks, Shift+clicks and the rubber band select only what the designer's
// limits let be selected; the hint names the control under the mouse.
#include <gtest/gtest.h>

#include "designer/engine/win/LiteDesigner.h"
#include "tests/common/win/KeyInput.h"
#include "tests/designer/host/user/win/DesignerSession.h"

namespace {

// Whether the grab handles on show are the eight of that control alone.
bool HandlesAround(TControl* C) {
    const std::vector<TRect> Handles = TDesignerSession::GrabHandles();
    const TPoint O = C->ClientToScreen({0, 0});
    TRect Around{O.X - 8, O.Y - 8, O.X + C->Width() + 8, O.Y + C->Height() + 8};
    for (const TRect& R : Handles)
        if (R.Left < Around.Left || R.Top < Around.Top || R.Right > Around.Right || R.Bottom > Around.Bottom)
            return false;
    return Handles.size() == 8;
}

}  // namespace

TEST(DesignerClickLimits, OnlyWhatMayBeSelectedIsSelected) {
    TDesignerSession S;
    S.BuildForm([](TForm* W) {
        PlaceControl<TButton>(W, "Button1", 40, 40, 100, 30);
        PlaceControl<TEdit>(W, "Edit1", 40, 120, 120, 24);
    });
    EXPECT_TRUE(S.Run([&](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Button1") != nullptr; }});
        // A program that hosts the designer may keep a control from being
        // shown as designable; the host itself sets no limits.
        auto* Limit = static_cast<TLimitInfoItem*>(S.Host()->DesignerComponent->LimitInfos()->Add());
        Limit->SetComponent(S.Control("Button1"));
        Limit->SetAllowedActions(AllActionTypes - TActionTypes{atShow});
        auto Combo = [&] { return S.TextOf(S.Host()->ComboBox1->Handle()); };

        co_await S.Click(S.Middle("Button1"));
        co_await Pause(200);
        EXPECT_EQ(Combo(), "Window1 : Form");
        EXPECT_TRUE(S.GrabHandles().empty());

        co_await S.Click(S.Middle("Edit1"));
        SCRIPT_ASSERT(co_await TUntil{[&] { return Combo() == "Edit1 : Edit"; }});
        co_await S.ClickWith(S.Middle("Button1"), kmShift);
        co_await Pause(200);
        EXPECT_TRUE(HandlesAround(S.Control("Edit1"))) << "after Shift+click";

        co_await S.Drag(S.Designed()->ClientToScreen({16, 16}), S.Designed()->ClientToScreen({220, 180}));
        co_await Pause(200);
        EXPECT_TRUE(HandlesAround(S.Control("Edit1"))) << "after the rubber band";

        // The hint goes with the mouse over a control, and away over the form.
        for (const char* Name : {"Edit1", "Button1"}) {
            co_await S.Hover(S.Middle(Name));
            const std::string Hint = std::string(Name) + ": T" + (Name == std::string("Edit1") ? "Edit" : "Button");
            EXPECT_TRUE((co_await TUntil{[&] { return S.WindowTitled(Hint.c_str()) != nullptr; }, 1500})) << Hint;
        }
        co_await S.Hover(S.Designed()->ClientToScreen({400, 300}));
        EXPECT_TRUE((co_await TUntil{[&] { return S.WindowTitled("Button1: TButton") == nullptr; }, 1500}));
        co_await S.CloseDesigned();
    }));
}
