#include "designer/engine/win/DragFrame.h"

#include "framework/rtl/win/WinApi.h"

void DrawDragFrame(const TRect& ScreenRect, const TRect& ClipRect, bool Sizing) {
    if (ScreenRect.IsEmpty()) return;
    HDC DC = GetDC(nullptr);
    if (!DC) return;
    HRGN Clip = CreateRectRgn(ClipRect.Left, ClipRect.Top, ClipRect.Right, ClipRect.Bottom);
    SelectClipRgn(DC, Clip);
    HPEN Pen = Sizing ? CreatePen(PS_SOLID, 2, RGB(255, 255, 255)) : CreatePen(PS_DOT, 1, RGB(0, 0, 0));
    HGDIOBJ OldPen = SelectObject(DC, Pen);
    HGDIOBJ OldBrush = SelectObject(DC, GetStockObject(NULL_BRUSH));
    const int OldRop = SetROP2(DC, R2_XORPEN);
    Rectangle(DC, ScreenRect.Left, ScreenRect.Top, ScreenRect.Right + 1, ScreenRect.Bottom + 1);
    SetROP2(DC, OldRop);
    SelectObject(DC, OldBrush);
    SelectObject(DC, OldPen);
    DeleteObject(Pen);
    SelectClipRgn(DC, nullptr);
    DeleteObject(Clip);
    ReleaseDC(nullptr, DC);
    GdiFlush();
}
