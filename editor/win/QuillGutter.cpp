#include "editor/win/QuillGutter.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "framework/classes/TypeInfo.h"

TQuillGutter::TQuillGutter(TComponent* AOwner) : TGraphicControl(AOwner) {
    for (int32_t& L : FMarkLines) L = -1;
    TControlStyle S = ControlStyle();
    S.Include(csOpaque);
    SetControlStyle(S);
    SetBounds(Left(), Top(), 30, 50);
    LoadIcons();
}

TQuillGutter::~TQuillGutter() {
    SetQuillMemo(nullptr);
    FreeBookmarks();
}

void TQuillGutter::LoadIcons() {
    FIcons = std::make_unique<TImageList>(IconSize, IconSize);
    try {
        TBitmap B;
        B.LoadFromResourceName(FrameworkInstance(), "PG_BOOKMARKICONS1");
        FIcons->AddMasked(&B, clWhite);
    } catch (const std::exception&) {
        // A program without the resource shows line numbers only.
    }
}

void TQuillGutter::FreeBookmarks() {
    for (int I = 0; I < BookmarkCount; ++I) {
        FMarks[I].reset();
        FMarkLines[I] = -1;
    }
}

void TQuillGutter::SetQuillMemo(TQuillMemo* Value) {
    if (Value == FMemo) return;
    FreeBookmarks();
    if (FMemo) FMemo->DetachControl(this);
    FMemo = Value;
    if (FMemo) FMemo->AttachControl(this);
    FLineCount = -1;
    Invalidate();
}

void TQuillGutter::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    Invalidate();
}

void TQuillGutter::SetLineNumbers(bool Value) {
    if (Value == FLineNumbers) return;
    FLineNumbers = Value;
    Invalidate();
}

int32_t TQuillGutter::BookmarkLine(int N) {
    if (N < 0 || N >= BookmarkCount || !FMarks[N] || !FMarks[N]->Editor) return -1;
    return FMarks[N]->GetLineNb();
}

int TQuillGutter::BookmarkAtLine(int32_t Line) {
    for (int I = 0; I < BookmarkCount; ++I)
        if (BookmarkLine(I) == Line) return I;
    return -1;
}

bool TQuillGutter::ToggleBookmark(int32_t Line, int N) {
    if (N < 0 || N >= BookmarkCount || !FMemo) return false;
    if (BookmarkLine(N) == Line) {
        FMarks[N].reset();
    } else {
        int Other = BookmarkAtLine(Line);
        if (Other >= 0) return false;
        FMarks[N] = std::make_unique<TQuillNavigator>(FMemo);
        FMarks[N]->SetLineNb(Line);
    }
    Invalidate();
    return true;
}

void TQuillGutter::Notification(TComponent* AComponent, TOperation Operation) {
    if (Operation == static_cast<TOperation>(QuillRelayOperation)) {
        if (AComponent == FMemo && FMemo) EditorMessage(FMemo->RelayedMessage());
        return;
    }
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FMemo && FMemo) {
        FreeBookmarks();
        FMemo = nullptr;
        Invalidate();
    }
}

void TQuillGutter::EditorMessage(const TMessage& Message) {
    switch (Message.Msg) {
        case WM_KEYDOWN: {
            if (Message.WParam < '0' || Message.WParam > '9') return;
            int Digit = static_cast<int>(Message.WParam - '0');
            TShiftState Shift = KeyDataToShiftState(Message.LParam);
            if (!Shift.Contains(ssCtrl) || Shift.Contains(ssAlt)) return;
            if (Shift.Contains(ssShift)) {
                ToggleBookmark(FMemo->CaretDisplayLine(), Digit);
                Invalidate();
            } else if (int32_t Line = BookmarkLine(Digit); Line >= 0) {
                FMemo->SetCaretLine(Line);
                FMemo->ScrollCaretIntoView();
            }
            return;
        }
        case QM_VSCROLLED:
        case QM_TEXTCHANGED:
            FollowEditor(true);
            return;
        case QM_FONTCHANGED:
            Invalidate();
            return;
    }
}

