#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "framework/rtl/Exceptions.h"
#include "framework/uicore/Hotkeys.h"

namespace {

class ControlsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(50, 50, 400, 300);
        Form->SetCaption("Controls test");
    }
    void TearDown() override {
        Form->Free();
        Pump();
    }
    TProbeControl* AddProbe(const std::string& Name, int Left) {
        auto* C = new TProbeControl(Form);
        C->SetName(Name);
        C->SetParent(Form);
        C->SetLeft(Left);
        return C;
    }
    TForm* Form = nullptr;
};

}  // namespace

TEST_F(ControlsTest, RecreatingTheWindowKeepsTheState) {
    auto* Probe = AddProbe("Probe", 10);
    auto* Inner = new TProbeControl(Form);
    Inner->SetParent(Probe);
    Form->Show();
    Pump();
    Probe->SetText("hello");
    Probe->SetBounds(12, 14, 60, 30);
    Probe->SetEnabled(false);
    Probe->SetColor(clYellow);
    SetWindowTextA(Probe->Handle(), "typed by the user");
    HWND Old = Probe->Handle();
    Probe->RecreateWnd();
    Pump();
    EXPECT_NE(Probe->Handle(), Old);
    EXPECT_FALSE(IsWindow(Old));
    EXPECT_EQ(Probe->Text(), "typed by the user");
    EXPECT_EQ(Probe->BoundsRect(), Bounds(12, 14, 60, 30));
    EXPECT_FALSE(IsWindowEnabled(Probe->Handle()));
    EXPECT_TRUE(IsWindowVisible(Probe->Handle()));
    EXPECT_EQ(Probe->Color(), clYellow);
    ASSERT_TRUE(Inner->HandleAllocated());
    EXPECT_EQ(GetParent(Inner->Handle()), Probe->Handle());
    EXPECT_EQ(Probe->CreatedWindows, 2);
    EXPECT_EQ(FindControl(Probe->Handle()), Probe);
}

TEST_F(ControlsTest, DestroyHandleThenUseMakesTheWindowAgain) {
    auto* Probe = AddProbe("Probe", 10);
    Form->Show();
    Pump();
    Probe->SetText("kept");
    Probe->DestroyHandle();
    EXPECT_FALSE(Probe->HandleAllocated());
    EXPECT_EQ(Probe->Text(), "kept");
    EXPECT_TRUE(IsWindow(Probe->Handle()));
    char Buf[32] = {};
    GetWindowTextA(Probe->Handle(), Buf, sizeof Buf);
    EXPECT_STREQ(Buf, "kept");
}

TEST_F(ControlsTest, ChildWithoutParentWindowCannotBeCreated) {
    TProbeControl Orphan(nullptr);
    EXPECT_THROW(Orphan.Handle(), EInvalidOperation);
}

TEST_F(ControlsTest, TabMovesFocusInTabOrder) {
    auto* A = AddProbe("A", 0);
    auto* B = AddProbe("B", 60);
    auto* C = AddProbe("C", 120);
    C->SetTabOrder(0);  // C, A, B
    EXPECT_EQ(A->TabOrder(), 1);
    Form->Show();
    Pump();
    C->SetFocus();
    Pump();
    ASSERT_TRUE(C->Focused());
    EXPECT_EQ(Form->ActiveControl(), C);
    EXPECT_EQ(Screen->ActiveControl(), C);
    // The key goes through the message loop as a person's would.
    PostMessageA(C->Handle(), WM_KEYDOWN, VK_TAB, 0x000F0001);
    Pump();
    EXPECT_TRUE(A->Focused());
    EXPECT_EQ(A->Enters, 1);
    Form->SelectNext(A, true, true);
    Pump();
    EXPECT_TRUE(B->Focused());
    Form->SelectNext(B, true, true);  // wraps around
    Pump();
    EXPECT_TRUE(C->Focused());
    B->SetTabStop(false);
    Form->SelectNext(A, true, true);
    Pump();
    EXPECT_TRUE(C->Focused());
}

