#include "designer/inspector/PropEdit.h"

#include <algorithm>
#include <utility>

#include "designer/inspector/InspectorTexts.h"
#include "designer/inspector/PopupLists.h"
#include "designer/support/win/DesignerLookups.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/StrUtils.h"

TZelCustomPropEditor::TZelCustomPropEditor(TComponent* AOwner)
    : TCustomZelEdit(AOwner), FOwnDesigner(std::make_unique<TFDesigner>()) {
    SetButtonCount(0);
    AddListener(this);
}

TZelCustomPropEditor::~TZelCustomPropEditor() {
    RemoveListener(this);
    for (TZelCustomPropEditor* D : FDependents)
        if (D->FLinkedEditor == this) D->FLinkedEditor = nullptr;
    if (FLinkedEditor) std::erase(FLinkedEditor->FDependents, this);
}

// ---- binding

TPersistent* TZelCustomPropEditor::Component() const {
    return FLinkedEditor ? FLinkedEditor->Component() : FComponent;
}

void TZelCustomPropEditor::SetComponent(TPersistent* Value) {
    if (auto* Old = dynamic_cast<TComponent*>(FComponent); Old && Old != Value) Old->RemoveFreeNotification(this);
    FComponent = Value;
    if (auto* C = dynamic_cast<TComponent*>(Value)) C->FreeNotification(this);
    if (!ComponentState().Contains(csLoading)) SetPropName(FPropName);
}

void TZelCustomPropEditor::SetPropName(const std::string& Value) {
    FPropName = Value;
    BindComponent();
}

void TZelCustomPropEditor::SetButton1Kind(TPropButtonKind Value) {
    FButton1Kind = Value;
    UpdateFromPropEditor();
}

void TZelCustomPropEditor::SetLinkedEditor(TZelCustomPropEditor* Value) {
    if (Value == FLinkedEditor) return;
    // Any chain of links that comes back here would bind in circles.
    for (TZelCustomPropEditor* E = Value; E; E = E->FLinkedEditor)
        if (E == this) throw Exception(SCantLinkToItself);
    if (FLinkedEditor) {
        std::erase(FLinkedEditor->FDependents, this);
        FLinkedEditor->RemoveFreeNotification(this);
    }
    FLinkedEditor = Value;
    if (Value) {
        Value->FDependents.push_back(this);
        Value->FreeNotification(this);
    }
    Rebind();
}

void TZelCustomPropEditor::Rebind() {
    if (FReparenting == 0) BindComponent();
}

void TZelCustomPropEditor::BindComponent() {
    if (ComponentState().Contains(csLoading) || !HandleAllocated()) return;
    FOwnedEditor.reset();
    FPropEditor = nullptr;
    if (Component()) {
        FOwnedEditor = FindPropertyEditor(FPropName);
        FPropEditor = FOwnedEditor.get();
    }
    UpdateFromPropEditor();
    for (TZelCustomPropEditor* D : std::vector(FDependents)) D->BindComponent();
}

std::unique_ptr<TPropertyEditor> TZelCustomPropEditor::FindPropertyEditor(const std::string& Path) {
    TPersistent* Target = Component();
    if (!Target) return nullptr;
    TDesignerSelectionList List;
    List.Add(Target);
    // Editors that list components or handlers ask the designer of the
    // component's form, or this edit's own one rooted where the component is.
    auto* Owned = dynamic_cast<TComponent*>(Target);
    TFormDesigner* Designer = Owned ? FindFormDesignerOf(Owned) : nullptr;
    if (!Designer) {
        FOwnDesigner->SetDesignRoot(Owned ? FindDesignRootOf(Owned) : nullptr);
        Designer = FOwnDesigner.get();
    }
    std::unique_ptr<TPropertyEditor> Found;
    std::string Rest = Path;
    // Each path element picks the editor of that name (any case); a dot
    // goes on among its sub-properties.
    std::function<void(std::unique_ptr<TPropertyEditor>)> Visit = [&](std::unique_ptr<TPropertyEditor> Editor) {
        if (Found) return;
        const size_t Dot = Rest.find('.');
        if (!SameText(Editor->GetName(), Rest.substr(0, Dot))) return;
        if (Dot == std::string::npos) {
            Found = std::move(Editor);
            return;
        }
        Rest.erase(0, Dot + 1);
        Editor->GetProperties(Visit);
    };
    GetComponentProperties(List, tkAny, Designer, Visit);
    return Found;
}

