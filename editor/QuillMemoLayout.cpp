// Layout: breaking paragraphs into display lines, the pending range, and
// background formatting in 25 ms slices.
#include <algorithm>
#include <climits>

#include "editor/QuillHighlighter.h"
#include "editor/QuillJustify.h"
#include "editor/QuillEditor.h"

namespace {
constexpr int64_t SliceMs = 25;
// Laying out in order, the paragraphs ahead are highlighted in one pass
// with the next (a pass has its own cost besides each paragraph's).
constexpr int32_t HighlightAhead = 63;
// Words longer than this are measured by their characters' widths.
constexpr int32_t LongWord = 256;
}

void TQuillEditor::MeasureFont() {
    FSpaceWidth = 1;
    FOverhang = 0;
    FAvgCharWidth = 1;
    if (FWindow) {
        FWindow->SelectStyle(0);
        int32_t One = FWindow->TextWidth(" ", 1);
        int32_t Two = FWindow->TextWidth("  ", 2);
        if (One > 0 && Two > 0) {
            FSpaceWidth = Two - One;
            FOverhang = 2 * One - Two;
            FAvgCharWidth = One;
        }
    }
    if (FLineHeight > 0)
        FLineHeightPx = FLineHeight;
    else
        FLineHeightPx = FWindow ? FWindow->FontLineHeight() + 1 : 0;
}

void TQuillEditor::MarkLayoutPending(int32_t FirstPar, int32_t LineInFirstPar, int32_t LastPar) {
    FirstPar = std::clamp(FirstPar, 0, ParagraphCount() - 1);
    LastPar = std::clamp(LastPar, FirstPar, ParagraphCount() - 1);
    int32_t Line = ParagraphFirstLine(FirstPar) + LineInFirstPar;
    if (FPendLastPar < 0) {
        FPendFirstPar = FirstPar;
        FPendLastPar = LastPar;
        FPendFirstLine = Line;
        FPendLineCount = FLineCount;
    } else {
        FPendFirstPar = std::min(FPendFirstPar, FirstPar);
        FPendLastPar = std::max(FPendLastPar, LastPar);
        FPendFirstLine = std::min(FPendFirstLine, Line);
    }
    FDoc->HighlightAgainFrom(FirstPar);
}

void TQuillEditor::FormatParagraph(int32_t Par, int32_t FromLine) {
    if (!Paragraph(Par).Highlighted) EnsureHighlighted(Par);
    BreakParagraph(Par, FromLine);
}

bool TQuillEditor::WidthsFollowText(int32_t Par) const {
    const TParagraph& P = Paragraph(Par);
    auto FontBits = [](TStopState S) {
        const TFormatStop& F = StopState(S);
        return IsHighlightingStop(F) && (F.Kind & 0x2F) != 0;
    };
    if ((ParagraphLine(Par, 0).Style() & 0x2F) != 0 || FontBits(P.StartContext.Id)) return false;
    for (int32_t k = 0; k < P.StopCount; ++k)
        if (FontBits(P.StopStateAt(k))) return false;
    if (FStaticFormat)
        for (int32_t i = 0; i < P.Length; ++i)
            if (IsStyleCode(P.Text()[i])) return false;
    return true;
}

