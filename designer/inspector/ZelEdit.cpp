#include "designer/inspector/ZelEdit.h"

#include <exception>
#include <vector>

#include "designer/inspector/InspectorUnits.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/graphics/ScreenDC.h"

namespace {
TComponent* CreateOf(const TClass* Class, TComponent* Owner) {
    return Class && Class->CanCreateComponent() ? Class->CreateComponent(Owner) : nullptr;
}
}  // namespace

TCustomZelEdit::TCustomZelEdit(TComponent* AOwner) : TCustomControl(AOwner) {
    InitInspectorUnits();
    SetTabStop(true);
    SetBounds(Left(), Top(), 121, 21);
    SetParentColor(false);
    FButton1 = new TEditButton(this);
    FButton2 = new TEditButton(this);
    FButton1Params = std::make_unique<TButtonParams>(this, FButton1);
    FButton2Params = std::make_unique<TButtonParams>(this, FButton2);
    FButton1Params->SetKind(bkDropDown);
    FButton2Params->SetKind(bkDots);
    FButton2->SetVisible(false);
    auto* Dummy = new TDummyPopup(this);
    Dummy->SetVisible(false);
    FPopup = Dummy;
    FEditSource = new TDummyEditSource(this);
    if (ComponentState().Contains(csDesigning)) FPopupClassName = "TPopupListBox";
}

TCustomZelEdit::~TCustomZelEdit() = default;

void TCustomZelEdit::BeforeDestruction() {
    if (FDroppedDown) CloseUp(false);
    RestoreEditProc();
    inherited::BeforeDestruction();
}

// ---- parts by class

TComponent* TCustomZelEdit::ReuseChild(const TClass* Class) {
    // A part read from a form stream as a child is taken over.
    for (int I = 1; I < ComponentCount(); ++I)
        if (Components(I)->ClassName() == Class->Name()) return Components(I);
    return nullptr;
}

void TCustomZelEdit::SetParent(TWinControl* AParent) {
    inherited::SetParent(AParent);
    if (!AParent || !FCreateDefaults) return;
    SetEditClass(GetEditClass());
    SetPopupClass(GetPopupClass());
    if (FPopup && !dynamic_cast<TDummyPopup*>(FPopup)) FPopupClassName = FPopup->ClassName();
}

const TClass* TCustomZelEdit::GetEditClass() { return TZelSimpleEdit::StaticClass(); }

const TClass* TCustomZelEdit::GetPopupClass() { return GetClass("TPopupListBox"); }

void TCustomZelEdit::PrepareEdit(TControl* NewEdit) {
    FEdit = NewEdit;
    if (auto* Win = dynamic_cast<TWinControl*>(NewEdit)) {
        Win->SetCtl3D(false);
        Win->SetTabStop(false);
    }
    NewEdit->SetColor(Color());
    NewEdit->SetParent(this);
    if (auto* Win = dynamic_cast<TWinControl*>(NewEdit); Win && HandleAllocated()) Win->HandleNeeded();
    ArrangeButtons();
    SubclassEdit();
    NewEdit->SetEnabled(Enabled());
    NewEdit->SetVisible(true);
    UpdateReadOnly();
}

void TCustomZelEdit::SetEditClass(const TClass* Class) {
    if (FEdit && FEdit->ClassType() == Class) {
        FEdit->SetParent(this);
        FEdit->SetEnabled(Enabled());
        FEdit->SetVisible(true);
        return;
    }
    RestoreEditProc();
    if (FEdit) {
        TControl* Old = FEdit;
        FEdit = nullptr;
        Old->Free();
    }
    AdjustEditClass(Class);
    if (!Class) return;
    if (TComponent* Made = CreateOf(Class, this))
        if (auto* Control = dynamic_cast<TControl*>(Made)) PrepareEdit(Control);
}

void TCustomZelEdit::PreparePopup(TWinControl* NewPopup) {
    FPopup = NewPopup;
    NewPopup->SetVisible(false);
    NewPopup->SetControlStyle(NewPopup->ControlStyle() + TControlStyle{csNoDesignVisible} - TControlStyle{csCaptureMouse});
    NewPopup->SetTabStop(false);
    DetachPopup();
}

void TCustomZelEdit::DetachPopup() {
    // The drop-down is a top-level window owned by the form, so it can hang
    // over the form's edge without taking the focus from it.
    if (!FPopup || dynamic_cast<TDummyPopup*>(FPopup)) return;
    ++FReparenting;
    TCustomForm* Form = GetParentForm(this);
    FPopup->SetParentWindow(Form && Form->HandleAllocated() ? Form->Handle() : nullptr);
    --FReparenting;
}

