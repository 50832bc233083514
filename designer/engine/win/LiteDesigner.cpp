#include "designer/engine/win/LiteDesigner.h"

#include <algorithm>
#include <utility>

#include "designer/engine/win/AlignPalette.h"
#include "designer/engine/win/CaptionButton.h"
#include "designer/engine/win/DesignerOptions.h"
#include "designer/engine/win/FormDesignerUnit.h"
#include "designer/support/FormFileHeader.h"
#include "designer/support/FormFiler.h"
#include "designer/support/ZelVersion.h"
#include "designer/support/win/CompPalForm.h"
#include "designer/support/win/HandleObject.h"
#include "designer/support/win/PaletteGlyphs.h"
#include "designer/support/win/RegistryStream.h"
#include "designer/support/win/SharedRoutines.h"
#include "framework/classes/ClassRegistry.h"
#include "framework/classes/DataModule.h"
#include "framework/classes/Filer.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/FileUtils.h"
#include "framework/uicore/ShortCuts.h"

QRN_PUBLISHED(TCustomLiteDesigner) {
    PublishZelVersion(B);
    B.Message(DesignerHookMessage, &TCustomLiteDesigner::WMDesignerHook);
    B.Message(WM_USER, &TCustomLiteDesigner::WMFormLoaded);
}

