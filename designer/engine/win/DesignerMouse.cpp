// Selecting, moving and rubber-banding with the mouse, and inserting the
// palette's class.
#include <algorithm>

#include "designer/engine/win/DragFrame.h"
#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/support/win/CompPalette.h"
#include "designer/support/win/ComponentRegistration.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/DataModule.h"
#include "framework/forms/Forms.h"

namespace {

bool Inside(TComponent* Component, TWinControl* Container) {
    for (auto* C = dynamic_cast<TControl*>(Component); C; C = C->Parent())
        if (C == Container) return true;
    return false;
}

TRect ClientRectOnScreen(TWinControl* Control) {
    TRect R = Control->ClientRect();
    const TPoint O = Control->ClientOrigin();
    R.Offset(O.X, O.Y);
    return R;
}

}  // namespace

bool TZelFormDesigner::CanSelectComponent(TComponent* Component) {
    TWinControl* Container = GetDesignContainer();
    return Component && Component->Owner() == GetDesignRoot() && Component != Container &&
           (!Container || Inside(Component, Container)) && ClassHasDesignIcon(Component->ClassType()) &&
           TFDesigner::CanSelectComponent(Component);
}

bool TZelFormDesigner::CanAddToSelection(TComponent* Component) {
    return !IsSelected(Component) && CanSelectComponent(Component);
}

TComponent* TZelFormDesigner::ClickedComponent(TComponent* Target) const {
    TComponent* Root = const_cast<TZelFormDesigner*>(this)->GetDesignRoot();
    for (TComponent* C = Target; C; C = C->GetParentComponent())
        if (C == Root || C->Owner() == Root) return C;
    return Root;
}

TWinControl* TZelFormDesigner::ContainerAt(TComponent* Target) const {
    for (auto* C = dynamic_cast<TControl*>(Target); C; C = C->Parent()) {
        auto* W = dynamic_cast<TWinControl*>(C);
        if (W && (W == Form() || W->ControlStyle().Contains(csAcceptsControls))) return W;
    }
    return Form();
}

void TZelFormDesigner::SetCapture(bool On) {
    if (On && !FCaptured && Form()->HandleAllocated()) {
        FCaptured = true;
        ::SetCapture(Form()->Handle());
    } else if (!On && FCaptured) {
        FCaptured = false;
        if (GetCapture() == Form()->Handle()) ReleaseCapture();
    }
}

TRect TZelFormDesigner::MoveFrameRect() const {
    for (TComponent* C : FSelection)
        if (auto* Control = dynamic_cast<TControl*>(C); Control && Control != Form()) {
            TRect R = ScreenBounds(Control);
            R.Offset(FMoveDelta.X, FMoveDelta.Y);
            return R;
        }
    return {};
}

void TZelFormDesigner::DrawMoveFrames() const {
    for (TComponent* C : FSelection) {
        TRect R;
        if (auto* Control = dynamic_cast<TControl*>(C)) {
            if (Control == Form()) continue;
            R = ScreenBounds(Control);
        } else if (TComponentContainer* Icon = IconOf(C)) {
            R = IconRect(Icon->Position());
            const TPoint O = Form()->ClientOrigin();
            R.Offset(O.X, O.Y);
        } else {
            continue;
        }
        R.Offset(FMoveDelta.X, FMoveDelta.Y);
        DrawDragFrame(R, FContainerRect, false);
    }
}

void TZelFormDesigner::ShowDragHint(const std::string& Text, TPoint Screen) {
    if (!ShowHints) return;
    if (!FHint) FHint.reset(new THintWindow(nullptr));
    FHintText = Text;
    TRect R = FHint->CalcHintRect(300, Text);
    R.Offset(Screen.X + 12, Screen.Y + 16);
    FHint->ActivateHint(R, Text);
}

void TZelFormDesigner::HideDragHint() {
    FHintText.clear();
    if (FHint) FHint->ReleaseHandle();
}