void TCustomZelEdit::SetPopupClass(const TClass* Class) {
    if (FPopup && FPopup->ClassType() == Class) return;
    if (FDroppedDown) CloseUp(false);
    if (FPopup) {
        TWinControl* Old = FPopup;
        FPopup = nullptr;
        Old->Free();
    }
    if (!Class) return;
    if (auto* Made = dynamic_cast<TWinControl*>(CreateOf(Class, this))) PreparePopup(Made);
}

void TCustomZelEdit::SetEditClassName(const std::string& Value) {
    if (Value == FEditClassName) return;
    FEditClassName = Value;
    if (ComponentState().Contains(csReading)) return;
    const TClass* Class = GetClass(Value);
    if (!Class || !Class->InheritsFrom(TControl::StaticClass())) Class = TZelSimpleEdit::StaticClass();
    if (auto* Found = dynamic_cast<TControl*>(ReuseChild(Class))) {
        RestoreEditProc();
        if (FEdit && FEdit != Found) FEdit->Free();
        PrepareEdit(Found);
    } else {
        SetEditClass(Class);
    }
}

void TCustomZelEdit::SetPopupClassName(const std::string& Value) {
    if (Value == FPopupClassName) return;
    FPopupClassName = Value;
    if (ComponentState().Contains(csReading)) return;
    const TClass* Class = GetClass(Value);
    // A name no class bears leaves no drop-down; an unusable class the placeholder.
    if (Class && !Class->InheritsFrom(TWinControl::StaticClass())) Class = TDummyPopup::StaticClass();
    if (Class) {
        if (auto* Found = dynamic_cast<TWinControl*>(ReuseChild(Class))) {
            if (FPopup && FPopup != Found) FPopup->Free();
            PreparePopup(Found);
            return;
        }
    }
    SetPopupClass(Class);
}

void TCustomZelEdit::SetEditSourceClassName(const std::string& Value) {
    if (Value == FEditSourceClassName) return;
    FEditSourceClassName = Value;
    if (ComponentState().Contains(csReading)) return;
    const TClass* Class = GetClass(Value);
    if (!Class || !Class->InheritsFrom(TEditSource::StaticClass())) Class = TDummyEditSource::StaticClass();
    auto* Found = dynamic_cast<TEditSource*>(ReuseChild(Class));
    if (!Found) Found = dynamic_cast<TEditSource*>(CreateOf(Class, this));
    if (FEditSource && FEditSource != Found) FEditSource->Free();
    FEditSource = Found;
}

void TCustomZelEdit::Loaded() {
    inherited::Loaded();
    // Names read from the stream create their parts only now.
    for (auto [Name, Set] : {std::pair{FEditSourceClassName, &TCustomZelEdit::SetEditSourceClassName},
                             std::pair{FEditClassName, &TCustomZelEdit::SetEditClassName},
                             std::pair{FPopupClassName, &TCustomZelEdit::SetPopupClassName}}) {
        (this->*Set)("");
        (this->*Set)(Name);
    }
    if (FEdit) FEdit->SetParent(this);
    ArrangeButtons();
    if (EditHasFocus()) Perform(CM_MOUSEENTER, 0, 0);
}

void TCustomZelEdit::GetChildren(TGetChildProc Proc, TComponent* Root) {
    if (!FPopupClassName.empty() && FPopup) Proc(FPopup);
    if (!FEditSourceClassName.empty() && FEditSource) Proc(FEditSource);
    if (!FEditClassName.empty() && FEdit) Proc(FEdit);
    inherited::GetChildren(Proc, Root);
}

void TCustomZelEdit::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FEdit) {
        RestoreEditProc();
        FEdit = nullptr;
    }
    if (AComponent == FPopup) {
        if (FDroppedDown) CloseUp(false);
        FPopup = nullptr;
    }
    if (AComponent == FEditSource) FEditSource = nullptr;
}

// ---- window

void TCustomZelEdit::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Caption = FCaption;
    if (FBorderStyle == bsSingle && !FFlat) {
        if (Ctl3D()) {
            Params.ExStyle |= WS_EX_CLIENTEDGE;
        } else {
            Params.Style |= WS_BORDER;
        }
    } else {
        Params.ExStyle &= ~static_cast<DWORD>(WS_EX_CLIENTEDGE);
    }
}