void TQuillEditor::BreakParagraph(int32_t Par, int32_t FromLine) {
    TParagraph& P = Paragraph(Par);
    if (!P.Parsed && (ApplyKeyWords() || Highlighter())) FDoc->HighlightParagraphKeywords(Par);
    P.Parsed = 1;
    TParLayout& Lay = Layout(Par);
    Lay.Formatted = 1;
    uint8_t Style = LayoutLine(Lay, P.Length, 0).Style();
    // The old lines of an edited paragraph serve when one font measures
    // all of it: then a line's breaks follow from its own text alone.
    TRebreakHint& Hint = FRebreak;
    bool Resume = Hint.Par == Par && Hint.Length == P.Length && FromLine == Hint.FromLine && FWindow &&
                  FromLine < static_cast<int32_t>(Hint.Lines.size()) && WidthsFollowText(Par);
    Hint.Par = -1;
    if (!Resume) FromLine = 0;
    if (!FWindow) {
        // Without a window a paragraph is one display line of width 0.
        SetPlainLine(Lay, P.Length, Style);
        return;
    }
    int64_t W = (!FWordWrap && FAlignment == qaLeftJustify) ? static_cast<int64_t>(INT32_MAX) - FRightMargin
                                                            : static_cast<int64_t>(FWidthForLayout) - FLeftMargin - FRightMargin;
    if (W < 1) W = 1;
    int64_t TabW = std::max<int64_t>(1, static_cast<int64_t>(FTabStops) * FAvgCharWidth);
    std::vector<TDisplayLine>& Lines = FScratchLines;
    Lines.clear();
    const char* T = P.Text();
    int32_t L = P.Length;
    int64_t X = 0;
    int32_t LineStart = 0, Spaces = 0, JustifyFrom = 0;
    if (FromLine > 0) {
        Lines.assign(Hint.Lines.begin(), Hint.Lines.begin() + FromLine);
        LineStart = JustifyFrom = Hint.Lines[static_cast<size_t>(FromLine)].Start;
    }
    uint8_t LineStyle = Style;
    size_t Old = static_cast<size_t>(std::max(FromLine, Hint.FirstReusable));
    bool Done = false;
    int32_t i = LineStart;
    // Stops up to the walk's position give the style in force there.
    int32_t StopIdx = 0;
    auto StyleAt = [&](int32_t At, int32_t& Idx) {
        while (Idx < P.StopCount && P.StopOffset(Idx) <= At) ++Idx;
        const TFormatStop& S = StopState(Idx > 0 ? P.StopStateAt(Idx - 1) : P.StartContext.Id);
        return IsHighlightingStop(S) ? static_cast<uint8_t>(S.Kind & 0x3F) : Style;
    };
    // A run of one font ends at the next stop or at the word's end.
    auto RunEnd = [&](int32_t Idx, int32_t WordEnd) {
        return Idx < P.StopCount ? std::min(WordEnd, P.StopOffset(Idx)) : WordEnd;
    };
    // Widths of single characters in the font selected for a long word.
    int32_t CharW[256];
    int Cached = -1;
    auto SelectFor = [&](uint8_t S, bool Chars) {
        FWindow->SelectStyle(S);
        if (Chars && Cached != S) {
            std::fill(std::begin(CharW), std::end(CharW), -1);
            Cached = S;
        }
    };
    auto Width = [&](char C) {
        int32_t& Wd = CharW[static_cast<unsigned char>(C)];
        if (Wd < 0) Wd = FWindow->CharWidth(C);
        return Wd;
    };
    int32_t Before = 0;
    auto EndLine = [&](int32_t End) {
        TDisplayLine DL;
        DL.Start = LineStart;
        DL.End = End;
        DL.Width = DL.Width2 = static_cast<int32_t>(std::min<int64_t>(X, INT32_MAX));
        DL.SpaceCount = Spaces;
        DL.JustifyFrom = JustifyFrom;
        DL.StyleWord = LineStyle;
        while (Before < P.StopCount && P.StopOffset(Before) < LineStart) ++Before;
        DL.StopsBefore = Before;
        Lines.push_back(DL);
        if (DL.Width > FMaxWidth) {
            FMaxWidth = DL.Width;
            if (!FWordWrap) FWidestPar = Par;
        }
        LineStart = End;
        LineStyle = Style;
        X = 0;
        Spaces = 0;
        JustifyFrom = End;
        if (Resume && End >= Hint.EditEnd) {
            // Past the edit a line end that an old line shares: the old
            // lines after it are what breaking would make again.
            while (Old < Hint.Lines.size() && Hint.Lines[Old].End < End) ++Old;
            if (Old + 1 < Hint.Lines.size() && Hint.Lines[Old].End == End) {
                Lines.insert(Lines.end(), Hint.Lines.begin() + static_cast<std::ptrdiff_t>(Old) + 1, Hint.Lines.end());
                Done = true;
            }
        }
    };
    // The width of the word from At to End in runs of one font (a format
    // stop inside a word changes the font); a long word only until it
    // passes Budget, beyond which it cannot fit on the line anyway.
    auto WordWidth = [&](int32_t At, int32_t End, int64_t Budget) {
        int64_t Wd = 0;
        int32_t Idx = StopIdx;
        bool Long = Budget < INT64_MAX;
        while (At < End && Wd <= Budget) {
            SelectFor(StyleAt(At, Idx), Long);
            int32_t R = RunEnd(Idx, End);
            if (!Long) {
                Wd += FWindow->TextWidth(T + At, R - At);
                At = R;
            } else
                for (; At < R && Wd <= Budget; ++At) Wd += Width(T[At]);
        }
        return Wd;
    };
    // A word wider than the line is broken where it stops fitting, each
    // line keeping one character at least. A run whose characters are all
    // as wide fills whole lines by arithmetic: a long word of one width
    // costs one look at each character and nothing per character placed.
    auto BreakWord = [&](int32_t End) {
        int32_t Idx = StopIdx;
        while (i < End && !Done) {
            SelectFor(StyleAt(i, Idx), true);
            int32_t R = RunEnd(Idx, End);
            int32_t C = Width(T[i]);
            bool Even = C > 0;
            for (int32_t k = i + 1; k < R && Even; ++k) Even = Width(T[k]) == C;
            while (i < R && !Done) {
                int32_t Cw = Even ? C : Width(T[i]);
                if (i > LineStart && X + Cw - FOverhang > W) {
                    EndLine(i);
                    continue;
                }
                int64_t Room = W + FOverhang - X;
                int32_t N = Even && Room >= C ? static_cast<int32_t>(std::min<int64_t>(Room / C, R - i)) : 1;
                X += static_cast<int64_t>(N) * Cw;
                i += N;
            }
        }
    };
    while (i < L && !Done) {
        char C = T[i];
        if (C == ' ') {
            X += FSpaceWidth;
            ++Spaces;
            ++i;
        } else if (C == '\t') {
            X = (X / TabW + 1) * TabW;
            Spaces = 0;
            JustifyFrom = ++i;
        } else if (FStaticFormat && IsStyleCode(C)) {
            Style = ApplyStyleCode(Style, C);
            ++i;
        } else {
            int32_t j = i;
            while (j < L && T[j] != ' ' && T[j] != '\t' && !(FStaticFormat && IsStyleCode(T[j]))) ++j;
            StyleAt(i, StopIdx);
            // A long word is measured a character at a time, and only as
            // far as the line it starts on: breaking it never measures the
            // same characters twice.
            int64_t Wd = WordWidth(i, j, j - i > LongWord ? W - X + FOverhang : INT64_MAX);
            Wd = std::max<int64_t>(0, Wd - FOverhang);
            if (X + Wd > W && i > LineStart) {
                EndLine(i);
                continue;
            }
            if (Wd > W) {
                BreakWord(j);
                X = std::max<int64_t>(0, X - FOverhang);
                continue;
            }
            X += Wd;
            i = j;
        }
    }
    if (!Done && (LineStart < L || Lines.empty())) EndLine(L);
    if (Done) {
        // Stops may have moved past the kept lines' starts.
        Before = 0;
        for (TDisplayLine& DL : Lines) {
            while (Before < P.StopCount && P.StopOffset(Before) < DL.Start) ++Before;
            DL.StopsBefore = Before;
        }
    }
    SetLayoutLines(Lay, P.Length, Lines.data(), static_cast<int32_t>(Lines.size()));
}

