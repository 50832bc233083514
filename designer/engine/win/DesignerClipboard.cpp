// The component clipboard (components as their text form) and the undo
// records and their replay, which share the reading of stored components.
#include <algorithm>

#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/engine/win/ZelOleControlImpl.h"
#include "framework/classes/DataModule.h"
#include "framework/classes/Filer.h"
#include "framework/classes/FormText.h"
#include "framework/controls/Clipboard.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/Streams.h"

namespace {

// Owns what a reading creates until each component is named for the
// design root and handed over.
class TPasteHolder : public TComponent {
public:
    TPasteHolder() : TComponent(nullptr) {}
};

bool HasSelectedAncestor(TControl* Control, const std::vector<TComponent*>& Selection) {
    for (TControl* P = Control->Parent(); P; P = P->Parent())
        if (std::find(Selection.begin(), Selection.end(), P) != Selection.end()) return true;
    return false;
}

}  // namespace

std::string TZelFormDesigner::ComponentAsBinary(TComponent* Component) {
    TMemoryStream Stream;
    {
        TWriter Writer(&Stream);
        Writer.SetRoot(GetDesignRoot());
        Writer.RootClassName = "T" + GetDesignRoot()->Name();
        Writer.WriteSignature();
        Writer.WriteComponent(Component);
    }
    return std::string(static_cast<const char*>(Stream.Memory()), static_cast<size_t>(Stream.Size()));
}

std::string TZelFormDesigner::SelectionAsText() {
    std::string Text;
    for (TComponent* C : FSelection) {
        if (C == GetDesignRoot() || C == GetDesignContainer()) continue;
        if (auto* Control = dynamic_cast<TControl*>(C); Control && HasSelectedAncestor(Control, FSelection)) continue;
        Text += ObjectBinaryToText(ComponentAsBinary(C));
    }
    return Text;
}

void TZelFormDesigner::CopySelection() {
    const std::string Text = SelectionAsText();
    if (!Text.empty()) Clipboard()->SetAsText(Text);
}

void TZelFormDesigner::CutSelection() {
    CopySelection();
    DeleteSelection();
}

void TZelFormDesigner::Paste() {
    if (!Clipboard()->HasFormat(CF_TEXT)) return;
    PasteText(Clipboard()->AsText());
}

void TZelFormDesigner::PasteText(const std::string& Text) {
    // One binary component per text block, then the list's end marker.
    TMemoryStream Input;
    Input.Write(Text.data(), static_cast<int32_t>(Text.size()));
    Input.SetPosition(0);
    std::string Binary;
    while (Input.Position() < Input.Size()) {
        const int64_t Before = Input.Position();
        TMemoryStream Block;
        ObjectTextToBinary(&Input, &Block);
        if (Block.Size() == 0 || Input.Position() == Before) break;
        Binary.append(static_cast<const char*>(Block.Memory()), static_cast<size_t>(Block.Size()));
    }
    if (Binary.empty()) return;
    TWinControl* Container = FContainer ? FContainer : Form();
    InSelectionUpdate([&] { ReadComponents(Binary, Container, false); });
}

std::vector<TComponent*> TZelFormDesigner::ReadComponents(const std::string& Binary, TWinControl* Container,
                                                          bool FromUndo) {
    TComponent* Root = GetDesignRoot();
    std::unique_ptr<TPasteHolder, TObjectFree> Holder(new TPasteHolder);
    Holder->SetDesigning(true);
    std::vector<TComponent*> Top;
    {
        TMemoryStream Stream;
        Stream.Write(Binary.data(), static_cast<int32_t>(Binary.size()));
        const char End = 0;
        Stream.Write(&End, 1);
        Stream.SetPosition(0);
        TReader Reader(&Stream);
        Reader.SetRoot(Holder.get());
        Reader.ReadComponents(Holder.get(), Container, [&](TComponent* C) { Top.push_back(C); });
    }
    // Hand every component over to the root, renamed where its name is taken.
    std::vector<std::string> StoredNames;
    for (TComponent* C : Top) StoredNames.push_back(C->Name());
    // A data module holds no controls: the paste ends at the first one,
    // and what is left goes with the holder.
    const bool IntoDataModule = dynamic_cast<TDataModule*>(Root) != nullptr;
    bool Refused = false;
    while (Holder->ComponentCount() > 0) {
        TComponent* C = Holder->Components(0);
        if (IntoDataModule && dynamic_cast<TControl*>(C)) {
            Refused = true;
            break;
        }
        Holder->RemoveComponent(C);
        // A pasted ActiveX wrapper always takes a new name of its control.
        const bool Rename = !FromUndo && dynamic_cast<TCustomZelOleControl*>(C);
        if (Rename || Root->FindComponent(C->Name()) || C->Name().empty())
            C->SetName(MakeUniqueName(NamingClassName(C).substr(1)));
        Root->InsertComponent(C);
    }
    for (size_t I = Top.size(); I-- > 0;)
        if (Top[I]->Owner() != Root) {
            Top.erase(Top.begin() + static_cast<std::ptrdiff_t>(I));
            StoredNames.erase(StoredNames.begin() + static_cast<std::ptrdiff_t>(I));
        }
    const int W = Container->ClientWidth(), H = Container->ClientHeight();
    bool First = true;
    for (size_t I = 0; I < Top.size(); ++I) {
        TComponent* C = Top[I];
        // Pasting one component again and again steps each copy on.
        if (!FromUndo) {
            if (StoredNames[I] == FLastPastedName) {
                ++FPasteCount;
            } else {
                FPasteCount = 0;
                FLastPastedName = StoredNames[I];
            }
        }
        if (First) ClearSelection();
        const int Count = FromUndo ? 0 : FPasteCount;
        if (auto* Control = dynamic_cast<TControl*>(C)) {
            if (Control->ControlStyle().Contains(csNoDesignVisible)) {
                C->Free();
                continue;
            }
            if (!FromUndo) {
                const TPoint P = PastePosition(Control->BoundsRect(), First, Count, GridStepX, GridStepY, W, H);
                Control->SetBounds(P.X, P.Y, Control->Width(), Control->Height());
            }
        } else if (!FromUndo) {
            const TPoint Stored = IconPosFromDesignInfo(C->DesignInfo());
            const TPoint P = PastePosition(IconRect(Stored), First, Count, GridStepX, GridStepY, W, H);
            C->SetDesignInfo(DesignInfoFromIconPos(P));
        }
        First = false;
        Select(C);
        AfterInsert(C);
    }
    ShowHandlesOfSelection();
    if (Refused) CheckInsertable(nullptr, true);
    return Top;
}

