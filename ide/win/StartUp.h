#pragma once
// The IDE's start-up between building the version string and running the
// message loop: the splash shows while the main window is created, and a
// missing keyword file is reported once the main window exists.
#include <functional>
#include <string>

class TCustomForm;

// The two lines of the message shown when keys.dat is missing.
inline constexpr const char* MissingKeywordDataText =
    "The keyword data was not found ! You will not be able to use syntax highlighting.\r"
    "It is likely you have erased keys.dat or the file is corrupted !";

// Shows the splash (no owner, painted at once), initialises and titles the
// application, creates the main form through CreateMainForm, frees the
// splash and checks ProgramFolder's keys.dat. Returns the main form.
TCustomForm* StartUp(const std::string& ProgramFolder, const std::function<TCustomForm*()>& CreateMainForm);

// Tells the user when ProgramFolder holds no keys.dat; start-up goes on
// either way. True when the file is there.
bool CheckKeywordData(const std::string& ProgramFolder);
