#include "framework/stdctrls/Grids.h"

#include <algorithm>

#include "framework/rtl/Exceptions.h"

TCustomGrid::TCustomGrid(TComponent* AOwner) : TCustomControl(AOwner), FColWidths(5, FDefaultColWidth) {
    FControlStyle.Include(csOpaque);
    SetBounds(Left(), Top(), 320, 120);
    SetTabStop(true);
}

void TCustomGrid::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    Params.Style = (Params.Style | WS_VSCROLL | WS_TABSTOP) & ~WS_HSCROLL;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomGrid::CreateWnd() {
    TCustomControl::CreateWnd();
    UpdateScrollBar();
}

// ---- shape

void TCustomGrid::SetColCount(int Value) {
    Value = std::max(Value, 1);
    if (Value == ColCount()) return;
    FColWidths.resize(static_cast<size_t>(Value), FDefaultColWidth);
    FFixedCols = std::min(FFixedCols, Value - 1);
    FCol = std::clamp(FCol, FFixedCols, Value - 1);
    Invalidate();
}

void TCustomGrid::SetRowCount(int Value) {
    Value = std::max(Value, 1);
    if (Value == FRowCount) return;
    FRowCount = Value;
    FFixedRows = std::min(FFixedRows, Value - 1);
    FRow = std::clamp(FRow, FFixedRows, Value - 1);
    FTopRow = std::clamp(FTopRow, FFixedRows, MaxTopRow());
    UpdateScrollBar();
    Invalidate();
}

void TCustomGrid::SetFixedCols(int Value) {
    if (Value < 0 || Value >= ColCount()) throw EInvalidOperation("Fixed column count must be less than column count");
    FFixedCols = Value;
    FCol = Value;
    Invalidate();
}

void TCustomGrid::SetFixedRows(int Value) {
    if (Value < 0 || Value >= FRowCount) throw EInvalidOperation("Fixed row count must be less than row count");
    // The view and the current cell go back to the first scrolling row.
    FFixedRows = Value;
    FRow = Value;
    FTopRow = Value;
    UpdateScrollBar();
    Invalidate();
}

void TCustomGrid::SetDefaultColWidth(int Value) {
    FDefaultColWidth = std::max(Value, 0);
    std::fill(FColWidths.begin(), FColWidths.end(), FDefaultColWidth);
    Invalidate();
}

void TCustomGrid::SetDefaultRowHeight(int Value) {
    Value = std::max(Value, 1);
    if (Value == FDefaultRowHeight) return;
    FDefaultRowHeight = Value;
    FTopRow = std::clamp(FTopRow, FFixedRows, MaxTopRow());
    UpdateScrollBar();
    Invalidate();
}

int TCustomGrid::ColWidths(int Index) const {
    if (Index < 0 || Index >= ColCount()) throw EListError("Grid index out of range");
    return FColWidths[static_cast<size_t>(Index)];
}

void TCustomGrid::SetColWidths(int Index, int Value) {
    if (Index < 0 || Index >= ColCount()) throw EListError("Grid index out of range");
    FColWidths[static_cast<size_t>(Index)] = std::max(Value, 0);
    Invalidate();
}

void TCustomGrid::SetGridLineWidth(int Value) {
    FGridLineWidth = std::max(Value, 0);
    UpdateScrollBar();
    Invalidate();
}

void TCustomGrid::SetOptions(TGridOptions Value) {
    FOptions = Value;
    Invalidate();
}

void TCustomGrid::SetFixedColor(TColor Value) {
    FFixedColor = Value;
    Invalidate();
}

// ---- geometry

int TCustomGrid::VisibleRowCount() {
    const int Room = ClientHeight() - FFixedRows * RowPitch();
    return std::max(1, Room / RowPitch());
}

int TCustomGrid::MaxTopRow() { return std::max(FFixedRows, FRowCount - VisibleRowCount()); }

int TCustomGrid::ColumnLeft(int ACol) const {
    int X = 0;
    for (int C = 0; C < ACol; ++C) X += FColWidths[static_cast<size_t>(C)] + FGridLineWidth;
    return X;
}

TRect TCustomGrid::CellRect(int ACol, int ARow) {
    if (ACol < 0 || ACol >= ColCount() || ARow < 0 || ARow >= FRowCount) return {};
    if (ARow >= FFixedRows && ARow < FTopRow) return {};
    const int Y = ARow < FFixedRows ? ARow * RowPitch() : (FFixedRows + ARow - FTopRow) * RowPitch();
    if (Y >= ClientHeight()) return {};
    const int X = ColumnLeft(ACol);
    if (X >= ClientWidth()) return {};
    return {X, Y, X + FColWidths[static_cast<size_t>(ACol)], Y + FDefaultRowHeight};
}

