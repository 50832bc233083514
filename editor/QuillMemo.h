#pragma once
// TQuillMemo: the source editor control's text model. The text is a list
// of paragraphs; positions count every paragraph end as CR LF. Everything a
// window would do goes through IQuillWindowSide, which is absent without one.
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
#if QRN_QUILL_WINDOWED
#include "framework/stdctrls/StdCtrls.h"
class TQuillWindowSide;
class TQuillFonts;
class IQuillPrinter;
// Only the two values an edit control's border takes; streamed under the
// framework's names.
enum TQuillBorderStyle { qbsNone, qbsSingle };
#endif

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

// One undo step: the range the change inserted and the text it removed.
struct TUndoRecord {
    int32_t Start = 0;
    int32_t Stop = 0;
    bool Link = false;
    std::string Text;
    int64_t Size() const { return 12 + static_cast<int64_t>(Text.size()) + 1; }
};

class TQuillMemo : public TQuillMemoBase {
    QRN_CLASS(TQuillMemo, TQuillMemoBase)
public:
    explicit TQuillMemo(TComponent* AOwner = nullptr);
    ~TQuillMemo() override;

    // ---- paragraph store ----
    int32_t ParagraphCount() const { return FParagraphs->Count(); }
    TParagraph& Paragraph(int32_t I) const { return FParagraphs->Par(I); }
    int32_t CharCount() const { return FCharCount; }
    int32_t LineCount() const { return FLineCount; }
    std::string GetParagraphText(int32_t I) const;
    std::unique_ptr<char[]> CopyParagraphText(int32_t I) const;
    void SetParagraphText(int32_t I, std::string_view Text);
    int32_t ParagraphStart(int32_t I) const { return Paragraph(I).StartBase + (I >= FShiftFrom ? FShiftChars : 0); }
    int32_t ParagraphFirstLine(int32_t I) const { return Paragraph(I).FirstLineBase + (I >= FShiftFrom ? FShiftLines : 0); }
    void SetCaretParagraph(int32_t I);
    int32_t CaretParagraph();
    int32_t GetSelStart() { return Caret()->Pos; }
    void SetSelStart(int32_t Pos);
    void ClearParagraphs();
    void InitialParagraph();
    void RegisterNavigator(TQuillNavigator* N);
    void UnregisterNavigator(TQuillNavigator* N);
    void InvalidateNavigators(int32_t From, int32_t ToPar);
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
    TKeywordList* Keywords() const { return FKeywords.get(); }
    TStartStopKeyList* StartStopKeys() const { return FStartStopKeys.get(); }
    bool ApplyKeyWords() const { return FApplyKeyWords; }
    void SetApplyKeyWords(bool V);
    bool ApplyStartStopKeys() const { return FApplyStartStopKeys; }
    void SetApplyStartStopKeys(bool V);
    std::string Separators() const;
    void SetSeparators(std::string_view V);
    const TSeparators& SeparatorSet() const { return FSeparators; }
    TQuillHighlighter* Highlighter() const { return FHighlighter; }
    void SetHighlighter(TQuillHighlighter* H);
    virtual void ApplyStopRange(TQuillNavigator* From, TQuillNavigator* To, bool MarkLayout, bool Highlighting,
                                const TFormatStop& Stop);
    virtual void HighlightKeywords(TQuillNavigator* From, TQuillNavigator* To);
    virtual void HighlightStartStop(TQuillNavigator* From, TQuillNavigator* To);
    // Runs the start/stop pass over every paragraph up to Par that needs it.
    void EnsureHighlighted(int32_t Par);
    int32_t HighlightFrontier() const { return FHighlightFrontier; }
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
    std::string GetTextRange(int32_t From, int32_t To);
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
    void ClearUndo();
    int32_t UndoIndex() const { return FUndoIndex; }
    int32_t UndoCount() const { return static_cast<int32_t>(FUndo.size()); }
    int64_t UndoSize() const { return FUndoSize; }
    const TUndoRecord& UndoRecord(int32_t I) const { return *FUndo[static_cast<size_t>(I)]; }
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
    int32_t UndoMaxSpace() const { return FUndoMaxSpace; }
    void SetUndoMaxSpace(int32_t V);
    int32_t UndoMaxLevel() const { return FUndoMaxLevel; }
    void SetUndoMaxLevel(int32_t V);
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

#if QRN_QUILL_WINDOWED
    // ---- window side ----
    TFont* AltFont() const { return FAltFont.get(); }
    void SetAltFont(TFont* V);
    TPen* EndOfTextMark() const { return FEndOfTextMark.get(); }
    void SetEndOfTextMark(TPen* V);
    TQuillBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TQuillBorderStyle V);
    TScrollStyle ScrollBars() const { return FScrollBars; }
    void SetScrollBars(TScrollStyle V);
    int32_t BaselineOffset() const { return FBaselineOffset; }

    // Controls attached here see every window message first: the editor
    // copies it into RelayedMessage() and calls their Notification with
    // QuillRelayOperation, in the order they attached.
    void AttachControl(TComponent* C);
    void DetachControl(TComponent* C);
    int AttachedCount() const { return static_cast<int>(FAttached.size()); }
    const TMessage& RelayedMessage() const { return FRelay; }

    void WndProc(TMessage& Message) override;
    void SetBounds(int ALeft, int ATop, int AWidth, int AHeight) override;
    // Invalidates display lines First..Last (clipped to the view).
    void InvalidateLines(int32_t First, int32_t Last);
    // Places the caret (made again when Recreate) and fires OnSelMove and
    // OnStyleChange as needed.
    void UpdateCaret(bool Recreate = false);
    void PlaceDueCaret();
    void UpdateScrollBars();
    bool Dragging() const { return FDragging; }
    // The display line the caret shows on: after End on a wrapped line the
    // caret stands behind that line's last character, a position that
    // otherwise starts the next line.
    int32_t CaretDisplayLine();
    // Draws display lines from FirstLine on into Rect (device units) of DC as
    // painting draws them, scaled from the screen's resolution to the DC's;
    // returns the first line that did not fit (LineCount when all did).
    int32_t PaintTo(HDC DC, const RECT& Rect, int32_t FirstLine);
    // Prints the whole text page by page, laid out for the page width; the
    // system's default printer without Printer. False when the printer did
    // not start or a page failed (the document is then aborted).
    bool Print(const std::string& Title, IQuillPrinter* Printer = nullptr);