TEST_F(ControlsTest, AControlAskingForTabKeepsIt) {
    auto* A = AddProbe("A", 0);
    auto* B = AddProbe("B", 60);
    A->DlgCode = DLGC_WANTTAB;
    Form->Show();
    Pump();
    A->SetFocus();
    Pump();
    PostMessageA(A->Handle(), WM_KEYDOWN, VK_TAB, 0x000F0001);
    Pump();
    EXPECT_TRUE(A->Focused());
    ASSERT_FALSE(A->KeysDown.empty());
    EXPECT_EQ(A->KeysDown.back(), VK_TAB);
    // Arrows are not asked for: they move to the next control.
    PostMessageA(A->Handle(), WM_KEYDOWN, VK_DOWN, 0x01500001);
    Pump();
    EXPECT_TRUE(B->Focused());
    B->DlgCode = DLGC_WANTARROWS;
    PostMessageA(B->Handle(), WM_KEYDOWN, VK_UP, 0x01480001);
    Pump();
    EXPECT_TRUE(B->Focused());
}

TEST_F(ControlsTest, CannotFocusAHiddenControl) {
    auto* A = AddProbe("A", 0);
    Form->Show();
    Pump();
    A->Hide();
    EXPECT_FALSE(A->CanFocus());
    EXPECT_THROW(A->SetFocus(), EInvalidOperation);
}

TEST_F(ControlsTest, WindowlessControlGetsMouseAndCapture) {
    auto* G = new TProbeGraphic(Form);
    G->SetParent(Form);
    G->SetBounds(20, 30, 40, 40);
    int Clicks = 0;
    G->OnClick = [&](TObject*) { ++Clicks; };
    SetCursorPos(0, 0);  // the real mouse stays out of the way
    Form->Show();
    Pump();
    G->Events.clear();
    HWND W = Form->Handle();
    SendMessageA(W, WM_LBUTTONDOWN, MK_LBUTTON, Pt(25, 35));
    ASSERT_FALSE(G->Events.empty());
    EXPECT_EQ(G->Events.back().Kind, "down");
    EXPECT_EQ(G->Events.back().X, 5);
    EXPECT_EQ(G->Events.back().Y, 5);
    EXPECT_EQ(GetCaptureControl(), G);
    // While captured, moves outside its bounds still reach it.
    SendMessageA(W, WM_MOUSEMOVE, MK_LBUTTON, Pt(200, 200));
    EXPECT_EQ(G->Events.back().Kind, "move");
    EXPECT_EQ(G->Events.back().X, 180);
    SendMessageA(W, WM_LBUTTONUP, 0, Pt(30, 40));
    EXPECT_EQ(G->Events.back().Kind, "up");
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(GetCaptureControl(), nullptr);
    // Released outside: no click.
    SendMessageA(W, WM_LBUTTONDOWN, MK_LBUTTON, Pt(25, 35));
    SendMessageA(W, WM_LBUTTONUP, 0, Pt(300, 200));
    EXPECT_EQ(Clicks, 1);
    // Outside the control the form gets the mouse.
    size_t Before = G->Events.size();
    SendMessageA(W, WM_MOUSEMOVE, 0, Pt(300, 200));
    EXPECT_EQ(G->Events.size(), Before);
}

TEST_F(ControlsTest, WindowlessControlIsPaintedByItsParent) {
    auto* G = new TProbeGraphic(Form);
    G->SetParent(Form);
    G->SetBounds(10, 10, 30, 30);
    Form->Show();
    Pump();
    G->Repaint();
    EXPECT_GT(G->Paints, 0);
    HDC DC = GetDC(Form->Handle());
    EXPECT_EQ(GetPixel(DC, 20, 20), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(DC, 50, 50), RGB(255, 0, 0));
    ReleaseDC(Form->Handle(), DC);
}