TGridCoord TCustomGrid::MouseCoord(int X, int Y) {
    TGridCoord Result;
    if (X < 0 || Y < 0 || X >= ClientWidth() || Y >= ClientHeight()) return Result;
    int Left = 0;
    for (int C = 0; C < ColCount(); ++C) {
        const int Right = Left + FColWidths[static_cast<size_t>(C)] + FGridLineWidth;
        if (X < Right) {
            Result.X = C;
            break;
        }
        Left = Right;
    }
    const int Slot = Y / RowPitch();
    const int R = Slot < FFixedRows ? Slot : FTopRow + Slot - FFixedRows;
    if (Result.X >= 0 && R < FRowCount) Result.Y = R;
    else Result.X = -1;
    return Result;
}

void TCustomGrid::InvalidateCell(int ACol, int ARow) {
    if (!HandleAllocated()) return;
    TRect R = CellRect(ACol, ARow);
    if (R.IsEmpty()) return;
    R.Right += FGridLineWidth;
    R.Bottom += FGridLineWidth;
    RECT W{R.Left, R.Top, R.Right, R.Bottom};
    InvalidateRect(Handle(), &W, FALSE);
}

void TCustomGrid::InvalidateRow(int ARow) {
    if (!HandleAllocated()) return;
    const TRect R = CellRect(0, ARow);
    if (R.IsEmpty()) return;
    RECT W{0, R.Top, ClientWidth(), R.Bottom + FGridLineWidth};
    InvalidateRect(Handle(), &W, FALSE);
}

// ---- scrolling and the current cell

void TCustomGrid::SetTopRow(int Value) {
    Value = std::clamp(Value, FFixedRows, MaxTopRow());
    if (Value == FTopRow) return;
    FTopRow = Value;
    UpdateScrollBar();
    Invalidate();
    TopLeftChanged();
}

void TCustomGrid::ScrollIntoView(int ARow) {
    if (ARow < FFixedRows) return;
    if (ARow < FTopRow)
        SetTopRow(ARow);
    else if (ARow >= FTopRow + VisibleRowCount())
        SetTopRow(ARow - VisibleRowCount() + 1);
}

bool TCustomGrid::MoveCurrent(int ACol, int ARow) {
    ACol = std::clamp(ACol, FFixedCols, ColCount() - 1);
    ARow = std::clamp(ARow, FFixedRows, FRowCount - 1);
    if (ACol == FCol && ARow == FRow) {
        ScrollIntoView(ARow);
        return true;
    }
    if (!SelectCell(ACol, ARow)) return false;
    const int OldRow = FRow;
    FCol = ACol;
    FRow = ARow;
    InvalidateRow(OldRow);
    ScrollIntoView(ARow);
    InvalidateRow(ARow);
    CurrentChanged();
    return true;
}

bool TCustomGrid::SelectCell(int, int) { return true; }

void TCustomGrid::UpdateScrollBar() {
    if (!HandleAllocated()) return;
    SCROLLINFO SI{};
    SI.cbSize = sizeof(SI);
    // The bar stays (disabled) when every row fits: the grid's width must
    // not change with its row count.
    SI.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
    SI.nMin = 0;
    SI.nMax = std::max(0, FRowCount - FFixedRows - 1);
    SI.nPage = static_cast<UINT>(VisibleRowCount());
    SI.nPos = FTopRow - FFixedRows;
    SetScrollInfo(Handle(), SB_VERT, &SI, TRUE);
}

void TCustomGrid::VScroll(int Code) {
    switch (Code) {
        case SB_LINEUP: SetTopRow(FTopRow - 1); break;
        case SB_LINEDOWN: SetTopRow(FTopRow + 1); break;
        case SB_PAGEUP: SetTopRow(FTopRow - VisibleRowCount()); break;
        case SB_PAGEDOWN: SetTopRow(FTopRow + VisibleRowCount()); break;
        case SB_TOP: SetTopRow(FFixedRows); break;
        case SB_BOTTOM: SetTopRow(MaxTopRow()); break;
        case SB_THUMBTRACK:
            if (!FOptions.Contains(goThumbTracking)) break;
            [[fallthrough]];
        case SB_THUMBPOSITION:
            SetTopRow(FFixedRows + ScrollTrackPos(Handle(), SB_VERT, 0));
            break;
        default: break;
    }
}

void TCustomGrid::Resize() {
    FTopRow = std::clamp(FTopRow, FFixedRows, MaxTopRow());
    UpdateScrollBar();
    TCustomControl::Resize();
}

// ---- input

