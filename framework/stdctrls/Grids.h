#pragma once
// TCustomGrid: a grid of cells that a descendant paints (DrawCell). Leading
// fixed columns and rows stay in place; the other rows scroll vertically
// under a scroll bar the window always has. The grid never scrolls
// sideways: columns beyond the client width are simply cut off. Every row
// is DefaultRowHeight high; each column has its own width; GridLineWidth
// pixels of line follow every row and every column.
#include <vector>

#include "framework/controls/Controls.h"

enum TGridOption { goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect, goTabs, goThumbTracking };
QRN_ENUM(TGridOption, goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRowSelect, goTabs,
         goThumbTracking)
using TGridOptions = TSmallSet<TGridOption>;
QRN_SET_NAME(TGridOptions)

enum TGridDrawStateFlag { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSmallSet<TGridDrawStateFlag>;

struct TGridCoord {
    int X = -1;  // column
    int Y = -1;  // row
};

class TCustomGrid : public TCustomControl {
    QRN_CLASS(TCustomGrid, TCustomControl)
public:
    explicit TCustomGrid(TComponent* AOwner);

    int ColCount() const { return static_cast<int>(FColWidths.size()); }
    void SetColCount(int Value);
    int RowCount() const { return FRowCount; }
    void SetRowCount(int Value);
    int FixedCols() const { return FFixedCols; }
    void SetFixedCols(int Value);
    int FixedRows() const { return FFixedRows; }
    void SetFixedRows(int Value);
    int DefaultColWidth() const { return FDefaultColWidth; }
    // Gives every column this width.
    void SetDefaultColWidth(int Value);
    int DefaultRowHeight() const { return FDefaultRowHeight; }
    void SetDefaultRowHeight(int Value);
    int ColWidths(int Index) const;
    void SetColWidths(int Index, int Value);
    int GridLineWidth() const { return FGridLineWidth; }
    void SetGridLineWidth(int Value);
    TGridOptions Options() const { return FOptions; }
    void SetOptions(TGridOptions Value);
    TColor FixedColor() const { return FFixedColor; }
    void SetFixedColor(TColor Value);

    // The first scrolling row shown under the fixed rows.
    int TopRow() const { return FTopRow; }
    void SetTopRow(int Value);
    // The current cell. Moving to it asks SelectCell first and brings its
    // row into view.
    int Row() const { return FRow; }
    void SetRow(int Value) { MoveCurrent(FCol, Value); }
    int Col() const { return FCol; }
    void SetCol(int Value) { MoveCurrent(Value, FRow); }
    // Scrolling rows that fit wholly below the fixed rows (at least 1).
    int VisibleRowCount();

    // The cell's rectangle in client coordinates; empty when the cell is
    // scrolled out of the client area.
    TRect CellRect(int ACol, int ARow);
    // The cell under a client point; X and Y are -1 outside every cell.
    TGridCoord MouseCoord(int X, int Y);
    void InvalidateCell(int ACol, int ARow);
    void InvalidateRow(int ARow);

    void WndProc(TMessage& Message) override;

protected:
    // Paints one cell. The grid has filled ARect with the cell's colour
    // (FixedColor for fixed cells, Color otherwise) before calling.
    virtual void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState);
    // Whether the cell may become current.
    virtual bool SelectCell(int ACol, int ARow);
    // Called after TopRow changed.
    virtual void TopLeftChanged() {}
    // Called after the current cell moved.
    virtual void CurrentChanged() {}

    void CreateParams(TCreateParams& Params) override;
    void CreateWnd() override;
    void Paint() override;
    void Resize() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;

    // Moves the current cell (clamped to the scrolling part) when
    // SelectCell allows; false when it refused.
    bool MoveCurrent(int ACol, int ARow);
    // Scrolls so that ARow is shown.
    void ScrollIntoView(int ARow);
    void UpdateScrollBar();

private:
    int MaxTopRow();
    int RowPitch() const { return FDefaultRowHeight + FGridLineWidth; }
    int ColumnLeft(int ACol) const;
    void VScroll(int Code);
    void DrawLines(const TRect& Cell, bool Fixed);

    std::vector<int> FColWidths;
    int FRowCount = 5;
    int FFixedCols = 1, FFixedRows = 1;
    int FDefaultColWidth = 64, FDefaultRowHeight = 24;
    int FGridLineWidth = 1;
    TGridOptions FOptions{goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine};
    TColor FFixedColor = clBtnFace;
    int FTopRow = 1;
    int FRow = 1, FCol = 1;
    int FWheelDelta = 0;  // wheel turns not yet worth a row
};
