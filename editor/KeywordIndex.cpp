#include "editor/KeywordIndex.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "editor/QuillText.h"

namespace {
uint32_t HashText(std::string_view T) {
    uint32_t H = 2166136261u;
    for (char C : T) H = (H ^ static_cast<unsigned char>(C)) * 16777619u;
    return H;
}

// Upper-casing must not move a word's edges for one scan to serve both
// kinds of key.
bool CaseKeepsSeparators(const TSeparators& S) {
    for (int C = 0; C < 256; ++C)
        if (S[static_cast<size_t>(C)] != S[static_cast<unsigned char>(AsciiUpper(static_cast<char>(C)))]) return false;
    return true;
}
}  // namespace

void TKeywordIndex::Insert(std::vector<int32_t>& Table, int32_t Index, std::string_view Text) const {
    size_t Mask = Table.size() - 1;
    for (size_t Slot = HashText(Text) & Mask;; Slot = (Slot + 1) & Mask) {
        int32_t& E = Table[Slot];
        if (E < 0) {
            E = Index;
            return;
        }
        if (FList->Compiled()[static_cast<size_t>(E)] == Text) return;  // the earlier keyword keeps it
    }
}

template <bool Caseless>
int32_t TKeywordIndex::Lookup(const std::vector<int32_t>& Table, std::string_view Text, uint32_t Hash) const {
    if (Table.empty()) return -1;
    size_t Mask = Table.size() - 1;
    const auto& Compiled = FList->Compiled();
    for (size_t Slot = Hash & Mask;; Slot = (Slot + 1) & Mask) {
        int32_t E = Table[Slot];
        if (E < 0) return -1;
        const std::string& K = Compiled[static_cast<size_t>(E)];
        if (K.size() != Text.size()) continue;
        size_t i = 0;  // words are short: a call to compare them costs more
        while (i < Text.size() && K[i] == (Caseless ? AsciiUpper(Text[i]) : Text[i])) ++i;
        if (i == Text.size()) return E;
    }
}

int32_t TKeywordIndex::FindWord(std::string_view Word, uint32_t UpperHash) const {
    if (static_cast<int32_t>(Word.size()) > FMaxWordLength || Word.empty()) return -1;
    int32_t A = FMatchCaseFirst[static_cast<unsigned char>(Word[0])] ? Lookup<false>(FMatchCase, Word, HashText(Word)) : -1;
    int32_t B = FCaselessFirst[static_cast<unsigned char>(AsciiUpper(Word[0]))] ? Lookup<true>(FCaseless, Word, UpperHash) : -1;
    if (A < 0) return B;
    return B < 0 ? A : std::min(A, B);
}

void TKeywordIndex::BeginLine() {
    for (uint32_t G : FLeadGroups) FMayOccur[G] = 0;
}

void TKeywordIndex::NoteLeadWord(std::string_view Word) {
    const auto& Compiled = FList->Compiled();
    for (uint32_t G : FLeadGroups) {
        const TGroup& Gr = FGroups[G];
        auto N = static_cast<size_t>(Gr.LeadLength);
        if (FMayOccur[G] || N > Word.size()) continue;
        const char* Lead = Compiled[static_cast<size_t>(Gr.First)].data();
        const char* End = Word.data() + Word.size() - N;
        bool Same = true;
        if (FList->Record(Gr.First)->Options & koMatchCase)
            Same = std::memcmp(End, Lead, N) == 0;
        else
            for (size_t i = 0; i < N && Same; ++i) Same = AsciiUpper(End[i]) == Lead[i];
        if (Same) FMayOccur[G] = 1;
    }
}

void TKeywordIndex::Prepare(const TKeywordList& List, const TSeparators& Separators) {
    if (FList == &List && FGeneration == List.Generation() && FSeparators == Separators) return;
    FList = &List;
    FGeneration = List.Generation();
    FSeparators = Separators;
    for (size_t C = 0; C < 256; ++C) FSeparatorBytes[C] = Separators[C] ? 1 : 0;
    FGroups.clear();
    FMatchCase.clear();
    FCaseless.clear();
    FMatchCaseFirst.reset();
    FCaselessFirst.reset();
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
    FMayOccur.assign(FGroups.size(), 1);
    size_t Cap = 8;
    while (Cap < Words.size() * 2) Cap *= 2;
    for (int32_t k : Words) {
        bool MatchCase = (List.Record(k)->Options & koMatchCase) != 0;
        std::vector<int32_t>& Table = MatchCase ? FMatchCase : FCaseless;
        if (Table.empty()) Table.assign(Cap, -1);
        const std::string& Key = Compiled[static_cast<size_t>(k)];
        Insert(Table, k, Key);  // in list order: the earlier keyword keeps its text
        (MatchCase ? FMatchCaseFirst : FCaselessFirst).set(static_cast<unsigned char>(Key[0]));
    }
}
