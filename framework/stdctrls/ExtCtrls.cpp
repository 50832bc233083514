// Pictures, speed buttons, splitters and scroll boxes.
#include "framework/stdctrls/ExtCtrls.h"

#include <algorithm>

#include "framework/classes/ClassRegistry.h"

// ---- image

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner), FPicture(std::make_unique<TPicture>()) {
    FPicture->OnChange = TNotifyEvent(this, &TImage::PictureChanged);
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 105, 105);
}

TImage::~TImage() = default;

void TImage::PictureChanged(TObject*) {
    if (TGraphic* G = FPicture->Graphic(); G && G->Transparent() != FTransparent) G->SetTransparent(FTransparent);
    Invalidate();
}

void TImage::SetCenter(bool Value) {
    if (FCenter == Value) return;
    FCenter = Value;
    Invalidate();
}

void TImage::SetStretch(bool Value) {
    if (FStretch == Value) return;
    FStretch = Value;
    Invalidate();
}

void TImage::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    if (TGraphic* G = FPicture->Graphic()) G->SetTransparent(Value);
    Invalidate();
}

TRect TImage::DestRect() const {
    const int W = FPicture->Width(), H = FPicture->Height();
    if (FStretch) return Rect(0, 0, FWidth, FHeight);
    if (FCenter) {
        const int X = (FWidth - W) / 2, Y = (FHeight - H) / 2;
        return Rect(X, Y, X + W, Y + H);
    }
    return Rect(0, 0, W, H);
}

void TImage::Paint() {
    if (ComponentState().Contains(csDesigning)) {
        FCanvas->Pen()->SetStyle(psDash);
        FCanvas->Brush()->SetStyle(bsClear);
        FCanvas->Rectangle(0, 0, FWidth, FHeight);
    }
    TGraphic* G = FPicture->Graphic();
    if (!G || G->Empty()) return;
    FCanvas->StretchDraw(DestRect(), G);
}

// ---- speed button

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    // Clicks are decided in MouseUp: a latched button reacts differently.
    FControlStyle.Exclude(csClickEvents).Exclude(csDoubleClicks);
    FGlyph->OnChange = TNotifyEvent::Make([this](TObject*) { Invalidate(); }, this, {});
    SetBounds(0, 0, 23, 22);
    FParentColor = true;
}

TSpeedButton::~TSpeedButton() = default;

void TSpeedButton::SetNumGlyphs(int Value) {
    Value = std::clamp(Value, 1, 4);
    if (FNumGlyphs == Value) return;
    FNumGlyphs = Value;
    Invalidate();
}

void TSpeedButton::SetFlat(bool Value) {
    if (FFlat == Value) return;
    FFlat = Value;
    Invalidate();
}

void TSpeedButton::SetGroupIndex(int Value) {
    if (FGroupIndex == Value) return;
    FGroupIndex = Value;
    UpdateExclusive();
}

void TSpeedButton::SetDown(bool Value) {
    if (FGroupIndex == 0) Value = false;
    if (Value == FDown) return;
    // The last button of a group that may not be all up stays down.
    if (FDown && !Value && !FAllowAllUp) return;
    FDown = Value;
    if (Value) UpdateExclusive();
    Invalidate();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
    if (FAllowAllUp == Value) return;
    FAllowAllUp = Value;
    UpdateExclusive();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
    if (FLayout == Value) return;
    FLayout = Value;
    Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
    if (Value < -1) Value = -1;
    if (FMargin == Value) return;
    FMargin = Value;
    Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
    if (FSpacing == Value) return;
    FSpacing = Value;
    Invalidate();
}

void TSpeedButton::UpdateExclusive() {
    if (FGroupIndex == 0 || !FParent) return;
    // Siblings of the same group learn that this one is down (or that the
    // group's AllowAllUp changed).
    TMessage M;
    M.Msg = CM_BUTTONPRESSED;
    M.WParam = static_cast<WPARAM>(FGroupIndex);
    M.LParam = reinterpret_cast<LPARAM>(this);
    FParent->Broadcast(M);
}

