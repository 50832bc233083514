#include "docking/ToolWindowFrame.h"

#include <algorithm>

int DragHandleSize(TDragHandleStyle Style) {
    switch (Style) {
        case dhDouble: return 9;
        case dhSingle: return 6;
        case dhNone: break;
    }
    return 0;
}

TEdgeInsets DockedNonClientInsets(bool VerticalDock, bool AllowDrag, TDragHandleStyle Style) {
    TEdgeInsets I{2, 2, 2, 2};
    const int Handle = AllowDrag ? DragHandleSize(Style) : 0;
    if (VerticalDock)
        I.Top += Handle;
    else
        I.Left += Handle;
    return I;
}

int FloatingCaptionHeight(bool NewShell, int SmallCaptionMetric, int CaptionMetric) {
    return NewShell ? SmallCaptionMetric : CaptionMetric - 1;
}

TEdgeInsets FloatingNonClientInsets(int FrameX, int FrameY, int CaptionHeight, bool ShowCaption) {
    return {FrameX, FrameY + (ShowCaption ? CaptionHeight : 0), FrameX, FrameY};
}

TRect FloatingCaptionRect(const TFloatingFrame& F) {
    if (!F.ShowCaption || F.CaptionHeight <= 1) return {};
    return Rect(F.FrameX, F.FrameY, F.WindowSize.Width - F.FrameX, F.FrameY + F.CaptionHeight - 1);
}

TRect FloatingCloseButtonRect(const TFloatingFrame& F) {
    if (!F.CloseButton) return {};
    TRect Caption = FloatingCaptionRect(F);
    if (Caption.IsEmpty()) return {};
    const int Side = Caption.Height();
    return Rect(std::max(Caption.Left, Caption.Right - Side), Caption.Top, Caption.Right, Caption.Bottom);
}

int FloatingNonClientHitTest(const TFloatingFrame& F, TPoint P) {
    const int W = F.WindowSize.Width;
    const int H = F.WindowSize.Height;
    if (F.Resizable) {
        const bool OnLeft = P.X < F.FrameX;
        const bool OnRight = P.X >= W - F.FrameX;
        const bool OnTop = P.Y < F.FrameY;
        const bool OnBottom = P.Y >= H - F.FrameY;
        if (OnLeft || OnRight || OnTop || OnBottom) {
            if (F.CornerZones) {
                const int ReachX = F.CaptionHeight + F.FrameX - 1;
                const int ReachY = F.CaptionHeight + F.FrameY - 1;
                const bool NearLeft = P.X < ReachX;
                const bool NearRight = P.X >= W - ReachX;
                const bool NearTop = P.Y < ReachY;
                const bool NearBottom = P.Y >= H - ReachY;
                if (NearTop && NearLeft) return dhtTopLeft;
                if (NearTop && NearRight) return dhtTopRight;
                if (NearBottom && NearLeft) return dhtBottomLeft;
                if (NearBottom && NearRight) return dhtBottomRight;
            }
            if (OnTop) return dhtTop;
            if (OnBottom) return dhtBottom;
            if (OnLeft) return dhtLeft;
            return dhtRight;
        }
    }
    if (FloatingCloseButtonRect(F).Contains(P)) return dhtClose;
    if (FloatingCaptionRect(F).Contains(P)) return dhtCaption;
    return dhtNowhere;
}

std::string FitCaptionText(const std::string& Text, int MaxWidth, const std::function<int(const std::string&)>& TextWidth) {
    if (TextWidth(Text) <= MaxWidth) return Text;
    std::string S = Text + "...";
    while (S.size() > 4 && TextWidth(S) > MaxWidth) S.erase(S.size() - 4, 1);
    return S;
}

TExtent DockedBarClientSize(TExtent Arranged, bool VerticalDock, int RowThickness, bool FullSize, int DockClientLength,
                            const TEdgeInsets& NonClient) {
    TExtent C = Arranged;
    if (VerticalDock) {
        C.Width = std::max(C.Width, RowThickness);
        if (FullSize) C.Height = DockClientLength - NonClient.Vertical();
    } else {
        C.Height = std::max(C.Height, RowThickness);
        if (FullSize) C.Width = DockClientLength - NonClient.Horizontal();
    }
    return C;
}

TExtent OuterSizeForClient(TExtent Client, const TEdgeInsets& NonClient) {
    return {Client.Width + NonClient.Horizontal(), Client.Height + NonClient.Vertical()};
}

TExtent ClientSizeForOuter(TExtent Outer, const TEdgeInsets& NonClient) {
    return {Outer.Width - NonClient.Horizontal(), Outer.Height - NonClient.Vertical()};
}
