// The number edit: its key filter, clamping on leaving, and styles.
#include <gtest/gtest.h>

#include "tests/wizards/dos/win/WizardTestHelpers.h"
#include "wizards/dos/win/MediaEdit.h"

namespace {

class TNumberForm : public TForm {
    QRN_CLASS(TNumberForm, TForm)
public:
    explicit TNumberForm(TComponent* AOwner) : TForm(AOwner) {
        RegisterClass(TMediaNumberEdit::StaticClass());
        ReadFormResource("NUMBERFORM");
    }
    TMediaNumberEdit* Number = nullptr;
    TEdit* Other = nullptr;
};

}  // namespace

QRN_PUBLISHED(TNumberForm) {
    B.Field("Number", &TNumberForm::Number);
    B.Field("Other", &TNumberForm::Other);
}

namespace {

class NumberEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        F = new TNumberForm(nullptr);
        F->Show();
        Pump();
    }
    void TearDown() override {
        F->Free();
        Pump();
    }
    void Type(const std::string& Keys) {
        for (char C : Keys) SendMessageA(F->Number->Handle(), WM_CHAR, static_cast<unsigned char>(C), 1);
    }
    void ClearAndType(const std::string& Keys) {
        F->Number->SetText("");
        Type(Keys);
    }
    void LeaveNumber() {
        F->Number->SetFocus();
        Pump();
        F->Other->SetFocus();
        Pump();
    }
    TNumberForm* F = nullptr;
};

TEST_F(NumberEditTest, TakesDigitsAndSignsOnly) {
    EXPECT_EQ(F->Number->Text(), "256");
    ClearAndType("1a2.3 x-+\r");
    EXPECT_EQ(F->Number->Text(), "123-+");
    // Backspace is a control key: it edits.
    Type("\b\b");
    EXPECT_EQ(F->Number->Text(), "123");
}

TEST_F(NumberEditTest, ADisabledEditTakesNothingTyped) {
    F->Number->SetEnabled(false);
    Type("7\b");
    EXPECT_EQ(F->Number->Text(), "256");
}

TEST_F(NumberEditTest, LeavingClampsAndNormalises) {
    F->Number->SetText("70000");
    LeaveNumber();
    EXPECT_EQ(F->Number->Text(), "65535");
    F->Number->SetText("");
    LeaveNumber();
    EXPECT_EQ(F->Number->Text(), "0");
    F->Number->SetText("+0042");
    LeaveNumber();
    EXPECT_EQ(F->Number->Text(), "42");
    F->Number->SetText("-5");
    LeaveNumber();
    EXPECT_EQ(F->Number->Text(), "0");
}

TEST_F(NumberEditTest, ValueReadsAndWritesTheText) {
    TMediaNumberEdit* N = F->Number;
    EXPECT_EQ(N->Value(), 256);
    N->SetValue(99999);
    EXPECT_EQ(N->Text(), "65535");
    N->SetText("abc");
    EXPECT_EQ(N->Value(), 0);
    N->SetMinValue(10);
    EXPECT_EQ(N->Value(), 10);
    // Equal limits do not limit.
    N->SetMinValue(5);
    N->SetMaxValue(5);
    N->SetValue(-123456);
    EXPECT_EQ(N->Text(), "-123456");
}

TEST_F(NumberEditTest, PasteOnlyWhereTypingWouldBeTaken) {
    ASSERT_TRUE(OpenClipboard(F->Handle()));
    EmptyClipboard();
    HGLOBAL Mem = GlobalAlloc(GMEM_MOVEABLE, 4);
    memcpy(GlobalLock(Mem), "789", 4);
    GlobalUnlock(Mem);
    SetClipboardData(CF_TEXT, Mem);
    CloseClipboard();
    TMediaNumberEdit* N = F->Number;
    N->SetText("");
    N->SetReadOnly(true);
    SendMessageA(N->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(N->Text(), "");
    N->SetReadOnly(false);
    N->SetEnabled(false);
    SendMessageA(N->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(N->Text(), "");
    N->SetEnabled(true);
    SendMessageA(N->Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(N->Text(), "789");
}

TEST_F(NumberEditTest, MultiLineWithTheAlignmentStyle) {
    TMediaNumberEdit* N = F->Number;
    LONG_PTR Style = GetWindowLongPtrA(N->Handle(), GWL_STYLE);
    EXPECT_TRUE(Style & ES_MULTILINE);
    EXPECT_TRUE(Style & WS_CLIPCHILDREN);
    EXPECT_EQ(Style & (ES_CENTER | ES_RIGHT), ES_LEFT);
    N->SetAlignment(taRightJustify);
    EXPECT_EQ(GetWindowLongPtrA(N->Handle(), GWL_STYLE) & (ES_CENTER | ES_RIGHT), ES_RIGHT);
    N->SetAlignment(taCenter);
    EXPECT_EQ(GetWindowLongPtrA(N->Handle(), GWL_STYLE) & (ES_CENTER | ES_RIGHT), ES_CENTER);
    EXPECT_EQ(N->Text(), "256");
}

TEST(NumberEditAlone, StartsAtZeroWithItsDefaults) {
    auto* N = new TMediaNumberEdit(nullptr);
    EXPECT_EQ(N->Text(), "0");
    EXPECT_EQ(N->MinValue(), 0);
    EXPECT_EQ(N->MaxValue(), 1000);
    EXPECT_EQ(N->Alignment(), taLeftJustify);
    N->Free();
}

}  // namespace
