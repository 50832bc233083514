#pragma once
// Fills the property editors' hooks with the system's colour and font
// dialogs and the screen's font list (Windows only; the designer library
// calls it at start-up).
void InstallDesignDialogs();
