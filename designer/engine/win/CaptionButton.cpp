#include "designer/engine/win/CaptionButton.h"

#include <algorithm>
#include <map>

#include "designer/support/ZelVersion.h"
#include "designer/support/win/ZelHint.h"
#include "framework/design/DesignIntf.h"

QRN_PUBLISHED(TZelCaptionButton) {
    B.Prop("Caption", &TZelCaptionButton::Caption, &TZelCaptionButton::SetCaption);
    B.Prop("DownGlyph", &TZelCaptionButton::DownGlyph, &TZelCaptionButton::SetDownGlyph);
    B.Prop("Form", &TZelCaptionButton::Form, &TZelCaptionButton::SetForm);
    B.Prop("Font", &TZelCaptionButton::Font, &TZelCaptionButton::SetFont);
    B.Prop("Glyph", &TZelCaptionButton::Glyph, &TZelCaptionButton::SetGlyph);
    B.Prop("LeftMargin", &TZelCaptionButton::LeftMargin, &TZelCaptionButton::SetLeftMargin).Default(0);
    B.Prop("TopMargin", &TZelCaptionButton::TopMargin, &TZelCaptionButton::SetTopMargin).Default(0);
    B.Event("OnClick", &TZelCaptionButton::OnClick);
    B.Event("OnMouseDown", &TZelCaptionButton::OnMouseDown);
    B.Event("OnMouseMove", &TZelCaptionButton::OnMouseMove);
    B.Event("OnMouseUp", &TZelCaptionButton::OnMouseUp);
    B.Prop("PopupMenu", &TZelCaptionButton::PopupMenu, &TZelCaptionButton::SetPopupMenu);
    B.Prop("Visible", &TZelCaptionButton::Visible, &TZelCaptionButton::SetVisible).Default(true);
    B.Prop("Width", &TZelCaptionButton::Width, &TZelCaptionButton::SetWidth).Default(-1);
    PublishZelVersion(B);
}

namespace {
// The caption buttons of each form in insertion order.
std::map<TCustomForm*, std::vector<TZelCaptionButton*>>& FormsButtons() {
    static std::map<TCustomForm*, std::vector<TZelCaptionButton*>> Map;
    return Map;
}

struct TCaptionMetrics {
    int ButtonWidth = 0, ButtonHeight = 0;
    int FrameWidth = 0, FrameHeight = 0;
};

bool IsToolWindow(TFormBorderStyle S) { return S == bsToolWindow || S == bsSizeToolWin; }

// A designed form counts as sizeable with every icon.
TCaptionMetrics MetricsOf(TCustomForm* Form, bool Designing, TFormBorderStyle& Style, TBorderIcons& Icons) {
    Style = Designing ? bsSizeable : Form->BorderStyle();
    Icons = Designing ? TBorderIcons{biSystemMenu, biMinimize, biMaximize} : Form->BorderIcons();
    TCaptionMetrics M;
    M.ButtonWidth = GetSystemMetrics(IsToolWindow(Style) ? SM_CXSMSIZE : SM_CXSIZE);
    M.ButtonHeight = GetSystemMetrics(IsToolWindow(Style) ? SM_CYSMSIZE : SM_CYSIZE);
    switch (Style) {
        case bsNone: break;
        case bsSingle:
        case bsDialog:
        case bsToolWindow:
            M.FrameWidth = GetSystemMetrics(SM_CXDLGFRAME);
            M.FrameHeight = GetSystemMetrics(SM_CYDLGFRAME);
            break;
        case bsSizeable:
        case bsSizeToolWin:
            M.FrameWidth = GetSystemMetrics(SM_CXFRAME);
            M.FrameHeight = GetSystemMetrics(SM_CYFRAME);
            break;
    }
    return M;
}

TShiftState KeysToShift(WPARAM Keys) {
    TShiftState S;
    if (Keys & MK_SHIFT) S.Include(ssShift);
    if (Keys & MK_CONTROL) S.Include(ssCtrl);
    if (GetKeyState(VK_MENU) < 0) S.Include(ssAlt);
    return S;
}

// A message of the frame carries no keys: they come from the key state.
TShiftState KeyStateShift() {
    WPARAM Keys = 0;
    if (GetKeyState(VK_SHIFT) < 0) Keys |= MK_SHIFT;
    if (GetKeyState(VK_CONTROL) < 0) Keys |= MK_CONTROL;
    return KeysToShift(Keys);
}
}  // namespace

