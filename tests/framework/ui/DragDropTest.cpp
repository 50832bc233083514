// Dragging between controls: driven with the mouse messages the system
// would send, to the source first and then to the window that holds the
// mouse during the drag.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/win/WinApi.h"

namespace {

struct TOverRec {
    TObject* Source;
    int X, Y;
    TDragState State;
};

// A control that records what the drag tells it.
struct TDragProbe {
    std::vector<TOverRec> Overs;
    std::vector<TOverRec> Drops;
    bool Accept = true;
    void Attach(TControl* C) {
        C->OnDragOver = [this](TObject*, TObject* Source, int X, int Y, TDragState State, bool& Accept_) {
            Overs.push_back({Source, X, Y, State});
            Accept_ = Accept;
        };
        C->OnDragDrop = [this](TObject*, TObject* Source, int X, int Y) { Drops.push_back({Source, X, Y, dsDragMove}); };
    }
};

class DragDropTest : public ::testing::Test {
protected:
    void SetUp() override {
        SetCursorPos(0, 0);  // the real mouse stays out of the way
        Form = new TForm(nullptr);
        Form->SetBounds(60, 60, 420, 300);
        Form->SetCaption("Drag test");
        Source = AddProbe("Source", 10, 10);
        Target = AddProbe("Target", 200, 10);
        Source->OnEndDrag = [this](TObject*, TObject* T, int X, int Y) { Ends.push_back({T, X, Y, dsDragMove}); };
        Form->Show();
        Pump();
    }
    void TearDown() override {
        CancelDrag();
        Form->Free();
        Pump();
    }
    TProbeControl* AddProbe(const std::string& Name, int Left, int Top) {
        auto* C = new TProbeControl(Form);
        C->SetName(Name);
        C->SetParent(Form);
        C->SetBounds(Left, Top, 80, 60);
        return C;
    }
    // The screen point of a control's client point.
    static TPoint At(TControl* C, int X, int Y) { return C->ClientToScreen({X, Y}); }
    // A mouse message to the window that holds the mouse, for a screen point.
    static void ToCapture(UINT Msg, TPoint P, WPARAM Keys = MK_LBUTTON) {
        HWND Cap = GetCapture();
        ASSERT_NE(Cap, nullptr);
        POINT Q{P.X, P.Y};
        ScreenToClient(Cap, &Q);
        SendMessageA(Cap, Msg, Keys, MAKELPARAM(Q.x, Q.y));
    }
    void PressOnSource(int X, int Y) {
        SendMessageA(Source->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(X, Y));
    }

    TForm* Form = nullptr;
    TProbeControl* Source = nullptr;
    TProbeControl* Target = nullptr;
    std::vector<TOverRec> Ends;  // Source = the target reported
};

}  // namespace

