#include "designer/engine/win/ComponentIcons.h"

#include "designer/engine/win/DataModuleWrapper.h"
#include "framework/graphics/Bitmap.h"

namespace {

constexpr char IconClassName[] = "ComponentContainer";
constexpr int MarkSize = 4;

HWND CreateIconWindow(WNDPROC Proc, void* Owner) {
    WNDCLASSA Existing{};
    if (!GetClassInfoA(FrameworkInstance(), IconClassName, &Existing)) {
        WNDCLASSA C{};
        C.lpfnWndProc = Proc;
        C.hInstance = FrameworkInstance();
        C.lpszClassName = IconClassName;
        C.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        RegisterClassA(&C);
    }
    HWND W = CreateWindowExA(WS_EX_TOPMOST, IconClassName, "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                             FrameworkInstance(), nullptr);
    SetWindowLongPtrA(W, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(Owner));
    SetWindowLongPtrA(W, GWL_STYLE, WS_CHILD);
    return W;
}

}  // namespace

TComponentContainer::TComponentContainer(TComponent* Component, TWinControl* Form, bool ShowCaption, TFilter Filter)
    : FComponent(Component), FForm(Form), FFilter(std::move(Filter)), FShowCaption(ShowCaption),
      FCaptionColor(GetSysColor(COLOR_BTNFACE)), FGlyph(new TBitmap) {
    FWindow = CreateIconWindow(&TComponentContainer::WindowProcedure, this);
    FCaption = CreateIconWindow(&TComponentContainer::WindowProcedure, this);
    SetParent(FWindow, FForm->Handle());
    SetParent(FCaption, FForm->Handle());
    Place();
}

TComponentContainer::~TComponentContainer() {
    for (HWND W : {FWindow, FCaption}) {
        SetWindowLongPtrA(W, GWLP_USERDATA, 0);
        DestroyWindow(W);
    }
}

void TComponentContainer::MoveTo(TPoint Pos) {
    FComponent->SetDesignInfo(DesignInfoFromIconPos(Pos));
    Place();
    // A data module's form scrolls as far as its farthest icon.
    if (auto* Wrapper = dynamic_cast<TDataModuleWrapper*>(FForm)) Wrapper->UpdateScrollRange();
}

TPoint TComponentContainer::CaptionSize() const {
    HDC DC = GetDC(FCaption);
    HGDIOBJ Old = SelectObject(DC, GetStockObject(ANSI_VAR_FONT));
    SIZE S{};
    const std::string& Name = FComponent->Name();
    GetTextExtentPoint32A(DC, Name.c_str(), static_cast<int>(Name.size()), &S);
    SelectObject(DC, Old);
    ReleaseDC(FCaption, DC);
    return {S.cx, S.cy};
}

void TComponentContainer::Place() {
    const TPoint P = Position();
    SetWindowPos(FWindow, HWND_TOP, P.X, P.Y, IconSize, IconSize, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    if (FShowCaption) {
        const TPoint S = CaptionSize();
        // A caption wider than the icon is centred under it.
        SetWindowPos(FCaption, HWND_TOP, P.X - (S.X - IconSize) / 2, P.Y + IconSize + 2, S.X, S.Y + 4,
                     SWP_SHOWWINDOW | SWP_NOACTIVATE);
        InvalidateRect(FCaption, nullptr, TRUE);
    } else {
        ShowWindow(FCaption, SW_HIDE);
    }
}

void TComponentContainer::SetSelected(bool Value) {
    FSelected = Value;
    InvalidateRect(FWindow, nullptr, TRUE);
}

void TComponentContainer::SetMarksShown(bool Value) {
    FMarksShown = Value;
    InvalidateRect(FWindow, nullptr, TRUE);
}

void TComponentContainer::SetCaptionColor(COLORREF Color) {
    FCaptionColor = Color;
    InvalidateRect(FCaption, nullptr, TRUE);
}

void TComponentContainer::UpdateCaption() { Place(); }

LRESULT CALLBACK TComponentContainer::WindowProcedure(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* Self = reinterpret_cast<TComponentContainer*>(GetWindowLongPtrA(Wnd, GWLP_USERDATA));
    if (!Self) return DefWindowProcA(Wnd, Msg, WParam, LParam);
    try {
        return Wnd == Self->FWindow ? Self->HandleIcon(Msg, WParam, LParam) : Self->HandleCaption(Msg, WParam, LParam);
    } catch (...) {
        HandleCallbackException(nullptr);
        return 0;
    }
}

LRESULT TComponentContainer::HandleIcon(UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (FFilter && Msg != WM_PAINT && Msg != WM_ERASEBKGND && Msg != WM_MOVE) {
        TMessage M{Msg, WParam, LParam, 0};
        if (FFilter(FComponent, M)) return M.Result;
    }
    switch (Msg) {
        case WM_ERASEBKGND: return 0;
        case WM_PAINT: PaintIcon(); return 0;
        case WM_MOVE:
            FComponent->SetDesignInfo(
                DesignInfoFromIconPos({static_cast<int16_t>(LOWORD(LParam)), static_cast<int16_t>(HIWORD(LParam))}));
            return 0;
        default: return DefWindowProcA(FWindow, Msg, WParam, LParam);
    }
}

LRESULT TComponentContainer::HandleCaption(UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_ERASEBKGND) return 1;
    if (Msg == WM_PAINT) {
        PaintCaption();
        return 0;
    }
    return DefWindowProcA(FCaption, Msg, WParam, LParam);
}

void TComponentContainer::PaintIcon() {
    PAINTSTRUCT PS;
    HDC DC = BeginPaint(FWindow, &PS);
    const RECT R{0, 0, IconSize, IconSize};
    if (!FGlyph->Empty()) {
        HDC Mem = CreateCompatibleDC(DC);
        HGDIOBJ Old = SelectObject(Mem, FGlyph->Handle());
        FillRect(DC, &R, GetSysColorBrush(COLOR_BTNFACE));
        DrawEdge(DC, const_cast<RECT*>(&R), EDGE_RAISED, BF_RECT);
        BitBlt(DC, (IconSize - FGlyph->Width()) / 2, (IconSize - FGlyph->Height()) / 2, FGlyph->Width(),
               FGlyph->Height(), Mem, 0, 0, SRCCOPY);
        SelectObject(Mem, Old);
        DeleteDC(Mem);
    } else {
        FillRect(DC, &R, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    }
    if (FSelected || FMarksShown) {
        // Corner marks of a selected icon; a multiple selection adds the
        // edge midpoints.
        HBRUSH Brush = static_cast<HBRUSH>(GetStockObject(FMarksShown ? GRAY_BRUSH : BLACK_BRUSH));
        for (int X : {0, 12, 24})
            for (int Y : {0, 12, 24}) {
                const bool Corner = X != 12 && Y != 12;
                if ((X == 12 && Y == 12) || (!Corner && !FMarksShown)) continue;
                const RECT M{X, Y, X + MarkSize, Y + MarkSize};
                FillRect(DC, &M, Brush);
            }
    }
    EndPaint(FWindow, &PS);
}

void TComponentContainer::PaintCaption() {
    PAINTSTRUCT PS;
    HDC DC = BeginPaint(FCaption, &PS);
    RECT R;
    GetClientRect(FCaption, &R);
    HGDIOBJ Old = SelectObject(DC, GetStockObject(ANSI_VAR_FONT));
    SetBkColor(DC, FCaptionColor);
    const std::string& Name = FComponent->Name();
    ExtTextOutA(DC, 0, 2, ETO_OPAQUE | ETO_CLIPPED, &R, Name.c_str(), static_cast<UINT>(Name.size()), nullptr);
    SelectObject(DC, Old);
    EndPaint(FCaption, &PS);
}