void TZelCustomPropEditor::SetPropEditor(TPropertyEditor* Editor) {
    ++FReparenting;
    FOwnedEditor.reset();
    FPropEditor = Editor;
    UpdateFromPropEditor();
    --FReparenting;
}

void TZelCustomPropEditor::UpdateFromPropEditor() {
    if (!FPropEditor) {
        SetEditClass(GetEditClass());
        SetPopupClass(GetPopupClass());
        TCustomZelEdit::SetText("");
        return;
    }
    TPropertyAttributes Attributes;
    const TClass* PopupClass = nullptr;
    FCommitLock = true;
    try {
        Attributes = FPropEditor->GetAttributes();
        SetEditClass(GetPropEditClass());
        PopupClass = GetPropPopupClass();
    } catch (...) {
        FCommitLock = false;
        throw;
    }
    FCommitLock = false;
    // Only the dialog handler of an earlier binding goes: one the user gave
    // the button stays.
    if (std::exchange(FOwnButton1Handler, false)) SetOnButton1Click(nullptr);
    switch (FButton1Kind) {
        case bkEllipsis:
            Button1Params()->SetKind(bkDots);
            SetButtonCount(1);
            PopupClass = nullptr;
            break;
        case bkNone:
            SetButtonCount(0);
            break;
        case bkAuto:
            if (Attributes.Contains(paValueList) && PopupClass) {
                Button1Params()->SetKind(bkDropDown);
                SetButtonCount(1);
            } else {
                PopupClass = nullptr;
                if (Attributes.Contains(paDialog)) {
                    Button1Params()->SetKind(bkDots);
                    if (!OnButton1Click()) {
                        SetOnButton1Click(TNotifyEvent(this, &TZelCustomPropEditor::EditorButtonClick));
                        FOwnButton1Handler = true;
                    }
                    SetButtonCount(1);
                } else {
                    SetButtonCount(0);
                }
            }
            break;
    }
    SetPopupClass(PopupClass);
    ShowValue();
    UpdateReadOnly();
}

void TZelCustomPropEditor::EditorButtonClick(TObject*) { EditWithDialog(); }

void TZelCustomPropEditor::EditWithDialog() {
    if (!FPropEditor) return;
    FPropEditor->Edit();
    UpdateFromPropEditor();
}

void TZelCustomPropEditor::ShowValue() { ShowText(FPropEditor->GetValue()); }

void TZelCustomPropEditor::ShowText(const std::string& Text) {
    const bool Was = std::exchange(FSetting, true);
    try {
        TCustomZelEdit::SetText(Text);
    } catch (...) {
        FSetting = Was;
        throw;
    }
    FSetting = Was;
}

// ---- value flow

void TZelCustomPropEditor::SetText(const std::string& Value) {
    if (!FPropEditor) {
        TCustomZelEdit::SetText(Value);
        return;
    }
    if (FSetting) {
        TCustomZelEdit::SetText(Value);
        return;
    }
    if (FPropEditor->GetValue() != Value) FPropEditor->SetValue(Value);
    ShowValue();
}

void TZelCustomPropEditor::Announce() {
    if (FSuppressBroadcast) return;
    // The list every sender of the message hands over: here the one component.
    TList Modified;
    Modified.Add(Component());
    BroadcastToListeners(this, DesignerModifiedMessage, reinterpret_cast<intptr_t>(&Modified),
                         reinterpret_cast<intptr_t>(FPropName.c_str()));
}

