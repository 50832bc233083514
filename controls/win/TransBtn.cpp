#include "controls/win/TransBtn.h"

#include <algorithm>

#include "framework/menus/Menus.h"
#include "framework/uicore/Hotkeys.h"

namespace {

// A copy of one cell of a glyph strip.
std::unique_ptr<TBitmap> CopyCell(TBitmap* Strip, int Index, int CW, int CH) {
    auto Cell = std::make_unique<TBitmap>();
    Cell->SetSize(CW, CH);
    Cell->Canvas()->CopyRect(Rect(0, 0, CW, CH), Strip->Canvas(), Rect(Index * CW, 0, Index * CW + CW, CH));
    return Cell;
}

std::unique_ptr<TBitmap> MakeGrey(TBitmap* Cell) {
    auto Grey = CopyCell(Cell, 0, Cell->Width(), Cell->Height());
    TCanvas* C = Grey->Canvas();
    for (int Y = 0; Y < Grey->Height(); ++Y)
        for (int X = 0; X < Grey->Width(); ++X) {
            const COLORREF P = ColorToRGB(C->Pixel(X, Y));
            const int L = TransGreyLevel(GetRValue(P), GetGValue(P), GetBValue(P));
            C->SetPixel(X, Y, static_cast<TColor>(RGB(L, L, L)));
        }
    return Grey;
}

// The embossed look of a disabled glyph: its dark pixels drawn once in
// highlight one pixel down-right and once in shadow on a button face.
std::unique_ptr<TBitmap> MakeDisabled(TBitmap* Cell) {
    const int W = Cell->Width(), H = Cell->Height();
    TCanvas* Src = Cell->Canvas();
    const COLORREF Back = ColorToRGB(Src->Pixel(0, 0));
    std::vector<bool> Dark(static_cast<size_t>(W) * static_cast<size_t>(H));
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X) {
            const COLORREF P = ColorToRGB(Src->Pixel(X, Y));
            Dark[static_cast<size_t>(Y) * W + X] = !(P == RGB(255, 255, 255) || P == Back);
        }
    auto Result = std::make_unique<TBitmap>();
    Result->SetSize(W, H);
    TCanvas* C = Result->Canvas();
    C->Brush()->SetColor(clBtnFace);
    C->FillRect(Rect(0, 0, W, H));
    const TColor Highlight = static_cast<TColor>(ColorToRGB(clBtnHighlight));
    const TColor Shadow = static_cast<TColor>(ColorToRGB(clBtnShadow));
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
            if (Dark[static_cast<size_t>(Y) * W + X] && X + 1 < W && Y + 1 < H) C->SetPixel(X + 1, Y + 1, Highlight);
    for (int Y = 0; Y < H; ++Y)
        for (int X = 0; X < W; ++X)
            if (Dark[static_cast<size_t>(Y) * W + X]) C->SetPixel(X, Y, Shadow);
    return Result;
}

}  // namespace

TTransparentButton::TTransparentButton(TComponent* AOwner)
    : TGraphicControl(AOwner), FGlyph(std::make_unique<TBitmap>()) {
    TControlStyle Style = ControlStyle();
    Style.Exclude(csOpaque);
    Style.Exclude(csDoubleClicks);
    SetControlStyle(Style);
    SetBounds(0, 0, 40, 40);
    FGlyph->OnChange = TNotifyEvent(this, &TTransparentButton::GlyphChanged);
}

TTransparentButton::~TTransparentButton() { FGlyph->OnChange = TNotifyEvent(); }

void TTransparentButton::SetAutoGray(bool Value) {
    if (FAutoGray == Value) return;
    FAutoGray = Value;
    Invalidate();
}

void TTransparentButton::SetBorderWidth(unsigned Value) {
    if (FBorderWidth == Value) return;
    FBorderWidth = Value;
    Invalidate();
}

void TTransparentButton::SetDown(bool Value) {
    FState.SetDown(Value);
    Invalidate();
}

void TTransparentButton::SetFrameStyle(TFrameStyle Value) {
    if (FFrameStyle == Value) return;
    FFrameStyle = Value;
    Invalidate();
}

void TTransparentButton::SetGlyph(TBitmap* Value) {
    if (Value) {
        FGlyph->Assign(Value);
    } else {
        TBitmap Empty;
        FGlyph->Assign(&Empty);
    }
}

void TTransparentButton::SetNumGlyphs(TNumGlyphs Value) {
    FNumGlyphs = std::clamp(Value, 1, MaxTransGlyphs);
    Invalidate();
}

