#include "controls/Match.h"

#include "controls/Brkapart.h"
#include "framework/rtl/StrUtils.h"

#include <cstring>

namespace {

bool SameChar(char P, char T, bool CaseSensitive) {
    return CaseSensitive ? P == T : AsciiUpper(P) == AsciiUpper(T);
}

constexpr std::string_view FileSeparator = ";";

// The text between the stars of "*text*" when that is all the pattern says
// (no other wildcard, no line break); empty otherwise.
std::string_view PlainInfix(std::string_view Pattern) {
    if (Pattern.size() < 3 || Pattern.front() != '*' || Pattern.back() != '*') return {};
    const std::string_view Inner = Pattern.substr(1, Pattern.size() - 2);
    if (Inner.find_first_of("*?\r\n") != std::string_view::npos) return {};
    return Inner;
}

// Whether Needle occurs in Text; without CaseSensitive ASCII letters fold.
bool ContainsText(std::string_view Text, std::string_view Needle, bool CaseSensitive) {
    if (Text.size() < Needle.size()) return false;
    if (CaseSensitive) return Text.find(Needle) != std::string_view::npos;
    const char First = AsciiUpper(Needle.front());
    const char Lower = First >= 'A' && First <= 'Z' ? static_cast<char>(First - 'A' + 'a') : First;
    const char* End = Text.data() + Text.size();
    // The next place of each case of the first character at or after P;
    // each is searched again only once P passed it.
    auto Next = [End](const char* From, char C) {
        return static_cast<const char*>(std::memchr(From, C, static_cast<size_t>(End - From)));
    };
    const char* P = Text.data();
    const char* A = Next(P, First);
    const char* B = Lower != First ? Next(P, Lower) : nullptr;
    while (A || B) {
        const char* Hit = !A ? B : !B ? A : (A < B ? A : B);
        if (static_cast<size_t>(End - Hit) < Needle.size()) return false;
        size_t I = 1;
        while (I < Needle.size() && AsciiUpper(Hit[I]) == AsciiUpper(Needle[I])) ++I;
        if (I == Needle.size()) return true;
        P = Hit + 1;
        if (A && A < P) A = Next(P, First);
        if (B && B < P) B = Next(P, Lower);
    }
    return false;
}

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
    // "*text*" matches a line exactly when the line holds the text; as the
    // text has no line break, any place it occurs lies within one line.
    const std::string_view Infix = PlainInfix(Pattern);
    if (!Infix.empty()) return ContainsText(Contents, Infix, CaseSensitive);
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