void TCustomGrid::KeyDown(uint16_t& Key, TShiftState Shift) {
    TCustomControl::KeyDown(Key, Shift);
    const int Page = VisibleRowCount();
    switch (Key) {
        case VK_UP: MoveCurrent(FCol, FRow - 1); break;
        case VK_DOWN: MoveCurrent(FCol, FRow + 1); break;
        case VK_PRIOR: MoveCurrent(FCol, FRow - Page); break;
        case VK_NEXT: MoveCurrent(FCol, FRow + Page); break;
        case VK_LEFT: MoveCurrent(FCol - 1, FRow); break;
        case VK_RIGHT: MoveCurrent(FCol + 1, FRow); break;
        case VK_HOME:
            if (Shift.Contains(ssCtrl)) MoveCurrent(FCol, FFixedRows);
            else MoveCurrent(FFixedCols, FRow);
            break;
        case VK_END:
            if (Shift.Contains(ssCtrl)) MoveCurrent(FCol, FRowCount - 1);
            else MoveCurrent(ColCount() - 1, FRow);
            break;
        default: return;
    }
    Key = 0;
}

void TCustomGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && CanFocus() && !Focused()) SetFocus();
    if (Button == mbLeft) {
        const TGridCoord Cell = MouseCoord(X, Y);
        if (Cell.X >= FFixedCols && Cell.Y >= FFixedRows) MoveCurrent(Cell.X, Cell.Y);
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomGrid::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_VSCROLL:
            VScroll(LOWORD(Message.WParam));
            Message.Result = 0;
            return;
        case WM_MOUSEWHEEL: {
            // High-resolution wheels send small deltas: a row per notch.
            FWheelDelta += static_cast<short>(HIWORD(Message.WParam));
            const int Rows = FWheelDelta / WHEEL_DELTA;
            FWheelDelta -= Rows * WHEEL_DELTA;
            if (Rows != 0) SetTopRow(FTopRow - Rows);
            Message.Result = 0;
            return;
        }
        case WM_GETDLGCODE:
            Message.Result = DLGC_WANTARROWS | (FOptions.Contains(goTabs) ? DLGC_WANTTAB : 0);
            return;
        case WM_ERASEBKGND:
            Message.Result = 1;  // Paint covers every pixel
            return;
        default: break;
    }
    TCustomControl::WndProc(Message);
}

// ---- painting

void TCustomGrid::DrawCell(int, int, const TRect&, TGridDrawState) {}

void TCustomGrid::DrawLines(const TRect& Cell, bool Fixed) {
    if (FGridLineWidth <= 0) return;
    const bool Vert = FOptions.Contains(Fixed ? goFixedVertLine : goVertLine);
    const bool Horz = FOptions.Contains(Fixed ? goFixedHorzLine : goHorzLine);
    TCanvas* C = Canvas();
    const TColor LineColor = Fixed ? clBlack : clSilver;
    C->Brush()->SetColor(Vert ? LineColor : Color());
    C->FillRect({Cell.Right, Cell.Top, Cell.Right + FGridLineWidth, Cell.Bottom + FGridLineWidth});
    C->Brush()->SetColor(Horz ? LineColor : Color());
    C->FillRect({Cell.Left, Cell.Bottom, Cell.Right + FGridLineWidth, Cell.Bottom + FGridLineWidth});
}

void TCustomGrid::Paint() {
    TCanvas* C = Canvas();
    const int Width = ClientWidth(), Height = ClientHeight();
    int Bottom = 0;
    auto PaintRow = [&](int R) {
        for (int Col = 0; Col < ColCount(); ++Col) {
            const TRect Cell = CellRect(Col, R);
            if (Cell.IsEmpty() && FColWidths[static_cast<size_t>(Col)] > 0) break;
            if (Cell.IsEmpty()) continue;
            const bool Fixed = Col < FFixedCols || R < FFixedRows;
            TGridDrawState State;
            if (Fixed) State.Include(gdFixed);
            const bool Current = R == FRow && (Col == FCol || FOptions.Contains(goRowSelect));
            if (Current && !Fixed) {
                State.Include(gdSelected);
                if (Focused()) State.Include(gdFocused);
            }
            C->Brush()->SetColor(Fixed ? FFixedColor : Color());
            C->FillRect(Cell);
            DrawCell(Col, R, Cell, State);
            DrawLines(Cell, Fixed);
            Bottom = std::max(Bottom, Cell.Bottom + FGridLineWidth);
        }
    };
    for (int R = 0; R < FFixedRows; ++R) PaintRow(R);
    for (int R = FTopRow; R < FRowCount && (FFixedRows + R - FTopRow) * RowPitch() < Height; ++R) PaintRow(R);
    // What no cell covers: right of the last column and below the last row.
    C->Brush()->SetColor(Color());
    const int Right = ColumnLeft(ColCount());
    if (Right < Width) C->FillRect({Right, 0, Width, Height});
    if (Bottom < Height) C->FillRect({0, Bottom, std::min(Right, Width), Height});
}

QRN_PUBLISHED(TCustomGrid) {}
