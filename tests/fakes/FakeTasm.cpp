// The assembler stand-in (fake_tasm.exe, tasm.exe, tasm32.exe). It takes
// the first argument that is no switch as the source file and scripts its
// messages from markers in that file:
//   ;FAKE_ERROR text        "**Error** <source>(<line>) text"
//   ;FAKE_FATAL text        "**Fatal** <source>(<line>) text"
//   ;FAKE_WARNING text      "*Warning* <source>(<line>) text"
//   ;FAKE_LINK_ERROR text   carried in the object file for the linker
//   ;FAKE_LINK_WARNING text likewise
// An "include name" line whose file is neither beside the source, in the
// current folder nor in a /i folder is a fatal error, as with the real tool.
// Without errors it writes <base>.obj into the current folder.
#include <cctype>
#include <cstdio>
#include <fstream>

#include "tests/fakes/FakeTools.h"

namespace {

// The file an "include" line names, or empty for any other line.
std::string IncludedName(const std::string& Line) {
    size_t I = Line.find_first_not_of(" \t");
    if (I == std::string::npos || Line.size() - I < 8) return {};
    std::string Word = Line.substr(I, 7);
    for (char& C : Word) C = static_cast<char>(std::tolower(static_cast<unsigned char>(C)));
    if (Word != "include" || (Line[I + 7] != ' ' && Line[I + 7] != '\t')) return {};
    const size_t Start = Line.find_first_not_of(" \t\"", I + 7);
    if (Start == std::string::npos) return {};
    const size_t End = Line.find_first_of(" \t\";", Start);
    return Line.substr(Start, End == std::string::npos ? std::string::npos : End - Start);
}

bool Readable(const std::string& Path) { return std::ifstream(Path).good(); }

bool IncludeFound(const std::string& Name, const std::string& Source, const std::vector<std::string>& Folders) {
    if (Readable(Name)) return true;
    const size_t Slash = Source.find_last_of("\\/:");
    if (Slash != std::string::npos && Readable(Source.substr(0, Slash + 1) + Name)) return true;
    for (std::string F : Folders) {
        if (!F.empty() && F.back() != '\\' && F.back() != '/') F += '\\';
        if (Readable(F + Name)) return true;
    }
    return false;
}

}  // namespace

int main() {
    LogFakeInvocation();
    std::fprintf(stderr, "fake assembler: this goes to standard error\n");
    std::printf("Fake Assembler  Version 1.0\n\n");

    std::string Source;
    std::vector<std::string> IncludeFolders;
    for (const std::string& A : FakeToolArguments()) {
        if (IsSwitch(A) && A.size() > 2 && (A[1] == 'i' || A[1] == 'I')) IncludeFolders.push_back(A.substr(2));
        if (!IsSwitch(A) && Source.empty()) Source = A;
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
        if (const std::string Inc = IncludedName(Lines[I]); !Inc.empty() && !IncludeFound(Inc, Source, IncludeFolders)) {
            std::printf("**Fatal** %s(%d) Can't locate file: %s\n", Source.c_str(), Number, Inc.c_str());
            ++Errors;
        } else if (MarkerText(Lines[I], ";FAKE_ERROR", Text)) {
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
