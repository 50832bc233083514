// Labels, edits, memos, buttons, check boxes, radio buttons, group boxes,
// radio groups, panels and bevels, made from a form resource and driven
// with the messages a user's actions produce.
#include <gtest/gtest.h>

#include "UiTestSupport.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"
#include "framework/controls/ModalHook.h"
#include "framework/controls/Timer.h"
#include "framework/stdctrls/StdCtrls.h"

namespace {

class TStdCtrls1Form : public TForm {
    QRN_CLASS(TStdCtrls1Form, TForm)
public:
    explicit TStdCtrls1Form(TComponent* AOwner) : TForm(AOwner) { ReadFormResource("STDCTRLS1FORM"); }
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;
    TMemo* Memo1 = nullptr;
    TButton* OkBtn = nullptr;
    TButton* CancelBtn = nullptr;
    TCheckBox* Check1 = nullptr;
    TGroupBox* GroupBox1 = nullptr;
    TRadioButton* Radio1 = nullptr;
    TRadioButton* Radio2 = nullptr;
    TRadioGroup* RadioGroup1 = nullptr;
    TPanel* Panel1 = nullptr;
    TBevel* Bevel1 = nullptr;
    int EditChanges = 0, MemoChanges = 0, OkClicks = 0, CheckClicks = 0, GroupClicks = 0;
    std::vector<TObject*> RadioClicks;
    void Edit1Change(TObject*) { ++EditChanges; }
    void Memo1Change(TObject*) { ++MemoChanges; }
    void OkBtnClick(TObject*) { ++OkClicks; }
    void Check1Click(TObject*) { ++CheckClicks; }
    void Radio1Click(TObject* Sender) { RadioClicks.push_back(Sender); }
    void RadioGroup1Click(TObject*) { ++GroupClicks; }
};

}  // namespace

QRN_PUBLISHED(TStdCtrls1Form) {
    B.Field("Label1", &TStdCtrls1Form::Label1);
    B.Field("Edit1", &TStdCtrls1Form::Edit1);
    B.Field("Memo1", &TStdCtrls1Form::Memo1);
    B.Field("OkBtn", &TStdCtrls1Form::OkBtn);
    B.Field("CancelBtn", &TStdCtrls1Form::CancelBtn);
    B.Field("Check1", &TStdCtrls1Form::Check1);
    B.Field("GroupBox1", &TStdCtrls1Form::GroupBox1);
    B.Field("Radio1", &TStdCtrls1Form::Radio1);
    B.Field("Radio2", &TStdCtrls1Form::Radio2);
    B.Field("RadioGroup1", &TStdCtrls1Form::RadioGroup1);
    B.Field("Panel1", &TStdCtrls1Form::Panel1);
    B.Field("Bevel1", &TStdCtrls1Form::Bevel1);
    B.Handler("Edit1Change", &TStdCtrls1Form::Edit1Change);
    B.Handler("Memo1Change", &TStdCtrls1Form::Memo1Change);
    B.Handler("OkBtnClick", &TStdCtrls1Form::OkBtnClick);
    B.Handler("Check1Click", &TStdCtrls1Form::Check1Click);
    B.Handler("Radio1Click", &TStdCtrls1Form::Radio1Click);
    B.Handler("RadioGroup1Click", &TStdCtrls1Form::RadioGroup1Click);
}

namespace {

std::string WindowText(HWND Wnd) {
    char Buf[512] = {};
    GetWindowTextA(Wnd, Buf, sizeof Buf);
    return Buf;
}

LRESULT CheckOf(TWinControl* C) { return SendMessageA(C->Handle(), BM_GETCHECK, 0, 0); }

void Type(HWND Wnd, const std::string& S) {
    for (char C : S) PostMessageA(Wnd, WM_CHAR, static_cast<WPARAM>(static_cast<unsigned char>(C)), 1);
    Pump();
}

// Presses a key the way the keyboard does: key down, its character, key up.
void PressKey(HWND Wnd, WPARAM Key) {
    PostMessageA(Wnd, WM_KEYDOWN, Key, 1);
    if (Key == VK_RETURN || Key == VK_ESCAPE) PostMessageA(Wnd, WM_CHAR, Key == VK_RETURN ? '\r' : 27, 1);
    PostMessageA(Wnd, WM_KEYUP, Key, static_cast<LPARAM>(0xC0000001));
}

class StdCtrls1Test : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStdCtrls();
        F = new TStdCtrls1Form(nullptr);
    }
    void TearDown() override {
        SetModalDialogHook(nullptr);
        F->Free();
        Pump();
    }
    void ShowForm() {
        F->Show();
        Pump();
    }
    TStdCtrls1Form* F = nullptr;
};

}  // namespace

