#pragma once
// The format settings the program starts with: the user's locale on
// Windows, the built-in defaults elsewhere. Meant as the initialiser of the
// global FormatSettings (in the same file, so that the order of static
// initialisation cannot bite).
#include "framework/rtl/DateUtils.h"

TFormatSettings PlatformFormatSettings();
