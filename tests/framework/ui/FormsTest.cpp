#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "framework/controls/Clipboard.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/controls/Timer.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"

namespace {

// Tells when a component is freed.
class TWatcher : public TComponent {
public:
    TWatcher() : TComponent(nullptr) {}
    bool Gone = false;
    void Notification(TComponent* C, TOperation Op) override {
        TComponent::Notification(C, Op);
        if (Op == opRemove && C != this) Gone = true;
    }
};

// Sets a form's ModalResult from the message loop after a short while.
void AnswerLater(TCustomForm* Form, TModalResult Result, TComponent* Owner) {
    auto* T = new TTimer(Owner);
    T->SetInterval(20);
    T->OnTimer = [Form, Result, T](TObject*) {
        T->SetEnabled(false);
        Form->SetModalResult(Result);
    };
    T->SetEnabled(true);
}

class FormsTest : public ::testing::Test {
protected:
    void TearDown() override {
        SetModalDialogHook(nullptr);
        Pump();
    }
};

}  // namespace

TEST_F(FormsTest, ShowModalRunsUntilModalResultIsSet) {
    TForm* F = new TForm(nullptr);
    int Shows = 0, Hides = 0;
    F->OnShow = [&](TObject*) { ++Shows; };
    F->OnHide = [&](TObject*) { ++Hides; };
    AnswerLater(F, mrOk, F);
    EXPECT_EQ(F->ShowModal(), mrOk);
    EXPECT_FALSE(F->Visible());
    EXPECT_FALSE(IsWindowVisible(F->Handle()));
    EXPECT_EQ(Shows, 1);
    EXPECT_EQ(Hides, 1);
    EXPECT_FALSE(F->FormState().Contains(fsModal));
    F->Free();
}

TEST_F(FormsTest, ClosingAModalFormOnlySetsItsResult) {
    TForm* F = new TForm(nullptr);
    int CloseCalls = 0;
    bool Allow = false;
    F->OnCloseQuery = [&](TObject*, bool& CanClose) {
        ++CloseCalls;
        CanClose = Allow;
        Allow = true;  // the second attempt goes through
    };
    auto* T = new TTimer(F);
    T->SetInterval(20);
    T->OnTimer = [F](TObject*) { F->Close(); };
    EXPECT_EQ(F->ShowModal(), mrCancel);
    EXPECT_EQ(CloseCalls, 2);  // refused once: the loop went on
    F->Free();
}

TEST_F(FormsTest, ModalLoopDisablesOtherWindowsAndEnablesThemAgain) {
    TForm* Other = new TForm(nullptr);
    Other->Show();
    Pump();
    TForm* F = new TForm(nullptr);
    bool OtherEnabledDuring = true;
    auto* T = new TTimer(F);
    T->SetInterval(20);
    T->OnTimer = [&](TObject*) {
        OtherEnabledDuring = IsWindowEnabled(Other->Handle());
        F->SetModalResult(mrYes);
    };
    EXPECT_EQ(F->ShowModal(), mrYes);
    EXPECT_FALSE(OtherEnabledDuring);
    EXPECT_TRUE(IsWindowEnabled(Other->Handle()));
    F->Free();
    Other->Free();
}

TEST_F(FormsTest, ModalHookAnswersWithoutShowing) {
    TForm* F = new TForm(nullptr);
    F->SetCaption("Question");
    std::string Asked;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind != dkModalForm) return std::nullopt;
        Asked = R.Caption;
        EXPECT_EQ(R.Form, F);
        return mrNo;
    });
    EXPECT_EQ(F->ShowModal(), mrNo);
    EXPECT_EQ(Asked, "Question");
    EXPECT_FALSE(F->Visible());
    F->Free();
}

TEST_F(FormsTest, MessageBoxesGoThroughTheHook) {
    std::vector<TDialogRequest> Seen;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        Seen.push_back(R);
        return IDNO;
    });
    EXPECT_EQ(Application->MessageBox("Save changes?", "Editor", MB_YESNOCANCEL), IDNO);
    ASSERT_EQ(Seen.size(), 1u);
    EXPECT_EQ(Seen[0].Text, "Save changes?");
    EXPECT_EQ(Seen[0].Flags, static_cast<unsigned>(MB_YESNOCANCEL));
    auto Previous = SetModalDialogHook(nullptr);
    EXPECT_TRUE(static_cast<bool>(Previous));
}

