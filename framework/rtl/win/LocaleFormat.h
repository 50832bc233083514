#pragma once
// Date and time format settings from the user's Windows locale.
#include <string>

#include "framework/rtl/DateUtils.h"

// Fills LongTimeFormat, TimeSeparator, TimeAMString, TimePMString,
// ShortDateFormat and DateSeparator from the user default locale; the other
// fields are left as they are.
void GetLocaleFormatSettings(TFormatSettings& Settings);

// Locale pictures ("hh:mm:ss tt", "dd.MM.yyyy") rewritten in FormatDateTime's
// tokens: minutes become "nn", the AM/PM marker "AMPM", years "yy"/"yyyy",
// quoted text a double-quoted literal. DateSeparator in a date picture
// becomes "/" so that it follows the settings.
std::string TranslateLocaleTimeFormat(const std::string& Picture);
std::string TranslateLocaleDateFormat(const std::string& Picture, char DateSeparator);
