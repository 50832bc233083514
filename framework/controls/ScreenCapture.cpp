#include "framework/controls/ScreenCapture.h"

#include <vector>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/uicore/ImageEncode.h"

void CaptureWindowToFile(HWND Wnd, const std::string& FileName, bool WholeWindow) {
    RECT R{};
    if (!Wnd || !(WholeWindow ? GetWindowRect(Wnd, &R) : GetClientRect(Wnd, &R)))
        throw EInvalidOperation("Cannot capture: not a window");
    const int W = R.right - R.left, H = R.bottom - R.top;
    if (W <= 0 || H <= 0) throw EInvalidOperation("Cannot capture an empty window");
    HDC Src = WholeWindow ? GetWindowDC(Wnd) : GetDC(Wnd);
    HDC Mem = CreateCompatibleDC(Src);
    BITMAPINFO BI{};
    BI.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    BI.bmiHeader.biWidth = W;
    BI.bmiHeader.biHeight = -H;  // top-down rows
    BI.bmiHeader.biPlanes = 1;
    BI.bmiHeader.biBitCount = 32;
    BI.bmiHeader.biCompression = BI_RGB;
    void* Bits = nullptr;
    HBITMAP Dib = CreateDIBSection(Src, &BI, DIB_RGB_COLORS, &Bits, nullptr, 0);
    HGDIOBJ Old = SelectObject(Mem, Dib);
    BitBlt(Mem, 0, 0, W, H, Src, 0, 0, SRCCOPY);
    GdiFlush();
    std::vector<uint32_t> Pixels(static_cast<const uint32_t*>(Bits), static_cast<const uint32_t*>(Bits) + static_cast<size_t>(W) * H);
    for (uint32_t& P : Pixels) P &= 0xFFFFFF;
    SelectObject(Mem, Old);
    DeleteObject(Dib);
    DeleteDC(Mem);
    ReleaseDC(Wnd, Src);
    const std::string Ext = LowerCase(ExtractFileExt(FileName));
    WriteFileAtomic(FileName, Ext == ".bmp" ? EncodeBmp(W, H, Pixels) : EncodePng(W, H, Pixels));
}
