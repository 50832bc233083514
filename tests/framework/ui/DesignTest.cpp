// A live form in design mode with a fake designer: the designer sees the
// messages of the designed controls before they do.
#include <gtest/gtest.h>

#include <memory>

#include "UiTestSupport.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/framework/design/FakeDesigner.h"

bool TFakeDesigner::IsDesignMessage(TControl* Sender, TMessage& Message) {
    Seen.push_back({Sender, Message.Msg});
    return Consume && Consume(Sender, Message.Msg);
}

namespace {

class DesignTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form.reset(new TForm(nullptr));
        Form->SetBounds(50, 50, 300, 200);
        Label = new TLabel(Form.get());
        Label->SetParent(Form.get());
        Label->SetBounds(10, 10, 60, 20);
        Button = new TButton(Form.get());
        Button->SetParent(Form.get());
        Button->SetBounds(10, 60, 80, 25);
        Button->SetEnabled(false);
        Form->SetDesigning(true);
        Designer.Root = Form.get();
        Designer.SetForm(Form.get());
        Form->SetDesigner(&Designer);
        Form->Show();
        Pump();
    }
    void TearDown() override {
        if (Form) Form->SetDesigner(nullptr);
        Form.reset();
        Pump();
    }
    bool SawFrom(TControl* Sender, uint32_t Msg) const {
        for (const auto& S : Designer.Seen)
            if (S.Sender == Sender && S.Msg == Msg) return true;
        return false;
    }

    std::unique_ptr<TForm, TObjectFree> Form;
    TLabel* Label = nullptr;
    TButton* Button = nullptr;
    TFakeDesigner Designer;
};

}  // namespace

TEST_F(DesignTest, CloseKeysAndPaintReachTheDesignerFirst) {
    Designer.Consume = [](TControl*, uint32_t Msg) { return Msg == WM_CLOSE || Msg == WM_KEYDOWN; };
    int Keys = 0;
    Form->SetKeyPreview(true);
    Form->OnKeyDown = [&](TObject*, uint16_t&, TShiftState) { ++Keys; };

    SendMessageA(Form->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(SawFrom(Form.get(), WM_CLOSE));
    EXPECT_TRUE(IsWindowVisible(Form->Handle()));  // the form did not close itself

    SendMessageA(Form->Handle(), WM_KEYDOWN, VK_DELETE, 0);
    EXPECT_TRUE(SawFrom(Form.get(), WM_KEYDOWN));
    EXPECT_EQ(Keys, 0);

    // A paint the designer lets through paints the designer's grid.
    Designer.GridPaints = 0;
    InvalidateRect(Form->Handle(), nullptr, TRUE);
    UpdateWindow(Form->Handle());
    EXPECT_TRUE(SawFrom(Form.get(), WM_PAINT));
    EXPECT_GT(Designer.GridPaints, 0);
    // One it takes is never painted by the form.
    Designer.Consume = [&](TControl*, uint32_t Msg) {
        if (Msg != WM_PAINT) return false;
        ValidateRect(Form->Handle(), nullptr);
        return true;
    };
    Designer.GridPaints = 0;
    InvalidateRect(Form->Handle(), nullptr, TRUE);
    UpdateWindow(Form->Handle());
    EXPECT_EQ(Designer.GridPaints, 0);
}

TEST_F(DesignTest, ClicksReachWindowlessAndDisabledControls) {
    Designer.Consume = [](TControl*, uint32_t Msg) { return Msg == WM_LBUTTONDOWN || Msg == WM_LBUTTONUP; };
    Label->SetEnabled(false);
    // A click over the label reaches the designer with the label as its target.
    SendMessageA(Form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 15));
    EXPECT_TRUE(SawFrom(Label, WM_LBUTTONDOWN));
    EXPECT_FALSE(SawFrom(Form.get(), WM_LBUTTONDOWN));

    // The disabled button kept an enabled window, so it can be clicked.
    ASSERT_TRUE(Button->HandleAllocated());
    EXPECT_TRUE(IsWindowEnabled(Button->Handle()));
    Button->SetEnabled(true);
    Button->SetEnabled(false);
    EXPECT_TRUE(IsWindowEnabled(Button->Handle()));
    SendMessageA(Button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(SawFrom(Button, WM_LBUTTONDOWN));

    // Out of design mode the button is a disabled window again.
    Form->SetDesigning(false);
    Button->SetEnabled(true);
    Button->SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(Button->Handle()));
}

TEST_F(DesignTest, RenamesAndInsertionsAreReported) {
    Button->SetName("OkButton");
    EXPECT_EQ(Designer.Renames, std::vector<std::string>{">OkButton"});
    EXPECT_EQ(Button->Caption(), "OkButton");  // the caption followed the name
    auto* Edit = new TEdit(Form.get());
    Edit->SetName("Edit1");
    EXPECT_EQ(Designer.Notifications.back(), "+");  // inserted before it had a name
    EXPECT_EQ(Designer.Renames.back(), ">Edit1");
    EXPECT_EQ(Edit->Text(), "Edit1");
    auto* List = new TListBox(Form.get());
    List->SetName("ListBox1");
    EXPECT_EQ(List->Text(), "");  // a list box has no caption to follow
}

TEST_F(DesignTest, FreeingAFormCallsTheHookBeforeOnDestroy) {
    static std::vector<std::string> Calls;
    Calls.clear();
    Form->OnDestroy = [](TObject*) { Calls.push_back("OnDestroy"); };
    FormBeforeDestructionHook = [](TCustomForm* F) { Calls.push_back("hook " + F->Name()); };
    Form->SetName("Designed");
    Form->SetDesigner(nullptr);
    Form.reset();
    FormBeforeDestructionHook = nullptr;
    EXPECT_EQ(Calls, (std::vector<std::string>{"hook Designed", "OnDestroy"}));
}
