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
    // The lowest index of a word keyword whose text equals Word (upper-cased
    // for keys that ignore case) over all groups, or -1. The word belongs to
    // that keyword's group: an earlier group matching it would have the
    // lower index, and a later group can only find it again. Readable: the
    // bytes from the word's start that may be read (at least its length).
    int32_t FindWord(std::string_view Word, size_t Readable) const;
    // While scanning a line's words: which single keywords can occur in it
    // at all (the others need no search). Valid for the words noted since
    // BeginLine; groups without a lead word may always occur.
    void BeginLine() {
        ++FLine;
        FSinglesMayOccur = FSinglesWithoutLead;
    }
    void NoteWord(std::string_view Word) {
        if (!FLeadGroups.empty() && FLeadEnds[static_cast<unsigned char>(AsciiUpper(Word.back()))]) NoteLeadWord(Word);
    }
    bool MayOccur(size_t Group) const { return FGroups[Group].LeadLength == 0 || FNotedLine[Group] == FLine; }
    // Whether any single keyword may occur in the line.
    bool AnySingleMayOccur() const { return FSinglesMayOccur > 0; }
    // The group of a keyword FindWord returned.
    size_t GroupOf(int32_t Keyword) const { return FGroupOf[static_cast<size_t>(Keyword)]; }

private:
    // A word key's first characters (up to eight, packed a byte each from
    // the low end) and its length: most keys fit whole, so that a probe
    // compares one word and hashes no character.
    struct TSlot {
        uint64_t Head = 0;
        int32_t Length = 0;
        int32_t Index = -1;  // -1: empty
    };
    // Open-addressed table of the keys that match case, or of those that do
    // not (upper-cased).
    struct TTable {
        std::vector<TSlot> Slots;
        int Shift = 63;  // 64 - log2 of the slot count
    };
    void NoteLeadWord(std::string_view Word);
    void Insert(TTable& Table, int32_t Index, std::string_view Text) const;
    // Caseless: Word is compared upper-cased; Head is its packed head so.
    template <bool Caseless> int32_t Lookup(const TTable& Table, std::string_view Word, uint64_t Head) const;
    const TKeywordList* FList = nullptr;
    uint64_t FGeneration = 0;
    TSeparators FSeparators;
    std::array<uint8_t, 256> FSeparatorBytes{};
    std::vector<TGroup> FGroups;
    std::vector<uint32_t> FGroupOf;  // by keyword index, for word keywords
    int32_t FMaxWordLength = 0;
    std::vector<uint32_t> FLeadGroups;   // groups with a lead word
    std::bitset<256> FLeadEnds;          // last characters of lead words, upper-cased
    // The line a group's lead word was last noted in, by group: a new line
    // needs no reset. Lines are counted from 1 on.
    std::vector<uint64_t> FNotedLine;
    uint64_t FLine = 0;
    int32_t FSinglesWithoutLead = 0;  // groups of a single keyword without a lead word
    int32_t FSinglesMayOccur = 0;     // of all single keywords, in the current line
    TTable FMatchCase, FCaseless;
};
