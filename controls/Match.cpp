#include "controls/Match.h"

#include "controls/Brkapart.h"

namespace {

char FoldAscii(char C) { return C >= 'a' && C <= 'z' ? static_cast<char>(C - 'a' + 'A') : C; }

bool SameChar(char P, char T, bool CaseSensitive) {
    return CaseSensitive ? P == T : FoldAscii(P) == FoldAscii(T);
}

constexpr std::string_view FileSeparator = ";";

}  // namespace

bool WildcardMatches(std::string_view Text, std::string_view Pattern, bool CaseSensitive) {
    // Greedy scan that, on a mismatch, only retries from the latest "*":
    // an earlier "*" can never do better than a later one, so no deeper
    // backtracking is needed.
    size_t T = 0, P = 0;
    size_t Star = std::string_view::npos, StarText = 0;
    while (T < Text.size()) {
        if (P < Pattern.size() && Pattern[P] == '*') {
            Star = P++;
            StarText = T;
        } else if (P < Pattern.size() && (Pattern[P] == '?' || SameChar(Pattern[P], Text[T], CaseSensitive))) {
            ++P;
            ++T;
        } else if (Star != std::string_view::npos) {
            P = Star + 1;
            T = ++StarText;
        } else {
            return false;
        }
    }
    while (P < Pattern.size() && Pattern[P] == '*') ++P;
    return P == Pattern.size();
}

bool AnyLineMatches(std::string_view Contents, std::string_view Pattern, bool CaseSensitive) {
    size_t Start = 0;
    size_t I = 0;
    while (I < Contents.size()) {
        char C = Contents[I];
        if (C == '\r' || C == '\n') {
            if (WildcardMatches(Contents.substr(Start, I - Start), Pattern, CaseSensitive)) return true;
            if (C == '\r' && I + 1 < Contents.size() && Contents[I + 1] == '\n') ++I;
            Start = I + 1;
        }
        ++I;
    }
    return Start < Contents.size() && WildcardMatches(Contents.substr(Start), Pattern, CaseSensitive);
}

void TMatchCore::SetPattern(std::string_view Value) {
    FPattern = "*";
    FPattern += Value;
    FPattern += '*';
}

std::string TMatchCore::Pattern() const { return FPattern.substr(1, FPattern.size() - 2); }

void TMatchCore::SetSource(std::string_view Value) {
    if (SourceIsFile)
        FFiles = BreakApartText(Value, FileSeparator, false);
    else
        FText = std::string(Value);
}

std::string TMatchCore::Source() const {
    return SourceIsFile ? BuildStringFromItems(FFiles, FileSeparator, false) : FText;
}

bool TMatchCore::IsMatch(const TMatchFileReader& ReadFile) const {
    if (!SourceIsFile) return WildcardMatches(FText, FPattern, CaseSensitive);
    // The first matching line decides; later files need not be read.
    for (const std::string& F : FFiles)
        if (AnyLineMatches(ReadFile(F), FPattern, CaseSensitive)) return true;
    return false;
}
