#pragma once
// The folder of the running test program, where its stand-ins and the
// screenshots it takes live.
#include <string>

#include "framework/rtl/win/WinApi.h"

// Ends in a backslash.
inline std::string TestProgramFolder() {
    char Exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, Exe, MAX_PATH);
    std::string Dir = Exe;
    Dir.erase(Dir.find_last_of("\\/") + 1);
    return Dir;
}
