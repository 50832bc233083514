#include "designer/engine/win/SelectionMarks.h"

#include <algorithm>

namespace {

std::vector<TPoint> MarkPoints(const TRect& R) {
    const int W4 = R.Width() - 4, H4 = R.Height() - 4;
    std::vector<TPoint> Points;
    for (TPoint M : {Point(0, 0), Point(W4 / 2, 0), Point(W4, 0), Point(0, H4 / 2), Point(W4, H4 / 2), Point(0, H4),
                     Point(W4 / 2, H4), Point(W4, H4)})
        Points.push_back({R.Left + M.X, R.Top + M.Y});
    return Points;
}

}  // namespace

bool TSelectionMarks::PlaceOf(TControl* Control, TPlace& Place) {
    if (!Control->Visible() || !Control->Parent()) return false;
    if (auto* W = dynamic_cast<TWinControl*>(Control); W && W->HandleAllocated()) {
        RECT R{};
        GetClientRect(W->Handle(), &R);
        Place = {W->Handle(), FromRECT(R)};
        return true;
    }
    if (!Control->Parent()->HandleAllocated()) return false;
    Place = {Control->Parent()->Handle(), Control->BoundsRect()};
    return true;
}

void TSelectionMarks::Draw(const TPlace& Place) {
    HDC DC = GetDC(Place.Window);
    if (!DC) return;
    HGDIOBJ Old = SelectObject(DC, GetStockObject(GRAY_BRUSH));
    for (TPoint M : MarkPoints(Place.Rect)) PatBlt(DC, M.X, M.Y, 4, 4, PATCOPY);
    SelectObject(DC, Old);
    ReleaseDC(Place.Window, DC);
}

void TSelectionMarks::Remember(const TPlace& Place) {
    const bool Known = std::any_of(FDrawn.begin(), FDrawn.end(),
                                   [&](const TPlace& P) { return P.Window == Place.Window && P.Rect == Place.Rect; });
    if (!Known) FDrawn.push_back(Place);
}

void TSelectionMarks::Show(const std::vector<TControl*>& Controls) {
    Hide();
    FShown = true;
    for (TControl* C : Controls) {
        TPlace Place;
        if (!PlaceOf(C, Place)) continue;
        // Pending paints first, so that none of them covers the marks later.
        UpdateWindow(Place.Window);
        Draw(Place);
        Remember(Place);
    }
}

void TSelectionMarks::Hide() {
    FShown = false;
    std::vector<HWND> Windows;
    for (const TPlace& Place : FDrawn) {
        if (!IsWindow(Place.Window)) continue;
        for (TPoint M : MarkPoints(Place.Rect)) {
            const RECT Square{M.X, M.Y, M.X + 4, M.Y + 4};
            InvalidateRect(Place.Window, &Square, TRUE);
        }
        if (std::find(Windows.begin(), Windows.end(), Place.Window) == Windows.end()) Windows.push_back(Place.Window);
    }
    FDrawn.clear();
    for (HWND W : Windows) UpdateWindow(W);
}

void TSelectionMarks::Repaint(HWND Window, const std::vector<TControl*>& Controls) {
    if (!FShown) return;
    for (TControl* C : Controls) {
        TPlace Place;
        if (!PlaceOf(C, Place) || Place.Window != Window) continue;
        Draw(Place);
        Remember(Place);
    }
}
