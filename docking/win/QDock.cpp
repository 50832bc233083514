#include "docking/win/QDock.h"

#include <algorithm>

#include "docking/DockTexts.h"
#include "docking/win/NonClientRect.h"
#include "docking/win/QToolWindow.h"
#include "framework/rtl/Exceptions.h"

namespace {

// Lowers a counter on every way out.
struct TCountGuard {
    int& Count;
    explicit TCountGuard(int& C) : Count(C) { ++Count; }
    ~TCountGuard() { --Count; }
};

}  // namespace

TQDock::TQDock(TComponent* AOwner) : TCustomControl(AOwner), FBackground(std::make_unique<TBitmap>()) {
    FControlStyle = TControlStyle{csAcceptsControls, csNoStdEvents};
    FBackground->OnChange = TNotifyEvent(this, &TQDock::BackgroundChanged);
    SetColor(clBtnFace);
    SetAlign(alTop);
}

TQDock::~TQDock() = default;

void TQDock::SetParent(TWinControl* AParent) {
    if (dynamic_cast<TQCustomToolWindow*>(AParent) || dynamic_cast<TQDock*>(AParent))
        throw EInvalidOperation(SDockParentInvalid);
    TCustomControl::SetParent(AParent);
}

void TQDock::SetPosition(TDockPosition Value) {
    if (ControlCount() > 0) throw EInvalidOperation(SDockPositionLocked);
    FPosition = Value;
    static constexpr TAlign Aligns[] = {alTop, alBottom, alLeft, alRight};
    SetAlign(Aligns[Value]);
    LayoutDockRows(false);
}

