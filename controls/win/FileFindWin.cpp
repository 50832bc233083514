// Windows side of the file searcher: thread priorities and folder checks.
#include <string>

#include "controls/FileFindPlatform.h"
#include "controls/win/SystemErrorText.h"
#include "framework/rtl/win/WinApi.h"

void ApplyCurrentThreadPriority(TThreadPriority Priority) {
    static const int Values[] = {THREAD_PRIORITY_IDLE,   THREAD_PRIORITY_LOWEST,  THREAD_PRIORITY_BELOW_NORMAL,
                                 THREAD_PRIORITY_NORMAL, THREAD_PRIORITY_ABOVE_NORMAL, THREAD_PRIORITY_HIGHEST,
                                 THREAD_PRIORITY_TIME_CRITICAL};
    const int Index = static_cast<int>(Priority);
    if (Index < 0 || Index >= static_cast<int>(sizeof(Values) / sizeof(Values[0]))) return;
    SetThreadPriority(GetCurrentThread(), Values[Index]);
}

bool CanEnterFolder(const std::string& Dir, std::string& ErrorText) {
    const DWORD Attr = GetFileAttributesA(Dir.c_str());
    if (Attr == INVALID_FILE_ATTRIBUTES) {
        ErrorText = SystemErrorText(GetLastError());
        return false;
    }
    if ((Attr & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        ErrorText = SystemErrorText(ERROR_DIRECTORY);
        return false;
    }
    return true;
}