TEST_F(DragDropTest, ManualDragStartsPastTheThresholdAndDropsOnTheAcceptingTarget) {
    TDragProbe T;
    T.Attach(Target);
    Source->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { Source->BeginDrag(false, 5); };
    SetCursorPos(At(Source, 20, 20).X, At(Source, 20, 20).Y);
    PressOnSource(20, 20);
    EXPECT_TRUE(Source->Dragging());
    EXPECT_EQ(DragControl(), Source);
    // Within the threshold nothing is asked yet.
    ToCapture(WM_MOUSEMOVE, At(Source, 22, 21));
    EXPECT_TRUE(T.Overs.empty());
    // Over the target: entered, then moved.
    ToCapture(WM_MOUSEMOVE, At(Target, 10, 12));
    ToCapture(WM_MOUSEMOVE, At(Target, 15, 16));
    ASSERT_EQ(T.Overs.size(), 2u);
    EXPECT_EQ(T.Overs[0].State, dsDragEnter);
    EXPECT_EQ(T.Overs[0].Source, Source);
    EXPECT_EQ(T.Overs[0].X, 10);
    EXPECT_EQ(T.Overs[0].Y, 12);
    EXPECT_EQ(T.Overs[1].State, dsDragMove);
    // The drag cursor shows while the target accepts.
    EXPECT_EQ(GetCursor(), Screen->Cursors(Source->DragCursor()));
    ToCapture(WM_LBUTTONUP, At(Target, 30, 25), 0);
    ASSERT_EQ(T.Drops.size(), 1u);
    EXPECT_EQ(T.Drops[0].Source, Source);
    EXPECT_EQ(T.Drops[0].X, 30);
    EXPECT_EQ(T.Drops[0].Y, 25);
    ASSERT_EQ(Ends.size(), 1u);
    EXPECT_EQ(Ends[0].Source, Target);
    EXPECT_EQ(Ends[0].X, 30);
    EXPECT_FALSE(Source->Dragging());
    EXPECT_EQ(DragControl(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(DragDropTest, ATargetThatRefusesGetsNoDropAndTheSourceHearsNil) {
    TDragProbe T;
    T.Accept = false;
    T.Attach(Target);
    Source->BeginDrag(true);
    ToCapture(WM_MOUSEMOVE, At(Target, 10, 10));
    EXPECT_EQ(GetCursor(), Screen->Cursors(crNoDrop));
    ToCapture(WM_LBUTTONUP, At(Target, 12, 10), 0);
    EXPECT_TRUE(T.Drops.empty());
    // It was told the drag left it.
    ASSERT_FALSE(T.Overs.empty());
    EXPECT_EQ(T.Overs.back().State, dsDragLeave);
    ASSERT_EQ(Ends.size(), 1u);
    EXPECT_EQ(Ends[0].Source, nullptr);
}

TEST_F(DragDropTest, AControlWithoutOnDragOverRefuses) {
    Source->BeginDrag(true);
    ToCapture(WM_MOUSEMOVE, At(Target, 10, 10));
    ToCapture(WM_LBUTTONUP, At(Target, 10, 10), 0);
    ASSERT_EQ(Ends.size(), 1u);
    EXPECT_EQ(Ends[0].Source, nullptr);
}

TEST_F(DragDropTest, LeavingATargetTellsIt) {
    TDragProbe T;
    T.Attach(Target);
    Source->BeginDrag(true);
    ToCapture(WM_MOUSEMOVE, At(Target, 10, 10));
    ToCapture(WM_MOUSEMOVE, At(Form, 150, 200));  // the form itself: no handler
    ASSERT_EQ(T.Overs.size(), 2u);
    EXPECT_EQ(T.Overs[1].State, dsDragLeave);
    ToCapture(WM_LBUTTONUP, At(Form, 150, 200), 0);
    EXPECT_TRUE(T.Drops.empty());
}

TEST_F(DragDropTest, EscapeCancelsTheDrag) {
    TDragProbe T;
    T.Attach(Target);
    Source->SetFocus();
    Source->BeginDrag(true);
    ToCapture(WM_MOUSEMOVE, At(Target, 10, 10));
    PostMessageA(Source->Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_EQ(DragControl(), nullptr);
    EXPECT_TRUE(T.Drops.empty());
    ASSERT_EQ(Ends.size(), 1u);
    EXPECT_EQ(Ends[0].Source, nullptr);
    // The key did not reach the control.
    EXPECT_TRUE(Source->KeysDown.empty());
}

TEST_F(DragDropTest, EndDragDropsOrCancelsFromCode) {
    TDragProbe T;
    T.Attach(Target);
    const TPoint Over = At(Target, 5, 5);
    SetCursorPos(Over.X, Over.Y);
    Source->BeginDrag(true);
    Source->EndDrag(true);
    EXPECT_EQ(T.Drops.size(), 1u);
    Source->BeginDrag(true);
    Source->EndDrag(false);
    EXPECT_EQ(T.Drops.size(), 1u);
    ASSERT_EQ(Ends.size(), 2u);
    EXPECT_EQ(Ends[0].Source, Target);
    EXPECT_EQ(Ends[1].Source, nullptr);
}

TEST_F(DragDropTest, AutomaticModeStartsOnThePressInsteadOfMouseDown) {
    int Downs = 0;
    Source->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++Downs; };
    Source->SetDragMode(dmAutomatic);
    PressOnSource(5, 5);
    EXPECT_EQ(Downs, 0);
    EXPECT_TRUE(Source->Dragging());
    // Released without moving: nothing dropped, the drag is over.
    ToCapture(WM_LBUTTONUP, At(Source, 5, 5), 0);
    EXPECT_FALSE(Source->Dragging());
    ASSERT_EQ(Ends.size(), 1u);
    EXPECT_EQ(Ends[0].Source, nullptr);
    // Manual mode: the press is an ordinary press again.
    Source->SetDragMode(dmManual);
    PressOnSource(5, 5);
    SendMessageA(Source->Handle(), WM_LBUTTONUP, 0, Pt(5, 5));
    EXPECT_EQ(Downs, 1);
    EXPECT_FALSE(Source->Dragging());
}

TEST_F(DragDropTest, AWindowlessTargetGetsItsOwnCoordinates) {
    auto* G = new TProbeGraphic(Form);
    G->SetParent(Form);
    G->SetBounds(100, 150, 40, 40);
    TDragProbe T;
    T.Attach(G);
    Source->BeginDrag(true);
    ToCapture(WM_MOUSEMOVE, At(G, 7, 9));
    ToCapture(WM_LBUTTONUP, At(G, 8, 9), 0);
    ASSERT_EQ(T.Drops.size(), 1u);
    EXPECT_EQ(T.Drops[0].X, 8);
    EXPECT_EQ(T.Drops[0].Y, 9);
}

TEST_F(DragDropTest, ADragObjectFromOnStartDragIsTheSource) {
    struct TFiles : TDragObject {
        TCursor GetDragCursor(bool, int, int) override { return crMultiDrag; }
    } Files;
    Source->OnStartDrag = [&](TObject*, TDragObject*& Obj) { Obj = &Files; };
    TDragProbe T;
    T.Attach(Target);
    Source->BeginDrag(true);
    ToCapture(WM_MOUSEMOVE, At(Target, 10, 10));
    EXPECT_EQ(GetCursor(), Screen->Cursors(crMultiDrag));
    ToCapture(WM_LBUTTONUP, At(Target, 10, 10), 0);
    ASSERT_EQ(T.Drops.size(), 1u);
    EXPECT_EQ(T.Drops[0].Source, static_cast<TObject*>(&Files));
}

TEST_F(DragDropTest, FreeingTheSourceDuringTheDragEndsIt) {
    TDragProbe T;
    Target->OnDragOver = [&](TObject*, TObject*, int, int, TDragState, bool& Accept) {
        Accept = true;
        if (Source) {
            TProbeControl* S = Source;
            Source = nullptr;
            S->Free();
        }
    };
    Source->BeginDrag(true);
    ToCapture(WM_MOUSEMOVE, At(Target, 10, 10));
    EXPECT_EQ(DragControl(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
    Pump();
}

TEST_F(DragDropTest, FreeingTheTargetInItsDropHandlerIsSafe) {
    Target->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; };
    Target->OnDragDrop = [&](TObject*, TObject*, int, int) {
        Target->Free();
        Target = nullptr;
    };
    Source->BeginDrag(true);
    ToCapture(WM_MOUSEMOVE, At(Target, 10, 10));
    ToCapture(WM_LBUTTONUP, At(Target, 10, 10), 0);
    EXPECT_EQ(Target, nullptr);
    ASSERT_EQ(Ends.size(), 1u);
    EXPECT_EQ(Ends[0].Source, nullptr);  // the taker is gone
}

TEST_F(DragDropTest, AnExceptionInAHandlerReachesHandleExceptionAndEndsNothingElse) {
    Target->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool&) { throw Exception("over failed"); };
    std::vector<std::string> Caught;
    Application->OnException = [&](TObject*, const std::exception& E) { Caught.push_back(E.what()); };
    Source->BeginDrag(true);
    ToCapture(WM_MOUSEMOVE, At(Target, 10, 10));
    Application->OnException = nullptr;
    // (The cancelled drag tells the target it left: that throws again.)
    ASSERT_FALSE(Caught.empty());
    for (const std::string& C : Caught) EXPECT_EQ(C, "over failed");
    // HandleException cancels whatever holds the mouse.
    EXPECT_EQ(DragControl(), nullptr);
}

TEST_F(DragDropTest, AFormCannotBeDragged) { EXPECT_THROW(Form->BeginDrag(true), EInvalidOperation); }

TEST_F(DragDropTest, OneDragAtATime) {
    Source->BeginDrag(true);
    Target->BeginDrag(true);
    EXPECT_EQ(DragControl(), Source);
}

TEST_F(DragDropTest, TheFrameworksOwnCursorsAreLoadedFromTheResources) {
    // test_ui links the framework's cursor resources.
    for (TCursor C : {crDrag, crNoDrop, crMultiDrag, crHSplit, crVSplit}) {
        HCURSOR H = Screen->Cursors(C);
        ASSERT_NE(H, nullptr);
        EXPECT_NE(H, LoadCursorA(nullptr, IDC_ARROW)) << C;
        EXPECT_NE(H, LoadCursorA(nullptr, IDC_NO)) << C;
        EXPECT_NE(H, LoadCursorA(nullptr, IDC_SIZEWE)) << C;
        EXPECT_NE(H, LoadCursorA(nullptr, IDC_SIZENS)) << C;
        ICONINFO II{};
        ASSERT_TRUE(GetIconInfo(H, &II));
        EXPECT_FALSE(II.fIcon);
        if (II.hbmMask) DeleteObject(II.hbmMask);
        if (II.hbmColor) DeleteObject(II.hbmColor);
    }
    // Hot spots: the pointer tip for the drag shapes, the middle for splits.
    ICONINFO II{};
    ASSERT_TRUE(GetIconInfo(Screen->Cursors(crDrag), &II));
    EXPECT_EQ(II.xHotspot, 0u);
    EXPECT_EQ(II.yHotspot, 0u);
    if (II.hbmMask) DeleteObject(II.hbmMask);
    if (II.hbmColor) DeleteObject(II.hbmColor);
    ASSERT_TRUE(GetIconInfo(Screen->Cursors(crHSplit), &II));
    EXPECT_EQ(II.xHotspot, 15u);
    if (II.hbmMask) DeleteObject(II.hbmMask);
    if (II.hbmColor) DeleteObject(II.hbmColor);
}

// ---- list view

TEST_F(DragDropTest, AListViewInAutomaticModeSelectsOnPressAndDragsWhenTheMouseMoves) {
    auto* L = new TListView(Form);
    L->SetParent(Form);
    L->SetBounds(10, 100, 150, 150);
    L->SetViewStyle(vsList);
    L->SetReadOnly(true);
    L->SetDragMode(dmAutomatic);
    for (const char* Name : {"one.asm", "two.inc"}) {
        TListItem* It = L->Items()->Add();
        It->SetCaption(Name);
        It->SubItems()->Add(std::string("c:\\work\\") + Name);
    }
    TListItem* Dropped = nullptr;
    Form->OnDragOver = [](TObject*, TObject*, int, int, TDragState, bool& Accept) { Accept = true; };
    Form->OnDragDrop = [&](TObject*, TObject* Src, int, int) {
        if (auto* LV = dynamic_cast<TListView*>(Src)) Dropped = LV->Selected();
    };
    Pump();
    RECT R{};
    R.left = LVIR_LABEL;
    ASSERT_TRUE(SendMessageA(L->Handle(), LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&R)));
    const int X = R.left + 5, Y = (R.top + R.bottom) / 2;
    const TPoint Press = At(L, X, Y);
    SetCursorPos(Press.X, Press.Y);
    Pump();  // the move the real cursor makes comes before the press
    SendMessageA(L->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, Pt(X, Y));
    EXPECT_EQ(L->Selected(), L->Items()->Item(1));  // the press selected as usual
    // The window starts the drag once the mouse leaves the press point.
    if (!L->Dragging()) SendMessageA(L->Handle(), WM_MOUSEMOVE, MK_LBUTTON, Pt(X + 25, Y + 25));
    ASSERT_TRUE(L->Dragging());
    ToCapture(WM_MOUSEMOVE, At(Form, 300, 200));
    EXPECT_EQ(GetCursor(), Screen->Cursors(crDrag));
    ToCapture(WM_LBUTTONUP, At(Form, 300, 200), 0);
    EXPECT_EQ(Dropped, L->Items()->Item(1));
    EXPECT_EQ(DragControl(), nullptr);
}

// ---- files from the shell

namespace {

// A drop as the shell hands it over: a DROPFILES block with the names.
HDROP MakeDrop(const std::vector<std::string>& Names, POINT At) {
    std::string List;
    for (const std::string& N : Names) List += N + '\0';
    List += '\0';
    HGLOBAL H = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, sizeof(DROPFILES) + List.size());
    auto* D = static_cast<DROPFILES*>(GlobalLock(H));
    D->pFiles = sizeof(DROPFILES);
    D->pt = At;
    D->fNC = FALSE;
    D->fWide = FALSE;
    memcpy(reinterpret_cast<char*>(D) + sizeof(DROPFILES), List.data(), List.size());
    GlobalUnlock(H);
    return static_cast<HDROP>(H);
}

bool Released(HDROP Drop) { return GlobalSize(Drop) == 0; }

}  // namespace

TEST_F(DragDropTest, DroppedFilesArriveWholeAndTheDropIsReleased) {
    std::vector<std::string> Got;
    TPoint Where{};
    Form->OnDropFiles = [&](TObject*, const std::vector<std::string>& Files, int X, int Y) {
        Got = Files;
        Where = {X, Y};
    };
    Form->SetAcceptFiles(true);
    EXPECT_TRUE(GetWindowLongPtrA(Form->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    const std::string Long = "c:\\" + std::string(300, 'd') + "\\" + std::string(200, 'f') + ".asm";
    HDROP Drop = MakeDrop({Long, "c:\\b.qrn"}, POINT{12, 34});
    SendMessageA(Form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(Drop), 0);
    ASSERT_EQ(Got.size(), 2u);
    EXPECT_EQ(Got[0], Long);
    EXPECT_EQ(Got[1], "c:\\b.qrn");
    EXPECT_EQ(Where.X, 12);
    EXPECT_EQ(Where.Y, 34);
    EXPECT_TRUE(Released(Drop));
}

TEST_F(DragDropTest, TheDropIsReleasedWhenTheHandlerThrows) {
    Form->OnDropFiles = [](TObject*, const std::vector<std::string>&, int, int) { throw Exception("cannot open"); };
    std::vector<std::string> Caught;
    Application->OnException = [&](TObject*, const std::exception& E) { Caught.push_back(E.what()); };
    Form->SetAcceptFiles(true);
    HDROP Drop = MakeDrop({"c:\\a.asm"}, POINT{1, 1});
    SendMessageA(Form->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(Drop), 0);
    Application->OnException = nullptr;
    EXPECT_EQ(Caught.size(), 1u);
    EXPECT_TRUE(Released(Drop));
}

TEST_F(DragDropTest, AcceptingFilesSurvivesANewWindow) {
    Form->SetAcceptFiles(true);
    Form->RecreateWnd();
    EXPECT_TRUE(GetWindowLongPtrA(Form->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    Form->SetAcceptFiles(false);
    EXPECT_FALSE(GetWindowLongPtrA(Form->Handle(), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
}

// ---- from a form file

namespace {

class TDragForm : public TForm {
    QRN_CLASS(TDragForm, TForm)
public:
    explicit TDragForm(TComponent* AOwner) : TForm(AOwner) {
        RegisterComCtrls();
        ReadFormResource("DRAGFORM");
    }
    TListView* Hot = nullptr;
    std::vector<std::string> Dropped;
    int Overs = 0, Drops = 0, Ends = 0;
    void FormDragOver(TObject*, TObject*, int, int, TDragState, bool& Accept) {
        ++Overs;
        Accept = true;
    }
    void FormDragDrop(TObject*, TObject*, int, int) { ++Drops; }
    void FormDropFiles(TObject*, const std::vector<std::string>& Files, int, int) { Dropped = Files; }
    void HotEndDrag(TObject*, TObject*, int, int) { ++Ends; }
};

}  // namespace

QRN_PUBLISHED(TDragForm) {
    B.Field("Hot", &TDragForm::Hot);
    B.Handler("FormDragOver", &TDragForm::FormDragOver);
    B.Handler("FormDragDrop", &TDragForm::FormDragDrop);
    B.Handler("FormDropFiles", &TDragForm::FormDropFiles);
    B.Handler("HotEndDrag", &TDragForm::HotEndDrag);
}

TEST(DragDropForm, DragSettingsAndEventsComeFromTheFormFile) {
    auto* F = new TDragForm(nullptr);
    ASSERT_NE(F->Hot, nullptr);
    EXPECT_EQ(F->Hot->DragMode(), dmAutomatic);
    EXPECT_EQ(F->Hot->DragCursor(), crMultiDrag);
    EXPECT_EQ(F->OnDragOver.Name, "FormDragOver");
    EXPECT_EQ(F->OnDragDrop.Name, "FormDragDrop");
    EXPECT_EQ(F->OnDropFiles.Name, "FormDropFiles");
    EXPECT_EQ(F->Hot->OnEndDrag.Name, "HotEndDrag");
    F->Show();
    Pump();
    // The list view is dragged onto the form.
    F->Hot->BeginDrag(true);
    const TPoint P = F->ClientToScreen({200, 150});
    HWND Cap = GetCapture();
    POINT Q{P.X, P.Y};
    ScreenToClient(Cap, &Q);
    SendMessageA(Cap, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(Q.x, Q.y));
    EXPECT_EQ(GetCursor(), Screen->Cursors(crMultiDrag));
    SendMessageA(Cap, WM_LBUTTONUP, 0, MAKELPARAM(Q.x, Q.y));
    EXPECT_GE(F->Overs, 1);
    EXPECT_EQ(F->Drops, 1);
    EXPECT_EQ(F->Ends, 1);
    // Files from the shell.
    F->SetAcceptFiles(true);
    SendMessageA(F->Handle(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({"c:\\p\\x.qrn"}, POINT{5, 5})), 0);
    ASSERT_EQ(F->Dropped.size(), 1u);
    EXPECT_EQ(F->Dropped[0], "c:\\p\\x.qrn");
    F->Free();
    Pump();
}
