#include "docking/win/ScreenAreas.h"

#include "framework/graphics/Graphics.h"
#include "framework/rtl/win/WinApi.h"

namespace {

using TMonitorFromRect = HMONITOR(WINAPI*)(LPCRECT, DWORD);
using TMonitorFromPoint = HMONITOR(WINAPI*)(POINT, DWORD);
using TGetMonitorInfo = BOOL(WINAPI*)(HMONITOR, LPMONITORINFO);

FARPROC User32Proc(const char* Name) { return GetProcAddress(GetModuleHandleA("user32.dll"), Name); }

template <class T>
T ProcAs(const char* Name) {
    return reinterpret_cast<T>(reinterpret_cast<void*>(User32Proc(Name)));
}

TRect DesktopWorkArea() {
    RECT R{};
    if (SystemParametersInfoA(SPI_GETWORKAREA, 0, &R, 0)) return FromRECT(R);
    return {0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

bool MonitorWorkArea(HMONITOR Monitor, TRect& Area) {
    static const auto GetInfo = ProcAs<TGetMonitorInfo>("GetMonitorInfoA");
    if (!Monitor || !GetInfo) return false;
    MONITORINFO Info{};
    Info.cbSize = sizeof(Info);
    if (!GetInfo(Monitor, &Info)) return false;
    Area = FromRECT(Info.rcWork);
    return true;
}

}  // namespace

bool HasSeveralMonitors() { return GetSystemMetrics(SM_CMONITORS) > 1; }

TRect WorkAreaOfRect(const TRect& R) {
    if (HasSeveralMonitors()) {
        static const auto FromRect = ProcAs<TMonitorFromRect>("MonitorFromRect");
        const RECT W = ToRECT(R);
        TRect Area;
        if (FromRect && MonitorWorkArea(FromRect(&W, MONITOR_DEFAULTTONEAREST), Area)) return Area;
    }
    return DesktopWorkArea();
}

TRect WorkAreaOfPoint(TPoint P) {
    if (HasSeveralMonitors()) {
        static const auto FromPoint = ProcAs<TMonitorFromPoint>("MonitorFromPoint");
        TRect Area;
        if (FromPoint && MonitorWorkArea(FromPoint(POINT{P.X, P.Y}, MONITOR_DEFAULTTONEAREST), Area)) return Area;
    }
    return DesktopWorkArea();
}
