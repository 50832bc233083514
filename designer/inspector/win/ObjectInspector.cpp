#include "designer/inspector/win/ObjectInspector.h"

#include <algorithm>

#include "designer/inspector/PropEdit.h"
#include "designer/inspector/core/PropertyDescriptions.h"
#include "designer/inspector/win/InspectorGlobalOptions.h"
#include "designer/inspector/win/OInplaceEdit.h"
#include "designer/support/FreeNotifiers.h"
#include "designer/support/win/DesignerLookups.h"
#include "designer/support/win/FDesigner.h"
#include "framework/design/ComponentEditors.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/Bitmap.h"
#include "framework/menus/Menus.h"
#include "framework/rtl/StrUtils.h"

namespace {

TInspectorList& LiveInspectors() {
    static TInspectorList List;
    return List;
}

std::vector<std::string> Lines(const TStrings* S) {
    std::vector<std::string> Result;
    for (int I = 0; I < S->Count(); ++I) Result.push_back(S->Strings(I));
    return Result;
}

std::unique_ptr<TStringList> NewList(const TNotifyEvent& OnChange) {
    auto L = std::make_unique<TStringList>();
    L->OnChange = OnChange;
    return L;
}

}  // namespace

const TInspectorList& InspectorList() { return LiveInspectors(); }

TCustomObjectInspector::TCustomObjectInspector(TComponent* AOwner)
    : TCustomGrid(AOwner), FColors(new TOIColors), FGroupFont(std::make_unique<TFont>()) {
    LiveInspectors().push_back(this);
    const TNotifyEvent Rebuild(this, &TCustomObjectInspector::ListChanged);
    FAliases = NewList(Rebuild);
    FHiddenProps = NewList(Rebuild);
    FPropOrder = NewList(Rebuild);
    FReadOnlyProps = NewList({});
    FDescriptions = NewList(TNotifyEvent(
        [this](TObject*) { BroadcastToListeners(this, InspectorNotifyMessage, reinterpret_cast<intptr_t>(this), 0); }));
    FColors->OnChange = TNotifyEvent(this, &TCustomObjectInspector::ColorsChanged);
    FOtherGroupName = "Other";
    FOwnDesigner = std::make_unique<TFDesigner>();

    SetColCount(2);
    SetFixedRows(0);
    SetFixedCols(1);
    SetRowCount(1);
    SetGridLineWidth(1);
    TCustomGrid::SetOptions({goThumbTracking});
    SetColor(clBtnFace);
    SetFixedColor(clBtnFace);
    SetColWidths(0, 80);
    SetColWidths(1, 80);

    FPlusGlyph = std::make_unique<TBitmap>();
    FMinusGlyph = std::make_unique<TBitmap>();
    LoadInspectorGlyphs(FPlusGlyph.get(), FMinusGlyph.get());
    FPopup = new TPopupMenu(this);
    SetStyle(isOstrel);
    // Placed on a designed form it shows what it is itself; only a running
    // inspector follows the designers.
    if (ComponentState().Contains(csDesigning))
        SetComponent(this);
    else
        AddListener(this);
}

TCustomObjectInspector::~TCustomObjectInspector() {
    std::erase(LiveInspectors(), this);
    RemoveListener(this);
}

void TCustomObjectInspector::BeforeDestruction() {
    FDestroying = true;
    std::erase(LiveInspectors(), this);
    RemoveListener(this);
    ForgetSelection();
    if (FEditor) FEditor->SetPropEditor(nullptr);
    FRows.Clear();
    inherited::BeforeDestruction();
}

// ---- the selection

void TCustomObjectInspector::Watch(TPersistent* Item, bool On) {
    if (!Item || Item == this) return;
    auto* C = dynamic_cast<TComponent*>(Item);
    // Any other object (a font, a collection item) is watched by address.
    const TFreeNotifier Freed = FreeNotifyMethod<&TCustomObjectInspector::ObjectFreed>(this);
    if (On && FTrackDestroy) {
        if (C) C->FreeNotification(this);
        else AddFreeNotifier(Item, Freed);
    } else if (!On) {
        if (C) C->RemoveFreeNotification(this);
        else RemoveFreeNotifier(Item, Freed);
    }
}

