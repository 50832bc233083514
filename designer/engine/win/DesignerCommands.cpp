// Align, size, scale, z-order, lock and delete on the designer's selection,
// and the popup menu that offers some of them.
#include <algorithm>
#include <cmath>

#include "designer/engine/AlignLayout.h"
#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/inspector/InputLineForm.h"
#include "designer/support/win/DesignPopupMenu.h"
#include "framework/classes/DataModule.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"

namespace {

// The default popup menu: caption, and whether a data-module root shows it.
struct TDefaultMenuEntry {
    const char* Caption;
    bool ForDataModule;
};
constexpr TDefaultMenuEntry DefaultMenuTable[] = {
    {"Align To &Grid", true}, {"Bring To &Front", false}, {"Send To &Back", false}, {"-", false},
    {"&Align...", true},      {"&Size...", false},        {"Scal&e...", false},
};

}  // namespace

std::vector<TControl*> TZelFormDesigner::SelectedControls(TActionType Action) const {
    std::vector<TControl*> Result;
    for (TComponent* C : FSelection)
        if (auto* Control = dynamic_cast<TControl*>(C); Control && Control != Form() && Allowed(C, Action))
            Result.push_back(Control);
    return Result;
}

void TZelFormDesigner::AlignToGrid() {
    InSelectionUpdate([&] {
        bool Changed = false;
        for (TComponent* C : FSelection) {
            if (!Allowed(C, atMove)) continue;
            if (auto* Control = dynamic_cast<TControl*>(C)) {
                if (Control == Form()) continue;
                RecordBounds(C);
                const TRect R = Control->BoundsRect();
                Control->SetBounds(RoundToGrid(R.Left, GridStepX), RoundToGrid(R.Top, GridStepY), R.Width(),
                                   R.Height());
                Changed = true;
            } else if (TComponentContainer* Icon = IconOf(C)) {
                RecordBounds(C);
                const TPoint P = Icon->Position();
                Icon->MoveTo({RoundToGrid(P.X, GridStepX), RoundToGrid(P.Y, GridStepY)});
                Changed = true;
            }
        }
        ShowHandlesOfSelection();
        if (Changed) NotifyModified();
    });
}

void TZelFormDesigner::Align(int Horz, int Vert) {
    if (FLockControls || FSelection.empty()) return;
    InSelectionUpdate([&] {
        // Non-visual components take part with their icon squares.
        std::vector<TComponent*> Parts;
        std::vector<TAlignItem> Items;
        for (TComponent* C : FSelection) {
            if (!Allowed(C, atMove)) continue;
            if (auto* Control = dynamic_cast<TControl*>(C)) {
                if (Control == Form()) continue;
                Items.push_back({Control->BoundsRect(), Control->Parent()});
            } else if (TComponentContainer* Icon = IconOf(C)) {
                Items.push_back({IconRect(Icon->Position()), Form()});
            } else {
                continue;
            }
            Parts.push_back(C);
        }
        if (Parts.empty()) return;
        auto* FirstControl = dynamic_cast<TControl*>(Parts.front());
        TWinControl* Parent = FirstControl ? FirstControl->Parent() : Form();
        if (!AlignItems(Items, Horz, Vert, Parent->ClientWidth(), Parent->ClientHeight())) return;
        UpdateMarks(false);
        bool Changed = false;
        for (size_t I = 0; I < Parts.size(); ++I) {
            TComponent* C = Parts[I];
            const TRect R = Items[I].Bounds;
            if (auto* Control = dynamic_cast<TControl*>(C)) {
                if (Control->BoundsRect() == R) continue;
                RecordBounds(C);
                Control->SetBoundsRect(R);
            } else {
                TComponentContainer* Icon = IconOf(C);
                if (Icon->Position() == R.TopLeft()) continue;
                RecordBounds(C);
                Icon->MoveTo(R.TopLeft());
            }
            Changed = true;
        }
        ShowHandlesOfSelection();
        if (Changed) NotifyModified();
    });
}

