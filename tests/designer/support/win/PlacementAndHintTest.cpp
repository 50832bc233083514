// Tool-window placement kept in the registry, the edit history of string
// properties, and the hint window at the screen's edge.
#include <gtest/gtest.h>

#include "designer/support/win/FormPlacement.h"
#include "designer/support/win/HistoryStringEdit.h"
#include "designer/support/win/RegistryValues.h"
#include "designer/support/win/ZelHint.h"
#include "framework/stdctrls/StdCtrls.h"
#include "tests/common/win/Pump.h"
#include "tests/designer/support/win/DesignerKey.h"

namespace {
class PlacementTest : public ::testing::Test {
protected:
    void TearDown() override { Pump(); }
    TDesignerScratchKey Key;
};
}  // namespace

TEST_F(PlacementTest, APlacementRoundTripsAndAMaximisedFormComesBackMaximised) {
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    Form->SetBounds(3000, 40, 300, 200);  // as written on a larger screen
    Form->Show();
    Form->SetWindowState(wsMaximized);
    SaveFormPlacement(Form.get(), "Probe");
    EXPECT_EQ(GetRegistryDataSize("Forms\\Probe\\WinPos"), FormPlacementSize);
    EXPECT_EQ(ReadFromRegistry("Forms\\Probe\\WindowState", Variant(-1)).AsInteger(), 2);

    std::unique_ptr<TForm, TObjectFree> Again(new TForm(nullptr));
    RestoreFormPlacement(Again.get(), "Probe");
    EXPECT_EQ(Again->WindowState(), wsMaximized);
    Again->SetWindowState(wsNormal);
    EXPECT_EQ(Again->Left(), 3000);
    EXPECT_EQ(Again->Top(), 40);
    EXPECT_EQ(Again->Width(), 300);
    EXPECT_EQ(Again->Height(), 200);
}

TEST_F(PlacementTest, AValueOfAnyOtherSizeThan44BytesIsMissing) {
    char Short[40] = {};
    WriteRegistryBinary("Forms\\Odd\\WinPos", Short, sizeof Short);
    WriteToRegistry("Forms\\Odd\\WindowState", Variant(2));
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    Form->SetBounds(10, 20, 110, 120);
    RestoreFormPlacement(Form.get(), "Odd");
    RestoreFormPlacement(Form.get(), "Never");
    RestoreFormPlacement(nullptr, "Odd");
    EXPECT_EQ(Form->Left(), 10);
    EXPECT_EQ(Form->Width(), 110);
    EXPECT_EQ(Form->WindowState(), wsNormal);  // not read without a placement
    SaveFormPlacement(Form.get(), "NoWindow");  // never shown: nothing stored
    EXPECT_EQ(GetRegistryDataSize("Forms\\NoWindow\\WinPos"), -1);
}

TEST_F(PlacementTest, EditHistoryKeepsEachValueOnceNewestFirst) {
    std::unique_ptr<TForm, TObjectFree> Form(new TForm(nullptr));
    Form->SetName("Form1");
    auto* Button = new TButton(Form.get());
    Button->SetName("Button1");
    THistoryStringEdit Edit(nullptr, 1);
    Edit.SetPropEntry(0, Button, Button->ClassType()->FindProperty("Caption"));
    EXPECT_EQ(Edit.GetHistoryKey(), "EditHistory\\Form1Button1Caption");
    Edit.AddToHistory("one");
    Edit.AddToHistory("two");
    Edit.AddToHistory("one");
    Edit.AddToHistory("");
    EXPECT_EQ(ReadFromRegistry(Edit.GetHistoryKey(), Variant(std::string())).AsString(), "one\r\ntwo\r\n");
    THistoryStringEdit Fresh(nullptr, 1);
    Fresh.SetPropEntry(0, Button, Button->ClassType()->FindProperty("Caption"));
    std::vector<std::string> Values;
    Fresh.GetValues([&](const std::string& S) { Values.push_back(S); });
    EXPECT_EQ(Values, (std::vector<std::string>{"one", "two"}));
}

TEST_F(PlacementTest, AHintAtTheScreenEdgeIsMovedInside) {
    std::unique_ptr<TZelHint, TObjectFree> Hint(new TZelHint(nullptr));
    Hint->SetAutoHide(false);
    const int ScreenW = GetSystemMetrics(SM_CXSCREEN);
    Hint->ShowAt({ScreenW - 5, 100}, "Left: ~120~");
    TZelHintWindow* W = Hint->HintWindow();
    ASSERT_TRUE(Hint->Visible());
    RECT R{};
    GetWindowRect(W->Handle(), &R);
    EXPECT_EQ(R.right, ScreenW);
    EXPECT_GT(R.right - R.left, 20);
    // The marked part is measured in the bold font, the rest in the plain one.
    EXPECT_TRUE(W->BoldFont()->Style().Contains(fsBold));
    TFont Wide;
    Wide.SetSize(W->Font()->Size() * 3);
    HDC DC = GetDC(nullptr);
    EXPECT_GT(MeasureMarkedText(DC, W->Font(), &Wide, "ab~MMMM~").cx,
              MeasureMarkedText(DC, W->Font(), &Wide, "abMMMM").cx);
    ReleaseDC(nullptr, DC);
    Hint->ShowAt({-50, -50}, "corner");
    GetWindowRect(W->Handle(), &R);
    EXPECT_EQ(R.left, 0);
    EXPECT_EQ(R.top, 0);
    Pump();
    EXPECT_TRUE(Hint->Visible());  // no auto hide
    Hint->CloseHint();
    EXPECT_FALSE(Hint->Visible());
}

TEST_F(PlacementTest, AnImmediateHintIsPlacedWithTheOffsetItHadBefore) {
    std::unique_ptr<TZelHint, TObjectFree> Hint(new TZelHint(nullptr));
    Hint->SetAutoHide(false);
    Hint->ShowAtCursor("one");
    Hint->ShowAt({200, 100}, "two");
    RECT R{};
    GetWindowRect(Hint->HintWindow()->Handle(), &R);
    EXPECT_EQ(R.top, 120);
    Hint->ShowAt({200, 100}, "three");
    GetWindowRect(Hint->HintWindow()->Handle(), &R);
    EXPECT_EQ(R.top, 100);
    Hint->CloseHint();
}
