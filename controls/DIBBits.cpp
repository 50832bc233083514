#include "controls/DIBBits.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>

const char* const SMediaDIBNoDC = "Unable to access DIB device context";
const char* const SMediaDIBBitLength = "Bitlength not supported yet";
const char* const SMediaDIBInDrawing = "Attempt to create new DIB while initialized for drawing";

namespace {

// Lines whose end points lie further out than this draw nothing: the
// rounding below would overflow, and no bitmap is that large.
constexpr int64_t LineCoordLimit = int64_t{1} << 28;

// Clips the span [A, A + Len) to [Lo, Hi) and moves the partner origin B
// by as much as A moved, so both sides stay aligned.
bool ClipAxis(int64_t& A, int64_t& B, int64_t& Len, int64_t Lo, int64_t Hi) {
    if (A + Len <= Lo || A >= Hi) return false;
    if (A < Lo) {
        const int64_t D = Lo - A;
        A += D;
        B += D;
        Len -= D;
    }
    if (A + Len > Hi) Len = Hi - A;
    return Len > 0;
}

}  // namespace

void TDIBBits::CheckChangeAllowed(int BitsPerPixel) const {
    if (BitsPerPixel != 8 && BitsPerPixel != 24) throw EMediaDIBError(SMediaDIBBitLength);
    if (Drawing()) throw EMediaDIBError(SMediaDIBInDrawing);
}

void TDIBBits::SetLayout(uint8_t* Bits, int Width, int Height, int BitsPerPixel) {
    FBits = Bits;
    FWidth = Bits ? std::max(Width, 0) : 0;
    FHeight = Bits ? std::max(Height, 0) : 0;
    FBitsPerPixel = BitsPerPixel;
    FStride = static_cast<int>(DIBRowStride(static_cast<int64_t>(FWidth) * BitsPerPixel));
    ResetClipRect();
}

void TDIBBits::Allocate(int Width, int Height, int BitsPerPixel) {
    CheckChangeAllowed(BitsPerPixel);
    Width = std::max(Width, 0);
    Height = std::max(Height, 0);
    const int64_t Stride = DIBRowStride(static_cast<int64_t>(Width) * BitsPerPixel);
    if (Stride > std::numeric_limits<int32_t>::max() ||
        (Height > 0 && Stride > std::numeric_limits<int32_t>::max() / Height))
        throw EOutOfMemory("Out of memory");
    std::vector<uint8_t> Memory(static_cast<size_t>(Stride) * static_cast<size_t>(Height), 0);
    FOwned.swap(Memory);
    SetLayout(FOwned.empty() ? nullptr : FOwned.data(), Width, Height, BitsPerPixel);
}

void TDIBBits::Attach(uint8_t* Bits, int Width, int Height, int BitsPerPixel) {
    CheckChangeAllowed(BitsPerPixel);
    if (Width > 0 && DIBRowStride(static_cast<int64_t>(Width) * BitsPerPixel) > std::numeric_limits<int32_t>::max())
        Bits = nullptr;
    std::vector<uint8_t>().swap(FOwned);
    SetLayout(Width > 0 && Height > 0 ? Bits : nullptr, Width, Height, BitsPerPixel);
}

void TDIBBits::Release() {
    if (Drawing()) throw EMediaDIBError(SMediaDIBInDrawing);
    std::vector<uint8_t>().swap(FOwned);
    SetLayout(nullptr, 0, 0, FBitsPerPixel);
}

void TDIBBits::SetClipRect(const TRect& R) { FClip = IntersectRect(R, Rect(0, 0, FWidth, FHeight)); }

void TDIBBits::ColorToFill(TColor Color, const TMediaPalette& Palette) {
    if (FBitsPerPixel == 24)
        FFillValue = static_cast<uint32_t>(Color) & 0xFFFFFFu;
    else
        SetFillIndex(NearestPaletteIndex(Palette, Color));
}

void TDIBBits::PutPixel(uint8_t* P, uint32_t Value) const {
    if (FBitsPerPixel == 8) {
        *P = static_cast<uint8_t>(Value);
    } else {
        P[0] = static_cast<uint8_t>(Value >> 16);  // blue
        P[1] = static_cast<uint8_t>(Value >> 8);   // green
        P[2] = static_cast<uint8_t>(Value);        // red
    }
}

uint32_t TDIBBits::GetPixel(const uint8_t* P) const {
    if (FBitsPerPixel == 8) return *P;
    return static_cast<uint32_t>(P[2]) | (static_cast<uint32_t>(P[1]) << 8) | (static_cast<uint32_t>(P[0]) << 16);
}

uint32_t TDIBBits::Pixel(int X, int Y) const {
    if (!FBits || X < 0 || Y < 0 || X >= FWidth || Y >= FHeight) return 0;
    return GetPixel(ScanLine(Y) + static_cast<size_t>(X) * BytesPerPixel());
}

