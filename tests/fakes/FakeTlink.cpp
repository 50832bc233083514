// The linker stand-in (tlink.exe, tlink32.exe). The first argument that is
// no switch lists the objects ("main+util", a switch may follow directly as
// in "main+util/v"); each <name>.obj must exist in the current folder. The
// object files' LINK_ERROR and LINK_WARNING lines become "Error: ..." and
// "Warning: ..." messages. Without errors it writes <first>.map and
// <first>.exe (<first>.com with /t), a copy of the program stand-in so that
// the built program can be started.
#include <cstdio>
#include <fstream>

#include "framework/rtl/win/WinApi.h"
#include "tests/fakes/FakeTools.h"

namespace {

std::vector<std::string> SplitObjects(std::string List) {
    List = List.substr(0, List.find('/'));
    std::vector<std::string> Names;
    size_t Start = 0;
    while (Start <= List.size()) {
        const size_t Plus = List.find('+', Start);
        const std::string Name = List.substr(Start, Plus == std::string::npos ? std::string::npos : Plus - Start);
        if (!Name.empty()) Names.push_back(Name);
        if (Plus == std::string::npos) break;
        Start = Plus + 1;
    }
    return Names;
}

void WriteProgram(const std::string& Target) {
    for (const char* Where : {"", "..\\"}) {
        const std::string Stand = FakeToolFolder() + Where + "fake_program.exe";
        if (CopyFileA(Stand.c_str(), Target.c_str(), FALSE)) return;
    }
    std::ofstream(Target, std::ios::binary | std::ios::trunc) << "fake program\r\n";
}

}  // namespace

int main() {
    LogFakeInvocation();
    std::fprintf(stderr, "fake linker: this goes to standard error\n");
    std::printf("Fake Linker  Version 1.0\n");

    std::vector<std::string> Objects;
    bool Com = false;
    for (const std::string& A : FakeToolArguments()) {
        if (IsSwitch(A)) {
            Com = Com || A == "/t" || A == "/Tdc";
        } else if (Objects.empty()) {
            Objects = SplitObjects(A);
            Com = Com || A.find("/t") != std::string::npos;
        }
    }
    if (Objects.empty()) {
        std::printf("Fatal: No object files\n");
        return 2;
    }
    int Errors = 0;
    for (const std::string& Name : Objects) {
        const std::string File = Name + ".obj";
        std::vector<std::string> Lines;
        if (!ReadFakeLines(File, Lines)) {
            std::printf("Fatal: Unable to open file '%s'\n", File.c_str());
            return 2;
        }
        for (const std::string& L : Lines) {
            std::string Text;
            if (MarkerText(L, "LINK_ERROR", Text)) {
                std::printf("Error: %s in module %s\n", Text.c_str(), File.c_str());
                ++Errors;
            } else if (MarkerText(L, "LINK_WARNING", Text)) {
                std::printf("Warning: %s in module %s\n", Text.c_str(), File.c_str());
            }
        }
    }
    if (Errors == 0) {
        std::ofstream(Objects.front() + ".map", std::ios::binary | std::ios::trunc) << "fake map\r\n";
        WriteProgram(Objects.front() + (Com ? ".com" : ".exe"));
    }
    std::fflush(stdout);
    return Errors == 0 ? 0 : 2;
}