TEST_F(StdCtrls1Test, TheClassesAreKnownToFormStreamsByName) {
    for (const char* Name : {"TLabel", "TEdit", "TMemo", "TButton", "TCheckBox", "TRadioButton", "TGroupBox",
                             "TRadioGroup", "TPanel", "TBevel"})
        EXPECT_NE(GetClass(Name), nullptr) << Name;
}

TEST_F(StdCtrls1Test, ValuesFromTheResourceReachTheWindows) {
    ShowForm();
    // Reading the form is not a user action: no change or click events.
    EXPECT_EQ(F->EditChanges, 0);
    EXPECT_EQ(F->MemoChanges, 0);
    EXPECT_EQ(F->CheckClicks, 0);
    EXPECT_TRUE(F->RadioClicks.empty());
    EXPECT_EQ(F->GroupClicks, 0);

    EXPECT_EQ(WindowText(F->Edit1->Handle()), "hello");
    EXPECT_EQ(SendMessageA(F->Edit1->Handle(), EM_GETLIMITTEXT, 0, 0), 10);
    EXPECT_EQ(WindowText(F->Memo1->Handle()), "one\r\ntwo\r\n");
    ASSERT_EQ(F->Memo1->Lines()->Count(), 2);
    EXPECT_EQ(F->Memo1->Lines()->Strings(1), "two");
    EXPECT_NE(GetWindowLongPtrA(F->Memo1->Handle(), GWL_STYLE) & WS_VSCROLL, 0);
    EXPECT_NE(GetWindowLongPtrA(F->Memo1->Handle(), GWL_STYLE) & ES_MULTILINE, 0);

    EXPECT_EQ(F->Check1->State(), cbGrayed);
    EXPECT_FALSE(F->Check1->Checked());
    EXPECT_EQ(CheckOf(F->Check1), BST_INDETERMINATE);
    EXPECT_EQ(CheckOf(F->Radio1), BST_CHECKED);
    EXPECT_EQ(CheckOf(F->Radio2), BST_UNCHECKED);
    EXPECT_EQ(F->Radio1->Parent(), F->GroupBox1);

    ASSERT_EQ(F->RadioGroup1->ButtonCount(), 3);
    EXPECT_EQ(F->RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(CheckOf(F->RadioGroup1->Buttons(1)), BST_CHECKED);
    EXPECT_EQ(WindowText(F->RadioGroup1->Buttons(2)->Handle()), "Project");
    // Two columns: the third item starts the second column.
    EXPECT_GT(F->RadioGroup1->Buttons(2)->Left(), F->RadioGroup1->Buttons(0)->Left());
    EXPECT_EQ(F->RadioGroup1->Buttons(1)->Left(), F->RadioGroup1->Buttons(0)->Left());

    EXPECT_EQ(F->Panel1->FrameWidth(), 4);
    EXPECT_EQ(F->Panel1->Alignment(), taLeftJustify);
    EXPECT_EQ(F->Bevel1->Shape(), bsTopLine);
    EXPECT_EQ(F->Label1->FocusControl(), F->Edit1);

    EXPECT_EQ(GetWindowLongPtrA(F->OkBtn->Handle(), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);
    EXPECT_EQ(F->OkBtn->ModalResult(), mrOk);
    EXPECT_TRUE(F->CancelBtn->Cancel());
}

TEST_F(StdCtrls1Test, TypingInAnEditFiresOnChangeOncePerCharacterAndRespectsMaxLength) {
    ShowForm();
    HWND E = F->Edit1->Handle();
    F->Edit1->SetSelStart(5);
    EXPECT_FALSE(F->Edit1->Modified());
    Type(E, "ab");
    EXPECT_EQ(F->Edit1->Text(), "helloab");
    EXPECT_EQ(F->EditChanges, 2);
    EXPECT_TRUE(F->Edit1->Modified());
    Type(E, "12345");  // only three fit in ten
    EXPECT_EQ(F->Edit1->Text(), "helloab123");
    EXPECT_GE(F->EditChanges, 5);

    F->Edit1->SetSelStart(1);
    F->Edit1->SetSelLength(4);
    EXPECT_EQ(F->Edit1->SelText(), "ello");
    F->Edit1->SetSelText("i");
    EXPECT_EQ(F->Edit1->Text(), "hiab123");
    EXPECT_EQ(F->Edit1->SelStart(), 2);
    EXPECT_EQ(F->Edit1->SelLength(), 0);

    // Setting the text by program reports one change.
    const int Before = F->EditChanges;
    F->Edit1->SetText("set");
    EXPECT_EQ(F->EditChanges, Before + 1);
}

TEST_F(StdCtrls1Test, EditOptionsReachTheWindow) {
    ShowForm();
    HWND E = F->Edit1->Handle();
    F->Edit1->SetReadOnly(true);
    EXPECT_NE(GetWindowLongPtrA(E, GWL_STYLE) & ES_READONLY, 0);
    Type(E, "zz");
    EXPECT_EQ(F->Edit1->Text(), "hello");
    F->Edit1->SetReadOnly(false);

    F->Edit1->SetPasswordChar('*');
    EXPECT_EQ(SendMessageA(E, EM_GETPASSWORDCHAR, 0, 0), '*');
    F->Edit1->SetPasswordChar('\0');

    // Upper case: the text already there is converted, typed letters too.
    F->Edit1->SetCharCase(ecUpperCase);
    EXPECT_EQ(F->Edit1->Text(), "HELLO");
    EXPECT_NE(GetWindowLongPtrA(F->Edit1->Handle(), GWL_STYLE) & ES_UPPERCASE, 0);
    F->Edit1->SetSelStart(5);
    Type(F->Edit1->Handle(), "x");
    EXPECT_EQ(F->Edit1->Text(), "HELLOX");

    F->Edit1->SetMaxLength(3);
    EXPECT_EQ(SendMessageA(F->Edit1->Handle(), EM_GETLIMITTEXT, 0, 0), 3);
}

TEST_F(StdCtrls1Test, AutoSelectSelectsTheTextWhenTheEditIsEnteredByKeyboard) {
    ShowForm();
    F->OkBtn->SetFocus();
    Pump();
    F->Edit1->SetFocus();
    Pump();
    EXPECT_EQ(F->Edit1->SelStart(), 0);
    EXPECT_EQ(F->Edit1->SelLength(), 5);
}

TEST_F(StdCtrls1Test, MemoLinesAreAViewOverTheWindowText) {
    ShowForm();
    TStrings* L = F->Memo1->Lines();
    HWND M = F->Memo1->Handle();
    L->Add("three");
    EXPECT_EQ(WindowText(M), "one\r\ntwo\r\nthree\r\n");
    L->Insert(0, "zero");
    L->Delete(2);
    L->Put(1, "ONE");
    EXPECT_EQ(WindowText(M), "zero\r\nONE\r\nthree\r\n");
    EXPECT_EQ(L->Count(), 3);
    EXPECT_THROW(L->Strings(3), EStringListError);
    // Bare line feeds become the line breaks the window needs.
    L->SetTextStr("a\nb\r\nc");
    EXPECT_EQ(WindowText(M), "a\r\nb\r\nc");
    EXPECT_EQ(L->Count(), 3);
    EXPECT_EQ(L->Strings(2), "c");
    L->Clear();
    EXPECT_EQ(L->Count(), 0);
    EXPECT_EQ(WindowText(M), "");

    // Return typed in the memo starts a new line; each key is one change.
    const int Before = F->MemoChanges;
    Type(M, "x\ry");
    EXPECT_EQ(F->Memo1->Text(), "x\r\ny");
    EXPECT_EQ(F->MemoChanges, Before + 3);
    ASSERT_EQ(L->Count(), 2);
    EXPECT_EQ(L->Strings(1), "y");
}

TEST_F(StdCtrls1Test, MemoHandsTabAndReturnToTheFormUnlessItWantsThem) {
    ShowForm();
    F->Memo1->SetWantTabs(false);
    F->Memo1->SetWantReturns(false);
    const LRESULT Code = SendMessageA(F->Memo1->Handle(), WM_GETDLGCODE, 0, 0);
    EXPECT_EQ(Code & DLGC_WANTTAB, 0);
    EXPECT_EQ(Code & DLGC_WANTALLKEYS, 0);
    F->Memo1->SetWantTabs(true);
    EXPECT_NE(SendMessageA(F->Memo1->Handle(), WM_GETDLGCODE, 0, 0) & DLGC_WANTTAB, 0);

    // Tab moves the focus on when the memo does not want it.
    F->Memo1->SetWantTabs(false);
    F->Memo1->SetFocus();
    Pump();
    ASSERT_TRUE(F->Memo1->Focused());
    PressKey(F->Memo1->Handle(), VK_TAB);
    Pump();
    EXPECT_TRUE(F->OkBtn->Focused());
    EXPECT_EQ(F->Memo1->Lines()->Count(), 2);
}

TEST_F(StdCtrls1Test, AButtonClickFiresOnClickOnceAndSetsTheFormsModalResult) {
    ShowForm();
    SendMessageA(F->OkBtn->Handle(), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(F->OkClicks, 1);
    EXPECT_EQ(F->ModalResult(), mrOk);
    F->SetModalResult(mrNone);
    SendMessageA(F->CancelBtn->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(F->ModalResult(), mrCancel);
    EXPECT_EQ(F->OkClicks, 1);
}

TEST_F(StdCtrls1Test, EnterPressesTheDefaultButtonOfAModalForm) {
    auto* T = new TTimer(F);
    T->SetInterval(30);
    T->OnTimer = [this, T](TObject*) {
        T->SetEnabled(false);
        PressKey(GetFocus(), VK_RETURN);
    };
    EXPECT_EQ(F->ShowModal(), mrOk);
    EXPECT_EQ(F->OkClicks, 1);
    // The edit had the focus and did not take the key.
    EXPECT_EQ(F->Edit1->Text(), "hello");
}

TEST_F(StdCtrls1Test, EscapePressesTheCancelButtonOfAModalForm) {
    auto* T = new TTimer(F);
    T->SetInterval(30);
    T->OnTimer = [T](TObject*) {
        T->SetEnabled(false);
        PressKey(GetFocus(), VK_ESCAPE);
    };
    EXPECT_EQ(F->ShowModal(), mrCancel);
    EXPECT_EQ(F->OkClicks, 0);
}

TEST_F(StdCtrls1Test, EnterClicksTheFocusedButtonRatherThanTheDefaultOne) {
    bool CancelClicked = false;
    F->CancelBtn->OnClick = [&](TObject*) { CancelClicked = true; };
    auto* T = new TTimer(F);
    T->SetInterval(30);
    T->OnTimer = [this, T](TObject*) {
        T->SetEnabled(false);
        F->CancelBtn->SetFocus();
        PressKey(F->CancelBtn->Handle(), VK_RETURN);
    };
    EXPECT_EQ(F->ShowModal(), mrCancel);
    EXPECT_TRUE(CancelClicked);
    EXPECT_EQ(F->OkClicks, 0);
}

TEST_F(StdCtrls1Test, ModalHookCanPressAButton) {
    SetModalDialogHook([](const TDialogRequest& R) -> std::optional<int> {
        auto* Form = static_cast<TStdCtrls1Form*>(R.Form);
        Form->OkBtn->Click();
        return Form->ModalResult();
    });
    EXPECT_EQ(F->ShowModal(), mrOk);
    EXPECT_EQ(F->OkClicks, 1);
}

TEST_F(StdCtrls1Test, CheckBoxClicksCycleThroughTheStatesItAllows) {
    ShowForm();
    HWND C = F->Check1->Handle();
    SendMessageA(C, BM_CLICK, 0, 0);  // grayed -> checked
    EXPECT_EQ(F->Check1->State(), cbChecked);
    EXPECT_TRUE(F->Check1->Checked());
    EXPECT_EQ(CheckOf(F->Check1), BST_CHECKED);
    SendMessageA(C, BM_CLICK, 0, 0);  // checked -> unchecked
    EXPECT_EQ(CheckOf(F->Check1), BST_UNCHECKED);
    SendMessageA(C, BM_CLICK, 0, 0);  // unchecked -> grayed
    EXPECT_EQ(F->Check1->State(), cbGrayed);
    EXPECT_EQ(CheckOf(F->Check1), BST_INDETERMINATE);
    EXPECT_EQ(F->CheckClicks, 3);

    F->Check1->SetAllowGrayed(false);
    F->Check1->SetChecked(false);
    SendMessageA(C, BM_CLICK, 0, 0);  // unchecked -> checked
    EXPECT_EQ(F->Check1->State(), cbChecked);
    EXPECT_EQ(F->CheckClicks, 5);
    // Setting the same value again is no change and fires nothing.
    F->Check1->SetChecked(true);
    EXPECT_EQ(F->CheckClicks, 5);
}

TEST_F(StdCtrls1Test, CheckBoxAlignmentPutsTheTextOnTheLeft) {
    ShowForm();
    F->Check1->SetAlignment(taLeftJustify);
    EXPECT_NE(GetWindowLongPtrA(F->Check1->Handle(), GWL_STYLE) & BS_LEFTTEXT, 0);
    EXPECT_EQ(CheckOf(F->Check1), BST_INDETERMINATE);
}

TEST_F(StdCtrls1Test, CheckingARadioButtonUnchecksItsSiblings) {
    ShowForm();
    SendMessageA(F->Radio2->Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(F->Radio2->Checked());
    EXPECT_FALSE(F->Radio1->Checked());
    EXPECT_EQ(CheckOf(F->Radio1), BST_UNCHECKED);
    EXPECT_EQ(CheckOf(F->Radio2), BST_CHECKED);
    ASSERT_EQ(F->RadioClicks.size(), 1u);
    EXPECT_EQ(F->RadioClicks[0], F->Radio2);
    // Clicking the checked one again changes nothing.
    SendMessageA(F->Radio2->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(F->RadioClicks.size(), 1u);
    // Radio buttons elsewhere are not siblings.
    EXPECT_EQ(CheckOf(F->RadioGroup1->Buttons(1)), BST_CHECKED);
}

TEST_F(StdCtrls1Test, RadioGroupFollowsClicksItemIndexAndItems) {
    ShowForm();
    SendMessageA(F->RadioGroup1->Buttons(2)->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(F->RadioGroup1->ItemIndex(), 2);
    EXPECT_EQ(F->GroupClicks, 1);
    EXPECT_EQ(CheckOf(F->RadioGroup1->Buttons(1)), BST_UNCHECKED);

    F->RadioGroup1->SetItemIndex(0);
    EXPECT_EQ(CheckOf(F->RadioGroup1->Buttons(0)), BST_CHECKED);
    EXPECT_EQ(CheckOf(F->RadioGroup1->Buttons(2)), BST_UNCHECKED);
    EXPECT_EQ(F->GroupClicks, 2);
    F->RadioGroup1->SetItemIndex(-1);
    EXPECT_EQ(CheckOf(F->RadioGroup1->Buttons(0)), BST_UNCHECKED);
    F->RadioGroup1->SetItemIndex(99);  // clamped to the last item
    EXPECT_EQ(F->RadioGroup1->ItemIndex(), 2);

    F->RadioGroup1->Items()->Add("Files");
    ASSERT_EQ(F->RadioGroup1->ButtonCount(), 4);
    EXPECT_EQ(F->RadioGroup1->Buttons(3)->Caption(), "Files");
    EXPECT_EQ(CheckOf(F->RadioGroup1->Buttons(2)), BST_CHECKED);
    F->RadioGroup1->Items()->Delete(3);
    F->RadioGroup1->Items()->Delete(2);
    EXPECT_EQ(F->RadioGroup1->ButtonCount(), 2);
    EXPECT_EQ(F->RadioGroup1->ItemIndex(), 1);
}

TEST_F(StdCtrls1Test, RecreatingTheWindowsKeepsTheState) {
    ShowForm();
    F->Edit1->SetText("kept");
    F->Edit1->SetModified(true);
    F->Edit1->SetReadOnly(true);
    F->Check1->SetState(cbChecked);
    F->Radio2->SetChecked(true);
    F->Memo1->Lines()->Add("three");
    const HWND OldEdit = F->Edit1->Handle();
    F->RecreateWnd();
    Pump();
    EXPECT_NE(F->Edit1->Handle(), OldEdit);
    EXPECT_EQ(WindowText(F->Edit1->Handle()), "kept");
    EXPECT_TRUE(F->Edit1->Modified());
    EXPECT_NE(GetWindowLongPtrA(F->Edit1->Handle(), GWL_STYLE) & ES_READONLY, 0);
    EXPECT_EQ(SendMessageA(F->Edit1->Handle(), EM_GETLIMITTEXT, 0, 0), 10);
    EXPECT_EQ(CheckOf(F->Check1), BST_CHECKED);
    EXPECT_EQ(CheckOf(F->Radio2), BST_CHECKED);
    EXPECT_EQ(CheckOf(F->Radio1), BST_UNCHECKED);
    EXPECT_EQ(CheckOf(F->RadioGroup1->Buttons(1)), BST_CHECKED);
    EXPECT_EQ(F->Memo1->Lines()->Count(), 3);
    EXPECT_EQ(GetWindowLongPtrA(F->OkBtn->Handle(), GWL_STYLE) & 0x0F, BS_DEFPUSHBUTTON);

    // A style change recreates the memo alone; its text survives.
    F->Memo1->SetScrollBars(ssBoth);
    EXPECT_NE(GetWindowLongPtrA(F->Memo1->Handle(), GWL_STYLE) & WS_HSCROLL, 0);
    EXPECT_EQ(F->Memo1->Lines()->Strings(2), "three");
}

TEST_F(StdCtrls1Test, LabelSizesItselfToItsCaptionAndFocusesItsControlOnItsAccelerator) {
    ShowForm();
    const int W = F->Label1->Width();
    EXPECT_GT(W, 0);
    F->Label1->SetCaption("A much longer caption");
    EXPECT_GT(F->Label1->Width(), W);
    F->Label1->SetAutoSize(false);
    F->Label1->SetWidth(30);
    F->Label1->SetCaption("Another long caption");
    EXPECT_EQ(F->Label1->Width(), 30);

    F->Label1->SetTransparent(true);
    EXPECT_FALSE(F->Label1->ControlStyle().Contains(csOpaque));

    F->Label1->SetCaption("&Name:");
    F->OkBtn->SetFocus();
    Pump();
    EXPECT_EQ(F->Perform(CM_DIALOGCHAR, 'n', 0), 1);
    EXPECT_TRUE(F->Edit1->Focused());
    // Without the accelerator shown, the character is not taken.
    F->Label1->SetShowAccelChar(false);
    F->OkBtn->SetFocus();
    EXPECT_EQ(F->Perform(CM_DIALOGCHAR, 'n', 0), 0);
    EXPECT_TRUE(F->OkBtn->Focused());
}

TEST_F(StdCtrls1Test, LabelForgetsAFreedFocusControl) {
    F->Edit1->Free();
    F->Edit1 = nullptr;
    EXPECT_EQ(F->Label1->FocusControl(), nullptr);
    ShowForm();
    EXPECT_EQ(F->Perform(CM_DIALOGCHAR, 'n', 0), 0);
}

TEST_F(StdCtrls1Test, PanelAndGroupBoxKeepChildrenInsideTheirFrames) {
    ShowForm();
    auto* B = new TButton(F);
    B->SetParent(F->Panel1);
    B->SetAlign(alClient);
    EXPECT_EQ(B->Left(), 4);
    EXPECT_EQ(B->Top(), 4);
    EXPECT_EQ(B->Width(), 200 - 8);
    F->Panel1->SetBevelOuter(bvNone);
    EXPECT_EQ(B->Left(), 3);
    F->Panel1->SetBorderWidth(0);
    F->Panel1->SetBevelWidth(0);  // at least one
    EXPECT_EQ(F->Panel1->BevelWidth(), 1);
    EXPECT_EQ(B->Left(), 1);

    auto* G = new TButton(F);
    G->SetParent(F->GroupBox1);
    G->SetAlign(alClient);
    EXPECT_GT(G->Top(), 4);  // below the caption
}

TEST_F(StdCtrls1Test, PaintingEveryControlDoesNotFail) {
    ShowForm();
    F->Bevel1->SetShape(bsFrame);
    F->Panel1->SetBevelInner(bvSpace);
    F->Label1->SetLayout(tlCenter);
    F->Label1->SetEnabled(false);
    F->Repaint();
    Pump();
    for (TBevelShape S : {bsBox, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer}) {
        F->Bevel1->SetShape(S);
        F->Bevel1->SetStyle(S == bsBox ? bsRaised : bsLowered);
        F->Repaint();
    }
    SUCCEED();
}

TEST_F(StdCtrls1Test, WritingTheFormStoresWhatReadingItNeedsAndNothingTwice) {
    F->Edit1->SetPasswordChar('*');
    TMemoryStream S;
    {
        TWriter W(&S);
        W.WriteDescendent(F, nullptr);
    }
    const std::string Text = ObjectBinaryToText(std::string(static_cast<const char*>(S.Memory()), static_cast<size_t>(S.Size())));
    auto Has = [&Text](const std::string& Part) { return Text.find(Part) != std::string::npos; };
    EXPECT_TRUE(Has("Text = 'hello'"));
    EXPECT_FALSE(Has("Caption = 'hello'"));
    EXPECT_TRUE(Has("MaxLength = 10"));
    EXPECT_TRUE(Has("PasswordChar = '*'"));
    EXPECT_TRUE(Has("Lines.Strings = ("));
    // The memo's text lives in its lines only.
    EXPECT_FALSE(Has("Text = 'one"));
    // A check box stores its state, not Checked as well.
    EXPECT_TRUE(Has("State = cbGrayed"));
    EXPECT_FALSE(Has("Checked = False"));
    EXPECT_TRUE(Has("Default = True"));
    EXPECT_TRUE(Has("ModalResult = 1"));
    EXPECT_TRUE(Has("Items.Strings = ("));
    EXPECT_TRUE(Has("ItemIndex = 1"));
    EXPECT_TRUE(Has("BevelInner = bvLowered"));
    EXPECT_TRUE(Has("Shape = bsTopLine"));
    EXPECT_TRUE(Has("FocusControl = Edit1"));
    // The radio group's own buttons are not components of the form.
    size_t Radios = 0;
    for (size_t P = Text.find(": TRadioButton"); P != std::string::npos; P = Text.find(": TRadioButton", P + 1)) ++Radios;
    EXPECT_EQ(Radios, 2u);
}

TEST_F(StdCtrls1Test, AMemoThatDoesNotWantReturnsLetsEnterPressTheDefaultButton) {
    F->Memo1->SetWantReturns(false);
    auto* T = new TTimer(F);
    T->SetInterval(30);
    T->OnTimer = [this, T](TObject*) {
        T->SetEnabled(false);
        F->Memo1->SetFocus();
        PressKey(F->Memo1->Handle(), VK_RETURN);
    };
    EXPECT_EQ(F->ShowModal(), mrOk);
    EXPECT_EQ(F->OkClicks, 1);
    EXPECT_EQ(F->Memo1->Lines()->Count(), 2);
}

TEST_F(StdCtrls1Test, SpaceOnAFocusedCheckBoxTogglesItOnce) {
    ShowForm();
    F->Check1->SetFocus();
    Pump();
    ASSERT_TRUE(F->Check1->Focused());
    PostMessageA(F->Check1->Handle(), WM_KEYDOWN, VK_SPACE, 1);
    PostMessageA(F->Check1->Handle(), WM_CHAR, ' ', 1);
    PostMessageA(F->Check1->Handle(), WM_KEYUP, VK_SPACE, static_cast<LPARAM>(0xC0000001));
    Pump();
    EXPECT_EQ(F->Check1->State(), cbChecked);
    EXPECT_EQ(F->CheckClicks, 1);
}

TEST_F(StdCtrls1Test, TheDefaultLookFollowsTheFocusedButton) {
    ShowForm();
    auto Style = [](TButton* B) { return GetWindowLongPtrA(B->Handle(), GWL_STYLE) & 0x0F; };
    F->CancelBtn->SetFocus();
    Pump();
    EXPECT_EQ(Style(F->CancelBtn), BS_DEFPUSHBUTTON);
    EXPECT_EQ(Style(F->OkBtn), BS_PUSHBUTTON);
    F->Edit1->SetFocus();
    Pump();
    EXPECT_EQ(Style(F->OkBtn), BS_DEFPUSHBUTTON);
    EXPECT_EQ(Style(F->CancelBtn), BS_PUSHBUTTON);
}

TEST_F(StdCtrls1Test, ARadioGroupCanBeFreedOnItsOwnAndItsButtonsGoWithIt) {
    ShowForm();
    const int Before = F->ComponentCount();
    F->RadioGroup1->Free();
    F->RadioGroup1 = nullptr;
    EXPECT_EQ(F->ComponentCount(), Before - 1);
    Pump();
}
