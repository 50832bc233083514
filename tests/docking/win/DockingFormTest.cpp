// The docking classes on a real form read from a form file: docking and
// floating and their events, double clicks, the drag and resize loops,
// visibility of floating bars, and the exceptions.
#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "DockingTestSupport.h"
#include "docking/DockTexts.h"
#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/rtl/Exceptions.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/FormAsText.h"
#include "tests/common/win/ProgramFolder.h"

namespace {

TRect WindowRectOf(TWinControl* C) {
    RECT R{};
    GetWindowRect(C->Handle(), &R);
    return FromRECT(R);
}

// A screen point as client coordinates of Wnd, packed for a mouse message.
LPARAM ClientPt(HWND Wnd, TPoint Screen) {
    POINT P{Screen.X, Screen.Y};
    ScreenToClient(Wnd, &P);
    return MAKELPARAM(static_cast<short>(P.x), static_cast<short>(P.y));
}

// The text of one "object" block, up to its own "end" (same indentation).
std::string ObjectBlock(const std::string& Text, const std::string& Header) {
    const size_t Start = Text.find(Header);
    if (Start == std::string::npos) return {};
    const size_t LineStart = Text.rfind('\n', Start) + 1;
    const std::string End = "\r\n" + std::string(Start - LineStart, ' ') + "end\r\n";
    const size_t Stop = Text.find(End, Start);
    return Text.substr(Start, Stop == std::string::npos ? std::string::npos : Stop - Start);
}

using DockingFormTest = DockFormFixture;

}  // namespace

TEST_F(DockingFormTest, FormFilePlacesDockedAndFloatingBars) {
    EXPECT_EQ(Form->MainBar->DockedTo(), Form->TopDock);
    EXPECT_EQ(Form->EditBar->DockedTo(), Form->TopDock);
    EXPECT_TRUE(Form->FloatBar->Floating());
    EXPECT_TRUE(Form->Tools->Floating());
    // Both docked bars share row 0; the dock is one row pitch thick.
    EXPECT_EQ(Form->MainBar->DockRow(), 0);
    EXPECT_EQ(Form->EditBar->DockRow(), 0);
    EXPECT_EQ(Form->TopDock->ClientHeight(), Form->TopDock->RowSizes().at(0) + 4);
    EXPECT_LE(Form->MainBar->Left() + Form->MainBar->Width(), Form->EditBar->Left());
    // Empty docks: thickness 0, 1 with FixAlign.
    EXPECT_EQ(Form->LeftDock->Width(), 0);
    EXPECT_EQ(Form->BottomDock->Height(), 1);
    // The floating tool window keeps its client size.
    EXPECT_EQ(Form->Tools->ClientWidth(), 120);
    EXPECT_EQ(Form->Tools->ClientHeight(), 80);
    EXPECT_TRUE(IsWindowVisible(Form->Tools->Handle()));
    // Designed floating positions are relative to the form's client area.
    const TPoint Origin = Form->ClientOrigin();
    EXPECT_EQ(WindowRectOf(Form->Tools).TopLeft(), (TPoint{Origin.X + 300, Origin.Y + 120}));
    // The separator of the docked toolbar lies between its buttons.
    EXPECT_EQ(Form->Sep1->Left(), Form->OpenBtn->Left() + Form->OpenBtn->Width());
    EXPECT_EQ(Form->SaveBtn->Left(), Form->Sep1->Left() + Form->Sep1->Width());
}

TEST_F(DockingFormTest, FloatingAndDockingFireTheirEvents) {
    Form->Events.clear();
    Form->MainBar->SetDockedTo(nullptr);
    Pump();
    EXPECT_TRUE(Form->MainBar->Floating());
    EXPECT_EQ(Form->MainBar->DockedTo(), nullptr);
    EXPECT_EQ(Form->MainBar->LastDock(), Form->TopDock);
    EXPECT_EQ(Form->Events, (std::vector<std::string>{"changing", "remove MainBar", "changed"}));
    EXPECT_TRUE(IsWindowVisible(Form->MainBar->Handle()));
    EXPECT_EQ(GetWindowLongPtrA(Form->MainBar->Handle(), GWL_STYLE) & WS_CHILD, 0);

    Form->Events.clear();
    Form->MainBar->SetDockedTo(Form->TopDock);
    Pump();
    EXPECT_EQ(Form->MainBar->DockedTo(), Form->TopDock);
    EXPECT_EQ(Form->MainBar->FloatParent(), nullptr);
    EXPECT_EQ(Form->Events, (std::vector<std::string>{"changing", "insert MainBar", "changed"}));
}

