#include "editor/KeywordIndex.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>

#include "editor/QuillText.h"

namespace {
constexpr size_t HeadBytes = sizeof(uint64_t);

// The first HeadBytes characters of T, packed from the low end (zero past
// its end).
uint64_t PackHead(std::string_view T) {
    uint64_t H = 0;
    size_t N = std::min(T.size(), HeadBytes);
    for (size_t i = 0; i < N; ++i) H |= uint64_t{static_cast<unsigned char>(T[i])} << (8 * i);
    return H;
}

// PackHead of the word at T, read at once when Readable bytes allow it.
uint64_t ReadHead(std::string_view T, size_t Readable) {
    if (std::endian::native != std::endian::little || Readable < HeadBytes) return PackHead(T);
    uint64_t H;
    std::memcpy(&H, T.data(), HeadBytes);
    return T.size() >= HeadBytes ? H : H & ((uint64_t{1} << (8 * T.size())) - 1);
}

// AsciiUpper of every byte of a packed head at once: a lower-case letter
// loses its 0x20 bit, every other byte stays.
uint64_t UpperHead(uint64_t H) {
    constexpr uint64_t Ones = 0x0101010101010101ull;
    uint64_t Low7 = H & (0x7F * Ones);
    uint64_t FromA = Low7 + (0x80 - 'a') * Ones;    // top bit: the byte is 'a' or above
    uint64_t PastZ = Low7 + (0x80 - 'z' - 1) * Ones;  // top bit: the byte is above 'z'
    uint64_t Lower = FromA & ~PastZ & ~H & (0x80 * Ones);
    return H ^ (Lower >> 2);
}

size_t SlotOf(uint64_t Head, int32_t Length, int Shift) {
    return static_cast<size_t>(((Head + static_cast<uint64_t>(Length)) * 0x9E3779B97F4A7C15ull) >> Shift);
}

// Whether the characters past the head are the same (Word upper-cased
// when Caseless); the heads and lengths were found equal.
template <bool Caseless> bool SameTail(const std::string& Key, std::string_view Word) {
    for (size_t i = HeadBytes; i < Word.size(); ++i)
        if (Key[i] != (Caseless ? AsciiUpper(Word[i]) : Word[i])) return false;
    return true;
}

// Upper-casing must not move a word's edges for one scan to serve both
// kinds of key.
bool CaseKeepsSeparators(const TSeparators& S) {
    for (int C = 0; C < 256; ++C)
        if (S[static_cast<size_t>(C)] != S[static_cast<unsigned char>(AsciiUpper(static_cast<char>(C)))]) return false;
    return true;
}
}  // namespace

void TKeywordIndex::Insert(TTable& Table, int32_t Index, std::string_view Text) const {
    size_t Mask = Table.Slots.size() - 1;
    uint64_t Head = PackHead(Text);
    auto Length = static_cast<int32_t>(Text.size());
    for (size_t I = SlotOf(Head, Length, Table.Shift);; I = (I + 1) & Mask) {
        TSlot& E = Table.Slots[I];
        if (E.Index < 0) {
            E = {Head, Length, Index};
            return;
        }
        if (FList->Compiled()[static_cast<size_t>(E.Index)] == Text) return;  // the earlier keyword keeps it
    }
}

template <bool Caseless>
int32_t TKeywordIndex::Lookup(const TTable& Table, std::string_view Word, uint64_t Head) const {
    if (Table.Slots.empty()) return -1;
    size_t Mask = Table.Slots.size() - 1;
    auto Length = static_cast<int32_t>(Word.size());
    for (size_t I = SlotOf(Head, Length, Table.Shift);; I = (I + 1) & Mask) {
        const TSlot& E = Table.Slots[I];
        if (E.Index < 0) return -1;
        if (E.Head == Head && E.Length == Length &&
            (Word.size() <= HeadBytes || SameTail<Caseless>(FList->Compiled()[static_cast<size_t>(E.Index)], Word)))
            return E.Index;
    }
}

int32_t TKeywordIndex::FindWord(std::string_view Word, size_t Readable) const {
    if (static_cast<int32_t>(Word.size()) > FMaxWordLength || Word.empty()) return -1;
    uint64_t Head = ReadHead(Word, Readable);
    int32_t A = Lookup<false>(FMatchCase, Word, Head);
    int32_t B = Lookup<true>(FCaseless, Word, UpperHead(Head));
    if (A < 0) return B;
    return B < 0 ? A : std::min(A, B);
}

