#include "designer/inspector/win/OInplaceEdit.h"

#include <algorithm>

#include "designer/inspector/GraphicEdits.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "framework/forms/Forms.h"

// The graphic painters edit nothing as text: their rows edit in a plain edit.
std::vector<const TClass*>& NonInlineEditClasses() {
    static std::vector<const TClass*> List{TImageEdit::StaticClass(), TPictureEdit::StaticClass()};
    return List;
}

TOInplaceEdit::TOInplaceEdit(TComponent* AOwner) : TZelCustomPropEditor(AOwner) {
    SetColor(clWindow);
    SetCtl3D(false);
    SetBorderStyle(bsNone);
    SetTabStop(false);
    Button1Params()->SetWidth(0);
}

void TOInplaceEdit::AttachRow(const TInfoRec& Row, bool ReadOnlyRow) {
    SetReadOnly(ReadOnlyRow);
    const bool OtherRow = PropEditor() != Row.PropEditor;
    if (OtherRow) SetPropEditor(Row.PropEditor);
    ShowRowValue(OtherRow);
}

void TOInplaceEdit::ShowRowValue(bool NewRow) {
    TPropertyEditor* E = PropEditor();
    if (!E) return;
    // A value applied as it is typed comes back here: showing it again
    // would select the text, and the next key would replace it. A row just
    // reached always shows its value selected, so typing replaces it.
    if (!NewRow && EditHasFocus() && E->AllEqual() && GetText() == E->GetValue()) return;
    UpdateFromPropEditor();
    // Values that differ show as an empty cell, which is no value to commit.
    if (!E->AllEqual()) ShowText("");
    SetModified(false);
    if (auto* Win = dynamic_cast<TWinControl*>(Edit()); Win && Win->HandleAllocated())
        SendMessageA(Win->Handle(), EM_SETSEL, 0, -1);
}

void TOInplaceEdit::ShowInCell(const TRect& Cell) {
    TRect R = Cell;
    if (FInspector && FInspector->Options().Contains(oiVertLine3D)) ++R.Left;
    const bool Focus = FInspector && FInspector->Focused();
    SetBounds(R.Left, R.Top, R.Width(), R.Height());
    SetVisible(true);
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, R.Left, R.Top, R.Width(), R.Height(), SWP_NOZORDER | SWP_SHOWWINDOW);
    FShownAt = GetTickCount();
    if (Focus) SetFocus();
}

void TOInplaceEdit::HideEditor() {
    const bool HadFocus = EditHasFocus();
    SetVisible(false);
    SetBounds(-200, -200, Width(), Height());
    if (HadFocus && FInspector && FInspector->CanFocus()) FInspector->SetFocus();
}

// The commit that ends an edit (leaving it, Enter): an empty text commits
// nothing here, so clearing the cell and leaving it keeps the value.
void TOInplaceEdit::UpdateEditSource() {
    TPropertyEditor* E = PropEditor();
    if (!E || !FInspector) return;
    const std::string Text = GetText().substr(0, 1023);
    if (Text.empty()) return;
    try {
        FInspector->CommitValue(E, Text);
    } catch (...) {
        // Enter commits again right after this path; one report is enough.
        SetModified(false);
        throw;
    }
    ShowRowValue();
}

void TOInplaceEdit::CommitNow() {
    TPropertyEditor* E = PropEditor();
    if (!E || !FInspector || !GetModified() || FRefreshing) return;
    const int Row = FInspector->Row();
    if (Row < 0 || Row >= FInspector->InfoCount() || FInspector->Info(Row).IsGroup) return;
    FRefreshing = true;
    try {
        FInspector->CommitValue(E, GetText());
        ShowRowValue();
        FInspector->RefreshValues();
    } catch (...) {
        FRefreshing = false;
        throw;
    }
    FRefreshing = false;
}