void TCustomZelEdit::CreateWnd() {
    CloseUp(false);
    inherited::CreateWnd();
    if (auto* Win = dynamic_cast<TWinControl*>(FEdit)) {
        Win->HandleNeeded();
        SubclassEdit();
    }
    DetachPopup();
    RestoreText();
    ArrangeButtons();
}

void TCustomZelEdit::DestroyWnd() {
    FTextCache = GetText();
    inherited::DestroyWnd();
}

void TCustomZelEdit::ArrangeButtons() {
    if (!HandleAllocated()) return;
    const int F = FFlat ? 1 : 0;
    const TRect Client = ClientRect();
    const int W = Client.Width(), H = Client.Height();
    int X = W - F;
    if (FButtonCount == 2) {
        FButton2->SetBounds(W - FButton2->Width() - F, F, FButton2->Width(), H - 2 * F);
        X = W - FButton2->Width() - F;
    }
    if (FButtonCount > 0) FButton1->SetBounds(X - FButton1->Width(), F, FButton1->Width(), H - 2 * F);
    const int Border = FFlat ? 2 : 0;
    int Buttons = 0;
    if (FButtonCount >= 1) Buttons += FButton1->Width();
    if (FButtonCount == 2) Buttons += FButton2->Width();
    auto* Win = dynamic_cast<TWinControl*>(FEdit);
    if (FEdit && (!Win || Win->HandleAllocated())) {
        const int EditWidth = W - Buttons - 2 * Border;
        FEdit->SetBounds(Border, Border + 1, EditWidth, H - 2 * Border - 1);
        if (Win) {
            // The text may use the edit's width up to its right edge: a
            // narrow cell shows a short caption whole. Margins stay when the
            // edit is sized again; its rectangle would not.
            SendMessageA(Win->Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(2, 0));
            RECT R{2, Border + 1, EditWidth, H - 2 - 2 * Border};
            SendMessageA(Win->Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&R));
        }
    }
    if (FDroppedDown) CloseUp(false);
}

void TCustomZelEdit::SetButtonCount(int Value) {
    if (Value == FButtonCount || Value >= 3 || Value < 0) return;
    FButtonCount = Value;
    FButton1->SetVisible(Value >= 1);
    FButton2->SetVisible(Value == 2);
    ArrangeButtons();
}

void TCustomZelEdit::SetOnButton1Click(const TNotifyEvent& Value) { FButton1->OnClick = Value; }
void TCustomZelEdit::SetOnButton2Click(const TNotifyEvent& Value) { FButton2->OnClick = Value; }

void TCustomZelEdit::SetFlat(bool Value) {
    if (Value == FFlat) return;
    FFlat = Value;
    if (HandleAllocated()) RecreateWnd();
}

void TCustomZelEdit::SetBorderStyle(TFormBorderStyle Value) {
    if (Value == FBorderStyle) return;
    FBorderStyle = Value;
    if (HandleAllocated()) RecreateWnd();
    ArrangeButtons();
}

void TCustomZelEdit::SetReadOnly(bool Value) {
    FReadOnly = Value;
    UpdateReadOnly();
}

void TCustomZelEdit::SetHideCaret(bool Value) {
    FHideCaret = Value;
    if (auto* Win = dynamic_cast<TWinControl*>(FEdit); Value && Win && Win->HandleAllocated())
        ::HideCaret(Win->Handle());
    UpdateReadOnly();
}

void TCustomZelEdit::SetFocusRepaint(bool Value) {
    FFocusRepaint = Value;
    Invalidate();
}

// ---- text

void TCustomZelEdit::SetCaption(const std::string& Value) {
    FCaption = Value;
    if (HandleAllocated()) SetWindowTextA(Handle(), Value.c_str());
    Invalidate();
}

void TCustomZelEdit::GetTabOrderList(std::vector<TWinControl*>& List) {
    // Asked for its own list (no parent has listed it yet): the parent's.
    if (List.empty() && Parent()) {
        Parent()->GetTabOrderList(List);
        return;
    }
    TCustomForm* Form = GetParentForm(this);
    auto* Inner = dynamic_cast<TWinControl*>(FEdit);
    if (Form && Inner && Form->ActiveControl() == Inner && !List.empty()) {
        List.back() = Inner;
        return;
    }
    inherited::GetTabOrderList(List);
}

