#pragma once
// The cursors of the whole application, which the screen object (a layer
// above controls) keeps. A control asks them through ScreenCursors, which
// the screen sets while it exists.
#include "framework/classes/UiTypes.h"
#include "framework/rtl/win/WinApi.h"

class IScreenCursors {
public:
    // The cursor over the whole application (crDefault: each control's own).
    virtual TCursor Cursor() const = 0;
    // The cursor for a TCursor value; unknown ones give the arrow.
    virtual HCURSOR Cursors(int Index) = 0;

protected:
    ~IScreenCursors() = default;
};

extern IScreenCursors* ScreenCursors;
