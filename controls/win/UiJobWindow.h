#pragma once
// Hands jobs from a worker thread to the user-interface thread: a hidden
// window of the UI thread receives one message per job and runs it there.
// What a job raises goes to the application's exception handler. Jobs
// still queued when the window goes are dropped without running.
#include <functional>

#include "controls/FileFind.h"
#include "framework/rtl/win/WinApi.h"

class TUiJobWindow {
public:
    TUiJobWindow();  // on the UI thread
    ~TUiJobWindow();
    TUiJobWindow(const TUiJobWindow&) = delete;
    TUiJobWindow& operator=(const TUiJobWindow&) = delete;

    // For TFileFind::PostToUiThread; callable from any thread while this
    // window lives.
    TUiThreadPoster Poster() const;
    HWND Window() const { return FWindow; }

private:
    HWND FWindow = nullptr;
};
