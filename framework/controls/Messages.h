#pragma once
// The message record every window procedure of the framework passes on,
// and the framework's own notification numbers: CM_ messages between
// controls, CN_ messages (a WM_ number plus CN_BASE) reflected from a
// parent window to the child control they concern.
#include <cstdint>

#include "framework/rtl/win/WinApi.h"

// Starts with the 32-bit message number, as TObject::Dispatch expects.
struct TMessage {
    uint32_t Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

constexpr uint32_t CM_BASE = 0xB000;
constexpr uint32_t CM_ACTIVATE = CM_BASE + 0;
constexpr uint32_t CM_DEACTIVATE = CM_BASE + 1;
constexpr uint32_t CM_GOTFOCUS = CM_BASE + 2;
constexpr uint32_t CM_LOSTFOCUS = CM_BASE + 3;
constexpr uint32_t CM_CANCELMODE = CM_BASE + 4;
constexpr uint32_t CM_DIALOGKEY = CM_BASE + 5;
constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 6;
constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 7;
constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 8;
constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 9;
constexpr uint32_t CM_HITTEST = CM_BASE + 10;
constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 11;
constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 12;
constexpr uint32_t CM_COLORCHANGED = CM_BASE + 13;
constexpr uint32_t CM_FONTCHANGED = CM_BASE + 14;
constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 15;
constexpr uint32_t CM_CTL3DCHANGED = CM_BASE + 16;
constexpr uint32_t CM_PARENTCTL3DCHANGED = CM_BASE + 17;
constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 18;
constexpr uint32_t CM_MOUSEENTER = CM_BASE + 19;
constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 20;
constexpr uint32_t CM_MENUCHANGED = CM_BASE + 21;
constexpr uint32_t CM_APPKEYDOWN = CM_BASE + 22;
constexpr uint32_t CM_APPSYSCOMMAND = CM_BASE + 23;
constexpr uint32_t CM_BUTTONPRESSED = CM_BASE + 24;
constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 25;
constexpr uint32_t CM_ENTER = CM_BASE + 26;
constexpr uint32_t CM_EXIT = CM_BASE + 27;
constexpr uint32_t CM_DESIGNHITTEST = CM_BASE + 28;
constexpr uint32_t CM_ICONCHANGED = CM_BASE + 29;
constexpr uint32_t CM_WANTSPECIALKEY = CM_BASE + 30;
constexpr uint32_t CM_INVOKEHELP = CM_BASE + 31;
constexpr uint32_t CM_WINDOWHOOK = CM_BASE + 32;
constexpr uint32_t CM_RELEASE = CM_BASE + 33;
constexpr uint32_t CM_SHOWHINTCHANGED = CM_BASE + 34;
constexpr uint32_t CM_PARENTSHOWHINTCHANGED = CM_BASE + 35;
constexpr uint32_t CM_SYSCOLORCHANGE = CM_BASE + 36;
constexpr uint32_t CM_WININICHANGE = CM_BASE + 37;
constexpr uint32_t CM_FONTCHANGE = CM_BASE + 38;
constexpr uint32_t CM_TIMECHANGE = CM_BASE + 39;
constexpr uint32_t CM_TABSTOPCHANGED = CM_BASE + 40;
constexpr uint32_t CM_UIACTIVATE = CM_BASE + 41;
constexpr uint32_t CM_UIDEACTIVATE = CM_BASE + 42;
constexpr uint32_t CM_DOCWINDOWACTIVATE = CM_BASE + 43;
constexpr uint32_t CM_CONTROLLISTCHANGE = CM_BASE + 44;
constexpr uint32_t CM_GETDATALINK = CM_BASE + 45;
constexpr uint32_t CM_CHILDKEY = CM_BASE + 46;
constexpr uint32_t CM_DRAG = CM_BASE + 47;
constexpr uint32_t CM_HINTSHOW = CM_BASE + 48;
constexpr uint32_t CM_DIALOGHANDLE = CM_BASE + 49;
constexpr uint32_t CM_ISTOOLCONTROL = CM_BASE + 50;
constexpr uint32_t CM_RECREATEWND = CM_BASE + 51;
constexpr uint32_t CM_INVALIDATE = CM_BASE + 52;
constexpr uint32_t CM_SYSFONTCHANGED = CM_BASE + 53;
constexpr uint32_t CM_CONTROLCHANGE = CM_BASE + 54;
constexpr uint32_t CM_CHANGED = CM_BASE + 55;
// Posted by a form on activation: the stay-on-top windows are put back on top.
constexpr uint32_t CM_RESTACKTOPMOST = CM_BASE + 56;

constexpr uint32_t CN_BASE = 0xBC00;
constexpr uint32_t CN_CHARTOITEM = CN_BASE + WM_CHARTOITEM;
constexpr uint32_t CN_COMMAND = CN_BASE + WM_COMMAND;
constexpr uint32_t CN_COMPAREITEM = CN_BASE + WM_COMPAREITEM;
constexpr uint32_t CN_CTLCOLORBTN = CN_BASE + WM_CTLCOLORBTN;
constexpr uint32_t CN_CTLCOLORDLG = CN_BASE + WM_CTLCOLORDLG;
constexpr uint32_t CN_CTLCOLOREDIT = CN_BASE + WM_CTLCOLOREDIT;
constexpr uint32_t CN_CTLCOLORLISTBOX = CN_BASE + WM_CTLCOLORLISTBOX;
constexpr uint32_t CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
constexpr uint32_t CN_CTLCOLORSCROLLBAR = CN_BASE + WM_CTLCOLORSCROLLBAR;
constexpr uint32_t CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;
constexpr uint32_t CN_DELETEITEM = CN_BASE + WM_DELETEITEM;
constexpr uint32_t CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
constexpr uint32_t CN_HSCROLL = CN_BASE + WM_HSCROLL;
constexpr uint32_t CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
constexpr uint32_t CN_PARENTNOTIFY = CN_BASE + WM_PARENTNOTIFY;
constexpr uint32_t CN_VKEYTOITEM = CN_BASE + WM_VKEYTOITEM;
constexpr uint32_t CN_VSCROLL = CN_BASE + WM_VSCROLL;
constexpr uint32_t CN_KEYDOWN = CN_BASE + WM_KEYDOWN;
constexpr uint32_t CN_KEYUP = CN_BASE + WM_KEYUP;
constexpr uint32_t CN_CHAR = CN_BASE + WM_CHAR;
constexpr uint32_t CN_SYSKEYDOWN = CN_BASE + WM_SYSKEYDOWN;
constexpr uint32_t CN_SYSCHAR = CN_BASE + WM_SYSCHAR;
constexpr uint32_t CN_NOTIFY = CN_BASE + WM_NOTIFY;

// The shift state of a key message's key data and the keyboard now.
inline bool KeyDataToAlt(LPARAM KeyData) { return (KeyData & 0x20000000) != 0; }
