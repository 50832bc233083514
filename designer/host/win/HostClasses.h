#pragma once
// The classes of the host's own window and the palette's pages.
class TWinControl;

// Makes the classes of the host's form file known to the form reader.
void RegisterHostClasses();
// The palette shows the pages of the classes registered so far.
void RefreshPalette(TWinControl* Palette);
