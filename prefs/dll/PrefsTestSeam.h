#pragma once
// The options library's test seam: a test that loads prefs.dll by path
// cannot reach the library's own copy of the framework, so the library
// takes the settings key, the data folder and the answers to its dialogs
// from this record (export "SetPrefsTestSeam", in test builds only; null
// restores the defaults).
#include "framework/rtl/CallConv.h"

struct TPrefsTestSeam {
    const char* SettingsKeyPath;  // below HKEY_CURRENT_USER, ending in a backslash
    const char* DataDir;          // folder of tools.dat and templates.dat, ending in a backslash
    const char* Edits;            // "Component=Text" lines put into the dialog ("\n" in a memo's text)
    int Answer;                   // the dialog's modal result
    int* Shown;                   // counts the dialogs answered (may be null)
    const char* BrowsedFolder;    // what the folder browser returns
};

using TSetPrefsTestSeam = void(QRN_CALL*)(const TPrefsTestSeam* Seam);
