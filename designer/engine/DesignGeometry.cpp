#include "designer/engine/DesignGeometry.h"

#include <algorithm>
#include <cmath>

int RoundToGrid(int Value, int Step) {
    if (Step <= 0) return Value;
    // nearbyint rounds halves to even in the default rounding mode.
    return Step * static_cast<int>(std::nearbyint(static_cast<double>(Value) / Step));
}

TRect RoundRectToGrid(const TRect& R, int StepX, int StepY) {
    return {RoundToGrid(R.Left, StepX), RoundToGrid(R.Top, StepY), RoundToGrid(R.Right, StepX),
            RoundToGrid(R.Bottom, StepY)};
}

TPoint HandlePoint(THandlePosition Position, int Width, int Height, bool BorderX, bool BorderY) {
    const int Right = Width - (BorderX ? 2 : 0);
    const int Bottom = Height - (BorderY ? 2 : 0);
    switch (Position) {
        case THandlePosition::TopLeft: return {0, 0};
        case THandlePosition::Top: return {Width / 2, 0};
        case THandlePosition::TopRight: return {Right, 0};
        case THandlePosition::Left: return {0, Height / 2};
        case THandlePosition::Right: return {Right, Height / 2};
        case THandlePosition::BottomLeft: return {0, Bottom};
        case THandlePosition::Bottom: return {Width / 2, Bottom};
        case THandlePosition::BottomRight: return {Right, Bottom};
    }
    return {};
}

TRect ResizeByHandle(const TRect& R, THandlePosition Position, TPoint P) {
    TRect N = R;
    switch (Position) {
        case THandlePosition::TopLeft: N.Top = P.Y; N.Left = P.X; break;
        case THandlePosition::Top: N.Top = P.Y; break;
        case THandlePosition::TopRight: N.Top = P.Y; N.Right = P.X; break;
        case THandlePosition::Left: N.Left = P.X; break;
        case THandlePosition::Right: N.Right = P.X; break;
        case THandlePosition::BottomLeft: N.Bottom = P.Y; N.Left = P.X; break;
        case THandlePosition::Bottom: N.Bottom = P.Y; break;
        case THandlePosition::BottomRight: N.Bottom = P.Y; N.Right = P.X; break;
    }
    return N;
}

TRect NormalizeRect(const TRect& R) {
    return {std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
            std::max(R.Top, R.Bottom)};
}

TPoint DecodeMessagePos(uint32_t Pos) {
    return {static_cast<int16_t>(Pos & 0xFFFF), static_cast<int16_t>(Pos >> 16)};
}

TPoint IconPosFromDesignInfo(int32_t DesignInfo) { return DecodeMessagePos(static_cast<uint32_t>(DesignInfo)); }

int32_t DesignInfoFromIconPos(TPoint Pos) {
    const uint32_t Low = static_cast<uint16_t>(Pos.X);
    const uint32_t High = static_cast<uint16_t>(Pos.Y);
    return static_cast<int32_t>(Low | (High << 16));
}

int NearestInDirection(const TRect& Reference, const std::vector<TRect>& Candidates, TDirection Direction) {
    constexpr int Far = 100000;
    // Up and left look for the largest far edge before the reference's
    // near edge; down and right for the smallest near edge after its far one.
    const bool Backward = Direction == TDirection::Up || Direction == TDirection::Left;
    const auto EdgeOf = [Direction](const TRect& R, bool Near) {
        const bool Vertical = Direction == TDirection::Up || Direction == TDirection::Down;
        if (Vertical) return Near ? R.Top : R.Bottom;
        return Near ? R.Left : R.Right;
    };
    const int Edge = EdgeOf(Reference, Backward);
    int Best = -1;
    int BestValue = 0;
    for (size_t I = 0; I < Candidates.size(); ++I) {
        const int Value = EdgeOf(Candidates[I], !Backward);
        const bool Fits = Backward ? Value < Edge && Value > 0 : Value > Edge && Value < Far;
        const bool Closer = Backward ? Value > BestValue : Value < BestValue;
        if (Fits && (Best < 0 || Closer)) {
            Best = static_cast<int>(I);
            BestValue = Value;
        }
    }
    return Best;
}

TPoint PastePosition(const TRect& Stored, bool FirstOfPaste, int Count, int StepX, int StepY, int W, int H) {
    const int Shift = FirstOfPaste ? Count : 0;
    return {std::min(Stored.Left + StepX * Shift, W - Stored.Width()),
            std::min(Stored.Top + StepY * Shift, H - Stored.Height())};
}
