#pragma once
// Encoding helpers shared by the reader, the writer and the text form:
// little-endian integers, the 10-byte x87 extended float, and the
// conversion of wide and UTF-8 strings to the framework's ANSI strings.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qrn_stream {

void DoubleToExtended(double Value, uint8_t Out[10]);
double ExtendedToDouble(const uint8_t In[10]);

inline void PutLE(std::string& Out, uint64_t V, int Bytes) {
    for (int I = 0; I < Bytes; ++I) Out.push_back(static_cast<char>((V >> (8 * I)) & 0xFF));
}
inline uint64_t GetLE(const uint8_t* P, int Bytes) {
    uint64_t V = 0;
    for (int I = 0; I < Bytes; ++I) V |= static_cast<uint64_t>(P[I]) << (8 * I);
    return V;
}

// One code point to an ANSI (Windows-1252) byte; '?' when it has none.
char CodePointToAnsi(uint32_t CodePoint);
// An ANSI byte to its code point.
uint32_t AnsiToCodePoint(unsigned char C);
// UTF-16 units / UTF-8 bytes to code points (bad sequences become '?').
std::vector<uint32_t> Utf16ToCodePoints(const std::vector<uint16_t>& Units);
std::vector<uint32_t> Utf8ToCodePoints(std::string_view Bytes);
std::string CodePointsToAnsi(const std::vector<uint32_t>& CodePoints);
std::vector<uint16_t> CodePointsToUtf16(const std::vector<uint32_t>& CodePoints);

}  // namespace qrn_stream
