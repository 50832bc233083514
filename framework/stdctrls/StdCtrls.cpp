// TLabel, TEdit and TMemo, and the registration of the standard controls.
#include "framework/stdctrls/StdCtrls.h"

#include <algorithm>

#include "framework/classes/ClassRegistry.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/ScreenDC.h"
#include "framework/uicore/Hotkeys.h"

// ---- TLabel

TLabel::TLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle.Include(csOpaque);
    FControlStyle.Include(csReplicatable);
    SetBounds(0, 0, 65, 17);
}

void TLabel::SetAlignment(TAlignment Value) {
    if (Value == FAlignment) return;
    FAlignment = Value;
    Invalidate();
}

void TLabel::SetAutoSize(bool Value) {
    if (Value == FAutoSize) return;
    FAutoSize = Value;
    AdjustBounds();
}

void TLabel::SetWordWrap(bool Value) {
    if (Value == FWordWrap) return;
    FWordWrap = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetTransparent(bool Value) {
    if (Value == Transparent()) return;
    if (Value)
        FControlStyle.Exclude(csOpaque);
    else
        FControlStyle.Include(csOpaque);
    Invalidate();
}

void TLabel::SetFocusControl(TWinControl* Value) {
    if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
    FFocusControl = Value;
    if (Value) Value->FreeNotification(this);
}

void TLabel::SetShowAccelChar(bool Value) {
    if (Value == FShowAccelChar) return;
    FShowAccelChar = Value;
    AdjustBounds();
    Invalidate();
}

void TLabel::SetLayout(TTextLayout Value) {
    if (Value == FLayout) return;
    FLayout = Value;
    Invalidate();
}

void TLabel::Notification(TComponent* AComponent, TOperation Operation) {
    TGraphicControl::Notification(AComponent, Operation);
    if (Operation == opRemove && AComponent == FFocusControl) FFocusControl = nullptr;
}

void TLabel::Loaded() {
    TGraphicControl::Loaded();
    AdjustBounds();
}

unsigned TLabel::TextFlags() const {
    unsigned Flags = DT_EXPANDTABS;
    if (FWordWrap) Flags |= DT_WORDBREAK;
    if (!FShowAccelChar) Flags |= DT_NOPREFIX;
    if (FAlignment == taRightJustify) Flags |= DT_RIGHT;
    if (FAlignment == taCenter) Flags |= DT_CENTER;
    return Flags;
}

// An empty caption is measured as one blank so the label keeps a line's height.
static RECT MeasureText(HFONT Font, const std::string& Text, int Width, unsigned Flags) {
    HDC DC = ScreenDC();
    HGDIOBJ Old = SelectObject(DC, Font);
    RECT R{0, 0, Width, 0};
    const std::string S = Text.empty() ? std::string(" ") : Text;
    DrawTextA(DC, S.c_str(), static_cast<int>(S.size()), &R, Flags | DT_CALCRECT);
    SelectObject(DC, Old);
    return R;
}

void TLabel::AdjustBounds() {
    if (!FAutoSize || ComponentState().Contains(csLoading) || ComponentState().Contains(csReading)) return;
    const RECT R = MeasureText(FFont->Handle(), GetText(), FWidth, TextFlags());
    int X = FLeft;
    const int W = FWordWrap ? FWidth : static_cast<int>(R.right);
    // Right-aligned text keeps its right edge where it was.
    if (FAlignment == taRightJustify && !FWordWrap) X = FLeft + FWidth - W;
    SetBounds(X, FTop, W, R.bottom);
}

void TLabel::Paint() {
    TRect Client = Rect(0, 0, FWidth, FHeight);
    if (!Transparent()) {
        Canvas()->Brush()->SetColor(FColor);
        Canvas()->FillRect(Client);
    }
    HDC DC = Canvas()->Handle();
    SetBkMode(DC, TRANSPARENT);
    const std::string S = GetText();
    RECT R = ToRECT(Client);
    unsigned Flags = TextFlags();
    if (FLayout != tlTop) {
        const RECT M = MeasureText(FFont->Handle(), S, FWidth, TextFlags());
        const int Free = FHeight - M.bottom;
        R.top += FLayout == tlBottom ? Free : Free / 2;
    }
    if (!FEnabled) {
        OffsetRect(&R, 1, 1);
        SetTextColor(DC, ColorToRGB(clBtnHighlight));
        DrawTextA(DC, S.c_str(), static_cast<int>(S.size()), &R, Flags);
        OffsetRect(&R, -1, -1);
        SetTextColor(DC, ColorToRGB(clBtnShadow));
    }
    DrawTextA(DC, S.c_str(), static_cast<int>(S.size()), &R, Flags);
}

void TLabel::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CM_TEXTCHANGED:
        case CM_FONTCHANGED:
            AdjustBounds();
            Invalidate();
            break;
        case CM_DIALOGCHAR:
            // The accelerator of a label moves the focus to its control.
            if (FFocusControl && FEnabled && FShowAccelChar && IsAccel(static_cast<unsigned>(Message.WParam), GetText()) &&
                FFocusControl->CanFocus()) {
                FFocusControl->SetFocus();
                Message.Result = 1;
                return;
            }
            break;
    }
    TGraphicControl::WndProc(Message);
}

