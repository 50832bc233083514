#pragma once
// Running the message loop from a test, so that posted messages, timers
// and paints of the test's windows are handled.
#include "framework/forms/Forms.h"
#include "framework/rtl/win/WinApi.h"

// Runs the message loop until the queue is empty, a few times over so
// that messages posted by handlers are handled too.
inline void Pump() {
    for (int I = 0; I < 5; ++I) {
        Application->ProcessMessages();
        Sleep(5);
    }
}

// Pumps until Done() or about Ms milliseconds passed; Done()'s last answer.
template <class F>
bool PumpUntil(F Done, int Ms = 2000) {
    for (int T = 0; T < Ms; T += 10) {
        Application->ProcessMessages();
        if (Done()) return true;
        Sleep(10);
    }
    return Done();
}

// Pumps for at least Ms milliseconds (timers, scrolling, animation).
inline void PumpFor(int Ms) {
    const DWORD Start = GetTickCount();
    do {
        Application->ProcessMessages();
        Sleep(5);
    } while (GetTickCount() - Start < static_cast<DWORD>(Ms));
}
