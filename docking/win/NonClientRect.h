#pragma once
// The client rectangle a window keeps inside its own non-client sizes
// (WM_NCCALCSIZE), never turned inside out.
#include <algorithm>

#include "docking/DockGeometry.h"
#include "framework/rtl/win/WinApi.h"

inline void InsetByNonClient(RECT& R, const TEdgeInsets& I) {
    R.left += I.Left;
    R.top += I.Top;
    R.right = std::max(R.left, static_cast<LONG>(R.right - I.Right));
    R.bottom = std::max(R.top, static_cast<LONG>(R.bottom - I.Bottom));
}