QRN_PUBLISHED(TZelLiteDesigner) {
    using T = TZelLiteDesigner;
    B.Prop("AllowedActions", &T::AllowedActions, &T::SetAllowedActions).Default(AllActionTypes);
    B.Prop("AllowUndo", &T::AllowUndo, &T::SetAllowUndo).Default(false);
    B.Prop("DesignedComponent", &T::DesignedComponent, &T::SetDesignedComponent);
    B.Prop("HiddenProps", &T::HiddenProps, &T::SetHiddenProps);
    B.Prop("ReadOnly", &T::ReadOnly, &T::SetReadOnly).Stored(false);
    B.Prop("ReadOnlyProps", &T::ReadOnlyProps, &T::SetReadOnlyProps);
    B.Prop("Options", &T::Options, &T::SetOptions).Default(TFDOptions{fdAllowDelete, fdAllowInsert});
    B.Prop("GridStepX", &T::GridStepX, &T::SetGridStepX).Default(8);
    B.Prop("GridStepY", &T::GridStepY, &T::SetGridStepY).Default(8);
    B.Prop("LockControls", &T::LockControls, &T::SetLockControls).Default(false);
    B.Prop("LimitControl", &T::LimitControl, &T::SetLimitControl);
    // Not stored when the one item only hides the designer component itself.
    B.Prop("LimitInfos", &T::LimitInfos, &T::SetLimitInfos).Stored([](TObject* O) {
        auto* D = static_cast<T*>(O);
        const TLimitInfos* L = D->LimitInfos();
        return !(L->Count() == 1 && L->Items(0)->Component() == D &&
                 !L->Items(0)->AllowedActions().Contains(atShow));
    });
    B.Prop("PopupMenu", &T::PopupMenu, &T::SetPopupMenu);
    B.Prop("ShowInspector", &T::ShowInspector, &T::SetShowInspector).Default(false);
    B.Prop("ShowComponents", &T::ShowComponents, &T::SetShowComponents).Default(true);
    B.Prop("ShowGrid", &T::ShowGrid, &T::SetShowGrid).Default(true);
    B.Prop("ShowCaptions", &T::ShowCaptions, &T::SetShowCaptions).Default(true);
    B.Prop("SnapToGrid", &T::SnapToGrid, &T::SetSnapToGrid).Default(true);
    B.Prop("NameIsReadOnly", &T::NameIsReadOnly, &T::SetNameIsReadOnly).Default(false);
    B.Prop("NeedRecreateWnd", &T::NeedRecreateWnd, &T::SetNeedRecreateWnd).Default(true);
    B.Prop("StartHotKey", &T::StartHotKey, &T::SetStartHotKey)
        .Type(QRN_TYPE(TShortCut))
        .Default(DefaultDesignerHotKey());
    B.Prop("StopHotKey", &T::StopHotKey, &T::SetStopHotKey).Type(QRN_TYPE(TShortCut)).Default(DefaultDesignerHotKey());
    // True as a new component starts, so a user's False survives a save.
    B.Prop("ShowHints", &T::ShowHints, &T::SetShowHints).Default(true);
    B.Prop("ShowPalette", &T::ShowPalette, &T::SetShowPalette).Default(true);
    B.Prop("ShowSelf", &T::ShowSelf, &T::SetShowSelf).Default(false);
    B.Prop("ShowAlignPalette", &T::ShowAlignPalette, &T::SetShowAlignPalette).Default(false);
    B.Prop("UseDefaultMenu", &T::UseDefaultMenu, &T::SetUseDefaultMenu).Default(true);
    B.Prop("UseGlobalOptions", &T::UseGlobalOptions, &T::SetUseGlobalOptions).Default(true);
    B.Prop("PaletteOptions", &T::PaletteOptions, &T::SetPaletteOptions);
    B.Prop("InspectorOptions", &T::InspectorOptions, &T::SetInspectorOptions);
    B.Prop("CodeDesigner", &T::CodeDesigner, &T::SetCodeDesigner);
    B.Prop("Scripter", &T::Scripter, &T::SetScripter);
    B.Prop("CaptionGlyph", &T::CaptionGlyph, &T::SetCaptionGlyph).Stored([](TObject* O) {
        return static_cast<T*>(O)->CaptionGlyphChanged();
    });
    B.Prop("UseCaptionButton", &T::UseCaptionButton, &T::SetUseCaptionButton).Default(false);
    B.Prop("ChangesKey", &T::ChangesKey, &T::SetChangesKey);
    B.Prop("StoreChanges", &T::StoreChanges, &T::SetStoreChanges).Default(false);
    B.Prop("ToolsOnTop", &T::ToolsOnTop, &T::SetToolsOnTop).Default(false);
    B.Event("OnAction", &T::OnAction);
    B.Event("OnActiveChanged", &T::OnActiveChanged);
    B.Event("OnActiveChanging", &T::OnActiveChanging);
    B.Event("OnAfterInsertComponent", &T::OnAfterInsertComponent);
    B.Event("OnChange", &T::OnChange);
    B.Event("OnCloseForm", &T::OnCloseForm);
    B.Event("OnDeleteComponent", &T::OnDeleteComponent);
    B.Event("OnInsertComponent", &T::OnInsertComponent);
    B.Event("OnKeyDown", &T::OnKeyDown);
    B.Event("OnMouseDown", &T::OnMouseDown);
    B.Event("OnMouseMove", &T::OnMouseMove);
    B.Event("OnMouseUp", &T::OnMouseUp);
    B.Event("OnSelectionChanged", &T::OnSelectionChanged);
    B.Event("OnGetComponentGlyph", &T::OnGetComponentGlyph);
    B.Event("OnGetCompNames", &T::OnGetCompNames);
    B.Event("OnEditProperty", &T::OnEditProperty);
    B.Event("OnShowProperty", &T::OnShowProperty);
    B.Event("OnSaveChanges", &T::OnSaveChanges);
    B.Event("OnLoadChanges", &T::OnLoadChanges);
}

namespace {
std::vector<TCustomLiteDesigner*>& LiveDesigners() {
    static std::vector<TCustomLiteDesigner*> List;
    return List;
}

// A change of the global hot keys reaches every component that uses them.
void TakeGlobalHotKeys(const TZelLiteDesignerOptions& Options) {
    for (TCustomLiteDesigner* D : LiveDesigners())
        if (D->UseGlobalOptions()) {
            D->SetStartHotKey(Options.StartHotKey());
            D->SetStopHotKey(Options.StopHotKey());
        }
}

bool Contains(const TStrings* List, const std::string& Name) { return List->IndexOf(Name) >= 0; }
}  // namespace

TShortCut DefaultDesignerHotKey() { return ShortCut(VK_F12, TShiftState{ssCtrl}); }

const std::vector<TCustomLiteDesigner*>& LiteDesignerList() { return LiveDesigners(); }

