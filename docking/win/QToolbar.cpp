#include "docking/win/QToolbar.h"

#include <algorithm>

#include "docking/DockTexts.h"
#include "framework/rtl/Exceptions.h"

// ---- TQCustomToolbar

TQCustomToolbar::TQCustomToolbar(TComponent* AOwner) : TQCustomToolWindow(AOwner) {}

void TQCustomToolbar::SetFloatRightX(int Value) {
    if (Value == FFloatRightX) return;
    FFloatRightX = Value;
    if (Floating()) Arrange();
}

std::vector<TToolbarItem> TQCustomToolbar::Items(const std::vector<TControl*>& Controls) {
    std::vector<TToolbarItem> Result;
    Result.reserve(Controls.size());
    for (TControl* C : Controls) {
        TToolbarItem I;
        if (auto* Sep = dynamic_cast<TQToolbarSep*>(C)) {
            I.Separator = true;
            I.SizeHorz = Sep->SizeHorz();
            I.SizeVert = Sep->SizeVert();
        }
        I.Visible = C->Visible() || C->ComponentState().Contains(csDesigning);
        I.Alternate = AlternateRole(C);
        I.Bounds = C->BoundsRect();
        Result.push_back(I);
    }
    return Result;
}

void TQCustomToolbar::AddAlternatePair(TControl* Horizontal, TControl* Vertical) {
    if (!Horizontal || !Vertical || Horizontal == Vertical) return;
    DropAlternatePairsOf(Horizontal);
    DropAlternatePairsOf(Vertical);
    FAlternates.push_back({Horizontal, Vertical});
    Horizontal->FreeNotification(this);
    Vertical->FreeNotification(this);
    Arrange();
}

void TQCustomToolbar::DropAlternatePairsOf(TComponent* Control) {
    std::erase_if(FAlternates, [Control](const TAlternatePair& P) {
        return static_cast<TComponent*>(P.Horizontal) == Control || static_cast<TComponent*>(P.Vertical) == Control;
    });
}

TAlternateRole TQCustomToolbar::AlternateRole(TControl* Control) const {
    for (const TAlternatePair& P : FAlternates) {
        if (P.Horizontal == Control) return arHorizontal;
        if (P.Vertical == Control) return arVertical;
    }
    return arNone;
}

void TQCustomToolbar::Notification(TComponent* AComponent, TOperation Operation) {
    TQCustomToolWindow::Notification(AComponent, Operation);
    if (Operation == opRemove) DropAlternatePairsOf(AComponent);
}

std::vector<TControl*> TQCustomToolbar::LayoutOrder(TDockOrientation CurrentOrientation) {
    if (!ComponentState().Contains(csDesigning)) return FOrderList;
    const std::vector<int> Order = ToolbarOrderByPosition(Items(FOrderList), CurrentOrientation == doVertical);
    std::vector<TControl*> Result;
    for (int I : Order) Result.push_back(FOrderList[static_cast<size_t>(I)]);
    return Result;
}

int TQCustomToolbar::GetDockedSizeAcross(TDockOrientation Orientation) {
    return ToolbarSizeAcross(Items(FOrderList), Orientation);
}

void TQCustomToolbar::GetMinimumSize(int& AWidth, int& AHeight) {
    AWidth = 0;
    AHeight = 0;
}

TExtent TQCustomToolbar::ArrangeControls(bool CanMove, TDockOrientation CurrentOrientation, TQDock* TargetDock) {
    const std::vector<TControl*> Order = LayoutOrder(CurrentOrientation);
    TToolbarLayoutInput In;
    In.Orientation = TargetDock ? OrientationOfDock(TargetDock->Position()) : doNoDock;
    In.FloatRightX = TargetDock ? 0 : FFloatRightX;
    if (TargetDock && TargetDock == DockedTo()) In.RowThickness = ::GetRowSize(TargetDock->RowSizes(), DockRow(), 0);
    if (CanMove) {
        for (const TAlternatePair& P : std::vector<TAlternatePair>(FAlternates)) {
            P.Horizontal->SetVisible(AlternateMemberShown(arHorizontal, In.Orientation));
            P.Vertical->SetVisible(AlternateMemberShown(arVertical, In.Orientation));
        }
    }
    const TToolbarLayout Layout = ArrangeToolbarControls(Items(Order), In);
    if (CanMove) {
        for (size_t I = 0; I < Order.size(); ++I) {
            const TRect& R = Layout.Bounds[I];
            if (!(R == Order[I]->BoundsRect())) Order[I]->SetBounds(R.Left, R.Top, R.Width(), R.Height());
        }
        FLineDividers = TargetDock ? std::vector<int>{} : Layout.LineDividers;
        if (ComponentState().Contains(csDesigning)) Invalidate();
    }
    return Layout.ClientSize;
}

