#pragma once
// Frame arithmetic of a tool window: non-client sizes docked and floating,
// the floating caption and close button, the non-client hit test, caption
// text shortening and the size a docked bar takes.
#include <functional>
#include <string>

#include "docking/DockGeometry.h"

enum TDragHandleStyle { dhDouble, dhNone, dhSingle };

// Width of the drag handle across the bar's leading edge.
int DragHandleSize(TDragHandleStyle Style);

// Docked frame: 2 on every side, plus the drag handle (when the dock allows
// dragging) on the left of a horizontal dock's bar or the top of a vertical
// dock's bar.
TEdgeInsets DockedNonClientInsets(bool VerticalDock, bool AllowDrag, TDragHandleStyle Style);

// The floating caption height from the system metrics: the small caption
// on the new shell, else the normal caption less its bottom line.
int FloatingCaptionHeight(bool NewShell, int SmallCaptionMetric, int CaptionMetric);

// Floating frame: the sizing frame when resizable, the fixed frame
// otherwise (passed in as FrameX/FrameY), the caption added at the top.
TEdgeInsets FloatingNonClientInsets(int FrameX, int FrameY, int CaptionHeight, bool ShowCaption);

// What a floating bar's window looks like, in window coordinates.
struct TFloatingFrame {
    TExtent WindowSize;
    int FrameX = 0;
    int FrameY = 0;
    int CaptionHeight = 0;
    bool ShowCaption = true;
    bool CloseButton = true;
    bool Resizable = true;
    // Corner resize zones reaching a caption height plus a frame width along
    // the edges (tool windows); toolbars have edge codes only.
    bool CornerZones = true;
};

// The caption band (its last line, the closing line, excluded).
TRect FloatingCaptionRect(const TFloatingFrame& Frame);
// The close button: a square of the caption band's height at its right end;
// empty without close button or caption.
TRect FloatingCloseButtonRect(const TFloatingFrame& Frame);

// The floating bar's non-client hit code for a point in window coordinates;
// dhtNowhere means "keep the framework's answer".
int FloatingNonClientHitTest(const TFloatingFrame& Frame, TPoint P);

// Shortens a caption that does not fit in MaxWidth: "..." is appended and
// characters are removed before it until it fits or only four characters
// remain.
std::string FitCaptionText(const std::string& Text, int MaxWidth, const std::function<int(const std::string&)>& TextWidth);

// Client size of a docked bar: at least the row thickness across the dock,
// and with FullSize the dock's whole client length along it (less the
// bar's frame).
TExtent DockedBarClientSize(TExtent Arranged, bool VerticalDock, int RowThickness, bool FullSize, int DockClientLength,
                            const TEdgeInsets& NonClient);

// A floating tool window's bounds size for a client size, and back.
TExtent OuterSizeForClient(TExtent Client, const TEdgeInsets& NonClient);
TExtent ClientSizeForOuter(TExtent Outer, const TEdgeInsets& NonClient);

// A freely sized tool window keeps its client size: across a vertical dock
// it is as wide as that, across a horizontal one as high.
inline int ToolWindowSizeAcross(TExtent KeptClient, bool VerticalDock) {
    return VerticalDock ? KeptClient.Width : KeptClient.Height;
}
