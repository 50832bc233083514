#include "editor/QuillEditor.h"

#include <algorithm>
#include <cstring>

#include "editor/QuillHighlighter.h"
#include "editor/QuillMemoStrings.h"
#include "framework/rtl/Streams.h"
#include "framework/uicore/Colors.h"

TQuillEditor::TQuillEditor(TComponent* AOwner) : TQuillMemoBase(AOwner), FHighlightBackgnd(clWindow) {
    Clock = [] {
        return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                        std::chrono::steady_clock::now().time_since_epoch())
                                        .count());
    };
    FDoc = std::make_unique<TQuillDocument>();
    FDoc->AddListener(&FDocLink);
    ResetLayouts();
    FNav.ForEach([this](std::unique_ptr<TQuillNavigator>& N) { N = std::make_unique<TQuillNavigator>(this); });
    FParaStrings = std::make_unique<TQuillParaStrings>(this);
    FLinesStrings = std::make_unique<TQuillLinesStrings>(this);
}

TQuillEditor::~TQuillEditor() {
    SetHighlighter(nullptr);
    FNav.ForEach([](std::unique_ptr<TQuillNavigator>& N) { N.reset(); });
    FLinesStrings.reset();
    FParaStrings.reset();
    FreeLayouts();
    // Navigators owned elsewhere outlive the editor, detached with the document.
    FDoc.reset();
}

bool TQuillEditor::Designing() const {
    return ComponentState().Contains(csDesigning);
}

bool TQuillEditor::LoadingComponent() const {
    return ComponentState().Contains(csLoading);
}

void TQuillEditor::Notification(TComponent* AComponent, TOperation Operation) {
    TQuillMemoBase::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent && AComponent == static_cast<TComponent*>(Highlighter())) {
        Highlighter()->RemoveEditor(this);
        FDoc->SetHighlighter(nullptr);
    }
}

std::string TQuillEditor::Version() const { return "TQuillMemo 1.0 Standard"; }

TStrings* TQuillEditor::Lines() const { return FLinesStrings.get(); }
TStrings* TQuillEditor::ParaStrings() const { return FParaStrings.get(); }

void TQuillEditor::InitialParagraph() {
    FDoc->InitialParagraph();
    ResetLayouts();
}

void TQuillEditor::ClearParagraphs() {
    FDoc->ClearParagraphs();
    FreeLayouts();
    FRebreak.Par = -1;
    FLineCount = 0;
}

void TQuillEditor::FreeLayouts() {
    for (int32_t i = 0; i < FLayouts.Count(); ++i) FreeLayout(FLayouts[i]);
    FLayouts.Clear();
}

void TQuillEditor::ResetLayouts() {
    FreeLayouts();
    FLineCount = ParagraphCount();
}

void TQuillEditor::MakeLayouts(int32_t Through) const {
    constexpr int32_t Ahead = 1024;  // records made at once past the one asked for
    int32_t Made = FLayouts.Count();
    int32_t Last = std::min(ParagraphCount() - 1, std::max(Through, Made + Ahead - 1));
    TParLayout L;
    int32_t Line = MadeLinesEnd();
    for (int32_t i = Made; i <= Last; ++i) {
        L.FirstLineBase = Line++;
        L.Lines = TParLayout::PlainLine(Paragraph(i).Style0, 0);
        FLayouts.Add(L);
    }
}

int32_t TQuillEditor::MadeLinesEnd() const {
    int32_t Made = FLayouts.Count();
    return Made == 0 ? 0 : FLayouts.Key<0>(Made - 1) + FLayouts[Made - 1].LineCount();
}

int32_t TQuillEditor::ParagraphAtLine(int32_t Line) const {
    int32_t Made = FLayouts.Count();
    if (Made < ParagraphCount()) {
        int32_t End = MadeLinesEnd();
        if (Line >= End) return std::min(Made + (Line - End), ParagraphCount() - 1);
    }
    return FLayouts.LastAtOrBefore<0>(Line);
}

void TQuillEditor::EndUpdate() {
    if (FUpdateCount > 0) --FUpdateCount;
    if (FUpdateCount == 0) LayoutLines();
}

