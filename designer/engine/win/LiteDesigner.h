#pragma once
// The component a program drops on a form to make that form designable at
// run time: it owns the form designer engine, publishes its options and
// events, starts and stops design mode (also from a hot key), applies the
// per-component limits, and saves and loads the designed form as a
// designed-form file.
//
//   auto* D = new TZelLiteDesigner(Form);   // owned by the form it designs
//   D->OnCloseForm = ...;
//   D->SetActive(true);
//   D->SaveToFile("Window1.qfm");
#include <memory>
#include <string>
#include <vector>

#include "designer/engine/win/CompChanges.h"
#include "designer/engine/win/DataModuleWrapper.h"
#include "designer/engine/win/InspOptions.h"
#include "designer/engine/win/LimitInfos.h"
#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/support/MessageBus.h"
#include "designer/support/win/PaletteOptions.h"
#include "framework/menus/Menus.h"

enum TFDOption { fdAllowDelete, fdAllowInsert };
QRN_ENUM(TFDOption, fdAllowDelete, fdAllowInsert)
using TFDOptions = TSmallSet<TFDOption>;
QRN_SET_NAME(TFDOptions)

class TCustomLiteDesigner;
class TZelHandleObject;
class TZelCaptionButton;

// The engine as the designer component runs it: the component's limits and
// property lists answer the engine's questions.
class TLiteFormDesigner : public TZelFormDesigner {
public:
    explicit TLiteFormDesigner(TCustomLiteDesigner* Owner) : FOwner(Owner) {}
    bool CanSelectComponent(TComponent* Component) override;
    bool CanEditProperty(TComponent* Component, const std::string& PropName) override;
    bool CanShowProperty(TComponent* Component, const std::string& PropName) override;
    void EnumComponentNames(const TTypeInfo* TypeData, TGetStrProc Proc) override;

private:
    TCustomLiteDesigner* FOwner;
};

using TActionEvent = TEvent<void(TObject* Sender, TPersistent* Instance, TActionType Action, bool& Allow)>;
using TAllowChangeEvent = TEvent<void(TObject* Sender, bool& AllowChange)>;
using TComponentEvent = TEvent<void(TObject* Sender, TComponent* AControl)>;
using TPropertyQueryEvent =
    TEvent<void(TObject* Sender, TObject* Instance, const std::string& PropName, bool& Allow)>;
using TProcessedEvent = TEvent<void(TObject* Sender, bool& Processed)>;
using TGetGlyphEvent = TEvent<void(TObject* Sender, const TClass* AClass, TBitmap* AGlyph)>;
using TGetCompNamesEvent = TEvent<void(TObject* Sender, const TTypeInfo* TypeData, TGetStrProc Proc)>;

class TCustomLiteDesigner : public TComponent {
    QRN_CLASS(TCustomLiteDesigner, TComponent)
public:
    explicit TCustomLiteDesigner(TComponent* AOwner);
    ~TCustomLiteDesigner() override;
    void BeforeDestruction() override;

    virtual void SetActive(bool Value);
    bool Active() const { return FDesigner->Active(); }
    // The designed root as a designed-form file (resource header, then the
    // form stream); the target is replaced only by a complete file.
    void SaveToFile(const std::string& FileName);
    void SaveToStream(TStream* Stream);
    // Reads a designed-form file (with or without its header) into the root.
    void LoadFromFile(const std::string& FileName);

    TLiteFormDesigner* FormDesigner() const { return FDesigner.get(); }
    // DesignedComponent when set, else this component; a root that is
    // neither a form nor a data module gives way to its owner.
    TComponent* Root() const;

