#include <gtest/gtest.h>

#include "controls/MediaCanvasPalette.h"
#include "controls/MediaObj.h"

namespace {

struct TChangeCount {
    int Count = 0;
    void Bind(TMediaObject& O) {
        O.OnChange = [this](TObject*) { ++Count; };
    }
};

TEST(MediaObject, UpdatesNestAndReportOnceAtTheEnd) {
    TMediaBevel B;
    TChangeCount C;
    C.Bind(B);
    B.BeginUpdate();
    B.BeginUpdate();
    B.SetBorderWidth(3);
    B.SetBorderSpace(2);
    B.EndUpdate();
    EXPECT_EQ(C.Count, 0);
    B.EndUpdate();
    EXPECT_EQ(C.Count, 1);
    B.EndUpdate();  // unbalanced: ignored
    EXPECT_EQ(B.UpdateCount(), 0);
    EXPECT_EQ(C.Count, 1);
}

TEST(MediaBevelObject, SettersReportOnlyRealChanges) {
    TMediaBevel B;
    TChangeCount C;
    C.Bind(B);
    EXPECT_EQ(B.BevelOuter(), mrkLowered);
    EXPECT_EQ(B.BorderColor(), clBtnFace);
    B.SetBevelOuter(mrkLowered);
    EXPECT_EQ(C.Count, 0);
    B.SetBevelOuter(mrkRaised);
    B.SetInnerShadowColor(clRed);
    EXPECT_EQ(C.Count, 2);
}

TEST(MediaBevelObject, AssignCopiesEverythingWithOneNotification) {
    TMediaBevel A, B;
    A.SetBevelInner(mrkRaised);
    A.SetBevelInnerWidth(4);
    A.SetSingleBorder(true);
    A.SetBorderWidth(2);
    A.SetBorderSpace(1);
    A.SetOuterLightColor(clYellow);
    A.SetBorderSpaceColor(clWhite);
    TChangeCount C;
    C.Bind(B);
    B.Assign(&A);
    EXPECT_EQ(C.Count, 1);
    EXPECT_EQ(B.Values(), A.Values());
    EXPECT_EQ(B.TotalWidth(), 1 + 1 + 2 + 4 + 1);
    EXPECT_EQ(B.InnerRect(Rect(0, 0, 40, 40)), Rect(9, 9, 31, 31));
}

TEST(MediaBevelObject, AssignFromAnotherKindFails) {
    TMediaBevel B;
    TMediaObject O;
    EXPECT_ANY_THROW(B.Assign(&O));
    EXPECT_EQ(B.UpdateCount(), 0);
}

TEST(MediaCanvasPalette, DefaultPaletteWithoutPictureOrTable) {
    const TMediaPalette Base = DefaultMediaPalette();
    const TMediaCanvasPalette P = BuildMediaCanvasPalette(Base, nullptr, nullptr, 0);
    EXPECT_EQ(P.Entries, Base);
    EXPECT_EQ(P.UsableCount, 256);
    // Entry 249 (red): blue, green, red, 0; entry 100: marked usable.
    EXPECT_EQ(P.ColorTable[249 * 4 + 2], 255);
    EXPECT_EQ(P.ColorTable[249 * 4 + 3], 0);
    EXPECT_EQ(P.ColorTable[100 * 4 + 3], 4);
    EXPECT_EQ(P.ColorTable[9 * 4 + 3], 0);
    EXPECT_EQ(P.ColorTable[246 * 4 + 3], 0);
}

TEST(MediaCanvasPalette, PictureEntriesTenTo244) {
    TMediaPalette Picture{};
    for (int I = 0; I < 256; ++I) Picture[I] = {static_cast<uint8_t>(I), 7, 7, 0};
    const TMediaCanvasPalette P = BuildMediaCanvasPalette(DefaultMediaPalette(), &Picture, &Picture, 0);
    EXPECT_EQ(P.Entries[9], DefaultMediaPalette()[9]);
    EXPECT_EQ(P.Entries[10].Red, 10);
    EXPECT_EQ(P.Entries[244].Red, 244);
    EXPECT_EQ(P.Entries[10].Flags, 0);  // the user table plays no part
    EXPECT_EQ(P.Entries[245], TMediaPaletteEntry{});
}

TEST(MediaCanvasPalette, UserTableIsNotCollapsed) {
    TMediaPalette User{};
    for (int I = 0; I < 256; ++I) User[I] = {1, static_cast<uint8_t>(I), 1, 0};
    const TMediaCanvasPalette P = BuildMediaCanvasPalette(DefaultMediaPalette(), nullptr, &User, 0);
    EXPECT_EQ(P.Entries[10], (TMediaPaletteEntry{1, 10, 1, MediaPcNoCollapse}));
    EXPECT_EQ(P.Entries[246], (TMediaPaletteEntry{1, 246, 1, MediaPcNoCollapse}));
    EXPECT_EQ(P.Entries[247], DefaultMediaPalette()[247]);
}

TEST(MediaCanvasPalette, ReservedEntriesGetUnusedColours) {
    const TMediaCanvasPalette P = BuildMediaCanvasPalette(DefaultMediaPalette(), nullptr, nullptr, 3);
    EXPECT_EQ(P.UsableCount, 244);
    // Black is a static colour and the free entries are black too, so the
    // first unused value is 0x000001, then 0x000002, 0x000003.
    EXPECT_EQ(P.Entries[244], (TMediaPaletteEntry{1, 0, 0, MediaPcReserved}));
    EXPECT_EQ(P.Entries[245], (TMediaPaletteEntry{2, 0, 0, MediaPcReserved}));
    EXPECT_EQ(P.Entries[246], (TMediaPaletteEntry{3, 0, 0, MediaPcReserved}));
    EXPECT_EQ(P.ColorTable[243 * 4 + 3], 4);
    EXPECT_EQ(P.ColorTable[244 * 4 + 3], 0);
    // Far too many reserved entries stop at the static ones.
    const TMediaCanvasPalette Q = BuildMediaCanvasPalette(DefaultMediaPalette(), nullptr, nullptr, 1000);
    EXPECT_EQ(Q.UsableCount, 10);
    EXPECT_EQ(Q.Entries[9], DefaultMediaPalette()[9]);
    EXPECT_EQ(Q.Entries[10].Flags, MediaPcReserved);
}

}  // namespace