TEST_F(FormsTest, VisibleFormCannotBeMadeModal) {
    TForm* F = new TForm(nullptr);
    F->Show();
    EXPECT_THROW(F->ShowModal(), EInvalidOperation);
    F->Free();
}

TEST_F(FormsTest, CloseActionsHideMinimiseOrFree) {
    TForm* F = new TForm(nullptr);
    TCloseAction Next = caHide;
    F->OnClose = [&](TObject*, TCloseAction& A) { A = Next; };
    F->Show();
    Pump();
    F->Close();
    EXPECT_FALSE(F->Visible());
    F->Show();
    Next = caMinimize;
    F->Close();
    Pump();
    EXPECT_EQ(F->WindowState(), wsMinimized);
    Next = caNone;
    F->Close();
    EXPECT_TRUE(F->Visible());
    TWatcher W;
    F->FreeNotification(&W);
    Next = caFree;
    F->Close();
    EXPECT_FALSE(W.Gone);  // freed from the message loop, not inside Close
    EXPECT_TRUE(PumpUntil([&] { return W.Gone; }));
}

TEST_F(FormsTest, WmCloseGoesThroughClose) {
    TForm* F = new TForm(nullptr);
    bool Asked = false;
    F->OnCloseQuery = [&](TObject*, bool& CanClose) {
        Asked = true;
        CanClose = false;
    };
    F->Show();
    Pump();
    SendMessageA(F->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(Asked);
    EXPECT_TRUE(IsWindow(F->Handle()));
    EXPECT_TRUE(F->Visible());
    F->Free();
}

// Windows activate the application window when a dialog it owns closes;
// a WM_CLOSE sent to it then must not leave every later form ownerless.
TEST_F(FormsTest, ClosingTheApplicationWindowKeepsItForLaterForms) {
    HWND App = Application->Handle();
    SendMessageA(App, WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindow(App));
    EXPECT_EQ(Application->Handle(), App);
    TForm* F = new TForm(nullptr);
    EXPECT_NO_THROW(F->Show());
    F->Free();
}

TEST_F(FormsTest, BorderStylesAndFormStyles) {
    TForm* F = new TForm(nullptr);
    F->SetBorderStyle(bsToolWindow);
    F->Show();
    EXPECT_TRUE(GetWindowLongPtrA(F->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    F->SetBorderStyle(bsDialog);
    EXPECT_FALSE(GetWindowLongPtrA(F->Handle(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_FALSE(F->BorderIcons().Contains(biMinimize));
    EXPECT_TRUE(IsWindowVisible(F->Handle()));  // re-made and shown again
    F->SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(GetWindowLongPtrA(F->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    F->SetBorderStyle(bsSizeable);
    F->SetBorderIcons({biSystemMenu});
    EXPECT_TRUE(GetWindowLongPtrA(F->Handle(), GWL_STYLE) & WS_THICKFRAME);
    EXPECT_FALSE(GetWindowLongPtrA(F->Handle(), GWL_STYLE) & WS_MAXIMIZEBOX);
    F->Free();
}

TEST_F(FormsTest, PositionScreenCenterCentresOnTheWorkArea) {
    TForm* F = new TForm(nullptr);
    F->SetBounds(0, 0, 200, 100);
    F->SetPosition(poScreenCenter);
    F->Show();
    Pump();
    TRect Area = Screen->WorkAreaRect();
    EXPECT_NEAR(F->Left() + 100, Area.Left + Area.Width() / 2, 2);
    EXPECT_NEAR(F->Top() + 50, Area.Top + Area.Height() / 2, 2);
    F->Free();
}

TEST_F(FormsTest, ClientSizeBeforeTheWindowExists) {
    TForm* F = new TForm(nullptr);
    F->SetClientWidth(250);
    F->SetClientHeight(120);
    F->Show();
    Pump();
    EXPECT_EQ(F->ClientWidth(), 250);
    EXPECT_EQ(F->ClientHeight(), 120);
    F->Free();
}

TEST_F(FormsTest, MdiFrameHoldsChildren) {
    TForm* Frame = new TForm(nullptr);
    Frame->SetFormStyle(fsMDIForm);
    Frame->SetBounds(0, 0, 600, 400);
    TCustomForm* OldMain = Application->MainForm();
    Application->SetMainForm(Frame);
    Frame->Show();
    Pump();
    ASSERT_NE(Frame->ClientHandle(), nullptr);
    TForm* A = new TForm(Frame);
    A->SetFormStyle(fsMDIChild);
    A->SetCaption("A");
    A->AfterConstruction();
    TForm* B = new TForm(Frame);
    B->SetFormStyle(fsMDIChild);
    B->SetCaption("B");
    B->AfterConstruction();
    Pump();
    EXPECT_TRUE(A->Visible());
    EXPECT_EQ(GetParent(A->Handle()), Frame->ClientHandle());
    EXPECT_EQ(Frame->MDIChildCount(), 2);
    EXPECT_EQ(Frame->ActiveMDIChild(), B);
    Frame->Cascade();
    Pump();
    EXPECT_NE(A->Left(), B->Left());
    Frame->Tile();
    Frame->Next();
    Pump();
    EXPECT_EQ(Frame->ActiveMDIChild(), A);
    // An MDI child's close action is to minimise.
    A->Close();
    Pump();
    EXPECT_EQ(A->WindowState(), wsMinimized);
    B->Free();
    Pump();
    EXPECT_EQ(Frame->MDIChildCount(), 1);
    Application->SetMainForm(OldMain);
    Frame->Free();
}

TEST_F(FormsTest, MdiChildNeedsAFrame) {
    TForm* F = new TForm(nullptr);
    TCustomForm* OldMain = Application->MainForm();
    Application->SetMainForm(nullptr);
    F->SetFormStyle(fsMDIChild);
    EXPECT_THROW(F->Show(), EInvalidOperation);
    Application->SetMainForm(OldMain);
    F->Free();
}

TEST_F(FormsTest, MenuShortCutComesBeforeTheFocusedControl) {
    TForm* F = new TForm(nullptr);
    auto* Menu = new TMainMenu(F);
    auto* File = new TMenuItem(F);
    File->SetCaption("&File");
    auto* Open = new TMenuItem(F);
    Open->SetCaption("&Open...");
    Open->SetShortCut(TextToShortCut("F3"));
    int Opened = 0;
    Open->OnClick = [&](TObject*) { ++Opened; };
    File->Add(Open);
    Menu->Items()->Add(File);
    F->SetMenu(Menu);
    auto* Probe = new TProbeControl(F);
    Probe->SetParent(F);
    F->Show();
    Pump();
    Probe->SetFocus();
    Pump();
    PostMessageA(Probe->Handle(), WM_KEYDOWN, VK_F3, 0x003D0001);
    Pump();
    EXPECT_EQ(Opened, 1);
    EXPECT_TRUE(Probe->KeysDown.empty());  // the key was used up by the menu
    // A disabled item's short-cut reaches the control instead.
    Open->SetEnabled(false);
    PostMessageA(Probe->Handle(), WM_KEYDOWN, VK_F3, 0x003D0001);
    Pump();
    EXPECT_EQ(Opened, 1);
    ASSERT_EQ(Probe->KeysDown.size(), 1u);
    // The menu bar command goes to the item too.
    Open->SetEnabled(true);
    SendMessageA(F->Handle(), WM_COMMAND, static_cast<WPARAM>(Open->Command()), 0);
    EXPECT_EQ(Opened, 2);
    EXPECT_NE(GetMenu(F->Handle()), nullptr);
    EXPECT_EQ(GetMenuItemCount(GetMenu(F->Handle())), 1);
    F->Free();
}

TEST_F(FormsTest, KeyPreviewLetsTheFormSeeKeysFirst) {
    TForm* F = new TForm(nullptr);
    auto* Probe = new TProbeControl(F);
    Probe->SetParent(F);
    F->SetKeyPreview(true);
    F->OnKeyDown = [](TObject*, uint16_t& Key, TShiftState) {
        if (Key == 'Q') Key = 0;
    };
    F->Show();
    Pump();
    Probe->SetFocus();
    Pump();
    PostMessageA(Probe->Handle(), WM_KEYDOWN, 'Q', 0x00100001);
    PostMessageA(Probe->Handle(), WM_KEYDOWN, 'W', 0x00110001);
    Pump();
    ASSERT_EQ(Probe->KeysDown.size(), 1u);
    EXPECT_EQ(Probe->KeysDown[0], 'W');
    F->Free();
}

TEST_F(FormsTest, ScreenListsFormsActiveFirst) {
    TForm* A = new TForm(nullptr);
    TForm* B = new TForm(nullptr);
    int Before = Screen->FormCount();
    A->Show();
    B->Show();
    Pump();
    A->Perform(WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(Screen->ActiveForm(), A);
    EXPECT_EQ(Screen->Forms(0), A);
    B->Free();
    EXPECT_EQ(Screen->FormCount(), Before - 1);
    A->Free();
    EXPECT_GT(Screen->Width(), 0);
    TRect Work = Screen->WorkAreaRect();
    EXPECT_LE(Work.Width(), Screen->Width());
    EXPECT_NE(Screen->Cursors(crIBeam), nullptr);
    EXPECT_NE(Screen->Cursors(crDrag), nullptr);
    EXPECT_NE(Screen->Cursors(crIBeam), Screen->Cursors(crDefault));
    EXPECT_THROW(Screen->LoadCursor(5, GetModuleHandleA(nullptr), "NO_SUCH_CURSOR"), EResNotFound);
}

TEST_F(FormsTest, TimerTicksOnTheMessageLoopAndStops) {
    TForm* F = new TForm(nullptr);
    auto* T = new TTimer(F);
    int Ticks = 0;
    T->OnTimer = [&](TObject*) {
        if (++Ticks == 3) T->SetEnabled(false);
    };
    T->SetInterval(10);
    EXPECT_TRUE(PumpUntil([&] { return Ticks >= 3; }));
    Pump();
    EXPECT_EQ(Ticks, 3);
    T->SetOnTimer([](TObject*) { throw Exception("tick failed"); });
    std::vector<std::string> Caught;
    Application->OnException = [&](TObject*, const std::exception& E) { Caught.push_back(E.what()); };
    T->SetEnabled(true);
    EXPECT_TRUE(PumpUntil([&] { return !Caught.empty(); }));
    T->SetEnabled(false);
    Application->OnException = nullptr;
    EXPECT_EQ(Caught[0], "tick failed");
    F->Free();
}

TEST_F(FormsTest, ClipboardCarriesTextBitmapsAndOwnFormats) {
    Clipboard()->SetAsText("copied text");
    EXPECT_TRUE(Clipboard()->HasFormat(CF_TEXT));
    EXPECT_EQ(Clipboard()->AsText(), "copied text");
    unsigned Own = TClipboard::RegisterFormat("Quorlen Test Format");
    Clipboard()->SetBuffer(Own, "\x01\x02\x00\x03", 4);
    EXPECT_EQ(Clipboard()->GetBuffer(Own).substr(0, 4), std::string("\x01\x02\x00\x03", 4));
    TBitmap B;
    B.SetSize(4, 4);
    B.Canvas()->Brush()->SetColor(clRed);
    B.Canvas()->FillRect(Rect(0, 0, 4, 4));
    Clipboard()->SetBitmap(&B);
    TBitmap Back;
    ASSERT_TRUE(Clipboard()->GetBitmap(&Back));
    EXPECT_EQ(Back.Width(), 4);
    EXPECT_EQ(Back.Canvas()->Pixel(1, 1) & 0xFFFFFF, clRed);
}

TEST_F(FormsTest, WindowCaptureWritesAPicture) {
    TForm* F = new TForm(nullptr);
    F->SetColor(clRed);
    F->SetBounds(10, 10, 120, 80);
    F->Show();
    Pump();
    F->Repaint();
    const std::string Png = IncludeTrailingPathDelimiter(GetTempDir()) + "qrn_capture.png";
    const std::string Bmp = IncludeTrailingPathDelimiter(GetTempDir()) + "qrn_capture.bmp";
    CaptureWindowToFile(F->Handle(), Png, false);
    CaptureWindowToFile(F->Handle(), Bmp, false);
    std::string P = ReadFileToString(Png);
    EXPECT_EQ(P.substr(1, 3), "PNG");
    std::string B = ReadFileToString(Bmp);
    ASSERT_EQ(B.substr(0, 2), "BM");
    // The middle pixel of the client area is the form's colour.
    TBitmap L;
    L.LoadFromFile(Bmp);
    EXPECT_EQ(L.Canvas()->Pixel(L.Width() / 2, L.Height() / 2) & 0xFFFFFF, clRed);
    RemoveFile(Png);
    RemoveFile(Bmp);
    EXPECT_THROW(CaptureWindowToFile(nullptr, Png), EInvalidOperation);
    F->Free();
}

TEST_F(FormsTest, PaintAndResizeEventsFire) {
    TForm* F = new TForm(nullptr);
    int Paints = 0, Resizes = 0;
    F->OnPaint = [&](TObject*) {
        ++Paints;
        F->Canvas()->Brush()->SetColor(clPurple);
        F->Canvas()->FillRect(Rect(0, 0, 10, 10));
    };
    F->OnResize = [&](TObject*) { ++Resizes; };
    F->Show();
    Pump();
    F->Repaint();
    EXPECT_GT(Paints, 0);
    HDC DC = GetDC(F->Handle());
    EXPECT_EQ(GetPixel(DC, 5, 5), RGB(128, 0, 128));
    ReleaseDC(F->Handle(), DC);
    int Before = Resizes;
    F->SetWidth(F->Width() + 40);
    Pump();
    EXPECT_GT(Resizes, Before);
    F->Free();
}

namespace {
class TSelfAwareForm;
TSelfAwareForm* SelfAware = nullptr;
class TSelfAwareForm : public TForm {
public:
    explicit TSelfAwareForm(TComponent* AOwner) : TForm(AOwner) { SawItself = SelfAware == this; }
    bool SawItself = false;
};
}  // namespace

TEST_F(FormsTest, CreateFormSetsTheReferenceFirstAndTheMainFormOnce) {
    TCustomForm* OldMain = Application->MainForm();
    Application->SetMainForm(nullptr);
    int Created = 0;
    Application->CreateForm(SelfAware);
    ASSERT_NE(SelfAware, nullptr);
    EXPECT_TRUE(SelfAware->SawItself);
    EXPECT_EQ(Application->MainForm(), SelfAware);
    EXPECT_EQ(SelfAware->Owner(), Application);
    TForm* Second = nullptr;
    Application->CreateForm(Second);
    EXPECT_EQ(Application->MainForm(), SelfAware);
    Second->OnCreate = [&](TObject*) { ++Created; };
    Second->AfterConstruction();  // once only
    EXPECT_EQ(Created, 0);
    Second->Free();
    SelfAware->Free();
    EXPECT_EQ(Application->MainForm(), nullptr);
    Application->SetMainForm(OldMain);
}

TEST_F(FormsTest, ActiveMdiChildMergesItsMenuIntoTheFrame) {
    TForm* Frame = new TForm(nullptr);
    Frame->SetFormStyle(fsMDIForm);
    auto* FrameMenu = new TMainMenu(Frame);
    auto* File = new TMenuItem(Frame);
    File->SetCaption("&File");
    auto* Window = new TMenuItem(Frame);
    Window->SetCaption("&Window");
    Window->SetGroupIndex(9);
    FrameMenu->Items()->Add(File);
    FrameMenu->Items()->Add(Window);
    Frame->SetMenu(FrameMenu);
    TCustomForm* OldMain = Application->MainForm();
    Application->SetMainForm(Frame);
    Frame->Show();
    Pump();
    TForm* Child = new TForm(Frame);
    auto* ChildMenu = new TMainMenu(Child);
    auto* Edit = new TMenuItem(Child);
    Edit->SetCaption("&Edit");
    Edit->SetGroupIndex(1);
    int Edits = 0;
    auto* Undo = new TMenuItem(Child);
    Undo->SetCaption("&Undo");
    Undo->OnClick = [&](TObject*) { ++Edits; };
    Edit->Add(Undo);
    ChildMenu->Items()->Add(Edit);
    Child->SetMenu(ChildMenu);
    Child->SetFormStyle(fsMDIChild);
    Child->AfterConstruction();
    Pump();
    HMENU Bar = GetMenu(Frame->Handle());
    ASSERT_NE(Bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(Bar), 3);
    char Text[32] = {};
    GetMenuStringA(Bar, 1, Text, sizeof Text, MF_BYPOSITION);
    EXPECT_STREQ(Text, "&Edit");
    // A command of the merged item reaches the child's handler.
    SendMessageA(Frame->Handle(), WM_COMMAND, static_cast<WPARAM>(Undo->Command()), 0);
    EXPECT_EQ(Edits, 1);
    Child->Free();
    Pump();
    EXPECT_EQ(GetMenuItemCount(GetMenu(Frame->Handle())), 2);
    Application->SetMainForm(OldMain);
    Frame->Free();
}
