#pragma once
// Finds the keywords of a line in one pass: keywords that can only match a
// whole word (whole-word keys without separators in them) are looked up
// word by word in hash tables; any other keyword is searched on its own.
// Keywords keep their list order: a run of word keywords forms one group,
// and an earlier group or keyword claims its text before a later one.
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/KeyLists.h"

class TKeywordIndex {
public:
    struct TGroup {
        bool Words;       // looked up word by word; else the single keyword First
        int32_t First;    // lowest keyword index of the group
        int32_t MaxLength;
        // Open-addressed tables of (text, keyword index) for keys that
        // match case and for keys that do not (upper-cased text).
        std::vector<int32_t> MatchCase, Caseless;
        // First characters of the keys of either table: most words of a
        // line (numbers, labels) are dismissed without hashing.
        std::bitset<256> MatchCaseFirst, CaselessFirst;
    };

    // Rebuilds the groups when the list or the separators changed.
    void Prepare(const TKeywordList& List, const TSeparators& Separators);
    const std::vector<TGroup>& Groups() const { return FGroups; }
    // The lowest keyword index of the group whose text equals Word (Upper:
    // the same word upper-cased), or -1.
    int32_t Find(const TGroup& G, std::string_view Word, std::string_view Upper) const;

private:
    void Insert(std::vector<int32_t>& Table, int32_t Index, std::string_view Text) const;
    int32_t Lookup(const std::vector<int32_t>& Table, std::string_view Text) const;
    const TKeywordList* FList = nullptr;
    uint64_t FGeneration = 0;
    TSeparators FSeparators;
    std::vector<TGroup> FGroups;
};
