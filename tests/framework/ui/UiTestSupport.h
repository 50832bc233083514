#pragma once
// Controls and helpers shared by the windowed framework's tests.
#include <string>
#include <vector>

#include "framework/controls/Controls.h"
#include "framework/forms/Forms.h"
#include "tests/common/win/Pump.h"

// A windowed control that records what reaches it.
class TProbeControl : public TCustomControl {
    QRN_CLASS(TProbeControl, TCustomControl)
public:
    explicit TProbeControl(TComponent* AOwner) : TCustomControl(AOwner) {
        SetBounds(0, 0, 50, 20);
        SetTabStop(true);
    }
    LRESULT DlgCode = 0;  // the WM_GETDLGCODE answer
    std::vector<uint32_t> Seen;
    std::vector<uint16_t> KeysDown;
    int Enters = 0;
    int Paints = 0;
    int CreatedWindows = 0;

    void WndProc(TMessage& M) override {
        if (M.Msg >= CM_BASE && M.Msg < CM_BASE + 0x100) Seen.push_back(M.Msg);
        if (M.Msg == WM_GETDLGCODE) {
            M.Result = DlgCode;
            return;
        }
        TCustomControl::WndProc(M);
    }
    bool Saw(uint32_t Msg) const {
        for (uint32_t S : Seen)
            if (S == Msg) return true;
        return false;
    }

protected:
    void CreateWnd() override {
        TCustomControl::CreateWnd();
        ++CreatedWindows;
    }
    void KeyDown(uint16_t& Key, TShiftState Shift) override {
        KeysDown.push_back(Key);
        TCustomControl::KeyDown(Key, Shift);
    }
    void DoEnter() override {
        ++Enters;
        TCustomControl::DoEnter();
    }
    void Paint() override {
        ++Paints;
        Canvas()->Brush()->SetColor(FColor);
        Canvas()->FillRect(ClientRect());
    }
};

// A windowless control that records its mouse events.
class TProbeGraphic : public TGraphicControl {
    QRN_CLASS(TProbeGraphic, TGraphicControl)
public:
    explicit TProbeGraphic(TComponent* AOwner) : TGraphicControl(AOwner) { SetBounds(0, 0, 40, 40); }
    struct TEventRec {
        std::string Kind;
        int X, Y;
    };
    std::vector<TEventRec> Events;
    int Paints = 0;
    int Enters = 0, Leaves = 0;

    void WndProc(TMessage& M) override {
        if (M.Msg == CM_MOUSEENTER) ++Enters;
        if (M.Msg == CM_MOUSELEAVE) ++Leaves;
        TGraphicControl::WndProc(M);
    }

protected:
    void MouseDown(TMouseButton B, TShiftState S, int X, int Y) override {
        Events.push_back({"down", X, Y});
        TGraphicControl::MouseDown(B, S, X, Y);
    }
    void MouseMove(TShiftState S, int X, int Y) override {
        Events.push_back({"move", X, Y});
        TGraphicControl::MouseMove(S, X, Y);
    }
    void MouseUp(TMouseButton B, TShiftState S, int X, int Y) override {
        Events.push_back({"up", X, Y});
        TGraphicControl::MouseUp(B, S, X, Y);
    }
    void Paint() override {
        ++Paints;
        Canvas()->Brush()->SetColor(clRed);
        Canvas()->FillRect(Rect(0, 0, Width(), Height()));
    }
};

inline LPARAM Pt(int X, int Y) { return MAKELPARAM(X, Y); }