// The height that shows one line of the font with the border around it.
void TCustomZelEdit::AdjustHeight() {
    HDC DC = ScreenDC();
    TEXTMETRICA Metrics{};
    HGDIOBJ Old = SelectObject(DC, Font()->Handle());
    GetTextMetricsA(DC, &Metrics);
    SelectObject(DC, Old);
    const int Extra = GetSystemMetrics(SM_CYBORDER) * (Ctl3D() || FFlat ? 8 : 6);
    SetHeight(Metrics.tmHeight + Extra);
}

// A system edit holds its text in its window; a painted value control
// answers the text messages itself, window or not.
bool TCustomZelEdit::TextByMessage() {
    auto* Win = dynamic_cast<TWinControl*>(FEdit);
    return Win && (Win->HandleAllocated() || dynamic_cast<TCustomControl*>(Win));
}

std::string TCustomZelEdit::GetText() {
    if (!FEdit) return {};
    if (!TextByMessage()) return FEdit->Text();
    // Read with its real length: values may be longer than any fixed buffer.
    const LRESULT Length = FEdit->Perform(WM_GETTEXTLENGTH, 0, 0);
    std::string Text(static_cast<size_t>(Length > 0 ? Length : 0) + 1, '\0');
    const LRESULT Got = FEdit->Perform(WM_GETTEXT, Text.size(), reinterpret_cast<LPARAM>(Text.data()));
    Text.resize(static_cast<size_t>(Got > 0 ? Got : 0));
    return Text;
}

void TCustomZelEdit::SetText(const std::string& Value) {
    if (!FEdit || GetText() == Value) return;
    FTextCache = Value;
    // Performed, not sent: a value the inner control refuses raises to the caller.
    if (TextByMessage())
        FEdit->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Value.c_str()));
    else
        FEdit->SetText(Value);
    FEdit->Perform(CM_TEXTCHANGED, 0, 0);
    Change();
}

void TCustomZelEdit::RestoreText() {
    if (!FTextCache.empty()) SetText(FTextCache);
}

void TCustomZelEdit::UpdateReadOnly() {
    auto* Win = dynamic_cast<TWinControl*>(FEdit);
    if (!Win || !Win->HandleAllocated()) return;
    const bool Value = GetReadOnly() || FHideCaret;
    SendMessageA(Win->Handle(), EM_SETREADONLY, Value, 0);
    if (const TPropInfo* Prop = GetPropInfo(Win, "ReadOnly"); Prop && Prop->Kind() == tkEnumeration)
        SetOrdProp(Win, Prop, Value);
}

void TCustomZelEdit::UpdatePopupText() {
    if (!FPopup) return;
    const std::string Text = GetText();
    FPopup->Perform(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Text.c_str()));
}

void TCustomZelEdit::ReadPopupText() {
    if (!FPopup) return;
    const LRESULT Length = FPopup->Perform(WM_GETTEXTLENGTH, 0, 0);
    std::string Text(static_cast<size_t>(Length > 0 ? Length : 0) + 1, '\0');
    const LRESULT Got = FPopup->Perform(WM_GETTEXT, Text.size(), reinterpret_cast<LPARAM>(Text.data()));
    Text.resize(static_cast<size_t>(Got > 0 ? Got : 0));
    if (Text.empty()) return;
    SetText(Text);
    Change();
}

bool TCustomZelEdit::GetModified() {
    if (auto* Win = dynamic_cast<TWinControl*>(FEdit); Win && Win->HandleAllocated())
        return SendMessageA(Win->Handle(), EM_GETMODIFY, 0, 0) != 0;
    return FModified;
}

void TCustomZelEdit::SetModified(bool Value) {
    if (auto* Win = dynamic_cast<TWinControl*>(FEdit); Win && Win->HandleAllocated())
        SendMessageA(Win->Handle(), EM_SETMODIFY, Value, 0);
    else
        FModified = Value;
}

void TCustomZelEdit::UpdateEditSource() {
    if (FEditSource) FEditSource->SetText(GetText());
}

void TCustomZelEdit::Change() {
    if (OnChange) OnChange(this);
    Perform(CM_CHANGED, 0, reinterpret_cast<LPARAM>(this));
}

void TCustomZelEdit::CommitText() {
    if (std::uncaught_exceptions() > 0 || std::current_exception() || FCommitLock || FCommitting) return;
    FCommitting = true;
    try {
        UpdateEditSource();
    } catch (...) {
        FCommitting = false;
        throw;
    }
    FCommitting = false;
}

// ---- focus, keys and mouse