std::vector<TZelCaptionButton*> FormCaptionButtons(TCustomForm* Form) {
    const auto It = FormsButtons().find(Form);
    return It == FormsButtons().end() ? std::vector<TZelCaptionButton*>{} : It->second;
}

TZelCaptionButton::TZelCaptionButton(TComponent* AOwner)
    : TComponent(AOwner),
      FGlyph(std::make_unique<TBitmap>()),
      FDownGlyph(std::make_unique<TBitmap>()),
      FFont(std::make_unique<TFont>()),
      FHintWindow(new TZelHint(this)) {
    FHintWindow->SetAutoHide(false);
    if (auto* Form = dynamic_cast<TCustomForm*>(AOwner)) SetForm(Form);
}

TZelCaptionButton::~TZelCaptionButton() = default;

void TZelCaptionButton::BeforeDestruction() {
    Detach();
    TComponent::BeforeDestruction();
}

bool TZelCaptionButton::Designing() const { return FForm && FForm->ComponentState().Contains(csDesigning); }

void TZelCaptionButton::SetCaption(const std::string& Value) {
    FCaption = Value;
    Redraw();
}
void TZelCaptionButton::SetGlyph(TBitmap* Value) {
    FGlyph->Assign(Value);
    Redraw();
}
void TZelCaptionButton::SetDownGlyph(TBitmap* Value) {
    FDownGlyph->Assign(Value);
    Redraw();
}
void TZelCaptionButton::SetLeftMargin(int Value) {
    FLeftMargin = Value;
    Redraw();
}
void TZelCaptionButton::SetTopMargin(int Value) {
    FTopMargin = Value;
    Redraw();
}

void TZelCaptionButton::SetPopupMenu(TPopupMenu* Value) {
    FPopupMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TZelCaptionButton::SetVisible(bool Value) {
    if (FVisible == Value) return;
    FVisible = Value;
    if (FForm) {
        LayoutFrom();
        if (FForm->HandleAllocated()) SendMessageA(FForm->Handle(), WM_NCPAINT, 1, 0);
    }
}

void TZelCaptionButton::SetWidth(int Value) {
    FWidth = Value < 0 ? -1 : Value;
    if (FForm) LayoutFrom();
}

void TZelCaptionButton::SetForm(TCustomForm* Value) {
    if (Value == FForm) return;
    Detach();
    FForm = Value;
    Attach();
}

void TZelCaptionButton::Attach() {
    if (!FForm) return;
    FForm->FreeNotification(this);
    FHook = AddFormHook(FForm, [this](TMessage& M) { HookProc(M); });
    FormsButtons()[FForm].push_back(this);
    FFormWidth = FForm->Width();
    LayoutFrom();
}

void TZelCaptionButton::Detach() {
    if (!FForm) return;
    RemoveFormHook(FHook);
    FHook = nullptr;
    auto It = FormsButtons().find(FForm);
    if (It != FormsButtons().end()) {
        std::erase(It->second, this);
        if (It->second.empty()) FormsButtons().erase(It);
        else It->second.front()->LayoutFrom();
    }
    FForm = nullptr;
}

void TZelCaptionButton::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FPopupMenu) FPopupMenu = nullptr;
    if (AComponent == FForm) Detach();
}

void TZelCaptionButton::LayoutFrom() {
    if (!FForm) return;
    const std::vector<TZelCaptionButton*> Buttons = FormCaptionButtons(FForm);
    TFormBorderStyle Style;
    TBorderIcons Icons;
    const TCaptionMetrics M = MetricsOf(FForm, Designing(), Style, Icons);
    const int S = M.ButtonWidth - 2;
    int Right = FForm->Width() - M.FrameWidth - 2;
    if (Icons.Contains(biSystemMenu)) {
        Right -= S;
        if (!IsToolWindow(Style)) {
            if (Style == bsDialog && Icons.Contains(biHelp) && !Icons.Contains(biMinimize) &&
                !Icons.Contains(biMaximize))
                Right -= S + 2;
            else if (Icons.Contains(biMinimize) || Icons.Contains(biMaximize))
                Right -= 2 + 2 * S;
            Right -= 2;
        }
    }
    const auto Start = std::find(Buttons.begin(), Buttons.end(), this);
    if (Start != Buttons.begin() && Start != Buttons.end()) {
        // Continue left of the previous visible button.
        for (auto It = Start; It != Buttons.begin();) {
            --It;
            if ((*It)->FVisible) {
                Right = (*It)->FRect.Left;
                break;
            }
        }
    }
    for (auto It = Start; It != Buttons.end(); ++It) {
        TZelCaptionButton* B = *It;
        if (!B->FVisible) continue;
        const int W = B->FWidth < 0 ? S : B->FWidth;
        B->FRect = {Right - W, M.FrameHeight + 2, Right, M.FrameHeight + 2 + M.ButtonHeight - 4};
        Right = B->FRect.Left;
    }
}