void TZelCustomPropEditor::UpdateEditSource() {
    if (!FPropEditor) {
        inherited::UpdateEditSource();
        return;
    }
    const std::string Text = GetText();
    if (Text != FPropEditor->GetValue()) {
        FPropEditor->SetValue(Text);
        ShowValue();
    }
    Announce();
}

void TZelCustomPropEditor::Change() {
    inherited::Change();
    if (FSetting || !FPropEditor || !FPropEditor->GetAttributes().Contains(paAutoUpdate)) return;
    const std::string Text = GetText();
    if (Text == FPropEditor->GetValue()) return;
    FPropEditor->SetValue(Text);
    Announce();
}

bool TZelCustomPropEditor::GetReadOnly() {
    if (inherited::GetReadOnly()) return true;
    if (!FPropEditor) return false;
    const TPropertyAttributes A = FPropEditor->GetAttributes();
    return A.Contains(paReadOnly) || A.Contains(paSubProperties);
}

void TZelCustomPropEditor::RestoreText() {
    if (FPropEditor)
        UpdateFromPropEditor();
    else
        inherited::RestoreText();
}

void TZelCustomPropEditor::UpdatePopupText() {
    auto* List = dynamic_cast<TPopupListBox*>(Popup());
    if (List && FPropEditor) {
        List->Items()->Clear();
        List->FillItems();
        if (List->Items()->Count() == 0) {
            TStringList Values;
            Values.SetSorted(FPropEditor->GetAttributes().Contains(paSortList));
            FPropEditor->GetValues([&](const std::string& S) { Values.Add(S); });
            List->Items()->Assign(&Values);
        }
        List->SetItemIndex(List->Items()->IndexOf(FPropEditor->GetValue()));
        int Widest = ClientWidth();
        for (int I = 0; I < List->Items()->Count(); ++I)
            Widest = std::max(Widest, FontTextWidth(List->Font(), List->Items()->Get(I)) + 8);
        if (Parent()) Widest = std::min(Widest, std::max(Parent()->ClientWidth(), ClientWidth()));
        List->SetClientWidth(Widest);
    }
    inherited::UpdatePopupText();
}

void TZelCustomPropEditor::ReadPopupText() {
    if (!FPropEditor || !Popup()) {
        inherited::ReadPopupText();
        return;
    }
    char Buffer[1024] = {};
    Popup()->Perform(WM_GETTEXT, sizeof(Buffer), reinterpret_cast<LPARAM>(Buffer));
    const std::string Text = Buffer;
    if (!Text.empty() && Text != FPropEditor->GetValue()) FPropEditor->SetValue(Text);
    ShowValue();
    inherited::Change();
}

// ---- keys

void TZelCustomPropEditor::CycleValue(bool Forward) {
    TStringList Values;
    Values.SetSorted(FPropEditor->GetAttributes().Contains(paSortList));
    FPropEditor->GetValues([&](const std::string& S) { Values.Add(S); });
    if (Values.Count() == 0) return;
    int Index = Values.IndexOf(GetText());
    Index = Index < 0 ? 0 : std::clamp(Index + (Forward ? 1 : -1), 0, Values.Count() - 1);
    FSetting = true;
    TCustomZelEdit::SetText(Values[Index]);
    FSetting = false;
    if (auto* Win = dynamic_cast<TWinControl*>(Edit()); Win && Win->HandleAllocated())
        SendMessageA(Win->Handle(), EM_SETSEL, 0, -1);
}

void TZelCustomPropEditor::KeyDown(uint16_t& Key, TShiftState Shift) {
    if (FPropEditor) {
        const TPropertyAttributes A = FPropEditor->GetAttributes();
        if (Key == VK_RETURN && Shift == TShiftState{ssCtrl}) {
            EditWithDialog();
            CommitText();
            Key = 0;
            return;
        }
        if (Key == VK_ESCAPE) {
            if (GetReadOnly()) return;
            ShowValue();
            if (auto* Win = dynamic_cast<TWinControl*>(Edit()); Win && Win->HandleAllocated())
                SendMessageA(Win->Handle(), EM_SETSEL, 0, -1);
            Key = 0;
            return;
        }
        if ((Key == VK_UP || Key == VK_DOWN) && Shift.Empty() && CanCycleValues() && A.Contains(paValueList) &&
            !A.Contains(paDialog)) {
            CycleValue(Key == VK_DOWN);
            Key = 0;
            return;
        }
    }
    inherited::KeyDown(Key, Shift);
}

