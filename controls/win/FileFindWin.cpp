// Windows side of the file searcher: thread priorities and folder checks.
#include <string>

#include "controls/FileFindPlatform.h"
#include "framework/rtl/win/WinApi.h"

namespace {

std::string SystemMessage(DWORD Code) {
    char* Buffer = nullptr;
    const DWORD Length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, Code, 0, reinterpret_cast<LPSTR>(&Buffer), 0, nullptr);
    std::string Text = Length && Buffer ? std::string(Buffer, Length) : "System error " + std::to_string(Code);
    if (Buffer) LocalFree(Buffer);
    while (!Text.empty() && (Text.back() == '\r' || Text.back() == '\n' || Text.back() == ' ')) Text.pop_back();
    return Text;
}

}  // namespace

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
        ErrorText = SystemMessage(GetLastError());
        return false;
    }
    if ((Attr & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        ErrorText = SystemMessage(ERROR_DIRECTORY);
        return false;
    }
    return true;
}