// ---- TCustomEdit

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 25);
    FTabStop = true;
    FParentColor = false;
    FColor = clWindow;
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
    TWinControl::CreateParams(Params);
    CreateSubClass(Params, "EDIT");
    Params.Style |= ES_AUTOHSCROLL | ES_AUTOVSCROLL;
    if (FReadOnly) Params.Style |= ES_READONLY;
    if (FCharCase == ecUpperCase) Params.Style |= ES_UPPERCASE;
    if (FCharCase == ecLowerCase) Params.Style |= ES_LOWERCASE;
    Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
    TWinControl::CreateWnd();
    SendMessageA(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
    if (FPasswordChar) SendMessageA(FHandle, EM_SETPASSWORDCHAR, static_cast<WPARAM>(static_cast<unsigned char>(FPasswordChar)), 0);
    SendMessageA(FHandle, EM_SETMODIFY, FModified ? 1 : 0, 0);
    SendMessageA(FHandle, EM_SETSEL, static_cast<WPARAM>(FSelStart), static_cast<LPARAM>(FSelStart + FSelLength));
}

void TCustomEdit::DestroyWnd() {
    FModified = SendMessageA(FHandle, EM_GETMODIFY, 0, 0) != 0;
    DWORD B = 0, E = 0;
    SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&B), reinterpret_cast<LPARAM>(&E));
    FSelStart = static_cast<int>(B);
    FSelLength = static_cast<int>(E - B);
    TWinControl::DestroyWnd();
}

void TCustomEdit::SetMaxLength(int Value) {
    FMaxLength = std::max(Value, 0);
    if (FHandle) SendMessageA(FHandle, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetReadOnly(bool Value) {
    FReadOnly = Value;
    if (FHandle) SendMessageA(FHandle, EM_SETREADONLY, Value ? 1 : 0, 0);
}

void TCustomEdit::SetCharCase(TEditCharCase Value) {
    if (Value == FCharCase) return;
    FCharCase = Value;
    // The window only converts what is typed: convert the text already there.
    std::string S = GetText();
    if (!S.empty() && Value == ecUpperCase) CharUpperBuffA(S.data(), static_cast<DWORD>(S.size()));
    if (!S.empty() && Value == ecLowerCase) CharLowerBuffA(S.data(), static_cast<DWORD>(S.size()));
    SetText(S);
    RecreateWnd();
}

void TCustomEdit::SetPasswordChar(char Value) {
    if (Value == FPasswordChar) return;
    FPasswordChar = Value;
    if (FHandle) {
        SendMessageA(FHandle, EM_SETPASSWORDCHAR, static_cast<WPARAM>(static_cast<unsigned char>(Value)), 0);
        InvalidateRect(FHandle, nullptr, TRUE);
    }
}

bool TCustomEdit::Modified() {
    if (FHandle) return SendMessageA(FHandle, EM_GETMODIFY, 0, 0) != 0;
    return FModified;
}

void TCustomEdit::SetModified(bool Value) {
    FModified = Value;
    if (FHandle) SendMessageA(FHandle, EM_SETMODIFY, Value ? 1 : 0, 0);
}

int TCustomEdit::SelStart() {
    if (!FHandle) return FSelStart;
    DWORD B = 0;
    SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&B), 0);
    return static_cast<int>(B);
}

void TCustomEdit::SetSelStart(int Value) {
    FSelStart = Value;
    FSelLength = 0;
    if (FHandle) SendMessageA(FHandle, EM_SETSEL, static_cast<WPARAM>(Value), static_cast<LPARAM>(Value));
}

int TCustomEdit::SelLength() {
    if (!FHandle) return FSelLength;
    DWORD B = 0, E = 0;
    SendMessageA(FHandle, EM_GETSEL, reinterpret_cast<WPARAM>(&B), reinterpret_cast<LPARAM>(&E));
    return static_cast<int>(E - B);
}

void TCustomEdit::SetSelLength(int Value) {
    const int Start = SelStart();
    FSelStart = Start;
    FSelLength = Value;
    if (FHandle) SendMessageA(FHandle, EM_SETSEL, static_cast<WPARAM>(Start), static_cast<LPARAM>(Start + Value));
}