void TQuillEditor::ApplyLineDelta(int32_t FirstPar, int32_t LastPar) {
    RenumberLines(std::clamp(FirstPar, 0, ParagraphCount() - 1), LastPar);
    for (TQuillNavigator* N : FDoc->Navigators()) N->LineInPar = QuillUnknown;
    KeepTopLine();
}

void TQuillEditor::KeepTopLine() {
    if (!FWindow || FLineHeightPx <= 0) return;
    // The view stays on the text it shows when lines above it change.
    int32_t Line = TopNavigator()->GetLineNb();
    if (Line == TopLine()) return;
    FScrollY = Line * FLineHeightPx + FScrollY % FLineHeightPx;
    FWindow->InvalidateAll();
    FWindow->UpdateScrollRanges();
}

void TQuillEditor::LayoutLines() {
    if (FUpdateCount > 0 || FPendLastPar < 0) return;
    int32_t Count = ParagraphCount();
    int32_t First = std::clamp(FPendFirstPar, 0, Count - 1);
    int32_t Last = std::clamp(FPendLastPar, First, Count - 1);
    if (FWindow) FWidthForLayout = FWindow->ClientWidth();
    FormatParagraph(First, FRebreak.Par == First && First == Last ? FRebreak.FromLine : 0);
    int32_t Visible = 0;
    if (FWindow && FLineHeightPx > 0) {
        Visible = FWindow->ClientHeight() / FLineHeightPx + 1;
        int32_t Top = TopNavigator()->LocatePar();
        for (int32_t p = Last + 1; p < Count && p <= Top + Visible; ++p)
            if (!Layout(p).Formatted) Last = p;
    }
    int32_t Top = FWindow ? TopNavigator()->LocatePar() : 0;
    for (int32_t p = First + 1; p <= Last; ++p) {
        bool InView = FWindow && p >= Top && p <= Top + Visible;
        if (FUpdateMode == umImmediate || InView) FormatParagraph(p, 0);
    }
    int32_t OldScrollY = FScrollY;
    ApplyLineDelta(First, Last);
    // Later lines keep their pixels, moved by as many lines as the edit
    // added, unless a paragraph in view waits for new highlighting or the
    // view itself moved; then everything from the first changed line down
    // is painted again.
    bool LaterMoved = FScrollY != OldScrollY;
    for (int32_t p = Last + 1; !LaterMoved && FWindow && p < Count && p <= Top + Visible; ++p)
        LaterMoved = !Layout(p).Formatted;
    int32_t Added = FLineCount - FPendLineCount;
    FPendLastPar = -1;
    FPendFirstPar = Count;
    FPendFirstLine = FLineCount;
    FPendLineCount = -1;
    if (FWindow) {
        FWindow->UpdateScrollRanges();
        int32_t Below = ParagraphFirstLine(Last) + ParagraphLineCount(Last);
        if (!LaterMoved && Added != 0) FWindow->MoveLinesBelow(Below - Added, Added);
        FWindow->InvalidateLines(std::min(FPendFirstLine, ParagraphFirstLine(First)), LaterMoved ? INT32_MAX : Below - 1);
        bool More = false;
        for (int32_t p = First; p <= Last && !More; ++p) More = !Layout(p).Formatted;
        if (More) {
            FLayoutFrontier = std::min(FLayoutFrontier, First);
            FLayoutEnd = std::max(FLayoutEnd, Last);
            if (FUpdateMode == umImmediate)
                FormatRange(First, Last, false);
            else if (FUpdateMode == umBackground && !FBackgroundActive) {
                FBackgroundActive = true;
                FWindow->ScheduleFormatStep();
            }
        }
        FWindow->PlaceCaret();
    }
    Change();
}

