#pragma once
// A small ActiveX control of our own for the OLE tests: class, type
// library built at run time, members and the helpers that register it for
// the current user and read its diagnostics.
#include <string>

#include "framework/rtl/win/WinApi.h"

// {6A1D2B30-5C4E-4F7A-9B21-3C5D7E9F0A11}
inline constexpr GUID CLSID_FakeGauge = {0x6a1d2b30, 0x5c4e, 0x4f7a, {0x9b, 0x21, 0x3c, 0x5d, 0x7e, 0x9f, 0x0a, 0x11}};
inline constexpr GUID LIBID_FakeGauge = {0x6a1d2b30, 0x5c4e, 0x4f7a, {0x9b, 0x21, 0x3c, 0x5d, 0x7e, 0x9f, 0x0a, 0x12}};
inline constexpr GUID DIID_IFakeGauge = {0x6a1d2b30, 0x5c4e, 0x4f7a, {0x9b, 0x21, 0x3c, 0x5d, 0x7e, 0x9f, 0x0a, 0x13}};
inline constexpr GUID DIID_IFakeGaugeEvents = {0x6a1d2b30, 0x5c4e, 0x4f7a,
                                               {0x9b, 0x21, 0x3c, 0x5d, 0x7e, 0x9f, 0x0a, 0x14}};
inline constexpr const char* FakeGaugeProgID = "QrnFake.Gauge.1";
inline constexpr const char* FakeGaugeDll = "fake_ax_control.dll";

// Members of IFakeGauge.
enum : long {
    FakeDispValue = 1,    // long; setting it fires Changed(NewValue)
    FakeDispCaption = 2,  // string
    FakeDispStyle = 3,    // long with predefined values "Flat" (10) and "Raised" (20)
    FakeDispCount = 4,    // long, read-only
    FakeDispSecret = 5,   // "_Secret": never listed
    FakeDispHidden = 6,   // flagged hidden
    FakeDispShape = 7,    // enumeration GaugeShape: gsRound (0), gsSquare (1)
    FakeDispLines = 8,    // a string list (IStrings); kept with Value and Style
    FakeDispBackColor = -501,
    FakeEventChanged = 1  // of IFakeGaugeEvents
};
// The smallest width the control accepts, in HIMETRIC.
inline constexpr long FakeGaugeMinWidth = 2000;

// Registers the control below HKCU\Software\Classes, the server being the
// DLL beside the running test program, in the category of ActiveX
// controls (without a type library key); returns false when that fails.
bool RegisterFakeAxControl();

// The DLL's diagnostics (the DLL must be loaded).
struct TFakeAxStats {
    int LiveObjects = -1;  // controls alive
    int Sinks = -1;        // event sinks advised now
    long LastSinkRefs = -1;  // what the last unadvised sink's Release returned
    int LastUserMode = -1;   // the ambient user mode read at activation
};
TFakeAxStats FakeAxStats();
