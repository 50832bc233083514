// Renaming a component in the inspector's Name row: its handlers follow the
// new name, in the events inspector, the component drop-down and the saved
// form; an attached code designer has its say on the name.
#include <gtest/gtest.h>

#include "designer/inspector/win/ObjectInspector.h"
#include "framework/rtl/StrUtils.h"
#include "tests/designer/host/user/win/DesignedFormFile.h"
#include "tests/designer/host/user/win/DesignerSession.h"
#include "tests/fakes/IdleCodeDesigner.h"

namespace {

void BuildButtonForm(TDesignerSession& S) {
    S.BuildForm([](TForm* W) {
        auto* B = PlaceControl<TButton>(W, "Button2", 40, 40, 100, 30);
        auto* E = PlaceControl<TEdit>(W, "Edit1", 40, 120, 120, 24);
        SetMethodProp(B, "OnClick", TMethod{W, "Button2Click", {}});
        SetMethodProp(E, "OnClick", TMethod{W, "Button2Click", {}});
    });
}

std::string ComboText(TDesignerSession& S) { return S.TextOf(S.Host()->ComboBox1->Handle()); }

// A code designer for assembly source: a mnemonic cannot name anything.
class TMnemonicCode : public TIdleCodeDesigner {
public:
    bool IsValidName(const std::string& Name) override { return !SameText(Name, "mov"); }
    void Renamed(TComponent*, const std::string& CurName, const std::string& NewName) override {
        Heard.push_back(CurName + ">" + NewName);
    }
    std::vector<std::string> Heard;
};

}  // namespace

TEST(DesignerRename, HandlersFollowTheNewName) {
    TDesignerSession S;
    BuildButtonForm(S);
    std::string EventText;
    EXPECT_TRUE(S.Run([&](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Button2") != nullptr; }});
        co_await S.Click(S.Middle("Button2"));
        SCRIPT_ASSERT(co_await TUntil{[&] { return ComboText(S) == "Button2 : Button"; }});
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.RowPoint("Name").has_value(); }});
        co_await S.Click(*S.RowPoint("Name"));
        co_await S.TypeOver("OkButton");
        co_await S.Key(VK_RETURN);
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("OkButton") != nullptr; }});
        EXPECT_TRUE(co_await TUntil{[&] { return ComboText(S) == "OkButton : Button"; }}) << ComboText(S);
        co_await S.Click(S.TabPoint(S.Host()->PageControl2, 1));
        TObjectInspector* Events = S.Host()->events_inspector;
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.RowPoint(Events, "OnClick").has_value(); }});
        co_await S.Click(*S.RowPoint(Events, "OnClick"));
        co_await TUntil{[&] { return IsChild(Events->Handle(), GetFocus()); }};
        EventText = S.TextOf(GetFocus());
        co_await S.CloseDesigned();
    }));
    EXPECT_EQ(EventText, "OkButtonClick");
    const TSavedForm Saved(S.FormFile());
    ASSERT_NE(Saved.Find("OkButton"), nullptr);
    EXPECT_EQ(GetMethodProp(Saved.Find("OkButton"), "OnClick").Name, "OkButtonClick");
    EXPECT_EQ(GetMethodProp(Saved.Find("Edit1"), "OnClick").Name, "OkButtonClick");
}

TEST(DesignerRename, CodeDesignerRefusesNamesAndAnEmptyFormName) {
    TDesignerSession S;
    BuildButtonForm(S);
    TMnemonicCode Code;
    std::vector<std::string> Refusals;
    EXPECT_TRUE(S.Run([&](TDesignerSession& S) -> TUserScript {
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("Button2") != nullptr; }});
        // No user can attach one: the host has no code editor.
        S.Host()->DesignerComponent->SetCodeDesigner(&Code);
        // A mnemonic for the button, nothing for the form.
        for (const std::string Target : {"Button2", "Window1"}) {
            const bool Form = Target == "Window1";
            co_await S.Click(Form ? S.Designed()->ClientToScreen({400, 300}) : S.Middle(Target));
            SCRIPT_ASSERT(co_await TUntil{[&] { return ComboText(S).rfind(Target, 0) == 0; }});
            SCRIPT_ASSERT(co_await TUntil{[&] { return S.RowPoint("Name").has_value(); }});
            // The in-place editor left on the Name row does not take the
            // focus from the designed window: the row is entered anew.
            co_await S.Click(*S.RowPoint("Caption"));
            co_await S.Click(*S.RowPoint("Name"));
            SCRIPT_ASSERT(co_await TUntil{[&] { return S.TextOf(GetFocus()) == Target; }});
            co_await S.TypeOver(Form ? "" : "mov");
            if (Form) co_await S.Key(VK_DELETE);
            co_await S.Key(VK_RETURN);
            SCRIPT_ASSERT(co_await TUntil{[&] { return S.Box() != nullptr; }});
            Refusals.push_back(S.BoxText(S.Box()));
            co_await S.Key(VK_RETURN);
            SCRIPT_ASSERT(co_await TUntil{[&] { return S.Box() == nullptr; }});
            EXPECT_NE(S.Control(Target), nullptr) << Target;
        }
        co_await S.Click(S.Middle("Button2"));
        SCRIPT_ASSERT(co_await TUntil{[&] { return ComboText(S) == "Button2 : Button"; }});
        co_await S.Click(*S.RowPoint("Caption"));
        co_await S.Click(*S.RowPoint("Name"));
        co_await S.TypeOver("OkButton");
        co_await S.Key(VK_RETURN);
        SCRIPT_ASSERT(co_await TUntil{[&] { return S.Control("OkButton") != nullptr; }});
        S.Host()->DesignerComponent->SetCodeDesigner(nullptr);
        co_await S.CloseDesigned();
    }));
    // The application's box ends a message with a full stop.
    EXPECT_EQ(Refusals, (std::vector<std::string>{"'mov' is not a valid name.", "Form name can not be empty."}));
    EXPECT_EQ(Code.Heard, std::vector<std::string>{"Button2>OkButton"});
}
