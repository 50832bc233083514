#pragma once
// Finds the keywords of a line in one pass: keywords that can only match a
// whole word (whole-word keys without separators in them) are looked up
// word by word in hash tables; any other keyword is searched on its own.
// Keywords keep their list order: a run of word keywords forms one group,
// and an earlier group or keyword claims its text before a later one.
#include <array>
#include <bitset>
#include <cstdint>
#include <string_view>
#include <vector>

#include "editor/KeyLists.h"
#include "framework/rtl/StrUtils.h"

class TKeywordIndex {
public:
    struct TGroup {
        bool Words;       // looked up word by word; else the single keyword First
        int32_t First;    // lowest keyword index of the group
        // Of a single keyword whose text starts with a word and a separator
        // after it: that word's length. Such a keyword can only occur where
        // a word of the line ends with its first word.
        int32_t LeadLength = 0;
    };

    // Rebuilds the tables when the list or the separators changed.
    void Prepare(const TKeywordList& List, const TSeparators& Separators);
    const std::vector<TGroup>& Groups() const { return FGroups; }
    bool AnyWords() const { return FMaxWordLength > 0; }
    // The separators as bytes: the word scan reads one per character.
    bool IsSeparator(char C) const { return FSeparatorBytes[static_cast<unsigned char>(C)] != 0; }
    // A scan hashes each word upper-cased as it finds its characters: the
    // hash starts at HashStart and takes each character through HashStep.
    static constexpr uint32_t HashStart = 2166136261u;
    static uint32_t HashStep(uint32_t H, char C) { return (H ^ static_cast<unsigned char>(AsciiUpper(C))) * 16777619u; }
    // The lowest index of a word keyword whose text equals Word (for keys
    // that ignore case, the word upper-cased, whose hash is UpperHash), over
    // all groups, or -1. The word belongs to that keyword's group: an
    // earlier group matching it would have the lower index, and a later
    // group can only find it again.
    int32_t FindWord(std::string_view Word, uint32_t UpperHash) const;
    // While scanning a line's words: which single keywords can occur in it
    // at all (the others need no search). Valid for the words noted since
    // BeginLine; groups without a lead word may always occur.
    void BeginLine();
    void NoteWord(std::string_view Word) {
        if (!FLeadGroups.empty() && FLeadEnds[static_cast<unsigned char>(AsciiUpper(Word.back()))]) NoteLeadWord(Word);
    }
    bool MayOccur(size_t Group) const { return FMayOccur[Group] != 0; }
    // The group of a keyword FindWord returned.
    size_t GroupOf(int32_t Keyword) const { return FGroupOf[static_cast<size_t>(Keyword)]; }

private:
    void NoteLeadWord(std::string_view Word);
    void Insert(std::vector<int32_t>& Table, int32_t Index, std::string_view Text) const;
    // Caseless: Text is compared upper-cased.
    template <bool Caseless> int32_t Lookup(const std::vector<int32_t>& Table, std::string_view Text, uint32_t Hash) const;
    const TKeywordList* FList = nullptr;
    uint64_t FGeneration = 0;
    TSeparators FSeparators;
    std::array<uint8_t, 256> FSeparatorBytes{};
    std::vector<TGroup> FGroups;
    std::vector<uint32_t> FGroupOf;  // by keyword index, for word keywords
    int32_t FMaxWordLength = 0;
    std::vector<uint32_t> FLeadGroups;   // groups with a lead word
    std::bitset<256> FLeadEnds;          // last characters of lead words, upper-cased
    std::vector<uint8_t> FMayOccur;      // by group, for the current line
    // Open-addressed tables of (text, keyword index) for keys that match
    // case and for keys that do not (upper-cased text).
    std::vector<int32_t> FMatchCase, FCaseless;
    // First characters of the keys of either table: most words of a line
    // (numbers, labels) are dismissed without hashing.
    std::bitset<256> FMatchCaseFirst, FCaselessFirst;
};
