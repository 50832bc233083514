#pragma once
// Helpers of the docking window tests: running the message loop, mouse
// message points, and a fixture that shows the docking test form.
#include <gtest/gtest.h>

#include "DockTestForm.h"

// Runs the message loop until the queue is empty, a few times over.
inline void Pump() {
    for (int I = 0; I < 5; ++I) {
        Application->ProcessMessages();
        Sleep(5);
    }
}

// Pumps until Done() or about Ms milliseconds passed.
template <class F>
bool PumpUntil(F Done, int Ms = 2000) {
    for (int T = 0; T < Ms; T += 10) {
        Application->ProcessMessages();
        if (Done()) return true;
        Sleep(10);
    }
    return Done();
}

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
