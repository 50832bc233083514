#include "framework/stdctrls/CheckListBox.h"

QRN_PUBLISHED(TCheckListBox) { B.Event("OnClickCheck", &TCheckListBox::OnClickCheck); }

TCheckListBox::TCheckListBox(TComponent* AOwner) : TListBox(AOwner) { SetStyle(lbOwnerDrawFixed); }

int TCheckListBox::CheckWidth() const { return GetSystemMetrics(SM_CXMENUCHECK) + 4; }

bool TCheckListBox::Checked(int Index) const {
    return Index >= 0 && static_cast<size_t>(Index) < FChecked.size() && FChecked[static_cast<size_t>(Index)];
}

void TCheckListBox::SetChecked(int Index, bool Value) {
    if (Index < 0) return;
    if (static_cast<size_t>(Index) >= FChecked.size()) FChecked.resize(static_cast<size_t>(Index) + 1, false);
    if (FChecked[static_cast<size_t>(Index)] == Value) return;
    FChecked[static_cast<size_t>(Index)] = Value;
    if (HandleAllocated()) {
        RECT R{};
        if (SendMessageA(Handle(), LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&R)) != LB_ERR)
            InvalidateRect(Handle(), &R, FALSE);
    }
}

void TCheckListBox::ToggleCheck(int Index) {
    if (Index < 0 || Index >= Items()->Count()) return;
    SetChecked(Index, !Checked(Index));
    if (OnClickCheck) OnClickCheck(this);
}

void TCheckListBox::DrawItem(int Index, const TRect& Rect, TOwnerDrawState State) {
    TCanvas* C = Canvas();
    C->Brush()->SetColor(State.Contains(odSelected) ? clHighlight : Color());
    C->FillRect(Rect);
    if (Index < 0 || Index >= Items()->Count()) return;
    const int Box = GetSystemMetrics(SM_CXMENUCHECK);
    RECT Check{Rect.Left + 2, Rect.Top + (Rect.Height() - Box) / 2, Rect.Left + 2 + Box,
               Rect.Top + (Rect.Height() - Box) / 2 + Box};
    DrawFrameControl(C->Handle(), &Check, DFC_BUTTON, DFCS_BUTTONCHECK | (Checked(Index) ? DFCS_CHECKED : 0));
    C->Font()->SetColor(State.Contains(odSelected) ? clHighlightText : Font()->Color());
    C->Brush()->SetStyle(bsClear);
    C->TextOut(Rect.Left + CheckWidth(), Rect.Top, Items()->Strings(Index));
}

void TCheckListBox::WndProc(TMessage& Message) {
    if (Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK) {
        const int X = static_cast<short>(LOWORD(Message.LParam)), Y = static_cast<short>(HIWORD(Message.LParam));
        TListBox::WndProc(Message);
        if (X < CheckWidth()) ToggleCheck(ItemAtPos({X, Y}, true));
        return;
    }
    if (Message.Msg == WM_CHAR && Message.WParam == ' ') {
        ToggleCheck(ItemIndex());
        return;
    }
    TListBox::WndProc(Message);
}