TEST_F(DockingFormTest, DoubleClickFloatsADockedBarAndDocksItAgain) {
    TQToolbar* Bar = Form->MainBar;
    // On the drag handle, left of the client area.
    SendMessageA(Bar->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, Pt(-4, 5));
    Pump();
    ASSERT_TRUE(Bar->Floating());
    SendMessageA(Bar->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    Pump();
    EXPECT_EQ(Bar->DockedTo(), Form->TopDock);
}

TEST_F(DockingFormTest, DoubleClickDocksToTheDefaultDockWhenThereIsNoLastDock) {
    TQToolbar* Bar = Form->FloatBar;
    ASSERT_EQ(Bar->LastDock(), nullptr);
    SendMessageA(Bar->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    Pump();
    EXPECT_EQ(Bar->DockedTo(), Form->BottomDock);
    EXPECT_EQ(Bar->DockRow(), 0);
    EXPECT_GT(Form->BottomDock->Height(), 1);
}

TEST_F(DockingFormTest, DoubleClickWithoutAnyDockDoesNothing) {
    Form->Tools->SetDefaultDock(nullptr);
    SendMessageA(Form->Tools->Handle(), WM_NCLBUTTONDBLCLK, HTCAPTION, 0);
    Pump();
    EXPECT_TRUE(Form->Tools->Floating());
}

TEST_F(DockingFormTest, AToolWindowKeepsItsClientSizeDockedAndFloating) {
    TQToolWindow* W = Form->Tools;
    W->SetDockedTo(Form->RightDock);
    Pump();
    EXPECT_EQ(W->DockedTo(), Form->RightDock);
    EXPECT_EQ(W->ClientWidth(), 120);
    EXPECT_EQ(Form->RightDock->ClientWidth(), 120 + 4);
    W->SetDockedTo(nullptr);
    Pump();
    EXPECT_TRUE(W->Floating());
    EXPECT_EQ(W->ClientWidth(), 120);
    EXPECT_EQ(W->ClientHeight(), 80);
}

TEST_F(DockingFormTest, DraggingADockedBarAwayFloatsIt) {
    TQToolbar* Bar = Form->MainBar;
    HWND Wnd = Bar->Handle();
    const TRect Start = WindowRectOf(Bar);
    const TPoint Target{Start.Left + 150, Start.Top + 180};
    PostMessageA(Wnd, WM_MOUSEMOVE, MK_LBUTTON, ClientPt(Wnd, Target));
    PostMessageA(Wnd, WM_LBUTTONUP, 0, ClientPt(Wnd, Target));
    SendMessageA(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, Pt(-4, 5));
    Pump();
    ASSERT_TRUE(Bar->Floating());
    EXPECT_EQ(GetCapture(), nullptr);
    // The grab point stays under the cursor (in proportion).
    const TRect Now = WindowRectOf(Bar);
    EXPECT_NEAR(Now.Left, Target.X - 6, 12);
}

TEST_F(DockingFormTest, DraggingAFloatingBarOntoADockDocksIt) {
    TQToolbar* Bar = Form->FloatBar;
    HWND Wnd = Bar->Handle();
    const TRect Bar0 = WindowRectOf(Bar);
    const TRect Dock = WindowRectOf(Form->TopDock);
    // Grab the caption near its left end and drop on the top dock's row.
    const TPoint Grab{Bar0.Left + 8, Bar0.Top + 5};
    const TPoint Target{Dock.Left + 300, Dock.Top + Dock.Height() / 2};
    PostMessageA(Wnd, WM_MOUSEMOVE, MK_LBUTTON, ClientPt(Wnd, Target));
    PostMessageA(Wnd, WM_LBUTTONUP, 0, ClientPt(Wnd, Target));
    SendMessageA(Wnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(Grab.X, Grab.Y));
    Pump();
    EXPECT_EQ(Bar->DockedTo(), Form->TopDock);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DockingFormTest, CtrlKeepsADraggedBarFloating) {
    TQToolbar* Bar = Form->FloatBar;
    HWND Wnd = Bar->Handle();
    const TRect Bar0 = WindowRectOf(Bar);
    const TRect Dock = WindowRectOf(Form->TopDock);
    const TPoint Target{Dock.Left + 300, Dock.Top + Dock.Height() / 2};
    PostMessageA(Wnd, WM_MOUSEMOVE, MK_LBUTTON | MK_CONTROL, ClientPt(Wnd, Target));
    PostMessageA(Wnd, WM_LBUTTONUP, MK_CONTROL, ClientPt(Wnd, Target));
    SendMessageA(Wnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(Bar0.Left + 8, Bar0.Top + 5));
    Pump();
    EXPECT_TRUE(Bar->Floating());
}

TEST_F(DockingFormTest, EscapeEndsADragWithoutMoving) {
    TQToolbar* Bar = Form->MainBar;
    HWND Wnd = Bar->Handle();
    const TRect Start = WindowRectOf(Bar);
    PostMessageA(Wnd, WM_MOUSEMOVE, MK_LBUTTON, ClientPt(Wnd, {Start.Left + 200, Start.Top + 200}));
    PostMessageA(Wnd, WM_KEYDOWN, VK_ESCAPE, 0);
    SendMessageA(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, Pt(-4, 5));
    Pump();
    EXPECT_EQ(Bar->DockedTo(), Form->TopDock);
    EXPECT_EQ(WindowRectOf(Bar), Start);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DockingFormTest, ABarThatCannotFloatStaysWhenDroppedAwayFromDocks) {
    TQToolbar* Bar = Form->MainBar;
    Bar->SetDockMode(dmCannotFloat);
    HWND Wnd = Bar->Handle();
    const TRect Start = WindowRectOf(Bar);
    const TPoint Target{Start.Left + 200, Start.Top + 200};
    PostMessageA(Wnd, WM_MOUSEMOVE, MK_LBUTTON, ClientPt(Wnd, Target));
    PostMessageA(Wnd, WM_LBUTTONUP, 0, ClientPt(Wnd, Target));
    SendMessageA(Wnd, WM_LBUTTONDOWN, MK_LBUTTON, Pt(-4, 5));
    Pump();
    EXPECT_EQ(Bar->DockedTo(), Form->TopDock);
}

TEST_F(DockingFormTest, ResizingAFloatingToolbarGivesOnlyWrappableWidths) {
    TQToolbar* Bar = Form->FloatBar;
    HWND Wnd = Bar->Handle();
    const TRect R0 = WindowRectOf(Bar);
    const int OneLineWidth = R0.Width();
    // Drag the right edge far to the left: the bar wraps its buttons.
    const TPoint Edge{R0.Right - 1, R0.Top + R0.Height() / 2};
    const TPoint Target{R0.Left + 30, Edge.Y};
    PostMessageA(Wnd, WM_MOUSEMOVE, MK_LBUTTON, ClientPt(Wnd, Target));
    PostMessageA(Wnd, WM_LBUTTONUP, 0, ClientPt(Wnd, Target));
    SetCursorPos(Edge.X, Edge.Y);
    SendMessageA(Wnd, WM_NCLBUTTONDOWN, HTRIGHT, MAKELPARAM(Edge.X, Edge.Y));
    Pump();
    const TRect R1 = WindowRectOf(Bar);
    EXPECT_LT(R1.Width(), OneLineWidth);
    EXPECT_GT(R1.Height(), R0.Height());
    EXPECT_GT(Bar->FloatRightX(), 0);
    // The wrapped separator disappears and a divider is painted instead.
    EXPECT_EQ(Form->FSep->Width(), 0);
    EXPECT_EQ(Bar->LineDividers().size(), 1u);
    EXPECT_EQ(R1.Left, R0.Left);
    EXPECT_EQ(GetCapture(), nullptr);
}

// The bar learns of its form being minimized or hidden from the form's
// WM_WINDOWPOSCHANGED.
TEST_F(DockingFormTest, AFloatingBarHidesWhileItsFormIsMinimizedOrHidden) {
    HWND Bar = Form->Tools->Handle();
    for (auto [Away, Back] : {std::pair{SW_MINIMIZE, SW_RESTORE}, std::pair{SW_HIDE, SW_SHOW}}) {
        ASSERT_TRUE(IsWindowVisible(Bar));
        ShowWindow(Form->Handle(), Away);
        EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(Bar); })) << Away;
        ShowWindow(Form->Handle(), Back);
        EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(Bar) != FALSE; })) << Back;
    }
}