void TSpeedButton::WndProc(TMessage& Message) {
    if (Message.Msg == CM_BUTTONPRESSED) {
        auto* Sender = reinterpret_cast<TSpeedButton*>(Message.LParam);
        if (Sender != this && static_cast<int>(Message.WParam) == FGroupIndex && FGroupIndex != 0) {
            if (Sender->Down() && FDown) {
                FDown = false;
                Invalidate();
            }
            FAllowAllUp = Sender->AllowAllUp();
        }
        return;  // Result stays 0: every sibling hears it
    }
    if (Message.Msg == CM_MOUSEENTER || Message.Msg == CM_MOUSELEAVE) {
        FMouseOver = Message.Msg == CM_MOUSEENTER;
        if (FFlat) Invalidate();
    }
    TGraphicControl::WndProc(Message);
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft || !Enabled()) return;
    FPressed = true;
    FMouseIn = true;
    Invalidate();
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FPressed) return;
    const bool In = ClientRect().Contains({X, Y});
    if (In != FMouseIn) {
        FMouseIn = In;
        Invalidate();
    }
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    const bool WasPressed = FPressed && Button == mbLeft;
    if (WasPressed) {
        FPressed = false;
        FMouseIn = false;
        Invalidate();
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    if (!WasPressed || !ClientRect().Contains({X, Y})) return;
    if (FGroupIndex != 0) {
        // A down button of a group goes up only when the group may be all up.
        if (!FDown)
            SetDown(true);
        else if (FAllowAllUp)
            SetDown(false);
    }
    Click();
}

void TSpeedButton::Click() { TGraphicControl::Click(); }

void TSpeedButton::Paint() {
    const bool ShowDown = FDown || (FPressed && FMouseIn);
    TRect R = Rect(0, 0, FWidth, FHeight);
    FCanvas->Brush()->SetColor(FColor);
    FCanvas->FillRect(R);
    if (!FFlat || ShowDown || FMouseOver) {
        if (ShowDown)
            Frame3D(FCanvas.get(), R, clBtnShadow, clBtnHighlight, 1);
        else
            Frame3D(FCanvas.get(), R, clBtnHighlight, clBtnShadow, 1);
    }
    const int Shift = ShowDown ? 1 : 0;
    // The glyph strip holds up, disabled, down and latched images side by side.
    int GW = 0, GH = 0;
    if (!FGlyph->Empty()) {
        GW = FGlyph->Width() / FNumGlyphs;
        GH = FGlyph->Height();
    }
    const std::string Text = FText;
    const int TW = Text.empty() ? 0 : FCanvas->TextWidth(Text);
    const int TH = Text.empty() ? 0 : FCanvas->TextHeight(Text);
    const int Gap = (GW > 0 && TW > 0) ? FSpacing : 0;
    const bool Horz = FLayout == blGlyphLeft || FLayout == blGlyphRight;
    const int Total = Horz ? GW + Gap + TW : GH + Gap + TH;
    const int Avail = Horz ? FWidth : FHeight;
    const int Start = FMargin >= 0 ? FMargin : (Avail - Total) / 2;
    int GX = 0, GY = 0, TX = 0, TY = 0;
    switch (FLayout) {
        case blGlyphLeft: GX = Start; TX = Start + GW + Gap; break;
        case blGlyphRight: GX = FWidth - Start - GW; TX = GX - Gap - TW; break;
        case blGlyphTop: GY = Start; TY = Start + GH + Gap; break;
        case blGlyphBottom: GY = FHeight - Start - GH; TY = GY - Gap - TH; break;
    }
    if (Horz) {
        GY = (FHeight - GH) / 2;
        TY = (FHeight - TH) / 2;
    } else {
        GX = (FWidth - GW) / 2;
        TX = (FWidth - TW) / 2;
    }
    if (GW > 0) {
        int Image = 0;
        if (!Enabled() && FNumGlyphs > 1)
            Image = 1;
        else if (FPressed && FMouseIn && FNumGlyphs > 2)
            Image = 2;
        else if (FDown && FNumGlyphs > 3)
            Image = 3;
        const TRect Src = Rect(Image * GW, 0, Image * GW + GW, GH);
        BitBlt(FCanvas->Handle(), GX + Shift, GY + Shift, GW, GH, FGlyph->Canvas()->Handle(), Src.Left, Src.Top, SRCCOPY);
    }
    if (TW > 0) {
        FCanvas->Brush()->SetStyle(bsClear);
        FCanvas->Font()->SetColor(Enabled() ? FFont->Color() : clGrayText);
        FCanvas->TextOut(TX + Shift, TY + Shift, Text);
    }
}