// ---- the engine's questions

bool TLiteFormDesigner::CanSelectComponent(TComponent* Component) {
    return TZelFormDesigner::CanSelectComponent(Component) && FOwner->CanSelectComponent(Component);
}

bool TLiteFormDesigner::CanEditProperty(TComponent* Component, const std::string& PropName) {
    return TZelFormDesigner::CanEditProperty(Component, PropName) && FOwner->CanEditProperty(Component, PropName);
}

bool TLiteFormDesigner::CanShowProperty(TComponent* Component, const std::string& PropName) {
    return TZelFormDesigner::CanShowProperty(Component, PropName) && FOwner->CanShowProperty(Component, PropName);
}

void TLiteFormDesigner::EnumComponentNames(const TTypeInfo* TypeData, TGetStrProc Proc) {
    TZelFormDesigner::EnumComponentNames(TypeData, Proc);
    if (FOwner->OnGetCompNames) FOwner->OnGetCompNames(FOwner, TypeData, Proc);
}

// ---- life

TCustomLiteDesigner::TCustomLiteDesigner(TComponent* AOwner)
    : TComponent(AOwner), FDesigner(std::make_unique<TLiteFormDesigner>(this)),
      FLimitInfos(std::make_unique<TLimitInfos>(this)), FStartHotKey(DefaultDesignerHotKey()),
      FStopHotKey(DefaultDesignerHotKey()) {
    FHandleObject = std::make_unique<TZelHandleObject>(this);
    FDesigner->HideOnClose = false;
    // The global grid, captions and hints first: the creation values and
    // the host's settings come after them.
    FDesigner->SetUseGlobalOptions(true);
    FDesigner->ShowHints = true;
    FDesigner->NeedRecreateWnd = true;
    FDesigner->AllowUndo = false;
    FDesigner->UseDefaultMenu = true;
    FDesigner->IsAllowed = [this](TComponent* C, TActionType A) { return ActionAllowed(C, A); };
    // Handler names of the stored changes bind like those of a form file.
    FChanges->OnFindMethod = [this](TReader* R, const std::string& Name, TMethod& M, bool& Error) {
        FDesigner->Filer()->FindMethod(R, Name, M, Error);
    };
    HookEngineEvents();
    FCaptionGlyph = std::make_unique<TBitmap>();
    LoadGlyphResource(FCaptionGlyph.get(), "DESIGNERCAPTION");
    FCaptionGlyph->OnChange = TNotifyEvent(this, &TCustomLiteDesigner::CaptionGlyphEdited);
    LiveDesigners().push_back(this);
    // The options layer reaches the live components through this hook.
    LiteDesignerOptionsApplied = TakeGlobalHotKeys;
    if (!ComponentState().Contains(csDesigning)) {
        RegisterDesignerComponent(this);
        FHooked = true;
    }
}

TCustomLiteDesigner::~TCustomLiteDesigner() = default;

void TCustomLiteDesigner::BeforeDestruction() {
    if (FHooked) UnregisterDesignerComponent(this);
    FHooked = false;
    std::erase(LiveDesigners(), this);
    if (Active()) SetActive(false);
    FHandleObject.reset();
    FWrapper.reset();
    TComponent::BeforeDestruction();
}

