#include <gtest/gtest.h>

#include <string>

#include "framework/rtl/win/WinApi.h"
#include "tests/common/win/ProgramFolder.h"

TEST(FrameworkInLibrary, LoadUseAndUnloadFiveTimes) {
    const std::string Path = TestProgramFolder() + "ui_test_dll.dll";
    for (int Round = 0; Round < 5; ++Round) {
        HMODULE Lib = LoadLibraryA(Path.c_str());
        ASSERT_NE(Lib, nullptr) << Path;
        using TRun = int (*)(void**);
        auto Run = reinterpret_cast<TRun>(reinterpret_cast<void*>(GetProcAddress(Lib, "RunDllForm")));
        ASSERT_NE(Run, nullptr);
        void* Module = nullptr;
        EXPECT_EQ(Run(&Module), 1) << "round " << Round;
        EXPECT_EQ(Module, Lib);
        WNDCLASSA C{};
        EXPECT_TRUE(GetClassInfoA(Lib, "TDllForm", &C));
        HWND Left = FindWindowA("TDllForm", "In the library");
        EXPECT_NE(Left, nullptr);
        ASSERT_TRUE(FreeLibrary(Lib));
        // Its windows, window classes and timers went with it.
        EXPECT_FALSE(GetClassInfoA(Lib, "TDllForm", &C)) << "round " << Round;
        EXPECT_FALSE(GetClassInfoA(Lib, "TPUtilWindow", &C)) << "round " << Round;
        EXPECT_FALSE(IsWindow(Left));
        MSG M;
        while (PeekMessageA(&M, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&M);
    }
}

// The test library beside this program.
static HMODULE LoadUiTestDll() {
    return LoadLibraryA((TestProgramFolder() + "ui_test_dll.dll").c_str());
}

TEST(FrameworkInLibrary, TheLibraryRunsItsOwnApplicationLoop) {
    HMODULE Lib = LoadUiTestDll();
    ASSERT_NE(Lib, nullptr);
    using TRun = int (*)();
    auto Run = reinterpret_cast<TRun>(reinterpret_cast<void*>(GetProcAddress(Lib, "RunDllApplication")));
    ASSERT_NE(Run, nullptr);
    EXPECT_EQ(Run(), 2);
    EXPECT_EQ(FindWindowA("TDllForm", "Library main form"), nullptr);  // freed by DoneApplication
    FreeLibrary(Lib);
    // The host's loop was not told to quit.
    MSG M;
    EXPECT_FALSE(PeekMessageA(&M, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST(FrameworkInLibrary, ALibraryWithoutTheCursorResourcesGetsSystemCursors) {
    HMODULE Lib = LoadUiTestDll();
    ASSERT_NE(Lib, nullptr);
    using TRun = int (*)();
    auto Run = reinterpret_cast<TRun>(reinterpret_cast<void*>(GetProcAddress(Lib, "DragCursorIsSystemArrow")));
    ASSERT_NE(Run, nullptr);
    EXPECT_EQ(Run(), 1);
    FreeLibrary(Lib);
}