bool TZelCaptionButton::IsLeftmostVisible() const {
    const std::vector<TZelCaptionButton*> Buttons = FormCaptionButtons(FForm);
    for (auto It = Buttons.rbegin(); It != Buttons.rend(); ++It)
        if ((*It)->FVisible) return *It == this;
    return false;
}

TRect TZelCaptionButton::TitleStrip() const {
    TFormBorderStyle Style;
    TBorderIcons Icons;
    const TCaptionMetrics M = MetricsOf(FForm, Designing(), Style, Icons);
    const int Height = GetSystemMetrics(IsToolWindow(Style) ? SM_CYSMCAPTION : SM_CYCAPTION) - 1;
    return {M.FrameWidth, M.FrameHeight, FRect.Left, M.FrameHeight + Height};
}

HRGN TZelCaptionButton::RegionWithoutButton(WPARAM Update) const {
    RECT W{};
    GetWindowRect(FForm->Handle(), &W);
    // 1 stands for the whole window; a region is in screen coordinates.
    HRGN Rest = CreateRectRgn(W.left, W.top, W.right, W.bottom);
    if (Update != 1) CombineRgn(Rest, reinterpret_cast<HRGN>(Update), nullptr, RGN_COPY);
    auto Cut = [&](const TRect& R) {
        HRGN Part = CreateRectRgn(W.left + R.Left, W.top + R.Top, W.left + R.Right, W.top + R.Bottom);
        CombineRgn(Rest, Rest, Part, RGN_DIFF);
        DeleteObject(Part);
    };
    Cut(FRect);
    if (IsLeftmostVisible()) Cut(TitleStrip());
    return Rest;
}

void TZelCaptionButton::DrawTitle() {
    HDC DC = GetWindowDC(FForm->Handle());
    const TRect Strip = TitleStrip();
    const RECT R{Strip.Left, Strip.Top, Strip.Right, Strip.Bottom};
    const bool Active = GetActiveWindow() == FForm->Handle();
    DrawCaption(FForm->Handle(), DC, &R, DC_TEXT | DC_ICON | DC_GRADIENT | (Active ? DC_ACTIVE : 0));
    ReleaseDC(FForm->Handle(), DC);
}

void TZelCaptionButton::Redraw() {
    if (FForm && FForm->HandleAllocated() && FVisible) Paint();
}