void TQCustomToolbar::ReadPositionData(const TPositionReadIntProc& ReadInt) {
    SetFloatRightX(ReadInt(Name(), SKeyFloatRightX, 0));
}

void TQCustomToolbar::WritePositionData(const TPositionWriteIntProc& WriteInt) {
    WriteInt(Name(), SKeyFloatRightX, FFloatRightX);
}

bool TQCustomToolbar::ChildControlTransparent(TControl* Child) { return dynamic_cast<TQToolbarSep*>(Child) != nullptr; }

void TQCustomToolbar::ResizeBegin(int HitCode) {
    const TResizeSides Sides = ResizeSidesForHitCode(HitCode);
    FSizeByHeight = !Sides.Left && !Sides.Right;
    FDragLeft = Sides.Left;
    FDragTop = Sides.Top;
    FSizes = AllowedFloatingSizes(Items(FOrderList), FloatingInsets(), FSizeByHeight);
    FSizeIndex = FindFloatingSize(FSizes, {Width(), Height()}, FSizeByHeight);
    FChosenIndex = -1;
    FSnap = FloatingSnapDistance(FSizes, FSizeIndex, FSizeByHeight);
}

void TQCustomToolbar::ResizeTrack(TRect& NewRect, const TRect& OrigRect) {
    if (FSizeIndex < 0) {
        NewRect = OrigRect;
        return;
    }
    const int Desired = FSizeByHeight ? NewRect.Height() : NewRect.Width();
    const int Index = ChooseFloatingSize(FSizes, FSizeIndex, Desired, FSnap, FSizeByHeight);
    NewRect = FloatingResizeOutline(OrigRect, FSizes[static_cast<size_t>(Index)].Outer, FDragLeft, FDragTop);
    FChosenIndex = Index;
}

void TQCustomToolbar::ResizeEnd(bool Accepted) {
    if (Accepted && FChosenIndex >= 0) FFloatRightX = FSizes[static_cast<size_t>(FChosenIndex)].FloatRightX;
    FSizes.clear();
    FSizeIndex = -1;
    FChosenIndex = -1;
}

void TQCustomToolbar::Loaded() {
    // The stream's order of children is their creation order; the layout
    // follows their designed positions.
    const bool Vertical = DockedTo() && DockedTo()->Vertical();
    const std::vector<int> Order = ToolbarOrderByPosition(Items(FOrderList), Vertical);
    std::vector<TControl*> Sorted;
    for (int I : Order) Sorted.push_back(FOrderList[static_cast<size_t>(I)]);
    FOrderList = Sorted;
    TQCustomToolWindow::Loaded();
}

void TQCustomToolbar::Paint() {
    TQCustomToolWindow::Paint();
    if (!Floating()) return;
    const int W = ClientWidth();
    for (int Cross : FLineDividers) {
        const TDividerLines L = ToolbarDividerLines(W, Cross);
        Canvas()->Pen()->SetColor(clBtnShadow);
        Canvas()->MoveTo(L.Shadow.Left, L.Shadow.Y);
        Canvas()->LineTo(L.Shadow.Right, L.Shadow.Y);
        Canvas()->Pen()->SetColor(clBtnHighlight);
        Canvas()->MoveTo(L.Highlight.Left, L.Highlight.Y);
        Canvas()->LineTo(L.Highlight.Right, L.Highlight.Y);
    }
}

void TQCustomToolbar::WndProc(TMessage& Message) {
    if (Message.Msg == CM_CONTROLLISTCHANGE) {
        auto* C = reinterpret_cast<TControl*>(Message.WParam);
        FOrderList.erase(std::remove(FOrderList.begin(), FOrderList.end(), C), FOrderList.end());
        if (Message.LParam != 0) FOrderList.push_back(C);
        else DropAlternatePairsOf(C);
    } else if (Message.Msg == WM_SIZE && Floating()) {
        Invalidate();
    }
    TQCustomToolWindow::WndProc(Message);
}

// ---- TQToolbarSep

TQToolbarSep::TQToolbarSep(TComponent* AOwner) : TGraphicControl(AOwner) {
    FControlStyle = TControlStyle{};
    SetBounds(0, 0, 6, 6);
}

void TQToolbarSep::SetParent(TWinControl* AParent) {
    if (AParent && !dynamic_cast<TQCustomToolbar*>(AParent)) throw EInvalidOperation(SToolbarSepParentInvalid);
    TGraphicControl::SetParent(AParent);
}

