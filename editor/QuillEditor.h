#pragma once
// TQuillEditor: the source editor without its window: the text model, its
// layout, the view's offsets, the caret and selection and the editing
// commands. The text is a list of paragraphs; positions count every
// paragraph end as CR LF. Everything a window would do goes through
// IQuillWindowSide, which is absent without one; the window control
// TQuillEditor (editor/win) derives from this class.
#include <chrono>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/KeyLists.h"
#include "editor/KeywordIndex.h"
#include "editor/QuillDocument.h"
#include "editor/ParagraphsList.h"
#include "editor/QuillMemoBase.h"
#include "editor/QuillNavigator.h"
#include "editor/QuillTypes.h"
#include "editor/QuillWindowSide.h"
#include "framework/classes/UiTypes.h"
#include "framework/rtl/Events.h"

class TStream;
class TStrings;
class TQuillParaStrings;
class TQuillLinesStrings;
class TQuillHighlighter;

// The operation code of Notification by which the editor relays a window
// message to its attached controls (the message is in RelayedMessage()).
constexpr int QuillRelayOperation = 64;
// Messages the editor sends itself for its attached controls.
constexpr uint32_t QM_FORMATSTEP = 0x401;   // one background layout slice
constexpr uint32_t QM_VSCROLLED = 0x402;    // the view scrolled vertically
constexpr uint32_t QM_CONTEXTCLICK = 0x403; // WParam context, LParam std::string*
constexpr uint32_t QM_FONTCHANGED = 0xB00E; // the editor's font changed
constexpr uint32_t QM_TEXTCHANGED = 0xB012; // the editor's text changed
// Timer identifiers of the editor's window.
constexpr uintptr_t QuillAutoScrollTimer = 1;
constexpr uintptr_t QuillFormatTimer = 2;

enum TUpdateMode { umImmediate, umOnNeed, umBackground };
enum TQuillAlignment { qaLeftJustify, qaRightJustify, qaCenter };

enum TQuillMemoOption {
    pmoAutoIndent,
    pmoBackIndent,
    pmoDiscardTrailingSpaces,
    pmoFullLineSelect,
    pmoInsertKeyActive,
    pmoKeepColumnPos,
    pmoLargeWordSelect,
    pmoNoDragnDrop,
    pmoNoFineScroll,
    pmoPutExtraSpaces,
    pmoWideOverwriteCaret,
    pmoWindowsSelColors,
    pmoWrapCaret,
    pmoAutoScrollBars,
};
using TQuillMemoOptions = TSmallSet<TQuillMemoOption>;

using TParseEvent = TEvent<void(TObject* Sender, int32_t StartOffset, int32_t StopOffset)>;
using TContextEvent = TEvent<void(TObject* Sender, int Context, int32_t StartOffset, int32_t StopOffset)>;

class TQuillEditor : public TQuillMemoBase {
    QRN_CLASS(TQuillEditor, TQuillMemoBase)
public:
    explicit TQuillEditor(TComponent* AOwner = nullptr);
    ~TQuillEditor() override;