std::string TCustomEdit::SelText() {
    const std::string S = GetText();
    const size_t B = std::min(static_cast<size_t>(std::max(SelStart(), 0)), S.size());
    const size_t L = std::min(static_cast<size_t>(std::max(SelLength(), 0)), S.size() - B);
    return S.substr(B, L);
}

void TCustomEdit::SetSelText(const std::string& Value) {
    HandleNeeded();
    SendMessageA(FHandle, EM_REPLACESEL, 0, reinterpret_cast<LPARAM>(Value.c_str()));
}

void TCustomEdit::SelectAll() {
    if (FHandle) SendMessageA(FHandle, EM_SETSEL, 0, -1);
}

void TCustomEdit::DoEnter() {
    // A click places the caret itself; keyboard entry selects everything.
    if (FAutoSelect && GetKeyState(VK_LBUTTON) >= 0) SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::Change() {
    if (OnChange) OnChange(this);
}

void TCustomEdit::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case CN_COMMAND:
            if (HIWORD(Message.WParam) == EN_CHANGE && !FControlState.Contains(csCreating)) Change();
            return;
        case CN_CTLCOLOREDIT:
        case CN_CTLCOLORSTATIC: {
            HDC DC = reinterpret_cast<HDC>(Message.WParam);
            SetTextColor(DC, ColorToRGB(FFont->Color()));
            SetBkColor(DC, ColorToRGB(FColor));
            FBrush->SetColor(FColor);
            Message.Result = reinterpret_cast<LRESULT>(FBrush->Handle());
            return;
        }
        case CM_TEXTCHANGED:
            // Without a window no EN_CHANGE comes: report the change here.
            if (!FHandle && !ComponentState().Contains(csLoading)) Change();
            break;
    }
    TWinControl::WndProc(Message);
}

// ---- TMemo

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner), FLines(std::make_unique<TMemoStrings>(this)) {
    SetBounds(0, 0, 185, 89);
    SetAutoSelect(false);
}

void TMemo::CreateParams(TCreateParams& Params) {
    TCustomEdit::CreateParams(Params);
    Params.Style |= ES_MULTILINE;
    if (FWantReturns) Params.Style |= ES_WANTRETURN;
    if (FWordWrap && FScrollBars != ssHorizontal && FScrollBars != ssBoth) Params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
    if (FScrollBars == ssHorizontal || FScrollBars == ssBoth) Params.Style |= WS_HSCROLL;
    if (FScrollBars == ssVertical || FScrollBars == ssBoth) Params.Style |= WS_VSCROLL;
}

void TMemo::SetScrollBars(TScrollStyle Value) {
    if (Value == FScrollBars) return;
    FScrollBars = Value;
    RecreateWnd();
}

void TMemo::SetWordWrap(bool Value) {
    if (Value == FWordWrap) return;
    FWordWrap = Value;
    RecreateWnd();
}

void TMemo::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_GETDLGCODE:
            TCustomEdit::WndProc(Message);
            if (FWantTabs)
                Message.Result |= DLGC_WANTTAB;
            else
                Message.Result &= ~static_cast<LRESULT>(DLGC_WANTTAB);
            if (!FWantReturns) Message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
            return;
        case CN_KEYDOWN:
            // A memo that wants all keys would keep Tab too: pass it to the form.
            if (Message.WParam == VK_TAB && !FWantTabs && !ComponentState().Contains(csDesigning)) {
                if (TCustomForm* Form = GetParentForm(this)) {
                    if (Form->Perform(CM_DIALOGKEY, Message.WParam, Message.LParam) != 0) {
                        Message.Result = 1;
                        return;
                    }
                }
            }
            break;
    }
    TCustomEdit::WndProc(Message);
}

// ---- TMemoStrings

std::vector<std::string> TMemoStrings::Split() const {
    const std::string S = FMemo->Text();
    std::vector<std::string> Lines;
    size_t P = 0;
    while (P < S.size()) {
        size_t E = S.find_first_of("\r\n", P);
        if (E == std::string::npos) {
            Lines.push_back(S.substr(P));
            break;
        }
        Lines.push_back(S.substr(P, E - P));
        P = E + ((S[E] == '\r' && E + 1 < S.size() && S[E + 1] == '\n') ? 2 : 1);
    }
    return Lines;
}

void TMemoStrings::Join(const std::vector<std::string>& Lines) {
    std::string S;
    for (const std::string& L : Lines) S += L + "\r\n";
    FMemo->SetText(S);
}

std::string TMemoStrings::Get(int Index) const {
    const auto Lines = Split();
    if (Index < 0 || Index >= static_cast<int>(Lines.size())) Error("List index out of bounds (%d)", Index);
    return Lines[static_cast<size_t>(Index)];
}

