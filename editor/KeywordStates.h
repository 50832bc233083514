#pragma once
// The states of keyword regions, by the state in force where a keyword
// starts, the keyword and the length it matched: highlighting makes the
// same few line after line, and building and interning each one cost more
// than the rest of its stop. An entry holds a reference to both states, so
// that neither id can come to name another state while it is kept.
#include <array>
#include <cstdint>

#include "editor/KeyLists.h"
#include "editor/QuillTypes.h"

class TKeywordStates {
public:
    TKeywordStates() = default;
    TKeywordStates(const TKeywordStates&) = delete;
    TKeywordStates& operator=(const TKeywordStates&) = delete;
    ~TKeywordStates();
    // The state of keyword Index (its record K) matched over Len characters
    // where InForce holds, one level deeper (the caller checked there is
    // room). The reference is the cache's: a holder adds its own.
    TStopState Get(TStopState InForce, int32_t Index, const TKeyword& K, int32_t Len);

private:
    struct TEntry {
        bool Used = false;
        TStopState From = PlainStopState, Id = PlainStopState;
        int32_t Index = 0, Len = 0;
        // The record's fields the state took: records may change in place.
        uint8_t Style = 0;
        int16_t Context = 0, Cursor = 0;
        int32_t Background = 0, Foreground = 0;
    };
    std::array<TEntry, 64> FEntries;
};