void TCustomObjectInspector::ObjectFreed(const void* Address) {
    for (int I = 0; I < FSelection.Count(); ++I)
        if (FSelection.Items(I) == Address) {
            DropFromSelection(FSelection.Items(I));
            return;
        }
}

void TCustomObjectInspector::DropFromSelection(TPersistent* Item) {
    // Nothing may be committed to an object on its way out.
    if (FEditor) FEditor->SetPropEditor(nullptr);
    DetachEditor();
    FSelection.Remove(Item);
    FRows.Clear();  // the rows' editors refer to the object
    RebuildRows();
    Invalidate();
}

void TCustomObjectInspector::ForgetSelection() {
    for (int I = 0; I < FSelection.Count(); ++I) Watch(FSelection.Items(I), false);
    FSelection.Clear();
}

std::unique_ptr<TList> TCustomObjectInspector::SelectionList() const {
    auto L = std::make_unique<TList>();
    for (int I = 0; I < FSelection.Count(); ++I) L->Add(FSelection.Items(I));
    return L;
}

void TCustomObjectInspector::BroadcastModified() {
    const std::unique_ptr<TList> L = SelectionList();
    BroadcastToListeners(this, DesignerModifiedMessage, reinterpret_cast<intptr_t>(L.get()), 0);
}

void TCustomObjectInspector::ReplaceSelection(std::vector<TPersistent*> Items) {
    std::erase(Items, nullptr);
    if (Items.empty()) {
        if (FSelection.Count() == 0) return;
        ClearSelection();
        return;
    }
    // The same set only shows the values again.
    bool Same = static_cast<int>(Items.size()) == FSelection.Count();
    for (size_t I = 0; Same && I < Items.size(); ++I) Same = FSelection.IndexOf(Items[I]) >= 0;
    if (Same) {
        RefreshValues();
        Invalidate();
        return;
    }
    HideEditor();
    ForgetSelection();
    for (TPersistent* P : Items) {
        FSelection.Add(P);
        Watch(P, true);
    }
    RebuildRows();
}

void TCustomObjectInspector::ClearSelection() {
    HideEditor();
    ForgetSelection();
    RebuildRows();
    Invalidate();
}

void TCustomObjectInspector::SetSelection(const TDesignerSelectionList& List) {
    std::vector<TPersistent*> Items;
    for (int I = 0; I < List.Count(); ++I) Items.push_back(List.Items(I));
    ReplaceSelection(std::move(Items));
}

void TCustomObjectInspector::SetSelection(const TComponentList& List) {
    std::vector<TPersistent*> Items;
    for (int I = 0; I < List.Count(); ++I) Items.push_back(List.Items(I));
    ReplaceSelection(std::move(Items));
}

void TCustomObjectInspector::SetSelection(const std::vector<TComponent*>& List) {
    ReplaceSelection(std::vector<TPersistent*>(List.begin(), List.end()));
}

TComponent* TCustomObjectInspector::FirstSelected() const {
    return FSelection.Count() > 0 ? dynamic_cast<TComponent*>(FSelection.Items(0)) : nullptr;
}

void TCustomObjectInspector::SetComponent(TComponent* Component) {
    if (Component && FSelection.Count() == 1 && FSelection.Items(0) == Component) {
        RefreshValues();
        return;
    }
    HideEditor();
    ForgetSelection();
    if (Component) {
        FSelection.Add(Component);
        Watch(Component, true);
    }
    RebuildRows();
    Invalidate();
    DoComponentChanged();
}

void TCustomObjectInspector::DoComponentChanged() { OnComponentChanged(this); }

