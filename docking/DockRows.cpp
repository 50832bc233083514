#include "docking/DockRows.h"

#include <algorithm>

#include "docking/QuickSort.h"

int EmptyDockThickness(bool Designing, bool FixAlign) {
    if (Designing) return 9;
    return FixAlign ? 1 : 0;
}

int GetHighestRow(const std::vector<TDockBarSlot>& Bars) {
    int Highest = -1;
    for (const TDockBarSlot& B : Bars) Highest = std::max(Highest, B.DockRow);
    return Highest;
}

int GetNumberOfToolbarsOnRow(const std::vector<TDockBarSlot>& Bars, int Row, int NotIncluding) {
    int Count = 0;
    for (size_t I = 0; I < Bars.size(); ++I)
        if (static_cast<int>(I) != NotIncluding && Bars[I].DockRow == Row) ++Count;
    return Count;
}

void RemoveBlankRows(std::vector<TDockBarSlot>& Bars) {
    int Highest = GetHighestRow(Bars);
    for (int Row = 0; Row <= Highest;) {
        if (GetNumberOfToolbarsOnRow(Bars, Row) > 0) {
            ++Row;
            continue;
        }
        for (TDockBarSlot& B : Bars)
            if (B.DockRow > Row) --B.DockRow;
        --Highest;
    }
}

void InsertRowBefore(std::vector<TDockBarSlot>& Bars, int Row) {
    for (TDockBarSlot& B : Bars)
        if (B.DockRow >= Row) ++B.DockRow;
}

int GetRowSize(const std::vector<int>& RowSizes, int Row, int DefaultSize) {
    if (Row >= 0 && Row < static_cast<int>(RowSizes.size()) && RowSizes[static_cast<size_t>(Row)] > 0)
        return RowSizes[static_cast<size_t>(Row)];
    return DefaultSize;
}

namespace {

// Shown bars of one row, in list order.
std::vector<int> ShownBarsOfRow(const std::vector<TDockBarSlot>& Bars, const std::vector<int>& Order, int Row,
                                bool IncludeFullSize) {
    std::vector<int> Result;
    for (int Index : Order) {
        const TDockBarSlot& B = Bars[static_cast<size_t>(Index)];
        if (B.Shown && B.DockRow == Row && (IncludeFullSize || !B.FullSize)) Result.push_back(Index);
    }
    return Result;
}

// A full-size bar must have its row to itself: everything else from its
// row on moves one row out.
void GiveFullSizeBarsOwnRows(std::vector<TDockBarSlot>& Bars, const std::vector<int>& Order) {
    for (int Row = 0; Row <= GetHighestRow(Bars); ++Row) {
        for (int Index : Order) {
            const TDockBarSlot& B = Bars[static_cast<size_t>(Index)];
            if (!B.FullSize || B.DockRow != Row) continue;
            if (GetNumberOfToolbarsOnRow(Bars, Row, Index) == 0) continue;
            for (size_t J = 0; J < Bars.size(); ++J)
                if (static_cast<int>(J) != Index && Bars[J].DockRow >= Row) ++Bars[J].DockRow;
        }
    }
}

}  // namespace

TDockLayout LayoutDockRows(std::vector<TDockBarSlot>& Bars, const TDockLayoutOptions& Options) {
    TDockLayout Layout;
    const size_t Count = Bars.size();
    Layout.BarBounds.assign(Count, TRect{});
    for (size_t I = 0; I < Count; ++I) Layout.Order.push_back(static_cast<int>(I));

    const bool Vertical = IsVerticalDock(Options.Position);
    auto LengthOf = [&](int Index) {
        const TDockBarSlot& B = Bars[static_cast<size_t>(Index)];
        return Vertical ? B.Height : B.Width;
    };

    if (std::none_of(Bars.begin(), Bars.end(), [](const TDockBarSlot& B) { return B.Shown; })) {
        Layout.Thickness = EmptyDockThickness(Options.Designing, Options.FixAlign);
        return Layout;
    }

    // A negative row (set from code) would index no row: it counts as row 0.
    for (TDockBarSlot& B : Bars)
        if (Options.LimitToOneRow || B.DockRow < 0) B.DockRow = 0;
    RemoveBlankRows(Bars);

    QuickSortList(Layout.Order, [&](int A, int B) {
        const TDockBarSlot& X = Bars[static_cast<size_t>(A)];
        const TDockBarSlot& Y = Bars[static_cast<size_t>(B)];
        if (X.DockRow != Y.DockRow) return X.DockRow < Y.DockRow ? -1 : 1;
        if (X.DockPos != Y.DockPos) return X.DockPos < Y.DockPos ? -1 : 1;
        return 0;
    });

    GiveFullSizeBarsOwnRows(Bars, Layout.Order);

    const int Highest = GetHighestRow(Bars);
    Layout.RowSizes.assign(static_cast<size_t>(Highest + 1), 0);
    for (const TDockBarSlot& B : Bars)
        if (B.Shown) {
            int& Size = Layout.RowSizes[static_cast<size_t>(B.DockRow)];
            Size = std::max({Size, B.SizeAcross, 8});
        }

    // Push overlapping bars apart along each row.
    for (int Row = 0; Row <= Highest; ++Row) {
        bool HasPrevious = false;
        int PreviousEnd = 0;
        for (int Index : ShownBarsOfRow(Bars, Layout.Order, Row, true)) {
            TDockBarSlot& B = Bars[static_cast<size_t>(Index)];
            if (B.FullSize)
                B.DockPos = 0;
            else if (HasPrevious)
                B.DockPos = std::max(B.DockPos, PreviousEnd);
            PreviousEnd = B.DockPos + LengthOf(Index);
            HasPrevious = true;
        }
    }

    // Keep the bars inside the dock: back from the far edge, then never
    // past the near edge (a row that is too long overflows the far edge).
    std::vector<int> Positions(Count, 0);
    for (size_t I = 0; I < Count; ++I) Positions[I] = Bars[I].FullSize ? 0 : Bars[I].DockPos;
    for (int Row = 0; Row <= Highest; ++Row) {
        std::vector<int> RowBars = ShownBarsOfRow(Bars, Layout.Order, Row, false);
        int Limit = Options.ClientLength;
        for (auto It = RowBars.rbegin(); It != RowBars.rend(); ++It) {
            int& Pos = Positions[static_cast<size_t>(*It)];
            Limit -= LengthOf(*It);
            if (Limit < Pos) Pos = Limit;
            Limit = Pos;
        }
        int End = 0;
        for (int Index : RowBars) {
            int& Pos = Positions[static_cast<size_t>(Index)];
            if (Pos < End) Pos = End;
            End = Pos + LengthOf(Index);
        }
    }

    if (Options.StorePositions)
        for (size_t I = 0; I < Count; ++I)
            if (Bars[I].Shown) Bars[I].DockPos = Positions[I];

    int Across = 0;
    for (int Row = 0; Row <= Highest; ++Row) {
        const int Pitch = DockRowPitch(Layout.RowSizes[static_cast<size_t>(Row)]);
        for (int Index : ShownBarsOfRow(Bars, Layout.Order, Row, true)) {
            const TDockBarSlot& B = Bars[static_cast<size_t>(Index)];
            const int Pos = Positions[static_cast<size_t>(Index)];
            if (Vertical)
                Layout.BarBounds[static_cast<size_t>(Index)] =
                    Bounds(Across, Pos, Pitch, B.FullSize ? Options.ClientLength : B.Height);
            else
                Layout.BarBounds[static_cast<size_t>(Index)] =
                    Bounds(Pos, Across, B.FullSize ? Options.ClientLength : B.Width, Pitch);
        }
        Across += Pitch;
    }
    Layout.Thickness = Across;
    return Layout;
}