    // ---- published
    TActionTypes AllowedActions() const { return FAllowedActions; }
    void SetAllowedActions(TActionTypes Value) { FAllowedActions = Value; }
    bool AllowUndo() const { return FDesigner->AllowUndo; }
    void SetAllowUndo(bool Value) { FDesigner->AllowUndo = Value; }
    TComponent* DesignedComponent() const { return FDesignedComponent; }
    void SetDesignedComponent(TComponent* Value);
    TStrings* HiddenProps() const { return FHiddenProps.get(); }
    void SetHiddenProps(TStrings* Value) { FHiddenProps->Assign(Value); }
    TStrings* ReadOnlyProps() const { return FReadOnlyProps.get(); }
    void SetReadOnlyProps(TStrings* Value) { FReadOnlyProps->Assign(Value); }
    bool ReadOnly() const { return !FOptions.Contains(fdAllowDelete) && !FOptions.Contains(fdAllowInsert); }
    void SetReadOnly(bool Value) { FOptions = Value ? TFDOptions{} : TFDOptions{fdAllowDelete, fdAllowInsert}; }
    TFDOptions Options() const { return FOptions; }
    void SetOptions(TFDOptions Value) { FOptions = Value; }
    int GridStepX() const { return FDesigner->GridStepX; }
    void SetGridStepX(int Value);
    int GridStepY() const { return FDesigner->GridStepY; }
    void SetGridStepY(int Value);
    bool LockControls() const { return FDesigner->LockControls(); }
    void SetLockControls(bool Value) { FDesigner->SetLockControls(Value); }
    TWinControl* LimitControl() const { return FDesigner->GetDesignContainer(); }
    void SetLimitControl(TWinControl* Value);
    TLimitInfos* LimitInfos() const { return FLimitInfos.get(); }
    void SetLimitInfos(TLimitInfos* Value) { FLimitInfos->Assign(Value); }
    TPopupMenu* PopupMenu() const { return FDesigner->PopupMenu; }
    void SetPopupMenu(TPopupMenu* Value);
    bool ShowInspector() const { return FDesigner->ShowInspector; }
    void SetShowInspector(bool Value) { FDesigner->ShowInspector = Value; }
    bool ShowComponents() const { return FDesigner->ShowComponents; }
    void SetShowComponents(bool Value) { FDesigner->ShowComponents = Value; }
    bool ShowGrid() const { return FDesigner->ShowGrid; }
    void SetShowGrid(bool Value);
    bool ShowCaptions() const { return FDesigner->ShowCaptions; }
    void SetShowCaptions(bool Value) { FDesigner->ShowCaptions = Value; }
    bool SnapToGrid() const { return FDesigner->SnapToGrid; }
    void SetSnapToGrid(bool Value) { FDesigner->SnapToGrid = Value; }
    bool NameIsReadOnly() const { return FNameIsReadOnly; }
    void SetNameIsReadOnly(bool Value) { FNameIsReadOnly = Value; }
    bool NeedRecreateWnd() const { return FDesigner->NeedRecreateWnd; }
    void SetNeedRecreateWnd(bool Value) { FDesigner->NeedRecreateWnd = Value; }
    TShortCut StartHotKey() const { return FStartHotKey; }
    void SetStartHotKey(TShortCut Value) { FStartHotKey = Value; }
    TShortCut StopHotKey() const { return FStopHotKey; }
    void SetStopHotKey(TShortCut Value) { FStopHotKey = Value; }
    bool ShowHints() const { return FDesigner->ShowHints; }
    void SetShowHints(bool Value) { FDesigner->ShowHints = Value; }
    bool ShowPalette() const { return FShowPalette; }
    void SetShowPalette(bool Value) { FShowPalette = Value; }
    bool ShowSelf() const { return FShowSelf; }
    void SetShowSelf(bool Value) { FShowSelf = Value; }
    bool ShowAlignPalette() const { return FShowAlignPalette; }
    void SetShowAlignPalette(bool Value) { FShowAlignPalette = Value; }
    bool UseDefaultMenu() const { return FDesigner->UseDefaultMenu; }
    void SetUseDefaultMenu(bool Value) { FDesigner->UseDefaultMenu = Value; }
    // Grid, captions and hints from the global designer options, the hot
    // keys from the global designer-component options; True takes them now.
    bool UseGlobalOptions() const { return FDesigner->UseGlobalOptions(); }
    void SetUseGlobalOptions(bool Value);
    TCompPaletteOptions* PaletteOptions() const { return FPaletteOptions.get(); }
    void SetPaletteOptions(TCompPaletteOptions* Value) { FPaletteOptions->Assign(Value); }
    TInspOptions* InspectorOptions() const { return FInspectorOptions.get(); }
    void SetInspectorOptions(TInspOptions* Value) { FInspectorOptions->Assign(Value); }
    TCodeDesigner* CodeDesigner() const { return FDesigner->CodeDesigner; }
    void SetCodeDesigner(TCodeDesigner* Value);
    TZelSimpleScripter* Scripter() const { return FDesigner->Scripter; }
    void SetScripter(TZelSimpleScripter* Value);
    TBitmap* CaptionGlyph() const { return FCaptionGlyph.get(); }
    void SetCaptionGlyph(TBitmap* Value);
    bool CaptionGlyphChanged() const { return FCaptionGlyphChanged; }
    bool UseCaptionButton() const { return FUseCaptionButton; }
    void SetUseCaptionButton(bool Value);
    // Made on first use; its click toggles design mode.
    TZelCaptionButton* CaptionButton();
    const std::string& ChangesKey() const { return FChangesKey; }
    void SetChangesKey(const std::string& Value) { FChangesKey = Value; }
    bool StoreChanges() const { return FStoreChanges; }
    void SetStoreChanges(bool Value) { FStoreChanges = Value; }
    // Library-wide: the palettes stay on top.
    bool ToolsOnTop() const;
    void SetToolsOnTop(bool Value);