namespace {
// A DC of the gutter's parent for painting rows at once, its state restored
// and the DC given back on every way out.
struct TParentDC {
    HWND Wnd;
    HDC DC;
    int Saved;
    explicit TParentDC(HWND W) : Wnd(W), DC(GetDC(W)), Saved(SaveDC(DC)) {}
    ~TParentDC() {
        RestoreDC(DC, Saved);
        ReleaseDC(Wnd, DC);
    }
    TParentDC(const TParentDC&) = delete;
    TParentDC& operator=(const TParentDC&) = delete;
};
}  // namespace

// A row shows the number of the editor's line beside it, so the numbers
// move with the editor's pixels (MovePixels; a paint cannot move them and
// paints all again); otherwise only rows whose line came or went (the line
// count changed) or whose bookmark moved are painted again. Enter in the
// middle of the text changes no number beside any row.
//
// Told by the editor, the gutter moves its pixels and paints those rows at
// once through a DC of its parent when the parent has nothing else to
// paint: under Wine ScrollWindow and the parent's paint that follows are
// round trips to the window server that held a key which scrolled the view
// (an Enter at the bottom, a jump to the caret) for 1-2 ms.
void TQuillGutter::FollowEditor(bool MovePixels) {
    bool Known = FLineCount >= 0;
    int32_t OldCount = FLineCount;
    FLineCount = FMemo->LineCount();
    if (!Known || !Visible() || !Parent() || !Parent()->HandleAllocated() || !FMemo->HandleAllocated()) {
        FScrollY = FMemo->ScrollY();
        for (int I = 0; I < BookmarkCount; ++I) FMarkLines[I] = BookmarkLine(I);
        Invalidate();
        return;
    }
    const HWND ParentWnd = Parent()->Handle();
    const RECT Bounds = ToRECT(BoundsRect());
    RECT Due{};
    // Asked of the system only when there is something to paint (a round trip).
    int Direct = MovePixels ? -1 : 0;
    auto CanPaintNow = [&] {
        if (Direct < 0) Direct = GetUpdateRect(ParentWnd, nullptr, FALSE) ? 0 : 1;
        return Direct == 1;
    };
    if (FMemo->ScrollY() != FScrollY) {
        const int64_t DY = static_cast<int64_t>(FScrollY) - FMemo->ScrollY();
        FScrollY = FMemo->ScrollY();
        // A move as tall as the gutter keeps no pixel.
        if (!MovePixels || std::abs(DY) >= Height()) {
            Due = Bounds;
        } else if (CanPaintNow()) {
            HRGN Uncovered = CreateRectRgn(0, 0, 0, 0);
            {
                TParentDC DC(ParentWnd);
                ScrollDC(DC.DC, 0, static_cast<int>(DY), &Bounds, &Bounds, Uncovered, nullptr);
            }
            GetRgnBox(Uncovered, &Due);
            DeleteObject(Uncovered);
        } else {
            ScrollWindow(ParentWnd, 0, static_cast<int>(DY), &Bounds, &Bounds);
        }
    }
    if (FLineCount != OldCount && FLineNumbers) AddRows(Due, std::min(FLineCount, OldCount), std::max(FLineCount, OldCount) - 1);
    for (int I = 0; I < BookmarkCount; ++I) {
        int32_t Line = BookmarkLine(I);
        if (Line == FMarkLines[I]) continue;
        AddRows(Due, FMarkLines[I], FMarkLines[I]);
        AddRows(Due, Line, Line);
        FMarkLines[I] = Line;
    }
    if (IsRectEmpty(&Due)) return;
    if (!CanPaintNow()) {
        InvalidateRect(ParentWnd, &Due, FALSE);
        return;
    }
    TParentDC DC(ParentWnd);
    SetWindowOrgEx(DC.DC, -Left(), -Top(), nullptr);
    IntersectClipRect(DC.DC, Due.left - Left(), Due.top - Top(), Due.right - Left(), Due.bottom - Top());
    Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC.DC), 0);
}