void TQuillEditor::FormatRange(int32_t First, int32_t Last, bool Force) {
    int32_t Count = ParagraphCount();
    Last = std::min(Last, Count - 1);
    if (First < 0) First = 0;
    if (First > Last) return;
    if (FWindow) FWidthForLayout = FWindow->ClientWidth();
    int64_t LastProgress = Now();
    bool Any = false;
    for (int32_t p = First; p <= Last; ++p) {
        if (!Paragraph(p).Highlighted) EnsureHighlighted(std::min(Last, p + HighlightAhead));
        if (Force || !Layout(p).Formatted) {
            FormatParagraph(p, 0);
            Any = true;
            if (OnProgress) {
                FProgress = static_cast<int>(static_cast<int64_t>(p) * 100 / Count);
                if (FProgress >= 100) FProgress = 99;
                NotifyProgress(LastProgress, false);
            }
        }
    }
    if (Any) ApplyLineDelta(First, Last);
    if (First == FLayoutFrontier) {
        FLayoutFrontier = Last + 1;
        if (FLayoutEnd >= 0 && FLayoutFrontier > FLayoutEnd) {
            FLayoutEnd = -1;
            FLayoutFrontier = Count;
        }
    }
    if (FWindow) {
        FWindow->UpdateScrollRanges();
        FWindow->PlaceCaret();
    }
}