void TTransparentButton::SetShowPressed(bool Value) {
    if (FShowPressed == Value) return;
    FShowPressed = Value;
    Invalidate();
}

void TTransparentButton::SetSpacing(int Value) {
    if (FSpacing == Value) return;
    FSpacing = Value;
    Invalidate();
}

void TTransparentButton::SetTextAlign(TTextAlign Value) {
    if (FTextAlign == Value) return;
    FTextAlign = Value;
    Invalidate();
}

void TTransparentButton::SetTransparent(bool Value) {
    if (FTransparent == Value) return;
    FTransparent = Value;
    Invalidate();
}

void TTransparentButton::SetWordWrap(bool Value) {
    if (FWordWrap == Value) return;
    FWordWrap = Value;
    Invalidate();
}

void TTransparentButton::GlyphChanged(TObject*) {
    Invalidate();
    FNumGlyphs = TransNumGlyphsFor(FGlyph->Width(), FGlyph->Height(), FNumGlyphs);
    RebuildImages();
    Invalidate();
}

void TTransparentButton::RebuildImages() {
    if (FGlyph->Empty()) return;
    // Reading the strip's pixels must not count as a change of it.
    TNotifyEvent Saved = FGlyph->OnChange;
    FGlyph->OnChange = TNotifyEvent();
    const int CW = TransCellWidth(FGlyph->Width(), FNumGlyphs), CH = FGlyph->Height();
    auto Images = std::make_unique<TImageList>(CW, CH);
    std::unique_ptr<TBitmap> Grey, Disabled;
    for (int I = 0; I < FNumGlyphs && (I + 1) * CW <= FGlyph->Width(); ++I) {
        auto Cell = CopyCell(FGlyph.get(), I, CW, CH);
        if (I == 0) {
            Grey = MakeGrey(Cell.get());
            Disabled = MakeDisabled(Cell.get());
        }
        Images->AddMasked(Cell.get(), Cell->Canvas()->Pixel(0, 0));
    }
    if (Grey) Images->AddMasked(Grey.get(), Grey->Canvas()->Pixel(0, 0));
    if (Disabled) Images->AddMasked(Disabled.get(), Disabled->Canvas()->Pixel(0, 0));
    FImages = std::move(Images);
    FGlyph->OnChange = Saved;
}

void TTransparentButton::PaintFrame(int W, int H) {
    TCanvas* C = Canvas();
    // More lines than fit would only repaint the same pixels (and a huge
    // width would stall painting).
    const int BW = static_cast<int>(std::min<unsigned>(FBorderWidth, static_cast<unsigned>(std::max(W, H) / 2 + 1)));
    const bool Designing = ComponentState().Contains(csDesigning);
    C->Brush()->SetColor(clBtnFace);
    C->Brush()->SetStyle(bsSolid);
    C->Pen()->SetColor(clBlack);
    C->Pen()->SetWidth(std::max(BW, 1));
    TRect R;
    switch (FFrameStyle) {
        case fsRegular:
            if (!FTransparent) {
                C->Rectangle(1, 1, W, H);
            } else {
                R = Rect(1, 1, W, H);
                Frame3D(C, R, clBlack, clBlack, BW);
            }
            break;
        case fsIndent:
            if (!FTransparent) {
                C->Pen()->SetColor(clBtnShadow);
                C->Rectangle(0, 0, W - 1, H - 1);
            } else {
                R = Rect(0, 0, W - 1, H - 1);
                Frame3D(C, R, clBtnShadow, clBtnShadow, BW);
            }
            R = Rect(1, 1, W, H);
            Frame3D(C, R, clBtnHighlight, clBtnHighlight, BW);
            break;
        default: {
            if (!FTransparent) C->FillRect(Rect(0, 0, W, H));
            if (!Designing) break;
            R = Rect(0, 0, W, H);
            switch (FFrameStyle) {
                case fsExplorer: case fsLight: Frame3D(C, R, clBtnHighlight, clBtnShadow, 1); break;
                case fsNone: Frame3D(C, R, clBlack, clBlack, 1); break;
                case fsDark: Frame3D(C, R, clBtnFace, cl3DDkShadow, 1); break;
                case fsMono: Frame3D(C, R, clBtnHighlight, cl3DDkShadow, 1); break;
                default: break;
            }
        }
    }
    R = Rect(0, 0, W, H);
    if (FState.Pressed) {
        switch (FFrameStyle) {
            case fsRegular: case fsIndent:
                if (FShowPressed) {
                    Frame3D(C, R, clBlack, clBtnHighlight, BW);
                    Frame3D(C, R, clBtnShadow, clBtnFace, BW);
                }
                break;
            case fsExplorer:
                if (FState.Hot || FState.Down) {
                    if (FShowPressed) Frame3D(C, R, clBtnShadow, clBtnHighlight, BW);
                    else Frame3D(C, R, clBtnHighlight, clBtnShadow, BW);
                }
                break;
            case fsLight: if (FShowPressed) Frame3D(C, R, clBtnShadow, clBtnHighlight, 1); break;
            case fsDark: if (FShowPressed) Frame3D(C, R, cl3DDkShadow, clBtnFace, 1); break;
            case fsMono: if (FShowPressed) Frame3D(C, R, cl3DDkShadow, clBtnHighlight, 1); break;
            case fsNone: break;
        }
    } else {
        switch (FFrameStyle) {
            case fsRegular:
                Frame3D(C, R, clBtnHighlight, clBlack, BW);
                Frame3D(C, R, clBtnFace, clBtnShadow, BW);
                break;
            case fsIndent: Frame3D(C, R, clBtnShadow, clBtnHighlight, BW); break;
            case fsExplorer: if (FState.Hot) Frame3D(C, R, clBtnHighlight, clBtnShadow, BW); break;
            case fsNone: break;
            case fsLight: Frame3D(C, R, clBtnHighlight, clBtnShadow, 1); break;
            case fsDark: Frame3D(C, R, clBtnFace, cl3DDkShadow, 1); break;
            case fsMono: Frame3D(C, R, clBtnHighlight, clBlack, 1); break;
        }
    }
}

