// Containers and decorations: TGroupBox, TRadioGroup, TPanel and TBevel.
#include <algorithm>

#include "framework/stdctrls/StdCtrls.h"

// ---- TGroupBox

TGroupBox::TGroupBox(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks,
                                  csReplicatable};
    SetBounds(0, 0, 185, 105);
}

static int FontHeight(TCanvas* Canvas, TFont* Font) {
    Canvas->SetFont(Font);
    return Canvas->TextExtent("0").cy;
}

void TGroupBox::AdjustClientRect(TRect& Rect) {
    TCustomControl::AdjustClientRect(Rect);
    // The caption sits in the top line of the frame.
    int H = 0;
    if (FHandle) {
        H = FontHeight(Canvas(), FFont.get());
        FCanvas->FreeHandle();
    }
    Rect.Top += std::max(H, 2);
    Rect.Left += 2;
    Rect.Right -= 2;
    Rect.Bottom -= 2;
    if (Rect.Right < Rect.Left) Rect.Right = Rect.Left;
    if (Rect.Bottom < Rect.Top) Rect.Bottom = Rect.Top;
}

void TGroupBox::Paint() {
    TCanvas* C = Canvas();
    C->SetFont(FFont.get());
    const int H = C->TextExtent("0").cy;
    C->Brush()->SetColor(FColor);
    C->FillRect(Rect(0, 0, FWidth, FHeight));
    RECT Frame{0, H / 2, FWidth, FHeight};
    DrawEdge(C->Handle(), &Frame, EDGE_ETCHED, BF_RECT);
    const std::string S = GetText();
    if (!S.empty()) {
        RECT R{8, 0, 0, H};
        DrawTextA(C->Handle(), S.c_str(), static_cast<int>(S.size()), &R, DT_SINGLELINE | DT_CALCRECT);
        SetBkColor(C->Handle(), ColorToRGB(FColor));
        SetBkMode(C->Handle(), OPAQUE);
        SetTextColor(C->Handle(), ColorToRGB(FEnabled ? FFont->Color() : clGrayText));
        DrawTextA(C->Handle(), S.c_str(), static_cast<int>(S.size()), &R, DT_SINGLELINE);
    }
}

void TGroupBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CM_TEXTCHANGED:
        case CM_FONTCHANGED:
            TCustomControl::WndProc(Message);
            Realign();
            Invalidate();
            return;
    }
    TCustomControl::WndProc(Message);
}

// ---- TRadioGroup

TRadioGroup::TRadioGroup(TComponent* AOwner) : TGroupBox(AOwner), FItems(std::make_unique<TStringList>()) {
    FControlStyle.Exclude(csAcceptsControls);
    FItems->OnChange = [this](TObject* S) { ItemsChanged(S); };
}

TRadioGroup::~TRadioGroup() { FItems->OnChange = nullptr; }

void TRadioGroup::Notification(TComponent* AComponent, TOperation Operation) {
    TGroupBox::Notification(AComponent, Operation);
    // The buttons are owned components: they go before the group's destructor runs.
    if (Operation == opRemove)
        FButtons.erase(std::remove(FButtons.begin(), FButtons.end(), AComponent), FButtons.end());
}

void TRadioGroup::ItemsChanged(TObject*) {
    if (ComponentState().Contains(csLoading)) return;
    if (FItemIndex >= FItems->Count()) FItemIndex = FItems->Count() - 1;
    UpdateButtons();
}