#endif

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
#if QRN_QUILL_WINDOWED
    void CreateParams(TCreateParams& Params) override;
    void CreateHandle() override;
    void DestroyWindowHandle() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void KeyPress(char& Key) override;
    void KeyUp(uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;
#endif

private:
    friend class TQuillNavigator;
    friend class TQuillHighlighter;
#if QRN_QUILL_WINDOWED
    friend class TQuillWindowSide;
    // window side (editor/win)
    void FontChanged();
    void MakeLineBitmap();
    void FreeLineBitmap();
    void Paint(HDC DC, const RECT& Invalid);
    void PaintLine(HDC DC, int32_t Line, int32_t ClientW, int32_t Y0, bool Printing);
    void RelayoutForWidth(int32_t Width);
    int32_t BackIndentStart(int32_t Pos, std::string* Pad);
    bool CaretAtLineEnd();
    void VScroll(int Code);
    void FormatTimerTick();
    void HScroll(int Code);
    void ViewScrolled(int32_t OldY, int32_t OldX);
    void SetFocusCaret(bool Focused);
    void InvalidateSelection();
    bool KeyDownDisplayOnly(uint16_t Key, TShiftState Shift);
    bool KeyDownMove(uint16_t Key, TShiftState Shift);
    bool KeyDownEdit(uint16_t Key, TShiftState Shift);
    // True when the selection lies within one display line, given in Line.
    bool SelectionOnOneLine(int32_t* Line);
    void MoveCaret(int32_t NewPos, bool Extend, bool KeepX = false, bool AtLineEnd = false);
    int32_t StepLeft(int32_t Pos);
    int32_t StepRight(int32_t Pos);
    int32_t WordLeft(int32_t Pos);
    int32_t WordRight(int32_t Pos);
    int32_t LineStartPos(int32_t Line);
    int32_t LineEndPos(int32_t Line, bool* Wrapped = nullptr);
    int32_t LineAtX(int32_t Line, int32_t X, int32_t* Virtual = nullptr, bool* AtLineEnd = nullptr);
    int32_t CaretX();
    char CharAt(int32_t Pos);
    void DeleteRange(int32_t From, int32_t To);
    void TypeEnter();
    void TypeChar(char C);
    void SelectWordAt(int32_t Pos, int32_t* Start, int32_t* End);
    void ExtendMouseSelection(int X, int Y);
    void AutoScrollTick();
    void StopAutoScroll();
    void DropSelection(int32_t At, bool Copy);
    void ContextClick(int32_t Pos);
    TFormatStop StopAt(int32_t Pos, int32_t* RegionStart = nullptr, int32_t* RegionEnd = nullptr);
    // Shows C, or with none the cursor the drag state asks for.
    void ChangeCursor(HCURSOR C);

    std::unique_ptr<TQuillWindowSide> FSide;
    std::unique_ptr<TQuillFonts> FFonts;
    std::unique_ptr<TFont> FAltFont;
    std::unique_ptr<TPen> FEndOfTextMark;
    TQuillBorderStyle FBorderStyle = qbsSingle;
    TScrollStyle FScrollBars = ssNone;
    std::vector<TComponent*> FAttached;
    TMessage FRelay;
    HDC FLineDC = nullptr;
    HBITMAP FLineBitmap = nullptr;
    HGDIOBJ FOldLineBitmap = nullptr;
    int32_t FLineBitmapWidth = 0;
    int32_t FBaselineOffset = 0;
    int32_t FVUnit = 1;
    int32_t FHUnit = 1;
    int32_t FLastClientWidth = -1;
    bool FInScrollUpdate = false;
    SCROLLINFO FLastV{}, FLastH{};  // what the bars were last given
    bool FPainting = false;
    bool FHasCaret = false;
    int32_t FCaretPixelX = 0, FCaretPixelY = 0;
    int32_t FCaretW = 1;
    // Where the caret was last put: moving a caret hides and draws it again,
    // so one that stays is not set again. -1: not known.
    int32_t FCaretAtX = -1, FCaretAtY = -1;
    // While a typed key is handled its paint follows at once, and BeginPaint
    // hides the caret: moved there, the caret is drawn once, not hidden and
    // drawn again before the paint hides it once more.
    bool FCaretMoveInPaint = false, FCaretMoveDue = false;
    int32_t FRememberedX = -1;  // content x kept for vertical moves; -1 none
    int32_t FLineEndCaret = -1; // the caret position shown at the end of the line before
    int32_t FLastCaretPos = -1;
    int FLastCaretStyle = -1;
    bool FKeyReleased = false;
    int32_t FClickPos = -1;
    int FClickX = 0, FClickY = 0;
    bool FAfterDblClick = false;
    bool FWordSelect = false;
    int32_t FWordAnchorStart = 0, FWordAnchorEnd = 0;
    bool FMouseSelecting = false;
    bool FDragPossible = false;
    bool FDragging = false;
    bool FDragCopy = false;
    int32_t FDropPos = -1;
    int FAutoDX = 0, FAutoDY = 0;
    int FMouseX = 0, FMouseY = 0;
    bool FAutoScrolling = false;
    HCURSOR FShownCursor = nullptr;  // shown instead of the control's own
#endif
    // load / save helpers
    void ReadText(TStream* Stream);
    void ResetAfterLoad();
    // editing helpers
    void RecordUndo(int32_t Start, int32_t InsertedPositions, const std::string& Removed, bool HasSelection);
    void TrimUndo(int64_t MaxSpace, const TUndoRecord* Keep);
    void DeleteUndoFrom(int32_t I);
    void DeleteOldestUndo();
    void FreeParagraphRange(int32_t First, int32_t Last);
    // Positions and line numbers of paragraphs First..Last again from
    // First's; every later paragraph shifts with them (lazily).
    void RenumberRange(int32_t First, int32_t Last);
    // Makes the shift apply from paragraph I on, updating the bases between.
    void MoveShift(int32_t I);
    // highlighting helpers
    void HighlightParagraphStartStop(int32_t Par, std::vector<TFormatStop>& Out, TFormatStop& EndState);
    void HighlightParagraphKeywords(int32_t Par);
    void BreakParagraph(int32_t Par, int32_t FromLine);
    // Keeps the display lines of a paragraph about to change inside itself,
    // so that breaking it again can start near the change and stop where
    // the old lines resume.
    void KeepLinesForRebreak(int32_t Par, int32_t OA, int32_t OB, int32_t Delta, int32_t Inserted);
    // True when the paragraph's widths depend on its characters alone.
    bool WidthsFollowText(const TParagraph& P) const;
    void MeasureFont();
    // Numbers paragraphs FirstPar..LastPar again after their layout changed.
    void ApplyLineDelta(int32_t FirstPar, int32_t LastPar);
    // Keeps the view on TopNavigator's line after lines above it changed.
    void KeepTopLine();
    void FullRelayout();
    void NotifyProgress(int64_t& LastCall, bool Force);
    int64_t Now() const;

    std::unique_ptr<TParagraphsList> FParagraphs;
    // Paragraphs from FShiftFrom on start FShiftChars positions and
    // FShiftLines display lines later than their bases say: an edit moves
    // this boundary to itself instead of renumbering every later paragraph.
    int32_t FShiftFrom = INT32_MAX;
    int32_t FShiftChars = 0;
    int32_t FShiftLines = 0;
    int32_t FCharCount = 0;
    int32_t FLineCount = 1;
    std::vector<TQuillNavigator*> FNavigators;
    // The editor's own navigators, each with one use, so that no two
    // operations that may nest share one.
    struct TOwnNavigators {
        std::unique_ptr<TQuillNavigator> SelStart, SelEnd;
        std::unique_ptr<TQuillNavigator> Top;                  // the view's top line
        std::unique_ptr<TQuillNavigator> EditFrom, EditTo;     // an edit's paragraphs, highlighted again
        std::unique_ptr<TQuillNavigator> SelectionLines;       // repainting a selection's lines
        std::unique_ptr<TQuillNavigator> TextRange;            // copying text out
        std::unique_ptr<TQuillNavigator> LineLookup;           // caret line and line texts
        std::unique_ptr<TQuillNavigator> HighlightWalk;        // the highlighting frontier
        std::unique_ptr<TQuillNavigator> HookFrom, HookTo;     // what the highlighter's hooks get
        std::unique_ptr<TQuillNavigator> StopRangeEnd;         // where ApplyStopRange restores the state
        std::unique_ptr<TQuillNavigator> LayoutWalk;           // lines about to be shown
        std::unique_ptr<TQuillNavigator> PaintWalk;            // the line being painted
        std::unique_ptr<TQuillNavigator> Probe;                // hit tests and single characters
        template <class TFunc> void ForEach(TFunc F) {
            for (auto* N : {&SelStart, &SelEnd, &Top, &EditFrom, &EditTo, &SelectionLines, &TextRange, &LineLookup,
                            &HighlightWalk, &HookFrom, &HookTo, &StopRangeEnd, &LayoutWalk, &PaintWalk, &Probe})
                F(*N);
        }
    } FNav;
    int FUpdateCount = 0;
    int32_t FSelLength = 0;
    int32_t FVirtualColumns = 0;
    std::unique_ptr<TQuillParaStrings> FParaStrings;
    std::unique_ptr<TQuillLinesStrings> FLinesStrings;

    std::unique_ptr<TKeywordList> FKeywords;
    std::unique_ptr<TStartStopKeyList> FStartStopKeys;
    bool FApplyKeyWords = true;
    bool FApplyStartStopKeys = true;
    TSeparators FSeparators;
    TQuillHighlighter* FHighlighter = nullptr;
    int32_t FHighlightFrontier = -1;

    IQuillWindowSide* FWindow = nullptr;
    IQuillClipboard* FClipboard = nullptr;
    bool FLoading = false;
    bool FLayoutCurrent = true;
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

    // Scratch buffers of the highlighting passes, kept to spare allocations.
    struct TMatch {
        int32_t Offset, Index, Length;
    };
    std::string FScratchText, FScratchUpper;
    std::vector<TFormatStop> FScratchPassStops;
    std::vector<TStopRec> FScratchRecs;
    std::vector<TStopState> FScratchMade;
    std::vector<TMatch> FScratchMatches, FScratchWords;
    TKeywordIndex FKeywordIndex;
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
    // Paragraph texts of a load live in large blocks until edited.
    std::vector<std::unique_ptr<char[]>> FTextPool;

    std::vector<std::unique_ptr<TUndoRecord>> FUndo;
    int32_t FUndoIndex = 0;
    int64_t FUndoSize = 0;
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
    int32_t FUndoMaxSpace = 65536;
    int32_t FUndoMaxLevel = 256;
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
