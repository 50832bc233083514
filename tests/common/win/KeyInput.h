#pragma once
// Keys as the keyboard gives them: the modifier keys' state set for the
// thread, key down and key up posted to a window and handled through the
// application's message loop (short-cuts, dialog keys and translation
// included).
#include "framework/rtl/win/WinApi.h"
#include "tests/common/win/Pump.h"

// Modifier keys for the keyboard state while a key is handled.
enum TKeyMods { kmNone = 0, kmShift = 1, kmCtrl = 2, kmAlt = 4 };

inline void SetKeyMods(int Mods) {
    BYTE State[256] = {};
    GetKeyboardState(State);
    auto Set = [&](int Vk, bool Down) { State[Vk] = Down ? 0x80 : 0; };
    Set(VK_SHIFT, Mods & kmShift);
    Set(VK_LSHIFT, Mods & kmShift);
    Set(VK_CONTROL, Mods & kmCtrl);
    Set(VK_LCONTROL, Mods & kmCtrl);
    Set(VK_MENU, Mods & kmAlt);
    SetKeyboardState(State);
}

inline void PressKey(HWND Target, WORD Vk, int Mods = kmNone) {
    SetKeyMods(Mods);
    LPARAM Data = 1 | (static_cast<LPARAM>(MapVirtualKeyA(Vk, 0)) << 16);
    if (Mods & kmAlt) Data |= 1 << 29;
    PostMessageA(Target, (Mods & kmAlt) ? WM_SYSKEYDOWN : WM_KEYDOWN, Vk, Data);
    Pump();
    PostMessageA(Target, (Mods & kmAlt) ? WM_SYSKEYUP : WM_KEYUP, Vk, Data | (1u << 30) | (1u << 31));
    Pump();
    SetKeyMods(kmNone);
}