void TZelCaptionButton::Paint() {
    if (!FForm || !FForm->HandleAllocated() || !FVisible) return;
    HDC DC = GetWindowDC(FForm->Handle());
    TCanvas Canvas;
    Canvas.SetHandle(DC);
    RECT R{FRect.Left, FRect.Top, FRect.Right, FRect.Bottom};
    Canvas.Brush()->SetColor(clBtnFace);
    Canvas.FillRect(FRect);
    DrawEdge(DC, &R, FDown ? (BDR_SUNKENINNER | BDR_SUNKENOUTER) : (BDR_RAISEDINNER | BDR_RAISEDOUTER), BF_RECT);
    const int Shift = FDown ? 1 : 0;
    TBitmap* Image = FDown && !FDownGlyph->Empty() ? FDownGlyph.get() : FGlyph.get();
    if (!Image->Empty()) {
        const int X = FRect.Left + (FRect.Width() - Image->Width()) / 2 + Shift;
        const int Y = FRect.Top + (FRect.Height() - Image->Height()) / 2 + Shift;
        TRect Dest = Bounds(X, Y, Image->Width(), Image->Height());
        Canvas.BrushCopy(Dest, Image, Rect(0, 0, Image->Width(), Image->Height()), Image->TransparentColor());
    } else if (!FCaption.empty()) {
        Canvas.Font()->Assign(FFont.get());
        Canvas.Brush()->SetStyle(bsClear);
        Canvas.TextExtent("");
        RECT T{FRect.Left + 2 + FLeftMargin + Shift, FRect.Top + FTopMargin + Shift, FRect.Right - 2, FRect.Bottom};
        IntersectClipRect(DC, FRect.Left, FRect.Top, FRect.Right, FRect.Bottom);
        DrawTextA(DC, FCaption.c_str(), -1, &T, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
    }
    Canvas.SetHandle(nullptr);
    ReleaseDC(FForm->Handle(), DC);
}

TPoint TZelCaptionButton::ToWindow(LPARAM ScreenPoint) const {
    RECT W{};
    GetWindowRect(FForm->Handle(), &W);
    return {static_cast<short>(LOWORD(ScreenPoint)) - W.left, static_cast<short>(HIWORD(ScreenPoint)) - W.top};
}

TPoint TZelCaptionButton::WindowToClient(TPoint P) const {
    RECT W{};
    GetWindowRect(FForm->Handle(), &W);
    POINT Origin{0, 0};
    ClientToScreen(FForm->Handle(), &Origin);
    return {P.X - (Origin.x - W.left), P.Y - (Origin.y - W.top)};
}

void TZelCaptionButton::Click() {
    if (FForm && GetCapture() == FForm->Handle()) ReleaseCapture();
    FDown = false;
    Paint();
    if (OnClick) OnClick(this);
}

void TZelCaptionButton::DblClick() {
    if (!Designing() && FForm) {
        SetCapture(FForm->Handle());
        FDown = FPressing = true;
        Paint();
    }
    if (OnDblClick) OnDblClick(this);
}

void TZelCaptionButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button == mbLeft && Designing()) {
        if (auto* D = dynamic_cast<TFormDesigner*>(FForm->Designer())) D->SelectSingle(this);
        return;
    }
    if (Button == mbLeft) {
        SetCapture(FForm->Handle());
        FDown = FPressing = true;
        Paint();
    }
    if (OnMouseDown) OnMouseDown(this, Button, Shift, X, Y);
}

void TZelCaptionButton::MouseMove(TShiftState Shift, int X, int Y) {
    const TPoint Window{X + (WindowToClient({0, 0}).X * -1), Y + (WindowToClient({0, 0}).Y * -1)};
    const bool In = Inside(Window);
    FHot = In;
    if (FPressing && In != FDown) {
        FDown = In;
        Paint();
    }
    if (In && !FHint.empty() && !Designing() && !FHintWindow->Visible()) FHintWindow->ShowAtCursor(FHint);
    if (OnMouseMove) OnMouseMove(this, Shift, X, Y);
}

void TZelCaptionButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (Button != mbLeft || !FPressing) return;
    if (GetCapture() == FForm->Handle()) ReleaseCapture();
    const TPoint Window{X - WindowToClient({0, 0}).X, Y - WindowToClient({0, 0}).Y};
    FDown = FPressing = false;
    Paint();
    if (Inside(Window)) {
        if (OnMouseUp) OnMouseUp(this, Button, Shift, X, Y);
        Click();
    }
}

void TZelCaptionButton::MoveBy(int DX) {
    for (TZelCaptionButton* B : FormCaptionButtons(FForm)) B->FRect.Offset(DX, 0);
}

void TZelCaptionButton::HookProc(TMessage& Message) {
    if (!FVisible || !HandleMessage(Message)) FHook->Default(Message);
}

