#pragma once
// TQuillMemo: the source editor as a window control. TQuillEditor holds the
// text, its layout and the editing commands; this class adds the window:
// messages, painting, fonts, keyboard and mouse, attached controls and
// printing.
#include <memory>
#include <string>
#include <vector>

#include "editor/QuillEditor.h"
#include "editor/win/ScrollBarShaft.h"
#include "framework/stdctrls/StdCtrls.h"

class TQuillWindowSide;
class TQuillFonts;
class IQuillPrinter;
// Only the two values an edit control's border takes; streamed under the
// framework's names.
enum TQuillBorderStyle { qbsNone, qbsSingle };
// The timer that hands the caret back to the system once typing pauses (the
// editor's others are in QuillEditor.h; the code window's status uses 3).
constexpr uintptr_t QuillTypingCaretTimer = 4;

class TQuillMemo : public TQuillEditor {
    QRN_CLASS(TQuillMemo, TQuillEditor)
public:
    explicit TQuillMemo(TComponent* AOwner = nullptr);
    ~TQuillMemo() override;

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
    // Invalidates R of the client area (all of it without R).
    void InvalidateClient(const RECT* R);
    // Paints what is invalid now, as UpdateWindow does.
    void PaintDue();
    // Display lines from OldFirst on (as the window shows them) moved Delta
    // lines down: their pixels are scrolled, what they uncover invalidated.
    void MoveLinesBelow(int32_t OldFirst, int32_t Delta);
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
    void Change() override;

protected:
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void LineHeightChanged() override;
    void CaretShapeChanged() override;
    void HideSelectionChanged() override;
    void DisplayOnlyChanged() override;
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

private:
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
    void SetScrollBarValues(int32_t ClientW, int32_t ClientH);
    void ClientWidthChanged();
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
    class TTypedKey;
    // What a typed key invalidated and kept from the system goes to it now.
    void HandOverTypedRect();
    bool CanPaintTyped() const;
    // Moves the pixels of R by DX, DY in the window's own DC while a typed
    // key paints; what they uncover joins what the key paints.
    void ScrollTypedPixels(int DX, int DY, const RECT& R, const RECT& Clip);
    // While the user types the editor draws the caret itself (see
    // QuillMemoTypingCaret.cpp).
    void BeginTypingCaret();
    void EndTypingCaret();
    void TypingCaretTick();
    void EraseTypingCaret(HDC DC);
    void DrawTypingCaret(HDC DC);

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
    // A bar shown or hidden changed the client's width, maybe inside a
    // layout pass: the next paint lays the text out for it.
    bool FWidthCheckDue = false;
    SCROLLINFO FLastV{}, FLastH{};  // what the bars were last given
    TScrollBarTheme FScrollTheme;
    // The bars show the text from the window's first paint on.
    bool FPaintedOnce = false;
    bool FPainting = false;
    // The editor invalidated part of its window since the last paint.
    bool FPaintDue = false;
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
    // While a typed key is handled, the lines it changes are painted by the
    // key itself through the window's own DC (FTypedRect), not through the
    // system's update region, unless the system holds one from the editor
    // (FSystemDue: an invalidation or a scroll of pixels not yet painted).
    bool FTypedPaint = false, FSystemDue = false;
    RECT FTypedRect{};
    // The caret the editor draws while the user types: on, drawn at
    // FTypingCaretAt, and when the last key came.
    bool FTypingCaret = false, FTypingCaretDrawn = false;
    RECT FTypingCaretAt{};
    int64_t FLastTypedAt = 0;
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
};
