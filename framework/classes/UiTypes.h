#pragma once
// Plain value types shared by the windowed framework and the portable code
// that computes layouts: points, rectangles, small enum sets, shift states.
#include <algorithm>
#include <cstdint>
#include <initializer_list>

// Same layout as the system's POINT and RECT (32-bit fields), so the
// windowed code can pass them straight to the API.
struct TPoint {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t Right = 0;
    int32_t Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint P) const { return P.X >= Left && P.X < Right && P.Y >= Top && P.Y < Bottom; }
    TPoint TopLeft() const { return {Left, Top}; }
    TPoint BottomRight() const { return {Right, Bottom}; }
    void Offset(int DX, int DY) { Left += DX; Right += DX; Top += DY; Bottom += DY; }
    void Inflate(int DX, int DY) { Left -= DX; Right += DX; Top -= DY; Bottom += DY; }
    friend bool operator==(const TRect&, const TRect&) = default;
};

inline TPoint Point(int X, int Y) { return {X, Y}; }
inline TRect Rect(int Left, int Top, int Right, int Bottom) { return {Left, Top, Right, Bottom}; }
inline TRect Bounds(int Left, int Top, int Width, int Height) { return {Left, Top, Left + Width, Top + Height}; }

// The overlap of two rectangles; empty (all zero) when they do not meet.
inline TRect IntersectRect(const TRect& A, const TRect& B) {
    TRect R{std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
    if (R.IsEmpty()) return {};
    return R;
}

// A set of up to 32 enumeration values, kept as a bit mask so that it
// streams as the integer mask the run-time type information expects.
template <class E>
class TSmallSet {
public:
    constexpr TSmallSet() = default;
    constexpr TSmallSet(std::initializer_list<E> Values) {
        for (E V : Values) Bits |= Bit(V);
    }
    static constexpr TSmallSet FromMask(uint32_t Mask) {
        TSmallSet S;
        S.Bits = Mask;
        return S;
    }
    constexpr uint32_t Mask() const { return Bits; }
    constexpr bool Contains(E V) const { return (Bits & Bit(V)) != 0; }
    constexpr bool Empty() const { return Bits == 0; }
    constexpr TSmallSet& Include(E V) { Bits |= Bit(V); return *this; }
    constexpr TSmallSet& Exclude(E V) { Bits &= ~Bit(V); return *this; }
    constexpr TSmallSet operator+(TSmallSet O) const { return FromMask(Bits | O.Bits); }
    constexpr TSmallSet operator-(TSmallSet O) const { return FromMask(Bits & ~O.Bits); }
    constexpr TSmallSet operator*(TSmallSet O) const { return FromMask(Bits & O.Bits); }
    constexpr TSmallSet& operator+=(TSmallSet O) { Bits |= O.Bits; return *this; }
    constexpr TSmallSet& operator-=(TSmallSet O) { Bits &= ~O.Bits; return *this; }
    friend constexpr bool operator==(TSmallSet, TSmallSet) = default;

private:
    static constexpr uint32_t Bit(E V) { return uint32_t{1} << static_cast<unsigned>(V); }
    uint32_t Bits = 0;
};

enum TShiftStateValue { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSmallSet<TShiftStateValue>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };

enum TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Mouse cursors: negative numbers are the framework's stock cursors,
// positive ones are loaded by the program into Screen->Cursors.
using TCursor = int16_t;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSize = -22;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crDrag = -12;
constexpr TCursor crNoDrop = -13;
constexpr TCursor crHSplit = -14;
constexpr TCursor crVSplit = -15;
constexpr TCursor crMultiDrag = -16;
constexpr TCursor crSQLWait = -17;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;