void TOInplaceEdit::ReadPopupText() {
    if (!PropEditor() || !Popup()) {
        inherited::ReadPopupText();
        return;
    }
    char Buffer[1024] = {};
    Popup()->Perform(WM_GETTEXT, sizeof(Buffer), reinterpret_cast<LPARAM>(Buffer));
    TCustomZelEdit::SetText(Buffer);
    SetModified(true);
    CommitNow();
}

void TOInplaceEdit::AdjustEditClass(const TClass*& EditClass) {
    const auto& List = NonInlineEditClasses();
    if (std::find(List.begin(), List.end(), EditClass) != List.end()) EditClass = TZelSimpleEdit::StaticClass();
}

void TOInplaceEdit::EditWithDialog() {
    if (FInspector) FInspector->EditRow(FInspector->Row());
    else inherited::EditWithDialog();
}

void TOInplaceEdit::Rebind() {
    if (!FInspector) inherited::Rebind();
}

void TOInplaceEdit::Invalidate() {
    inherited::Invalidate();
    if (FInspector && FInspector->HandleAllocated() && Visible()) {
        RECT R{Left(), Top(), Left() + Width(), Top() + Height()};
        InvalidateRect(FInspector->Handle(), &R, FALSE);
    }
}

void TOInplaceEdit::Paint() {
    inherited::Paint();
    if (!FInspector || !FInspector->Options().Contains(oiVertLine3D)) return;
    Canvas()->Pen()->SetColor(clBtnHighlight);
    Canvas()->MoveTo(1, 1);
    Canvas()->LineTo(1, Height());
}

void TOInplaceEdit::WndProc(TMessage& Message) {
    const bool TabMoves = FInspector && FInspector->Options().Contains(oiTabMoveDown);
    switch (Message.Msg) {
    case WM_RBUTTONUP:
        if (FInspector) {
            POINT P;
            GetCursorPos(&P);
            FInspector->ShowPopupAt(P.x, P.y);
        }
        Message.Result = 1;
        return;
    case CM_WANTSPECIALKEY:
        if (Message.WParam == VK_TAB && TabMoves) {
            Message.Result = 1;
            return;
        }
        break;
    case WM_GETDLGCODE:
        inherited::WndProc(Message);
        if (TabMoves) Message.Result |= DLGC_WANTTAB;
        return;
    default: break;
    }
    inherited::WndProc(Message);
}

void TOInplaceEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (FInspector && FInspector->SplitterDragging()) return;
    if (Button == mbLeft && FInspector && GetTickCount() - FShownAt < GetDoubleClickTime()) {
        // The second click of a double click on the row: the inner edit
        // must not act on it as well (a check box would toggle back).
        FShownAt = 0;
        FPressTaken = true;
        FInspector->EditRow(FInspector->Row());
        return;
    }
    inherited::MouseDown(Button, Shift, X, Y);
}

void TOInplaceEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (!FInspector) {
        inherited::KeyDown(Key, Shift);
        return;
    }
    if (!Shift.Contains(ssAlt) && FInspector->WantsKey(Key, Shift)) {
        FInspector->KeyDown(Key, Shift);
        Key = 0;
        return;
    }
    if (Key == VK_RETURN && Visible()) {
        Key = 0;
        EnterKey(Shift);
        return;
    }
    inherited::KeyDown(Key, Shift);
}

void TOInplaceEdit::EnterKey(TShiftState Shift) {
    TPropertyEditor* E = PropEditor();
    if (Shift.Contains(ssCtrl)) {
        FInspector->EditRow(FInspector->Row());
    } else if (E && GetModified()) {
        // Enter commits an empty text too: that is how a value is cleared.
        FInspector->CommitValue(E, GetText());
    }
    ShowRowValue();
    if (Shift.Contains(ssCtrl) || !FInspector->Options().Contains(oiEnterMoveDown)) return;
    if (FInspector->Row() < FInspector->RowCount() - 1) {
        uint16_t Down = VK_DOWN;
        FInspector->KeyDown(Down, {});
    } else if (TCustomForm* Form = GetParentForm(FInspector)) {
        Form->SelectNext(FInspector, true, true);
    }
}

QRN_PUBLISHED(TOInplaceEdit) {}
