#include "product/ProductTitle.h"

#include <cmath>

std::string FormatTitleString(TDateTime ProgramDate, const TFormatSettings& Settings) {
    const TDateTime TimeOfDay = ProgramDate - std::floor(ProgramDate);
    return "Quorlen PRO v1.0a (Merivel " + FormatDateTime(Settings.LongTimeFormat, TimeOfDay, Settings) + ")";
}
