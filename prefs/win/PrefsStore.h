#pragma once
// What the options dialog edits: the IDE's tool settings in the registry
// and the two data files beside the program that the IDE reloads after the
// dialog (tools.dat and templates.dat).
#include <string>

#include "product/Settings.h"

struct TPrefsValues {
    // The tool paths, folders and switches, as the build reads them.
    TToolSettings Settings;
    bool CleanFiles = false;
    // tools.dat as "program|parameters" lines, CR LF each.
    std::string ToolsList;
    // templates.dat, the whole text.
    std::string Templates;
};

// Reads the settings through the IDE's own accessors (the key they use)
// and the data files of DataDir (ending in a backslash); a missing file
// reads as empty text.
TPrefsValues LoadPrefs(const std::string& DataDir);

// Writes every setting as a string value. A data file is rewritten, whole,
// only when its text differs from Loaded's, so that confirming the dialog
// does not create files the user never filled in.
void SavePrefs(const TPrefsValues& Values, const TPrefsValues& Loaded, const std::string& DataDir);