void TCustomLiteDesigner::HookEngineEvents() {
    TLiteFormDesigner& D = *FDesigner;
    D.OnChange = [this] {
        if (OnChange) OnChange(this);
    };
    D.OnCloseForm = [this] {
        if (OnCloseForm) OnCloseForm(this);
        SetActive(false);
    };
    D.OnDeleteComponent = [this](TComponent* C) {
        if (OnDeleteComponent) OnDeleteComponent(this, C);
    };
    D.OnInsertComponent = [this](TComponent* C) {
        if (OnInsertComponent) OnInsertComponent(this, C);
    };
    D.OnAfterInsertComponent = [this](TComponent* C) {
        if (OnAfterInsertComponent) OnAfterInsertComponent(this, C);
    };
    D.OnKeyDown = [this](uint16_t& Key, TShiftState Shift) { RelayKeyDown(Key, Shift); };
    D.OnMouseDown = [this](TMouseButton B, TShiftState S, int X, int Y) {
        if (OnMouseDown) OnMouseDown(this, B, S, X, Y);
    };
    D.OnMouseMove = [this](TShiftState S, int X, int Y) {
        if (OnMouseMove) OnMouseMove(this, S, X, Y);
    };
    D.OnMouseUp = [this](TMouseButton B, TShiftState S, int X, int Y) {
        if (OnMouseUp) OnMouseUp(this, B, S, X, Y);
    };
    D.OnSelectionChanged = [this] {
        if (OnSelectionChanged) OnSelectionChanged(this);
    };
    D.OnActiveChanged = [this] { DoActiveChanged(); };
    D.OnGetComponentGlyph = [this](const TClass* C, TBitmap* Glyph) {
        if (OnGetComponentGlyph) OnGetComponentGlyph(this, C, Glyph);
        else LoadComponentGlyph(Glyph, C);
    };
}

void TCustomLiteDesigner::RelayKeyDown(uint16_t& Key, TShiftState Shift) {
    // The key that toggled design mode reaches the form once more when its
    // window was not made again: it is not the user's key for the form.
    if (FFromHotKey && !NeedRecreateWnd()) {
        FFromHotKey = false;
        return;
    }
    if (OnKeyDown) OnKeyDown(this, Key, Shift);
}

void TCustomLiteDesigner::DoActiveChanged() {
    if (OnActiveChanged) OnActiveChanged(this);
}

TComponent* TCustomLiteDesigner::Root() const {
    TComponent* R = FDesignedComponent ? FDesignedComponent : const_cast<TCustomLiteDesigner*>(this);
    if (dynamic_cast<TCustomForm*>(R) || dynamic_cast<TDataModule*>(R)) return R;
    for (TComponent* O = R->Owner(); O; O = O->Owner())
        if (dynamic_cast<TDataModule*>(O)) return O;
    for (TComponent* O = R->Owner(); O; O = O->Owner())
        if (dynamic_cast<TCustomForm*>(O)) return O;
    return R;
}

// ---- design mode

void TCustomLiteDesigner::SetActive(bool Value) {
    if (Value == Active()) return;
    bool Allow = true;
    if (OnActiveChanging) OnActiveChanging(this, Allow);
    if (!Allow) return;
    if (Value && ComponentState().Contains(csDesigning)) return;
    TComponent* R = Root();
    auto* Module = dynamic_cast<TDataModule*>(R);
    if (Value) {
        auto* Form = dynamic_cast<TCustomForm*>(R);
        if (!Form && !Module) return;
        if (FShowAlignPalette) {
            RequestAlignPalette();
            FAlignPaletteRequested = true;
        }
        FActiveRoot = R;
        if (Module) {
            // A data module is designed through a plain form standing for it.
            if (!FWrapper) FWrapper.reset(new TDataModuleWrapper(nullptr));
            FWrapper->SetDataModule(Module);
            FWrapper->Show();
            Form = FWrapper.get();
            Module->SetDesigning(true);
        }
        FDesigner->SetForm(Form);
        FDesigner->SetDesignRoot(R);
        FNameIsReadOnly = FStoreChanges;
        if (FUseCaptionButton) CaptionButton()->SetVisible(true);
    } else {
        if (std::exchange(FAlignPaletteRequested, false)) ReleaseAlignPalette();
        if (std::exchange(FPaletteRequested, false)) ReleaseComponentPalette();
        if (FStoreChanges) {
            FChanges->CollectChanges();
            SaveChanges();
        }
    }
    FDesigner->SetActive(Value);
    if (Value && FActiveRoot) FActiveRoot->FreeNotification(this);
    // Shown after the engine started: a form window made again for design
    // mode would otherwise cover the palette.
    if (Value && FShowPalette && Active()) {
        StartComponentPalette();
        ApplyPaletteOptions();
        RequestComponentPalette();
        FPaletteRequested = true;
    }
    if (!Value) {
        if (Module) Module->SetDesigning(false);
        if (FWrapper) FWrapper->Hide();
        FActiveRoot = nullptr;
    }
}

