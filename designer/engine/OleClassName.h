#pragma once
// The class name text a wrapper gives the ActiveX control it hosts.
#include <string>
#include <string_view>

// "T" and the middle part of the control's ProgID ("Lib.Gauge.1" gives
// "TGauge"); "TZelOleControl" when that part is empty or no identifier.
std::string OleClassNameOf(std::string_view ProgID);