void TQToolbarSep::Remeasure() {
    if (auto* Bar = dynamic_cast<TQCustomToolbar*>(Parent())) Bar->Arrange();
}

void TQToolbarSep::SetBlank(bool Value) {
    if (Value == FBlank) return;
    FBlank = Value;
    Invalidate();
}

void TQToolbarSep::SetSizeHorz(int Value) {
    if (Value == FSizeHorz) return;
    FSizeHorz = Value;
    Remeasure();
}

void TQToolbarSep::SetSizeVert(int Value) {
    if (Value == FSizeVert) return;
    FSizeVert = Value;
    Remeasure();
}

void TQToolbarSep::WndProc(TMessage& Message) {
    // Presses fall through to the toolbar, so a separator starts a drag.
    if (Message.Msg == CM_HITTEST && !ComponentState().Contains(csDesigning)) {
        Message.Result = 0;
        return;
    }
    TGraphicControl::WndProc(Message);
}

void TQToolbarSep::Paint() {
    TCanvas* C = Canvas();
    if (ComponentState().Contains(csDesigning)) {
        C->Pen()->SetColor(clBtnShadow);
        C->Pen()->SetStyle(psDot);
        C->Brush()->SetStyle(bsClear);
        C->Rectangle(0, 0, Width(), Height());
        C->Pen()->SetStyle(psSolid);
        C->Brush()->SetStyle(bsSolid);
    }
    if (FBlank) return;
    auto* Bar = dynamic_cast<TQCustomToolWindow*>(Parent());
    const bool Vertical = Bar && Bar->DockedTo() && Bar->DockedTo()->Vertical();
    const TSeparatorEtch E = SeparatorEtch({Width(), Height()}, Vertical);
    C->Pen()->SetColor(clBtnShadow);
    if (E.Horizontal) {
        C->MoveTo(0, E.ShadowAt);
        C->LineTo(E.Length, E.ShadowAt);
        C->Pen()->SetColor(clBtnHighlight);
        C->MoveTo(0, E.HighlightAt);
        C->LineTo(E.Length, E.HighlightAt);
    } else {
        C->MoveTo(E.ShadowAt, 0);
        C->LineTo(E.ShadowAt, E.Length);
        C->Pen()->SetColor(clBtnHighlight);
        C->MoveTo(E.HighlightAt, 0);
        C->LineTo(E.HighlightAt, E.Length);
    }
}

// ---- TQToolWindow

TQToolWindow::TQToolWindow(TComponent* AOwner) : TQCustomToolWindow(AOwner) { SetBounds(0, 0, 32, 32); }

void TQToolWindow::SizeChanging(int NewWidth, int NewHeight) {
    if (!Parent()) return;
    const TEdgeInsets I = NonClientInsets();
    FKept = ClientSizeForOuter({NewWidth, NewHeight}, I);
}

int TQToolWindow::GetDockedSizeAcross(TDockOrientation Orientation) {
    return ToolWindowSizeAcross(FKept, Orientation == doVertical);
}

void TQToolWindow::GetMinimumSize(int& AWidth, int& AHeight) {
    AWidth = FMinClientWidth;
    AHeight = FMinClientHeight;
}

TExtent TQToolWindow::ArrangeControls(bool, TDockOrientation, TQDock*) { return FKept; }

int TQToolWindow::ClientAreaWidth() { return Parent() ? FKept.Width : Width(); }
int TQToolWindow::ClientAreaHeight() { return Parent() ? FKept.Height : Height(); }

void TQToolWindow::SetClientArea(int W, int H) {
    FKept = {W, H};
    const TExtent Outer = OuterSizeForClient(FKept, NonClientInsets());
    SetBounds(Left(), Top(), Outer.Width, Outer.Height);
    Arrange();
}

void TQToolWindow::SetClientAreaWidth(int Value) { SetClientArea(Value, ClientAreaHeight()); }
void TQToolWindow::SetClientAreaHeight(int Value) { SetClientArea(ClientAreaWidth(), Value); }

void TQToolWindow::ReadPositionData(const TPositionReadIntProc& ReadInt) {
    if (!Resizable()) return;
    const int H = ReadInt(Name(), SKeyClientHeight, FKept.Height);
    const int W = ReadInt(Name(), SKeyClientWidth, FKept.Width);
    SetClientArea(W, H);
}

void TQToolWindow::WritePositionData(const TPositionWriteIntProc& WriteInt) {
    if (!Resizable()) return;
    WriteInt(Name(), SKeyClientHeight, FKept.Height);
    WriteInt(Name(), SKeyClientWidth, FKept.Width);
}