void TQuillEditor::StartFullFormat() {
    // Records not made yet are not laid out.
    for (int32_t i = 0; i < FLayouts.Count(); ++i) FLayouts[i].Formatted = 0;
    StartLayoutPass();
}

void TQuillEditor::StartLayoutPass() {
    int32_t Count = ParagraphCount();
    FRebreak.Par = -1;
    FMaxWidth = 0;
    FWidestPar = -1;
    FLayoutFrontier = 0;
    FLayoutEnd = Count - 1;
    if (FLoading || FUpdateCount > 0 || !FWindow) return;
    if (Designing() || FUpdateMode == umImmediate) {
        FormatRange(0, Count - 1, true);
        FLayoutEnd = -1;
        FLayoutFrontier = Count;
    } else if (FUpdateMode == umBackground && !FBackgroundActive) {
        FBackgroundActive = true;
        FWindow->ScheduleFormatStep();
    }
}

void TQuillEditor::FormatInBackground(bool ProcessOthers) {
    if (FUpdateCount > 0) return;
    FBackgroundActive = true;
    int32_t Count = ParagraphCount();
    if (FLayoutFrontier >= Count) {
        FBackgroundActive = false;
        FLayoutEnd = -1;
        return;
    }
    if (FWindow) FWidthForLayout = FWindow->ClientWidth();
    int64_t Limit = Now() + SliceMs;
    // The records of a load are made ahead of layout, a batch at a time
    // while no input waits, so that a jump far down soon finds them made
    // (making a 3M-line file's all at once cost Ctrl+End 0.8 s under Wine).
    constexpr int32_t MakeBatch = 4096;
    while (FLayouts.Count() < Count && Now() < Limit && !(FWindow && FWindow->InputPending()))
        MakeLayouts(std::min(Count - 1, FLayouts.Count() + MakeBatch - 1));
    int32_t StartPar = FLayoutFrontier;
    bool Any = false;
    int64_t LastProgress = Now();
    // A key or a paint waiting ends the slice at once: the queue is looked
    // at every millisecond or every few paragraphs (a look costs a round
    // trip to the system, laying out a paragraph a few microseconds).
    int64_t NextLook = LastProgress + 1;
    for (int64_t T; FLayoutEnd >= FLayoutFrontier && (T = Now()) < Limit;) {
        if ((T >= NextLook || ((FLayoutFrontier - StartPar) & 127) == 127) && FWindow && FWindow->InputPending()) break;
        if (T >= NextLook) NextLook = T + 1;
        int32_t p = FLayoutFrontier;
        if (OnProgress && Now() - LastProgress > 300) {
            FProgress = static_cast<int>(static_cast<int64_t>(p) * 100 / Count);
            if (FProgress >= 100) FProgress = 99;
            NotifyProgress(LastProgress, true);
        }
        if (!Layout(p).Formatted) {
            if (!Paragraph(p).Highlighted) EnsureHighlighted(std::min(FLayoutEnd, p + HighlightAhead));
            FormatParagraph(p, 0);
            Any = true;
        }
        ++FLayoutFrontier;
        if (FLayoutFrontier >= Count) break;
        if (FLayoutFrontier > FLayoutEnd && !Layout(FLayoutFrontier).Formatted) ++FLayoutEnd;
    }
    if (Any) {
        ApplyLineDelta(StartPar, FLayoutFrontier - 1);
        if (FWindow) {
            FWindow->UpdateScrollRanges();
            // Only what moved in the view is painted again; paragraphs laid
            // out above it move nothing there (the view keeps its top line).
            if (FLayoutFrontier > TopNavigator()->LocatePar())
                FWindow->InvalidateLines(ParagraphFirstLine(StartPar), INT32_MAX);
            FWindow->PlaceCaret();
        }
    }
    if (FLayoutEnd < FLayoutFrontier || FLayoutFrontier >= Count) {
        FBackgroundActive = false;
        FLayoutEnd = -1;
        FLayoutFrontier = Count;
        FProgress = 100;
        if (OnProgress) OnProgress(this);
    } else {
        // Posting the next slice yields to the message loop; no nested
        // message processing happens here.
        (void)ProcessOthers;
        if (FUpdateMode == umBackground && FWindow && !FWindow->Terminating()) FWindow->ScheduleFormatStep();
    }
}

