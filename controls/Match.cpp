#include "controls/Match.h"

#include "controls/Brkapart.h"
#include "framework/rtl/StrUtils.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

#ifdef __SSE2__
bool IsAsciiLetter(char C) { return (C >= 'a' && C <= 'z') || (C >= 'A' && C <= 'Z'); }
#endif

// Whether Needle is at At (which has room for it).
bool SameTextAt(const char* At, std::string_view Needle, bool CaseSensitive) {
    if (CaseSensitive) return std::memcmp(At, Needle.data(), Needle.size()) == 0;
    for (size_t I = 0; I < Needle.size(); ++I)
        if (AsciiUpper(At[I]) != AsciiUpper(Needle[I])) return false;
    return true;
}

// Whether Needle occurs in Text; without CaseSensitive ASCII letters fold.
// Sixteen places at a time are tested for the needle's first and last
// character (for a letter, both cases at once: they differ only in bit
// 0x20); only places that pass both are compared in full.
bool ContainsText(std::string_view Text, std::string_view Needle, bool CaseSensitive) {
    const size_t M = Needle.size();
    if (Text.size() < M) return false;
    const char* P = Text.data();
    const char* const Last = Text.data() + (Text.size() - M);  // the last place the needle fits
#ifdef __SSE2__
    auto Probe = [CaseSensitive](char C, __m128i& Value, __m128i& Fold) {
        const bool Letter = !CaseSensitive && IsAsciiLetter(C);
        Fold = _mm_set1_epi8(Letter ? 0x20 : 0);
        Value = _mm_set1_epi8(static_cast<char>(Letter ? (C | 0x20) : C));
    };
    __m128i First, FirstFold, End, EndFold;
    Probe(Needle.front(), First, FirstFold);
    Probe(Needle.back(), End, EndFold);
    for (; P + 16 <= Last + 1; P += 16) {
        const __m128i A = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(P)), FirstFold);
        const __m128i B = _mm_or_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(P + M - 1)), EndFold);
        unsigned Bits = static_cast<unsigned>(_mm_movemask_epi8(_mm_and_si128(_mm_cmpeq_epi8(A, First),
                                                                               _mm_cmpeq_epi8(B, End))));
        while (Bits) {
            if (SameTextAt(P + __builtin_ctz(Bits), Needle, CaseSensitive)) return true;
            Bits &= Bits - 1;
        }
    }
#endif
    for (; P <= Last; ++P)
        if (SameChar(Needle.front(), *P, CaseSensitive) && SameTextAt(P, Needle, CaseSensitive)) return true;
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
