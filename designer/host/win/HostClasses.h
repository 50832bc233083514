#pragma once
// What the host needs of the palette, apart from the host itself: the
// palette's header and the engine's both name the palette's chosen class.
class TWinControl;

// Makes the classes of the host's form file known to the form reader.
void RegisterHostClasses();
// The palette shows the pages of the classes registered so far.
void RefreshPalette(TWinControl* Palette);