void TCustomObjectInspector::Notification(TComponent* AComponent, TOperation Operation) {
    inherited::Notification(AComponent, Operation);
    if (Operation != opRemove || FDestroying) return;
    if (AComponent == FEditor) FEditor = nullptr;
    if (AComponent == FPopup) FPopup = nullptr;
    if (FTrackDestroy && FSelection.IndexOf(AComponent) >= 0) DropFromSelection(AComponent);
}

void TCustomObjectInspector::SetTrackDestroy(bool Value) {
    if (Value == FTrackDestroy) return;
    for (int I = 0; I < FSelection.Count(); ++I) Watch(FSelection.Items(I), false);
    FTrackDestroy = Value;
    for (int I = 0; I < FSelection.Count(); ++I) Watch(FSelection.Items(I), true);
}

// ---- the bus

void TCustomObjectInspector::DesignerModified(TZelMessage&) {
    // Refreshing is cheap, and a changed object need not be a selected one
    // (a bound edit may edit a part of one), so any change refreshes.
    if (FSelection.Count() > 0) RefreshValues();
}

void TCustomObjectInspector::ComponentsFreed(TZelMessage& Message) {
    std::vector<TPersistent*> Gone;
    if (Message.WParam) Gone.push_back(reinterpret_cast<TPersistent*>(Message.WParam));
    if (const auto* L = reinterpret_cast<const TList*>(Message.LParam))
        for (int I = 0; I < L->Count(); ++I) Gone.push_back(static_cast<TPersistent*>(L->Items(I)));
    bool Changed = false;
    for (TPersistent* P : Gone)
        if (FSelection.IndexOf(P) >= 0) {
            Watch(P, false);
            FSelection.Remove(P);
            Changed = true;
        }
    if (!Changed) return;
    if (FEditor) FEditor->SetPropEditor(nullptr);
    DetachEditor();
    FRows.Clear();
    RebuildRows();
    Invalidate();
}

void TCustomObjectInspector::RebuildRequested(TZelMessage&) { RebuildRows(); }

// ---- rows

TFormDesigner* TCustomObjectInspector::RebuildDesigner() {
    if (FActiveDesigner) return FActiveDesigner;
    if (FDesigner) return FDesigner;
    if (auto* C = FirstSelected()) {
        try {
            if (TFormDesigner* D = FindFormDesignerOf(C)) return D;
        } catch (const Exception&) {}
    }
    FOwnDesigner->SetForm(FirstSelected() ? FindOwnerForm(FirstSelected()) : nullptr);
    return FOwnDesigner.get();
}

void TCustomObjectInspector::ApplyRowRules() {
    TInspectorRowRules& R = FRows.Rules;
    R.UseAliases = FOIOptions.Contains(oiUseAliases);
    R.UseGroups = FOIOptions.Contains(oiUseGroups);
    R.JoinControls = FOIOptions.Contains(oiJoinControls);
    R.Sorted = !FCustomSort && !FOIOptions.Contains(oiUnSorted);
    R.ExpandAll = FExpandMode != Default;
    R.KeepExpanded = FExpandMode == AlwaysExpand;
    R.Filter = FFilter;
    R.HiddenProps = Lines(FHiddenProps.get());
    R.CanShow = [this](TPropertyEditor& E) {
        const std::string Name = E.GetName();
        if (auto* D = dynamic_cast<TFDesigner*>(E.Designer());
            D && !D->CanShowPropertyForAll(SelectionList().get(), Name))
            return false;
        bool Show = true;
        FOnShowProperty(this, &E, Show);
        return Show;
    };
    R.Classify = [this](TInfoRec& Row) {
        Row.EditClass = GetEditClass(Row.PropEditor);
        Row.PopupClass = GetPopupClass(Row.PropEditor);
    };
    R.Enumerate = [this](const TDesignerSelectionList& L, TTypeKinds F, TFormDesigner* D,
                         const TGetPropEditProc& Proc) { GetProperties(L, F, D, Proc); };
}