void TZelFormDesigner::EndDrag(bool Apply) {
    HideDragHint();
    if (FRubberBanding) {
        if (Apply) {
            EndRubberBand();
        } else {
            DrawDragFrame(BandRect(), FContainerRect, false);
            FRubberBanding = false;
        }
    }
    if (FMoving) {
        if (Apply) {
            EndMove();
        } else {
            if (!FFirstMovePending) DrawMoveFrames();
            FMoving = false;
            ShowHandlesOfSelection();
        }
    }
    SetCapture(false);
}

void TZelFormDesigner::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
    if (OnMouseDown) OnMouseDown(Button, Shift, X, Y);
    TComponent* Target = FTarget;
    if (GetDesignContainer() && !Inside(Target, GetDesignContainer())) return;
    InSelectionUpdate([&] {
        if (Button == mbRight) {
            // The popup menu comes with the release, so one click shows one menu.
            EndDrag(false);
            return;
        }
        if (Button != mbLeft) return;
        FContainer = ContainerAt(Target);
        const bool PaletteClass = !SelectedPaletteClass.empty();
        if (PaletteClass && GetDesignContainer() && !Inside(FContainer, GetDesignContainer())) return;
        TComponent* Clicked = ClickedComponent(Target);
        TComponent* Top = GetDesignContainer() ? static_cast<TComponent*>(GetDesignContainer()) : GetDesignRoot();
        if (Shift.Contains(ssDouble) && !Shift.Contains(ssShift)) {
            if (Clicked != GetDesignContainer()) EditComponent(Clicked);
            return;
        }
        const bool Ctrl = Shift.Contains(ssCtrl);
        const bool OnTop = Clicked == GetDesignRoot() || Clicked == GetDesignContainer();
        if (OnTop && !Shift.Contains(ssShift) && !Ctrl) {
            ClearSelection();
            Select(Top);
            ShowHandlesOfSelection();
        } else if (!OnTop && !Ctrl && !PaletteClass) {
            if (Shift.Contains(ssShift)) {
                if (IsSelected(Clicked)) {
                    if (TComponentContainer* Icon = IconOf(Clicked)) Icon->SetSelected(false);
                    std::erase(FSelection, Clicked);
                    InspectorChanged();
                } else if (CanAddToSelection(Clicked)) {
                    std::erase(FSelection, GetDesignRoot());
                    Select(Clicked);
                }
                ShowHandlesOfSelection();
            } else if (!IsSelected(Clicked)) {
                if (!CanAddToSelection(Clicked)) return;
                ClearSelection();
                Select(Clicked);
                if (FTargetHandlesMouse) FPendingHandles = true;
                else ShowHandlesOfSelection();
            } else if (FSelection.size() == 1) {
                ShowHandlesOfSelection();
            }
            if (!FSelection.empty() && !Shift.Contains(ssShift) && !FLockControls && Allowed(Clicked, atMove) &&
                !FTargetHandlesMouse) {
                FMoving = true;
                FFirstMovePending = true;
                FMoveDelta = {};
                FContainerRect = ClientRectOnScreen(FContainer);
                FMoveStart = {X, Y};
                SetCapture(true);
            }
            return;
        }
        // Rubber band: Ctrl, a palette class, or a press on the container.
        FContainerRect = ClientRectOnScreen(FContainer);
        FBand = {X, Y, X, Y};
        FRubberBanding = true;
        SetCapture(true);
    });
}

