// command.com: runs the command after "/c" with the caller's standard
// handles, waits for it and returns its exit code.
#include <cctype>
#include <string>
#include <vector>

#include "framework/rtl/win/WinApi.h"

namespace {

// What follows the program name on the raw command line.
std::string ArgumentsOf(const std::string& Line) {
    size_t I = 0;
    while (I < Line.size() && (Line[I] == ' ' || Line[I] == '\t')) ++I;
    if (I < Line.size() && Line[I] == '"') {
        size_t Close = Line.find('"', I + 1);
        I = Close == std::string::npos ? Line.size() : Close + 1;
    } else {
        while (I < Line.size() && Line[I] != ' ' && Line[I] != '\t') ++I;
    }
    return Line.substr(I);
}

// The command after the "/c" switch; empty when there is none.
std::string CommandAfterSwitch(const std::string& Args) {
    size_t I = 0;
    while (I < Args.size() && (Args[I] == ' ' || Args[I] == '\t')) ++I;
    if (I + 1 >= Args.size() || Args[I] != '/' || std::tolower(static_cast<unsigned char>(Args[I + 1])) != 'c') {
        return std::string();
    }
    I += 2;
    while (I < Args.size() && (Args[I] == ' ' || Args[I] == '\t')) ++I;
    return Args.substr(I);
}

}  // namespace

int main() {
    const std::string Command = CommandAfterSwitch(ArgumentsOf(GetCommandLineA()));
    if (Command.empty()) return 1;

    STARTUPINFOA Startup{};
    Startup.cb = sizeof(STARTUPINFOA);
    Startup.dwFlags = STARTF_USESTDHANDLES;
    Startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    Startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    Startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION Process{};
    std::vector<char> Writable(Command.begin(), Command.end());
    Writable.push_back('\0');
    if (!CreateProcessA(nullptr, Writable.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &Startup, &Process)) {
        return 9009;  // "not recognised as a command"
    }
    WaitForSingleObject(Process.hProcess, INFINITE);
    DWORD ExitCode = 1;
    GetExitCodeProcess(Process.hProcess, &ExitCode);
    CloseHandle(Process.hThread);
    CloseHandle(Process.hProcess);
    return static_cast<int>(ExitCode);
}
