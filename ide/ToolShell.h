#pragma once
// The assembler's command lines start with "command.com /c ", a program
// that 64-bit Windows and Wine do not have. Where none can be found, the
// same line runs through the system's own command interpreter instead.
#include <functional>
#include <string>

// The full path of a program as starting it would find it; "" when none.
using TProgramFinder = std::function<std::string(const std::string& Program)>;

struct TShellCommand {
    std::string CommandLine;  // what to start; "" when nothing can start
    std::string Failure;      // otherwise why not, naming the programs looked for
};

// CommandLine itself, unless it starts with command.com and none is found:
// then command.com is replaced by the interpreter ComSpec names (cmd.exe
// when ComSpec is empty).
TShellCommand ShellCommandFor(const std::string& CommandLine, const TProgramFinder& Find, std::string ComSpec);
