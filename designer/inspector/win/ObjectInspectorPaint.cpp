// How the inspector paints its rows, and the per-cell preparation that the
// code generator runs without painting (FormatAllCells).
#include <algorithm>

#include "designer/inspector/GraphicEdits.h"
#include "designer/inspector/ZelEdit.h"
#include "designer/inspector/win/OInplaceEdit.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/EditorClassRegistry.h"
#include "framework/graphics/Bitmap.h"

namespace {

// A row's glyph steps in this far per level.
constexpr int LevelIndent = 9;
constexpr int GlyphSize = 9;

// A row not being edited shows its value through its edit class only when
// that class paints values and is not one kept for in-place editing: a
// picture row shows its text "(TPicture)" rather than an empty cell.
bool PaintsValues(const TClass* Class) {
    return Class &&
           (Class->InheritsFrom(TGraphicEdit::StaticClass()) || Class->InheritsFrom(TCheckEdit::StaticClass())) &&
           !IsInplaceOnlyEditClass(Class);
}

}  // namespace

int TCustomObjectInspector::TextIndent(int ARow) const {
    if (!FRows.HasExpandableRows()) return 5;
    return (FRows.Row(ARow).Level + 1) * LevelIndent + 5;
}

void TCustomObjectInspector::PrepareCell(int ACol, int ARow) {
    TCanvas* C = Canvas();
    const TInfoRec& Info = FRows.Row(ARow);
    const bool Current = ARow == Row();
    C->Font()->Assign(Font());
    C->Brush()->SetColor(FColors->BackColor());
    if (ACol == 0) {
        C->Font()->SetColor(FColors->Col0Color());
        if (Info.IsGroup) {
            C->Font()->Assign(FGroupFont.get());
            if (Current) {
                C->Font()->SetColor(FColors->HighlightColor());
                C->Brush()->SetColor(FColors->HighlightBkgnd());
            }
        } else if (FReadOnly && Current) {
            C->Font()->SetColor(FColors->HighlightColor());
            C->Brush()->SetColor(FColors->HighlightBkgnd());
        }
    } else {
        C->Font()->SetColor(Info.IsGroup ? FColors->BackColor() : FColors->Col1Color());
    }
    OnGetCellParams(this, Info.PropEditor, ACol, C->Font());
}

void TCustomObjectInspector::FormatAllCells() {
    if (IsEmpty()) return;
    for (int R = 0; R < FRows.Count(); ++R)
        for (int Col = 0; Col < 2; ++Col) PrepareCell(Col, R);
}

void TCustomObjectInspector::Paint() {
    TCanvas* C = Canvas();
    const TRect Client = ClientRect();
    C->Brush()->SetColor(FColors->BackColor());
    if (IsEmpty()) {
        C->FillRect(Client);
        return;
    }
    int Bottom = 0;
    for (int R = TopRow(); R < FRows.Count(); ++R) {
        const TRect Name = CellRect(0, R);
        if (Name.IsEmpty()) break;
        for (int Col = 0; Col < 2; ++Col) {
            const TRect Cell = CellRect(Col, R);
            if (Cell.IsEmpty()) continue;
            TGridDrawState State;
            if (Col == 0)
                State.Include(gdFixed);
            else if (R == Row())
                State.Include(gdSelected);
            DrawCell(Col, R, Cell, State);
        }
        Bottom = Name.Bottom + GridLineWidth();
    }
    C->Brush()->SetColor(FColors->BackColor());
    if (Bottom < Client.Bottom) C->FillRect({0, Bottom, Client.Right, Client.Bottom});
    const int Right = ColWidths(0) + ColWidths(1) + 2 * GridLineWidth();
    if (Right < Client.Right) C->FillRect({Right, 0, Client.Right, Bottom});
}

void TCustomObjectInspector::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState) {
    TCanvas* C = Canvas();
    if (IsEmpty() || ARow >= FRows.Count()) {
        C->Brush()->SetColor(FColors->BackColor());
        C->FillRect(ARect);
        return;
    }
    TRect R = ARect;
    if (ACol == 0)
        --R.Right;
    else if (FOIOptions.Contains(oiVertLine3D))
        ++R.Left;
    const TInfoRec& Info = FRows.Row(ARow);
    if (!Info.IsGroup && OnDrawCell) {
        bool Processed = true;
        OnDrawCell(this, Info.PropEditor, ACol, R, Processed);
        if (Processed) {
            DrawRowLines(ACol, ARow, ARect);
            return;
        }
    }
    PrepareCell(ACol, ARow);
    if (ACol == 0)
        DrawNameCell(ARow, R);
    else
        DrawValueCell(ARow, R);
    DrawRowLines(ACol, ARow, ARect);
}

