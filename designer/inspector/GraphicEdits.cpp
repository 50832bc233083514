#include "designer/inspector/GraphicEdits.h"

#include <algorithm>

#include "designer/inspector/MultiSelectPropEdit.h"
#include "designer/inspector/PropEdit.h"
#include "designer/inspector/StyleSamples.h"
#include "designer/inspector/ZelEdit.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/graphics/Bitmap.h"

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

void DrawTextIn(TCanvas* Canvas, const std::string& Text, const TRect& R, TColor Color) {
    RECT Box{R.Left, R.Top, R.Right, R.Bottom};
    SetBkMode(Canvas->Handle(), TRANSPARENT);
    SetTextColor(Canvas->Handle(), ColorToRGB(Color));
    DrawTextA(Canvas->Handle(), Text.c_str(), static_cast<int>(Text.size()), &Box,
              DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

void DrawValueText(TCanvas* Canvas, const std::string& Text, const TRect& R, bool Enabled) {
    DrawTextIn(Canvas, Text, R, Enabled ? clWindowText : clBtnShadow);
}

// A value control shows a focus rectangle only when its edit is focused
// there, repaints on focus and is not flat.
bool ShowsEditFocus(TWinControl* Control) {
    TCustomZelEdit* Edit = OwningEdit(Control);
    return Edit && Edit->FocusRepaint() && !Edit->Flat() && Control->HandleAllocated() &&
           GetFocus() == Control->Handle();
}

// The value's name without its two-letter prefix ("cl", "bs"), at x = 28.
void DrawValueName(TCanvas* Canvas, const std::string& Value, const TRect& R, bool Enabled) {
    DrawValueText(Canvas, Value.size() > 2 ? Value.substr(2) : std::string(), TRect{R.Left + 28, R.Top, R.Right, R.Bottom},
                  Enabled);
}
}  // namespace

TGraphicEdit::TGraphicEdit(TComponent* AOwner) : TCustomControl(AOwner) {
    SetControlStyle(ControlStyle() + TControlStyle{csNoDesignVisible});
    SetParentCtl3D(false);
}

bool TGraphicEdit::ShowsFocus() { return ShowsEditFocus(this); }

void TGraphicEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_SETTEXT:
            SetValueText(Message.LParam ? reinterpret_cast<const char*>(Message.LParam) : "");
            FModified = false;
            FAllSelected = false;
            if (TCustomZelEdit* Edit = OwningEdit(this)) Edit->Change();
            Invalidate();
            Message.Result = 1;
            return;
        case WM_GETTEXT:
        case WM_GETTEXTLENGTH:
            AnswerText(Message, GetValueText());
            return;
        case EM_GETMODIFY:
            Message.Result = FModified;
            return;
        case EM_SETMODIFY:
            FModified = Message.WParam != 0;
            return;
        case EM_SETSEL:
            FAllSelected = Message.WParam == 0 && static_cast<int>(Message.LParam) == -1;
            return;
        case WM_GETDLGCODE:
            inherited::WndProc(Message);
            Message.Result |= DLGC_WANTCHARS;
            return;
        case WM_CHAR:
            TypeChar(static_cast<char>(Message.WParam));
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

void TGraphicEdit::TypeChar(char C) {
    const auto Code = static_cast<unsigned char>(C);
    if (Code != '\b' && Code < ' ') return;
    TCustomZelEdit* Edit = OwningEdit(this);
    if (Edit && Edit->GetReadOnly()) return;
    std::string Text = FAllSelected ? std::string() : GetValueText();
    if (Code == '\b') {
        if (!Text.empty()) Text.pop_back();
    } else {
        Text += C;
    }
    FAllSelected = false;
    // What is typed so far need not be a value yet.
    FValueText = Text;
    FModified = true;
    Invalidate();
}

void TGraphicEdit::PaintAsText(TCanvas* Canvas, int X, int Y) {
    DrawValueText(Canvas, FValueText, TRect{X + 2, Y, X + Width(), Y + Height()}, Enabled());
}

QRN_PUBLISHED(TGraphicEdit) {}

TColorEdit::TColorEdit(TComponent* AOwner) : TGraphicEdit(AOwner) { FValueText = "clBlack"; }

void TColorEdit::SetValueText(const std::string& Text) {
    if (!Text.empty()) StringToColor(Text);
    FValueText = Text;
}

void TColorEdit::PaintValue(TCanvas* Canvas, int X, int Y) {
    const TRect R{X, Y, X + Width(), Y + Height()};
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(R);
    TColor Value = clNone;
    if (!TryStringToColor(FValueText, Value)) {
        PaintAsText(Canvas, X, Y);
    } else {
        Canvas->Pen()->SetColor(clBlack);
        Canvas->Brush()->SetColor(Value);
        Canvas->Rectangle(TRect{X + 2, Y + 2, X + 24, R.Bottom - 2});
        DrawValueName(Canvas, FValueText, R, Enabled());
    }
    if (ShowsFocus()) Canvas->DrawFocusRect(R);
}

QRN_PUBLISHED(TColorEdit) {}

TPenStyleEdit::TPenStyleEdit(TComponent* AOwner) : TGraphicEdit(AOwner) { FValueText = "psSolid"; }

void TPenStyleEdit::PaintValue(TCanvas* Canvas, int X, int Y) {
    const TRect R{X, Y, X + Width(), Y + Height()};
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(R);
    const int Style = GetEnumValue(TTypeInfoOf<TPenStyle>::Get(), FValueText);
    if (Style >= 0) DrawPenSample(Canvas, TRect{R.Left + 2, R.Top, R.Right - 2, R.Bottom}, static_cast<TPenStyle>(Style));
    else PaintAsText(Canvas, X, Y);
    if (ShowsFocus()) Canvas->DrawFocusRect(R);
}

QRN_PUBLISHED(TPenStyleEdit) {}

TBrushStyleEdit::TBrushStyleEdit(TComponent* AOwner) : TGraphicEdit(AOwner) { FValueText = "bsSolid"; }

void TBrushStyleEdit::PaintValue(TCanvas* Canvas, int X, int Y) {
    const TRect R{X, Y, X + Width(), Y + Height()};
    Canvas->Brush()->SetColor(Color());
    Canvas->FillRect(R);
    const int Style = GetEnumValue(TTypeInfoOf<TBrushStyle>::Get(), FValueText);
    if (Style < 0) {
        PaintAsText(Canvas, X, Y);
        return;
    }
    DrawBrushSample(Canvas, TRect{X + 2, Y + 2, X + 24, R.Bottom - 2}, static_cast<TBrushStyle>(Style));
    DrawValueName(Canvas, FValueText, R, Enabled());
}

QRN_PUBLISHED(TBrushStyleEdit) {}

TObject* TGraphEdit::EditedObject() {
    auto* Edit = dynamic_cast<TZelCustomPropEditor*>(Owner());
    TPropertyEditor* Editor = Edit ? Edit->PropEditor() : nullptr;
    if (auto* Multi = dynamic_cast<TMultiSelectPropEdit*>(Editor)) Editor = Multi->First();
    if (!Editor || Editor->PropCount() == 0) return nullptr;
    return GetObjectProp(Editor->GetComponent(0), Editor->GetPropInfo(0));
}

void TGraphEdit::WndProc(TMessage& Message) {
    // A picture is chosen in its dialog, never typed.
    if (Message.Msg == WM_CHAR) return;
    // The picture covers the whole control: erasing first would only flicker.
    if (Message.Msg == WM_ERASEBKGND) {
        if (TGraphic* G = GetGraphic(); G && !G->Empty()) {
            Message.Result = 1;
            return;
        }
    }
    inherited::WndProc(Message);
}

void TGraphEdit::PaintValue(TCanvas* Canvas, int X, int Y) {
    if (!dynamic_cast<TZelCustomPropEditor*>(Owner())) return;
    if (TGraphic* G = GetGraphic(); G && !G->Empty()) Canvas->StretchDraw(TRect{X, Y, X + Width(), Y + Height()}, G);
}

TGraphic* TPictureEdit::GetGraphic() {
    auto* Picture = dynamic_cast<TPicture*>(EditedObject());
    return Picture ? Picture->Graphic() : nullptr;
}

TGraphic* TImageEdit::GetGraphic() { return dynamic_cast<TGraphic*>(EditedObject()); }

QRN_PUBLISHED(TGraphEdit) {}
QRN_PUBLISHED(TPictureEdit) {}
QRN_PUBLISHED(TImageEdit) {}

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
    // Drawn off screen and copied in one piece.
    TBitmap Buffer;
    Buffer.SetSize(Width(), Height());
    TCanvas* C = Buffer.Canvas();
    const TRect Whole{0, 0, Width(), Height()};
    C->Brush()->SetColor(Color());
    C->FillRect(Whole);
    const int Size = CheckBoxGlyphHeight() > 0 ? CheckBoxGlyphHeight() : 13;
    RECT Box{1, (Height() - Size) / 2, 1 + Size, (Height() - Size) / 2 + Size};
    UINT State = DFCS_BUTTONCHECK;
    if (FValue) State |= DFCS_CHECKED;
    if (!Enabled()) State |= DFCS_INACTIVE;
    if (FFlat) State |= DFCS_FLAT;
    DrawFrameControl(C->Handle(), &Box, DFC_BUTTON, State);
    // Its caption is its text, as the window answers it.
    C->Font()->Assign(Font());
    const std::string Caption = FValue ? "True" : "False";
    const TRect Text{Box.right + 4, 0, Width(), Height()};
    if (Enabled()) {
        DrawTextIn(C, Caption, Text, Font()->Color());
    } else {
        DrawTextIn(C, Caption, TRect{Text.Left + 1, Text.Top + 1, Text.Right + 1, Text.Bottom + 1}, clBtnHighlight);
        DrawTextIn(C, Caption, Text, clBtnShadow);
    }
    if (ShowsEditFocus(this)) C->DrawFocusRect(Whole);
    BitBlt(DC, X, Y, Width(), Height(), C->Handle(), 0, 0, SRCCOPY);
}

QRN_PUBLISHED(TCheckEdit) {}