int32_t TQuillEditor::LineToPixel(int32_t N) const {
    if (FLineHeightPx <= 0) return 0;
    return N * FLineHeightPx - (FScrollY % FLineHeightPx);
}

int32_t TQuillEditor::PixelToLine(int32_t Y, int32_t* Remainder) const {
    if (FLineHeightPx <= 0) {
        if (Remainder) *Remainder = Y;
        return 0;
    }
    int32_t V = Y + FScrollY % FLineHeightPx;
    if (Remainder) *Remainder = V % FLineHeightPx;
    return V / FLineHeightPx;
}

int32_t TQuillEditor::ColumnToX(TParagraph& Par, int32_t ParNb, int32_t Column, int32_t LineInPar) {
    int32_t Lines = ParagraphLineCount(ParNb);
    LineInPar = std::clamp(LineInPar, 0, Lines - 1);
    const TDisplayLine DL = ParagraphLine(ParNb, LineInPar);
    Column = std::clamp(Column, 0, DL.End - DL.Start);
    int64_t X = 0;
    if (FWindow) {
        int64_t TabW = std::max<int64_t>(1, static_cast<int64_t>(FTabStops) * FAvgCharWidth);
        uint8_t Style = DL.Style();
        int32_t i = DL.Start, End = DL.Start + Column;
        // Format stops change the font as painting does.
        int32_t StopIdx = 0;
        auto EffStyle = [&](int32_t At) {
            while (StopIdx < Par.StopCount && Par.StopOffset(StopIdx) <= At) ++StopIdx;
            const TFormatStop& S = StopState(StopIdx > 0 ? Par.StopStateAt(StopIdx - 1) : Par.StartContext.Id);
            return IsHighlightingStop(S) ? static_cast<uint8_t>(S.Kind & 0x3F) : Style;
        };
        while (i < End) {
            char C = Par.Text()[i];
            if (C == '\t') {
                X = (X / TabW + 1) * TabW;
                ++i;
            } else if (FStaticFormat && IsStyleCode(C)) {
                Style = ApplyStyleCode(Style, C);
                ++i;
            } else {
                uint8_t Eff = EffStyle(i);
                int32_t Limit = StopIdx < Par.StopCount ? std::min(End, Par.StopOffset(StopIdx)) : End;
                int32_t j = i + 1;
                while (j < Limit && Par.Text()[j] != '\t' && !(FStaticFormat && IsStyleCode(Par.Text()[j]))) ++j;
                FWindow->SelectStyle(Eff);
                X += FWindow->TextWidth(Par.Text() + i, j - i);
                i = j;
            }
        }
        if (X > 0) X -= FOverhang;
    }
    X -= FScrollX;
    int32_t Client = FWindow ? FWindow->ClientWidth() : FWidthForLayout;
    bool Justify = IsJustifiedLine(FJustified, DL, LineInPar == Lines - 1);
    if (Justify && FWindow) {
        // The spaces before the column get the extra pixels painting gives them.
        TJustifySpacer Spacer = LineSpacer(DL, Client, FLeftMargin, FRightMargin);
        for (int32_t k = std::max(DL.Start, DL.JustifyFrom); k < DL.Start + Column; ++k)
            if (Par.Text()[k] == ' ') X += Spacer.Next();
    }
    switch (Justify ? qaLeftJustify : FAlignment) {
    case qaRightJustify: X += Client - FRightMargin - DL.Width; break;
    case qaCenter: X += FLeftMargin + (Client - FLeftMargin - FRightMargin - DL.Width) / 2; break;
    default: X += FLeftMargin; break;
    }
    return static_cast<int32_t>(std::clamp<int64_t>(X, INT32_MIN, INT32_MAX));
}