void TTransparentButton::PaintGlyph(const TRect& G) {
    if (FGlyph->Empty() || !FImages || FImages->Count() < 3) return;
    TTransImageChoice Choice;
    Choice.NumGlyphs = FNumGlyphs;
    Choice.ImageCount = FImages->Count();
    Choice.Enabled = Enabled();
    Choice.Pressed = FState.Pressed;
    Choice.Explorer = FFrameStyle == fsExplorer;
    Choice.AutoGray = FAutoGray;
    Choice.Hot = FState.Hot;
    const int Index = std::clamp(TransImageIndex(Choice), 0, Choice.ImageCount - 1);
    TPoint P = G.TopLeft();
    if (FState.Pressed && FShowPressed) P = {P.X + 1, P.Y + 1};
    FImages->Draw(Canvas(), P.X, P.Y, Index);
    FGlyph->Dormant();
}

void TTransparentButton::PaintCaption(int W, int H, const TRect& G) {
    const std::string Text = Caption();
    if (Text.empty()) return;
    HDC DC = Canvas()->Handle();
    HGDIOBJ OldFont = SelectObject(DC, Font()->Handle());
    const UINT Lines = FWordWrap ? DT_WORDBREAK : DT_SINGLELINE;
    RECT R{0, 0, W, H};
    DrawTextExA(DC, const_cast<char*>(Text.c_str()), -1, &R, DT_CALCRECT | DT_END_ELLIPSIS | Lines, nullptr);
    const int TW = R.right - R.left, TH = R.bottom - R.top;
    TPoint Off = TransCaptionOffset(FTextAlign, W, H, TW, TH, FSpacing, G);
    if (FState.Pressed && FShowPressed) Off = {Off.X + 1, Off.Y + 1};
    OffsetRect(&R, Off.X - R.left, Off.Y - R.top);
    const int OldMode = SetBkMode(DC, TRANSPARENT);
    const UINT Flags = DT_CENTER | DT_NOCLIP | DT_END_ELLIPSIS | Lines;
    COLORREF OldColor;
    if (Enabled()) {
        OldColor = SetTextColor(DC, ColorToRGB(Font()->Color()));
        DrawTextExA(DC, const_cast<char*>(Text.c_str()), -1, &R, Flags, nullptr);
    } else {
        OldColor = SetTextColor(DC, ColorToRGB(clBtnHighlight));
        RECT Shifted = R;
        OffsetRect(&Shifted, 1, 1);
        DrawTextExA(DC, const_cast<char*>(Text.c_str()), -1, &Shifted, Flags, nullptr);
        SetTextColor(DC, ColorToRGB(clBtnShadow));
        DrawTextExA(DC, const_cast<char*>(Text.c_str()), -1, &R, Flags, nullptr);
    }
    SetTextColor(DC, OldColor);
    SetBkMode(DC, OldMode);
    SelectObject(DC, OldFont);
}

void TTransparentButton::Paint() {
    const int W = Width(), H = Height();
    PaintFrame(W, H);
    const int CW = TransCellWidth(FGlyph->Width(), FNumGlyphs);
    const TRect G = TransGlyphRect(FTextAlign, W, H, CW, FGlyph->Height(), FSpacing);
    PaintGlyph(G);
    PaintCaption(W, H, G);
}

void TTransparentButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!Enabled()) return;
    bool Repaint = false;
    if (!FState.BeginPress(InClient(X, Y), Repaint)) return;
    TGraphicControl::MouseDown(Button, Shift, X, Y);
    if (FMovable) FGrab = {X, Y};
    if (Repaint) Invalidate();
    if (TPopupMenu* Menu = PopupMenu()) {
        const TPoint P = ClientToScreen({0, Height()});
        Menu->SetPopupComponent(this);
        Menu->Popup(P.X, P.Y);
        // The press that opened the menu ends here; clicks made while it was
        // open are not for us.
        MSG M;
        while (PeekMessageA(&M, nullptr, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
        }
        MouseUp(Button, Shift, X, Y);
    }
}

void TTransparentButton::MouseMove(TShiftState Shift, int X, int Y) {
    if (!Enabled()) return;
    TGraphicControl::MouseMove(Shift, X, Y);
    if (!FState.Tracking) return;
    if (FMovable) {
        SetBounds(Left() + X - FGrab.X, Top() + Y - FGrab.Y, Width(), Height());
        // The button moved under the mouse: the point is now at the grab point.
        X = FGrab.X;
        Y = FGrab.Y;
    }
    if (FState.Track(InClient(X, Y))) Invalidate();
}

void TTransparentButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (!Enabled()) return;
    const auto Result = FState.Release();
    if (Result != TTransButtonState::rrReleased) {
        if (Result == TTransButtonState::rrLatched) Invalidate();
        return;
    }
    TGraphicControl::MouseUp(Button, Shift, X, Y);
    Invalidate();
}

void TTransparentButton::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CM_MOUSEENTER:
            if (Enabled()) {
                FState.Hot = true;
                OnMouseEnter(this);
                if (FFrameStyle == fsExplorer) Invalidate();
            }
            break;
        case CM_MOUSELEAVE:
            if (Enabled()) {
                FState.Hot = false;
                OnMouseExit(this);
                if (FFrameStyle == fsExplorer || FFrameStyle == fsLight) Invalidate();
            }
            break;
        case CM_DIALOGCHAR:
            if (Enabled() && IsAccel(static_cast<unsigned>(Message.WParam), Caption())) {
                Click();
                Message.Result = 1;
                return;
            }
            break;
        case CM_ENABLEDCHANGED:
            if (!Enabled()) {
                FState.Disable();
                // A press in progress must not end in a click once disabled.
                FControlState.Exclude(csClicked);
                if (MouseCapture()) SetMouseCapture(false);
            }
            Invalidate();
            break;
        default:
            break;
    }
    TGraphicControl::WndProc(Message);
}

QRN_PUBLISHED(TTransparentButton) {
    B.Prop("AutoGray", &TTransparentButton::AutoGray, &TTransparentButton::SetAutoGray).Default(true);
    B.Prop("BorderWidth", &TTransparentButton::BorderWidth, &TTransparentButton::SetBorderWidth).Default(1u);
    B.Prop("Down", &TTransparentButton::Down, &TTransparentButton::SetDown).Default(false);
    B.Prop("FrameStyle", &TTransparentButton::FrameStyle, &TTransparentButton::SetFrameStyle).Default(fsExplorer);
    B.Prop("Glyph", &TTransparentButton::Glyph, &TTransparentButton::SetGlyph);
    B.Prop("NumGlyphs", &TTransparentButton::NumGlyphs, &TTransparentButton::SetNumGlyphs).Default(1);
    B.Prop("ShowPressed", &TTransparentButton::ShowPressed, &TTransparentButton::SetShowPressed).Default(true);
    B.Prop("Spacing", &TTransparentButton::Spacing, &TTransparentButton::SetSpacing).Default(2);
    B.Prop("TextAlign", &TTransparentButton::TextAlign, &TTransparentButton::SetTextAlign).Default(ttaCenter);
    B.Prop("Transparent", &TTransparentButton::Transparent, &TTransparentButton::SetTransparent).Default(true);
    B.Prop("WordWrap", &TTransparentButton::WordWrap, &TTransparentButton::SetWordWrap).Default(false);
    B.Prop("Movable", &TTransparentButton::Movable, &TTransparentButton::SetMovable).Default(false);
    B.Event("OnMouseEnter", &TTransparentButton::OnMouseEnter);
    B.Event("OnMouseExit", &TTransparentButton::OnMouseExit);
}