void TRadioGroup::UpdateButtons() {
    FUpdating = true;
    struct TDone {
        bool& F;
        ~TDone() { F = false; }
    } Done{FUpdating};
    while (static_cast<int>(FButtons.size()) > FItems->Count()) {
        FButtons.back()->Free();  // leaves FButtons through Notification
    }
    while (static_cast<int>(FButtons.size()) < FItems->Count()) {
        auto* B = new TRadioButton(this);
        B->OnClick = [this](TObject* S) { ButtonClicked(S); };
        B->SetParent(this);
        FButtons.push_back(B);
    }
    for (size_t I = 0; I < FButtons.size(); ++I) {
        FButtons[I]->SetCaption(FItems->Strings(static_cast<int>(I)));
        FButtons[I]->SetEnabled(FEnabled);
        FButtons[I]->SetChecked(static_cast<int>(I) == FItemIndex);
    }
    // Every button stays reachable by Tab when none is checked.
    if (FItemIndex < 0 && !FButtons.empty()) FButtons[0]->SetTabStop(true);
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons() {
    if (FButtons.empty()) return;
    TRect R = ClientRect();
    AdjustClientRect(R);
    const int Cols = std::max(FColumns, 1);
    const int Count = static_cast<int>(FButtons.size());
    const int Rows = (Count + Cols - 1) / Cols;
    const int ColWidth = std::max((R.Width() - 8) / Cols, 1);
    const int RowHeight = std::max(R.Height() / std::max(Rows, 1), 1);
    for (int I = 0; I < Count; ++I) {
        const int Col = I / Rows, Row = I % Rows;
        FButtons[static_cast<size_t>(I)]->SetBounds(R.Left + 6 + Col * ColWidth, R.Top + Row * RowHeight, ColWidth,
                                                    std::min(RowHeight, 20));
    }
}

void TRadioGroup::ButtonClicked(TObject* Sender) {
    if (FUpdating) return;
    const auto It = std::find(FButtons.begin(), FButtons.end(), Sender);
    if (It == FButtons.end()) return;
    FItemIndex = static_cast<int>(It - FButtons.begin());
    Click();
}

void TRadioGroup::SetItemIndex(int Value) {
    if (ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) {
        FItemIndex = Value;
        return;
    }
    Value = std::clamp(Value, -1, static_cast<int>(FButtons.size()) - 1);
    if (Value == FItemIndex) return;
    if (FItemIndex >= 0) FButtons[static_cast<size_t>(FItemIndex)]->SetChecked(false);
    FItemIndex = Value;
    if (Value >= 0) {
        FUpdating = true;
        FButtons[static_cast<size_t>(Value)]->SetChecked(true);
        FUpdating = false;
    }
    Click();
}

void TRadioGroup::SetColumns(int Value) {
    Value = std::clamp(Value, 1, 16);
    if (Value == FColumns) return;
    FColumns = Value;
    ArrangeButtons();
}

void TRadioGroup::Loaded() {
    TGroupBox::Loaded();
    if (FItemIndex >= FItems->Count()) FItemIndex = FItems->Count() - 1;
    UpdateButtons();
}

void TRadioGroup::Resize() {
    TGroupBox::Resize();
    ArrangeButtons();
}

// ---- TPanel

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
    FControlStyle = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csOpaque,
                                  csDoubleClicks, csReplicatable};
    SetBounds(0, 0, 185, 41);
    FParentColor = false;
    FColor = clBtnFace;
}

int TPanel::FrameWidth() const {
    int W = FBorderWidth;
    if (FBevelOuter != bvNone) W += FBevelWidth;
    if (FBevelInner != bvNone) W += FBevelWidth;
    return W;
}

void TPanel::FrameChanged() {
    Realign();
    Invalidate();
}

void TPanel::SetBevelInner(TPanelBevel Value) {
    if (Value == FBevelInner) return;
    FBevelInner = Value;
    FrameChanged();
}

void TPanel::SetBevelOuter(TPanelBevel Value) {
    if (Value == FBevelOuter) return;
    FBevelOuter = Value;
    FrameChanged();
}

void TPanel::SetBevelWidth(int Value) {
    Value = std::max(Value, 1);
    if (Value == FBevelWidth) return;
    FBevelWidth = Value;
    FrameChanged();
}

void TPanel::SetBorderWidth(int Value) {
    Value = std::max(Value, 0);
    if (Value == FBorderWidth) return;
    FBorderWidth = Value;
    FrameChanged();
}

void TPanel::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    Invalidate();
}

void TPanel::AdjustClientRect(TRect& Rect) {
    TCustomControl::AdjustClientRect(Rect);
    const int W = FrameWidth();
    Rect.Left += W;
    Rect.Top += W;
    Rect.Right = std::max(Rect.Left, Rect.Right - W);
    Rect.Bottom = std::max(Rect.Top, Rect.Bottom - W);
}

static void BevelColors(TPanelBevel Bevel, TColor& Top, TColor& Bottom, TColor Face) {
    Top = Bevel == bvLowered ? clBtnShadow : clBtnHighlight;
    Bottom = Bevel == bvLowered ? clBtnHighlight : clBtnShadow;
    if (Bevel == bvSpace) Top = Bottom = Face;
}

