#include "framework/controls/Clipboard.h"

#include <cstring>
#include <memory>

#include "framework/controls/Controls.h"
#include "framework/graphics/Bitmap.h"
#include "framework/rtl/Exceptions.h"

TClipboard::~TClipboard() {
    if (FWindow) DeallocateHWnd(FWindow);
}

void TClipboard::Open() {
    if (FOpenRefCount == 0) {
        if (!FWindow) FWindow = AllocateHWnd([](TMessage&) {});
        // Another program may hold the clipboard for a moment.
        bool Opened = false;
        for (int Try = 0; Try < 10 && !(Opened = OpenClipboard(FWindow)); ++Try) Sleep(10);
        if (!Opened) throw Exception("Cannot open clipboard");
        FEmptied = false;
    }
    ++FOpenRefCount;
}

void TClipboard::Close() {
    if (FOpenRefCount == 0) return;
    if (--FOpenRefCount == 0) CloseClipboard();
}

namespace {
struct TOpened {
    TClipboard* C;
    explicit TOpened(TClipboard* AC) : C(AC) { C->Open(); }
    ~TOpened() { C->Close(); }
};
}  // namespace

void TClipboard::Clear() {
    TOpened O(this);
    EmptyClipboard();
    FEmptied = true;
}

bool TClipboard::HasFormat(unsigned Format) { return IsClipboardFormatAvailable(Format) != 0; }

void TClipboard::SetAsHandle(unsigned Format, HANDLE Value) {
    TOpened O(this);
    if (!FEmptied) {
        EmptyClipboard();
        FEmptied = true;
    }
    if (!SetClipboardData(Format, Value)) throw Exception("Cannot set clipboard data");
}

HANDLE TClipboard::GetAsHandle(unsigned Format) {
    TOpened O(this);
    return GetClipboardData(Format);
}

void TClipboard::SetBuffer(unsigned Format, const void* Data, size_t Size) {
    HGLOBAL Mem = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, Size ? Size : 1);
    if (!Mem) throw EOutOfMemory("Out of memory");
    if (Size) {
        std::memcpy(GlobalLock(Mem), Data, Size);
        GlobalUnlock(Mem);
    }
    try {
        SetAsHandle(Format, Mem);
    } catch (...) {
        GlobalFree(Mem);
        throw;
    }
}

std::string TClipboard::GetBuffer(unsigned Format) {
    TOpened O(this);
    HANDLE H = GetClipboardData(Format);
    if (!H) return {};
    const char* P = static_cast<const char*>(GlobalLock(H));
    std::string Result(P ? P : "", P ? GlobalSize(H) : 0);
    GlobalUnlock(H);
    return Result;
}

std::string TClipboard::AsText() {
    std::string S = GetBuffer(CF_TEXT);
    if (auto Nul = S.find('\0'); Nul != std::string::npos) S.resize(Nul);
    return S;
}

void TClipboard::SetAsText(const std::string& Value) { SetBuffer(CF_TEXT, Value.c_str(), Value.size() + 1); }

void TClipboard::SetBitmap(TBitmap* Bitmap) {
    // The clipboard takes a copy: the bitmap keeps its own.
    TBitmap Copy;
    Copy.Assign(Bitmap);
    Copy.SetHandleType(bmDDB);
    HBITMAP H = Copy.ReleaseHandle();
    try {
        TOpened O(this);
        SetAsHandle(CF_BITMAP, H);
    } catch (...) {
        DeleteObject(H);
        throw;
    }
}

bool TClipboard::GetBitmap(TBitmap* Bitmap) {
    TOpened O(this);
    HBITMAP H = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    if (!H) return false;
    HBITMAP Copy = static_cast<HBITMAP>(CopyImage(H, IMAGE_BITMAP, 0, 0, 0));
    if (!Copy) return false;
    Bitmap->SetHandle(Copy);
    return true;
}

unsigned TClipboard::RegisterFormat(const std::string& Name) { return RegisterClipboardFormatA(Name.c_str()); }

TClipboard* Clipboard() {
    static TClipboard Instance;
    return &Instance;
}