void TCustomLiteDesigner::WMDesignerHook(TZelMessage& Message) {
    const auto* Call = reinterpret_cast<const CWPSTRUCT*>(Message.WParam);
    if (!Call || (Call->message != CN_KEYDOWN && Call->message != CN_SYSKEYDOWN)) return;
    const TShortCut Key =
        ShortCut(static_cast<uint16_t>(Call->wParam), KeyDataToShiftState(static_cast<LPARAM>(Call->lParam)));
    auto* Form = dynamic_cast<TCustomForm*>(Owner());
    if (Key != FStartHotKey || !Form || !Form->HandleAllocated()) return;
    TWinControl* Control = FindControl(Call->hwnd);
    if (!Control || (Control != Form && !IsChild(Form->Handle(), Control->Handle()))) return;
    FFromHotKey = true;
    SetActive(!Active());
    Message.Result = 1;
}

void TCustomLiteDesigner::Loaded() {
    TComponent::Loaded();
    if (FLoadedOnce || ComponentState().Contains(csDesigning)) return;
    FLoadedOnce = true;
    if (FHandleObject) FHandleObject->PostMessage(WM_USER, 0, 0);
}

void TCustomLiteDesigner::WMFormLoaded(TMessage&) {
    if (FStoreChanges) {
        FChanges->TakeSnapshot(Root());
        LoadChanges();
    }
    if (FCaptionButton) AttachCaptionButton();
}

std::string TCustomLiteDesigner::ChangesPath() const {
    if (!FChangesKey.empty()) return FChangesKey;
    return (Owner() ? Owner()->Name() : std::string()) + Name();
}

void TCustomLiteDesigner::SaveChanges() {
    // Written as a saved form is: the root's class under its saved name.
    FDesigner->BeginSave();
    try {
        bool Processed = false;
        if (OnSaveChanges) OnSaveChanges(this, Processed);
        if (!Processed) FChanges->SaveToRegistry(ChangesPath());
    } catch (...) {
        FDesigner->EndSave();
        throw;
    }
    FDesigner->EndSave();
}

void TCustomLiteDesigner::ApplyPaletteOptions() {
    TCompPalFrm* Window = ComponentPaletteForm();
    TZelCompPalette* Palette = Window->Palette;
    Window->SetPackagesVerb(FPaletteOptions->UseActiveX);
    if (!Palette) return;
    Palette->SetOnlyDefinedItems(FPaletteOptions->OnlyDefinedItems);
    // A palette of its own pages, or the pages every palette shares.
    Palette->SetUseGlobalOptions(!FPaletteOptions->CustomizePalette);
    if (FPaletteOptions->CustomizePalette) Palette->SetPageItems(FPaletteOptions->PredefinedPages());
}

void TCustomLiteDesigner::LoadChanges() {
    bool Processed = false;
    if (OnLoadChanges) OnLoadChanges(this, Processed);
    if (!Processed) FChanges->LoadFromRegistry(Root(), ChangesPath());
}

void TCustomLiteDesigner::ClearChanges() {
    TRegistryStream Stream(ChangesPath(), RegistryStreamCreate);
    Stream.Store();
}

void TCustomLiteDesigner::Notification(TComponent* AComponent, TOperation Operation) {
    TComponent::Notification(AComponent, Operation);
    if (Operation != opRemove) return;
    if (AComponent == FActiveRoot && Active()) SetActive(false);
    if (AComponent == FActiveRoot) FActiveRoot = nullptr;
    if (AComponent == FCaptionButton) FCaptionButton = nullptr;
    if (ComponentState().Contains(csDestroying)) return;
    FLimitInfos->Forget(AComponent);
    if (AComponent == FDesigner->PopupMenu) FDesigner->PopupMenu = nullptr;
    if (AComponent == FDesignedComponent) FDesignedComponent = nullptr;
    if (AComponent == FDesigner->GetDesignContainer()) FDesigner->SetDesignContainer(nullptr);
    if (AComponent == FDesigner->CodeDesigner) FDesigner->CodeDesigner = nullptr;
    if (AComponent == FDesigner->Scripter) FDesigner->Scripter = nullptr;
}