int32_t TQuillEditor::XToColumn(TParagraph& Par, int32_t ParNb, bool KeepColumn, int32_t X, int32_t LineInPar) {
    LineInPar = std::clamp(LineInPar, 0, ParagraphLineCount(ParNb) - 1);
    const TDisplayLine DL = ParagraphLine(ParNb, LineInPar);
    // The middles of successive characters only grow to the right: the
    // first one right of X is found by halving, so a click on a long
    // unwrapped line measures it a few times, not once per column.
    int32_t Lo = 0, Hi = DL.End - DL.Start;
    while (Lo < Hi) {
        int32_t Mid = Lo + (Hi - Lo) / 2;
        int64_t A = ColumnToX(Par, ParNb, Mid, LineInPar);
        int64_t B = ColumnToX(Par, ParNb, Mid + 1, LineInPar);
        if ((A + B) / 2 > X)
            Hi = Mid;
        else
            Lo = Mid + 1;
    }
    // A TAB whose span reaches beyond X keeps the column before it; the
    // caller turns the rest into virtual columns.
    if (KeepColumn && Lo > 0 && Par.Text()[DL.Start + Lo - 1] == '\t' && ColumnToX(Par, ParNb, Lo, LineInPar) > X) --Lo;
    return Lo;
}

void TQuillEditor::ScrollCaretIntoView() {
    if (FUpdateCount > 0 || !FWindow) return;
    TQuillNavigator* C = Caret();
    int32_t P = C->LocatePar();
    // The paragraphs a window's height around the caret are laid out first,
    // so the lines counted to place the view are the lines it shows.
    int32_t Around = VisibleLines();
    FormatRange(std::max(P - Around, 0), std::min(P + Around, ParagraphCount() - 1), false);
    P = C->LocatePar();
    int32_t NewX = FScrollX, NewY = FScrollY;
    int32_t ClientW = FWindow->ClientWidth();
    if (FWordWrap || (FAlignment != qaLeftJustify && FScrollX == 0))
        NewX = 0;
    else {
        int64_t X = static_cast<int64_t>(ColumnToX(*C->Paragraph(), P, C->GetColumn(), C->GetLineInPar())) +
                    static_cast<int64_t>(FVirtualColumns) * FAvgCharWidth;
        int64_t Step = 5 * static_cast<int64_t>(std::max(FAvgCharWidth, 1));
        if (X >= ClientW)
            NewX = static_cast<int32_t>(std::min<int64_t>(FScrollX + ((X - ClientW) / Step + 1) * Step, INT32_MAX));
        else if (X < 0)
            NewX = static_cast<int32_t>(std::max<int64_t>(FScrollX - ((-X - 1) / Step + 1) * Step, 0));
    }
    if (FLineHeightPx > 0) {
        int32_t Line = C->GetLineNb();
        int32_t Top = FScrollY / FLineHeightPx;
        int32_t Height = FWindow->ClientHeight();
        if (Line < Top || (Line == Top && FScrollY % FLineHeightPx != 0))
            NewY = Line * FLineHeightPx;
        else if (static_cast<int64_t>(Line + 1) * FLineHeightPx - FScrollY > Height) {
            if (HasOption(pmoNoFineScroll))
                NewY = std::max(Line - VisibleLines() + 2, 0) * FLineHeightPx;
            else
                NewY = std::max((Line + 1) * FLineHeightPx - Height, 0);
        }
    }
    ScrollTo(NewY, NewX);
    FWindow->PlaceCaret();
}