void TCustomObjectInspector::DrawNameCell(int ARow, const TRect& R) {
    TCanvas* C = Canvas();
    const TInfoRec& Info = FRows.Row(ARow);
    const int X = R.Left + TextIndent(ARow);
    const int Y = R.Top + std::max(0, (R.Height() - C->TextHeight(Info.DisplayName)) / 2);
    C->TextRect(R, X, Y, Info.DisplayName);
    if (Info.ExpandState != 0 && !Info.NeverExpand)
        DrawGlyph(X - 11, R.Top + (DefaultRowHeight() - GlyphSize) / 2, Info.ExpandState == 1);
}

void TCustomObjectInspector::DrawGlyph(int X, int Y, bool Expanded) {
    TBitmap* G = Expanded ? FMinusGlyph.get() : FPlusGlyph.get();
    if (G && !G->Empty()) Canvas()->Draw(X, Y, G);
}

void TCustomObjectInspector::DrawValueCell(int ARow, const TRect& R) {
    TCanvas* C = Canvas();
    const TInfoRec& Info = FRows.Row(ARow);
    C->FillRect(R);
    if (Info.IsGroup || !Info.PropEditor) return;
    std::string Text;
    try {
        // Components that disagree show nothing.
        if (Info.PropEditor->AllEqual()) Text = Info.PropEditor->GetValue();
    } catch (const Exception&) {
        Text.clear();
    }
    if (PaintsValues(Info.EditClass) && Info.PropEditor->AllEqual()) {
        TControl*& Painter = FValuePainters[Info.EditClass];
        if (!Painter) Painter = dynamic_cast<TControl*>(Info.EditClass->CreateComponent(this));
        if (Painter) {
            try {
                Painter->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text.c_str()));
                Painter->SetBounds(0, 0, R.Width(), R.Height());
                Painter->Perform(PaintValueMessage, reinterpret_cast<WPARAM>(C->Handle()),
                                 MAKELPARAM(R.Left + 1, R.Top));
                return;
            } catch (const Exception&) {
                // A value the painter cannot show is written out as text.
            }
        }
    }
    const int Y = R.Top + std::max(0, (R.Height() - C->TextHeight(Text)) / 2);
    C->TextRect(R, R.Left + 2, Y, Text);
}

void TCustomObjectInspector::DrawRowLines(int ACol, int ARow, const TRect& Cell) {
    TCanvas* C = Canvas();
    const TColor Back = FColors->BackColor();
    // Under the row.
    const int Y = Cell.Bottom;
    const int Right = Cell.Right + GridLineWidth();
    if (FOIOptions.Contains(oiHorzLine) && FLineStyle == DottedLine) {
        for (int X = Cell.Left; X < Right; ++X) C->SetPixel(X, Y, (X % 2) ? Back : FColors->HorzLineColor());
    } else {
        C->Brush()->SetColor(FOIOptions.Contains(oiHorzLine) ? FColors->HorzLineColor() : Back);
        C->FillRect({Cell.Left, Y, Right, Y + 1});
    }
    if (ACol == 0) {
        // The column border: the name cell's last pixel and the grid line.
        const bool Line = FOIOptions.Contains(oiVertLine);
        const bool Line3D = Line && FOIOptions.Contains(oiVertLine3D);
        C->Brush()->SetColor(!Line ? Back : Line3D ? clBtnShadow : FColors->VertLineColor());
        C->FillRect({Cell.Right - 1, Cell.Top, Cell.Right, Cell.Bottom + 1});
        C->Brush()->SetColor(Line3D ? clBtnHighlight : Back);
        C->FillRect({Cell.Right, Cell.Top, Cell.Right + 1, Cell.Bottom + 1});
        return;
    }
    // The grid line after the value column is the last pixel of the window.
    C->Brush()->SetColor(Back);
    C->FillRect({Cell.Right, Cell.Top, Right, Cell.Bottom});
    if (ARow == Row() && FOIOptions.Contains(oiSunkenEditor) && !FRows.Row(ARow).IsGroup) {
        const int L = Cell.Left;
        C->Brush()->SetColor(clBtnShadow);
        C->FillRect({L, Cell.Top - 1, Cell.Right, Cell.Top});
        C->Brush()->SetColor(clBlack);
        C->FillRect({L, Cell.Top, Cell.Right, Cell.Top + 1});
        C->FillRect({L, Cell.Top, L + 2, Cell.Bottom});
        C->Brush()->SetColor(clBtnHighlight);
        C->FillRect({L, Cell.Bottom, Cell.Right, Cell.Bottom + 1});
    }
}
