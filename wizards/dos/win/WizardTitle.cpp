#include "wizards/dos/win/WizardTitle.h"

#include <cmath>

#include "controls/UtilProcs.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/win/LocaleFormat.h"
#include "framework/rtl/win/WinApi.h"

namespace {

std::string HostExecutable() {
    char Buf[MAX_PATH * 4];
    const DWORD Len = GetModuleFileNameA(nullptr, Buf, sizeof(Buf));
    return Len == 0 || Len >= sizeof(Buf) ? std::string() : std::string(Buf, Len);
}

std::string BuildWizardTitle() {
    TFormatSettings Settings;
    GetLocaleFormatSettings(Settings);
    const TDateTime Modified = GetFileDate(HostExecutable());
    return "Quorlen PRO v1.0a (Merivel " +
           FormatDateTime(Settings.LongTimeFormat, Modified - std::floor(Modified), Settings) + ")";
}

// Made when the library is loaded, as the IDE makes its own at start-up.
const std::string Title = BuildWizardTitle();

}  // namespace

const std::string& WizardTitleString() { return Title; }
