#pragma once
// Keeps the stay-on-top windows drawn above the others.
//
// Under Wine the window system's own order is right, but the display
// server raises a window that becomes active to the very top and is told
// of no later restack that leaves the window first among its owner's
// popups: a stay-on-top window stays drawn under the form just activated.
// Moving each stay-on-top window out of the topmost band and back again,
// from the lowest up, is a real change that places it on top of the
// display too, and it leaves the window system's order as it was.
void RestackStayOnTopWindows();
