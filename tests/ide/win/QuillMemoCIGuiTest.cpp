// Code assistance in a code window's editor: Ctrl+J templates, the
// Ctrl+Space macro list and the parameter hint, driven by the window
// messages the editor filters.
#include "tests/ide/win/ProjectGuiFixture.h"

#include "framework/comctrls/ComCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "ide/win/QuillMemoCI.h"
#include "product/CodeTemplates.h"

namespace {

using Strings = std::vector<std::string>;

class QuillMemoCIGui : public ProjectGui {
protected:
    void SetUp() override {
        ProjectGui::SetUp();
        SharedTemplates().Load(
            "_TEMPLATESTART_ prologue|longer\r\nLONG\r\n_TEMPLATEEND_\r\n"
            "_TEMPLATESTART_ prolog|stack frame\r\npush bp\r\nmov bp, sp\r\n_TEMPLATEEND_\r\n");
        Folder.Write("one.asm", "");
        Project = Folder.Write("one.qrn", "project one\r\naddfile one.asm\r\nkind 1\r\n");
        ASSERT_TRUE(Form->OpenProject(Project));
        Pump();
        W = Window("one.asm");
        ASSERT_NE(W, nullptr);
        E = W->CodeEditor;
    }
    void TearDown() override {
        SharedTemplates().Load("");
        ProjectGui::TearDown();
    }
    // The editor's window procedure sees the message as from the keyboard.
    void Send(UINT Msg, WPARAM WParam) {
        TMessage M{};
        M.Msg = Msg;
        M.WParam = WParam;
        E->WndProc(M);
    }
    void TypeText(const std::string& Text) {
        E->SetSelText(Text);
    }
    std::string Text() {
        std::string R;
        for (int32_t I = 0; I < E->ParagraphCount(); ++I) R += (I ? "\n" : "") + E->GetParagraphText(I);
        return R;
    }

    std::string Project;
    TCodeWindow* W = nullptr;
    TQuillMemoCI* E = nullptr;
};

TEST_F(QuillMemoCIGui, CtrlJReplacesTheTemplateNameByItsBody) {
    TypeText("  prolog");
    Send(WM_KEYDOWN, VK_CONTROL);
    Send(WM_CHAR, 10);
    Send(WM_KEYUP, VK_CONTROL);
    const std::string T = Text();
    EXPECT_EQ(T.find("prolog"), std::string::npos);
    EXPECT_NE(T.find("push bp\nmov bp, sp"), std::string::npos);
    EXPECT_EQ(T.find("LONG"), std::string::npos);
    EXPECT_TRUE(T.starts_with("  push bp"));
}

TEST_F(QuillMemoCIGui, CtrlJTakesTheWordUnderTheCaretNotAnEarlierOne) {
    TypeText("prolog ; prolog");
    Send(WM_KEYDOWN, VK_CONTROL);
    Send(WM_CHAR, 10);
    Send(WM_KEYUP, VK_CONTROL);
    EXPECT_TRUE(Text().starts_with("prolog ; push bp"));
}

TEST_F(QuillMemoCIGui, WithoutTemplatesCtrlJIsDropped) {
    SharedTemplates().Load("");
    TypeText("prolog");
    const std::string Before = Text();
    Send(WM_KEYDOWN, VK_CONTROL);
    Send(WM_CHAR, 10);
    EXPECT_EQ(Text(), Before);
}

TEST_F(QuillMemoCIGui, CtrlSpaceListsTheMacrosOnceAndAcceptsOne) {
    const std::string Macros = Folder.Write("quor32.mac", "PrintStr Macro text,attr\r\n; no macro here\r\nDosExit Macro code\r\n");
    E->SetProcsFile(Macros);
    TypeText("  Dos");
    Send(WM_KEYDOWN, VK_CONTROL);
    Send(WM_CHAR, ' ');
    Send(WM_KEYUP, VK_CONTROL);
    ASSERT_EQ(E->AssistMode(), TQuillMemoCI::amList);
    EXPECT_TRUE(E->MacroList()->Visible());
    EXPECT_EQ(E->MacroList()->Items()->Count(), 2);
    EXPECT_EQ(E->MacroList()->ItemIndex(), 1);
    Send(WM_CHAR, 13);
    EXPECT_EQ(E->AssistMode(), TQuillMemoCI::amNormal);
    EXPECT_FALSE(E->MacroList()->Visible());
    EXPECT_EQ(Text(), "  DosExit");

    // The list is not read again, even when the file changed.
    Folder.Write("quor32.mac", "Other Macro a\r\n");
    Send(WM_KEYDOWN, VK_CONTROL);
    Send(WM_CHAR, ' ');
    Send(WM_KEYUP, VK_CONTROL);
    EXPECT_EQ(E->MacroList()->Items()->Count(), 2);
    Send(WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(E->AssistMode(), TQuillMemoCI::amNormal);
}

TEST_F(QuillMemoCIGui, AnUnreadableMacroFileReportsAndReturnsToNormal) {
    E->SetProcsFile(Folder / "absent.mac");
    Dialogs.Answer(mrOk);
    Send(WM_KEYDOWN, VK_CONTROL);
    Send(WM_CHAR, ' ');
    EXPECT_EQ(Dialogs.Texts.size(), 1u);
    EXPECT_EQ(E->AssistMode(), TQuillMemoCI::amNormal);
    EXPECT_FALSE(E->MacroList()->Visible());
}

TEST_F(QuillMemoCIGui, AMacroNameAndABlankOpenTheParameterHint) {
    E->SetProcsFile(Folder.Write("quor32.mac", "PrintStr Macro text,attr,page\r\n"));
    Send(WM_KEYDOWN, VK_CONTROL);
    Send(WM_CHAR, ' ');
    Send(WM_KEYUP, VK_CONTROL);
    Send(WM_KEYDOWN, VK_ESCAPE);
    TypeText("PrintStr");
    Send(WM_CHAR, ' ');
    ASSERT_EQ(E->AssistMode(), TQuillMemoCI::amHint);
    EXPECT_EQ(E->ParamHint().ParamCount(), 3);
    EXPECT_EQ(E->ParamHint().CurrentParam(), 1);
    EXPECT_TRUE(E->HintWindow()->Visible());
    Send(WM_KILLFOCUS, 0);
    EXPECT_EQ(E->AssistMode(), TQuillMemoCI::amNormal);
}

}  // namespace
