#pragma once
// The application-wide message hooks of the docking classes: callbacks
// registered here hear of the application being activated or left, any
// window of the thread moving, a window being activated and the mouse
// moving anywhere in the thread. At most one thread hook of each kind is
// installed, while some callback needs it.
#include "docking/HookRegistry.h"
#include "framework/rtl/win/WinApi.h"

// Kinds: hkActivateApp and hkWindowPosChanged (the sent messages, seen by
// the framework's message watcher in place of a WH_CALLWNDPROC hook),
// hkActivate (WH_CBT, HCBT_ACTIVATE), hkMouseMove (WH_GETMESSAGE).
// Components pass NoInstall while they are being designed.
void RegisterHookCallback(THookProc Proc, THookKinds Kinds, bool NoInstall);
void UnregisterHookCallback(THookProc Proc);
void AcquireThreadHooks(TThreadHooks Hooks);
void ReleaseThreadHooks(TThreadHooks Hooks, bool Force);

// True when the thread has an active window.
bool ThreadHasActiveWindow();

// The registry behind the routines above (for tests).
THookRegistry& DockingHooks();
