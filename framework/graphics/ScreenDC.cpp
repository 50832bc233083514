#include "framework/graphics/ScreenDC.h"

namespace {

struct TScreenContext {
    HDC DC = GetDC(nullptr);
    int PixelsPerInch = DC ? GetDeviceCaps(DC, LOGPIXELSY) : 96;
    ~TScreenContext() {
        if (DC) ReleaseDC(nullptr, DC);
    }
};

TScreenContext& Context() {
    static TScreenContext C;
    return C;
}

}  // namespace

HDC ScreenDC() { return Context().DC; }

int ScreenPixelsPerInch() { return Context().PixelsPerInch; }
