#include "ide/ToolMessages.h"

#include <limits>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StringList.h"

namespace {

struct TMarks {
    std::string_view Error;
    std::string_view Fatal;
    std::string_view Warning;
};

constexpr TMarks AssemblerMarks{"**Error**", "**Fatal**", "*Warning*"};
constexpr TMarks LinkerMarks{"Error:", "Fatal:", "Warning:"};

void FilterLine(const std::string& Line, const TMarks& M, TToolOutputReport& R) {
    // Three independent tests, each reporting the line.
    if (Line.find(M.Error) != std::string::npos) {
        R.Reported.push_back(Line);
        R.ErrorSeen = true;
    }
    if (Line.find(M.Fatal) != std::string::npos) {
        R.Reported.push_back(Line);
        R.ErrorSeen = true;
    }
    if (Line.find(M.Warning) != std::string::npos) R.Reported.push_back(Line);
}

TToolOutputReport Filter(const std::vector<std::string>& Lines, const TMarks& M) {
    TToolOutputReport R;
    for (const std::string& L : Lines) FilterLine(L, M, R);
    return R;
}

TToolOutputReport Filter(const TStrings& Lines, const TMarks& M) {
    TToolOutputReport R;
    for (int I = 0; I < Lines.Count(); ++I) FilterLine(Lines.Strings(I), M, R);
    return R;
}

// Optional sign, then decimal digits; false when that is not the whole text
// or the value does not fit an int.
bool ParseLineNumber(std::string_view S, int& Value) {
    size_t I = 0;
    bool Negative = false;
    if (I < S.size() && (S[I] == '-' || S[I] == '+')) Negative = S[I++] == '-';
    if (I == S.size()) return false;
    long long V = 0;
    for (; I < S.size(); ++I) {
        if (S[I] < '0' || S[I] > '9') return false;
        V = V * 10 + (S[I] - '0');
        if (V > std::numeric_limits<int>::max()) return false;
    }
    Value = static_cast<int>(Negative ? -V : V);
    return true;
}

std::string_view TrimBlanks(std::string_view S) {
    while (!S.empty() && (S.front() == ' ' || S.front() == '\t')) S.remove_prefix(1);
    while (!S.empty() && (S.back() == ' ' || S.back() == '\t')) S.remove_suffix(1);
    return S;
}

}  // namespace

TToolOutputReport FilterAssemblerOutput(const std::vector<std::string>& Lines) {
    return Filter(Lines, AssemblerMarks);
}
TToolOutputReport FilterAssemblerOutput(const TStrings& Lines) { return Filter(Lines, AssemblerMarks); }
TToolOutputReport FilterLinkerOutput(const std::vector<std::string>& Lines) { return Filter(Lines, LinkerMarks); }
TToolOutputReport FilterLinkerOutput(const TStrings& Lines) { return Filter(Lines, LinkerMarks); }

std::optional<TMessageLocation> ParseMessageLocation(std::string_view Line) {
    constexpr size_t MarkLength = 9;
    std::string_view Mark = Line.substr(0, MarkLength);
    if (Mark != AssemblerMarks.Error && Mark != AssemblerMarks.Warning) return std::nullopt;
    // The mark and the blank after it.
    std::string_view Rest = Line.size() > MarkLength + 1 ? Line.substr(MarkLength + 1) : std::string_view();

    size_t FirstOpen = Rest.find('(');
    if (FirstOpen == std::string_view::npos) return std::nullopt;
    for (size_t Open = FirstOpen; Open != std::string_view::npos; Open = Rest.find('(', Open + 1)) {
        size_t Close = Rest.find(')', Open + 1);
        if (Close == std::string_view::npos) break;
        int Number = 0;
        if (ParseLineNumber(Rest.substr(Open + 1, Close - Open - 1), Number))
            return TMessageLocation{std::string(TrimBlanks(Rest.substr(0, Open))), Number};
    }
    size_t Close = Rest.find(')', FirstOpen + 1);
    if (Close == std::string_view::npos) return std::nullopt;
    throw EConvertError("'" + std::string(Rest.substr(FirstOpen + 1, Close - FirstOpen - 1)) +
                        "' is not a valid integer value");
}

std::string MessageFileName(std::string_view File) {
    size_t I = File.size();
    while (I > 0 && File[I - 1] != '\\' && File[I - 1] != '/' && File[I - 1] != ':') --I;
    return std::string(File.substr(I));
}

bool SameMessageFileName(std::string_view WindowFileName, std::string_view MessageName) {
    if (WindowFileName.size() != MessageName.size()) return false;
    for (size_t I = 0; I < WindowFileName.size(); ++I) {
        char A = WindowFileName[I], B = MessageName[I];
        if (A >= 'A' && A <= 'Z') A = static_cast<char>(A - 'A' + 'a');
        if (B >= 'A' && B <= 'Z') B = static_cast<char>(B - 'A' + 'a');
        if (A != B) return false;
    }
    return true;
}

int EditorLineOfMessage(int Number) { return Number <= 0 ? 0 : Number - 1; }