void TQuillEditor::ScrollTo(int32_t Y, int32_t X) {
    int32_t OldY = FScrollY, OldX = FScrollX;
    FScrollY = std::max(Y, 0);
    FScrollX = std::max(X, 0);
    if (FLineHeightPx > 0) {
        TopNavigator()->ResetCache();
        TopNavigator()->SetLineNb(FScrollY / FLineHeightPx);
    }
    if (FWindow) FWindow->ViewScrolled(OldY, OldX);
}

int32_t TQuillEditor::VisibleLines() const {
    if (!FWindow || FLineHeightPx <= 0) return 1;
    return FWindow->ClientHeight() / FLineHeightPx + 1;
}

void TQuillEditor::EnsureLinesLaidOut(int32_t First, int32_t Last) {
    if (!FWindow || FUpdateCount > 0) return;
    TQuillNavigator* W = FNav.LayoutWalk.get();
    W->ResetCache();
    W->SetLineNb(std::max(First, 0));
    int32_t P = W->ParNb;
    int32_t Count = ParagraphCount();
    // Every paragraph has at least one line: this many paragraphs cover the range.
    int32_t LastPar = static_cast<int32_t>(std::min<int64_t>(static_cast<int64_t>(P) + std::max(Last - First, 0) + 1, Count - 1));
    for (int32_t k = P; k <= LastPar; ++k)
        if (!Layout(k).Formatted) {
            FormatRange(k, LastPar, false);
            break;
        }
}

int32_t TQuillEditor::PositionAt(int32_t X, int32_t Y, int32_t* LineOut) {
    int32_t Line = TopLine() + PixelToLine(Y);
    if (Y < 0 && FLineHeightPx > 0) Line = TopLine() + (Y - FLineHeightPx + 1 + FScrollY % FLineHeightPx) / FLineHeightPx;
    if (Line < 0) Line = 0;
    EnsureLinesLaidOut(Line, Line);
    if (Line >= FLineCount) {
        if (LineOut) *LineOut = FLineCount - 1;
        return CharCount();
    }
    TQuillNavigator* W = FNav.Probe.get();
    W->ResetCache();
    const TDisplayLine& DL = W->SetLineNb(Line);
    int32_t Col = XToColumn(*W->Par, W->ParNb, false, X, W->LineInPar);
    if (LineOut) *LineOut = Line;
    return ParagraphStart(W->ParNb) + DL.Start + Col;
}

void TQuillEditor::Change() {
    if (OnChange) OnChange(this);
}

void TQuillEditor::CheckIntegrity() {
    std::string V = Version();
    int64_t Line = 0, Pos = 0, Total = 0;
    for (int32_t i = 0; i < ParagraphCount(); ++i) {
        TParagraph& P = Paragraph(i);
        if (ParagraphFirstLine(i) != Line) throw Exception("Error 1");
        if (ParagraphStart(i) != Pos) throw Exception("Error 2 in " + V);
        int32_t Prev = 0;
        for (int32_t l = 0; l < ParagraphLineCount(i); ++l) {
            const TDisplayLine DL = ParagraphLine(i, l);
            if (DL.Start != Prev) throw Exception("Error 3 in " + V);
            Prev = DL.End;
        }
        if (Prev != P.Length) throw Exception("Error 4 in " + V);
        Line += ParagraphLineCount(i);
        Pos += P.Length + 2;
        Total += P.Length + 2;
    }
    if (static_cast<int64_t>(CharCount()) + 2 != Total) throw Exception("Error 5 in " + V);
    if (FLineCount != Line) throw Exception("Error 6 in " + V);
}
