#include "tests/fakes/FakeConsole.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "framework/rtl/win/WinApi.h"

std::string RawCommandLine() { return GetCommandLineA(); }

void AppendFakeLog(const std::string& LogPath, const std::string& RawCommandLine) {
    char Dir[MAX_PATH * 4] = {};
    GetCurrentDirectoryA(sizeof(Dir), Dir);
    std::ofstream Log(LogPath, std::ios::app | std::ios::binary);
    Log << "cmd: " << RawCommandLine << "\r\n" << "dir: " << Dir << "\r\n";
}

int RunFakeConsole(int argc, char** argv, const std::string& RawCommandLine) {
    if (const char* EnvLog = std::getenv("QRN_FAKE_LOG"); EnvLog && *EnvLog) {
        AppendFakeLog(EnvLog, RawCommandLine);
    }
    int ExitCode = 0;
    for (int I = 1; I < argc; ++I) {
        const std::string Verb = argv[I];
        const bool HasArg = I + 1 < argc;
        if (Verb == "out" && HasArg) {
            std::fprintf(stdout, "%s\n", argv[++I]);
        } else if (Verb == "err" && HasArg) {
            std::fprintf(stderr, "%s\n", argv[++I]);
        } else if (Verb == "write" && I + 2 < argc) {
            std::ofstream File(argv[I + 1], std::ios::binary | std::ios::trunc);
            File << argv[I + 2] << "\n";
            I += 2;
        } else if (Verb == "sleep" && HasArg) {
            std::fflush(stdout);
            std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(argv[++I])));
        } else if (Verb == "log" && HasArg) {
            AppendFakeLog(argv[++I], RawCommandLine);
        } else if (Verb == "exit" && HasArg) {
            ExitCode = std::atoi(argv[++I]);
            break;
        }
    }
    std::fflush(stdout);
    std::fflush(stderr);
    return ExitCode;
}
