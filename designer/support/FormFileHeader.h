#pragma once
// The optional resource header in front of a designed form's stream, and
// the little-endian writers used to build streams in memory.
#include <cstdint>
#include <string>

class TStream;
class TClass;

// A header starts with FFh and 10 (RT_RCDATA). Unless DetectOnly, the
// stream is left behind it; otherwise (and always without a header) it
// goes back to where it was. Short streams are bare streams.
bool SkipResourceHeader(TStream* Stream, bool DetectOnly);

// A length byte, then at most 255 characters.
void WriteShortStringToStream(TStream* Stream, const std::string& S);
void WriteLongToStream(TStream* Stream, int32_t Value);
void WriteWordToStream(TStream* Stream, uint16_t Value);

// Registers the class for streaming unless a class of that name is known.
void RegisterClassOnce(const TClass* Class);
