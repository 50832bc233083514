#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

#include "controls/MediaBevelLayout.h"
#include "controls/MediaRoutines.h"

namespace {

TEST(MediaRoutineTable, ClampAndRangeTests) {
    EXPECT_EQ(MediaRoutines.Clamp(5, 0, 10), 5);
    EXPECT_EQ(MediaRoutines.Clamp(-5, 0, 10), 0);
    EXPECT_EQ(MediaRoutines.Clamp(50, 0, 10), 10);
    EXPECT_EQ(MediaRoutines.ClampAnyOrder(50, 10, 0), 10);
    EXPECT_EQ(MediaRoutines.ClampAnyOrder(-50, 10, 0), 0);
    EXPECT_TRUE(MediaRoutines.InRange(10, 0, 10));
    EXPECT_FALSE(MediaRoutines.InRange(5, 10, 0));
    EXPECT_TRUE(MediaRoutines.InRangeAnyOrder(5, 10, 0));
    EXPECT_EQ(MediaRoutines.Min(-1, 1), -1);
    EXPECT_EQ(MediaRoutines.Max(-1, 1), 1);
    int V = INT_MAX;
    MediaRoutines.AddTo(V, 1);  // wraps like the machine, no overflow trap
    EXPECT_EQ(V, INT_MIN);
    uint16_t A = 1, B = 2;
    MediaRoutines.SwapWord(A, B);
    EXPECT_EQ(A, 2);
    int32_t C = 3, D = 4;
    MediaRoutines.SwapLong(C, D);
    EXPECT_EQ(D, 3);
}

TEST(MediaRoutineTable, MemoryRoutines) {
    uint8_t Buf[16] = {};
    EXPECT_EQ(MediaRoutines.FillByte(Buf + 2, 5, 0x7F), Buf + 7);
    EXPECT_EQ(Buf[1], 0);
    EXPECT_EQ(Buf[6], 0x7F);
    EXPECT_EQ(Buf[7], 0);
    // A pattern at an odd address.
    MediaRoutines.FillLong(Buf + 1, 2, 0x04030201u);
    uint32_t First;
    std::memcpy(&First, Buf + 1, 4);
    EXPECT_EQ(First, 0x04030201u);
    EXPECT_EQ(Buf[8], 0x04);
    EXPECT_EQ(Buf[9], 0);
    uint8_t Seq[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    MediaRoutines.MoveMem(Seq + 2, Seq, 5);  // target above source
    EXPECT_EQ(std::vector<uint8_t>(Seq, Seq + 8), (std::vector<uint8_t>{1, 2, 1, 2, 3, 4, 5, 8}));
    MediaRoutines.MoveMem(Seq, Seq + 3, 5);
    EXPECT_EQ(std::vector<uint8_t>(Seq, Seq + 8), (std::vector<uint8_t>{2, 3, 4, 5, 8, 4, 5, 8}));
    EXPECT_TRUE(MediaRoutines.CompareMem(Seq + 1, Seq + 5, 3) == false);
    EXPECT_TRUE(MediaRoutines.CompareMem(Seq + 2, Seq + 5, 2));
    EXPECT_TRUE(MediaRoutines.CompareMem(nullptr, nullptr, 0));
}

int FakeMax(int, int) { return 4242; }

TEST(MediaRoutineTable, EntriesCanBeReplaced) {
    MediaRoutines.Max = FakeMax;
    EXPECT_EQ(MediaRoutines.Max(1, 2), 4242);
    ResetMediaRoutines();
    EXPECT_EQ(MediaRoutines.Max(1, 2), 2);
}

TEST(MediaDeviceIds, NamesReadAndWrite) {
    RegisterMediaDeviceIdents();
    RegisterMediaDeviceIdents();  // a second start-up changes nothing
    const TTypeInfo* Info = QRN_TYPE(TMediaDeviceID);
    ASSERT_TRUE(Info->IdentToInt && Info->IntToIdent);
    int64_t Value = 0;
    EXPECT_TRUE(Info->IdentToInt("mapperID", Value));
    EXPECT_EQ(Value, -1);
    EXPECT_TRUE(Info->IdentToInt("InvalidId", Value));
    EXPECT_EQ(Value, -2);
    EXPECT_FALSE(Info->IdentToInt("Zero", Value));
    std::string Name;
    EXPECT_TRUE(Info->IntToIdent(-2, Name));
    EXPECT_EQ(Name, "InvalidId");
    EXPECT_TRUE(Info->IntToIdent(-1, Name));
    EXPECT_EQ(Name, "MapperId");
    EXPECT_FALSE(Info->IntToIdent(0, Name));
}

TEST(MediaDib, RowStrideRoundsUpToWords) {
    EXPECT_EQ(DIBRowStride(1), 4);
    EXPECT_EQ(DIBRowStride(32), 4);
    EXPECT_EQ(DIBRowStride(33), 8);
    EXPECT_EQ(DIBRowStride(3 * 24), 12);
    EXPECT_EQ(DIBRowStride(3 * 8), 4);
    EXPECT_EQ(DIBRowStride(int64_t{INT_MAX} * 24), (int64_t{INT_MAX} * 24 + 31) / 32 * 4);
}

TEST(MediaDib, DefaultPaletteOnATrueColourScreen) {
    const TMediaPalette P = DefaultMediaPalette();
    EXPECT_EQ(P[0], (TMediaPaletteEntry{0, 0, 0, 0}));
    EXPECT_EQ(P[8], (TMediaPaletteEntry{192, 220, 192, 0}));
    EXPECT_EQ(P[9], (TMediaPaletteEntry{166, 202, 240, 0}));
    EXPECT_EQ(P[246], (TMediaPaletteEntry{255, 251, 240, 0}));
    EXPECT_EQ(P[249], (TMediaPaletteEntry{255, 0, 0, 0}));
    EXPECT_EQ(P[255], (TMediaPaletteEntry{255, 255, 255, 0}));
    for (int I = 10; I < 246; ++I) EXPECT_EQ(P[I], TMediaPaletteEntry{}) << I;
}

TEST(MediaDib, DefaultPaletteTakesTheSystemEntries) {
    TMediaPaletteEntry System[20];
    for (int I = 0; I < 20; ++I) System[I] = {static_cast<uint8_t>(I), 1, 2, 0};
    const TMediaPalette P = DefaultMediaPalette(System);
    EXPECT_EQ(P[9].Red, 9);
    EXPECT_EQ(P[246].Red, 10);
    EXPECT_EQ(P[255].Red, 19);
    EXPECT_EQ(P[100], TMediaPaletteEntry{});
}

TEST(MediaDib, HeaderForSixteenBitsIsMadeForTwentyFour) {
    const auto Block = MakeDIBHeaderBlock(16, 10, 3, false, 1);
    ASSERT_EQ(Block.size(), DIBHeaderBlockSize);
    const TDIBHeaderValues H = ReadDIBHeader(Block.data());
    EXPECT_EQ(H.BitCount, 24);
    EXPECT_EQ(H.Width, 3);
    EXPECT_EQ(H.Height, 10);
    EXPECT_EQ(H.SizeImage, 0u);
    EXPECT_EQ(H.ColorsUsed, 0u);
    EXPECT_EQ(Block[0], 40);
    EXPECT_EQ(Block[12], 1);  // one plane
    for (size_t I = DIBInfoHeaderSize; I < Block.size(); ++I) ASSERT_EQ(Block[I], 0) << I;
}

TEST(MediaDib, HeaderSizesCoverEveryRow) {
    // Top-down, three row blocks of 5 rows, 7 pixels of 8 bits: stride 8.
    const auto Block = MakeDIBHeaderBlock(8, -5, 7, true, 3);
    const TDIBHeaderValues H = ReadDIBHeader(Block.data());
    EXPECT_EQ(H.Height, -15);
    EXPECT_EQ(H.SizeImage, 8u * 15);
    EXPECT_EQ(Block.size(), DIBHeaderBlockSize + 8 * 15);
    // Width and rows are at least 1.
    const auto Small = MakeDIBHeaderBlock(24, 2, 0, true, 0);
    const TDIBHeaderValues S = ReadDIBHeader(Small.data());
    EXPECT_EQ(S.Width, 1);
    EXPECT_EQ(S.Height, 2);
    EXPECT_EQ(S.SizeImage, 8u);
    // Sizes the 32-bit fields cannot hold give no block.
    EXPECT_TRUE(MakeDIBHeaderBlock(24, 100000, 100000, false, 1).empty());
}

TEST(MediaDib, ColourTableRepeatsTheSixteenStandardColours) {
    const auto Block = MakeDIBHeaderBlock(8, 1, 1, false, 1);
    EXPECT_EQ(ReadDIBHeader(Block.data()).ColorsUsed, 256u);
    const uint8_t* Table = Block.data() + DIBInfoHeaderSize;
    // Entry 1 (dark red) and entry 17 (the same, next block): blue, green, red, 0.
    EXPECT_EQ(std::vector<uint8_t>(Table + 4, Table + 8), (std::vector<uint8_t>{0, 0, 128, 0}));
    EXPECT_EQ(std::vector<uint8_t>(Table + 68, Table + 72), (std::vector<uint8_t>{0, 0, 128, 0}));
    EXPECT_EQ(std::vector<uint8_t>(Table + 255 * 4, Table + 256 * 4), (std::vector<uint8_t>{255, 255, 255, 0}));
    EXPECT_EQ(std::vector<uint8_t>(Table + 8 * 4, Table + 9 * 4), (std::vector<uint8_t>{128, 128, 128, 0}));
    const auto Four = MakeDIBHeaderBlock(4, 1, 1, false, 1);
    EXPECT_EQ(ReadDIBHeader(Four.data()).ColorsUsed, 16u);
    EXPECT_EQ(Four[DIBInfoHeaderSize + 16 * 4 + 2], 0);  // nothing past the sixteen
}

TEST(MediaBevel, NoRingsLeaveTheClientRectangle) {
    TMediaBevelValues V;
    V.BevelOuter = mrkNone;
    EXPECT_EQ(MediaBevelTotalWidth(V), 0);
    EXPECT_EQ(MediaBevelInnerRect(V, Rect(0, 0, 50, 40)), Rect(0, 0, 50, 40));
    const TMediaBevelPlan P = MediaBevelLayout(V, Rect(0, 0, 50, 40), true);
    EXPECT_TRUE(P.Rings.empty());
    EXPECT_EQ(P.Inner, Rect(0, 0, 50, 40));
}

TEST(MediaBevel, TotalWidthCountsOnlyRingsThatAreOn) {
    TMediaBevelValues V;  // lowered outer ring of 1
    EXPECT_EQ(MediaBevelTotalWidth(V), 1);
    V.BevelInner = mrkRaised;
    V.BevelInnerWidth = 2;
    V.BevelOuterWidth = 3;
    V.SingleBorder = true;
    V.BorderWidth = 4;
    V.BorderSpace = 5;
    EXPECT_EQ(MediaBevelTotalWidth(V), 2 + 3 + 1 + 4 + 5);
    V.BevelOuter = mrkNone;
    EXPECT_EQ(MediaBevelTotalWidth(V), 2 + 1 + 4 + 5);
}

TEST(MediaBevel, RingsFromOutsideIn) {
    TMediaBevelValues V;
    V.SingleBorder = true;
    V.BevelOuter = mrkLowered;
    V.BevelOuterWidth = 2;
    V.BorderWidth = 3;
    V.BorderColor = clRed;
    V.BevelInner = mrkRaised;
    V.InnerLightColor = clWhite;
    V.InnerShadowColor = clGray;
    V.BorderSpace = 1;
    V.BorderSpaceColor = clNavy;
    const TMediaBevelPlan P = MediaBevelLayout(V, Rect(0, 0, 100, 50), true);
    ASSERT_EQ(P.Rings.size(), 5u);
    EXPECT_EQ(P.Rings[0], (TMediaBevelRing{Rect(0, 0, 100, 50), clWindowFrame, clWindowFrame, 1}));
    EXPECT_EQ(P.Rings[1], (TMediaBevelRing{Rect(1, 1, 99, 49), clBtnShadow, clBtnHighlight, 2}));
    EXPECT_EQ(P.Rings[2], (TMediaBevelRing{Rect(3, 3, 97, 47), clRed, clRed, 3}));
    EXPECT_EQ(P.Rings[3], (TMediaBevelRing{Rect(6, 6, 94, 44), clWhite, clGray, 1}));
    EXPECT_EQ(P.Rings[4], (TMediaBevelRing{Rect(7, 7, 93, 43), clNavy, clNavy, 1}));
    EXPECT_EQ(P.Inner, Rect(8, 8, 92, 42));
    EXPECT_EQ(P.Inner, MediaBevelInnerRect(V, Rect(0, 0, 100, 50)));
    // Without the border ring its room is still taken.
    const TMediaBevelPlan Q = MediaBevelLayout(V, Rect(0, 0, 100, 50), false);
    ASSERT_EQ(Q.Rings.size(), 4u);
    EXPECT_EQ(Q.Rings[2].Rect, Rect(6, 6, 94, 44));
    EXPECT_EQ(Q.Inner, P.Inner);
}

}  // namespace