void TQuillGutter::AddRows(RECT& Due, int32_t First, int32_t Last) {
    const int32_t LH = FMemo->EffectiveLineHeight();
    if (First < 0 || Last < First || LH <= 0) return;
    // Rows in the parent's pixels, where this control paints.
    const int64_t LineZero = static_cast<int64_t>(FMemo->ClientOrigin().Y) - ClientOrigin().Y + Top() - FScrollY;
    const int64_t Y1 = std::max<int64_t>(LineZero + static_cast<int64_t>(First) * LH, Top());
    const int64_t Y2 = std::min<int64_t>(LineZero + (static_cast<int64_t>(Last) + 1) * LH, Top() + Height());
    if (Y1 >= Y2) return;
    RECT R{Left(), static_cast<LONG>(Y1), Left() + Width(), static_cast<LONG>(Y2)};
    UnionRect(&Due, &Due, &R);
}

void TQuillGutter::Paint() {
    TCanvas* C = Canvas();
    const int W = ClientWidth() - 2;
    const TRect Clip = C->ClipRect();
    C->Brush()->SetStyle(bsSolid);
    C->Brush()->SetColor(Color());
    C->FillRect(Clip);
    if (Clip.Right > W) {
        C->Pen()->SetColor(clBtnHighlight);
        C->MoveTo(W, Clip.Top);
        C->LineTo(W, Clip.Bottom);
        C->Pen()->SetColor(clBtnShadow);
        C->MoveTo(W + 1, Clip.Top);
        C->LineTo(W + 1, Clip.Bottom);
    }
    if (!FMemo || !FMemo->HandleAllocated()) return;
    // The view may have moved or lines come and gone without the editor
    // saying so (layout in the background).
    FollowEditor(false);
    const int32_t LH = FMemo->EffectiveLineHeight();
    if (LH <= 0) return;
    const TPoint EditorOrigin = FMemo->ClientOrigin();
    const TPoint Origin = ClientOrigin();
    const int32_t ClipTop = Clip.Top + Origin.Y - EditorOrigin.Y;
    int32_t Line = ClipTop > 0 ? (ClipTop + FScrollY) / LH : FMemo->TopLine();
    int64_t Y = EditorOrigin.Y + static_cast<int64_t>(Line) * LH - FScrollY - Origin.Y;
    int DigitW = 0;
    if (FLineNumbers) {
        C->SetFont(Font());
        C->Brush()->SetStyle(bsClear);
        SetTextAlign(C->Handle(), TA_BASELINE);
        if (FAlignment != taLeftJustify) DigitW = C->TextWidth("0");
    }
    const int32_t Baseline = FMemo->BaselineOffset();
    int32_t IconOffset = (LH - IconSize) / 2;
    if (IconOffset + IconSize < Baseline) IconOffset = Baseline - IconSize;
    for (; Y < Clip.Bottom && Line < FMemo->LineCount(); ++Line, Y += LH) {
        int Mark = -1;
        for (int I = 0; I < BookmarkCount && Mark < 0; ++I)
            if (FMarkLines[I] == Line) Mark = I;
        if (Mark >= 0 && Mark < FIcons->Count()) {
            int X = FAlignment == taLeftJustify ? 2 : FAlignment == taRightJustify ? W - IconSize : (W - IconSize) / 2;
            FIcons->Draw(C, X, static_cast<int>(Y) + IconOffset, Mark);
        } else if (FLineNumbers) {
            const std::string S = std::to_string(Line + 1);
            const int Width = static_cast<int>(S.size()) * DigitW;
            int X = FAlignment == taLeftJustify ? 0 : FAlignment == taRightJustify ? W - Width : (W - Width) / 2;
            C->TextOut(X, static_cast<int>(Y) + Baseline, S);
        }
    }
}

QRN_PUBLISHED(TQuillGutter) {
    B.Prop("QuillMemo", &TQuillGutter::QuillMemo, &TQuillGutter::SetQuillMemo);
    B.Prop("Alignment", &TQuillGutter::Alignment, &TQuillGutter::SetAlignment).Default(taCenter);
    B.Prop("Bookmarks", &TQuillGutter::Bookmarks, &TQuillGutter::SetBookmarks).Default(true);
    B.Prop("LineNumbers", &TQuillGutter::LineNumbers, &TQuillGutter::SetLineNumbers).Default(true);
}
