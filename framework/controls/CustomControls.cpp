// Painted controls: TCustomControl (windowed) and TGraphicControl
// (windowless), and the canvas they draw on.
#include "framework/controls/Controls.h"

void TControlCanvas::CreateHandle() {
    if (auto* W = dynamic_cast<TWinControl*>(FControl)) {
        FWindow = W->Handle();
        FDC = GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    } else if (FControl->Parent()) {
        // A windowless control draws on its parent, inside its own bounds.
        FWindow = FControl->Parent()->Handle();
        FDC = GetDCEx(FWindow, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
        SetViewportOrgEx(FDC, FControl->Left(), FControl->Top(), nullptr);
        IntersectClipRect(FDC, 0, 0, FControl->Width(), FControl->Height());
    }
    if (FDC) SetHandle(FDC);
}

void TControlCanvas::FreeHandle() {
    if (!FDC) return;
    SetHandle(nullptr);
    ReleaseDC(FWindow, FDC);
    FDC = nullptr;
    FWindow = nullptr;
}

TCustomControl::TCustomControl(TComponent* AOwner)
    : TWinControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TCustomControl::~TCustomControl() {
    // The canvas holds a context of the window: give it back first.
    if (FCanvas) FCanvas->FreeHandle();
}

void TCustomControl::PaintWindow(HDC DC) {
    FCanvas->Lock();
    struct TUnlock {
        TControlCanvas* C;
        ~TUnlock() {
            C->SetHandle(nullptr);
            C->Unlock();
        }
    } Guard{FCanvas.get()};
    FCanvas->FreeHandle();
    FCanvas->SetHandle(DC);
    FCanvas->SetFont(FFont.get());
    FCanvas->Brush()->SetColor(FColor);
    Paint();
}

void TCustomControl::DestroyWnd() {
    FCanvas->FreeHandle();
    TWinControl::DestroyWnd();
}

TGraphicControl::TGraphicControl(TComponent* AOwner)
    : TControl(AOwner), FCanvas(std::make_unique<TControlCanvas>(this)) {}

TGraphicControl::~TGraphicControl() {
    if (FCanvas) FCanvas->FreeHandle();
}

void TGraphicControl::WndProc(TMessage& Message) {
    if (Message.Msg == WM_PAINT) {
        FCanvas->Lock();
        struct TUnlock {
            TControlCanvas* C;
            ~TUnlock() {
                C->SetHandle(nullptr);
                C->Unlock();
            }
        } Guard{FCanvas.get()};
        FCanvas->FreeHandle();
        FCanvas->SetHandle(reinterpret_cast<HDC>(Message.WParam));
        FCanvas->SetFont(FFont.get());
        FCanvas->Brush()->SetColor(FColor);
        Paint();
        return;
    }
    TControl::WndProc(Message);
}

QRN_PUBLISHED(TCustomControl) {}
QRN_PUBLISHED(TGraphicControl) {}
