#include <gtest/gtest.h>

#include <map>

#include "ide/BuildCommands.h"
#include "ide/IdeTexts.h"

namespace {

// Stand-in for the system's short names: known long paths map to their 8.3
// form (upper case, as the system reports them), anything else is returned
// unchanged like a path without a short form.
std::string FakeShortPath(const std::string& Path) {
    static const std::map<std::string, std::string> Known{
        {"C:\\Program Files\\Tasm\\Include", "C:\\PROGRA~1\\TASM\\INCLUDE"},
        {"C:\\Program Files\\Tasm\\Lib", "C:\\PROGRA~1\\TASM\\LIB"},
        {"C:\\Program Files\\Tasm\\Obj", "C:\\PROGRA~1\\TASM\\OBJ"},
        {"C:\\My Projects\\Demo\\\\Main.asm", "C:\\MYPROJ~1\\DEMO\\MAIN.ASM"},
        {"C:\\My Projects\\Demo\\\\Main.exe", "C:\\MYPROJ~1\\DEMO\\MAIN.EXE"},
        {"C:\\My Projects\\Demo\\Main.asm", "C:\\MYPROJ~1\\DEMO\\MAIN.ASM"},
    };
    auto It = Known.find(Path);
    return It == Known.end() ? Path : It->second;
}

TToolSettings EmptySettings() {
    TToolSettings S;
    S.TasmPath = "C:\\TASM\\BIN\\TASM.EXE";
    S.TLinkPath = "C:\\TASM\\BIN\\TLINK.EXE";
    S.TdPath = "C:\\TASM\\BIN\\TD.EXE";
    return S;
}

TToolSettings FullSettings() {
    TToolSettings S = EmptySettings();
    S.Includes = "C:\\Program Files\\Tasm\\Include";
    S.Library = "C:\\Program Files\\Tasm\\Lib";
    S.Objects = "C:\\Program Files\\Tasm\\Obj";
    S.TasmParams = "/w2";
    S.TLinkParams = "/m";
    return S;
}

const std::string Dir = "C:\\My Projects\\Demo\\";
const std::vector<std::string> TwoFiles{"Main.asm", "Util.asm"};

// Kinds other than 5 share the 16-bit tools.
class AssemblerLine16 : public ::testing::TestWithParam<ProjectKind> {};

TEST_P(AssemblerLine16, NormalWithoutSettings) {
    EXPECT_EQ(AssemblerCommandLine(EmptySettings(), GetParam(), Dir, "Main.asm", false, FakeShortPath),
              "command.com /c C:\\TASM\\BIN\\TASM.EXE /ml c:\\myproj~1\\demo\\main.asm ");
}

TEST_P(AssemblerLine16, DebugWithoutSettings) {
    EXPECT_EQ(AssemblerCommandLine(EmptySettings(), GetParam(), Dir, "Main.asm", true, FakeShortPath),
              "command.com /c C:\\TASM\\BIN\\TASM.EXE /ml c:\\myproj~1\\demo\\main.asm  /zi");
}

TEST_P(AssemblerLine16, NormalWithSettings) {
    EXPECT_EQ(AssemblerCommandLine(FullSettings(), GetParam(), Dir, "Main.asm", false, FakeShortPath),
              "command.com /c C:\\TASM\\BIN\\TASM.EXE /ml  /ic:\\progra~1\\tasm\\include "
              "c:\\myproj~1\\demo\\main.asm /w2");
}

TEST_P(AssemblerLine16, DebugWithSettings) {
    EXPECT_EQ(AssemblerCommandLine(FullSettings(), GetParam(), Dir, "Main.asm", true, FakeShortPath),
              "command.com /c C:\\TASM\\BIN\\TASM.EXE /ml  /ic:\\progra~1\\tasm\\include "
              "c:\\myproj~1\\demo\\main.asm  /zi/w2");
}

INSTANTIATE_TEST_SUITE_P(Kinds, AssemblerLine16,
                         ::testing::Values(pkUnknown, pkDosExe, pkDosCom, pkWin16Exe, pkWin16Dll, pkWin32Dll));

TEST(AssemblerLine32, UsesTasm32FromTheConfiguredFolder) {
    TToolSettings S = EmptySettings();
    S.TasmPath = "D:\\Tools\\Whatever.exe";
    EXPECT_EQ(AssemblerCommandLine(S, pkWin32Exe, Dir, "Main.asm", false, FakeShortPath),
              "command.com /c D:\\Tools\\tasm32.exe /mx /c c:\\myproj~1\\demo\\main.asm ");
    EXPECT_EQ(AssemblerCommandLine(S, pkWin32Exe, Dir, "Main.asm", true, FakeShortPath),
              "command.com /c D:\\Tools\\tasm32.exe /mx /c c:\\myproj~1\\demo\\main.asm  /zi");
}

TEST(AssemblerLine32, WithSettings) {
    EXPECT_EQ(AssemblerCommandLine(FullSettings(), pkWin32Exe, Dir, "Main.asm", true, FakeShortPath),
              "command.com /c C:\\TASM\\BIN\\tasm32.exe /mx /c  /ic:\\progra~1\\tasm\\include "
              "c:\\myproj~1\\demo\\main.asm  /zi/w2");
}

TEST(AssemblerLine, PathWithoutShortFormIsLowerCasedAsItIs) {
    EXPECT_EQ(AssemblerCommandLine(EmptySettings(), pkDosExe, "D:\\SRC\\", "Hello World.ASM", false, FakeShortPath),
              "command.com /c C:\\TASM\\BIN\\TASM.EXE /ml d:\\src\\\\hello world.asm ");
}

class LinkerLine16 : public ::testing::TestWithParam<ProjectKind> {};

TEST_P(LinkerLine16, NormalWithoutSettings) {
    EXPECT_EQ(LinkerCommandLine(EmptySettings(), GetParam(), TwoFiles, false, FakeShortPath),
              "C:\\TASM\\BIN\\TLINK.EXE Main+Util");
}

TEST_P(LinkerLine16, DebugSwitchFollowsTheLastNameDirectly) {
    EXPECT_EQ(LinkerCommandLine(EmptySettings(), GetParam(), TwoFiles, true, FakeShortPath),
              "C:\\TASM\\BIN\\TLINK.EXE Main+Util/v ");
}

TEST_P(LinkerLine16, WithSettings) {
    EXPECT_EQ(LinkerCommandLine(FullSettings(), GetParam(), TwoFiles, false, FakeShortPath),
              "C:\\TASM\\BIN\\TLINK.EXE /Lc:\\progra~1\\tasm\\lib /jc:\\progra~1\\tasm\\obj Main+Util/m");
    EXPECT_EQ(LinkerCommandLine(FullSettings(), GetParam(), TwoFiles, true, FakeShortPath),
              "C:\\TASM\\BIN\\TLINK.EXE /Lc:\\progra~1\\tasm\\lib /jc:\\progra~1\\tasm\\obj Main+Util/v /m");
}

INSTANTIATE_TEST_SUITE_P(Kinds, LinkerLine16,
                         ::testing::Values(pkUnknown, pkDosExe, pkDosCom, pkWin16Exe, pkWin16Dll, pkWin32Dll));

TEST(LinkerLine32, UsesTlink32AndTheWindowsTail) {
    TToolSettings S = EmptySettings();
    S.TLinkPath = "D:\\Tools\\link.exe";
    EXPECT_EQ(LinkerCommandLine(S, pkWin32Exe, TwoFiles, false, FakeShortPath),
              "D:\\Tools\\tlink32.exe Main+Util import32.lib -Tpe -aa");
    EXPECT_EQ(LinkerCommandLine(S, pkWin32Exe, TwoFiles, true, FakeShortPath),
              "D:\\Tools\\tlink32.exe Main+Util import32.lib -Tpe -aa/v ");
    EXPECT_EQ(LinkerCommandLine(FullSettings(), pkWin32Exe, TwoFiles, true, FakeShortPath),
              "C:\\TASM\\BIN\\tlink32.exe /Lc:\\progra~1\\tasm\\lib /jc:\\progra~1\\tasm\\obj "
              "Main+Util import32.lib -Tpe -aa/v /m");
}

TEST(LinkerLine, ObjectNamesAreBaseNames) {
    EXPECT_EQ(LinkerCommandLine(EmptySettings(), pkDosExe, {"a.bc.asm", "sub\\x.asm", "noext"}, false, FakeShortPath),
              "C:\\TASM\\BIN\\TLINK.EXE a.bc+x+noext");
    EXPECT_EQ(LinkerCommandLine(EmptySettings(), pkDosExe, {"one.asm"}, false, FakeShortPath),
              "C:\\TASM\\BIN\\TLINK.EXE one");
}

TEST(ForceCompileLines, AssemblerSwitchesStandBetweenBlanks) {
    const std::string File = "C:\\My Projects\\Demo\\Main.asm";
    EXPECT_EQ(ForceAssemblerCommandLine(EmptySettings(), "/zi", File, FakeShortPath),
              "command.com /c C:\\TASM\\BIN\\TASM.EXE /m  /zi C:\\MYPROJ~1\\DEMO\\MAIN.ASM");
    EXPECT_EQ(ForceAssemblerCommandLine(EmptySettings(), "", File, FakeShortPath),
              "command.com /c C:\\TASM\\BIN\\TASM.EXE /m   C:\\MYPROJ~1\\DEMO\\MAIN.ASM");
    EXPECT_EQ(ForceAssemblerCommandLine(FullSettings(), "/zi", File, FakeShortPath),
              "command.com /c C:\\TASM\\BIN\\TASM.EXE /m  /ic:\\progra~1\\tasm\\include  /zi "
              "C:\\MYPROJ~1\\DEMO\\MAIN.ASM");
}

TEST(ForceCompileLines, LinkerTakesTheBaseNameAndTheSwitches) {
    const std::string File = "C:\\My Projects\\Demo\\Main.asm";
    EXPECT_EQ(ForceLinkerCommandLine(EmptySettings(), "/t", File, FakeShortPath), "C:\\TASM\\BIN\\TLINK.EXE Main /t");
    EXPECT_EQ(ForceLinkerCommandLine(EmptySettings(), "", File, FakeShortPath), "C:\\TASM\\BIN\\TLINK.EXE Main ");
    EXPECT_EQ(ForceLinkerCommandLine(FullSettings(), "/t", File, FakeShortPath),
              "C:\\TASM\\BIN\\TLINK.EXE /Lc:\\progra~1\\tasm\\lib /jc:\\progra~1\\tasm\\obj Main /t");
}

TEST(ForceCompileTarget, FolderComesFromTheNameOrTheProject) {
    TForceCompileTarget T = ForceCompileTargetOf("C:\\Src\\x.asm", "D:\\Proj\\");
    EXPECT_EQ(T.Folder, "C:\\Src\\");
    EXPECT_EQ(T.FullPath, "C:\\Src\\x.asm");
    T = ForceCompileTargetOf("x.asm", "D:\\Proj\\");
    EXPECT_EQ(T.Folder, "D:\\Proj\\");
    EXPECT_EQ(T.FullPath, "D:\\Proj\\x.asm");
    T = ForceCompileTargetOf("x.asm", "D:\\Proj");
    EXPECT_EQ(T.FullPath, "D:\\Proj\\x.asm");
    T = ForceCompileTargetOf("x.asm", "");
    EXPECT_EQ(T.Folder, "");
    EXPECT_EQ(T.FullPath, "x.asm");
}

TEST(RunTarget, ComForKindTwoExeOtherwiseNoneForDll) {
    const std::vector<std::string> Files{"hello.asm", "b.asm"};
    EXPECT_EQ(RunTargetPath(pkDosCom, "C:\\P\\", Files), "C:\\P\\\\hello.com");
    for (ProjectKind Kind : {pkUnknown, pkDosExe, pkWin16Exe, pkWin16Dll, pkWin32Exe})
        EXPECT_EQ(RunTargetPath(Kind, "C:\\P\\", Files), "C:\\P\\\\hello.exe") << Kind;
    EXPECT_FALSE(RunTargetPath(pkWin32Dll, "C:\\P\\", Files).has_value());
    EXPECT_FALSE(RunTargetPath(pkDosExe, "C:\\P\\", {}).has_value());
}

TEST(RunTarget, ExtensionOfTheFirstFileIsReplaced) {
    EXPECT_EQ(RunTargetPath(pkDosExe, "C:\\P\\", {"HELLO.ASM"}), "C:\\P\\\\HELLO.exe");
    EXPECT_EQ(RunTargetPath(pkDosExe, "C:\\P\\", {"a.s"}), "C:\\P\\\\a.exe");
    EXPECT_EQ(RunTargetPath(pkDosCom, "C:\\P\\", {"plain"}), "C:\\P\\\\plain.com");
}

TEST(RunCommand, TargetIsQuoted) {
    EXPECT_EQ(RunCommandLine("C:\\My Projects\\Demo\\\\Main.exe"), "\"C:\\My Projects\\Demo\\\\Main.exe\"");
}

TEST(DebuggerLine, ShortTargetNotLowerCased) {
    const std::string Target = "C:\\My Projects\\Demo\\\\Main.exe";
    for (ProjectKind Kind : {pkUnknown, pkDosExe, pkDosCom, pkWin16Exe, pkWin16Dll})
        EXPECT_EQ(DebuggerCommandLine(EmptySettings(), Kind, Target, FakeShortPath),
                  "C:\\TASM\\BIN\\TD.EXE C:\\MYPROJ~1\\DEMO\\MAIN.EXE")
            << Kind;
}

TEST(DebuggerLine, Kind5UsesTd32WithTwoBlanks) {
    TToolSettings S = EmptySettings();
    S.TdPath = "E:\\Debug\\td.exe";
    EXPECT_EQ(DebuggerCommandLine(S, pkWin32Exe, "C:\\My Projects\\Demo\\\\Main.exe", FakeShortPath),
              "E:\\Debug\\td32.exe  C:\\MYPROJ~1\\DEMO\\MAIN.EXE");
}

TEST(DebuggerLine, TargetWithoutShortFormIsQuotedWhenItHoldsBlanks) {
    EXPECT_EQ(DebuggerCommandLine(EmptySettings(), pkDosExe, "C:\\No Short\\\\a.exe", FakeShortPath),
              "C:\\TASM\\BIN\\TD.EXE \"C:\\No Short\\\\a.exe\"");
}

TEST(PathParts, Folder) {
    EXPECT_EQ(FolderPartOf("C:\\TASM\\BIN\\TASM.EXE"), "C:\\TASM\\BIN\\");
    EXPECT_EQ(FolderPartOf("TASM.EXE"), "");
}

}  // namespace
