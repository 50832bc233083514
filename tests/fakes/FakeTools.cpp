#include "tests/fakes/FakeTools.h"

#include <cstdlib>
#include <fstream>

#include "framework/rtl/win/WinApi.h"
#include "tests/fakes/FakeConsole.h"

void LogFakeInvocation() {
    if (const char* Log = std::getenv("QRN_FAKE_LOG"); Log && *Log) AppendFakeLog(Log, RawCommandLine());
}

std::vector<std::string> FakeToolArguments() {
    const std::string Line = RawCommandLine();
    std::vector<std::string> Parts;
    std::string Current;
    bool InQuotes = false, HasPart = false;
    for (char C : Line) {
        if (C == '"') {
            InQuotes = !InQuotes;
            HasPart = true;
        } else if ((C == ' ' || C == '\t') && !InQuotes) {
            if (HasPart) Parts.push_back(Current);
            Current.clear();
            HasPart = false;
        } else {
            Current += C;
            HasPart = true;
        }
    }
    if (HasPart) Parts.push_back(Current);
    if (!Parts.empty()) Parts.erase(Parts.begin());  // the program itself
    return Parts;
}

bool IsSwitch(const std::string& Argument) {
    return !Argument.empty() && (Argument[0] == '/' || Argument[0] == '-');
}

std::string FakeToolFolder() {
    char Buf[MAX_PATH * 4] = {};
    const DWORD Len = GetModuleFileNameA(nullptr, Buf, sizeof(Buf));
    std::string Path(Buf, Len);
    return Path.substr(0, Path.find_last_of("\\/") + 1);
}

bool ReadFakeLines(const std::string& Path, std::vector<std::string>& Lines) {
    std::ifstream In(Path, std::ios::binary);
    if (!In) return false;
    std::string Line;
    while (std::getline(In, Line)) {
        if (!Line.empty() && Line.back() == '\r') Line.pop_back();
        Lines.push_back(Line);
    }
    return true;
}

bool MarkerText(const std::string& Line, const std::string& Marker, std::string& Text) {
    const size_t At = Line.find(Marker);
    if (At == std::string::npos) return false;
    Text = Line.substr(At + Marker.size());
    const size_t First = Text.find_first_not_of(" \t");
    Text = First == std::string::npos ? std::string() : Text.substr(First);
    while (!Text.empty() && (Text.back() == ' ' || Text.back() == '\t')) Text.pop_back();
    return true;
}

std::string FakeBaseName(const std::string& Path) {
    const size_t Sep = Path.find_last_of("\\/:");
    const std::string Name = Sep == std::string::npos ? Path : Path.substr(Sep + 1);
    const size_t Dot = Name.rfind('.');
    return Dot == std::string::npos ? Name : Name.substr(0, Dot);
}
