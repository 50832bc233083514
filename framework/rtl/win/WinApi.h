#pragma once
// The one way into the Windows headers. The framework calls the explicit
// ANSI functions (...A) everywhere, so the generic macros are removed: they
// would otherwise rename framework members such as TCanvas::TextOut.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef STRICT
#define STRICT
#endif
#include <windows.h>
#include <commctrl.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>
#include <mmsystem.h>

#undef CopyFile
#undef CreateDirectory
#undef CreateFont
#undef CreateWindow
#undef DeleteFile
#undef DrawText
#undef FindResource
#undef FindText
#undef FindWindow
#undef GetClassInfo
#undef GetClassName
#undef GetCommandLine
#undef GetCurrentDirectory
#undef GetMessage
#undef GetObject
#undef GetUserName
#undef LoadBitmap
#undef LoadCursor
#undef LoadIcon
#undef LoadImage
#undef LoadLibrary
#undef LoadMenu
#undef LoadString
#undef MessageBox
#undef MoveFile
#undef PostMessage
#undef RegisterClass
#undef RemoveDirectory
#undef ReplaceText
#undef SendMessage
#undef SetCurrentDirectory
#undef TextOut
#undef UnregisterClass
#undef Yield
#undef FormatMessage
#undef CreateEvent
#undef GetTempFileName
#undef GetTempPath
#undef GetShortPathName
#undef GetModuleFileName
#undef ShellExecute
#undef SetWindowText
#undef GetWindowText
#undef DispatchMessage
#undef PeekMessage
#undef DefWindowProc
#undef CallWindowProc
#undef CreateProcess
#undef SetForm
