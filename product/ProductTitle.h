#pragma once
// The version string that heads the main window and the files the IDE and
// its wizard write: "Quorlen PRO v1.0a (Merivel <time of day>)", the time
// of day of the program file's last modification.
#include <string>

#include "framework/rtl/DateUtils.h"

// Built once, while static objects are initialised.
extern std::string TitleString;

// The version string for ProgramDate, in the long time format of
// Settings. The date itself never shows.
std::string FormatTitleString(TDateTime ProgramDate, const TFormatSettings& Settings);
// The version string of the running program's file, in the user's locale.
// Safe while static objects are being initialised.
std::string ProgramTitleString();