// ---- splitter

TSplitter::TSplitter(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Exclude(csClickEvents).Exclude(csDoubleClicks);
    FAlign = alLeft;
    FWidth = 3;
    FHeight = 100;
    FCursor = crHSplit;
}

void TSplitter::RequestAlign() {
    // A cursor the user chose stays.
    if (FCursor == crHSplit || FCursor == crVSplit) SetCursor(FAlign == alTop || FAlign == alBottom ? crVSplit : crHSplit);
    TGraphicControl::RequestAlign();
}

void TSplitter::SetBeveled(bool Value) {
    if (FBeveled == Value) return;
    FBeveled = Value;
    Invalidate();
}

TControl* TSplitter::FindControl() const {
    if (!FParent || FAlign == alNone || FAlign == alClient) return nullptr;
    for (int I = 0; I < FParent->ControlCount(); ++I) {
        TControl* C = FParent->Controls(I);
        if (C == this || !C->Visible() || C->Align() != FAlign) continue;
        switch (FAlign) {
            case alLeft: if (C->Left() + C->Width() == FLeft) return C; break;
            case alRight: if (C->Left() == FLeft + FWidth) return C; break;
            case alTop: if (C->Top() + C->Height() == FTop) return C; break;
            case alBottom: if (C->Top() == FTop + FHeight) return C; break;
            default: break;
        }
    }
    return nullptr;
}

void TSplitter::Paint() {
    TRect R = Rect(0, 0, FWidth, FHeight);
    FCanvas->Brush()->SetColor(FColor);
    FCanvas->FillRect(R);
    if (FBeveled) Frame3D(FCanvas.get(), R, clBtnHighlight, clBtnShadow, 1);
}

void TSplitter::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (Button != mbLeft) return;
    FControl = FindControl();
    if (!FControl) return;
    const bool Horz = FAlign == alLeft || FAlign == alRight;
    FDownPos = Horz ? X + FLeft : Y + FTop;
    FStartSize = Horz ? FControl->Width() : FControl->Height();
    FMoved = false;
}

void TSplitter::ApplySize(int ParentPos) {
    const int Delta = ParentPos - FDownPos;
    int Size = FStartSize;
    switch (FAlign) {
        case alLeft: case alTop: Size += Delta; break;
        default: Size -= Delta; break;
    }
    // The neighbour keeps MinSize, and so does what is left of the parent.
    const bool Horz = FAlign == alLeft || FAlign == alRight;
    const int Room = (Horz ? FParent->ClientWidth() - FWidth : FParent->ClientHeight() - FHeight) - FMinSize;
    Size = std::max(FMinSize, std::min(Size, Room));
    const int Current = Horz ? FControl->Width() : FControl->Height();
    if (Size == Current) return;
    if (Horz)
        FControl->SetWidth(Size);
    else
        FControl->SetHeight(Size);
    FMoved = true;
}

void TSplitter::MouseMove(TShiftState Shift, int X, int Y) {
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FControl) return;
    ApplySize(FAlign == alLeft || FAlign == alRight ? X + FLeft : Y + FTop);
}

void TSplitter::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FControl && Button == mbLeft) {
        ApplySize(FAlign == alLeft || FAlign == alRight ? X + FLeft : Y + FTop);
        FControl = nullptr;
        if (FMoved) OnMoved(this);
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
}

// ---- scroll box

void TControlScrollBar::Assign(TPersistent* Source) {
    if (auto* S = dynamic_cast<TControlScrollBar*>(Source)) {
        FIncrement = S->FIncrement;
        FVisible = S->FVisible;
        SetRange(S->FRange);
        SetPosition(S->FPosition);
        return;
    }
    TPersistent::Assign(Source);
}

