#pragma once
// Helpers of the docking window tests: mouse message points and a
// fixture that shows the docking test form.
#include <gtest/gtest.h>

#include "DockTestForm.h"
#include "tests/common/win/Pump.h"

inline LPARAM Pt(int X, int Y) { return MAKELPARAM(X, Y); }

class DockFormFixture : public ::testing::Test {
protected:
    void SetUp() override {
        // Away from every bar, so that no button turns hot by chance.
        SetCursorPos(0, 0);
        RegisterDockingControls();
        Form = new TDockTestForm(nullptr);
        Form->Show();
        Pump();
    }
    void TearDown() override {
        Form->Free();
        Pump();
    }
    TDockTestForm* Form = nullptr;
};
