#include "framework/ole/OleErrors.h"

#include "framework/rtl/Format.h"

void RaiseOleSysError(HRESULT Result) {
    char Buffer[512] = {};
    const DWORD N = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                                   static_cast<DWORD>(Result), 0, Buffer, sizeof(Buffer), nullptr);
    std::string Text(Buffer, N);
    while (!Text.empty() && (Text.back() == '\n' || Text.back() == '\r' || Text.back() == ' ')) Text.pop_back();
    if (Text.empty()) Text = Format("OLE error %.8X", {static_cast<int64_t>(static_cast<uint32_t>(Result))});
    throw EOleSysError(Text, Result);
}

void OleCheck(HRESULT Result) {
    if (FAILED(Result)) RaiseOleSysError(Result);
}