void TKeywordIndex::NoteLeadWord(std::string_view Word) {
    const auto& Compiled = FList->Compiled();
    for (uint32_t G : FLeadGroups) {
        const TGroup& Gr = FGroups[G];
        auto N = static_cast<size_t>(Gr.LeadLength);
        if (FNotedLine[G] == FLine || N > Word.size()) continue;
        const char* Lead = Compiled[static_cast<size_t>(Gr.First)].data();
        const char* End = Word.data() + Word.size() - N;
        bool Same = true;
        if (FList->Record(Gr.First)->Options & koMatchCase)
            Same = std::memcmp(End, Lead, N) == 0;
        else
            for (size_t i = 0; i < N && Same; ++i) Same = AsciiUpper(End[i]) == Lead[i];
        if (Same) {
            FNotedLine[G] = FLine;
            ++FSinglesMayOccur;
        }
    }
}

void TKeywordIndex::Prepare(const TKeywordList& List, const TSeparators& Separators) {
    if (FList == &List && FGeneration == List.Generation() && FSeparators == Separators) return;
    FList = &List;
    FGeneration = List.Generation();
    FSeparators = Separators;
    for (size_t C = 0; C < 256; ++C) FSeparatorBytes[C] = Separators[C] ? 1 : 0;
    FGroups.clear();
    FMatchCase = {};
    FCaseless = {};
    FMaxWordLength = 0;
    FGroupOf.clear();
    FLeadGroups.clear();
    FLeadEnds.reset();
    const auto& Compiled = List.Compiled();
    bool WordsPossible = CaseKeepsSeparators(Separators);
    std::vector<int32_t> Words;
    for (int32_t k = 0; k < static_cast<int32_t>(Compiled.size()); ++k) {
        TKeyword* K = List.Record(k);
        const std::string& T = Compiled[static_cast<size_t>(k)];
        if (!K || K->Context == 0 || T.empty()) continue;  // never applied
        bool Word = WordsPossible && (K->Options & koWholeWord) &&
                    std::none_of(T.begin(), T.end(), [&](char C) { return C == 5 || Separators[static_cast<unsigned char>(C)]; });
        if (!Word || FGroups.empty() || !FGroups.back().Words) FGroups.push_back(TGroup{Word, k});
        if (!Word) {
            // The lead word ends where the line has a separator, so a word of
            // the line ends with it. Only when words are scanned, and when
            // claimed text (character 5) neither separates nor matches.
            auto Lead = static_cast<int32_t>(std::find_if(T.begin(), T.end(), [&](char C) {
                                                 return Separators[static_cast<unsigned char>(C)];
                                             }) - T.begin());
            bool Clean = WordsPossible && !Separators[5] && T.find('\5') == std::string::npos;
            if (Clean && Lead > 0 && Lead < static_cast<int32_t>(T.size())) {
                FGroups.back().LeadLength = Lead;
                FLeadGroups.push_back(static_cast<uint32_t>(FGroups.size() - 1));
                FLeadEnds.set(static_cast<unsigned char>(AsciiUpper(T[static_cast<size_t>(Lead) - 1])));
            }
            continue;
        }
        FGroupOf.resize(static_cast<size_t>(k) + 1);
        FGroupOf[static_cast<size_t>(k)] = static_cast<uint32_t>(FGroups.size() - 1);
        Words.push_back(k);
        FMaxWordLength = std::max(FMaxWordLength, static_cast<int32_t>(T.size()));
    }
    // Until a line begins, every single keyword may occur.
    FNotedLine.assign(FGroups.size(), FLine);
    FSinglesWithoutLead = static_cast<int32_t>(
        std::count_if(FGroups.begin(), FGroups.end(), [](const TGroup& G) { return !G.Words && G.LeadLength == 0; }));
    FSinglesMayOccur = static_cast<int32_t>(std::count_if(FGroups.begin(), FGroups.end(), [](const TGroup& G) { return !G.Words; }));
    size_t Cap = 8;
    int Shift = 61;
    while (Cap < Words.size() * 2) Cap *= 2, --Shift;
    for (int32_t k : Words) {
        bool MatchCase = (List.Record(k)->Options & koMatchCase) != 0;
        TTable& Table = MatchCase ? FMatchCase : FCaseless;
        if (Table.Slots.empty()) {
            Table.Slots.assign(Cap, TSlot{});
            Table.Shift = Shift;
        }
        Insert(Table, k, Compiled[static_cast<size_t>(k)]);  // in list order: the earlier keyword keeps its text
    }
}