int TControlScrollBar::PageSize() const {
    if (!FControl->HandleAllocated()) return FHorizontal ? FControl->Width() : FControl->Height();
    RECT R{};
    GetClientRect(FControl->Handle(), &R);
    return FHorizontal ? R.right : R.bottom;
}

int TControlScrollBar::MaxPosition() const { return std::max(0, FRange - PageSize()); }

void TControlScrollBar::SetRange(int Value) {
    FRange = std::max(0, Value);
    Update();
}

void TControlScrollBar::SetVisible(bool Value) {
    FVisible = Value;
    Update();
}

void TControlScrollBar::SetPosition(int Value) {
    Value = std::clamp(Value, 0, MaxPosition());
    if (Value == FPosition) return;
    const int Delta = FPosition - Value;
    FPosition = Value;
    if (FHorizontal)
        FControl->ScrollBy(Delta, 0);
    else
        FControl->ScrollBy(0, Delta);
    if (FControl->HandleAllocated()) SetScrollPos(FControl->Handle(), FHorizontal ? SB_HORZ : SB_VERT, FPosition, TRUE);
}

void TControlScrollBar::Update() {
    if (!FControl->HandleAllocated()) return;
    const int Bar = FHorizontal ? SB_HORZ : SB_VERT;
    const bool Show = FVisible && FRange > PageSize();
    ShowScrollBar(FControl->Handle(), Bar, Show);
    SCROLLINFO SI{};
    SI.cbSize = sizeof(SI);
    SI.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
    SI.nMin = 0;
    SI.nMax = Show ? FRange - 1 : 0;
    SI.nPage = Show ? static_cast<UINT>(PageSize()) : 0;
    SI.nPos = FPosition;
    SetScrollInfo(FControl->Handle(), Bar, &SI, TRUE);
    // A range that shrank may leave the content scrolled past its end.
    if (FPosition > MaxPosition()) SetPosition(MaxPosition());
}

void TControlScrollBar::Scroll(int Code, int ThumbPos) {
    const int Page = PageSize();
    switch (Code) {
        case SB_LINEUP: SetPosition(FPosition - FIncrement); break;
        case SB_LINEDOWN: SetPosition(FPosition + FIncrement); break;
        case SB_PAGEUP: SetPosition(FPosition - Page); break;
        case SB_PAGEDOWN: SetPosition(FPosition + Page); break;
        case SB_THUMBPOSITION:
        case SB_THUMBTRACK: SetPosition(ThumbPos); break;
        case SB_TOP: SetPosition(0); break;
        case SB_BOTTOM: SetPosition(MaxPosition()); break;
        default: break;
    }
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner)
    : TWinControl(AOwner), FHorzScrollBar(std::make_unique<TControlScrollBar>(this, true)),
      FVertScrollBar(std::make_unique<TControlScrollBar>(this, false)) {}

TScrollingWinControl::~TScrollingWinControl() = default;

void TScrollingWinControl::ScrollBy(int DeltaX, int DeltaY) {
    if (DeltaX == 0 && DeltaY == 0) return;
    DisableAlign();
    for (TControl* C : FControls) C->SetBounds(C->Left() + DeltaX, C->Top() + DeltaY, C->Width(), C->Height());
    EnableAlign();
    Invalidate();
}

void TScrollingWinControl::ScrollInView(TControl* AControl) {
    if (!AControl || !ContainsControl(AControl)) return;
    const TRect Client = ClientRect();
    auto Bring = [](TControlScrollBar* Bar, int Lo, int Hi, int Size) {
        if (Lo < 0)
            Bar->SetPosition(Bar->Position() + Lo);
        else if (Hi > Size)
            Bar->SetPosition(Bar->Position() + std::min(Hi - Size, Lo));
    };
    Bring(FHorzScrollBar.get(), AControl->Left(), AControl->Left() + AControl->Width(), Client.Width());
    Bring(FVertScrollBar.get(), AControl->Top(), AControl->Top() + AControl->Height(), Client.Height());
}

