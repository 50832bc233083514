#include "ide/ToolShell.h"

#include "ide/IdeTexts.h"

namespace {

const std::string CommandCom = "command.com";
const std::string SystemShell = "cmd.exe";

std::string Unquoted(std::string S) {
    if (S.size() >= 2 && S.front() == '"' && S.back() == '"') S = S.substr(1, S.size() - 2);
    return S;
}

// A folder with blanks would otherwise split the program's name.
std::string Quoted(const std::string& Path) {
    return Path.find(' ') == std::string::npos ? Path : "\"" + Path + "\"";
}

}  // namespace

TShellCommand ShellCommandFor(const std::string& CommandLine, const TProgramFinder& Find, std::string ComSpec) {
    if (CommandLine.rfind(CommandCom + " ", 0) != 0 || !Find(CommandCom).empty()) return {CommandLine, {}};
    ComSpec = Unquoted(ComSpec);
    const std::string Shell = ComSpec.empty() ? SystemShell : ComSpec;
    const std::string Found = Find(Shell);
    if (Found.empty()) return {{}, IdeTexts::NoCommandInterpreter(CommandCom, Shell)};
    return {Quoted(Found) + CommandLine.substr(CommandCom.size()), {}};
}
