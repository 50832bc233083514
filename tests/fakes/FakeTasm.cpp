// The assembler stand-in (fake_tasm.exe, tasm.exe, tasm32.exe). It takes
// the first argument that is no switch as the source file and scripts its
// messages from markers in that file:
//   ;FAKE_ERROR text        "**Error** <source>(<line>) text"
//   ;FAKE_FATAL text        "**Fatal** <source>(<line>) text"
//   ;FAKE_WARNING text      "*Warning* <source>(<line>) text"
//   ;FAKE_LINK_ERROR text   carried in the object file for the linker
//   ;FAKE_LINK_WARNING text likewise
// Without errors it writes <base>.obj into the current folder.
#include <cstdio>
#include <fstream>

#include "tests/fakes/FakeTools.h"

int main() {
    LogFakeInvocation();
    std::fprintf(stderr, "fake assembler: this goes to standard error\n");
    std::printf("Fake Assembler  Version 1.0\n\n");

    std::string Source;
    for (const std::string& A : FakeToolArguments()) {
        if (!IsSwitch(A)) {
            Source = A;
            break;
        }
    }
    if (Source.empty()) {
        std::printf("**Fatal** Command line: no source file\n");
        return 1;
    }
    const size_t NameStart = Source.find_last_of("\\/:");
    if (Source.find('.', NameStart == std::string::npos ? 0 : NameStart) == std::string::npos) Source += ".asm";
    std::vector<std::string> Lines;
    if (!ReadFakeLines(Source, Lines)) {
        std::printf("**Fatal** Command line: Can't locate file: %s\n", Source.c_str());
        return 1;
    }
    std::printf("Assembling file:   %s\n", Source.c_str());

    int Errors = 0, Warnings = 0;
    std::vector<std::string> ObjectLines{"FAKEOBJ " + Source};
    for (size_t I = 0; I < Lines.size(); ++I) {
        const int Number = static_cast<int>(I + 1);
        std::string Text;
        if (MarkerText(Lines[I], ";FAKE_ERROR", Text)) {
            std::printf("**Error** %s(%d) %s\n", Source.c_str(), Number, Text.c_str());
            ++Errors;
        } else if (MarkerText(Lines[I], ";FAKE_FATAL", Text)) {
            std::printf("**Fatal** %s(%d) %s\n", Source.c_str(), Number, Text.c_str());
            ++Errors;
        } else if (MarkerText(Lines[I], ";FAKE_WARNING", Text)) {
            std::printf("*Warning* %s(%d) %s\n", Source.c_str(), Number, Text.c_str());
            ++Warnings;
        } else if (MarkerText(Lines[I], ";FAKE_LINK_ERROR", Text)) {
            ObjectLines.push_back("LINK_ERROR " + Text);
        } else if (MarkerText(Lines[I], ";FAKE_LINK_WARNING", Text)) {
            ObjectLines.push_back("LINK_WARNING " + Text);
        }
    }
    std::printf("Error messages:    %d\nWarning messages:  %d\n", Errors, Warnings);
    if (Errors == 0) {
        std::ofstream Obj(FakeBaseName(Source) + ".obj", std::ios::binary | std::ios::trunc);
        for (const std::string& L : ObjectLines) Obj << L << "\r\n";
    }
    std::fflush(stdout);
    return Errors == 0 ? 0 : 1;
}
