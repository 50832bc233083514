// The tools toolbar loader against a recording host, and the shell call
// of a tool button.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/rtl/FileUtils.h"
#include "ide/win/ToolsToolbar.h"
#include "tests/common/TestFolder.h"

namespace {

struct TRecordingHost {
    std::vector<std::string> Calls;
    TToolsToolbarHost Host() {
        TToolsToolbarHost H;
        H.FreeToolbar = [this] { Calls.push_back("free"); };
        H.ClearImages = [this] { Calls.push_back("clear"); };
        H.CreateToolbar = [this] { Calls.push_back("create"); };
        H.AddImage = [this](HICON) { return Images++; };
        H.AddButton = [this](const TToolEntry& T, int) { Calls.push_back("button " + T.Line); };
        H.DockToolbar = [this] { Calls.push_back("dock"); };
        return H;
    }
    int Images = 0;
};

TEST(ToolsToolbar, MissingFileChangesNothing) {
    TTestFolder Dir;
    TRecordingHost R;
    EXPECT_FALSE(LoadToolsToolbar(Dir / "tools.dat", R.Host()));
    EXPECT_TRUE(R.Calls.empty());
}

TEST(ToolsToolbar, EveryLineBecomesAButtonInOrder) {
    TTestFolder Dir;
    WriteFileAtomic(Dir / "tools.dat", "notepad.exe|readme.txt\r\ncalc.exe\r\n\r\n");
    TRecordingHost R;
    EXPECT_TRUE(LoadToolsToolbar(Dir / "tools.dat", R.Host()));
    const std::vector<std::string> Expected = {"free", "clear", "create", "button notepad.exe|readme.txt",
                                               "button calc.exe", "dock"};
    EXPECT_EQ(R.Calls, Expected);
}

TEST(ToolsToolbar, FileWithoutLinesLeavesNoToolbar) {
    TTestFolder Dir;
    WriteFileAtomic(Dir / "tools.dat", "");
    TRecordingHost R;
    EXPECT_TRUE(LoadToolsToolbar(Dir / "tools.dat", R.Host()));
    EXPECT_EQ(R.Calls, std::vector<std::string>{"free"});
}

TEST(ToolsToolbar, ButtonOpensTheProgramThroughTheShell) {
    struct TCall {
        std::string Verb, File, Parameters, Directory;
        int Show = 0;
    };
    std::vector<TCall> Calls;
    auto Old = SetToolShellOpen([&](HWND, const std::string& Verb, const std::string& File, const std::string& P,
                                    const std::string& D, int Show) { Calls.push_back({Verb, File, P, D, Show}); });
    RunToolLine(nullptr, "calc.exe");
    RunToolLine(nullptr, "c:\\tools\\dump.exe|-a x.obj|more");
    SetToolShellOpen(Old);
    ASSERT_EQ(Calls.size(), 2u);
    EXPECT_EQ(Calls[0].Verb, "OPEN");
    EXPECT_EQ(Calls[0].File, "calc.exe");
    EXPECT_EQ(Calls[0].Parameters, "");
    EXPECT_EQ(Calls[0].Directory, "");
    EXPECT_EQ(Calls[0].Show, 5);
    EXPECT_EQ(Calls[1].File, "c:\\tools\\dump.exe");
    EXPECT_EQ(Calls[1].Parameters, "-a x.obj|more");
}

}  // namespace
