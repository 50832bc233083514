// The handler names of a form that was saved and opened again are the
// designer's own: the events drop-down lists them, typing one of them into
// another event binds that event to it, and the form file keeps no names
// of the host's handlers.
#include <gtest/gtest.h>

#include "designer/inspector/win/OInplaceEdit.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "tests/common/win/KeyInput.h"
#include "tests/designer/host/user/win/DesignedFormFile.h"
#include "tests/designer/host/user/win/DesignerSession.h"

TEST(DesignerHandlerNames, AReopenedFormKnowsItsHandlers) {
    TDesignerSession S;
    S.BuildForm([](TForm* W) {
        auto* B = PlaceControl<TButton>(W, "Button1", 40, 40, 100, 30);
        auto* E = PlaceControl<TEdit>(W, "Edit1", 40, 120, 120, 24);
        SetMethodProp(B, "OnClick", TMethod{W, "Button1Click", {}});
        SetMethodProp(E, "OnClick", TMethod{W, "Edit1Click", {}});
        SetMethodProp(E, "OnDblClick", TMethod{W, "Edit1Click", {}});
    });
    std::vector<std::string> Offered;
    EXPECT_TRUE(S.Run([&](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Edit1") != nullptr; }});
        co_await S.Click(S.Middle("Edit1"));
        co_await S.Click(S.TabPoint(S.Host()->PageControl2, 1));
        TObjectInspector* Events = S.Host()->events_inspector;
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.RowPoint(Events, "OnClick").has_value(); }});
        co_await S.Click(*S.RowPoint(Events, "OnClick"));
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.TextOf(GetFocus()) == "Edit1Click"; }});
        co_await S.Key(VK_DOWN, kmAlt);
        auto DroppedList = [&]() -> HWND {
            TWinControl* List = Events->InplaceEditor() ? Events->InplaceEditor()->Popup() : nullptr;
            return List && List->HandleAllocated() && IsWindowVisible(List->Handle()) ? List->Handle() : nullptr;
        };
        SCRIPT_ASSERT(co_await TUntil{[&] { return DroppedList() != nullptr; }});
        Offered = S.ListItems(DroppedList());
        co_await S.Key(VK_ESCAPE);
        co_await S.TypeOver("Button1Click");
        co_await S.Key(VK_RETURN);
        co_await Pause(200);
        co_await S.CloseDesigned();
    }));
    EXPECT_EQ(Offered, (std::vector<std::string>{"Button1Click", "Edit1Click"}));
    const TSavedForm Saved(S.FormFile());
    EXPECT_EQ(GetMethodProp(Saved.Find("Edit1"), "OnClick").Name, "Button1Click");
    EXPECT_EQ(GetMethodProp(Saved.Find("Edit1"), "OnDblClick").Name, "Edit1Click");
    EXPECT_EQ(GetMethodProp(Saved.Find("Button1"), "OnClick").Name, "Button1Click");
    // The host's own handlers on the window and its designer component are
    // none of the form's: the next run would list them.
    EXPECT_EQ(GetMethodProp(Saved.Form(), "OnActivate").Name, "");
    EXPECT_EQ(GetMethodProp(Saved.Find("Tarns"), "OnSelectionChanged").Name, "");
}
