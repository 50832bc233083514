// Painting: every display line is drawn into a one-line memory bitmap and
// copied to the window, so a line never flickers.
#include <algorithm>

#include "editor/QuillJustify.h"
#include "editor/win/QuillMemo.h"
#include "editor/win/QuillWindowSideWin.h"

namespace {

void FillSolid(HDC DC, int X1, int Y1, int X2, int Y2, COLORREF C) {
    if (X2 <= X1 || Y2 <= Y1) return;
    RECT R{X1, Y1, X2, Y2};
    COLORREF Old = SetBkColor(DC, C);
    ExtTextOutA(DC, 0, 0, ETO_OPAQUE, &R, nullptr, 0, nullptr);
    SetBkColor(DC, Old);
}

int CurrentX(HDC DC) {
    POINT P{};
    GetCurrentPositionEx(DC, &P);
    return P.x;
}

}  // namespace

void TQuillMemo::Paint(HDC DC, const RECT& Inv) {
    if (FPainting || FUpdateCount > 0) return;
    FPainting = true;
    struct TReset {
        bool& B;
        ~TReset() { B = false; }
    } Reset{FPainting};
    COLORREF Back = ColorToRGB(Color());
    int32_t LH = FLineHeightPx;
    int32_t ClientW = ClientWidth();
    if (!FLineDC || LH <= 0 || ClientW > FLineBitmapWidth) MakeLineBitmap();
    if (!FLineDC || LH <= 0) {
        FillSolid(DC, Inv.left, Inv.top, Inv.right, Inv.bottom, Back);
        return;
    }
    int32_t FirstRel = std::max(PixelToLine(Inv.top), 0);
    int32_t LastRel = PixelToLine(std::max<int32_t>(Inv.bottom - 1, 0));
    // Laying out the top paragraph may move the top line (the view keeps
    // its text): lay out again until the lines to paint stay put.
    int32_t Top = TopLine();
    for (int Round = 0; Round < 4; ++Round) {
        EnsureLinesLaidOut(Top + FirstRel, Top + LastRel);
        if (TopLine() == Top) break;
        Top = TopLine();
    }
    int32_t Y = LineToPixel(FirstRel);
    for (int32_t Rel = FirstRel; Y < Inv.bottom && Top + Rel < FLineCount; ++Rel, Y += LH) {
        PaintLine(FLineDC, Top + Rel, ClientW, 0, false);
        BitBlt(DC, Inv.left, Y, Inv.right - Inv.left, LH, FLineDC, Inv.left, 0, SRCCOPY);
    }
    if (Y < Inv.bottom) FillSolid(DC, Inv.left, std::max<int32_t>(Y, Inv.top), Inv.right, Inv.bottom, Back);
    // The end-of-text mark lies just below the last line.
    if (FEndOfTextMark->Color() != clNone && FEndOfTextMark->Style() != psClear) {
        int64_t MarkY = static_cast<int64_t>(FLineCount) * LH - FScrollY + FEndOfTextMark->Width() / 2;
        if (MarkY >= Inv.top - FEndOfTextMark->Width() && MarkY <= Inv.bottom + FEndOfTextMark->Width()) {
            HGDIOBJ OldPen = SelectObject(DC, FEndOfTextMark->Handle());
            MoveToEx(DC, 0, static_cast<int>(MarkY), nullptr);
            LineTo(DC, ClientW, static_cast<int>(MarkY));
            SelectObject(DC, OldPen);
        }
    }
}