void TQuillEditor::SetCaretParagraph(int32_t I) {
    I = std::clamp(I, 0, ParagraphCount() - 1);
    SetSelStart(ParagraphStart(I));
}

int32_t TQuillEditor::CaretParagraph() { return Caret()->LocatePar(); }

void TQuillEditor::SetSelStart(int32_t Pos) {
    Pos = std::clamp(Pos, 0, CharCount());
    FSelLength = 0;
    FVirtualColumns = 0;
    SelStartNav()->SetPos(Pos);
    SelEndNav()->SetPos(Pos);
    FSelectionMoved = true;
    if (FWindow && FUpdateCount == 0) FWindow->PlaceCaret();
}

void TQuillEditor::SetParagraphText(int32_t I, std::string_view Text) {
    if (I < 0) throw ERangeError("List index out of bounds");
    int32_t CaretPar = CaretParagraph();
    if (CaretPar == I) SetSelStart(ParagraphStart(I));
    int32_t SavedPos = GetSelStart();
    int32_t SavedLen = FSelLength;
    ++FUpdateCount;
    try {
        while (I >= ParagraphCount()) {
            SetSelStart(CharCount());
            InsertTextAtSelection("\r\n");
        }
        int32_t OldLen = Paragraph(I).Length;
        SetSelStart(ParagraphStart(I));
        SetSelLength(OldLen);
        InsertTextAtSelection(Text);
        int32_t NewLen = Paragraph(I).Length;
        --FUpdateCount;
        if (FUpdateCount == 0) LayoutLines();
        if (I < CaretPar)
            SetSelStart(SavedPos + NewLen - OldLen);
        else
            SetSelStart(SavedPos);
        if (I != CaretPar) SetSelLength(SavedLen);
    } catch (...) {
        if (FUpdateCount > 0) --FUpdateCount;
        throw;
    }
}

void TQuillEditor::SetWindowSide(IQuillWindowSide* W) {
    FWindow = W;
    MeasureFont();
    if (W) StartFullFormat();
}

// ---- properties ----

void TQuillEditor::SetApplyKeyWords(bool V) {
    if (V == ApplyKeyWords()) return;
    FDoc->SetApplyKeyWords(V);
    ReformatAllIfDesigning();
}

void TQuillEditor::SetApplyStartStopKeys(bool V) {
    if (V == ApplyStartStopKeys()) return;
    FDoc->SetApplyStartStopKeys(V);
    ReformatAllIfDesigning();
}

std::string TQuillEditor::Separators() const {
    std::string S;
    for (int c = 0; c < 256; ++c)
        if (SeparatorSet()[static_cast<size_t>(c)]) S += static_cast<char>(c);
    return S;
}

void TQuillEditor::SetSeparators(std::string_view V) {
    FDoc->SetSeparators(V);
    ReformatAllIfDesigning();
}

void TQuillEditor::ReformatAllIfDesigning() {
    if (Designing()) ReformatAll();
}

void TQuillEditor::SetHighlighter(TQuillHighlighter* H) {
    if (H == Highlighter()) return;
    if (Highlighter()) Highlighter()->RemoveEditor(this);
    FDoc->SetHighlighter(H);
    if (H) {
        H->AddEditor(this);
        H->FreeNotification(this);
    }
    if (Designing() || LoadingComponent()) ReformatAll();
}

void TQuillEditor::FullRelayout() {
    StartFullFormat();
    if (FWindow) {
        if (FLineHeightPx > 0) {
            int32_t MaxTop = std::max(FLineCount - VisibleLines() + 1, 0);
            if (TopLine() > MaxTop) ScrollTo(MaxTop * FLineHeightPx, FScrollX);
        }
        FWindow->InvalidateAll();
        FWindow->UpdateScrollRanges();
        FWindow->PaintNow();
        FWindow->PlaceCaret();
    }
}

void TQuillEditor::SetWordWrap(bool V) {
    if (V == FWordWrap) return;
    FWordWrap = V;
    FullRelayout();
    FScrollX = 0;
    ScrollCaretIntoView();
}