// ---- life

void TZelCustomPropEditor::Loaded() {
    inherited::Loaded();
    const std::string Name = FPropName;
    FPropName.clear();
    SetPropName(Name);
    // Refreshed once the form has finished loading around it.
    if (HandleAllocated()) PostMessageA(Handle(), PropNameChangedMessage, 0, 0);
}

void TZelCustomPropEditor::DblClick() {
    inherited::DblClick();
    if (!FPropEditor || DroppedDown()) return;
    EditWithDialog();
    Invalidate();
}

void TZelCustomPropEditor::WndProc(TMessage& Message) {
    if (Message.Msg == PropNameChangedMessage) {
        if (FPropEditor) UpdateFromPropEditor();
        return;
    }
    inherited::WndProc(Message);
}

void TZelCustomPropEditor::CreateHandle() {
    inherited::CreateHandle();
    Rebind();
}

void TZelCustomPropEditor::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove || ComponentState().Contains(csDestroying)) return;
    if (AComponent == FLinkedEditor) {
        FLinkedEditor = nullptr;
        Rebind();
    } else if (AComponent == FComponent) {
        FComponent = nullptr;
        Rebind();
    } else {
        std::erase(FDependents, AComponent);
    }
}

void TZelCustomPropEditor::DesignerModified(TZelMessage& Message) {
    const auto* Modified = reinterpret_cast<const TList*>(Message.WParam);
    TPersistent* Mine = Component();
    if (FPropEditor && Mine && Modified && Modified->IndexOf(Mine) >= 0) UpdateFromPropEditor();
}

QRN_PUBLISHED(TZelCustomPropEditor) {
    B.Message(DesignerModifiedMessage, &TZelCustomPropEditor::DesignerModified);
}

QRN_PUBLISHED(TZelPropEditor) {
    B.Prop("Align", &TZelPropEditor::Align, &TZelPropEditor::SetAlign).Default(alNone);
    B.Prop("Button1Kind", &TZelPropEditor::Button1Kind, &TZelPropEditor::SetButton1Kind).Default(bkAuto);
    B.Prop("Component", &TZelPropEditor::Component, &TZelPropEditor::SetComponent);
    B.Prop("DropOnClick", &TZelPropEditor::DropOnClick, &TZelPropEditor::SetDropOnClick).Default(false);
    B.Prop("LinkedEditor", &TZelPropEditor::LinkedEditor, &TZelPropEditor::SetLinkedEditor);
    B.Prop("PropName", &TZelPropEditor::PropName, &TZelPropEditor::SetPropName);
    B.Prop("Flat", &TZelPropEditor::Flat, &TZelPropEditor::SetFlat).Default(false);
    B.Prop("HideCaret", &TZelPropEditor::HideCaret, &TZelPropEditor::SetHideCaret).Default(false);
    B.Prop("ReadOnly", &TZelPropEditor::ReadOnly, &TZelPropEditor::SetReadOnly).Default(false);
    B.Prop("BorderStyle", &TZelPropEditor::BorderStyle, &TZelPropEditor::SetBorderStyle).Default(bsSingle);
    B.Prop("Text", &TZelPropEditor::GetText, &TZelPropEditor::SetText);
    B.Event("OnButton1Click", &TZelPropEditor::OnButton1Click, &TZelPropEditor::SetOnButton1Click);
    B.Event("OnButton2Click", &TZelPropEditor::OnButton2Click, &TZelPropEditor::SetOnButton2Click);
    B.Event("OnChange", &TZelPropEditor::OnChange);
}