bool TCustomZelEdit::EditHasFocus() {
    HWND Focus = GetFocus();
    if (!Focus) return false;
    if (HandleAllocated() && Focus == Handle()) return true;
    auto* Win = dynamic_cast<TWinControl*>(FEdit);
    return Win && Win->HandleAllocated() && Focus == Win->Handle();
}

void TCustomZelEdit::SetFocus() {
    if (!Visible() || !Enabled()) return;
    auto* Win = dynamic_cast<TWinControl*>(FEdit);
    if (!Win || !Win->HandleAllocated()) {
        inherited::SetFocus();
        return;
    }
    // Straight to the inner edit: bouncing through the container would make
    // the inner edit lose the focus and count the next press as a focusing one.
    if (GetFocus() != Win->Handle()) ::SetFocus(Win->Handle());
    if (FFocusRepaint && !FFlat) Invalidate();
    FMouseOutside = false;
    RefreshFlat();
}

void TCustomZelEdit::Click() {
    inherited::Click();
    if (FEdit) FEdit->Click();
}

void TCustomZelEdit::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    CloseUp(false);
    inherited::MouseDown(Button, Shift, X, Y);
    if (ComponentState().Contains(csDesigning)) return;
    if (CanFocus() || !GetParentForm(this)) SetFocus();
    if (Shift.Contains(ssDouble)) DblClick();
}

void TCustomZelEdit::KeyDown(uint16_t& Key, TShiftState Shift) {
    inherited::KeyDown(Key, Shift);
    if (Key == 0) return;
    if (Shift.Contains(ssAlt)) {
        if (Key == VK_UP) {
            if (FDroppedDown) CloseUp(true);
            Key = 0;
        } else if (Key == VK_DOWN) {
            if (FButton1->Visible()) DropDown();
            Key = 0;
        }
        return;
    }
    if (Key == VK_UP || Key == VK_DOWN) {
        if (TWinControl* Parent = this->Parent()) {
            TCustomForm* Form = GetParentForm(this);
            Parent->SelectNext(Form && Form->ActiveControl() ? Form->ActiveControl() : this, Key == VK_DOWN, true);
        }
        Key = 0;
    } else if (Key == VK_RETURN && !FDroppedDown) {
        Key = 0;
    }
}

void TCustomZelEdit::KeyPress(char& Key) {
    if (Key == '\r' || Key == 27) {
        if (OnKeyPress) OnKeyPress(this, Key);
        Key = 0;
        return;
    }
    inherited::KeyPress(Key);
}

// ---- flat look

bool TCustomZelEdit::FlatIdle() {
    return FFlat && FMouseOutside && !ComponentState().Contains(csDesigning) && !EditHasFocus();
}

void TCustomZelEdit::RefreshFlat() {
    const int State = FlatIdle() ? 1 : 0;
    if (State == FLastFlatState) return;
    FLastFlatState = State;
    if (!HandleAllocated()) return;
    Invalidate();
    FButton1->Invalidate();
    FButton2->Invalidate();
}

void TCustomZelEdit::Paint() {
    inherited::Paint();
    if (!FFlat) return;
    TCanvas* C = Canvas();
    const TRect R{0, 0, Width() - 1, Height() - 1};
    if (FlatIdle()) {
        C->Brush()->SetColor(clBtnFace);
        C->FrameRect(TRect{R.Left, R.Top, R.Right + 1, R.Bottom + 1});
        C->FrameRect(TRect{R.Left + 1, R.Top + 1, R.Right, R.Bottom});
        C->SetPixel(R.Left, R.Bottom, clBtnFace);
        C->SetPixel(R.Right, R.Top, clBtnFace);
    } else {
        C->Pen()->SetColor(clBtnShadow);
        C->MoveTo(R.Left, R.Bottom);
        C->LineTo(R.Left, R.Top);
        C->LineTo(R.Right, R.Top);
        C->Pen()->SetColor(clBtnHighlight);
        C->LineTo(R.Right, R.Bottom);
        C->LineTo(R.Left, R.Bottom);
    }
}

QRN_PUBLISHED(TCustomZelEdit) {
    B.Prop("Caption", &TCustomZelEdit::Caption, &TCustomZelEdit::SetCaption).Type(QRN_TYPE(TCaption));
    B.Prop("Version", &TCustomZelEdit::Version, &TCustomZelEdit::SetVersion);
}

QRN_PUBLISHED(TDummyEditSource) {}
QRN_PUBLISHED(TDummyPopup) {}
