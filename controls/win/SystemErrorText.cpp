#include "controls/win/SystemErrorText.h"

#include "framework/rtl/win/WinApi.h"

std::string SystemErrorText(unsigned long Code) {
    char* Buffer = nullptr;
    const DWORD Length = FormatMessageA(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                            FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, Code, 0, reinterpret_cast<LPSTR>(&Buffer), 0, nullptr);
    std::string Text = Length && Buffer ? std::string(Buffer, Length) : "System error " + std::to_string(Code);
    if (Buffer) LocalFree(Buffer);
    while (!Text.empty() && (Text.back() == '\r' || Text.back() == '\n' || Text.back() == ' ')) Text.pop_back();
    return Text;
}
