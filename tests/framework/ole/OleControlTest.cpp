#include <gtest/gtest.h>

#include "framework/ole/OleControl.h"
#include "framework/ole/OleControlSite.h"
#include "framework/ole/OleErrors.h"
#include "tests/common/win/Pump.h"
#include "tests/fakes/FakeAxControl.h"

namespace {

class OleControlTest : public ::testing::Test {
protected:
    void SetUp() override {
        OleInitialize(nullptr);
        ASSERT_TRUE(RegisterFakeAxControl());
        Form = new TForm(nullptr);
        Form->SetBounds(0, 0, 300, 200);
    }
    void TearDown() override {
        if (Form) Form->Free();
        Pump();
        OleUninitialize();
    }
    TOleControl* NewGauge() {
        TControlData Data;
        Data.ClassID = CLSID_FakeGauge;
        return new TOleControl(Form, Data);
    }
    HWND ControlWindow(TOleControl* C) { return GetWindow(C->Handle(), GW_CHILD); }
    TForm* Form = nullptr;
};

}  // namespace

// Created, activated in place inside its own window once that exists,
// resized with the host, and given back completely with the form.
TEST_F(OleControlTest, HostsResizesAndReleasesTheControl) {
    TOleControl* C = NewGauge();
    ASSERT_NE(C->DefaultDispatch(), nullptr);
    EXPECT_EQ(FakeAxStats().LiveObjects, 1);
    EXPECT_FALSE(C->InPlaceActive());
    C->SetParent(Form);
    C->SetBounds(10, 20, 120, 60);
    Form->Show();
    Pump();
    ASSERT_TRUE(C->InPlaceActive());
    EXPECT_EQ(FakeAxStats().LastUserMode, 1);  // the ambient user mode: not designing
    RECT R{};
    ASSERT_NE(ControlWindow(C), nullptr);
    GetWindowRect(ControlWindow(C), &R);
    EXPECT_EQ(R.right - R.left, 120);
    EXPECT_EQ(R.bottom - R.top, 60);

    C->SetBounds(10, 20, 150, 70);
    GetWindowRect(ControlWindow(C), &R);
    EXPECT_EQ(R.right - R.left, 150);
    EXPECT_EQ(R.bottom - R.top, 70);

    Form->Free();
    Form = nullptr;
    EXPECT_EQ(FakeAxStats().LiveObjects, 0);
}

// A control that keeps a minimum extent leaves the host at that size.
TEST_F(OleControlTest, TakesTheSizeTheControlInsistsOn) {
    TOleControl* C = NewGauge();
    C->SetParent(Form);
    C->SetBounds(0, 0, 5, 40);
    EXPECT_EQ(C->Width(), HimetricToPixels({FakeGaugeMinWidth, 0}).cx);
    EXPECT_EQ(C->Height(), 40);
    C->Free();
    EXPECT_EQ(FakeAxStats().LiveObjects, 0);
}

// A class nobody registered raises and leaves nothing behind.
TEST_F(OleControlTest, UnknownClassRaises) {
    TControlData Data;
    CoCreateGuid(&Data.ClassID);
    const int Before = Form->ComponentCount();
    EXPECT_THROW(new TOleControl(Form, Data), EOleSysError);
    EXPECT_EQ(Form->ComponentCount(), Before);
}
