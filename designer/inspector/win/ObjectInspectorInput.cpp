// The inspector's keys, mouse and column splitter.
#include <algorithm>

#include "designer/inspector/ZelEdit.h"
#include "designer/inspector/win/OInplaceEdit.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "framework/forms/Forms.h"

namespace {

// The splitter stays this far from either side.
constexpr int SplitterMargin = 40;
constexpr int LevelIndent = 9;

}  // namespace

// Where a splitter dragged to X leaves the column border: at least the
// margin from either side, and in the middle of a grid too narrow for both.
int ClampSplitter(int X, int Width) {
    const int Low = std::min(SplitterMargin, Width / 2);
    const int High = std::max(Low, Width - SplitterMargin);
    return std::clamp(X, Low, High);
}

bool TCustomObjectInspector::WantsKey(uint16_t Key, TShiftState Shift) {
    switch (Key) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT: return true;
    case VK_TAB: return FOIOptions.Contains(oiTabMoveDown);
    case VK_ESCAPE: return FSplitting;
    case VK_ADD:
    case VK_SUBTRACT:
    case VK_MULTIPLY: {
        const int R = Row();
        const bool Group = R >= 0 && R < FRows.Count() && FRows.Row(R).IsGroup;
        return Shift.Contains(ssCtrl) || Group || FReadOnly;
    }
    case VK_F1: return FOIOptions.Contains(oiShowAxHelp);
    default: return false;
    }
}

void TCustomObjectInspector::KeyDown(uint16_t& Key, TShiftState Shift) {
    switch (Key) {
    case VK_TAB: {
        if (!FOIOptions.Contains(oiTabMoveDown)) break;
        const bool Back = Shift.Contains(ssShift);
        const int Next = Row() + (Back ? -1 : 1);
        if (Next >= 0 && Next < FRows.Count())
            MoveCurrent(1, Next);
        else if (TCustomForm* Form = GetParentForm(this))
            Form->SelectNext(this, !Back, true);
        Key = 0;
        return;
    }
    case VK_ESCAPE:
        if (FSplitting) {
            EndSplitter(FSplitX, false);
            Key = 0;
            return;
        }
        break;
    case VK_ADD:
    case VK_SUBTRACT:
    case VK_MULTIPLY:
        KeypadKey(Key);
        Key = 0;
        return;
    case VK_F1:
        ShowHelp();
        Key = 0;
        return;
    default: break;
    }
    inherited::KeyDown(Key, Shift);
}

void TCustomObjectInspector::KeypadKey(uint16_t Key) {
    const int R = Row();
    if (R < 0 || R >= FRows.Count()) return;
    const int State = FRows.Row(R).ExpandState;
    if (Key == VK_ADD && State == 2) ToggleExpand(R);
    if (Key == VK_SUBTRACT && State == 1) ToggleExpand(R);
    if (Key != VK_MULTIPLY) return;
    const int Level = FRows.Row(R).Level;
    if (State == 2) ToggleExpand(R);
    // Rows opened here are visited in turn: the whole subtree opens.
    for (int I = R + 1; I < FRows.Count() && FRows.Row(I).Level > Level; ++I)
        if (FRows.Row(I).ExpandState == 2) ToggleExpand(I);
}

void TCustomObjectInspector::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    FLastMouse = {X, Y};
    if (Button == mbLeft && CanFocus() && !Focused()) SetFocus();
    if (Button == mbLeft && !IsEmpty()) {
        if (std::abs(X - ColWidths(0)) <= FSplitterSize) {
            StartSplitter(X);
        } else if (!Shift.Contains(ssDouble)) {
            const TGridCoord Cell = MouseCoord(X, Y);
            if (Cell.Y >= 0 && Cell.Y < FRows.Count()) {
                const TInfoRec& Info = FRows.Row(Cell.Y);
                const int Level = FRows.HasExpandableRows() ? Info.Level : -1;
                const bool OnGlyph = Cell.X == 0 && Info.ExpandState != 0 && Level >= 0 &&
                                     X >= Level * LevelIndent - 3 && X <= (Level + 1) * LevelIndent + 3;
                if (OnGlyph)
                    ToggleExpand(Cell.Y);
                else
                    MoveCurrent(1, Cell.Y);
                if (!OnGlyph && Cell.X == 1 && FEditor && FEditor->Visible()) FEditor->SetFocus();
            }
        }
    }
    TCustomControl::MouseDown(Button, Shift, X, Y);
}

void TCustomObjectInspector::MouseMove(TShiftState Shift, int X, int Y) {
    if (FSplitting) {
        MoveSplitter(X);
    } else if (Shift.Contains(ssLeft) && !IsEmpty() && Focused()) {
        // Dragging over the rows moves the current row, one row past an edge.
        if (Y < 0)
            MoveCurrent(1, Row() - 1);
        else if (Y >= ClientHeight())
            MoveCurrent(1, Row() + 1);
        else if (const TGridCoord Cell = MouseCoord(X, Y); Cell.Y >= 0 && Cell.Y < FRows.Count())
            MoveCurrent(1, Cell.Y);
    }
    if (FShowHints && !FSplitting) UpdateCellHint(X, Y);
    TCustomControl::MouseMove(Shift, X, Y);
}

