#include "designer/inspector/ZelListBox.h"

#include <algorithm>

#include "designer/support/MarkedText.h"
#include "designer/support/win/ZelHint.h"

TZelListBox::TZelListBox(TComponent* AOwner)
    : TListBox(AOwner), FBoldFont(std::make_unique<TFont>()),
      FColumns(std::make_unique<TZelListBoxColumns>(this)) {
    RefreshBoldFont();
}

TZelListBox::~TZelListBox() = default;

void TZelListBox::RefreshBoldFont() {
    FBoldFont->Assign(Font());
    FBoldFont->SetStyle(FBoldFont->Style() + TFontStyles{fsBold});
}

void TZelListBox::SetColumned(bool Value) {
    if (Value == FColumned) return;
    FColumned = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TZelListBox::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    if (FColumned) Params.Style |= LBS_OWNERDRAWFIXED | LBS_HASSTRINGS;
}

void TZelListBox::CreateWnd() {
    inherited::CreateWnd();
    RefreshBoldFont();
}

void TZelListBox::EndRedrawLock() {
    if (FRedrawLock > 0 && --FRedrawLock == 0) MeasureColumns();
}

int TZelListBox::ColumnWidth(int C) const {
    if (C < FColumns->Count() && FColumns->Column(C)->ColumnSize() != 0) return FColumns->Column(C)->ColumnSize();
    return C < static_cast<int>(FAutoWidths.size()) ? FAutoWidths[static_cast<size_t>(C)] : 0;
}

void TZelListBox::MeasureColumns() {
    if (!FColumned || FRedrawLock > 0 || !HandleAllocated()) return;
    HDC DC = GetDC(Handle());
    for (int I = 0; I < Items()->Count(); ++I) {
        const std::string Text = Items()->Get(I);
        size_t Pos = 0;
        for (size_t C = 0; Pos < Text.size(); ++C) {
            const int W = MeasureMarkedText(DC, Font(), FBoldFont.get(), NextBarField(Text, Pos) + " ").cx;
            if (FAutoWidths.size() <= C) FAutoWidths.resize(C + 1, 0);
            // A column only grows, so rows already drawn stay aligned.
            FAutoWidths[C] = std::max(FAutoWidths[C], W);
        }
    }
    ReleaseDC(Handle(), DC);
}

void TZelListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    if (!FColumned) {
        inherited::DrawItem(Index, Rect, State);
        return;
    }
    TCanvas* C = Canvas();
    C->FillRect(Rect);
    if (Index < 0 || Index >= Items()->Count()) return;
    const std::string Text = Items()->Get(Index);
    SetBkMode(C->Handle(), TRANSPARENT);
    SetTextColor(C->Handle(), ColorToRGB(C->Font()->Color()));
    size_t Pos = 0;
    int Left = Rect.Left + 2;
    for (int Column = 0; Pos < Text.size(); ++Column) {
        const TMarkedText Field = SplitMarkedText(NextBarField(Text, Pos));
        // A right-aligned field ends at its column's right edge.
        const bool Right = Column < FColumns->Count() && FColumns->Column(Column)->Alignment() == taRightJustify;
        const int CellRight = Right ? std::min(Left + ColumnWidth(Column), Rect.Right - 2) : Rect.Right - 2;
        DrawMarkedText(C->Handle(), C->Font(), FBoldFont.get(), Right, Field.Start, Field.Length, Field.Plain,
                       TRect{Left, Rect.Top, CellRight, Rect.Bottom});
        Left += ColumnWidth(Column);
    }
}

void TZelListBox::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CM_FONTCHANGED:
            inherited::WndProc(Message);
            RefreshBoldFont();
            return;
        case LB_ADDSTRING:
        case LB_INSERTSTRING:
        case LB_DELETESTRING:
        case WM_SETREDRAW:
            inherited::WndProc(Message);
            MeasureColumns();
            return;
    }
    inherited::WndProc(Message);
}

QRN_PUBLISHED(TZelListBoxColumn) {
    B.Prop("Alignment", &TZelListBoxColumn::Alignment, &TZelListBoxColumn::SetAlignment).Default(taLeftJustify);
    B.Prop("ColumnSize", &TZelListBoxColumn::ColumnSize, &TZelListBoxColumn::SetColumnSize).Default(0);
}
QRN_PUBLISHED(TZelListBoxColumns) {}
QRN_PUBLISHED(TZelListBox) {
    B.Prop("Columns", &TZelListBox::Columns, &TZelListBox::SetColumns);
}