void TQuillMemo::PaintLine(HDC DC, int32_t Line, int32_t ClientW, int32_t Y0, bool Printing) {
    int32_t LH = FLineHeightPx;
    TQuillNavigator* W = FNav.PaintWalk.get();
    W->ResetCache();
    const TDisplayLine DL = W->SetLineNb(Line);
    TParagraph& P = *W->Par;
    int32_t ParNb = W->ParNb;
    const TParLayout& Lay = Layout(ParNb);
    int32_t PStart = ParagraphStart(ParNb);
    int32_t LineInPar = W->LineInPar;
    bool LastLine = LineInPar == Lay.LineCount() - 1;
    COLORREF Back = ColorToRGB(Lay.BackColor() != -1 ? Lay.BackColor() : Color());
    FillSolid(DC, 0, Y0, ClientW, Y0 + LH, Back);

    int32_t X0 = FLeftMargin - FScrollX;
    int32_t Right = ClientW - FRightMargin;
    bool Justify = IsJustifiedLine(FJustified, DL, LastLine);
    TJustifySpacer Spacer = Justify ? LineSpacer(DL, ClientW, FLeftMargin, FRightMargin) : TJustifySpacer();
    if (!Justify) {
        if (FAlignment == qaRightJustify)
            X0 = Right - DL.Width;
        else if (FAlignment == qaCenter)
            X0 = (X0 + Right - DL.Width) / 2;
    }

    // The selection's span on this line.
    bool WinColors = HasOption(pmoWindowsSelColors);
    int32_t LineStart = PStart + DL.Start, LineEnd = PStart + DL.End;
    int32_t SS = SelStartNav()->Pos, SE = SelEndNav()->Pos;
    bool ShowSel = !Printing && FSelLength != 0 && (!FHideSelection || (HandleAllocated() && GetFocus() == FHandle));
    bool Meets = ShowSel && SS < (LastLine ? LineEnd + 2 : LineEnd) && SE > LineStart;
    int32_t SelX1 = 0, SelX2 = 0;
    if (Meets) {
        SelX1 = SS >= LineStart ? ColumnToX(P, ParNb, SS - LineStart, LineInPar) : X0;
        bool EndsHere = SE <= LineEnd && (SE < LineEnd || LastLine);
        if (EndsHere)
            SelX2 = ColumnToX(P, ParNb, SE - LineStart, LineInPar);
        else
            SelX2 = HasOption(pmoFullLineSelect) ? ClientW : Justify ? std::max(Right, X0 + DL.Width) : X0 + DL.Width;
        if (WinColors) FillSolid(DC, SelX1, Y0, SelX2, Y0 + LH, GetSysColor(COLOR_HIGHLIGHT));
    }

    MoveToEx(DC, X0, Y0 + FBaselineOffset, nullptr);
    int64_t TabW = std::max<int64_t>(1, static_cast<int64_t>(FTabStops) * FAvgCharWidth);
    uint8_t Style = DL.Style();
    int32_t StopIdx = 0;
    while (StopIdx < P.StopCount && P.StopOffset(StopIdx) <= DL.Start) ++StopIdx;
    const char* T = P.Text();
    HFONT RunFont = nullptr;
    COLORREF RunFg = CLR_INVALID;
    int RunMode = 0;
    int32_t i = DL.Start;
    while (i < DL.End) {
        char C = T[i];
        if (FStaticFormat && IsStyleCode(C)) {
            Style = ApplyStyleCode(Style, C);
            ++i;
            while (StopIdx < P.StopCount && P.StopOffset(StopIdx) <= i) ++StopIdx;
            continue;
        }
        const TFormatStop& S = StopIdx > 0 ? P.Stop(StopIdx - 1) : *P.StartContext;
        bool HStop = IsHighlightingStop(S);
        uint8_t Eff = HStop ? static_cast<uint8_t>(S.Kind & 0x3F) : Style;
        bool Selected = WinColors && Meets && PStart + i >= SS && PStart + i < SE;
        TColor Fg;
        TColor Bg = clNone;
        if (Eff & qsHighlight) {
            Fg = FHighlightColor;
            Bg = FHighlightBackgnd;
        } else {
            Fg = Lay.TextColor() != -1 ? Lay.TextColor() : FFonts->Color(Eff);
            if (HStop && !(S.Foreground == 0 && S.Background == 0) && Lay.TextColor() == -1 && Lay.BackColor() == -1) {
                if (S.Foreground != -1) Fg = S.Foreground;
                if (S.Background != -1) Bg = S.Background;
            }
        }
        COLORREF FgRGB = Selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : ColorToRGB(Fg);
        bool Opaque = !Selected && Bg != clNone;
        if (C == '\t') {
            int X = CurrentX(DC);
            int64_t Next = X0 + ((X - X0) / TabW + 1) * TabW;
            if (Opaque) FillSolid(DC, X, Y0, static_cast<int>(Next), Y0 + LH, ColorToRGB(Bg));
            MoveToEx(DC, static_cast<int>(Next), Y0 + FBaselineOffset, nullptr);
            ++i;
            while (StopIdx < P.StopCount && P.StopOffset(StopIdx) <= i) ++StopIdx;
            continue;
        }
        // A run ends at a tab, a style code, the next stop, after a justified
        // space and, with system selection colours, a selection end.
        bool Spread = Justify && i >= DL.JustifyFrom;
        int32_t Limit = DL.End;
        if (StopIdx < P.StopCount) Limit = std::min(Limit, P.StopOffset(StopIdx));
        if (Justify && DL.JustifyFrom > i) Limit = std::min(Limit, DL.JustifyFrom);
        if (WinColors && Meets) {
            if (SS - PStart > i) Limit = std::min(Limit, SS - PStart);
            if (SE - PStart > i) Limit = std::min(Limit, SE - PStart);
        }
        int32_t j = i + 1;
        if (!(Spread && C == ' '))
            while (j < Limit && T[j] != '\t' && !(FStaticFormat && IsStyleCode(T[j])) && !(Spread && T[j] == ' ')) ++j;
        // Runs of a line mostly share font and colours: set only what changes.
        HFONT Font = FFonts->Get(Eff);
        if (Font != RunFont) SelectObject(DC, RunFont = Font);
        if (FgRGB != RunFg) SetTextColor(DC, RunFg = FgRGB);
        int Mode = Opaque ? OPAQUE : TRANSPARENT;
        if (Mode != RunMode) SetBkMode(DC, RunMode = Mode);
        if (Opaque) SetBkColor(DC, ColorToRGB(Bg));
        TextOutA(DC, 0, 0, T + i, j - i);
        if (Spread && C == ' ') {
            int X = CurrentX(DC), Extra = Spacer.Next();
            if (Opaque) FillSolid(DC, X, Y0, X + Extra, Y0 + LH, ColorToRGB(Bg));
            MoveToEx(DC, X + Extra, Y0 + FBaselineOffset, nullptr);
        }
        i = j;
        while (StopIdx < P.StopCount && P.StopOffset(StopIdx) <= i) ++StopIdx;
    }
    if (Meets && !WinColors && SelX2 > SelX1) PatBlt(DC, SelX1, Y0, SelX2 - SelX1, LH, DSTINVERT);
    // A selected paragraph end shows as a small block after the text.
    if (Meets && LastLine && FShowEndParSelected && SS <= LineEnd && SE > LineEnd) {
        int32_t X = X0 + DL.Width;
        int32_t W2 = std::max(FAvgCharWidth / 2, 1);
        if (WinColors)
            FillSolid(DC, X, Y0 + LH / 3, X + W2, Y0 + 2 * LH / 3, GetSysColor(COLOR_HIGHLIGHT));
        else
            PatBlt(DC, X, Y0 + LH / 3, W2, 2 * LH / 3 - LH / 3, DSTINVERT);
    }
}
