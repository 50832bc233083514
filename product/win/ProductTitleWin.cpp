#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/win/LocaleFormat.h"
#include "product/ProductTitle.h"

std::string ProgramTitleString() {
    // From the locale directly: the global settings may not be set up yet
    // while static objects are being initialised.
    TFormatSettings Settings;
    GetLocaleFormatSettings(Settings);
    return FormatTitleString(GetFileDate(GetExePath()), Settings);
}