TEST_F(ControlsTest, ExceptionInAHandlerReachesHandleException) {
    auto* Probe = AddProbe("Probe", 0);
    Probe->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) { throw Exception("boom in handler"); };
    std::vector<std::string> Caught;
    Application->OnException = [&](TObject*, const std::exception& E) { Caught.push_back(E.what()); };
    Form->Show();
    Pump();
    PostMessageA(Probe->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(2, 2));
    PostMessageA(Probe->Handle(), WM_LBUTTONUP, 0, Pt(2, 2));
    Pump();
    Application->OnException = nullptr;
    ASSERT_EQ(Caught.size(), 1u);
    EXPECT_EQ(Caught[0], "boom in handler");
    // The program goes on: the control still answers.
    EXPECT_EQ(Probe->Perform(WM_GETDLGCODE, 0, 0), 0);
}

TEST_F(ControlsTest, WithoutAHookTheExceptionIsShownAsAMessageBox) {
    auto* Probe = AddProbe("Probe", 0);
    Probe->OnMouseDown = [](TObject*, TMouseButton, TShiftState, int, int) { throw EConvertError("Bad number"); };
    std::vector<TDialogRequest> Boxes;
    auto Old = SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Boxes.push_back(R);
        return IDOK;
    });
    Form->Show();
    Pump();
    SendMessageA(Probe->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(2, 2));
    SetModalDialogHook(Old);
    ASSERT_EQ(Boxes.size(), 1u);
    EXPECT_EQ(Boxes[0].Kind, dkMessageBox);
    EXPECT_EQ(Boxes[0].Text, "Bad number.");
    EXPECT_EQ(Boxes[0].Caption, Application->Title());
}

TEST_F(ControlsTest, PerformLetsExceptionsReachTheCaller) {
    auto* Probe = AddProbe("Probe", 0);
    Probe->OnClick = [](TObject*) { throw EAbort("stop"); };
    Probe->SetControlStyle(Probe->ControlStyle() + TControlStyle{csClickEvents});
    Form->Show();
    Pump();
    Probe->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pt(1, 1));
    EXPECT_THROW(Probe->Perform(WM_LBUTTONUP, 0, Pt(1, 1)), EAbort);
}

TEST_F(ControlsTest, AlignFillsTheClientAreaInOrder) {
    Form->SetClientWidth(300);
    Form->SetClientHeight(200);
    Form->Show();
    Pump();
    TRect Client = Form->ClientRect();
    auto* Top = AddProbe("Top", 0);
    Top->SetHeight(20);
    Top->SetAlign(alTop);
    auto* Left = AddProbe("Left", 0);
    Left->SetWidth(30);
    Left->SetAlign(alLeft);
    auto* Bottom = AddProbe("Bottom", 0);
    Bottom->SetHeight(10);
    Bottom->SetAlign(alBottom);
    auto* Rest = AddProbe("Rest", 0);
    Rest->SetAlign(alClient);
    EXPECT_EQ(Top->BoundsRect(), Rect(0, 0, Client.Right, 20));
    EXPECT_EQ(Bottom->BoundsRect(), Rect(0, Client.Bottom - 10, Client.Right, Client.Bottom));
    EXPECT_EQ(Left->BoundsRect(), Rect(0, 20, 30, Client.Bottom - 10));
    EXPECT_EQ(Rest->BoundsRect(), Rect(30, 20, Client.Right, Client.Bottom - 10));
    // The form grows: the aligned controls follow.
    Form->SetClientWidth(Client.Right + 50);
    Pump();
    EXPECT_EQ(Rest->Width(), Client.Right + 50 - 30);
    Top->Hide();
    EXPECT_EQ(Left->Top(), 0);
}

TEST_F(ControlsTest, ParentPropertiesFlowToChildrenUntilSetOwn) {
    auto* Probe = AddProbe("Probe", 0);
    Form->SetColor(clAqua);
    EXPECT_EQ(Probe->Color(), clAqua);
    EXPECT_TRUE(Probe->ParentColor());
    Form->Font()->SetSize(14);
    EXPECT_EQ(Probe->Font()->Size(), 14);
    EXPECT_TRUE(Probe->ParentFont());
    Probe->Font()->SetStyle({fsBold});
    EXPECT_FALSE(Probe->ParentFont());
    Form->Font()->SetSize(9);
    EXPECT_EQ(Probe->Font()->Size(), 14);
    Probe->SetColor(clRed);
    Form->SetColor(clGreen);
    EXPECT_EQ(Probe->Color(), clRed);
    Probe->SetParentColor(true);
    EXPECT_EQ(Probe->Color(), clGreen);
    Form->SetShowHint(true);
    EXPECT_TRUE(Probe->ShowHint());
    EXPECT_TRUE(Probe->Saw(CM_PARENTCOLORCHANGED));
    EXPECT_TRUE(Probe->Saw(CM_COLORCHANGED));
    EXPECT_TRUE(Probe->Saw(CM_PARENTFONTCHANGED));
    EXPECT_TRUE(Probe->Saw(CM_FONTCHANGED));
}

