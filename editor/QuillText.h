#pragma once
// Character helpers shared by matching and search.
#include <cstdint>

#include "framework/rtl/StrUtils.h"

// As AsciiUpper on every character, written without a branch so that the
// compiler turns it into vector code: highlighting runs it on every line.
inline void QuillUpperInPlace(char* P, int32_t N) {
    for (int32_t i = 0; i < N; ++i) {
        auto C = static_cast<unsigned char>(P[i]);
        P[i] = static_cast<char>(C - (static_cast<unsigned char>(C - 'a') < 26 ? 32 : 0));
    }
}