    // ---- paragraph store ----
    TQuillDocument& Document() const { return *FDoc; }
    int32_t ParagraphCount() const { return FDoc->ParagraphCount(); }
    TParagraph& Paragraph(int32_t I) const { return FDoc->Paragraph(I); }
    int32_t CharCount() const { return FDoc->CharCount(); }
    int32_t LineCount() const { return FLineCount; }
    std::string GetParagraphText(int32_t I) const { return FDoc->GetParagraphText(I); }
    std::unique_ptr<char[]> CopyParagraphText(int32_t I) const { return FDoc->CopyParagraphText(I); }
    void SetParagraphText(int32_t I, std::string_view Text);
    int32_t ParagraphStart(int32_t I) const { return FDoc->ParagraphStart(I); }
    // The view's layout of paragraph I: its first display line and its lines.
    TParLayout& Layout(int32_t I) const {
        if (I >= FLayouts.Count()) MakeLayouts(I);
        return FLayouts[I];
    }
    int32_t ParagraphFirstLine(int32_t I) const {
        if (I >= FLayouts.Count() && I < ParagraphCount()) return MadeLinesEnd() + (I - FLayouts.Count());
        return FLayouts.Key<0>(I);
    }
    int32_t ParagraphLineCount(int32_t I) const { return Layout(I).LineCount(); }
    TDisplayLine ParagraphLine(int32_t I, int32_t Line) const {
        return LayoutLine(Layout(I), Paragraph(I).Length, Line);
    }
    // The paragraph holding display line Line.
    int32_t ParagraphAtLine(int32_t Line) const;
    void SetCaretParagraph(int32_t I);
    int32_t CaretParagraph();
    int32_t GetSelStart() { return Caret()->Pos; }
    void SetSelStart(int32_t Pos);
    void ClearParagraphs();
    void InitialParagraph();
    void RegisterNavigator(TQuillNavigator* N) { FDoc->RegisterNavigator(N); }
    void UnregisterNavigator(TQuillNavigator* N) { FDoc->UnregisterNavigator(N); }
    void InvalidateNavigators(int32_t From, int32_t ToPar) { FDoc->InvalidateNavigators(From, ToPar); }
    TQuillNavigator* SelStartNav() const { return FNav.SelStart.get(); }
    TQuillNavigator* SelEndNav() const { return FNav.SelEnd.get(); }
    TQuillNavigator* TopNavigator() const { return FNav.Top.get(); }
    TQuillNavigator* Caret() const { return FSelLength > 0 ? SelStartNav() : SelEndNav(); }
    TStrings* Lines() const;
    TStrings* ParaStrings() const;
    int UpdateCount() const { return FUpdateCount; }
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    // ---- highlighting ----
    TKeywordList* Keywords() const { return FDoc->Keywords(); }
    TStartStopKeyList* StartStopKeys() const { return FDoc->StartStopKeys(); }
    bool ApplyKeyWords() const { return FDoc->ApplyKeyWords(); }
    void SetApplyKeyWords(bool V);
    bool ApplyStartStopKeys() const { return FDoc->ApplyStartStopKeys(); }
    void SetApplyStartStopKeys(bool V);
    std::string Separators() const;
    void SetSeparators(std::string_view V);
    const TSeparators& SeparatorSet() const { return FDoc->SeparatorSet(); }
    TQuillHighlighter* Highlighter() const { return FDoc->Highlighter(); }
    void SetHighlighter(TQuillHighlighter* H);
    virtual void ApplyStopRange(TQuillNavigator* From, TQuillNavigator* To, bool MarkLayout, bool Highlighting,
                                const TFormatStop& Stop) {
        FDoc->ApplyStopRange(From, To, MarkLayout, Highlighting, Stop);
    }
    virtual void HighlightKeywords(TQuillNavigator* From, TQuillNavigator* To) { FDoc->HighlightKeywords(From, To); }
    virtual void HighlightStartStop(TQuillNavigator* From, TQuillNavigator* To) { FDoc->HighlightStartStop(From, To); }
    // Runs the start/stop pass over every paragraph up to Par that needs it.
    void EnsureHighlighted(int32_t Par) { FDoc->EnsureHighlighted(Par); }
    int32_t HighlightFrontier() const { return FDoc->HighlightFrontier(); }
    void ReformatAll();
    void ReformatAllIfDesigning();

    // ---- loading, saving, layout ----
    void LoadFromStream(TStream* Stream);
    virtual void SaveToStream(TStream* Stream);
    void ReplaceAllText(std::string_view Text);
    void LayoutLines();
    void FormatRange(int32_t First, int32_t Last, bool Force);
    virtual void FormatParagraph(int32_t Par, int32_t FromLine);
    void StartFullFormat();
    // The same over records none of which is laid out (a load's fresh ones).
    void StartLayoutPass();
    void MarkLayoutPending(int32_t FirstPar, int32_t LineInFirstPar, int32_t LastPar);
    virtual int32_t ColumnToX(TParagraph& Par, int32_t ParNb, int32_t Column, int32_t LineInPar);
    virtual int32_t XToColumn(TParagraph& Par, int32_t ParNb, bool KeepColumn, int32_t X, int32_t LineInPar);
    virtual int32_t LineToPixel(int32_t N) const;
    virtual int32_t PixelToLine(int32_t Y, int32_t* Remainder = nullptr) const;
    // The handler of QM_FORMATSTEP: one background layout slice.
    void FormatInBackground(bool ProcessOthers);
    bool BackgroundActive() const { return FBackgroundActive; }
    int Progress() const { return FProgress; }
    int32_t MaxWidth() const { return FMaxWidth; }
    int32_t LayoutFrontier() const { return FLayoutFrontier; }
    int32_t LayoutEnd() const { return FLayoutEnd; }
    bool HasWindow() const { return FWindow != nullptr; }
    void SetWindowSide(IQuillWindowSide* W);
    IQuillWindowSide* WindowSide() const { return FWindow; }
    void SetClipboard(IQuillClipboard* C) { FClipboard = C; }
    // The clock of background layout and progress calls, in milliseconds.
    std::function<int64_t()> Clock;
    int32_t ScrollX() const { return FScrollX; }
    int32_t ScrollY() const { return FScrollY; }
    void ScrollCaretIntoView();
    // Moves the view to the given offsets (pixels); the window follows.
    void ScrollTo(int32_t Y, int32_t X);
    int32_t EffectiveLineHeight() const { return FLineHeightPx; }
    int32_t AvgCharWidth() const { return FAvgCharWidth; }
    // Display lines that fit the client area (one partly shown included).
    int32_t VisibleLines() const;
    int32_t TopLine() const { return FLineHeightPx > 0 ? FScrollY / FLineHeightPx : 0; }
    // Lays out the paragraphs holding display lines First..Last when needed.
    void EnsureLinesLaidOut(int32_t First, int32_t Last);
    // The whole text's position under a client point (the caret's place
    // for a click there); Line receives the display line.
    int32_t PositionAt(int32_t X, int32_t Y, int32_t* Line = nullptr);

