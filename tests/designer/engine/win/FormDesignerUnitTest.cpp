// The engine's start and end: design mode ends before a designed form is
// freed, the designer components' thread hook, and the designer actions.
#include <gtest/gtest.h>

#include <memory>

#include "designer/engine/win/FormDesignerUnit.h"
#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/support/MessageBus.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/win/Pump.h"

namespace {

// Counts the hook's messages; answers them when told to.
class THookProbe : public TObject {
public:
    int Seen = 0;
    bool Answer = false;
    void DefaultHandler(void* Message) override {
        auto* M = static_cast<TZelMessage*>(Message);
        if (M->Msg != DesignerHookMessage || !M->WParam) return;
        ++Seen;
        if (Answer) M->Result = 1;
    }
};

}  // namespace

TEST(FormDesignerUnit, FreeingADesignedFormEndsDesignModeFirst) {
    StartFormDesignerUnit();
    auto Designer = std::make_unique<TZelFormDesigner>();
    int Changes = 0;
    {
        std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
        Form->SetName("Form1");
        Designer->SetForm(Form.get());
        Designer->SetActive(true);
        Designer->OnActiveChanged = [&] { ++Changes; };
    }
    EXPECT_FALSE(Designer->Active());
    EXPECT_EQ(Changes, 1);
    Designer->SetForm(nullptr);
    EndFormDesignerUnit();
    EXPECT_EQ(FormBeforeDestructionHook, nullptr);
}

TEST(FormDesignerUnit, DesignerComponentsHearTheThreadUntilOneAnswers) {
    THookProbe First, Second;
    RegisterDesignerComponent(&First);
    RegisterDesignerComponent(&Second);
    ASSERT_TRUE(DesignerHookInstalled());
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    SendMessageA(Form->Handle(), WM_NULL, 0, 0);
    EXPECT_GT(First.Seen, 0);
    EXPECT_GT(Second.Seen, 0);
    First.Answer = true;
    const int SecondBefore = Second.Seen;
    SendMessageA(Form->Handle(), WM_NULL, 0, 0);
    EXPECT_EQ(Second.Seen, SecondBefore);
    UnregisterDesignerComponent(&First);
    UnregisterDesignerComponent(&Second);
    EXPECT_FALSE(DesignerHookInstalled());
}

TEST(FormDesignerUnit, ActionsActOnTheTopmostDesignedForm) {
    ASSERT_EQ(DesignerActionCount(), 16);
    EXPECT_EQ(DesignerActionName(0), "Designer.AlignLeftEdges");
    EXPECT_EQ(DesignerActionName(15), "Designer.ChangeLockControls");
    EXPECT_FALSE(DesignerActionEnabled("Designer.AlignTops"));  // no designed form

    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    Form->SetName("Form1");
    Form->SetBounds(30, 30, 300, 200);
    auto* A = new TButton(Form.get());
    A->SetName("A");
    A->SetParent(Form.get());
    A->SetBounds(10, 10, 50, 20);
    auto* B = new TButton(Form.get());
    B->SetName("B");
    B->SetParent(Form.get());
    B->SetBounds(100, 50, 50, 20);
    auto Designer = std::make_unique<TZelFormDesigner>();
    Designer->SetForm(Form.get());
    Designer->SetActive(true);
    Form->Show();
    Pump();
    TDesignerSelectionList Both;
    Both.Add(A);
    Both.Add(B);
    Designer->SetSelectedComponents(&Both);
    ASSERT_EQ(ActiveFormDesigner(), Designer.get());
    EXPECT_TRUE(ExecuteDesignerAction("Designer.AlignTops"));
    EXPECT_EQ(B->Top(), 10);
    EXPECT_TRUE(ExecuteDesignerAction("Designer.ChangeLockControls"));
    EXPECT_TRUE(DesignerActionChecked("Designer.ChangeLockControls"));
    ExecuteDesignerAction("Designer.AlignLeftEdges");  // locked: nothing moves
    EXPECT_EQ(B->Left(), 100);
    Designer->SetActive(false);
    Designer.reset();
    Form.reset();
    Pump();
}