TRowHit GetRowOf(const std::vector<int>& RowSizes, int Coord) {
    // Within 5 pixels of a boundary between rows means a new row there.
    int Start = 0;
    for (size_t Row = 0; Row < RowSizes.size(); ++Row) {
        const int End = Start + DockRowPitch(RowSizes[Row]);
        if (Coord < Start + 5) return {static_cast<int>(Row), true};
        if (Coord < End - 5) return {static_cast<int>(Row), false};
        Start = End;
    }
    return {static_cast<int>(RowSizes.size()), false};
}

int GetDesiredRow(const std::vector<int>& RowSizes, int Coord) {
    int End = 0;
    for (size_t Row = 0; Row < RowSizes.size(); ++Row) {
        End += DockRowPitch(RowSizes[Row]);
        if (End > Coord) return static_cast<int>(Row);
    }
    return static_cast<int>(RowSizes.size());
}

TDropPlace PlaceDroppedBar(std::vector<TDockBarSlot>& Bars, int DroppedBar, bool FullSize,
                           const std::vector<int>& RowSizes, bool Vertical, const TRect& Outline) {
    const bool Known = DroppedBar >= 0 && DroppedBar < static_cast<int>(Bars.size());
    const int Middle = Vertical ? (Outline.Left + Outline.Right) / 2 : (Outline.Top + Outline.Bottom) / 2;
    TRowHit Hit = GetRowOf(RowSizes, Middle);
    TDropPlace Place{Hit.Row, Vertical ? Outline.Top : Outline.Left};
    if (Hit.Before) {
        InsertRowBefore(Bars, Hit.Row);
    } else if (FullSize && GetNumberOfToolbarsOnRow(Bars, Hit.Row, Known ? DroppedBar : -1) > 0) {
        InsertRowBefore(Bars, Hit.Row + 1);
        Place.Row = Hit.Row + 1;
    }
    if (Known) {
        Bars[static_cast<size_t>(DroppedBar)].DockRow = Place.Row;
        Bars[static_cast<size_t>(DroppedBar)].DockPos = Place.Pos;
    }
    return Place;
}

TRect ResizeDockAlongEdge(const TRect& B, TDockPosition Position, int Thickness) {
    TRect R = B;
    switch (Position) {
        case dpTop: R.Bottom = R.Top + Thickness; break;
        case dpBottom: R.Top = R.Bottom - Thickness; break;
        case dpLeft: R.Right = R.Left + Thickness; break;
        case dpRight: R.Left = R.Right - Thickness; break;
    }
    return R;
}

TEdgeInsets DockBoundLineInsets(TDockBoundLines Lines) {
    return {Lines.Contains(blLeft) ? 1 : 0, Lines.Contains(blTop) ? 1 : 0, Lines.Contains(blRight) ? 1 : 0,
            Lines.Contains(blBottom) ? 1 : 0};
}

TDropPlace DesignerMovePlace(const std::vector<int>& RowSizes, bool Vertical, const TRect& NewBounds) {
    const int Middle = Vertical ? (NewBounds.Left + NewBounds.Right) / 2 : (NewBounds.Top + NewBounds.Bottom) / 2;
    return {GetDesiredRow(RowSizes, Middle), Vertical ? NewBounds.Top : NewBounds.Left};
}
