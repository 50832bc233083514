#pragma once
// Character helpers shared by matching and search.
#include <cstdint>

inline char QuillUpper(char C) { return (C >= 'a' && C <= 'z') ? static_cast<char>(C - 32) : C; }
inline void QuillUpperInPlace(char* P, int32_t N) {
    for (int32_t i = 0; i < N; ++i) P[i] = QuillUpper(P[i]);
}
