#include "framework/uicore/ImageEncode.h"

#include <algorithm>
#include <array>
#include <stdexcept>

namespace {

void PutBE32(std::string& Out, uint32_t V) {
    Out += static_cast<char>(V >> 24);
    Out += static_cast<char>(V >> 16);
    Out += static_cast<char>(V >> 8);
    Out += static_cast<char>(V);
}

void PutLE(std::string& Out, uint32_t V, int Bytes) {
    for (int I = 0; I < Bytes; ++I) Out += static_cast<char>(V >> (8 * I));
}

void PutChunk(std::string& Out, const char* Type, const std::string& Data) {
    PutBE32(Out, static_cast<uint32_t>(Data.size()));
    std::string Body = std::string(Type, 4) + Data;
    Out += Body;
    PutBE32(Out, Crc32(reinterpret_cast<const uint8_t*>(Body.data()), Body.size()));
}

void CheckSize(int Width, int Height, const std::vector<uint32_t>& Pixels) {
    if (Width <= 0 || Height <= 0 || Pixels.size() != static_cast<size_t>(Width) * static_cast<size_t>(Height))
        throw std::invalid_argument("image size does not match its pixels");
}

}  // namespace

uint32_t Crc32(const uint8_t* Data, size_t Size, uint32_t Crc) {
    static const std::array<uint32_t, 256> Table = [] {
        std::array<uint32_t, 256> T{};
        for (uint32_t N = 0; N < 256; ++N) {
            uint32_t C = N;
            for (int K = 0; K < 8; ++K) C = (C & 1) ? 0xEDB88320u ^ (C >> 1) : C >> 1;
            T[N] = C;
        }
        return T;
    }();
    Crc = ~Crc;
    for (size_t I = 0; I < Size; ++I) Crc = Table[(Crc ^ Data[I]) & 0xFF] ^ (Crc >> 8);
    return ~Crc;
}

std::string EncodePng(int Width, int Height, const std::vector<uint32_t>& Pixels) {
    CheckSize(Width, Height, Pixels);
    // Raw scan lines: filter byte 0, then RGB.
    std::string Raw;
    Raw.reserve(static_cast<size_t>(Height) * (1 + 3 * static_cast<size_t>(Width)));
    for (int Y = 0; Y < Height; ++Y) {
        Raw += '\0';
        for (int X = 0; X < Width; ++X) {
            uint32_t P = Pixels[static_cast<size_t>(Y) * Width + X];
            Raw += static_cast<char>(P >> 16);
            Raw += static_cast<char>(P >> 8);
            Raw += static_cast<char>(P);
        }
    }
    // zlib stream of stored blocks (at most 65535 bytes each).
    std::string Z = "\x78\x01";
    uint32_t A = 1, B = 0;
    for (unsigned char C : Raw) {
        A = (A + C) % 65521;
        B = (B + A) % 65521;
    }
    size_t Pos = 0;
    do {
        size_t Len = std::min<size_t>(65535, Raw.size() - Pos);
        bool Last = Pos + Len == Raw.size();
        Z += static_cast<char>(Last ? 1 : 0);
        PutLE(Z, static_cast<uint32_t>(Len), 2);
        PutLE(Z, static_cast<uint32_t>(~Len & 0xFFFF), 2);
        Z.append(Raw, Pos, Len);
        Pos += Len;
    } while (Pos < Raw.size());
    PutBE32(Z, (B << 16) | A);

    std::string Out = "\x89PNG\r\n\x1a\n";
    std::string Header;
    PutBE32(Header, static_cast<uint32_t>(Width));
    PutBE32(Header, static_cast<uint32_t>(Height));
    Header += std::string("\x08\x02\x00\x00\x00", 5);  // 8 bits, RGB, deflate, no filter, no interlace
    PutChunk(Out, "IHDR", Header);
    PutChunk(Out, "IDAT", Z);
    PutChunk(Out, "IEND", {});
    return Out;
}

std::string EncodeBmp(int Width, int Height, const std::vector<uint32_t>& Pixels) {
    CheckSize(Width, Height, Pixels);
    const uint32_t RowSize = (static_cast<uint32_t>(Width) * 3 + 3) & ~3u;
    const uint32_t ImageSize = RowSize * static_cast<uint32_t>(Height);
    std::string Out = "BM";
    PutLE(Out, 14 + 40 + ImageSize, 4);
    PutLE(Out, 0, 4);
    PutLE(Out, 14 + 40, 4);
    PutLE(Out, 40, 4);
    PutLE(Out, static_cast<uint32_t>(Width), 4);
    PutLE(Out, static_cast<uint32_t>(Height), 4);
    PutLE(Out, 1, 2);
    PutLE(Out, 24, 2);
    PutLE(Out, 0, 4);
    PutLE(Out, ImageSize, 4);
    PutLE(Out, 2835, 4);
    PutLE(Out, 2835, 4);
    PutLE(Out, 0, 4);
    PutLE(Out, 0, 4);
    for (int Y = Height - 1; Y >= 0; --Y) {
        size_t Start = Out.size();
        for (int X = 0; X < Width; ++X) {
            uint32_t P = Pixels[static_cast<size_t>(Y) * Width + X];
            Out += static_cast<char>(P);
            Out += static_cast<char>(P >> 8);
            Out += static_cast<char>(P >> 16);
        }
        Out.append(RowSize - (Out.size() - Start), '\0');
    }
    return Out;
}
