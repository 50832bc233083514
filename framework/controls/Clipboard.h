#pragma once
// The system clipboard: text, bitmaps and formats the program registers.
// Reads and writes open the clipboard for the call; Open/Close around
// several calls put them into one clipboard change.
#include <string>

#include "framework/rtl/Object.h"
#include "framework/rtl/win/WinApi.h"

class TBitmap;

class TClipboard : public TPersistent {
public:
    TClipboard() = default;
    ~TClipboard() override;

    void Open();
    void Close();
    void Clear();
    bool HasFormat(unsigned Format);
    std::string AsText();
    void SetAsText(const std::string& Value);
    // Copies the bitmap to the clipboard / the clipboard's bitmap into Bitmap.
    void SetBitmap(TBitmap* Bitmap);
    bool GetBitmap(TBitmap* Bitmap);
    // Raw data of any format (e.g. one from RegisterFormat).
    void SetBuffer(unsigned Format, const void* Data, size_t Size);
    std::string GetBuffer(unsigned Format);
    HANDLE GetAsHandle(unsigned Format);
    void SetAsHandle(unsigned Format, HANDLE Value);  // the clipboard takes ownership
    static unsigned RegisterFormat(const std::string& Name);

private:
    int FOpenRefCount = 0;
    bool FEmptied = false;
    HWND FWindow = nullptr;
};

// The module's clipboard object.
TClipboard* Clipboard();
