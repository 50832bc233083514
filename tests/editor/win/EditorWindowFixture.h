#pragma once
// A shown form holding an editor (and a second focusable control), with
// helpers that send keys and mouse clicks as real window messages.
#include <gtest/gtest.h>

#include <string>

#include "editor/win/QuillMemo.h"
#include "editor/win/QuillClipboardWin.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/win/KeyInput.h"
#include "tests/common/win/Pump.h"
#include "tests/editor/EditorTestUtil.h"

class EditorWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Form = new TForm(nullptr);
        Form->SetBounds(40, 40, 420, 320);
        Form->SetCaption("Editor test");
        Editor = new TQuillMemo(Form);
        Editor->SetParent(Form);
        Editor->SetBounds(8, 8, 300, 200);
        Editor->Font()->SetName("Courier New");
        Editor->Font()->SetHeight(-13);
        Editor->SetUpdateMode(umImmediate);
        Editor->SetWordWrap(false);
        Editor->SetClipboard(&Clip);
        Other = new TEdit(Form);
        Other->SetParent(Form);
        Other->SetBounds(8, 220, 200, 22);
        Other->SetTabStop(true);
        Form->Show();
        Pump();
        Editor->SetFocus();
        Pump();
    }
    void TearDown() override {
        SetMods(kmNone);
        Form->Free();
        Pump();
    }

    static void SetMods(int Mods) { SetKeyMods(Mods); }

    // Posts key down and key up to the focused window.
    void Key(WORD Vk, int Mods = kmNone) {
        HWND Target = GetFocus();
        ASSERT_NE(Target, nullptr);
        PressKey(Target, Vk, Mods);
    }
    void Type(const std::string& S) {
        for (char C : S) PostMessageA(Editor->Handle(), WM_CHAR, static_cast<unsigned char>(C), 1);
        Pump();
    }

    // Client pixel of a position's character cell (its left edge, mid-line).
    POINT PixelOf(int32_t Pos) {
        TQuillNavigator N(Editor);
        N.SetPos(Pos);
        int32_t P = N.LocatePar();
        int X = Editor->ColumnToX(*N.Paragraph(), P, N.GetColumn(), N.GetLineInPar());
        int Y = Editor->LineToPixel(N.GetLineNb() - Editor->TopLine()) + Editor->EffectiveLineHeight() / 2;
        return {X, Y};
    }
    void Mouse(UINT Msg, POINT P, WPARAM Keys) {
        SendMessageA(Editor->Handle(), Msg, Keys, MAKELPARAM(P.x, P.y));
    }

    TForm* Form = nullptr;
    TQuillMemo* Editor = nullptr;
    TEdit* Other = nullptr;
    TFakeClipboard Clip;
};
