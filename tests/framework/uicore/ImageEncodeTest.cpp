#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "framework/uicore/ImageEncode.h"

namespace {
uint32_t BE32(const std::string& S, size_t At) {
    return (uint32_t(uint8_t(S[At])) << 24) | (uint32_t(uint8_t(S[At + 1])) << 16) |
           (uint32_t(uint8_t(S[At + 2])) << 8) | uint8_t(S[At + 3]);
}
}  // namespace

TEST(ImageEncode, CrcOfKnownText) {
    const char* Text = "123456789";
    EXPECT_EQ(Crc32(reinterpret_cast<const uint8_t*>(Text), 9), 0xCBF43926u);
}

TEST(ImageEncode, PngHasHeaderChunksWithValidCrcs) {
    std::vector<uint32_t> Pixels{0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF};
    std::string Png = EncodePng(2, 2, Pixels);
    ASSERT_EQ(Png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
    size_t Pos = 8;
    std::vector<std::string> Types;
    while (Pos < Png.size()) {
        uint32_t Len = BE32(Png, Pos);
        std::string Type = Png.substr(Pos + 4, 4);
        uint32_t Crc = Crc32(reinterpret_cast<const uint8_t*>(Png.data() + Pos + 4), Len + 4);
        EXPECT_EQ(Crc, BE32(Png, Pos + 8 + Len)) << Type;
        Types.push_back(Type);
        Pos += 12 + Len;
    }
    EXPECT_EQ(Pos, Png.size());
    EXPECT_EQ(Types, (std::vector<std::string>{"IHDR", "IDAT", "IEND"}));
    EXPECT_EQ(BE32(Png, 16), 2u);
}

TEST(ImageEncode, LargePngSplitsStoredBlocks) {
    std::vector<uint32_t> Pixels(300 * 300, 0x123456);
    std::string Png = EncodePng(300, 300, Pixels);
    // 300 rows of 901 bytes need five stored blocks of 5 header bytes each.
    uint32_t IdatLen = BE32(Png, 33);
    EXPECT_EQ(IdatLen, 2u + 300u * 901u + 5u * 5u + 4u);
}

TEST(ImageEncode, BmpRowsArePaddedAndBottomUp) {
    std::vector<uint32_t> Pixels{0x010203, 0x040506, 0x0A0B0C, 0x0D0E0F};  // top row first
    std::string Bmp = EncodeBmp(1, 4, Pixels);
    ASSERT_EQ(Bmp.substr(0, 2), "BM");
    ASSERT_EQ(Bmp.size(), 54u + 4u * 4u);
    EXPECT_EQ(uint8_t(Bmp[54]), 0x0F);  // last row first, blue byte first
    EXPECT_EQ(uint8_t(Bmp[54 + 12 + 2]), 0x01);
}

TEST(ImageEncode, MismatchedSizeIsRefused) {
    EXPECT_THROW(EncodePng(2, 2, std::vector<uint32_t>(3)), std::invalid_argument);
    EXPECT_THROW(EncodeBmp(0, 1, {}), std::invalid_argument);
}