    // ---- editing ----
    int32_t SelLength() const { return FSelLength; }
    void SetSelLength(int32_t N);
    std::string GetSelText();
    int32_t GetSelTextBuf(char* Buffer, int32_t Size);
    std::string GetTextRange(int32_t From, int32_t To) const { return FDoc->GetTextRange(From, To); }
    void SetSelText(std::string_view Text);
    void ClearSelection() { SetSelText({}); }
    void Clear();
    int32_t CaretLine();
    void SetCaretLine(int32_t Line);
    int32_t CaretColumn();
    std::string GetLineText(int32_t Line);
    std::string GetCurrentWord();
    virtual void InsertTextAtSelection(std::string_view Text);
    void CopyToClipboard();
    void CutToClipboard();
    void PasteFromClipboard();
    void ToggleBold() { WrapSelection(qcBold); }
    void ToggleItalic() { WrapSelection(qcItalic); }
    void ToggleUnderline() { WrapSelection(qcUnderline); }
    void ToggleHighlight() { WrapSelection(qcHighlight); }
    void ToggleAltFont() { WrapSelection(qcAltFont); }
    void WrapSelection(char Code);
    void Undo();
    void Redo();
    bool CanUndo() const;
    bool CanRedo() const;
    void ClearUndo() { FDoc->ClearUndo(); }
    int32_t UndoIndex() const { return FDoc->UndoIndex(); }
    int32_t UndoCount() const { return FDoc->UndoCount(); }
    int64_t UndoSize() const { return FDoc->UndoSize(); }
    const TUndoRecord& UndoRecord(int32_t I) const { return FDoc->UndoRecord(I); }
    bool FindText(std::string_view Text, bool Forward, bool WholeWord, bool MatchCase);
    virtual void Change();
    void CheckIntegrity();
    // Marks that the selection moved by other means than typing.
    void SetSelectionMoved() { FSelectionMoved = true; }
    int32_t VirtualColumns() const { return FVirtualColumns; }
    void SetVirtualColumns(int32_t V) { FVirtualColumns = V; }