TEST_F(DockingFormTest, TheCloseButtonHidesTheBarAndFiresOnClose) {
    TQToolWindow* W = Form->Tools;
    int Closes = 0;
    W->OnClose = [&](TObject*) { ++Closes; };
    const TRect R = WindowRectOf(W);
    const TRect Close = FloatingCloseButtonRect(W->FloatingFrame());
    const TPoint P{R.Left + Close.Left + Close.Width() / 2, R.Top + Close.Top + Close.Height() / 2};
    PostMessageA(W->Handle(), WM_LBUTTONUP, 0, ClientPt(W->Handle(), P));
    SendMessageA(W->Handle(), WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(P.X, P.Y));
    Pump();
    EXPECT_EQ(Closes, 1);
    EXPECT_FALSE(W->Visible());
    EXPECT_FALSE(IsWindowVisible(W->Handle()));
}

TEST_F(DockingFormTest, FloatingHitTestFindsCaptionCloseAndEdges) {
    HWND Wnd = Form->Tools->Handle();
    const TRect R = WindowRectOf(Form->Tools);
    EXPECT_EQ(SendMessageA(Wnd, WM_NCHITTEST, 0, MAKELPARAM(R.Left + 20, R.Top + 6)), HTCAPTION);
    EXPECT_EQ(SendMessageA(Wnd, WM_NCHITTEST, 0, MAKELPARAM(R.Left, R.Top + R.Height() / 2)), HTLEFT);
    EXPECT_EQ(SendMessageA(Wnd, WM_NCHITTEST, 0, MAKELPARAM(R.Right - 1, R.Bottom - 1)), HTBOTTOMRIGHT);
    EXPECT_EQ(SendMessageA(Wnd, WM_NCHITTEST, 0, MAKELPARAM(R.Left + R.Width() / 2, R.Top + R.Height() / 2)),
              HTCLIENT);
}

