// Printing: display lines are drawn onto a printer's page as painting draws
// them into the line bitmap, scaled from the screen's resolution to the
// page's; the text is laid out for the page's width while it prints.
#include <algorithm>

#include "editor/win/QuillMemo.h"
#include "editor/win/QuillPrinter.h"
#include "editor/win/QuillWindowSideWin.h"

// ---- the default printer

TQuillSystemPrinter::~TQuillSystemPrinter() {
    if (FDC) EndDoc(true);
}

bool TQuillSystemPrinter::BeginDoc(const std::string& Title) {
    PRINTDLGA PD{};
    PD.lStructSize = sizeof(PD);
    PD.Flags = PD_RETURNDEFAULT | PD_RETURNDC | PD_NOWARNING;
    if (!PrintDlgA(&PD)) return false;
    if (PD.hDevMode) GlobalFree(PD.hDevMode);
    if (PD.hDevNames) GlobalFree(PD.hDevNames);
    FDC = PD.hDC;
    if (!FDC) return false;
    DOCINFOA DI{};
    DI.cbSize = sizeof(DI);
    DI.lpszDocName = Title.c_str();
    FStarted = StartDocA(FDC, &DI) > 0;
    if (!FStarted) {
        DeleteDC(FDC);
        FDC = nullptr;
    }
    return FStarted;
}

bool TQuillSystemPrinter::StartPage() { return ::StartPage(FDC) > 0; }

bool TQuillSystemPrinter::EndPage() { return ::EndPage(FDC) > 0; }

void TQuillSystemPrinter::EndDoc(bool Aborted) {
    if (!FDC) return;
    if (FStarted) {
        if (Aborted)
            AbortDoc(FDC);
        else
            ::EndDoc(FDC);
    }
    DeleteDC(FDC);
    FDC = nullptr;
    FStarted = false;
}

// ---- the editor's side

namespace {

// Screen and page resolutions of one axis.
struct TScale {
    int Screen, Page;
    int ToScreen(int V) const { return MulDiv(V, Screen, Page); }
};

TScale ScaleOf(HDC ScreenDC, HDC PageDC, int Index) {
    int S = GetDeviceCaps(ScreenDC, Index), P = GetDeviceCaps(PageDC, Index);
    if (S <= 0 || P <= 0) S = P = 1;
    return {S, P};
}

}  // namespace

void TQuillMemo::RelayoutForWidth(int32_t Width) {
    FSide->SetPrintWidth(Width);
    int32_t Count = ParagraphCount();
    for (int32_t i = 0; i < Count; ++i) Layout(i).Formatted = 0;
    FMaxWidth = 0;
    FWidestPar = -1;
    FormatRange(0, Count - 1, true);
}

int32_t TQuillMemo::PaintTo(HDC DC, const RECT& Rect, int32_t FirstLine) {
    int32_t LH = FLineHeightPx;
    FirstLine = std::max(FirstLine, 0);
    if (!FSide || !FFonts || LH <= 0 || FUpdateCount > 0 || FirstLine >= FLineCount) return FirstLine;
    TScale SX = ScaleOf(FSide->DC(), DC, LOGPIXELSX), SY = ScaleOf(FSide->DC(), DC, LOGPIXELSY);
    int32_t PageW = SX.ToScreen(Rect.right - Rect.left);
    // At least one line per page, so that printing always moves on.
    int32_t Lines = std::max(SY.ToScreen(Rect.bottom - Rect.top) / LH, 1);
    int32_t Last = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(FirstLine) + Lines, FLineCount));
    EnsureLinesLaidOut(FirstLine, Last - 1);

    int Saved = SaveDC(DC);
    SetMapMode(DC, MM_ANISOTROPIC);
    SetWindowExtEx(DC, SX.Screen, SY.Screen, nullptr);
    SetViewportExtEx(DC, SX.Page, SY.Page, nullptr);
    SetViewportOrgEx(DC, Rect.left, Rect.top, nullptr);
    IntersectClipRect(DC, 0, 0, PageW, (Last - FirstLine) * LH);
    SetTextAlign(DC, TA_BASELINE | TA_UPDATECP);
    // Pages show the text from its left edge, wherever the window is scrolled.
    int32_t OldScrollX = FScrollX;
    FScrollX = 0;
    struct TRestore {
        HDC DC;
        int Saved;
        int32_t& ScrollX;
        int32_t Old;
        ~TRestore() {
            ScrollX = Old;
            RestoreDC(DC, Saved);
        }
    } Restore{DC, Saved, FScrollX, OldScrollX};
    for (int32_t Line = FirstLine; Line < Last; ++Line) PaintLine(DC, Line, PageW, (Line - FirstLine) * LH, true);
    return Last;
}

bool TQuillMemo::Print(const std::string& Title, IQuillPrinter* Printer) {
    if (!FSide || FUpdateCount > 0 || FLineHeightPx <= 0) return false;
    TQuillSystemPrinter System;
    if (!Printer) Printer = &System;
    if (!Printer->BeginDoc(Title)) return false;
    HDC DC = Printer->PageDC();
    SIZE Size = Printer->PageSize();
    RECT Page{0, 0, Size.cx, Size.cy};
    int32_t PageW = ScaleOf(FSide->DC(), DC, LOGPIXELSX).ToScreen(Page.right);
    int32_t TopPos = TopNavigator()->Pos, TopRest = FScrollY % FLineHeightPx, OldX = FScrollX;
    // However printing ends, the text is laid out for the window again and
    // the view goes back to the text it showed.
    struct TBack {
        TQuillMemo* M;
        IQuillPrinter* P;
        bool Done = false;
        int32_t TopPos, TopRest, OldX;
        ~TBack() {
            P->EndDoc(!Done);
            M->RelayoutForWidth(0);
            TQuillNavigator N(M);
            N.SetPos(TopPos);
            M->ScrollTo(N.GetLineNb() * M->FLineHeightPx + TopRest, OldX);
            M->FSide->InvalidateAll();
        }
    } Back{this, Printer, false, TopPos, TopRest, OldX};
    RelayoutForWidth(std::max(PageW, 1));
    int32_t Line = 0;
    while (Line < FLineCount) {
        if (!Printer->StartPage()) return false;
        int32_t Next = PaintTo(DC, Page, Line);
        if (!Printer->EndPage() || Next <= Line) return false;
        Line = Next;
    }
    Back.Done = true;
    return true;
}