void TCustomObjectInspector::RebuildRows() {
    if (ComponentState().Contains(csLoading) || !Parent() || FDestroying) return;
    if (FUpdateCount > 0) {
        FRebuildPending = true;
        return;
    }
    FRebuildPending = false;
    DetachEditor();
    ApplyRowRules();
    RowsRebuilding();
    FActiveDesigner = nullptr;
    FActiveDesigner = RebuildDesigner();
    int Current = -1;
    try {
        Current = FRows.Rebuild(FSelection, FActiveDesigner, FRowsBuilt ? Row() : -1);
    } catch (...) {
        FActiveDesigner = nullptr;
        FRows.Clear();
        RowsChanged(-1);
        throw;
    }
    FActiveDesigner = nullptr;
    FRowsBuilt = true;
    RowsChanged(Current);
}

void TCustomObjectInspector::RowsChanged(int Current) {
    SetRowCount(std::max(1, FRows.Count()));
    if (ColWidths(0) + ColWidths(1) + 2 * GridLineWidth() != ClientWidth())
        SetColWidths(1, std::max(0, ClientWidth() - ColWidths(0) - 2 * GridLineWidth()));
    if (Current >= 0) {
        const int Pitch = DefaultRowHeight() + GridLineWidth();
        // The move is reported once below, as a rebuild.
        FRowsChanging = true;
        MoveCurrent(1, Current);
        FRowsChanging = false;
        SetTopRow(std::max(0, Current - ClientHeight() / Pitch + 1));
    }
    Invalidate();
    UpdateEditor();
    ActiveRowChanged(true);
}

void TCustomObjectInspector::EndUpdate() {
    if (FUpdateCount > 0 && --FUpdateCount == 0 && FRebuildPending) RebuildRows();
}

void TCustomObjectInspector::ParseAliases() {
    if (ComponentState().Contains(csLoading)) return;
    FRows.Aliases.Parse(Lines(FAliases.get()), !FCustomSort && !FOIOptions.Contains(oiUnSorted), FOtherGroupName);
}

bool TCustomObjectInspector::IsEmpty() const { return FSelection.Count() == 0 || FRows.Count() == 0; }

TPropertyEditor* TCustomObjectInspector::CurrentEditor() const {
    if (IsEmpty() || Row() < 0 || Row() >= FRows.Count()) return nullptr;
    return FRows.Row(Row()).PropEditor;
}

void TCustomObjectInspector::ToggleExpand(int ARow) {
    if (ARow < 0 || ARow >= FRows.Count()) return;
    const bool Current = ARow == Row();
    DetachEditor();
    FRows.ToggleExpand(ARow);
    SetRowCount(std::max(1, FRows.Count()));
    if (Current) MoveCurrent(1, ARow);
    Invalidate();
    UpdateEditor();
}

std::string TCustomObjectInspector::PathName(int ARow) const { return FRows.PathName(ARow); }

bool TCustomObjectInspector::SelectProperty(const std::string& PropName) {
    const int R = FRows.FindRow(PropName);
    if (R < 0) return false;
    MoveCurrent(1, R);
    return true;
}

void TCustomObjectInspector::ListChanged(TObject* Sender) {
    if (Sender == FAliases.get()) ParseAliases();
    RebuildRows();
}

void TCustomObjectInspector::GetProperties(const TDesignerSelectionList& Components, TTypeKinds AFilter,
                                           TFormDesigner* ADesigner, const TGetPropEditProc& Proc) {
    GetComponentProperties(Components, AFilter, ADesigner, Proc);
}

const TClass* TCustomObjectInspector::GetEditClass(TPropertyEditor* PropEdit) { return EditClassForEditor(PropEdit); }

const TClass* TCustomObjectInspector::GetPopupClass(TPropertyEditor* PropEdit) { return PopupClassForEditor(PropEdit); }

std::string TCustomObjectInspector::GetDescription() {
    TPropertyEditor* E = CurrentEditor();
    TComponent* C = FirstSelected();
    if (!E || !C) return {};
    return FindPropertyDescription(Lines(FDescriptions.get()), C->ClassType(), FRows.Row(Row()).PropName);
}

