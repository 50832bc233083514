// The designer's keyboard: clipboard, undo, delete, Esc, Enter and the
// arrow keys that select, move and size.
#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/support/MessageBus.h"
#include "framework/forms/Forms.h"

void TZelFormDesigner::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (FUpdateCount > 0) return;
    if (OnKeyDown) OnKeyDown(Key, Shift);
    if (Key == 0) return;
    const bool Dragging = FMoving || FRubberBanding || (FHandles && FHandles->Sizing());
    if (Dragging && Key != VK_ESCAPE) return;
    const bool Ctrl = Shift.Contains(ssCtrl), ShiftKey = Shift.Contains(ssShift), Alt = Shift.Contains(ssAlt);
    const uint16_t Pressed = Key;
    Key = 0;  // taken, unless the switch below lets it through
    InSelectionUpdate([&] {
        switch (Pressed) {
            case 'C':
                if (Ctrl) CopySelection();
                else Key = Pressed;
                break;
            case 'V':
                if (Ctrl) Paste();
                else Key = Pressed;
                break;
            case 'X':
                if (Ctrl) CutSelection();
                else Key = Pressed;
                break;
            case 'Z':
                if (!Ctrl) Key = Pressed;
                break;
            case VK_BACK:
                if (!Alt) Key = Pressed;
                break;
            case VK_INSERT:
                if (Ctrl) CopySelection();
                else if (ShiftKey) Paste();
                else Key = Pressed;
                break;
            case VK_DELETE:
                if (ShiftKey) CutSelection();
                else DeleteSelection();
                break;
            case VK_ESCAPE:
                if (Dragging) EndDrag(false);
                else SelectParentOfSelection();
                break;
            case VK_RETURN:
                if (ShowInspector) BroadcastToListeners(nullptr, BusyStateMessage, 1, 0);
                else Key = Pressed;
                break;
            case VK_LEFT:
            case VK_RIGHT:
            case VK_UP:
            case VK_DOWN: {
                const int DX = Pressed == VK_LEFT ? -1 : Pressed == VK_RIGHT ? 1 : 0;
                const int DY = Pressed == VK_UP ? -1 : Pressed == VK_DOWN ? 1 : 0;
                if (Ctrl && ShiftKey) KeyMoveOrSize(DX * GridStepX, DY * GridStepY, false);
                else if (Ctrl) KeyMoveOrSize(DX, DY, false);
                else if (ShiftKey) KeyMoveOrSize(DX, DY, true);
                else
                    SelectNearest(Pressed == VK_LEFT    ? TDirection::Left
                                  : Pressed == VK_RIGHT ? TDirection::Right
                                  : Pressed == VK_UP    ? TDirection::Up
                                                        : TDirection::Down);
                break;
            }
            default: Key = Pressed; break;
        }
    });
    // Undo and redo replay outside this key's update, each in its own group.
    const bool UndoKey = (Pressed == 'Z' && Ctrl) || (Pressed == VK_BACK && Alt);
    if (UndoKey) {
        if (ShiftKey) Redo();
        else Undo();
    }
}

void TZelFormDesigner::SelectParentOfSelection() {
    if (FSelection.empty()) return;
    auto* Control = dynamic_cast<TControl*>(FSelection.front());
    if (!Control) {
        ClearSelection();
        return;
    }
    if (Control == Form() || !Control->Parent()) return;
    SelectSingle(Control->Parent());
}

void TZelFormDesigner::KeyMoveOrSize(int DX, int DY, bool Resize) {
    if (FLockControls) return;
    bool Changed = false;
    for (TComponent* C : FSelection) {
        if (!Allowed(C, Resize ? atResize : atMove)) continue;
        if (auto* Control = dynamic_cast<TControl*>(C)) {
            if (Control == Form()) continue;
            RecordBounds(C);
            const TRect R = Control->BoundsRect();
            if (Resize) Control->SetBounds(R.Left, R.Top, R.Width() + DX, R.Height() + DY);
            else Control->SetBounds(R.Left + DX, R.Top + DY, R.Width(), R.Height());
            Changed = true;
        } else if (TComponentContainer* Icon = IconOf(C); Icon && !Resize) {
            RecordBounds(C);
            Icon->MoveTo({Icon->Position().X + DX, Icon->Position().Y + DY});
            Changed = true;
        }
    }
    if (FHandles) FHandles->Update();
    if (Changed) NotifyModified();
}

void TZelFormDesigner::SelectNearest(TDirection Direction) {
    if (FSelection.empty()) return;
    TComponent* Reference = FSelection.front();
    TRect RefRect;
    TWinControl* Parent = Form();
    if (auto* Control = dynamic_cast<TControl*>(Reference)) {
        if (Control == Form()) return;
        RefRect = Control->BoundsRect();
        Parent = Control->Parent();
    } else if (TComponentContainer* Icon = IconOf(Reference)) {
        RefRect = IconRect(Icon->Position());
    } else {
        return;
    }
    std::vector<TComponent*> Candidates;
    std::vector<TRect> Rects;
    for (int I = 0; Parent && I < Parent->ControlCount(); ++I) {
        Candidates.push_back(Parent->Controls(I));
        Rects.push_back(Parent->Controls(I)->BoundsRect());
    }
    for (auto& [C, Icon] : FIcons) {
        Candidates.push_back(const_cast<TComponent*>(C));
        Rects.push_back(IconRect(Icon->Position()));
    }
    const int Winner = NearestInDirection(RefRect, Rects, Direction);
    if (Winner >= 0 && CanAddToSelection(Candidates[static_cast<size_t>(Winner)]))
        SelectSingle(Candidates[static_cast<size_t>(Winner)]);
}