// ---- undo

void TZelFormDesigner::RecordBounds(TComponent* Component) {
    if (!Component || Component->Name().empty()) return;
    TUndoInfo Info;
    Info.Name = Component->Name();
    Info.Group = FUndoGroup;
    if (auto* Control = dynamic_cast<TControl*>(Component)) Info.Bounds = Control->BoundsRect();
    else Info.Bounds = IconRect(IconPosFromDesignInfo(Component->DesignInfo()));
    FUndo.Record(std::move(Info));
}

void TZelFormDesigner::RecordInserted(TComponent* Component) {
    if (!Component || Component->Name().empty()) return;
    TUndoInfo Info;
    Info.Kind = TUndoKind::Inserted;
    Info.Name = Component->Name();
    Info.Group = FUndoGroup;
    FUndo.Record(std::move(Info));
}

void TZelFormDesigner::Undo() {
    InSelectionUpdate([&] { FUndo.Undo(AllowUndo, [this](std::vector<TUndoInfo>& Step) { Replay(Step); }); });
}

void TZelFormDesigner::Redo() {
    InSelectionUpdate([&] { FUndo.Redo(AllowUndo, [this](std::vector<TUndoInfo>& Step) { Replay(Step); }); });
}

void TZelFormDesigner::Replay(std::vector<TUndoInfo>& Step) {
    if (Step.empty()) return;
    TComponent* Root = GetDesignRoot();
    const TUndoKind Kind = Step.front().Kind;
    if (Kind == TUndoKind::Deleted) ClearSelection();
    std::vector<TComponent*> Inserted;
    for (TUndoInfo& Info : Step) {
        if (Kind == TUndoKind::Deleted) {
            // Back into the parent it was deleted from, where it was.
            auto* Parent = dynamic_cast<TWinControl*>(Info.Parent.empty() ? nullptr : Root->FindComponent(Info.Parent));
            ReadComponents(Info.Stream, Parent ? Parent : Form(), true);
            continue;
        }
        TComponent* C = Root->FindComponent(Info.Name);
        if (!C) continue;
        if (Kind == TUndoKind::Inserted) {
            Inserted.push_back(C);
            continue;
        }
        RecordBounds(C);
        if (auto* Control = dynamic_cast<TControl*>(C)) Control->SetBoundsRect(Info.Bounds);
        else if (TComponentContainer* Icon = IconOf(C)) Icon->MoveTo(Info.Bounds.TopLeft());
        else C->SetDesignInfo(DesignInfoFromIconPos(Info.Bounds.TopLeft()));
    }
    if (Kind == TUndoKind::Inserted) DeleteComponents(Inserted);
    if (FHandles) FHandles->Update();
    NotifyModified();
}

// ---- resizing with the grab handles

void TZelFormDesigner::HandlesStartSizing() {
    FSizingComponent = FHandles->Control();
    if (FSizingComponent) FSizingStart = FHandles->Control()->BoundsRect();
}

void TZelFormDesigner::HandlesSized() {
    HideDragHint();
    if (!FSizingComponent || FSizingComponent != FHandles->Control()) return;
    InSelectionUpdate([&] {
        // The record holds the bounds from before the drag.
        TUndoInfo Info;
        Info.Name = FSizingComponent->Name();
        Info.Group = FUndoGroup;
        Info.Bounds = FSizingStart;
        if (!Info.Name.empty() && !(FSizingStart == static_cast<TControl*>(FSizingComponent)->BoundsRect()))
            FUndo.Record(std::move(Info));
        NotifyModified();
    });
    FSizingComponent = nullptr;
}

void TZelFormDesigner::ValidateSizingRect(TRect& R) {
    if (!SnapToGrid) return;
    const TPoint O = Form()->ClientOrigin();
    TRect Client = R;
    Client.Offset(-O.X, -O.Y);
    Client = RoundRectToGrid(Client, GridStepX, GridStepY);
    Client.Offset(O.X, O.Y);
    R = Client;
}