// ---- options

void TCustomLiteDesigner::SetDesignedComponent(TComponent* Value) {
    FDesignedComponent = Value;
    if (Value) Value->FreeNotification(this);
}

void TCustomLiteDesigner::SetGridStepX(int Value) { FDesigner->GridStepX = std::clamp(Value, 2, 128); }
void TCustomLiteDesigner::SetGridStepY(int Value) { FDesigner->GridStepY = std::clamp(Value, 2, 128); }

void TCustomLiteDesigner::SetLimitControl(TWinControl* Value) {
    FDesigner->SetDesignContainer(Value);
    if (Value) Value->FreeNotification(this);
}

void TCustomLiteDesigner::SetPopupMenu(TPopupMenu* Value) {
    FDesigner->PopupMenu = Value;
    if (Value) Value->FreeNotification(this);
}

void TCustomLiteDesigner::SetShowGrid(bool Value) {
    FDesigner->ShowGrid = Value;
    if (Active() && FDesigner->Form()) FDesigner->Form()->Invalidate();
}

void TCustomLiteDesigner::SetCodeDesigner(TCodeDesigner* Value) {
    FDesigner->CodeDesigner = Value;
    if (Value) Value->FreeNotification(this);
}

void TCustomLiteDesigner::SetScripter(TZelSimpleScripter* Value) {
    FDesigner->Scripter = Value;
    if (Value) Value->FreeNotification(this);
}

void TCustomLiteDesigner::SetUseGlobalOptions(bool Value) {
    if (Value && !UseGlobalOptions()) {
        const auto* Keys = TOptionExt::Global<TZelLiteDesignerOptions>();
        FStartHotKey = Keys->StartHotKey();
        FStopHotKey = Keys->StopHotKey();
    }
    FDesigner->SetUseGlobalOptions(Value);
}

void TCustomLiteDesigner::SetCaptionGlyph(TBitmap* Value) { FCaptionGlyph->Assign(Value); }

void TCustomLiteDesigner::SetUseCaptionButton(bool Value) {
    FUseCaptionButton = Value;
    if (ComponentState().Contains(csDesigning) || (!Value && !FCaptionButton)) return;
    TZelCaptionButton* Button = CaptionButton();
    Button->SetGlyph(FCaptionGlyph.get());
    Button->SetVisible(Value);
}

TZelCaptionButton* TCustomLiteDesigner::CaptionButton() {
    if (!FCaptionButton) {
        FCaptionButton = new TZelCaptionButton(this);
        FCaptionButton->OnClick = TNotifyEvent(this, &TCustomLiteDesigner::CaptionButtonClick);
        AttachCaptionButton();
    }
    return FCaptionButton;
}

void TCustomLiteDesigner::AttachCaptionButton() {
    if (auto* Form = dynamic_cast<TCustomForm*>(Root())) FCaptionButton->SetForm(Form);
}

bool TCustomLiteDesigner::ToolsOnTop() const { return ToolWindowsStayOnTop; }

void TCustomLiteDesigner::SetToolsOnTop(bool Value) {
    ToolWindowsStayOnTop = Value;
    // The tool windows shown now change at once, as later ones show.
    if (TAlignForm* P = AlignmentPaletteInstance()) P->SetFormStyle(ToolWindowFormStyle());
    if (GetComponentPalette()) ComponentPaletteForm()->SetFormStyle(ToolWindowFormStyle());
}

// ---- limits

bool TCustomLiteDesigner::ActionAllowed(TPersistent* Instance, TActionType Action) {
    auto* C = dynamic_cast<TComponent*>(Instance);
    bool Allow = true;
    if (C && C != Root()) {
        if (!FAllowedActions.Contains(Action)) Allow = false;
        if (Action == atDelete && !FOptions.Contains(fdAllowDelete)) Allow = false;
        if (Action == atInsertInto && !FOptions.Contains(fdAllowInsert)) Allow = false;
        if (const TLimitInfoItem* Item = FLimitInfos->Find(C)) Allow = Allow && Item->AllowedActions().Contains(Action);
        if (Action == atShow && C == this) Allow = Allow && FShowSelf;
    }
    if (OnAction) OnAction(this, Instance, Action, Allow);
    return Allow;
}

