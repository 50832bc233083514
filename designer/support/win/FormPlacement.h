#pragma once
// Where the library's tool windows were left: the system's placement
// record of a window (and a form's window state) kept below the library's
// key under "Forms\<name>\".
#include <string>

class TControl;

// The stored record is the system's 44-byte placement record; a value of
// any other size is treated as missing.
inline constexpr int FormPlacementSize = 44;

// Sets the bounds to the stored normal rectangle and, for a form, its
// stored window state; nothing when no placement is stored.
void RestoreFormPlacement(TControl* Control, const std::string& Name);
// Stores the window's placement (and a form's window state); nothing for
// a control whose window was never made.
void SaveFormPlacement(TControl* Control, const std::string& Name);
// For a window's end: a placement that cannot be stored is forgotten,
// never raised.
void SaveFormPlacementQuietly(TControl* Control, const std::string& Name) noexcept;
