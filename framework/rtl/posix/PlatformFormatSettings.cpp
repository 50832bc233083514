#include "framework/rtl/PlatformFormatSettings.h"

TFormatSettings PlatformFormatSettings() { return TFormatSettings{}; }