void TQDock::SetAllowDrag(bool Value) {
    if (Value == FAllowDrag) return;
    FAllowDrag = Value;
    for (TQCustomToolWindow* Bar : FDockList)
        if (Bar->Parent() == this) {
            if (Bar->HandleAllocated())
                SetWindowPos(Bar->Handle(), nullptr, 0, 0, 0, 0,
                             SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
            Bar->Arrange();
        }
    LayoutDockRows(false);
}

void TQDock::SetBackgroundOnToolbars(bool Value) {
    if (Value == FBackgroundOnToolbars) return;
    FBackgroundOnToolbars = Value;
    InvalidateBackgrounds();
}

void TQDock::SetBackgroundTransparent(bool Value) {
    if (Value == FBackgroundTransparent) return;
    FBackgroundTransparent = Value;
    FBackgroundCache.reset();
    InvalidateBackgrounds();
}

void TQDock::SetBoundLines(TDockBoundLines Value) {
    if (Value == FBoundLines) return;
    FBoundLines = Value;
    if (HandleAllocated())
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    LayoutDockRows(false);
}

void TQDock::SetFixAlign(bool Value) {
    if (Value == FFixAlign) return;
    FFixAlign = Value;
    LayoutDockRows(false);
}

void TQDock::SetLimitToOneRow(bool Value) {
    if (Value == FLimitToOneRow) return;
    FLimitToOneRow = Value;
    LayoutDockRows(false);
}

void TQDock::BackgroundChanged(TObject*) {
    FBackgroundCache.reset();
    InvalidateBackgrounds();
}

void TQDock::CreateParams(TCreateParams& Params) {
    TCustomControl::CreateParams(Params);
    if (!ComponentState().Contains(csDesigning)) Params.WindowClass.style &= ~static_cast<UINT>(CS_HREDRAW | CS_VREDRAW);
}

// ---- bar lists

bool TQDock::IsShownBar(TQCustomToolWindow* Bar) const {
    return Bar->Parent() == this && (Bar->Visible() || Bar->ComponentState().Contains(csDesigning));
}

void TQDock::ChangeDockList(bool Insert, TQCustomToolWindow* Bar) {
    auto It = std::find(FDockList.begin(), FDockList.end(), Bar);
    if (Insert) {
        if (It == FDockList.end()) {
            FDockList.push_back(Bar);
            Bar->FreeNotification(this);
        }
    } else if (It != FDockList.end()) {
        FDockList.erase(It);
    }
    UpdateVisibleBar(Bar);
}

void TQDock::UpdateVisibleBar(TQCustomToolWindow* Bar, bool ForceHidden) {
    const bool Belongs = !ForceHidden && IsShownBar(Bar) &&
                         std::find(FDockList.begin(), FDockList.end(), Bar) != FDockList.end();
    auto It = std::find(FDockVisibleList.begin(), FDockVisibleList.end(), Bar);
    const bool Listed = It != FDockVisibleList.end();
    if (Belongs == Listed) return;
    if (Belongs) FDockVisibleList.push_back(Bar);
    else FDockVisibleList.erase(It);
    LayoutDockRows(false);
    if (OnInsertRemoveBar) OnInsertRemoveBar(this, Belongs, Bar);
}

void TQDock::Notification(TComponent* AComponent, TOperation Operation) {
    TCustomControl::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    auto* Bar = dynamic_cast<TQCustomToolWindow*>(AComponent);
    if (!Bar) {
        // The bar may already be past its own destructor's derived part.
        auto Same = [AComponent](TQCustomToolWindow* B) { return static_cast<TComponent*>(B) == AComponent; };
        FDockList.erase(std::remove_if(FDockList.begin(), FDockList.end(), Same), FDockList.end());
        FDockVisibleList.erase(std::remove_if(FDockVisibleList.begin(), FDockVisibleList.end(), Same),
                               FDockVisibleList.end());
        return;
    }
    FDockList.erase(std::remove(FDockList.begin(), FDockList.end(), Bar), FDockList.end());
    FDockVisibleList.erase(std::remove(FDockVisibleList.begin(), FDockVisibleList.end(), Bar), FDockVisibleList.end());
}

int TQDock::GetHighestRow() const {
    int Highest = -1;
    for (TQCustomToolWindow* Bar : FDockList) Highest = std::max(Highest, Bar->DockRow());
    return Highest;
}

int TQDock::GetNumberOfToolbarsOnRow(int Row, TQCustomToolWindow* NotIncluding) const {
    int N = 0;
    for (TQCustomToolWindow* Bar : FDockList)
        if (Bar != NotIncluding && Bar->DockRow() == Row) ++N;
    return N;
}

int TQDock::GetRowSize(int Row, TQCustomToolWindow* DefaultBar) {
    const int Default = DefaultBar ? DefaultBar->GetDockedSizeAcross(OrientationOfDock(FPosition)) : 0;
    return ::GetRowSize(FRowSizes, Row, Default);
}

int TQDock::ClientLength() {
    const TRect C = ClientRect();
    return Vertical() ? C.Height() : C.Width();
}

// ---- arrangement

void TQDock::BeginArrange() { ++FDisableArrangeCount; }

void TQDock::EndArrange() {
    if (FDisableArrangeCount > 0) --FDisableArrangeCount;
    if (FDisableArrangeCount == 0 && FArrangePending) LayoutDockRows(FStorePositionsPending);
}

void TQDock::LayoutDockRows(bool StorePositions) {
    if (StorePositions) FStorePositionsPending = true;
    if (FDisableArrangeCount > 0 || ComponentState().Contains(csLoading) ||
        ComponentState().Contains(csDestroying)) {
        FArrangePending = true;
        return;
    }
    TCountGuard Guard(FDisableArrangeCount);
    const bool Designing = ComponentState().Contains(csDesigning);
    if (!Designing && HandleAllocated())
        SetWindowPos(Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    const TDockOrientation Orientation = OrientationOfDock(FPosition);
    std::vector<TDockBarSlot> Slots;
    Slots.reserve(FDockList.size());
    for (TQCustomToolWindow* Bar : FDockList) {
        TDockBarSlot S;
        S.DockRow = Bar->FDockRow;
        S.DockPos = Bar->FDockPos;
        S.FullSize = Bar->FFullSize;
        S.Shown = std::find(FDockVisibleList.begin(), FDockVisibleList.end(), Bar) != FDockVisibleList.end();
        S.Width = Bar->Width();
        S.Height = Bar->Height();
        S.SizeAcross = S.Shown ? Bar->GetDockedSizeAcross(Orientation) : 0;
        Slots.push_back(S);
    }
    TDockLayoutOptions Options;
    Options.Position = FPosition;
    Options.ClientLength = ClientLength();
    Options.Designing = Designing;
    Options.FixAlign = FFixAlign;
    Options.LimitToOneRow = FLimitToOneRow;
    Options.StorePositions = FStorePositionsPending;
    const TDockLayout Layout = ::LayoutDockRows(Slots, Options);

    std::vector<TQCustomToolWindow*> Bars = FDockList;
    for (size_t I = 0; I < Bars.size(); ++I) {
        Bars[I]->FDockRow = Slots[I].DockRow;
        if (FStorePositionsPending) Bars[I]->FDockPos = Slots[I].DockPos;
    }
    FDockList.clear();
    FDockVisibleList.clear();
    for (int Index : Layout.Order) {
        TQCustomToolWindow* Bar = Bars[static_cast<size_t>(Index)];
        FDockList.push_back(Bar);
        if (Slots[static_cast<size_t>(Index)].Shown) FDockVisibleList.push_back(Bar);
    }
    FRowSizes = Layout.RowSizes;
    for (int Index : Layout.Order) {
        if (!Slots[static_cast<size_t>(Index)].Shown) continue;
        TQCustomToolWindow* Bar = Bars[static_cast<size_t>(Index)];
        const TRect& R = Layout.BarBounds[static_cast<size_t>(Index)];
        TCountGuard Positioning(Bar->FDockPositioning);
        Bar->SetBounds(R.Left, R.Top, R.Width(), R.Height());
    }
    const TEdgeInsets Lines = DockBoundLineInsets(FBoundLines);
    const int NonClient = Vertical() ? Lines.Horizontal() : Lines.Vertical();
    const TRect NewBounds = ResizeDockAlongEdge(BoundsRect(), FPosition, Layout.Thickness + NonClient);
    if (!(NewBounds == BoundsRect())) SetBounds(NewBounds.Left, NewBounds.Top, NewBounds.Width(), NewBounds.Height());
    FArrangePending = false;
    FStorePositionsPending = false;
}

void TQDock::AlignControls(TControl*, TRect&) { LayoutDockRows(false); }

void TQDock::Loaded() {
    TCustomControl::Loaded();
    LayoutDockRows(false);
}

void TQDock::Resize() {
    if (ComponentState().Contains(csLoading)) return;
    TCustomControl::Resize();
}

// ---- painting

TBitmap* TQDock::BackgroundForDrawing() {
    if (!FBackgroundTransparent) return FBackground.get();
    if (!FBackgroundCache) {
        FBackgroundCache = std::make_unique<TBitmap>();
        FBackgroundCache->Assign(FBackground.get());
        const int W = FBackgroundCache->Width(), H = FBackgroundCache->Height();
        TCanvas* C = FBackgroundCache->Canvas();
        const TColor Key = C->Pixel(0, H - 1);
        const TColor Fill = static_cast<TColor>(ColorToRGB(FColor));
        for (int Y = 0; Y < H; ++Y)
            for (int X = 0; X < W; ++X)
                if (C->Pixel(X, Y) == Key) C->SetPixel(X, Y, Fill);
    }
    return FBackgroundCache.get();
}

void TQDock::DrawBackground(HDC DC, const TRect& ClipRect, const TRect& DrawRect, const TRect* ExcludeRect) {
    if (!HasBackground()) return;
    TBitmap* Bmp = BackgroundForDrawing();
    const int BW = Bmp->Width(), BH = Bmp->Height();
    // Tiles start at the parent's client origin, so that docks and bars
    // form one picture.
    TPoint Origin{0, 0};
    if (HandleAllocated() && Parent() && Parent()->HandleAllocated()) {
        const TPoint Mine = ClientOrigin(), Theirs = Parent()->ClientOrigin();
        Origin = {Mine.X - Theirs.X, Mine.Y - Theirs.Y};
    }
    const int SavedDC = SaveDC(DC);
    IntersectClipRect(DC, ClipRect.Left, ClipRect.Top, ClipRect.Right, ClipRect.Bottom);
    if (ExcludeRect) ExcludeClipRect(DC, ExcludeRect->Left, ExcludeRect->Top, ExcludeRect->Right, ExcludeRect->Bottom);
    HDC MemDC = CreateCompatibleDC(DC);
    HGDIOBJ OldBmp = SelectObject(MemDC, Bmp->Handle());
    HPALETTE Pal = Bmp->Palette();
    HPALETTE OldPal = nullptr;
    if (Pal) {
        OldPal = SelectPalette(DC, Pal, TRUE);
        RealizePalette(DC);
    }
    // DrawRect is where the dock's client origin lies in DC.
    const int StartX = DrawRect.Left - ((Origin.X % BW) + BW) % BW;
    const int StartY = DrawRect.Top - ((Origin.Y % BH) + BH) % BH;
    for (int Y = StartY; Y < DrawRect.Bottom; Y += BH)
        for (int X = StartX; X < DrawRect.Right; X += BW) BitBlt(DC, X, Y, BW, BH, MemDC, 0, 0, SRCCOPY);
    if (OldPal) SelectPalette(DC, OldPal, TRUE);
    SelectObject(MemDC, OldBmp);
    DeleteDC(MemDC);
    RestoreDC(DC, SavedDC);
}

void TQDock::InvalidateBackgrounds() {
    Invalidate();
    for (TQCustomToolWindow* Bar : FDockVisibleList)
        if (Bar->HandleAllocated()) RedrawWindow(Bar->Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TQDock::Paint() {
    const TRect R = ClientRect();
    TCanvas* C = Canvas();
    C->Brush()->SetColor(FColor);
    C->FillRect(R);
    if (ComponentState().Contains(csDesigning)) {
        C->Pen()->SetColor(clBtnShadow);
        C->Pen()->SetStyle(psDot);
        C->Brush()->SetStyle(bsClear);
        C->Rectangle(R);
        C->Brush()->SetStyle(bsSolid);
    }
    DrawBackground(C->Handle(), R, R, nullptr);
}

void TQDock::DrawNonClient() {
    if (FBoundLines.Empty()) return;
    if (!ComponentState().Contains(csDesigning) && FDockVisibleList.empty()) return;
    HDC DC = GetWindowDC(Handle());
    RECT W{};
    GetWindowRect(Handle(), &W);
    OffsetRect(&W, -W.left, -W.top);
    HPEN Shadow = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));
    HPEN Light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
    HGDIOBJ Old = SelectObject(DC, Shadow);
    if (FBoundLines.Contains(blTop)) {
        MoveToEx(DC, 0, 0, nullptr);
        LineTo(DC, W.right, 0);
    }
    if (FBoundLines.Contains(blLeft)) {
        MoveToEx(DC, 0, 0, nullptr);
        LineTo(DC, 0, W.bottom);
    }
    SelectObject(DC, Light);
    if (FBoundLines.Contains(blBottom)) {
        MoveToEx(DC, 0, W.bottom - 1, nullptr);
        LineTo(DC, W.right, W.bottom - 1);
    }
    if (FBoundLines.Contains(blRight)) {
        MoveToEx(DC, W.right - 1, 0, nullptr);
        LineTo(DC, W.right - 1, W.bottom);
    }
    SelectObject(DC, Old);
    DeleteObject(Shadow);
    DeleteObject(Light);
    ReleaseDC(Handle(), DC);
}

void TQDock::WndProc(TMessage& Message) {
    switch (Message.Msg) {
        case WM_NCCALCSIZE: {
            InsetByNonClient(*reinterpret_cast<RECT*>(Message.LParam), DockBoundLineInsets(FBoundLines));
            Message.Result = 0;
            return;
        }
        case WM_NCPAINT:
            DrawNonClient();
            Message.Result = 0;
            return;
        case WM_MOVE:
            if (HasBackground()) InvalidateBackgrounds();
            break;
        case WM_SYSCOLORCHANGE:
            FBackgroundCache.reset();
            break;
        case CM_COLORCHANGED:
            FBackgroundCache.reset();
            break;
        default:
            break;
    }
    TCustomControl::WndProc(Message);
}

QRN_PUBLISHED(TQDock) {
    B.Prop("AllowDrag", &TQDock::AllowDrag, &TQDock::SetAllowDrag).Default(true);
    B.Prop("Background", &TQDock::Background, &TQDock::SetBackground);
    B.Prop("BackgroundOnToolbars", &TQDock::BackgroundOnToolbars, &TQDock::SetBackgroundOnToolbars).Default(true);
    B.Prop("BackgroundTransparent", &TQDock::BackgroundTransparent, &TQDock::SetBackgroundTransparent)
        .Default(false);
    B.Prop("BoundLines", &TQDock::BoundLines, &TQDock::SetBoundLines).Default(TDockBoundLines{});
    B.Prop("FixAlign", &TQDock::FixAlign, &TQDock::SetFixAlign).Default(false);
    B.Prop("LimitToOneRow", &TQDock::LimitToOneRow, &TQDock::SetLimitToOneRow).Default(false);
    B.Prop("Position", &TQDock::Position, &TQDock::SetPosition).Default(dpTop);
    B.Event("OnInsertRemoveBar", &TQDock::OnInsertRemoveBar);
    B.Event("OnRequestDock", &TQDock::OnRequestDock);
}