    TActionEvent OnAction;
    TNotifyEvent OnActiveChanged;
    TAllowChangeEvent OnActiveChanging;
    TComponentEvent OnAfterInsertComponent;
    TNotifyEvent OnChange;
    TNotifyEvent OnCloseForm;
    TComponentEvent OnDeleteComponent;
    TComponentEvent OnInsertComponent;
    TEvent<void(TObject* Sender, uint16_t& Key, TShiftState Shift)> OnKeyDown;
    TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseDown;
    TEvent<void(TObject* Sender, TShiftState Shift, int X, int Y)> OnMouseMove;
    TEvent<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)> OnMouseUp;
    TNotifyEvent OnSelectionChanged;
    // Without a handler the icon shows the palette glyph.
    TGetGlyphEvent OnGetComponentGlyph;
    // Without a handler the engine lists the root's components.
    TGetCompNamesEvent OnGetCompNames;
    TPropertyQueryEvent OnEditProperty;
    TPropertyQueryEvent OnShowProperty;
    TProcessedEvent OnSaveChanges;
    TProcessedEvent OnLoadChanges;

    // ---- the limits the engine asks
    bool ActionAllowed(TPersistent* Instance, TActionType Action);
    bool CanEditProperty(TComponent* Component, const std::string& PropName);
    bool CanShowProperty(TComponent* Component, const std::string& PropName);
    bool CanSelectComponent(TComponent* Component);

    // The thread hook's message: the hot key toggles design mode.
    void WMDesignerHook(TZelMessage& Message);
    // Posted once the form has loaded: the stored changes are applied.
    void WMFormLoaded(TMessage& Message);

    // ---- stored changes (with StoreChanges)
    virtual void SaveChanges();
    virtual void LoadChanges();
    virtual void ClearChanges();
    // ChangesKey, or the owner's name followed by this component's name.
    std::string ChangesPath() const;
    TZelCompChanges* Changes() const { return FChanges.get(); }

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    virtual void DoActiveChanged();

private:
    // The palette options go to the palette window as design mode starts.
    void ApplyPaletteOptions();
    void HookEngineEvents();
    void RelayKeyDown(uint16_t& Key, TShiftState Shift);
    void CaptionButtonClick(TObject*) { SetActive(!Active()); }
    void CaptionGlyphEdited(TObject*) { FCaptionGlyphChanged = true; }
    void AttachCaptionButton();

    std::unique_ptr<TLiteFormDesigner> FDesigner;
    std::unique_ptr<TStringList> FHiddenProps = std::make_unique<TStringList>();
    std::unique_ptr<TStringList> FReadOnlyProps = std::make_unique<TStringList>();
    std::unique_ptr<TLimitInfos> FLimitInfos;
    std::unique_ptr<TZelCompChanges> FChanges = std::make_unique<TZelCompChanges>();
    std::unique_ptr<TZelHandleObject> FHandleObject;
    std::unique_ptr<TCompPaletteOptions> FPaletteOptions = std::make_unique<TCompPaletteOptions>();
    std::unique_ptr<TInspOptions> FInspectorOptions = std::make_unique<TInspOptions>();
    std::unique_ptr<TBitmap> FCaptionGlyph;
    TZelCaptionButton* FCaptionButton = nullptr;  // owned as a component
    bool FCaptionGlyphChanged = false;
    bool FUseCaptionButton = false;
    std::unique_ptr<TDataModuleWrapper, TObjectFree> FWrapper;  // made when a data module is designed
    bool FLoadedOnce = false;
    TActionTypes FAllowedActions = AllActionTypes;
    TFDOptions FOptions{fdAllowDelete, fdAllowInsert};
    TComponent* FDesignedComponent = nullptr;
    TComponent* FActiveRoot = nullptr;  // the root while design mode runs
    bool FNameIsReadOnly = false;
    TShortCut FStartHotKey;
    TShortCut FStopHotKey;
    bool FShowPalette = true;
    bool FShowSelf = false;
    bool FShowAlignPalette = false;
    // What this component asked of the shared tool-window counters.
    bool FPaletteRequested = false;
    bool FAlignPaletteRequested = false;
    bool FStoreChanges = false;
    bool FFromHotKey = false;
    bool FHooked = false;
    std::string FChangesKey;
};

class TZelLiteDesigner : public TCustomLiteDesigner {
    QRN_CLASS(TZelLiteDesigner, TCustomLiteDesigner)
public:
    using TCustomLiteDesigner::TCustomLiteDesigner;
};

// Ctrl+F12: both hot keys of a new designer component.
TShortCut DefaultDesignerHotKey();

// The live designer components, in creation order.
const std::vector<TCustomLiteDesigner*>& LiteDesignerList();