void TDIBBits::SetPixel(int X, int Y, uint32_t Value) {
    if (!FBits || !FClip.Contains(Point(X, Y))) return;
    PutPixel(ScanLine(Y) + static_cast<size_t>(X) * BytesPerPixel(), Value);
}

void TDIBBits::FillDIB() {
    if (!FBits) return;
    if (FBitsPerPixel == 8) {
        // The stride is a multiple of 4: whole words cover every row.
        MediaRoutines.FillLong(FBits, ImageSize() / 4, FFillValue);
        return;
    }
    if (FWidth <= 0) return;
    for (int Y = 0; Y < FHeight; ++Y) {
        uint8_t* P = ScanLine(Y);
        for (int X = 0; X < FWidth; ++X, P += 3) PutPixel(P, FFillValue);
    }
}

void TDIBBits::FillSpan(int X1, int X2, int Y) {
    uint8_t* P = ScanLine(Y) + static_cast<size_t>(X1) * BytesPerPixel();
    if (FBitsPerPixel == 8) {
        MediaRoutines.FillByte(P, static_cast<size_t>(X2 - X1), static_cast<uint8_t>(FFillValue));
        return;
    }
    for (int X = X1; X < X2; ++X, P += 3) PutPixel(P, FFillValue);
}

void TDIBBits::FillRect(const TRect& R) {
    if (!FBits) return;
    const TRect C = IntersectRect(R, FClip);
    if (C.IsEmpty()) return;
    for (int Y = C.Top; Y < C.Bottom; ++Y) FillSpan(C.Left, C.Right, Y);
}

void TDIBBits::FrameRect(const TRect& R) {
    if (R.IsEmpty()) return;
    FillRect(Rect(R.Left, R.Top, R.Right, R.Top + 1));
    if (R.Bottom - 1 > R.Top) FillRect(Rect(R.Left, R.Bottom - 1, R.Right, R.Bottom));
    if (R.Bottom - 1 > R.Top + 1) {
        FillRect(Rect(R.Left, R.Top + 1, R.Left + 1, R.Bottom - 1));
        if (R.Right - 1 > R.Left) FillRect(Rect(R.Right - 1, R.Top + 1, R.Right, R.Bottom - 1));
    }
}

void TDIBBits::Line(int X1, int Y1, int X2, int Y2) {
    if (!FBits || FClip.IsEmpty()) return;
    for (int64_t C : {int64_t{X1}, int64_t{Y1}, int64_t{X2}, int64_t{Y2}})
        if (C > LineCoordLimit || C < -LineCoordLimit) return;
    const int64_t DX = int64_t{X2} - X1, DY = int64_t{Y2} - Y1;
    const bool XMajor = std::llabs(DX) >= std::llabs(DY);
    const int64_t Major = XMajor ? std::llabs(DX) : std::llabs(DY);
    const int64_t Minor = XMajor ? std::llabs(DY) : std::llabs(DX);
    if (Major == 0) return;
    const int64_t MajorStart = XMajor ? X1 : Y1, MinorStart = XMajor ? Y1 : X1;
    const int64_t MajorSign = (XMajor ? DX : DY) < 0 ? -1 : 1;
    const int64_t MinorSign = (XMajor ? DY : DX) < 0 ? -1 : 1;
    const int64_t Lo = XMajor ? FClip.Left : FClip.Top, Hi = XMajor ? FClip.Right : FClip.Bottom;
    const int64_t MinorLo = XMajor ? FClip.Top : FClip.Left, MinorHi = XMajor ? FClip.Bottom : FClip.Right;
    // Only the steps whose major coordinate lies inside the clip are walked.
    int64_t KFirst = 0, KLast = Major - 1;
    if (MajorSign > 0) {
        KFirst = std::max(KFirst, Lo - MajorStart);
        KLast = std::min(KLast, Hi - 1 - MajorStart);
    } else {
        KFirst = std::max(KFirst, MajorStart - (Hi - 1));
        KLast = std::min(KLast, MajorStart - Lo);
    }
    for (int64_t K = KFirst; K <= KLast; ++K) {
        const int64_t M = MajorStart + MajorSign * K;
        const int64_t N = MinorStart + MinorSign * ((2 * K * Minor + Major) / (2 * Major));
        if (N < MinorLo || N >= MinorHi) continue;
        const int X = static_cast<int>(XMajor ? M : N), Y = static_cast<int>(XMajor ? N : M);
        PutPixel(ScanLine(Y) + static_cast<size_t>(X) * BytesPerPixel(), FFillValue);
    }
}

