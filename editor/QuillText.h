#pragma once
// Character helpers shared by matching and search.
#include <cstdint>

#include "framework/rtl/StrUtils.h"

inline void QuillUpperInPlace(char* P, int32_t N) {
    for (int32_t i = 0; i < N; ++i) P[i] = AsciiUpper(P[i]);
}