void TQuillEditor::SetAlignment(TQuillAlignment V) {
    if (V == FAlignment) return;
    bool Relayout = !FWordWrap && (V != qaLeftJustify || FAlignment != qaLeftJustify);
    FAlignment = V;
    FScrollX = 0;
    if (Relayout)
        FullRelayout();
    else if (FWindow) {
        FWindow->PlaceCaret();
        FWindow->InvalidateAll();
    }
}

void TQuillEditor::SetJustified(bool V) {
    if (V == FJustified) return;
    FJustified = V;
    FScrollX = 0;
    if (FWindow) {
        FWindow->PlaceCaret();
        FWindow->InvalidateAll();
    }
}

void TQuillEditor::SetLeftMargin(int32_t V) {
    if (V == FLeftMargin) return;
    FLeftMargin = V;
    FullRelayout();
}

void TQuillEditor::SetRightMargin(int32_t V) {
    if (V == FRightMargin) return;
    FRightMargin = V;
    FullRelayout();
}

void TQuillEditor::SetTabStops(int32_t V) {
    if (V == FTabStops) return;
    FTabStops = V;
    FullRelayout();
}

int32_t TQuillEditor::LineHeight() const {
    if (FLineHeight <= 0 && Designing()) return 0;
    return FLineHeightPx;
}

void TQuillEditor::SetLineHeight(int32_t V) {
    FLineHeight = V > 0 ? V : 0;
    MeasureFont();
    LineHeightChanged();
}

void TQuillEditor::SetHideSelection(bool V) {
    if (V == FHideSelection) return;
    FHideSelection = V;
    HideSelectionChanged();
}

// The caret's shape follows these three; with the focus it is made again.
void TQuillEditor::SetCaretWidth(int32_t V) {
    FCaretWidth = V;
    CaretShapeChanged();
}

void TQuillEditor::SetOverwrite(bool V) {
    if (V == FOverwrite) return;
    FOverwrite = V;
    CaretShapeChanged();
}

void TQuillEditor::SetDisplayOnly(bool V) {
    if (V == FDisplayOnly) return;
    FDisplayOnly = V;
    DisplayOnlyChanged();
}

int32_t TQuillEditor::CaretWidth() const { return FCaretWidth != 0 ? FCaretWidth : FLineHeightPx / 14 + 1; }

void TQuillEditor::SetUpdateMode(TUpdateMode V) {
    if (V == FUpdateMode) return;
    FUpdateMode = V;
    if (V == umImmediate && FLayoutEnd >= 0)
        FormatRange(FLayoutFrontier, FLayoutEnd, false);
    else if (V == umBackground && FWindow)
        FormatInBackground(false);
}

void TQuillEditor::SetOptions(TQuillMemoOptions V) {
    if (V == FOptions) return;
    TQuillMemoOptions Old = FOptions;
    FOptions = V;
    auto Changed = [&](TQuillMemoOption O) { return Old.Contains(O) != V.Contains(O); };
    if (Designing() && (Changed(pmoAutoScrollBars) || (V.Contains(pmoDiscardTrailingSpaces) && !Old.Contains(pmoDiscardTrailingSpaces))))
        ReformatAll();
    if (FWindow && (Changed(pmoWindowsSelColors) || Changed(pmoFullLineSelect)) && FSelLength != 0) FWindow->InvalidateAll();
}

void TQuillEditor::SetHighlightBackgnd(int32_t V) {
    if (V == FHighlightBackgnd) return;
    FHighlightBackgnd = V;
    if (FWindow) FWindow->InvalidateAll();
}

void TQuillEditor::SetHighlightColor(int32_t V) {
    if (V == FHighlightColor) return;
    FHighlightColor = V;
    if (FWindow) FWindow->InvalidateAll();
}

void TQuillEditor::SetStaticFormat(bool V) {
    if (V == FStaticFormat) return;
    FStaticFormat = V;
    // The style codes change meaning: the text is read again.
    TMemoryStream S;
    SaveToStream(&S);
    S.SetPosition(0);
    LoadFromStream(&S);
}

void TQuillEditor::Loaded() {
    TQuillMemoBase::Loaded();
    ClearUndo();
    if ((ApplyKeyWords() && Keywords()->GetCount() > 0) || (ApplyStartStopKeys() && StartStopKeys()->Count() > 0))
        ReformatAll();
}