void TDIBBits::CopyBlock(const uint8_t* SourceBits, int SourceStride, int SourceW, int SourceH, int DestX,
                         int DestY, int Width, int Height, int SourceX, int SourceY, const uint32_t* Transparent) {
    if (!FBits || !SourceBits || Width <= 0 || Height <= 0) return;
    int64_t SX = SourceX, SY = SourceY, DX = DestX, DY = DestY, W = Width, H = Height;
    if (!ClipAxis(SX, DX, W, 0, SourceW) || !ClipAxis(SY, DY, H, 0, SourceH)) return;
    if (!ClipAxis(DX, SX, W, FClip.Left, FClip.Right) || !ClipAxis(DY, SY, H, FClip.Top, FClip.Bottom)) return;

    const int BPP = BytesPerPixel();
    const size_t RowBytes = static_cast<size_t>(W) * BPP;
    // Within one bitmap the rows and pixels are walked so that nothing is
    // read after it was overwritten.
    const bool BottomUp = SourceBits == FBits && DY > SY;
    const bool RightToLeft = SourceBits == FBits && DX > SX;
    for (int64_t I = 0; I < H; ++I) {
        const int64_t Row = BottomUp ? H - 1 - I : I;
        const uint8_t* S = SourceBits + static_cast<size_t>(SY + Row) * SourceStride + static_cast<size_t>(SX) * BPP;
        uint8_t* D = FBits + static_cast<size_t>(DY + Row) * FStride + static_cast<size_t>(DX) * BPP;
        if (!Transparent) {
            MediaRoutines.MoveMem(D, S, RowBytes);
            continue;
        }
        for (int64_t J = 0; J < W; ++J) {
            const int64_t Col = RightToLeft ? W - 1 - J : J;
            const uint32_t V = GetPixel(S + Col * BPP);
            if (V != *Transparent) PutPixel(D + Col * BPP, V);
        }
    }
}

void TDIBBits::CopyDIBRect(const uint8_t* SourceBits, int DestX, int DestY, int Width, int Height, int SourceX,
                           int SourceY) {
    CopyBlock(SourceBits, FStride, FWidth, FHeight, DestX, DestY, Width, Height, SourceX, SourceY, nullptr);
}

void TDIBBits::CopyDIBRect(const TDIBBits& Source, int DestX, int DestY, int Width, int Height, int SourceX,
                           int SourceY) {
    if (Source.FBitsPerPixel != FBitsPerPixel) return;
    CopyBlock(Source.FBits, Source.FStride, Source.FWidth, Source.FHeight, DestX, DestY, Width, Height, SourceX,
              SourceY, nullptr);
}

void TDIBBits::CopyDIBRectTransparent(const TDIBBits& Source, int DestX, int DestY, int Width, int Height,
                                      int SourceX, int SourceY, uint32_t Transparent) {
    if (Source.FBitsPerPixel != FBitsPerPixel) return;
    const uint32_t Key = FBitsPerPixel == 8 ? (Transparent & 0xFFu) : (Transparent & 0xFFFFFFu);
    CopyBlock(Source.FBits, Source.FStride, Source.FWidth, Source.FHeight, DestX, DestY, Width, Height, SourceX,
              SourceY, &Key);
}

uint8_t NearestPaletteIndex(const TMediaPalette& Palette, TColor Color) {
    const int R = RedOf(Color), G = GreenOf(Color), B = BlueOf(Color);
    int Best = 0;
    int BestDistance = std::numeric_limits<int>::max();
    for (int I = 0; I < 256; ++I) {
        const int DR = Palette[I].Red - R, DG = Palette[I].Green - G, DB = Palette[I].Blue - B;
        const int D = DR * DR + DG * DG + DB * DB;
        if (D < BestDistance) {
            BestDistance = D;
            Best = I;
        }
    }
    return static_cast<uint8_t>(Best);
}

std::vector<TRect> BackgroundTiles(int PictureW, int PictureH, int CanvasW, int CanvasH) {
    std::vector<TRect> Tiles;
    if (PictureW <= 0 || PictureH <= 0 || CanvasW <= 0 || CanvasH <= 0) return Tiles;
    for (int64_t Y = 0; Y < CanvasH; Y += PictureH)
        for (int64_t X = 0; X < CanvasW; X += PictureW)
            Tiles.push_back(Rect(static_cast<int>(X), static_cast<int>(Y), static_cast<int>(std::min<int64_t>(X + PictureW, CanvasW)),
                                 static_cast<int>(std::min<int64_t>(Y + PictureH, CanvasH))));
    return Tiles;
}

void DrawMediaBackground(TDIBBits& Drawing, const TDIBBits* Background, TColor Color, const TMediaPalette& Palette) {
    if (!Drawing.HasPixels()) return;
    if (Background && Background->HasPixels() && Background->BitsPerPixel() == Drawing.BitsPerPixel()) {
        Drawing.CopyDIBRect(*Background, 0, 0, Drawing.Width(), Drawing.Height(), 0, 0);
        return;
    }
    Drawing.ColorToFill(Color, Palette);
    Drawing.FillDIB();
}