// ---- commit

bool TCustomObjectInspector::RowIsReadOnly(int ARow) {
    if (FReadOnly || ARow < 0 || ARow >= FRows.Count()) return true;
    const TInfoRec& R = FRows.Row(ARow);
    if (R.IsGroup || !R.PropEditor) return true;
    return !CanEditRow(ARow);
}

bool TCustomObjectInspector::CanEditRow(int ARow) {
    if (ARow < 0 || ARow >= FRows.Count()) return false;
    const TInfoRec& R = FRows.Row(ARow);
    if (!R.PropEditor || R.ReadOnlyRow) return false;
    for (int I = 0; I < FReadOnlyProps->Count(); ++I)
        if (SameText(FReadOnlyProps->Strings(I), R.PropName)) return false;
    auto* D = dynamic_cast<TFDesigner*>(R.PropEditor->Designer());
    if (D && !D->CanEditPropertyForAll(SelectionList().get(), R.PropName)) return false;
    bool Allow = true;
    OnEditProperty(this, R.PropEditor, Allow);
    return Allow;
}

namespace {
// Sets a flag for the time of a scope.
struct TRaised {
    explicit TRaised(bool& F) : Flag(F) { Flag = true; }
    ~TRaised() { Flag = false; }
    bool& Flag;
};
}  // namespace

void TCustomObjectInspector::CommitValue(TPropertyEditor* PropEdit, const std::string& Value) {
    // Setting a value can move the focus (a window made again): the in-place
    // editor then commits its text, which still shows the value before.
    if (!PropEdit || FCommitting) return;
    const TRaised Committing(FCommitting);
    int ARow = -1;
    for (int I = 0; I < FRows.Count() && ARow < 0; ++I)
        if (FRows.Row(I).PropEditor == PropEdit) ARow = I;
    const bool One = FSelection.Count() == 1;
    if (One && Value == PropEdit->GetValue()) return;
    if (!CanEditRow(ARow)) return;
    std::string NewVal = Value;
    OnChangePropValue(this, PropEdit, NewVal);
    if (One && NewVal == PropEdit->GetValue()) return;
    PropEdit->SetValue(NewVal);
    BroadcastModified();
    OnChangedPropValue(this, PropEdit, NewVal);
}

void TCustomObjectInspector::RefreshValues() {
    if (FEditor && FEditor->Visible() && CurrentEditor()) FEditor->ShowRowValue();
    for (int R = std::max(0, TopRow()); R < FRows.Count(); ++R) {
        if (CellRect(1, R).IsEmpty()) break;
        InvalidateCell(1, R);
    }
}

void TCustomObjectInspector::EditRow(int ARow) {
    if (FCommitting || ARow < 0 || ARow >= FRows.Count() || !CanEditRow(ARow)) return;
    const TRaised Committing(FCommitting);
    TPropertyEditor* E = FRows.Row(ARow).PropEditor;
    bool Processed = false;
    OnEditButtonClick(this, E, Processed);
    if (!Processed) E->Edit();
    if (FEditor && FEditor->Visible() && ARow == Row() && FEditor->GetText() != E->GetValue()) {
        FEditor->ShowRowValue();
        std::string V = E->GetValue();
        OnChangedPropValue(this, E, V);
        BroadcastModified();
    }
    RefreshValues();
}

// ---- the in-place editor

const TClass* TCustomObjectInspector::GetInplaceEditClass() { return TOInplaceEdit::StaticClass(); }

void TCustomObjectInspector::SetParent(TWinControl* AParent) {
    inherited::SetParent(AParent);
    if (!AParent || FDestroying) return;
    if (!FEditor) {
        TComponent* Made = GetInplaceEditClass()->CreateComponent(this);
        FEditor = dynamic_cast<TOInplaceEdit*>(Made);
        if (!FEditor) {
            if (Made) Made->Free();
            throw EInvalidOperation("The in-place editor class is not an inspector editor");
        }
        FEditor->SetInspector(this);
        FEditor->SetParent(this);
        FEditor->HideEditor();
    }
    ParseAliases();
    RebuildRows();
}