void TPanel::Paint() {
    TCanvas* C = Canvas();
    TRect R = Rect(0, 0, FWidth, FHeight);
    TColor Top = clNone, Bottom = clNone;
    if (FBevelOuter != bvNone) {
        BevelColors(FBevelOuter, Top, Bottom, FColor);
        Frame3D(C, R, Top, Bottom, FBevelWidth);
    }
    if (FBorderWidth > 0) Frame3D(C, R, FColor, FColor, FBorderWidth);
    if (FBevelInner != bvNone) {
        BevelColors(FBevelInner, Top, Bottom, FColor);
        Frame3D(C, R, Top, Bottom, FBevelWidth);
    }
    C->Brush()->SetColor(FColor);
    C->FillRect(R);
    const std::string S = GetText();
    if (S.empty()) return;
    C->SetFont(FFont.get());
    unsigned Flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS;
    if (FAlignment == taCenter) Flags |= DT_CENTER;
    if (FAlignment == taRightJustify) Flags |= DT_RIGHT;
    RECT Text = ToRECT(R);
    SetBkMode(C->Handle(), TRANSPARENT);
    SetTextColor(C->Handle(), ColorToRGB(FEnabled ? FFont->Color() : clGrayText));
    DrawTextA(C->Handle(), S.c_str(), static_cast<int>(S.size()), &Text, Flags);
}

void TPanel::WndProc(TMessage& Message) {
    if (Message.Msg == CM_TEXTCHANGED) {
        Invalidate();
        return;
    }
    TCustomControl::WndProc(Message);
}

// ---- TBevel

TBevel::TBevel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 50, 50);
}

void TBevel::SetShape(TBevelShape Value) {
    if (Value == FShape) return;
    FShape = Value;
    Invalidate();
}

void TBevel::SetStyle(TBevelStyle Value) {
    if (Value == FStyle) return;
    FStyle = Value;
    Invalidate();
}

void TBevel::Paint() {
    TCanvas* C = Canvas();
    const TColor Hi = FStyle == bsLowered ? clBtnHighlight : clBtnShadow;
    const TColor Lo = FStyle == bsLowered ? clBtnShadow : clBtnHighlight;
    TRect R = Rect(0, 0, FWidth, FHeight);
    auto Line = [C](TColor Color, int X1, int Y1, int X2, int Y2) {
        C->Pen()->SetColor(Color);
        C->Pen()->SetWidth(1);
        C->MoveTo(X1, Y1);
        C->LineTo(X2, Y2);
    };
    switch (FShape) {
        case bsBox: Frame3D(C, R, Lo, Hi, 1); break;
        case bsFrame: {
            TRect Outer = Rect(0, 0, FWidth - 1, FHeight - 1);
            Frame3D(C, Outer, Lo, Lo, 1);
            TRect Inner = Rect(1, 1, FWidth, FHeight);
            Frame3D(C, Inner, Hi, Hi, 1);
            break;
        }
        case bsTopLine:
            Line(Lo, 0, 0, FWidth, 0);
            Line(Hi, 0, 1, FWidth, 1);
            break;
        case bsBottomLine:
            Line(Lo, 0, FHeight - 2, FWidth, FHeight - 2);
            Line(Hi, 0, FHeight - 1, FWidth, FHeight - 1);
            break;
        case bsLeftLine:
            Line(Lo, 0, 0, 0, FHeight);
            Line(Hi, 1, 0, 1, FHeight);
            break;
        case bsRightLine:
            Line(Lo, FWidth - 2, 0, FWidth - 2, FHeight);
            Line(Hi, FWidth - 1, 0, FWidth - 1, FHeight);
            break;
        case bsSpacer: break;
    }
}

QRN_PUBLISHED(TGroupBox) {}

QRN_PUBLISHED(TRadioGroup) {
    B.Prop("Columns", &TRadioGroup::Columns, &TRadioGroup::SetColumns).Default(1);
    B.Prop("ItemIndex", &TRadioGroup::ItemIndex, &TRadioGroup::SetItemIndex).Default(-1);
    B.Prop("Items", &TRadioGroup::Items, &TRadioGroup::SetItems);
}

QRN_PUBLISHED(TPanel) {
    B.Prop("Alignment", &TPanel::Alignment, &TPanel::SetAlignment).Default(taCenter);
    B.Prop("BevelInner", &TPanel::BevelInner, &TPanel::SetBevelInner).Default(bvNone);
    B.Prop("BevelOuter", &TPanel::BevelOuter, &TPanel::SetBevelOuter).Default(bvRaised);
    B.Prop("BevelWidth", &TPanel::BevelWidth, &TPanel::SetBevelWidth).Default(1);
    B.Prop("BorderWidth", &TPanel::BorderWidth, &TPanel::SetBorderWidth).Default(0);
}

QRN_PUBLISHED(TBevel) {
    B.Prop("Shape", &TBevel::Shape, &TBevel::SetShape).Default(bsBox);
    B.Prop("Style", &TBevel::Style, &TBevel::SetStyle).Default(bsLowered);
}