void TZelFormDesigner::Size(int Width, int Height) {
    if (FLockControls) return;
    const std::vector<TControl*> Controls = SelectedControls(atResize);
    if (Controls.empty()) return;
    InSelectionUpdate([&] {
        std::vector<TRect> Rects;
        for (TControl* C : Controls) Rects.push_back(C->BoundsRect());
        SizeItems(Rects, Width, Height);
        bool Changed = false;
        for (size_t I = 0; I < Controls.size(); ++I) {
            if (Controls[I]->BoundsRect() == Rects[I]) continue;
            RecordBounds(Controls[I]);
            Controls[I]->SetBoundsRect(Rects[I]);
            Changed = true;
        }
        ShowHandlesOfSelection();
        if (Changed) NotifyModified();
    });
}

void TZelFormDesigner::Scale(int Percent) {
    InSelectionUpdate([&] {
        // Children before their parent, every windowed level down.
        std::function<void(TWinControl*)> ScaleChildren = [&](TWinControl* Parent) {
            for (int I = 0; I < Parent->ControlCount(); ++I) {
                TControl* C = Parent->Controls(I);
                if (auto* W = dynamic_cast<TWinControl*>(C)) ScaleChildren(W);
                RecordBounds(C);
                C->SetBounds(C->Left(), C->Top(), ScaleExtent(C->Width(), Percent), ScaleExtent(C->Height(), Percent));
            }
        };
        ScaleChildren(Form());
        ShowHandlesOfSelection();
        NotifyModified();
    });
}

void TZelFormDesigner::ScaleWithDialog() {
    double Factor = 1.0;
    if (ShowScaleDialog(Factor)) Scale(static_cast<int>(std::lround(Factor * 100)));
}

void TZelFormDesigner::BringToFront() {
    for (TControl* C : SelectedControls(atSelect)) C->BringToFront();
    if (FSelection.size() > 1) UpdateMarks(true);
    NotifyModified();
}

void TZelFormDesigner::SendToBack() {
    for (TControl* C : SelectedControls(atSelect)) C->SendToBack();
    if (FSelection.size() > 1) UpdateMarks(true);
    NotifyModified();
}

void TZelFormDesigner::SetLockControls(bool Value) {
    FLockControls = Value;
    if (FHandles && FSelection.size() == 1 && FHandles->Control()) FHandles->SetShowMode(Value ? smInActive : smActive);
}

// ---- delete

void TZelFormDesigner::DeleteSelection() {
    std::vector<TComponent*> Doomed;
    for (TComponent* C : FSelection)
        if (C != GetDesignRoot() && C != GetDesignContainer() && Allowed(C, atDelete)) Doomed.push_back(C);
    DeleteComponents(Doomed);
}

void TZelFormDesigner::DeleteComponents(std::vector<TComponent*> Components) {
    // A child whose parent goes too travels with the parent.
    std::erase_if(Components, [&](TComponent* C) {
        for (TComponent* P = C->GetParentComponent(); P; P = P->GetParentComponent())
            if (std::find(Components.begin(), Components.end(), P) != Components.end()) return true;
        return false;
    });
    if (Components.empty()) return;
    InSelectionUpdate([&] {
        // Every record first, last selected first; then the freeing.
        for (auto It = Components.rbegin(); It != Components.rend(); ++It) {
            TComponent* C = *It;
            if (C->Name().empty()) continue;
            TUndoInfo Info;
            Info.Kind = TUndoKind::Deleted;
            Info.Name = C->Name();
            Info.Group = FUndoGroup;
            Info.Stream = ComponentAsBinary(C);
            if (TComponent* P = C->GetParentComponent(); P && P != GetDesignRoot()) Info.Parent = P->Name();
            FUndo.Record(std::move(Info));
        }
        // Child controls outlive a freed parent here, so they go first, the
        // deepest first. The snapshot loses every entry freed meanwhile, so
        // nothing is freed twice.
        FDeleteSnapshot.clear();
        std::function<void(TComponent*)> AddWithChildren = [&](TComponent* C) {
            FDeleteSnapshot.push_back(C);
            if (auto* W = dynamic_cast<TWinControl*>(C))
                for (int I = 0; I < W->ControlCount(); ++I) AddWithChildren(W->Controls(I));
        };
        for (TComponent* C : Components) AddWithChildren(C);
        FDeleting = true;
        struct TDone {
            TZelFormDesigner* D;
            ~TDone() {
                D->FDeleting = false;
                D->FDeleteSnapshot.clear();
            }
        } Done{this};
        for (size_t I = FDeleteSnapshot.size(); I-- > 0;) {
            TComponent* C = FDeleteSnapshot[I];
            if (!C) continue;
            RemoveIcon(C);
            std::erase(FSelection, C);
            InspectorChanged();
            if (auto* W = dynamic_cast<TWinControl*>(C); W && W->HandleAllocated()) W->DestroyHandle();
            C->Free();
        }
        if (FSelection.empty()) {
            TComponent* Next = nullptr;
            if (TWinControl* Container = GetDesignContainer()) {
                for (int I = Container->ControlCount(); I-- > 0 && !Next;)
                    if (CanSelectComponent(Container->Controls(I))) Next = Container->Controls(I);
            } else {
                TComponent* Root = GetDesignRoot();
                for (int I = Root->ComponentCount(); I-- > 0 && !Next;)
                    if (CanSelectComponent(Root->Components(I)) && !dynamic_cast<TMenuItem*>(Root->Components(I)))
                        Next = Root->Components(I);
            }
            if (!Next) Next = GetDesignContainer() ? static_cast<TComponent*>(GetDesignContainer()) : GetDesignRoot();
            Select(Next);
        }
        ShowHandlesOfSelection();
    });
    NotifyModified();
}

