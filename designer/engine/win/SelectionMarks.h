#pragma once
// The grey marks of a multiple selection: eight 4 x 4 squares at the
// corners and edge midpoints of each selected control. A control with a
// window of its own carries them on that window (the parent's DC would
// clip them away under the child); any other control on its parent's
// window over its bounds.
#include <vector>

#include "framework/controls/Controls.h"

class TSelectionMarks {
public:
    // Shows the marks of Controls, erasing those shown before.
    void Show(const std::vector<TControl*>& Controls);
    void Hide();
    bool Shown() const { return FShown; }
    // After Window has painted: the marks of Controls that lie on it again,
    // over what the paint drew.
    void Repaint(HWND Window, const std::vector<TControl*>& Controls);

private:
    struct TPlace {
        HWND Window;
        TRect Rect;  // in Window's client coordinates
    };
    static bool PlaceOf(TControl* Control, TPlace& Place);
    static void Draw(const TPlace& Place);
    void Remember(const TPlace& Place);

    bool FShown = false;
    std::vector<TPlace> FDrawn;  // erased by invalidating, wherever the controls went since
};
