#pragma once
// What the Windows build tests share: the stand-in tools of testbin\tools
// named in a throwaway settings key, a private temporary folder, a project
// folder, and the stand-ins' log of each command line with the folder it
// ran in.
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "product/Settings.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/WinTestHelpers.h"

// A test program kept away from the stand-in command.com lives in a
// subfolder of the test folder and names the way back.
#ifndef QRN_TEST_BIN_FROM_EXE
#define QRN_TEST_BIN_FROM_EXE ""
#endif
inline std::string FakeToolsDir() { return ExpandFileName(GetExeDir() + QRN_TEST_BIN_FROM_EXE "tools\\"); }

inline std::string LowerAscii(std::string S) {
    for (char& C : S)
        if (C >= 'A' && C <= 'Z') C = static_cast<char>(C - 'A' + 'a');
    return S;
}

struct TToolLogEntry {
    std::string Cmd, Dir;
};

inline std::vector<TToolLogEntry> ReadToolLog(const std::string& Path) {
    const std::string Text = ReadAll(Path);
    std::vector<TToolLogEntry> Entries;
    size_t Pos = 0;
    while (Pos < Text.size()) {
        size_t End = Text.find("\r\n", Pos);
        if (End == std::string::npos) End = Text.size();
        const std::string Line = Text.substr(Pos, End - Pos);
        if (Line.rfind("cmd: ", 0) == 0) Entries.push_back({Line.substr(5), ""});
        if (Line.rfind("dir: ", 0) == 0 && !Entries.empty()) Entries.back().Dir = Line.substr(5);
        Pos = End + 2;
    }
    return Entries;
}

class TBuildToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        FStartDir = GetCurrentDir();
        FOldKey = SettingsKeyPath();
        SetSettingsKeyPathForTesting(Key.Path() + "\\");
        Store("TasmPath", FakeToolsDir() + "tasm.exe");
        Store("TLinkPath", FakeToolsDir() + "tlink.exe");
        Store("TdPath", FakeToolsDir() + "td.exe");
        SetEnvironmentVariableA("QRN_FAKE_LOG", LogPath().c_str());
        Proj.Write("main.asm", "; main\r\n mov ax, 4C00h\r\n int 21h\r\n");
        Proj.Write("util.asm", "; util\r\n ret\r\n");
    }
    void TearDown() override {
        SetEnvironmentVariableA("QRN_FAKE_LOG", nullptr);
        SetSettingsKeyPathForTesting(FOldKey);
        SetCurrentDir(FStartDir);
    }

    void Store(const std::string& Name, const std::string& Value) {
        WriteRegString(HKEY_CURRENT_USER, Key.Path() + "\\" + Name, Value);
    }
    std::string LogPath() const { return Logs / "tools.log"; }
    std::vector<TToolLogEntry> Log() const { return ReadToolLog(LogPath()); }
    // Waits for a program started without waiting to write its entry.
    std::vector<TToolLogEntry> LogWithAtLeast(size_t Count) const {
        for (int I = 0; I < 300; ++I) {
            std::vector<TToolLogEntry> L = Log();
            if (L.size() >= Count) return L;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return Log();
    }
    // The lower-cased short form of a project file, as the assembler gets
    // it (the project folder already ends in a backslash; the command line
    // adds one more, as the project's Dir + "\" + name does).
    std::string ShortSource(const std::string& File) const {
        return LowerAscii(GetShortPath(Proj.Path() + "\\" + File));
    }
    static bool InFolder(const TToolLogEntry& E, const std::string& Folder) {
        return SameFileName(ExcludeTrailingBackslash(Folder), E.Dir);
    }
    static bool CurrentIs(const std::string& Folder) {
        return SameFileName(ExcludeTrailingBackslash(Folder), ExcludeTrailingBackslash(GetCurrentDir()));
    }
    const std::string& StartDir() const { return FStartDir; }

    TTestFolder Temp;
    TTempFolderOverride TempOverride{Temp.Path()};
    TScratchKey Key;
    TTestFolder Proj, Logs;

private:
    std::string FStartDir, FOldKey;
};
