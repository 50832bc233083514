#pragma once
// The multimedia controls' own cursors: resources 2001 to 2031 of the
// module, installed as the screen's cursors with the same numbers.

constexpr int FirstMediaCursor = 2001;
constexpr int LastMediaCursor = 2031;

// Loads every one of the cursors the module carries into Screen; a module
// without them changes nothing. Runs at start-up, once the screen exists.
void InstallMediaCursors();