void TCustomObjectInspector::HideEditor() {
    if (FEditor) FEditor->HideEditor();
}

void TCustomObjectInspector::DetachEditor() {
    if (!FEditor) return;
    // Leaving the editor commits what was typed, while its row still exists.
    FEditor->HideEditor();
    FEditor->SetPropEditor(nullptr);
}

void TCustomObjectInspector::UpdateEditor() {
    if (!FEditor || FSplitting || !HandleAllocated()) return;
    const int R = Row();
    if (FReadOnly || IsEmpty() || R < 0 || R >= FRows.Count() || FRows.Row(R).IsGroup) {
        HideEditor();
        return;
    }
    TRect Cell = CellRect(1, R);
    if (Cell.IsEmpty()) {
        HideEditor();
        return;
    }
    FEditor->AttachRow(FRows.Row(R), RowIsReadOnly(R));
    FEditor->ShowInCell(Cell);
}

bool TCustomObjectInspector::SelectCell(int, int) { return !IsEmpty(); }

void TCustomObjectInspector::CurrentChanged() {
    if (FRowsChanging) return;
    UpdateEditor();
    ActiveRowChanged(false);
}

void TCustomObjectInspector::TopLeftChanged() { UpdateEditor(); }

void TCustomObjectInspector::ActiveRowChanged(bool Rebuilt) {
    if (ComponentState().Contains(csLoading) || FDestroying) return;
    if (Row() == FLastActiveRow && !Rebuilt) return;
    FLastActiveRow = Row();
    OnActivePropertyChanged(this);
    BroadcastToListeners(this, InspectorNotifyMessage, reinterpret_cast<intptr_t>(this), 0);
}

void TCustomObjectInspector::Loaded() {
    inherited::Loaded();
    ParseAliases();
    RebuildRows();
}

// ---- look and behaviour

void TCustomObjectInspector::SetStyle(TInspectorStyle Value) {
    FStyle = Value;
    if (Value == isCustom) return;
    const TStyleLook Look = ApplyStyleColors(*FColors, Value);
    SetColor(Look.Color);
    FLineStyle = Look.LineStyle;
    const TStyleOptions O = StyleOIOptions(Value);
    FOIOptions = (FOIOptions + O.Added) - O.Removed;
    FGroupFont->Assign(Font());
    FGroupFont->SetStyle(FGroupFont->Style() + TFontStyles{fsBold});
    Invalidate();
}

void TCustomObjectInspector::SetColors(TOIColors* Value) {
    if (FStyle != isCustom || !Value) return;
    FColors->Assign(Value);
}

void TCustomObjectInspector::ColorsChanged(TObject*) {
    if (FStyle == isCustom) SetColor(FColors->BackColor());
    Invalidate();
}

void TCustomObjectInspector::SetLineStyle(TLineStyle Value) {
    if (FStyle != isCustom) return;
    FLineStyle = Value;
    Invalidate();
}

void TCustomObjectInspector::SetOptions(TOIOptions Value) {
    const TOIOptions Old = FOIOptions;
    FOIOptions = MergeOIOptions(FOIOptions, Value, FStyle);
    const TOIOptions Structural{oiJoinControls, oiUseAliases, oiUseGroups, oiUnSorted};
    if ((Old * Structural) != (FOIOptions * Structural)) {
        ParseAliases();
        RebuildRows();
    }
    Invalidate();
    UpdateEditor();
}

void TCustomObjectInspector::SetGroupFont(TFont* Value) {
    FGroupFont->Assign(Value);
    Invalidate();
}

void TCustomObjectInspector::SetFilter(TTypeKinds Value) {
    if (Value == FFilter) return;
    FFilter = Value;
    RebuildRows();
}

