// The editor and the gutter are read from form text like other controls.
#include <gtest/gtest.h>

#include "editor/win/QuillGutter.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"
#include "framework/forms/Forms.h"

TEST(EditorStreaming, AFormReadsTheEditorAndItsGutter) {
    ASSERT_NE(FindClass("TQuillMemo"), nullptr);
    ASSERT_NE(FindClass("TQuillGutter"), nullptr);
    const std::string Text =
        "object Form1: TForm\r\n"
        "  Left = 10\r\n  Top = 10\r\n  Width = 300\r\n  Height = 200\r\n"
        "  object Editor1: TQuillMemo\r\n"
        "    Left = 20\r\n    Top = 0\r\n    Width = 200\r\n    Height = 120\r\n"
        "    BorderStyle = bsNone\r\n    ScrollBars = ssBoth\r\n    WantTabs = False\r\n"
        "  end\r\n"
        "  object Gutter1: TQuillGutter\r\n"
        "    Left = 0\r\n    Top = 0\r\n    Width = 16\r\n    Height = 120\r\n"
        "    QuillMemo = Editor1\r\n    LineNumbers = False\r\n    Alignment = taRightJustify\r\n"
        "  end\r\n"
        "end\r\n";
    auto* Form = new TForm(nullptr);
    TStringStream In(ObjectTextToBinary(Text));
    TReader(&In).ReadRootComponent(Form);
    auto* Editor = dynamic_cast<TQuillMemo*>(Form->FindComponent("Editor1"));
    auto* Gutter = dynamic_cast<TQuillGutter*>(Form->FindComponent("Gutter1"));
    ASSERT_NE(Editor, nullptr);
    ASSERT_NE(Gutter, nullptr);
    EXPECT_EQ(Gutter->QuillMemo(), Editor);
    EXPECT_EQ(Editor->AttachedCount(), 1);
    EXPECT_FALSE(Gutter->LineNumbers());
    EXPECT_EQ(Gutter->Alignment(), taRightJustify);
    EXPECT_EQ(Editor->ScrollBars(), ssBoth);
    EXPECT_EQ(Editor->BorderStyle(), qbsNone);
    EXPECT_FALSE(Editor->WantTabs());
    Form->Free();
}

TEST(EditorStreaming, TheGutterIsCreatedOpaqueAndThirtyByFifty) {
    TQuillGutter G(nullptr);
    EXPECT_EQ(G.Width(), 30);
    EXPECT_EQ(G.Height(), 50);
    EXPECT_TRUE(G.ControlStyle().Contains(csOpaque));
    EXPECT_EQ(G.Alignment(), taCenter);
    EXPECT_FALSE(G.ToggleBookmark(0, 1));  // no editor
}