// True when the message was answered here; false sends it on.
bool TZelCaptionButton::HandleMessage(TMessage& M) {
    switch (M.Msg) {
        case WM_NCPAINT: {
            // The frame's own painting must not cover the button (and, for
            // the leftmost one, the title drawn here): it gets a region
            // without them.
            const HRGN Rest = RegionWithoutButton(M.WParam);
            if (IsLeftmostVisible()) DrawTitle();
            Paint();
            const WPARAM Given = M.WParam;
            M.WParam = reinterpret_cast<WPARAM>(Rest);
            FHook->Default(M);
            M.WParam = Given;
            DeleteObject(Rest);
            return true;
        }
        case WM_NCHITTEST: {
            if (!Inside(ToWindow(M.LParam))) return false;
            M.Result = HTBORDER;
            return true;
        }
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONDBLCLK: {
            const TPoint W = ToWindow(M.LParam);
            if (!Inside(W)) return false;
            const TPoint C = WindowToClient(W);
            if (M.Msg == WM_NCLBUTTONDBLCLK) DblClick();
            else MouseDown(mbLeft, KeyStateShift() + TShiftState{ssLeft}, C.X, C.Y);
            // On to the frame's own handling: over the button the hit test
            // says border, which starts no move and no menu.
            return false;
        }
        case WM_NCMOUSEMOVE: {
            const TPoint W = ToWindow(M.LParam);
            if (Inside(W)) {
                const TPoint C = WindowToClient(W);
                MouseMove({}, C.X, C.Y);
            } else if (!FPressing) {
                FHintWindow->CloseHint();
                FHot = false;
            }
            return false;
        }
        case WM_MOUSEMOVE: {
            if (!FPressing) return false;
            const TPoint C{static_cast<short>(LOWORD(M.LParam)), static_cast<short>(HIWORD(M.LParam))};
            MouseMove(KeysToShift(M.WParam), C.X, C.Y);
            return true;
        }
        case WM_LBUTTONUP: {
            if (!FPressing) return false;
            const TPoint C{static_cast<short>(LOWORD(M.LParam)), static_cast<short>(HIWORD(M.LParam))};
            MouseUp(mbLeft, KeysToShift(M.WParam), C.X, C.Y);
            return true;
        }
        case WM_CONTEXTMENU: {
            if (!FPopupMenu || Designing() || !Inside(ToWindow(M.LParam))) return false;
            FHintWindow->CloseHint();
            FPopupMenu->Popup(static_cast<short>(LOWORD(M.LParam)), static_cast<short>(HIWORD(M.LParam)));
            M.Result = 0;
            return true;
        }
        case WM_ACTIVATE:
        case WM_SETTEXT:
            FHook->Default(M);
            // The title shows the form's new active state.
            if (M.Msg == WM_ACTIVATE && IsLeftmostVisible()) DrawTitle();
            Paint();
            return true;
        case WM_SETTINGCHANGE:
            FHook->Default(M);
            LayoutFrom();
            Paint();
            return true;
        case WM_GETMINMAXINFO: {
            FHook->Default(M);
            reinterpret_cast<MINMAXINFO*>(M.LParam)->ptMinTrackSize.x += FRect.Width();
            return true;
        }
        case WM_SIZE:
            FHook->Default(M);
            if (M.WParam == SIZE_RESTORED) {
                if (FormCaptionButtons(FForm).front() == this) LayoutFrom();
                FFormWidth = FForm->Width();
            }
            return true;
        case WM_SYSCOMMAND: {
            const WPARAM Cmd = M.WParam & 0xFFF0;
            if (FormCaptionButtons(FForm).front() == this) {
                if (Cmd == SC_MAXIMIZE) {
                    RECT Work{};
                    SystemParametersInfoA(SPI_GETWORKAREA, 0, &Work, 0);
                    TFormBorderStyle Style;
                    TBorderIcons Icons;
                    const TCaptionMetrics Mt = MetricsOf(FForm, Designing(), Style, Icons);
                    MoveBy((Work.right - Work.left + 2 * Mt.FrameWidth) - FForm->Width());
                } else if (Cmd == SC_RESTORE) {
                    WINDOWPLACEMENT P{};
                    P.length = sizeof P;
                    GetWindowPlacement(FForm->Handle(), &P);
                    MoveBy((P.rcNormalPosition.right - P.rcNormalPosition.left) - FForm->Width());
                }
            }
            return false;
        }
        case WM_SIZING: {
            BOOL Full = FALSE;
            SystemParametersInfoA(SPI_GETDRAGFULLWINDOWS, 0, &Full, 0);
            if (Full && FormCaptionButtons(FForm).front() == this) {
                const RECT* R = reinterpret_cast<const RECT*>(M.LParam);
                MoveBy((R->right - R->left) - FForm->Width());
            }
            return false;
        }
    }
    return false;
}
