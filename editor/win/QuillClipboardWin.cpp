#include "editor/win/QuillClipboardWin.h"

#include <cstring>

#include "framework/rtl/win/WinApi.h"

namespace {
// Opens the clipboard for the length of a scope; another program may hold
// it for a moment, so a few tries are made.
class TOpenClipboard {
public:
    explicit TOpenClipboard(HWND Owner) {
        for (int i = 0; i < 5 && !Open; ++i) {
            Open = OpenClipboard(Owner) != FALSE;
            if (!Open) Sleep(10);
        }
    }
    ~TOpenClipboard() {
        if (Open) CloseClipboard();
    }
    bool Open = false;
};
}  // namespace

bool TQuillClipboardWin::HasText() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

std::string TQuillClipboardWin::GetText() {
    std::string Result;
    TOpenClipboard C(static_cast<HWND>(OwnerWindow));
    if (!C.Open) return Result;
    HANDLE H = GetClipboardData(CF_TEXT);
    if (!H) return Result;
    const char* P = static_cast<const char*>(GlobalLock(H));
    if (!P) return Result;
    // The text ends at its terminator, but never beyond the memory block.
    SIZE_T Size = GlobalSize(H);
    const void* Nul = std::memchr(P, 0, Size);
    size_t Len = Nul ? static_cast<size_t>(static_cast<const char*>(Nul) - P) : static_cast<size_t>(Size);
    Result.assign(P, Len);
    GlobalUnlock(H);
    return Result;
}

bool TQuillClipboardWin::SetText(const std::string& Text) {
    TOpenClipboard C(static_cast<HWND>(OwnerWindow));
    if (!C.Open) return false;
    HGLOBAL H = GlobalAlloc(GMEM_MOVEABLE, Text.size() + 1);
    if (!H) return false;
    char* P = static_cast<char*>(GlobalLock(H));
    if (!P) {
        GlobalFree(H);
        return false;
    }
    std::memcpy(P, Text.c_str(), Text.size() + 1);
    GlobalUnlock(H);
    EmptyClipboard();
    // The clipboard owns the block once it is accepted.
    if (SetClipboardData(CF_TEXT, H)) return true;
    GlobalFree(H);
    return false;
}