// ---- popup menu

void TZelFormDesigner::BuildDefaultMenu() {
    FDefaultMenu = new TPopupMenu(FMenuOwner.get());
    FVerbMenu = new TPopupMenu(FMenuOwner.get());
    using TCommand = void (TZelFormDesigner::*)();
    const TCommand Commands[] = {&TZelFormDesigner::AlignToGrid, &TZelFormDesigner::BringToFront,
                                 &TZelFormDesigner::SendToBack,  nullptr,
                                 nullptr,                        nullptr,
                                 &TZelFormDesigner::ScaleWithDialog};
    for (size_t I = 0; I < std::size(DefaultMenuTable); ++I) {
        auto* Item = new TMenuItem(FMenuOwner.get());
        Item->SetCaption(DefaultMenuTable[I].Caption);
        if (TCommand Command = Commands[I]) Item->OnClick = [this, Command](TObject*) { (this->*Command)(); };
        if (I == 4)
            Item->OnClick = [this](TObject*) {
                int Horz = 0, Vert = 0;
                if (AlignDialog && AlignDialog(Horz, Vert)) Align(Horz, Vert);
            };
        if (I == 5)
            Item->OnClick = [this](TObject*) {
                int Width = szNoChange, Height = szNoChange;
                if (SizeDialog && SizeDialog(Width, Height)) Size(Width, Height);
            };
        FDefaultMenu->Items()->Add(Item);
    }
}

void TZelFormDesigner::EditComponent(TComponent* Component) {
    FComponentEditor.reset();
    FComponentEditor = GetComponentEditor(Component, this);
    FComponentEditor->Edit();
}

void TZelFormDesigner::ShowPopupMenu(int X, int Y) {
    TComponent* Clicked = ClickedComponent(FTarget);
    FComponentEditor.reset();
    if (FSelection.size() < 2 && Clicked && CanEditProperty(Clicked, ""))
        FComponentEditor = GetComponentEditor(Clicked, this);
    // A right click on a multiple selection keeps only the clicked
    // component's siblings.
    if (FSelection.size() > 1 && Clicked) {
        TComponent* Parent = Clicked->GetParentComponent();
        std::erase_if(FSelection, [&](TComponent* C) { return C->GetParentComponent() != Parent; });
        InspectorChanged();
    }
    TPopupMenu* Menu = UseDefaultMenu ? FDefaultMenu : PopupMenu;
    if (!Menu) return;
    if (Menu == FDefaultMenu) {
        const bool DataModule = dynamic_cast<TDataModule*>(GetDesignRoot()) != nullptr;
        for (size_t I = 0; I < std::size(DefaultMenuTable); ++I)
            Menu->Items()->Items(static_cast<int>(I))->SetVisible(!DataModule || DefaultMenuTable[I].ForDataModule);
    }
    if (Menu->OnPopup) Menu->OnPopup(Menu);
    BuildDesignPopupMenu(Menu, FVerbMenu, FComponentEditor.get());
    FVerbMenu->SetPopupComponent(Clicked);
    if (ShowPopup) ShowPopup(FVerbMenu, X, Y);
    else FVerbMenu->Popup(X, Y);
}