void TZelFormDesigner::MouseMove(TShiftState Shift, int X, int Y) {
    InSelectionUpdate([&] {
        if (OnMouseMove) OnMouseMove(Shift, X, Y);
        if (FRubberBanding) {
            const int CX = std::clamp(X, FContainerRect.Left, std::max(FContainerRect.Left, FContainerRect.Right - 1));
            const int CY = std::clamp(Y, FContainerRect.Top, std::max(FContainerRect.Top, FContainerRect.Bottom - 1));
            DrawDragFrame(BandRect(), FContainerRect, false);
            FBand.Right = CX;
            FBand.Bottom = CY;
            DrawDragFrame(BandRect(), FContainerRect, false);
            ShowDragHint(std::to_string(BandRect().Width()) + " x " + std::to_string(BandRect().Height()), {CX, CY});
        } else if (FMoving) {
            // The first selected control's corner lands on the grid; the
            // others keep their places relative to it.
            TPoint Delta{X - FMoveStart.X, Y - FMoveStart.Y};
            TComponent* First = FSelection.empty() ? nullptr : FSelection.front();
            if (SnapToGrid) {
                TPoint Origin;
                if (auto* C = dynamic_cast<TControl*>(First)) Origin = C->BoundsRect().TopLeft();
                else if (TComponentContainer* Icon = First ? IconOf(First) : nullptr) Origin = Icon->Position();
                Delta = {RoundToGrid(Origin.X + Delta.X, GridStepX) - Origin.X,
                         RoundToGrid(Origin.Y + Delta.Y, GridStepY) - Origin.Y};
            }
            if (FFirstMovePending) {
                FFirstMovePending = false;
                if (FHandles) FHandles->SetHandlesVisible(false);
                FMoveDelta = Delta;
                DrawMoveFrames();
            } else if (!(Delta == FMoveDelta)) {
                DrawMoveFrames();
                FMoveDelta = Delta;
                DrawMoveFrames();
            }
            if (auto* C = dynamic_cast<TControl*>(First); C && C != Form())
                ShowDragHint(std::to_string(C->Left() + FMoveDelta.X) + ", " + std::to_string(C->Top() + FMoveDelta.Y),
                             {X, Y});
        } else if (auto* Over = dynamic_cast<TControl*>(ClickedComponent(FTarget)); Over && Over != Form()) {
            ShowDragHint(Over->Name() + ": " + Over->ClassName(), {X, Y});
        } else if (!FHintText.empty()) {
            HideDragHint();
        }
    });
}

void TZelFormDesigner::MouseLeave() {
    if (FRubberBanding || FMoving || FHintText.empty() || !Form()->HandleAllocated()) return;
    POINT P{};
    GetCursorPos(&P);
    HWND Under = WindowFromPoint(P);
    if (Under != Form()->Handle() && !IsChild(Form()->Handle(), Under)) HideDragHint();
}

void TZelFormDesigner::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
    InSelectionUpdate([&] {
        if (OnMouseUp) OnMouseUp(Button, Shift, X, Y);
        if (FRubberBanding || FMoving) EndDrag(true);
        SetCapture(false);
        if (Button == mbRight) ShowPopupMenu(X, Y);
    });
}

void TZelFormDesigner::EndRubberBand() {
    const TRect Band = BandRect();
    DrawDragFrame(Band, FContainerRect, false);
    FRubberBanding = false;
    TWinControl* Container = FContainer ? FContainer : Form();
    if (!SelectedPaletteClass.empty()) {
        TRect InContainer = Band;
        const TPoint O = Container->ClientOrigin();
        InContainer.Offset(-O.X, -O.Y);
        InsertComponent(SelectedPaletteClass, Container, InContainer, false);
        return;
    }
    std::vector<TComponent*> Hits;
    for (int I = 0; I < Container->ControlCount(); ++I) {
        TControl* C = Container->Controls(I);
        if (C->ControlStyle().Contains(csNoDesignVisible) || !CanAddToSelection(C)) continue;
        if (!IntersectRect(ScreenBounds(C), Band).IsEmpty()) Hits.push_back(C);
    }
    if (Container == Form()) {
        const TPoint O = Form()->ClientOrigin();
        for (auto& [C, Icon] : FIcons) {
            TRect R = IconRect(Icon->Position());
            R.Offset(O.X, O.Y);
            if (!IntersectRect(R, Band).IsEmpty() && CanAddToSelection(const_cast<TComponent*>(C)))
                Hits.push_back(const_cast<TComponent*>(C));
        }
    }
    if (Hits.empty()) return;  // the container stays selected
    std::erase(FSelection, GetDesignRoot());
    std::erase(FSelection, static_cast<TComponent*>(Container));
    InspectorChanged();
    for (TComponent* C : Hits) Select(C);
    ShowHandlesOfSelection();
}