void TCustomObjectInspector::SetFixedColWidth(int Value) {
    SetColWidths(0, std::max(0, Value));
    SetColWidths(1, std::max(0, ClientWidth() - ColWidths(0) - 2 * GridLineWidth()));
    UpdateEditor();
}

void TCustomObjectInspector::SetExpandMode(TExpandMode Value) {
    if (Value == FExpandMode) return;
    FExpandMode = Value;
    if (Value == AlwaysExpand) RebuildRows();
}

void TCustomObjectInspector::SetCustomSort(bool Value) {
    if (Value == FCustomSort) return;
    FCustomSort = Value;
    ParseAliases();
    RebuildRows();
}

void TCustomObjectInspector::SetReadOnly(bool Value) {
    FReadOnly = Value;
    if (Value)
        HideEditor();
    else
        UpdateEditor();
    Invalidate();
}

void TCustomObjectInspector::SetOtherGroupName(const std::string& Value) {
    if (Value == FOtherGroupName) return;
    FOtherGroupName = Value;
    ParseAliases();
    RebuildRows();
}

void TCustomObjectInspector::SetOnShowProperty(const TOnShowProc& Value) {
    FOnShowProperty = Value;
    RebuildRows();
}

void TCustomObjectInspector::SetUseGlobalOptions(bool Value) {
    FUseGlobalOptions = Value;
    if (Value) TInspectorOptions::Global()->ApplyTo(this);
}

std::string TCustomObjectInspector::Version() const { return "1.0"; }

void TCustomObjectInspector::SetAliases(TStrings* Value) { FAliases->Assign(Value); }
void TCustomObjectInspector::SetDescriptions(TStrings* Value) { FDescriptions->Assign(Value); }
void TCustomObjectInspector::SetHiddenProps(TStrings* Value) { FHiddenProps->Assign(Value); }
void TCustomObjectInspector::SetReadOnlyProps(TStrings* Value) { FReadOnlyProps->Assign(Value); }
void TCustomObjectInspector::SetPropOrder(TStrings* Value) { FPropOrder->Assign(Value); }

void TCustomObjectInspector::SetDesigner(TFormDesigner* Value) {
    FDesigner = Value;
    RebuildRows();
}

void TCustomObjectInspector::CreateParams(TCreateParams& Params) {
    inherited::CreateParams(Params);
    Params.Style = (Params.Style | WS_VSCROLL) & ~WS_HSCROLL;
}

void TCustomObjectInspector::ShowPopupAt(int ScreenX, int ScreenY) {
    if (!FPopup) return;
    FPopup->Items()->Clear();
    FVerbEditor.reset();
    // One component that its designer lets us edit: its editor's verbs.
    TComponent* C = FSelection.Count() == 1 ? FirstSelected() : nullptr;
    auto* D = C ? dynamic_cast<TFDesigner*>(RebuildDesigner()) : nullptr;
    if (C && D && D->CanSelectComponent(C)) {
        FVerbEditor = GetComponentEditor(C, D);
        for (int I = 0; FVerbEditor && I < FVerbEditor->GetVerbCount(); ++I) {
            auto* Item = new TMenuItem(FPopup);
            Item->SetCaption(FVerbEditor->GetVerb(I));
            Item->OnClick = [this, I](TObject*) {
                if (FVerbEditor) FVerbEditor->ExecuteVerb(I);
            };
            FPopup->Items()->Add(Item);
        }
    }
    if (FPopup->Items()->Count() > 0) FPopup->Popup(ScreenX, ScreenY);
}

QRN_PUBLISHED(TCustomObjectInspector) {
    B.Message(DesignerModifiedMessage, &TCustomObjectInspector::DesignerModified);
    B.Message(ComponentsFreedMessage, &TCustomObjectInspector::ComponentsFreed);
    B.Message(RebuildInspectorMessage, &TCustomObjectInspector::RebuildRequested);
}