// The whole text of a name or value cell that is too narrow for it, as the
// hint the application shows after its pause.
void TCustomObjectInspector::UpdateCellHint(int X, int Y) {
    std::string Text;
    const TGridCoord Cell = MouseCoord(X, Y);
    if (!IsEmpty() && Cell.Y >= 0 && Cell.Y < FRows.Count()) {
        const TInfoRec& Info = FRows.Row(Cell.Y);
        int Room = ColWidths(Cell.X);
        if (Cell.X == 0) {
            Text = Info.DisplayName;
            Room -= TextIndent(Cell.Y);
        } else if (Info.PropEditor) {
            try {
                if (Info.PropEditor->AllEqual()) Text = Info.PropEditor->GetValue();
            } catch (const Exception&) {
                Text.clear();
            }
            Room -= 2;
        }
        if (FontTextWidth(Font(), Text) <= Room) Text.clear();
    }
    if (Text == Hint()) return;
    Application->CancelHint();
    SetHint(Text);
    SetShowHint(!Text.empty());
}

void TCustomObjectInspector::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FSplitting && Button == mbLeft) EndSplitter(X, true);
    TCustomControl::MouseUp(Button, Shift, X, Y);
}

void TCustomObjectInspector::DblClick() {
    TCustomControl::DblClick();
    const TGridCoord Cell = MouseCoord(FLastMouse.X, FLastMouse.Y);
    if (IsEmpty() || Cell.Y < 0 || Cell.Y >= FRows.Count()) return;
    if (Cell.X == 0)
        ToggleExpand(Cell.Y);
    else
        EditRow(Cell.Y);
}

// ---- the splitter

void TCustomObjectInspector::StartSplitter(int X) {
    FSplitting = true;
    HideEditor();
    SetCapture(Handle());
    FSplitX = ClampSplitter(X, ClientWidth());
    DrawSplitterLine(FSplitX);
}

void TCustomObjectInspector::MoveSplitter(int X) {
    X = ClampSplitter(X, ClientWidth());
    if (X == FSplitX) return;
    DrawSplitterLine(FSplitX);
    FSplitX = X;
    DrawSplitterLine(FSplitX);
    OnSplitterMoving(this, X);
}

void TCustomObjectInspector::EndSplitter(int X, bool Apply) {
    if (!FSplitting) return;
    DrawSplitterLine(FSplitX);
    FSplitting = false;
    if (GetCapture() == Handle()) ReleaseCapture();
    if (Apply) {
        X = ClampSplitter(X, ClientWidth());
        SetFixedColWidth(X);
        OnSplitterMoved(this, X);
    }
    Invalidate();
    UpdateEditor();
}

void TCustomObjectInspector::DrawSplitterLine(int X) {
    TCanvas* C = Canvas();
    C->Pen()->SetMode(pmXor);
    C->Pen()->SetStyle(psDot);
    C->Pen()->SetColor(clWhite);
    C->MoveTo(X, 0);
    C->LineTo(X, ClientHeight());
    C->Pen()->SetMode(pmCopy);
    C->Pen()->SetStyle(psSolid);
}

void TCustomObjectInspector::WndProc(TMessage& Message) {
    switch (Message.Msg) {
    case WM_GETDLGCODE:
        inherited::WndProc(Message);
        if (FOIOptions.Contains(oiTabMoveDown)) Message.Result |= DLGC_WANTTAB;
        return;
    case WM_NCHITTEST:
        // Being designed, all of it is client area, the scroll bar too: a
        // press there reaches the designer, which selects the inspector.
        if (ComponentState().Contains(csDesigning)) {
            Message.Result = HTCLIENT;
            return;
        }
        break;
    case WM_SETCURSOR:
        if (LOWORD(Message.LParam) == HTCLIENT && !IsEmpty()) {
            POINT P;
            GetCursorPos(&P);
            ::ScreenToClient(Handle(), &P);
            if (FSplitting || std::abs(P.x - ColWidths(0)) <= FSplitterSize) {
                ::SetCursor(LoadCursorA(nullptr, IDC_SIZEWE));
                Message.Result = 1;
                return;
            }
        }
        break;
    case WM_RBUTTONUP: {
        POINT P{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
        ::ClientToScreen(Handle(), &P);
        ShowPopupAt(P.x, P.y);
        Message.Result = 0;
        return;
    }
    case WM_SETFOCUS:
        inherited::WndProc(Message);
        if (FEditor && FEditor->Visible() && !FSplitting) FEditor->SetFocus();
        return;
    case WM_CANCELMODE:
        if (FSplitting) EndSplitter(FSplitX, false);
        break;
    default: break;
    }
    inherited::WndProc(Message);
}

void TCustomObjectInspector::Resize() {
    // The row height follows the font: its capitals' height and 3 pixels.
    const int Height = FontTextExtent(Font(), "QWERTYUIOPASDFGHJKLZXCVBNM").cy + 3;
    if (Height != DefaultRowHeight()) SetDefaultRowHeight(Height);
    inherited::Resize();
    SetColWidths(1, std::max(0, ClientWidth() - ColWidths(0) - 2 * GridLineWidth()));
    UpdateEditor();
}