bool TCustomLiteDesigner::CanEditProperty(TComponent* Component, const std::string& PropName) {
    if (PropName == "Name" && FNameIsReadOnly) return false;
    if (Component && Component == FDesigner->GetDesignContainer()) return false;
    if (!ActionAllowed(Component, atEdit)) return false;
    bool Allow = true;
    if (OnEditProperty) OnEditProperty(this, Component, PropName, Allow);
    if (!Allow || Contains(FReadOnlyProps.get(), PropName)) return false;
    const TLimitInfoItem* Item = FLimitInfos->Find(Component);
    return !(Item && Contains(Item->ReadOnlyProps(), PropName));
}

bool TCustomLiteDesigner::CanShowProperty(TComponent* Component, const std::string& PropName) {
    const TLimitInfoItem* Item = FLimitInfos->Find(Component);
    bool Allow = !Contains(FHiddenProps.get(), PropName) && !(Item && Contains(Item->HiddenProps(), PropName));
    if (OnShowProperty) OnShowProperty(this, Component, PropName, Allow);
    return Allow;
}

bool TCustomLiteDesigner::CanSelectComponent(TComponent* Component) {
    if (!Component) return false;
    if (!ShowComponents() && !dynamic_cast<TControl*>(Component)) return false;
    if (const TLimitInfoItem* Item = FLimitInfos->Find(Component))
        if (!Item->AllowedActions().Contains(atSelect) || !Item->AllowedActions().Contains(atShow)) return false;
    if (dynamic_cast<TNotifier*>(Component)) return false;
    return Component != this || FShowSelf;
}

// ---- the designed-form file

void TCustomLiteDesigner::SaveToStream(TStream* Stream) {
    TComponent* R = Root();
    // A registered form class is written against a fresh instance, so only
    // what differs from it is stored.
    std::unique_ptr<TComponent, TObjectFree> Ancestor;
    const TClass* Registered = GetClass(R->ClassName());
    if (Registered && Registered->CanCreateComponent() && dynamic_cast<TCustomForm*>(R))
        Ancestor.reset(Registered->CreateComponent(nullptr));
    TCompFiler Filer;
    Filer.PatchClass(R);
    try {
        std::string Name = "T" + R->Name();
        std::transform(Name.begin(), Name.end(), Name.begin(), [](unsigned char Ch) { return std::toupper(Ch); });
        Name = Name.substr(0, 63);
        const uint8_t Type = 0xFF;
        Stream->Write(&Type, 1);
        WriteWordToStream(Stream, 10);
        Stream->Write(Name.c_str(), static_cast<int32_t>(Name.size() + 1));
        WriteWordToStream(Stream, 0x1030);
        const int64_t LengthAt = Stream->Position();
        WriteLongToStream(Stream, 0);
        {
            TWriter Writer(Stream);
            Writer.RootClassName = "T" + R->Name();
            Writer.WriteDescendent(R, Ancestor.get());
        }
        const int64_t End = Stream->Position();
        Stream->SetPosition(LengthAt);
        WriteLongToStream(Stream, static_cast<int32_t>(End - LengthAt - 4));
        Stream->SetPosition(End);
    } catch (...) {
        Filer.RestoreClass(R);
        throw;
    }
    Filer.RestoreClass(R);
}

void TCustomLiteDesigner::SaveToFile(const std::string& FileName) {
    TMemoryStream Stream;
    SaveToStream(&Stream);
    WriteFileAtomic(FileName, std::string_view(static_cast<const char*>(Stream.Memory()),
                                               static_cast<size_t>(Stream.Size())));
}

void TCustomLiteDesigner::LoadFromFile(const std::string& FileName) {
    // Every designed-form file carries a designer component.
    RegisterClassOnce(TZelLiteDesigner::StaticClass());
    FDesigner->Filer()->ReadFormFile(FileName, Root());
}
