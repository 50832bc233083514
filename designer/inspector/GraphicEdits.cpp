#include "designer/inspector/GraphicEdits.h"

#include <algorithm>

#include "designer/inspector/ZelEdit.h"

namespace {
TCustomZelEdit* OwningEdit(TComponent* Control) { return dynamic_cast<TCustomZelEdit*>(Control->Owner()); }

void AnswerText(TMessage& Message, const std::string& Text) {
    if (Message.Msg == WM_GETTEXTLENGTH) {
        Message.Result = static_cast<LRESULT>(Text.size());
        return;
    }
    const size_t Room = Message.WParam;
    const size_t N = Room ? std::min(Text.size(), Room - 1) : 0;
    if (Room) {
        std::copy_n(Text.data(), N, reinterpret_cast<char*>(Message.LParam));
        reinterpret_cast<char*>(Message.LParam)[N] = '\0';
    }
    Message.Result = static_cast<LRESULT>(N);
}
}  // namespace

TGraphicEdit::TGraphicEdit(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() + TControlStyle{csNoDesignVisible});
    SetParentCtl3D(false);
}

bool TGraphicEdit::ShowsFocus() {
    TCustomZelEdit* Edit = OwningEdit(this);
    return Edit && Edit->FocusRepaint() && !Edit->Flat() && HandleAllocated() && GetFocus() == Handle();
}

void TGraphicEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_SETTEXT:
            SetValueText(Message.LParam ? reinterpret_cast<const char*>(Message.LParam) : "");
            if (TCustomZelEdit* Edit = OwningEdit(this)) Edit->Change();
            Invalidate();
            Message.Result = 1;
            return;
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
            AnswerText(Message, GetValueText());
            return;
        case PaintValueMessage: {
            TCanvas Target;
            Target.SetHandle(reinterpret_cast<HDC>(Message.WParam));
            PaintValue(&Target, static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam)));
            Target.SetHandle(nullptr);
            Message.Result = 1;
            return;
        }
        case CM_ENABLEDCHANGED:
            inherited::WndProc(Message);
            Invalidate();
            return;
    }
    inherited::WndProc(Message);
}

QRN_PUBLISHED(TGraphicEdit) {}

TColorEdit::TColorEdit(TComponent* AOwner) : TGraphicEdit(AOwner) { FValueText = "clBlack"; }

void TColorEdit::SetValueText(const std::string& Text) {
    StringToColor(Text);
    FValueText = Text;
}

void TColorEdit::PaintValue(TCanvas* Canvas, int X, int Y) {
    const TRect R{X, Y, X + Width(), Y + Height()};
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(R);
    Canvas->Pen()->SetColor(clBlack);
    Canvas->Brush()->SetColor(StringToColor(FValueText));
    Canvas->Rectangle(TRect{X + 2, Y + 2, X + 24, R.Bottom - 2});
    const std::string Name = FValueText.rfind("cl", 0) == 0 ? FValueText.substr(2) : FValueText;
    RECT Text{X + 28, Y, R.Right, R.Bottom};
    SetBkMode(Canvas->Handle(), TRANSPARENT);
    SetTextColor(Canvas->Handle(), ColorToRGB(Enabled() ? clWindowText : clBtnShadow));
    DrawTextA(Canvas->Handle(), Name.c_str(), static_cast<int>(Name.size()), &Text,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (ShowsFocus()) Canvas->DrawFocusRect(R);
}

QRN_PUBLISHED(TColorEdit) {}

TCheckEdit::TCheckEdit(TComponent* AOwner) : TCustomControl(AOwner) {
    SetParentColor(false);
    SetColor(clWindow);
}

void TCheckEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_SETTEXT: {
            // Only a text that starts with T or Y is true; an empty text is not.
            const char* Text = Message.LParam ? reinterpret_cast<const char*>(Message.LParam) : "";
            const bool Value = Text[0] == 'T' || Text[0] == 'Y';
            if (Value != FValue) {
                FValue = Value;
                Invalidate();
            }
            FModified = false;
            Message.Result = 1;
            return;
        }
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
            AnswerText(Message, FValue ? "True" : "False");
            return;
        case EM_GETMODIFY:
            Message.Result = FModified;
            return;
        case WM_SETFOCUS:
            Invalidate();
            break;
        case PaintValueMessage:
            PaintCheck(reinterpret_cast<HDC>(Message.WParam), static_cast<short>(LOWORD(Message.LParam)),
                       static_cast<short>(HIWORD(Message.LParam)));
            Message.Result = 1;
            return;
    }
    inherited::WndProc(Message);
}

void TCheckEdit::Toggle() {
    TCustomZelEdit* Edit = OwningEdit(this);
    if (Edit && Edit->GetReadOnly()) return;
    FValue = !FValue;
    if (Edit) Edit->Change();
    Invalidate();
    FModified = true;
    if (Edit) Edit->CommitText();
}

void TCheckEdit::Click() {
    if (CanFocus() && HandleAllocated()) ::SetFocus(Handle());
    // Only a click on the box itself toggles.
    POINT P{};
    GetCursorPos(&P);
    const TPoint Local = ScreenToClient({P.x, P.y});
    if (Local.X >= 0 && Local.Y >= 0 && Local.X < Height() + 2 && Local.Y < Height() + 2) Toggle();
    inherited::Click();
}

void TCheckEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (Key == VK_SPACE) Toggle();
    inherited::KeyDown(Key, Shift);
}

void TCheckEdit::PaintCheck(HDC DC, int X, int Y) {
    RECT Whole{X, Y, X + Width(), Y + Height()};
    HBRUSH Back = CreateSolidBrush(ColorToRGB(Color()));
    FillRect(DC, &Whole, Back);
    DeleteObject(Back);
    const int Size = std::min(13, Height() - 2);
    RECT Box{X + 1, Y + (Height() - Size) / 2, X + 1 + Size, Y + (Height() - Size) / 2 + Size};
    UINT State = DFCS_BUTTONCHECK | DFCS_FLAT;
    if (FValue) State |= DFCS_CHECKED;
    if (!Enabled()) State |= DFCS_INACTIVE;
    DrawFrameControl(DC, &Box, DFC_BUTTON, State);
}

QRN_PUBLISHED(TCheckEdit) {}