int TMemoStrings::GetCount() const { return static_cast<int>(Split().size()); }

void TMemoStrings::Put(int Index, const std::string& S) {
    auto Lines = Split();
    if (Index < 0 || Index >= static_cast<int>(Lines.size())) Error("List index out of bounds (%d)", Index);
    Lines[static_cast<size_t>(Index)] = S;
    Join(Lines);
}

void TMemoStrings::Insert(int Index, const std::string& S) {
    auto Lines = Split();
    if (Index < 0 || Index > static_cast<int>(Lines.size())) Error("List index out of bounds (%d)", Index);
    Lines.insert(Lines.begin() + Index, S);
    Join(Lines);
}

void TMemoStrings::Delete(int Index) {
    auto Lines = Split();
    if (Index < 0 || Index >= static_cast<int>(Lines.size())) Error("List index out of bounds (%d)", Index);
    Lines.erase(Lines.begin() + Index);
    Join(Lines);
}

void TMemoStrings::Clear() { FMemo->SetText(""); }

void TMemoStrings::SetTextStr(std::string_view Value) {
    // The edit window needs CR LF between lines.
    std::string S;
    for (size_t I = 0; I < Value.size(); ++I) {
        const char C = Value[I];
        if (C == '\r' || C == '\n') {
            S += "\r\n";
            if (C == '\r' && I + 1 < Value.size() && Value[I + 1] == '\n') ++I;
        } else {
            S += C;
        }
    }
    FMemo->SetText(S);
}

// ---- published properties

QRN_PUBLISHED(TLabel) {
    // A label's frame does not depend on Ctl3D: the generated code gives
    // labels and buttons a fixed Ctl3D symbol of their own.
    B.Unpublish("Ctl3D");
    B.Unpublish("ParentCtl3D");
    B.Prop("Alignment", &TLabel::Alignment, &TLabel::SetAlignment).Default(taLeftJustify);
    B.Prop("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize).Default(true);
    B.Prop("FocusControl", &TLabel::FocusControl, &TLabel::SetFocusControl);
    B.Prop("Layout", &TLabel::Layout, &TLabel::SetLayout).Default(tlTop);
    B.Prop("ShowAccelChar", &TLabel::ShowAccelChar, &TLabel::SetShowAccelChar).Default(true);
    B.Prop("Transparent", &TLabel::Transparent, &TLabel::SetTransparent).Default(false);
    B.Prop("WordWrap", &TLabel::WordWrap, &TLabel::SetWordWrap).Default(false);
}

QRN_PUBLISHED(TCustomEdit) {
    B.Prop("AutoSelect", &TCustomEdit::AutoSelect, &TCustomEdit::SetAutoSelect).Default(true);
    B.Prop("CharCase", &TCustomEdit::CharCase, &TCustomEdit::SetCharCase).Default(ecNormal);
    B.Prop("MaxLength", &TCustomEdit::MaxLength, &TCustomEdit::SetMaxLength).Default(0);
    B.Prop("PasswordChar", &TCustomEdit::PasswordChar, &TCustomEdit::SetPasswordChar).Default('\0');
    B.Prop("ReadOnly", &TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly).Default(false);
    // An edit's caption is its text: it has Text only.
    B.Unpublish("Caption");
    B.Prop("Text", &TCustomEdit::Text, &TCustomEdit::SetText);
    B.Event("OnChange", &TCustomEdit::OnChange);
}

QRN_PUBLISHED(TEdit) {}

QRN_PUBLISHED(TMemo) {
    // A memo's text is its lines.
    B.Unpublish("Text");
    B.Prop("Lines", &TMemo::Lines, &TMemo::SetLines);
    B.Prop("ScrollBars", &TMemo::ScrollBars, &TMemo::SetScrollBars).Default(ssNone);
    B.Prop("WantReturns", &TMemo::WantReturns, &TMemo::SetWantReturns).Default(true);
    B.Prop("WantTabs", &TMemo::WantTabs, &TMemo::SetWantTabs).Default(false);
    B.Prop("WordWrap", &TMemo::WordWrap, &TMemo::SetWordWrap).Default(true);
}

void RegisterStdCtrls() {
    RegisterClasses({TLabel::StaticClass(), TEdit::StaticClass(), TMemo::StaticClass(), TButton::StaticClass(),
                     TCheckBox::StaticClass(), TRadioButton::StaticClass(), TGroupBox::StaticClass(),
                     TRadioGroup::StaticClass(), TPanel::StaticClass(), TBevel::StaticClass()});
}

namespace {
struct TStdCtrlsRegistration {
    TStdCtrlsRegistration() { RegisterStdCtrls(); }
} StdCtrlsRegistration;
}  // namespace
