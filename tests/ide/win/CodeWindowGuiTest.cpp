// The code window: Ctrl+Enter, Collapse and Expand, Read Only and the
// close question, in a real MDI window with scripted dialogs.
#include "tests/ide/win/ProjectGuiFixture.h"

#include "framework/comctrls/ComCtrls.h"
#include "framework/menus/Menus.h"
#include "ide/ListTexts.h"
#include "ide/win/QuillMemoCI.h"

namespace {

using Strings = std::vector<std::string>;

Strings Paragraphs(TQuillMemo* E) {
    Strings R;
    for (int32_t I = 0; I < E->ParagraphCount(); ++I) R.push_back(E->GetParagraphText(I));
    return R;
}

// Puts the caret at Col of paragraph Par.
void PlaceCaret(TQuillMemo* E, int Par, int Col) {
    E->SetSelStart(E->ParagraphStart(Par) + Col);
    E->SetSelLength(0);
}

void PressCtrlEnter(TCodeWindow* W) {
    uint16_t Key = VK_RETURN;
    W->CodeEditorKeyDown(W->CodeEditor, Key, TShiftState{ssCtrl});
}

class CodeWindowGui : public ProjectGui {
protected:
    void SetUp() override {
        ProjectGui::SetUp();
        OpenHello();
        W = Window("main.asm");
        ASSERT_NE(W, nullptr);
    }
    TCodeWindow* W = nullptr;
};

TEST_F(CodeWindowGui, CtrlEnterOpensTheIncludeNamedUnderTheCaret) {
    ASSERT_EQ(W->CodeEditor->GetParagraphText(5), "include dos.inc");
    PlaceCaret(W->CodeEditor, 5, 10);
    PressCtrlEnter(W);
    Pump();
    EXPECT_EQ(Form->CodeWindowCount(), 2);
    TCodeWindow* Inc = Form->FindCodeWindow(ExpandFileName("dos.inc"));
    ASSERT_NE(Inc, nullptr);
    EXPECT_TRUE(SameFileName(Inc->FileName(), Folder / "dos.inc"));
    EXPECT_FALSE(W->Modified());  // opening another file changes no text here
    EXPECT_TRUE(Dialogs.Texts.empty());
}

TEST_F(CodeWindowGui, CtrlEnterOnAQuotedNameDropsTheQuotes) {
    W->CodeEditor->SetSelStart(0);
    W->CodeEditor->SetSelText("include \"print.asm\"\r\n");
    PlaceCaret(W->CodeEditor, 0, 12);
    PressCtrlEnter(W);
    Pump();
    EXPECT_NE(Form->FindCodeWindow(ExpandFileName("print.asm")), nullptr);
}

TEST_F(CodeWindowGui, CtrlEnterOnAMissingFileAsksAndNoChangesNothing) {
    W->CodeEditor->SetSelStart(0);
    W->CodeEditor->SetSelText("include nothere.inc\r\n");
    PlaceCaret(W->CodeEditor, 0, 10);
    W->SetModified(false);
    Dialogs.Answer(mrNo);
    PressCtrlEnter(W);
    EXPECT_EQ(Dialogs.Texts, (Strings{ListTexts::NotFoundQuestion("nothere.inc")}));
    EXPECT_FALSE(W->Modified());
    EXPECT_EQ(Form->CodeWindowCount(), 1);
}

TEST_F(CodeWindowGui, CtrlEnterLooksForAMissingFileWhenAskedTo) {
    W->CodeEditor->SetSelStart(0);
    W->CodeEditor->SetSelText("include nothere.inc\r\n");
    PlaceCaret(W->CodeEditor, 0, 10);
    W->SetModified(false);
    Dialogs.Answer(mrYes);
    Dialogs.AnswerFile(Folder / "dos.inc");
    PressCtrlEnter(W);
    Pump();
    EXPECT_NE(Form->FindCodeWindow(Folder / "dos.inc"), nullptr);
    EXPECT_FALSE(W->Modified());
}

TEST_F(CodeWindowGui, WithoutASelectionTheMenuOffersNeitherCollapseNorExpand) {
    PlaceCaret(W->CodeEditor, 5, 10);
    W->UpdateContextMenu();
    EXPECT_FALSE(W->ContextCollapse1->Visible());
    EXPECT_FALSE(W->ContextExpand1->Visible());
}

TEST_F(CodeWindowGui, CollapseThenExpandBringsTheLinesBack) {
    TQuillMemo* E = W->CodeEditor;
    const Strings Before = Paragraphs(E);
    // Lines 2 and 3 (".model small", ".stack 100h") as a whole.
    E->SetSelStart(E->ParagraphStart(2));
    E->SetSelLength(E->ParagraphStart(3) + static_cast<int32_t>(Before[3].size()) - E->ParagraphStart(2));
    W->UpdateContextMenu();
    EXPECT_TRUE(W->ContextCollapse1->Visible());
    EXPECT_FALSE(W->ContextExpand1->Visible());

    Dialogs.AnswerInput("part1");
    W->Collapse();
    EXPECT_EQ(ReadAll(Folder / "part1.inc"), Before[2] + "\r\n" + Before[3] + "\r\n");
    Strings Collapsed = Paragraphs(E);
    ASSERT_GE(Collapsed.size(), 3u);
    EXPECT_EQ(Collapsed[2], "include \"part1.inc\"");
    EXPECT_EQ(Collapsed.size(), Before.size() - 1);
    EXPECT_TRUE(W->Modified());

    // Expand is offered for a selection on an include line (here its
    // closing quote, which the expansion deletes first).
    PlaceCaret(E, 2, 18);
    E->SetSelLength(1);
    W->UpdateContextMenu();
    EXPECT_TRUE(W->ContextExpand1->Visible());
    EXPECT_EQ(W->ContextExpand1->Caption(), "Expand from part1.inc ...");
    W->Expand();
    Strings Expanded = Paragraphs(E);
    Strings Expected = Before;
    Expected.insert(Expected.begin() + 2, ";include \"part1.inc");
    EXPECT_EQ(Expanded, Expected);
}

TEST_F(CodeWindowGui, CollapseWithoutAProjectWritesBesideTheWindowsFile) {
    TTestFolder Loose;
    const std::string Path = Loose.Write("loose.asm", "a\r\nb\r\nc");
    ASSERT_TRUE(Form->CloseProjectQuery());
    TCodeWindow* L = Form->OpenFile(Path);
    ASSERT_NE(L, nullptr);
    L->CodeEditor->SetSelStart(L->CodeEditor->ParagraphStart(1));
    L->CodeEditor->SetSelLength(1);
    Dialogs.AnswerInput("sel");
    L->Collapse();
    EXPECT_EQ(ReadAll(Loose / "sel.inc"), "b\r\n");
    L->SetModified(false);
}

TEST_F(CodeWindowGui, ExpandOfAMissingFileAsksAndNoLeavesTheText) {
    W->CodeEditor->SetSelStart(0);
    W->CodeEditor->SetSelText("include \"gone.inc\"\r\n");
    PlaceCaret(W->CodeEditor, 0, 9);
    W->CodeEditor->SetSelLength(4);
    W->UpdateContextMenu();
    ASSERT_TRUE(W->ContextExpand1->Visible());
    const Strings Before = Paragraphs(W->CodeEditor);
    Dialogs.Answer(mrNo);
    W->Expand();
    EXPECT_EQ(Dialogs.Texts, (Strings{ListTexts::NotFoundQuestion("gone.inc")}));
    EXPECT_EQ(Paragraphs(W->CodeEditor), Before);
}

TEST_F(CodeWindowGui, ReadOnlyTogglesTheEditorAndThePanel) {
    W->ContextReadOnly1Click(nullptr);
    EXPECT_TRUE(W->CodeEditor->ReadOnly());
    EXPECT_EQ(W->Status->Panels()->Items(2)->Text(), "Read-Only");
    W->ContextReadOnly1Click(nullptr);
    EXPECT_FALSE(W->CodeEditor->ReadOnly());
    EXPECT_EQ(W->Status->Panels()->Items(2)->Text(), "");
}

TEST_F(CodeWindowGui, TheModifiedFlagFollowsTheTextNotTheKeys) {
    const HWND Editor = W->CodeEditor->Handle();
    for (WPARAM Key : {VK_DOWN, VK_RIGHT, VK_END, VK_NEXT, VK_HOME}) SendMessageA(Editor, WM_KEYDOWN, Key, 0);
    SendMessageA(Editor, WM_CHAR, 3, 0);  // what Ctrl+C types
    Pump();
    EXPECT_FALSE(W->Modified());
    EXPECT_TRUE(Form->ProjectUnchanged);
    W->SetReadOnly(true);
    SendMessageA(Editor, WM_CHAR, 'x', 0);
    EXPECT_FALSE(W->Modified());
    W->SetReadOnly(false);
    SendMessageA(Editor, WM_CHAR, 'x', 0);
    EXPECT_TRUE(W->Modified());
    EXPECT_FALSE(Form->ProjectUnchanged);
    // Saving clears it; moving on afterwards does not set it again.
    ASSERT_TRUE(Form->SaveCodeWindow(W));
    SendMessageA(Editor, WM_KEYDOWN, VK_UP, 0);
    EXPECT_FALSE(W->Modified());
}

TEST_F(CodeWindowGui, CloseQuestionCancelKeepsNoDropsYesSaves) {
    const std::string Before = ReadAll(Folder / "main.asm");
    W->CodeEditor->SetSelText("; changed\r\n");
    W->SetModified(true);
    Dialogs.Answer(mrCancel);
    W->Close();
    Pump();
    EXPECT_EQ(Form->CodeWindowCount(), 1);
    EXPECT_EQ(Dialogs.Texts, (Strings{std::string(ListTexts::SaveModifiedQuestion)}));

    Dialogs.Answer(mrYes);
    W->Close();
    Pump();
    EXPECT_EQ(Form->CodeWindowCount(), 0);
    EXPECT_EQ(Form->tabWindowList->Tabs()->Count(), 0);
    EXPECT_TRUE(ReadAll(Folder / "main.asm").starts_with("; changed\r\n"));

    TCodeWindow* P = Form->OpenProjectFile("print.asm");
    const std::string PrintBefore = ReadAll(Folder / "print.asm");
    P->CodeEditor->SetSelText("junk");
    P->SetModified(true);
    Dialogs.Answer(mrNo);
    P->Close();
    Pump();
    EXPECT_EQ(Form->CodeWindowCount(), 0);
    EXPECT_EQ(ReadAll(Folder / "print.asm"), PrintBefore);
    (void)Before;
}

TEST_F(CodeWindowGui, AFailedSaveAfterYesKeepsTheWindowOpen) {
    W->SetFileName(Folder / "missing-folder\\main.asm");
    W->SetModified(true);
    Dialogs.Answer(mrYes);
    Dialogs.Answer(mrOk);  // the write error
    W->Close();
    Pump();
    EXPECT_EQ(Form->CodeWindowCount(), 1);
    EXPECT_TRUE(W->Modified());
}

}  // namespace