TEST_F(DockingFormTest, PositionDataRoundTrips) {
    std::map<std::string, int> Store;
    auto Write = [&](const std::string& S, const std::string& K, int V) { Store[S + "\\" + K] = V; };
    auto Read = [&](const std::string& S, const std::string& K, int D) {
        auto It = Store.find(S + "\\" + K);
        return It == Store.end() ? D : It->second;
    };
    Form->FloatBar->SetFloatRightX(40);
    Form->FloatBar->WritePositionData(Write);
    Form->Tools->WritePositionData(Write);
    EXPECT_EQ(Store["FloatBar\\FloatRightX"], 40);
    EXPECT_EQ(Store["Tools\\ClientWidth"], 120);
    EXPECT_EQ(Store["Tools\\ClientHeight"], 80);
    Store["Tools\\ClientWidth"] = 150;
    Store["FloatBar\\FloatRightX"] = 0;
    Form->Tools->ReadPositionData(Read);
    Form->FloatBar->ReadPositionData(Read);
    Pump();
    EXPECT_EQ(Form->Tools->ClientWidth(), 150);
    EXPECT_EQ(Form->FloatBar->FloatRightX(), 0);
}

TEST_F(DockingFormTest, ScreenshotOfDockedAndFloatingBars) {
    Form->Tools->SetDockedTo(Form->LeftDock);
    // The floating bar over the form's lower half.
    const TPoint Client = Form->ClientOrigin();
    Form->FloatBar->SetBounds(Client.X + 220, Client.Y + 200, Form->FloatBar->Width(), Form->FloatBar->Height());
    Form->Repaint();
    Pump();
    const std::string Dir = TestProgramFolder();
    const std::string FormFile = Dir + "DockingForm.png";
    const std::string BarFile = Dir + "DockingFloatingBar.png";
    CaptureWindowToFile(Form->Handle(), FormFile);
    EXPECT_TRUE(IsWindowVisible(Form->FloatBar->Handle()));
    const TRect BarRect = WindowRectOf(Form->FloatBar);
    EXPECT_EQ(BarRect.Left, Client.X + 220);
    CaptureWindowToFile(Form->FloatBar->Handle(), BarFile);
    EXPECT_NE(GetFileAttributesA(FormFile.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(GetFileAttributesA(BarFile.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST_F(DockingFormTest, BarsWrittenOutsideTheDesignerSayTheyWereSavedAtRunTime) {
    const std::string Text = FormAsText(Form);
    const size_t Bar = Text.find("object MainBar: TQToolbar");
    ASSERT_NE(Bar, std::string::npos);
    EXPECT_NE(Text.find("SavedAtRunTime = True", Bar), std::string::npos);
    EXPECT_EQ(Text.find("DockedTo ="), std::string::npos);
}

TEST_F(DockingFormTest, FloatingBarsAreWrittenWithTheirForm) {
    const std::string Text = FormAsText(Form);
    for (TQCustomToolWindow* Bar : {static_cast<TQCustomToolWindow*>(Form->Tools),
                                    static_cast<TQCustomToolWindow*>(Form->FloatBar)}) {
        ASSERT_TRUE(Bar->Floating());
        const std::string Block = ObjectBlock(Text, "object " + Bar->Name() + ": " + Bar->ClassName());
        ASSERT_FALSE(Block.empty()) << Bar->Name();
        EXPECT_NE(Block.find("SavedAtRunTime = True"), std::string::npos);
        // Where it floats on the screen, as a docked bar keeps its place.
        EXPECT_NE(Block.find("Left = " + std::to_string(WindowRectOf(Bar).Left) + "\r\n"), std::string::npos);
        EXPECT_NE(Block.find("Top = " + std::to_string(WindowRectOf(Bar).Top) + "\r\n"), std::string::npos);
    }
    // The buttons of the floating toolbar go with it, once.
    const std::string Float = ObjectBlock(Text, "object FloatBar: TQToolbar");
    EXPECT_NE(Float.find("object F1: TQToolbarButton"), std::string::npos);
    EXPECT_EQ(Text.find("object FloatBar:"), Text.rfind("object FloatBar:"));
    EXPECT_EQ(Text.find("object F1:"), Text.rfind("object F1:"));
}

TEST(DockingStreaming, AFloatingBarReadBackFloatsWhereItWas) {
    RegisterDockingControls();
    auto* Source = new TForm(nullptr);
    Source->SetName("Source");
    auto* Bar = new TQToolbar(Source);
    Bar->SetName("Floater");
    Bar->SetParent(Source);
    Bar->SetBounds(150, 110, Bar->Width(), Bar->Height());
    Source->Show();
    Pump();
    ASSERT_TRUE(Bar->Floating());
    const TRect Was = WindowRectOf(Bar);
    TMemoryStream S;
    TWriter(&S).WriteRootComponent(Source);
    Source->Free();
    Pump();

    S.SetPosition(0);
    auto* Copy = new TForm(nullptr);
    TReader(&S).ReadRootComponent(Copy);
    Copy->Show();
    Pump();
    auto* Read = dynamic_cast<TQToolbar*>(Copy->FindComponent("Floater"));
    ASSERT_NE(Read, nullptr);
    EXPECT_TRUE(Read->Floating());
    EXPECT_EQ(Read->OwnerForm(), Copy);
    EXPECT_EQ(WindowRectOf(Read).TopLeft(), Was.TopLeft());
    EXPECT_FALSE(Read->ComponentState().Contains(csLoading));
    Copy->Free();
    Pump();
}

// ---- the exceptions

TEST(DockingExceptions, ADockCannotGoInsideADockOrAToolWindow) {
    RegisterDockingControls();
    auto* F = new TForm(nullptr);
    auto* Outer = new TQDock(F);
    Outer->SetParent(F);
    auto* Inner = new TQDock(F);
    try {
        Inner->SetParent(Outer);
        FAIL();
    } catch (const EInvalidOperation& E) {
        EXPECT_STREQ(E.what(), SDockParentInvalid);
    }
    auto* Bar = new TQToolbar(F);
    Bar->SetParent(Outer);
    EXPECT_THROW(Inner->SetParent(Bar), EInvalidOperation);
    F->Free();
}

TEST(DockingExceptions, APositionCannotChangeOnceTheDockHoldsBars) {
    auto* F = new TForm(nullptr);
    auto* Dock = new TQDock(F);
    Dock->SetParent(F);
    Dock->SetPosition(dpLeft);
    EXPECT_EQ(Dock->Align(), alLeft);
    auto* Bar = new TQToolbar(F);
    Bar->SetParent(Dock);
    try {
        Dock->SetPosition(dpLeft);  // even the same value
        FAIL();
    } catch (const EInvalidOperation& E) {
        EXPECT_STREQ(E.what(), SDockPositionLocked);
    }
    F->Free();
}

TEST(DockingExceptions, AToolWindowGoesOnlyOnADockOrAForm) {
    auto* F = new TForm(nullptr);
    auto* Panel = new TPanel(F);
    Panel->SetParent(F);
    auto* W = new TQToolWindow(F);
    try {
        W->SetParent(Panel);
        FAIL();
    } catch (const EInvalidOperation& E) {
        EXPECT_STREQ(E.what(), SToolWindowParentInvalid);
    }
    F->Free();
}

TEST(DockingExceptions, ASeparatorGoesOnlyOnAToolbar) {
    auto* F = new TForm(nullptr);
    auto* Sep = new TQToolbarSep(F);
    try {
        Sep->SetParent(F);
        FAIL();
    } catch (const EInvalidOperation& E) {
        EXPECT_STREQ(E.what(), SToolbarSepParentInvalid);
    }
    F->Free();
}

TEST(DockingExceptions, FloatingABarWithoutAFormNamesIt) {
    auto* Dock = new TQDock(nullptr);
    auto* Bar = new TQToolbar(nullptr);
    Bar->SetName("Lonely");
    Bar->SetParent(Dock);
    try {
        Bar->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, Pt(-4, 4));
        FAIL();
    } catch (const EInvalidOperation& E) {
        EXPECT_STREQ(E.what(), "Control 'Lonely' has no parent window");
    }
    // Through DockedTo the failure is swallowed.
    EXPECT_NO_THROW(Bar->SetDockedTo(nullptr));
    EXPECT_EQ(Bar->DockedTo(), Dock);
    Bar->Free();
    Dock->Free();
}

TEST_F(DockingFormTest, AnExceptionDuringADragStillReleasesTheMouseAndTheDesktop) {
    Form->LeftDock->OnRequestDock = [](TObject*, TQCustomToolWindow*, bool&) {
        throw EInvalidOperation("refused loudly");
    };
    TQToolbar* Bar = Form->MainBar;
    HWND Wnd = Bar->Handle();
    const TRect Dock = WindowRectOf(Form->LeftDock);
    const TPoint Target{Dock.Left + 1, Dock.Top + 100};
    PostMessageA(Wnd, WM_MOUSEMOVE, MK_LBUTTON, ClientPt(Wnd, Target));
    PostMessageA(Wnd, WM_LBUTTONUP, 0, ClientPt(Wnd, Target));
    EXPECT_THROW(Bar->Perform(WM_LBUTTONDOWN, MK_LBUTTON, Pt(-4, 5)), EInvalidOperation);
    EXPECT_EQ(GetCapture(), nullptr);
    // The desktop is no longer locked: another window may lock it.
    EXPECT_TRUE(LockWindowUpdate(Form->Handle()));
    LockWindowUpdate(nullptr);
    Pump();
    EXPECT_EQ(Bar->DockedTo(), Form->TopDock);
}