void TZelFormDesigner::EndMove() {
    const bool Drawn = !FFirstMovePending;
    if (Drawn) DrawMoveFrames();
    FMoving = false;
    const TPoint D = FMoveDelta;
    FMoveDelta = {};
    if (Drawn && (D.X != 0 || D.Y != 0)) {
        for (TComponent* C : FSelection) RecordBounds(C);
        for (TComponent* C : FSelection) {
            if (!Allowed(C, atMove)) continue;
            if (auto* Control = dynamic_cast<TControl*>(C)) {
                if (Control == Form()) continue;
                const TRect R = Control->BoundsRect();
                Control->SetBounds(R.Left + D.X, R.Top + D.Y, R.Width(), R.Height());
            } else if (TComponentContainer* Icon = IconOf(C)) {
                const TPoint P = Icon->Position();
                Icon->MoveTo({P.X + D.X, P.Y + D.Y});
            }
        }
        NotifyModified();
    }
    FPendingHandles = false;
    ShowHandlesOfSelection();
}

// ---- insertion

void TZelFormDesigner::CheckInsertable(const TClass* Class, bool IsControl) {
    if (IsControl && dynamic_cast<TDataModule*>(GetDesignRoot()))
        throw Exception("Controls cannot be added to a data module");
    (void)Class;
}

TComponent* TZelFormDesigner::InsertComponent(std::string ClassName, TWinControl* Container, TRect Band,
                                              bool Centred) {
    TComponent* Root = GetDesignRoot();
    if (!Root || Root->ComponentState().Contains(csReading) || !Allowed(Container, atInsertInto)) return nullptr;
    if (!ClassName.empty() && ClassName[0] == '{') {
        CheckInsertable(nullptr, true);
        throw Exception("ActiveX controls cannot be inserted in this build");
    }
    const TClass* Class = FindClass(ClassName);
    CheckInsertable(Class, Class->InheritsFrom(TControl::StaticClass()));
    TComponent* Component = nullptr;
    InSelectionUpdate([&] {
        Component = Class->CreateComponent(Root);
        try {
            Component->SetName(MakeUniqueName(ClassName.substr(1)));
            ClearSelection();
            PlaceNewComponent(Component, Container, Band, Centred);
        } catch (...) {
            Component->Free();
            throw;
        }
        Select(Component);
        ShowHandlesOfSelection();
        AfterInsert(Component);
    });
    return Component;
}

void TZelFormDesigner::PlaceNewComponent(TComponent* Component, TWinControl* Container, TRect Band, bool Centred) {
    TWinControl* F = Form();
    if (auto* Control = dynamic_cast<TControl*>(Component)) {
        Control->SetParent(Container);
        if (Centred) {
            Control->SetBounds((F->ClientWidth() - IconSize) / 2, (F->ClientHeight() - IconSize) / 2, Control->Width(),
                               Control->Height());
            return;
        }
        TRect R = NormalizeRect(Band);
        if (SnapToGrid) R = RoundRectToGrid(R, GridStepX, GridStepY);
        if (Band.Width() < 10 || Band.Height() < 10 || R.IsEmpty())
            Control->SetBounds(R.Left, R.Top, Control->Width(), Control->Height());
        else
            Control->SetBoundsRect(R);
        return;
    }
    TPoint P = Centred ? Point((F->ClientWidth() - IconSize) / 2, (F->ClientHeight() - IconSize) / 2)
                       : NormalizeRect(Band).TopLeft();
    if (SnapToGrid && !Centred) P = {RoundToGrid(P.X, GridStepX), RoundToGrid(P.Y, GridStepY)};
    Component->SetDesignInfo(DesignInfoFromIconPos(P));
}

void TZelFormDesigner::AfterInsert(TComponent* Component) {
    if (!dynamic_cast<TControl*>(Component)) CreateIcon(Component, {-1, -1});
    if (OnAfterInsertComponent) OnAfterInsertComponent(Component);
    RecordInserted(Component);
    NotifyModified();
}