    // ---- published properties ----
    bool WordWrap() const { return FWordWrap; }
    void SetWordWrap(bool V);
    TQuillAlignment Alignment() const { return FAlignment; }
    void SetAlignment(TQuillAlignment V);
    bool Justified() const { return FJustified; }
    void SetJustified(bool V);
    int32_t LeftMargin() const { return FLeftMargin; }
    void SetLeftMargin(int32_t V);
    int32_t RightMargin() const { return FRightMargin; }
    void SetRightMargin(int32_t V);
    int32_t TabStops() const { return FTabStops; }
    void SetTabStops(int32_t V);
    int32_t LineHeight() const;
    void SetLineHeight(int32_t V);
    TUpdateMode UpdateMode() const { return FUpdateMode; }
    void SetUpdateMode(TUpdateMode V);
    char NullReplacement() const { return FNullReplacement; }
    void SetNullReplacement(char V) { FNullReplacement = V; }
    bool StaticFormat() const { return FStaticFormat; }
    void SetStaticFormat(bool V);
    TQuillMemoOptions Options() const { return FOptions; }
    void SetOptions(TQuillMemoOptions V);
    bool HasOption(TQuillMemoOption O) const { return FOptions.Contains(O); }
    int32_t UndoMaxSpace() const { return FDoc->UndoMaxSpace(); }
    void SetUndoMaxSpace(int32_t V) { FDoc->SetUndoMaxSpace(V); }
    int32_t UndoMaxLevel() const { return FDoc->UndoMaxLevel(); }
    void SetUndoMaxLevel(int32_t V) { FDoc->SetUndoMaxLevel(V); }
    bool HideSelection() const { return FHideSelection; }
    void SetHideSelection(bool V);
    bool WantTabs() const { return FWantTabs; }
    void SetWantTabs(bool V) { FWantTabs = V; }
    bool EnableHotKeys() const { return FEnableHotKeys; }
    void SetEnableHotKeys(bool V) { FEnableHotKeys = V; }
    int32_t HighlightBackgnd() const { return FHighlightBackgnd; }
    void SetHighlightBackgnd(int32_t V);
    int32_t HighlightColor() const { return FHighlightColor; }
    void SetHighlightColor(int32_t V);
    int32_t CaretWidth() const;
    void SetCaretWidth(int32_t V);
    bool DisplayOnly() const { return FDisplayOnly; }
    void SetDisplayOnly(bool V);
    bool Overwrite() const { return FOverwrite; }
    void SetOverwrite(bool V);
    bool PassOverCodes() const { return FPassOverCodes; }
    void SetPassOverCodes(bool V) { FPassOverCodes = V; }
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool V) { FReadOnly = V; }
    bool ShowEndParSelected() const { return FShowEndParSelected; }
    void SetShowEndParSelected(bool V) { FShowEndParSelected = V; }
    std::string Version() const;
    void SetVersion(const std::string&) {}
    bool Designing() const;
    bool LoadingComponent() const;

    TNotifyEvent OnChange;
    TNotifyEvent OnStyleChange;
    TNotifyEvent OnSelMove;
    TNotifyEvent OnVScroll;
    TNotifyEvent OnProgress;
    TParseEvent OnParse;
    TContextEvent OnContext;

    // After the form has been read: the history starts empty and the keys
    // read with the form are applied.
    void Loaded() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    // What a window does when these properties change; nothing without one.
    virtual void LineHeightChanged() {}
    virtual void CaretShapeChanged() {}
    virtual void HideSelectionChanged() {}
    virtual void DisplayOnlyChanged() {}

    friend class TQuillNavigator;
    friend class TQuillHighlighter;
    // load / save helpers
    void ReadText(TStream* Stream);
    void ResetAfterLoad();
    // How the text is read and written: style codes, trailing blanks, NUL.
    TQuillDocument::TTextFormat TextFormat() const;
    // editing helpers
    void FreeParagraphRange(int32_t First, int32_t Last);
    // Line numbers of paragraphs First..Last again from First's; every
    // later paragraph shifts with them.
    void RenumberLines(int32_t First, int32_t Last);
    // A layout for every paragraph afresh: each one plain line, numbered in
    // turn, in the in-text style a load found at its start.
    void ResetLayouts();
    // Layout records are made when first asked for (a big file's would
    // cost its first screen several milliseconds a megabyte to write):
    // paragraphs past the last record made are still as loaded, one plain
    // line each. Makes the records through paragraph Through.
    void MakeLayouts(int32_t Through) const;
    // The display line just after the last paragraph whose record is made.
    int32_t MadeLinesEnd() const;
    void FreeLayouts();
    // One step of undo or redo: the text put in place of A..B as typed.
    void ReplayUndo(int32_t A, int32_t B, const std::string& Text, bool Undoing);
    void BreakParagraph(int32_t Par, int32_t FromLine);
    // Keeps the display lines of a paragraph about to change inside itself,
    // so that breaking it again can start near the change and stop where
    // the old lines resume.
    void KeepLinesForRebreak(int32_t Par, int32_t OA, int32_t OB, int32_t Delta, int32_t Inserted);
    // True when the paragraph's widths depend on its characters alone.
    bool WidthsFollowText(int32_t Par) const;
    void MeasureFont();
    // Numbers paragraphs FirstPar..LastPar again after their layout changed.
    void ApplyLineDelta(int32_t FirstPar, int32_t LastPar);
    // Keeps the view on TopNavigator's line after lines above it changed.
    void KeepTopLine();
    void FullRelayout();
    void NotifyProgress(int64_t& LastCall, bool Force);
    int64_t Now() const;

    std::unique_ptr<TQuillDocument> FDoc;
    // The view's side of the document's changes.
    class TDocumentLink : public IQuillDocumentListener {
    public:
        explicit TDocumentLink(TQuillEditor& E) : Editor(E) {}
        void ParagraphsChanging(int32_t First, int32_t Last, int32_t OA, int32_t OB, int32_t InPlace) override;
        void ParagraphsChanged(int32_t First, int32_t OldCount, int32_t NewCount) override;
        void HighlightingChanged(int32_t First, int32_t Last, bool Relayout) override;
        void TextReplaced() override;

    private:
        TQuillEditor& Editor;
        uint8_t FirstStyle = 0;  // in-text style at the changed paragraphs' start
    } FDocLink{*this};
    // The layout of each paragraph, in step with the document's paragraphs
    // as far as it is made (see MakeLayouts).
    mutable TLayoutList FLayouts;
    int32_t FLineCount = 1;
    // The editor's own navigators, each with one use, so that no two
    // operations that may nest share one.
    struct TOwnNavigators {
        std::unique_ptr<TQuillNavigator> SelStart, SelEnd;
        std::unique_ptr<TQuillNavigator> Top;                  // the view's top line
        std::unique_ptr<TQuillNavigator> SelectionLines;       // repainting a selection's lines
        std::unique_ptr<TQuillNavigator> LineLookup;           // caret line and line texts
        std::unique_ptr<TQuillNavigator> LayoutWalk;           // lines about to be shown
        std::unique_ptr<TQuillNavigator> PaintWalk;            // the line being painted
        std::unique_ptr<TQuillNavigator> Probe;                // hit tests and single characters
        template <class TFunc> void ForEach(TFunc F) {
            for (auto* N : {&SelStart, &SelEnd, &Top, &SelectionLines, &LineLookup, &LayoutWalk, &PaintWalk, &Probe})
                F(*N);
        }
    } FNav;
    int FUpdateCount = 0;
    int32_t FSelLength = 0;
    int32_t FVirtualColumns = 0;
    std::unique_ptr<TQuillParaStrings> FParaStrings;
    std::unique_ptr<TQuillLinesStrings> FLinesStrings;

    IQuillWindowSide* FWindow = nullptr;
    IQuillClipboard* FClipboard = nullptr;
    bool FLoading = false;
    int32_t FPendFirstPar = 0;
    int32_t FPendFirstLine = 1;
    int32_t FPendLineCount = -1;  // the line count when the pending range opened
    int32_t FPendLastPar = -1;
    int32_t FLayoutFrontier = 0;
    int32_t FLayoutEnd = -1;
    bool FBackgroundActive = false;
    int FProgress = 100;
    int32_t FMaxWidth = 0;
    int32_t FWidestPar = -1;
    int32_t FScrollX = 0;
    int32_t FScrollY = 0;
    int32_t FLineHeightPx = 0;
    int32_t FAvgCharWidth = 1;
    int32_t FSpaceWidth = 1;
    int32_t FOverhang = 0;
    int32_t FWidthForLayout = 100;

    std::vector<TDisplayLine> FScratchLines;
    // The old lines of the one paragraph an edit changed (Par -1: none):
    // starts, ends and tab offsets from FirstReusable on are moved to the
    // new text; breaking restarts at FromLine and stops at a line end past
    // EditEnd that an old line shares.
    struct TRebreakHint {
        int32_t Par = -1;
        int32_t FromLine = 0;
        int32_t FirstReusable = 0;
        int32_t EditEnd = 0;
        int32_t Length = 0;
        std::vector<TDisplayLine> Lines;
    } FRebreak;
    bool FUndoing = false;
    bool FReplaying = false;
    bool FSelectionMoved = false;
    bool FWrapping = false;

    bool FWordWrap = true;
    TQuillAlignment FAlignment = qaLeftJustify;
    bool FJustified = false;
    int32_t FLeftMargin = 8;
    int32_t FRightMargin = 8;
    int32_t FTabStops = 8;
    int32_t FLineHeight = 0;
    TUpdateMode FUpdateMode = umBackground;
    char FNullReplacement = 0;
    bool FStaticFormat = true;
    TQuillMemoOptions FOptions{pmoWrapCaret, pmoInsertKeyActive, pmoWideOverwriteCaret, pmoLargeWordSelect, pmoAutoScrollBars};
    bool FHideSelection = true;
    bool FWantTabs = true;
    bool FEnableHotKeys = true;
    int32_t FHighlightBackgnd;
    int32_t FHighlightColor = 255;
    int32_t FCaretWidth = 0;
    bool FDisplayOnly = false;
    bool FOverwrite = false;
    bool FPassOverCodes = true;
    bool FReadOnly = false;
    bool FShowEndParSelected = true;
};