void TScrollingWinControl::CreateWnd() {
    TWinControl::CreateWnd();
    FHorzScrollBar->Update();
    FVertScrollBar->Update();
}

void TScrollingWinControl::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_HSCROLL:
        case WM_VSCROLL:
            if (Message.LParam == 0) {
                TControlScrollBar* Bar = Message.Msg == WM_HSCROLL ? FHorzScrollBar.get() : FVertScrollBar.get();
                const int Thumb = ScrollTrackPos(FHandle, Message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT,
                                                 static_cast<short>(HIWORD(Message.WParam)));
                Bar->Scroll(LOWORD(Message.WParam), Thumb);
                Message.Result = 0;
                return;
            }
            break;
        case WM_SIZE:
            TWinControl::WndProc(Message);
            FHorzScrollBar->Update();
            FVertScrollBar->Update();
            return;
        default:
            break;
    }
    TWinControl::WndProc(Message);
}

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
    FControlStyle.Include(csAcceptsControls);
    SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& Params) {
    TScrollingWinControl::CreateParams(Params);
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

// ---- published

QRN_PUBLISHED(TImage) {
    B.Prop("Picture", &TImage::Picture, &TImage::SetPicture);
    B.Prop("Center", &TImage::Center, &TImage::SetCenter).Default(false);
    B.Prop("Stretch", &TImage::Stretch, &TImage::SetStretch).Default(false);
    B.Prop("Transparent", &TImage::Transparent, &TImage::SetTransparent).Default(false);
}

QRN_PUBLISHED(TSpeedButton) {
    B.Prop("AllowAllUp", &TSpeedButton::AllowAllUp, &TSpeedButton::SetAllowAllUp).Default(false);
    B.Prop("GroupIndex", &TSpeedButton::GroupIndex, &TSpeedButton::SetGroupIndex).Default(0);
    B.Prop("Down", &TSpeedButton::Down, &TSpeedButton::SetDown).Default(false);
    B.Prop("Flat", &TSpeedButton::Flat, &TSpeedButton::SetFlat).Default(false);
    B.Prop("Glyph", &TSpeedButton::Glyph, &TSpeedButton::SetGlyph);
    B.Prop("Layout", &TSpeedButton::Layout, &TSpeedButton::SetLayout).Default(blGlyphLeft);
    B.Prop("Margin", &TSpeedButton::Margin, &TSpeedButton::SetMargin).Default(-1);
    B.Prop("NumGlyphs", &TSpeedButton::NumGlyphs, &TSpeedButton::SetNumGlyphs).Default(1);
    B.Prop("Spacing", &TSpeedButton::Spacing, &TSpeedButton::SetSpacing).Default(4);
}

QRN_PUBLISHED(TSplitter) {
    B.Prop("Beveled", &TSplitter::Beveled, &TSplitter::SetBeveled).Default(false);
    B.Prop("MinSize", &TSplitter::MinSize, &TSplitter::SetMinSize).Default(30);
    B.Event("OnMoved", &TSplitter::OnMoved);
}

QRN_PUBLISHED(TControlScrollBar) {
    B.Prop("Increment", &TControlScrollBar::Increment, &TControlScrollBar::SetIncrement).Default(8);
    B.Prop("Range", &TControlScrollBar::Range, &TControlScrollBar::SetRange).Default(0);
    B.Prop("Position", &TControlScrollBar::Position, &TControlScrollBar::SetPosition).Default(0);
    B.Prop("Visible", &TControlScrollBar::Visible, &TControlScrollBar::SetVisible).Default(true);
}

QRN_PUBLISHED(TScrollingWinControl) {
    B.Prop("HorzScrollBar", &TScrollingWinControl::HorzScrollBar, &TScrollingWinControl::SetHorzScrollBar);
    B.Prop("VertScrollBar", &TScrollingWinControl::VertScrollBar, &TScrollingWinControl::SetVertScrollBar);
}

QRN_PUBLISHED(TScrollBox) {}

void RegisterExtControls() {
    RegisterClasses({TImage::StaticClass(), TSpeedButton::StaticClass(), TSplitter::StaticClass(),
                     TScrollBox::StaticClass()});
}