TEST_F(ControlsTest, NotificationsOfStateChanges) {
    auto* Probe = AddProbe("Probe", 0);
    auto* Child = new TProbeControl(Form);
    Child->SetParent(Probe);
    EXPECT_TRUE(Probe->Saw(CM_CONTROLLISTCHANGE));
    Probe->Seen.clear();
    Probe->SetEnabled(false);
    Probe->SetVisible(false);
    Probe->SetText("x");
    Probe->SetCtl3D(false);
    EXPECT_TRUE(Probe->Saw(CM_ENABLEDCHANGED));
    EXPECT_TRUE(Probe->Saw(CM_VISIBLECHANGED));
    EXPECT_TRUE(Probe->Saw(CM_TEXTCHANGED));
    EXPECT_TRUE(Probe->Saw(CM_CTL3DCHANGED));
    EXPECT_TRUE(Child->Saw(CM_PARENTCTL3DCHANGED));
    Form->Perform(WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_TRUE(Child->Saw(CM_SYSCOLORCHANGE));
}

TEST_F(ControlsTest, FocusChangeIsBroadcastAndEnterExitFire) {
    auto* A = AddProbe("A", 0);
    auto* B = AddProbe("B", 60);
    int Exits = 0;
    A->OnExit = [&](TObject*) { ++Exits; };
    Form->Show();
    Pump();
    A->SetFocus();
    Pump();
    B->Seen.clear();
    B->SetFocus();
    Pump();
    EXPECT_EQ(Exits, 1);
    EXPECT_TRUE(B->Saw(CM_FOCUSCHANGED));
    EXPECT_TRUE(B->Saw(CM_ENTER));
}

TEST_F(ControlsTest, ClientAndScreenCoordinates) {
    auto* Probe = AddProbe("Probe", 0);
    Probe->SetBounds(10, 20, 50, 20);
    auto* G = new TProbeGraphic(Form);
    G->SetParent(Probe);
    G->SetBounds(3, 4, 10, 10);
    Form->Show();
    Pump();
    TPoint FormOrigin = Form->ClientOrigin();
    EXPECT_EQ(Probe->ClientToScreen({0, 0}), (TPoint{FormOrigin.X + 10, FormOrigin.Y + 20}));
    EXPECT_EQ(G->ClientToScreen({1, 1}), (TPoint{FormOrigin.X + 14, FormOrigin.Y + 25}));
    EXPECT_EQ(G->ScreenToClient(G->ClientToScreen({7, 8})), (TPoint{7, 8}));
    EXPECT_EQ(Probe->ControlAtPos({5, 5}, false), G);
    EXPECT_EQ(Probe->ControlAtPos({20, 5}, false), nullptr);
}

TEST_F(ControlsTest, MouseEnterAndLeaveFollowTheCursor) {
    auto* G = new TProbeGraphic(Form);
    G->SetParent(Form);
    G->SetBounds(0, 0, 60, 60);
    Form->Show();
    Pump();
    TPoint In = G->ClientToScreen({30, 30});
    SetCursorPos(In.X, In.Y);
    Pump();
    Application->DoMouseIdle();
    if (FindDragTarget(In, true) != G) GTEST_SKIP() << "the display does not report the window under the cursor";
    EXPECT_EQ(G->Enters, 1);
    TPoint Out = G->ClientToScreen({200, 200});
    SetCursorPos(Out.X, Out.Y);
    Pump();
    Application->DoMouseIdle();
    EXPECT_EQ(G->Leaves, 1);
}

TEST_F(ControlsTest, HintWindowAppearsOverAControlWithAHint) {
    auto* G = new TProbeGraphic(Form);
    G->SetParent(Form);
    G->SetBounds(0, 0, 60, 60);
    G->SetHint("Short text|Long text for the status bar");
    G->SetShowHint(true);
    Form->Show();
    Pump();
    TPoint In = G->ClientToScreen({30, 30});
    SetCursorPos(In.X, In.Y);
    Pump();
    if (FindDragTarget(In, true) != G) GTEST_SKIP() << "the display does not report the window under the cursor";
    Application->SetHintPause(20);
    Application->DoMouseIdle();
    EXPECT_EQ(Application->HintControl(), G);
    EXPECT_EQ(Application->Hint(), "Long text for the status bar");
    ASSERT_TRUE(PumpUntil([] { return Application->HintWindow() && Application->HintWindow()->HandleAllocated() &&
                                      IsWindowVisible(Application->HintWindow()->Handle()); }));
    EXPECT_EQ(Application->HintWindow()->Caption(), "Short text");
    Application->CancelHint();
    EXPECT_FALSE(Application->HintWindow()->HandleAllocated());
    Application->SetHintPause(500);
}

TEST_F(ControlsTest, DialogCharReachesTheControlWithTheAccelerator) {
    struct TAccelProbe : TProbeControl {
        using TProbeControl::TProbeControl;
        int Hits = 0;
        void WndProc(TMessage& M) override {
            if (M.Msg == CM_DIALOGCHAR && IsAccel(static_cast<unsigned>(M.WParam), Caption())) {
                ++Hits;
                M.Result = 1;
                return;
            }
            TProbeControl::WndProc(M);
        }
    };
    auto* A = new TAccelProbe(Form);
    A->SetParent(Form);
    A->SetCaption("&Apply");
    auto* B = new TAccelProbe(Form);
    B->SetParent(Form);
    B->SetCaption("&Back");
    Form->Show();
    Pump();
    A->SetFocus();
    Pump();
    // Alt+B as the message loop delivers it.
    PostMessageA(A->Handle(), WM_SYSCHAR, 'b', 0x20300001);
    Pump();
    EXPECT_EQ(A->Hits, 0);
    EXPECT_EQ(B->Hits, 1);
}

TEST_F(ControlsTest, AChildDeletedWithoutFreeLeavesNoTraceInItsParent) {
    auto* A = AddProbe("A", 0);
    {
        TProbeControl Temp(nullptr);
        Temp.SetParent(Form);
        EXPECT_EQ(Form->ControlCount(), 2);
    }
    EXPECT_EQ(Form->ControlCount(), 1);
    std::vector<TWinControl*> Order;
    Form->GetTabOrderList(Order);
    ASSERT_EQ(Order.size(), 1u);
    EXPECT_EQ(Order[0], A);
}

TEST_F(ControlsTest, DesignedControlsAskTheFormsDesignerFirst) {
    struct TFakeDesigner : IDesignerHook {
        std::vector<uint32_t> Taken;
        bool IsDesignMessage(TControl*, TMessage& M) override {
            if (M.Msg != WM_LBUTTONDOWN) return false;
            Taken.push_back(M.Msg);
            return true;
        }
        void NotifyModified() override {}
        void ComponentNotification(TComponent*, TOperation) override {}
        void PaintGrid() override {}
        void NotifyRename(TComponent*, const std::string&, const std::string&) override {}
    } Designer;
    auto* Probe = AddProbe("Probe", 0);
    int Downs = 0;
    Probe->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++Downs; };
    Form->SetDesigner(&Designer);
    Probe->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pt(1, 1));
    EXPECT_EQ(Downs, 1);  // not designing: the designer is not asked
    Probe->SetDesigning(true);
    Probe->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pt(1, 1));
    EXPECT_EQ(Downs, 1);
    EXPECT_EQ(Designer.Taken.size(), 1u);
    Probe->SetDesigning(false);
    Form->SetDesigner(nullptr);
    SetCaptureControl(nullptr);
}
