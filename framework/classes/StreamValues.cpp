#include "framework/classes/StreamValues.h"

#include <cmath>
#include <cstring>

namespace qrn_stream {

void DoubleToExtended(double Value, uint8_t Out[10]) {
    uint64_t Bits;
    std::memcpy(&Bits, &Value, sizeof Bits);
    uint16_t Sign = (Bits >> 63) ? 0x8000 : 0;
    int Exp = static_cast<int>((Bits >> 52) & 0x7FF);
    uint64_t Frac = Bits & ((uint64_t{1} << 52) - 1);
    uint64_t Mant = 0;
    uint16_t Exp80 = 0;
    if (Exp == 0x7FF) {  // infinity or NaN
        Exp80 = 0x7FFF;
        Mant = (uint64_t{1} << 63) | (Frac << 11);
    } else if (Exp == 0) {
        if (Frac != 0) {  // subnormal double: normalise
            int Top = 63;
            while (!(Frac & (uint64_t{1} << Top))) --Top;
            Exp80 = static_cast<uint16_t>(Top - 1074 + 16383);
            Mant = Frac << (63 - Top);
        }
    } else {
        Exp80 = static_cast<uint16_t>(Exp - 1023 + 16383);
        Mant = (uint64_t{1} << 63) | (Frac << 11);
    }
    for (int I = 0; I < 8; ++I) Out[I] = static_cast<uint8_t>(Mant >> (8 * I));
    uint16_t SE = static_cast<uint16_t>(Sign | Exp80);
    Out[8] = static_cast<uint8_t>(SE & 0xFF);
    Out[9] = static_cast<uint8_t>(SE >> 8);
}

double ExtendedToDouble(const uint8_t In[10]) {
    uint64_t Mant = GetLE(In, 8);
    uint16_t SE = static_cast<uint16_t>(In[8] | (In[9] << 8));
    bool Neg = (SE & 0x8000) != 0;
    int Exp = SE & 0x7FFF;
    double V;
    if (Exp == 0x7FFF) {
        V = (Mant << 1) == 0 ? HUGE_VAL : std::nan("");
    } else if (Exp == 0 && Mant == 0) {
        V = 0.0;
    } else {
        V = std::ldexp(static_cast<double>(Mant), Exp - 16383 - 63);
    }
    return Neg ? -V : V;
}

namespace {
// Windows-1252 0x80..0x9F.
const uint16_t Cp1252High[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
}  // namespace

char CodePointToAnsi(uint32_t CP) {
    if (CP < 0x80 || (CP >= 0xA0 && CP < 0x100)) return static_cast<char>(CP);
    for (int I = 0; I < 32; ++I)
        if (Cp1252High[I] == CP) return static_cast<char>(0x80 + I);
    return '?';
}

uint32_t AnsiToCodePoint(unsigned char C) {
    if (C >= 0x80 && C < 0xA0) return Cp1252High[C - 0x80];
    return C;
}

std::vector<uint32_t> Utf16ToCodePoints(const std::vector<uint16_t>& Units) {
    std::vector<uint32_t> Out;
    Out.reserve(Units.size());
    for (size_t I = 0; I < Units.size(); ++I) {
        uint16_t U = Units[I];
        if (U >= 0xD800 && U < 0xDC00 && I + 1 < Units.size() && Units[I + 1] >= 0xDC00 && Units[I + 1] < 0xE000) {
            Out.push_back(0x10000 + ((static_cast<uint32_t>(U) - 0xD800) << 10) + (Units[I + 1] - 0xDC00));
            ++I;
        } else {
            // A lone surrogate stays as it is, so that text round trips keep it.
            Out.push_back(U);
        }
    }
    return Out;
}

std::vector<uint32_t> Utf8ToCodePoints(std::string_view S) {
    std::vector<uint32_t> Out;
    size_t I = 0;
    while (I < S.size()) {
        unsigned char C = static_cast<unsigned char>(S[I]);
        int Extra = C < 0x80 ? 0 : (C >> 5) == 6 ? 1 : (C >> 4) == 14 ? 2 : (C >> 3) == 30 ? 3 : -1;
        if (Extra < 0 || I + static_cast<size_t>(Extra) >= S.size()) {
            Out.push_back('?');
            ++I;
            continue;
        }
        uint32_t CP = Extra == 0 ? C : Extra == 1 ? (C & 0x1F) : Extra == 2 ? (C & 0x0F) : (C & 0x07);
        bool Ok = true;
        for (int K = 1; K <= Extra; ++K) {
            unsigned char N = static_cast<unsigned char>(S[I + static_cast<size_t>(K)]);
            if ((N & 0xC0) != 0x80) {
                Ok = false;
                break;
            }
            CP = (CP << 6) | (N & 0x3F);
        }
        if (!Ok || CP > 0x10FFFF) {
            Out.push_back('?');
            ++I;
            continue;
        }
        Out.push_back(CP);
        I += static_cast<size_t>(Extra) + 1;
    }
    return Out;
}

std::string CodePointsToAnsi(const std::vector<uint32_t>& CPs) {
    std::string Out;
    Out.reserve(CPs.size());
    for (uint32_t CP : CPs) Out.push_back(CodePointToAnsi(CP));
    return Out;
}

std::vector<uint16_t> CodePointsToUtf16(const std::vector<uint32_t>& CPs) {
    std::vector<uint16_t> Out;
    for (uint32_t CP : CPs) {
        if (CP >= 0x10000 && CP <= 0x10FFFF) {
            CP -= 0x10000;
            Out.push_back(static_cast<uint16_t>(0xD800 + (CP >> 10)));
            Out.push_back(static_cast<uint16_t>(0xDC00 + (CP & 0x3FF)));
        } else {
            Out.push_back(static_cast<uint16_t>(CP > 0xFFFF ? '?' : CP));
        }
    }
    return Out;
}

}  // namespace qrn_stream
