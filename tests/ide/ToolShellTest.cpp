#include <gtest/gtest.h>

#include <map>

#include "ide/IdeTexts.h"
#include "ide/ToolShell.h"

namespace {

const std::string Line = "command.com /c C:\\TASM\\TASM.EXE /ml  c:\\proj\\main.asm ";
const std::string Args = " /c C:\\TASM\\TASM.EXE /ml  c:\\proj\\main.asm ";

// The programs a system holds, by the name a program is started with.
TProgramFinder FinderOf(std::map<std::string, std::string> Programs) {
    return [Programs](const std::string& Name) {
        auto It = Programs.find(Name);
        return It == Programs.end() ? std::string() : It->second;
    };
}

}  // namespace

TEST(ToolShell, TheLineRunsAsBuiltWhereCommandComIsFoundOrNotNamed) {
    const TProgramFinder WithCommandCom = FinderOf({{"command.com", "C:\\IDE\\command.com"}});
    EXPECT_EQ(ShellCommandFor(Line, WithCommandCom, "C:\\nowhere\\shell.exe").CommandLine, Line);
    // Only the program's name counts, not a tool or folder of that name.
    const std::string Linker = "C:\\command.com\\tlink.exe main+util";
    EXPECT_EQ(ShellCommandFor(Linker, FinderOf({}), "").CommandLine, Linker);
}

TEST(ToolShell, WithoutCommandComTheInterpreterComSpecNamesOrCmdRunsTheSameLine) {
    const TProgramFinder System = FinderOf({{"cmd.exe", "C:\\windows\\system32\\cmd.exe"},
                                            {"C:\\Program Files\\Sh\\sh.exe", "C:\\Program Files\\Sh\\sh.exe"}});
    EXPECT_EQ(ShellCommandFor(Line, System, "").CommandLine, "C:\\windows\\system32\\cmd.exe" + Args);
    EXPECT_EQ(ShellCommandFor(Line, System, "\"C:\\Program Files\\Sh\\sh.exe\"").CommandLine,
              "\"C:\\Program Files\\Sh\\sh.exe\"" + Args);

    const TShellCommand Missing = ShellCommandFor(Line, System, "C:\\nowhere\\shell.exe");
    EXPECT_EQ(Missing.CommandLine, "");
    EXPECT_EQ(Missing.Failure, IdeTexts::NoCommandInterpreter("command.com", "C:\\nowhere\\shell.exe"));
    EXPECT_NE(ShellCommandFor(Line, FinderOf({}), "").Failure.find("cmd.exe"), std::string::npos);
}
