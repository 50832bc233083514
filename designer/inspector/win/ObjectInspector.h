#pragma once
// The object inspector: a two-column grid (property name, value) over the
// published properties of the selected components, through the class
// library's property editors. Rows are grouped and renamed by the alias
// text, sub-properties open below their row, the value cell of the current
// row is edited in place, and committed values go to every selected
// component. TCustomAxInspector collects the property editors itself (so
// rows can follow a custom order and ActiveX controls can join a
// multi-selection); TObjectInspector publishes the properties.
//
//   auto* OI = new TObjectInspector(Form);
//   OI->SetParent(Form);
//   TDesignerSelectionList Sel;
//   Sel.Add(Button1);
//   OI->SetSelection(Sel);
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "designer/inspector/core/InspectorColors.h"
#include "designer/inspector/core/InspectorOptions.h"
#include "designer/inspector/core/InspectorRows.h"
#include "designer/support/MessageBus.h"
#include "framework/classes/ComponentList.h"
#include "framework/design/PropEdits.h"
#include "framework/rtl/StringList.h"
#include "framework/stdctrls/Grids.h"

class TOInplaceEdit;
class TFDesigner;
class TCustomZelOleControl;
class TAxRowSource;
class TPopupMenu;
class TBitmap;
class TComponentEditor;

using TChangeValueProc = TEvent<void(TObject* Sender, TPropertyEditor* PropEdit, std::string& NewVal)>;
using TDrawCellProc =
    TEvent<void(TObject* Sender, TPropertyEditor* PropEdit, int Column, const TRect& ARect, bool& Processed)>;
using TEditClickProc = TEvent<void(TObject* Sender, TPropertyEditor* PropEdit, bool& Processed)>;
// PropEdit is nullptr for a group row.
using TGetCellParamsProc = TEvent<void(TObject* Sender, TPropertyEditor* PropEdit, int Column, TFont* Font)>;
using TOnEditProc = TEvent<void(TObject* Sender, TPropertyEditor* PropEdit, bool& AllowEdit)>;
using TOnShowProc = TEvent<void(TObject* Sender, TPropertyEditor* PropEdit, bool& Show)>;
using TSplitterNotifyProc = TEvent<void(TObject* Sender, int X)>;
using TOICompareEvent =
    TEvent<void(TObject* Sender, TPropertyEditor* PropEdit1, TPropertyEditor* PropEdit2, int& Compare)>;

// Default: rows open as the aliases and the last state say; AutoExpand
// opens every row after a rebuild; AlwaysExpand also keeps them open.
enum TExpandMode { Default, AutoExpand, AlwaysExpand };
QRN_ENUM(TExpandMode, Default, AutoExpand, AlwaysExpand)

class TCustomObjectInspector : public TCustomGrid {
    QRN_CLASS(TCustomObjectInspector, TCustomGrid)
public:
    explicit TCustomObjectInspector(TComponent* AOwner);
    ~TCustomObjectInspector() override;
    void BeforeDestruction() override;

    // ---- the selection
    // Nil or empty clears it; the same set of components only refreshes the
    // values; otherwise the rows are rebuilt once.
    void SetSelection(const TDesignerSelectionList& List);
    void SetSelection(const TComponentList& List);
    void SetSelection(const std::vector<TComponent*>& List);
    TComponent* FirstSelected() const;
    const TDesignerSelectionList& Selection() const { return FSelection; }
    // One component (nullptr: none); fires OnComponentChanged.
    void SetComponent(TComponent* Component);

    // ---- rows
    void RebuildRows();
    void ParseAliases();
    void RefreshValues();
    void ToggleExpand(int ARow);
    // The dialog edit of a row (the value's button, a double click, Ctrl+Enter).
    void EditRow(int ARow);
    // Makes the row of a property current; false when there is none.
    bool SelectProperty(const std::string& PropName);
    std::string PathName(int ARow) const;
    int InfoCount() const { return FRows.Count(); }
    const TInfoRec& Info(int ARow) const { return FRows.Row(ARow); }
    // The current row's property editor (nullptr for none or a group row).
    TPropertyEditor* CurrentEditor() const;
    // A rebuild asked for while updates are locked runs at the last unlock.
    void BeginUpdate() { ++FUpdateCount; }
    void EndUpdate();

    // Runs, for every row from the first, the preparation that painting
    // gives a cell before drawing it (fonts, colours, OnGetCellParams for
    // the name and the value cell), without drawing; works hidden too.
    void FormatAllCells();

    // ---- look and behaviour
    TInspectorStyle Style() const { return FStyle; }
    void SetStyle(TInspectorStyle Value);
    TOIColors* Colors() const { return FColors.get(); }
    void SetColors(TOIColors* Value);
    TLineStyle LineStyle() const { return FLineStyle; }
    void SetLineStyle(TLineStyle Value);
    TOIOptions Options() const { return FOIOptions; }
    void SetOptions(TOIOptions Value);
    TFont* GroupFont() const { return FGroupFont.get(); }
    void SetGroupFont(TFont* Value);
    TTypeKinds Filter() const { return FFilter; }
    void SetFilter(TTypeKinds Value);
    int FixedColWidth() const { return ColWidths(0); }
    void SetFixedColWidth(int Value);
    int SplitterSize() const { return FSplitterSize; }
    void SetSplitterSize(int Value) { FSplitterSize = Value; }
    TExpandMode ExpandMode() const { return FExpandMode; }
    void SetExpandMode(TExpandMode Value);
    bool CustomSort() const { return FCustomSort; }
    void SetCustomSort(bool Value);
    bool ReadOnly() const { return FReadOnly; }
    void SetReadOnly(bool Value);
    bool ShowHints() const { return FShowHints; }
    void SetShowHints(bool Value) { FShowHints = Value; }
    bool SmartRefresh() const { return FSmartRefresh; }
    void SetSmartRefresh(bool Value) { FSmartRefresh = Value; }
    bool TrackDestroy() const { return FTrackDestroy; }
    void SetTrackDestroy(bool Value);
    bool UseGlobalOptions() const { return FUseGlobalOptions; }
    void SetUseGlobalOptions(bool Value);
    const std::string& OtherGroupName() const { return FOtherGroupName; }
    void SetOtherGroupName(const std::string& Value);
    std::string Version() const;
    void SetVersion(const std::string&) {}

    TStrings* Aliases() const { return FAliases.get(); }
    void SetAliases(TStrings* Value);
    TStrings* Descriptions() const { return FDescriptions.get(); }
    void SetDescriptions(TStrings* Value);
    TStrings* HiddenProps() const { return FHiddenProps.get(); }
    void SetHiddenProps(TStrings* Value);
    TStrings* ReadOnlyProps() const { return FReadOnlyProps.get(); }
    void SetReadOnlyProps(TStrings* Value);
    TStrings* PropOrder() const { return FPropOrder.get(); }
    void SetPropOrder(TStrings* Value);

    // The designer the property editors use; nullptr: the first selected
    // component's form designer, else the inspector's own.
    TFormDesigner* Designer() const { return FDesigner; }
    void SetDesigner(TFormDesigner* Value);
    TOInplaceEdit* InplaceEditor() const { return FEditor; }
    // The column border is being dragged.
    bool SplitterDragging() const { return FSplitting; }

    // ---- events
    TNotifyEvent OnActivePropertyChanged;
    TNotifyEvent OnComponentChanged;
    TChangeValueProc OnChangePropValue;
    TChangeValueProc OnChangedPropValue;
    TDrawCellProc OnDrawCell;
    TEditClickProc OnEditButtonClick;
    TGetCellParamsProc OnGetCellParams;
    TOnEditProc OnEditProperty;
    TSplitterNotifyProc OnSplitterMoving;
    TSplitterNotifyProc OnSplitterMoved;
    const TOnShowProc& OnShowProperty() const { return FOnShowProperty; }
    void SetOnShowProperty(const TOnShowProc& Value);

    // ---- virtual operations, in slot order
    // F1.
    virtual void ShowHelp() {}
    virtual const TClass* GetInplaceEditClass();
    // Sets Value on every selected component through PropEdit (the rules of
    // an edit: read-only rows, the designer, the events); raises what the
    // property editor raises.
    virtual void CommitValue(TPropertyEditor* PropEdit, const std::string& Value);
    virtual void DoComponentChanged();
    // Every property editor of Components, handed to Proc (one rebuild may
    // call it once per component).
    virtual void GetProperties(const TDesignerSelectionList& Components, TTypeKinds AFilter, TFormDesigner* ADesigner,
                               const TGetPropEditProc& Proc);
    virtual bool IsEmpty() const;
    virtual bool HasExpandableRows() const { return FRows.HasExpandableRows(); }
    virtual void Reserved() {}
    // Keys the grid handles itself, also while the in-place editor has the focus.
    virtual bool WantsKey(uint16_t Key, TShiftState Shift);
    virtual const TClass* GetEditClass(TPropertyEditor* PropEdit);
    virtual const TClass* GetPopupClass(TPropertyEditor* PropEdit);
    // Of the current row, from Descriptions.
    virtual std::string GetDescription();

    // Whether the row may be edited (the commit rules without the equality
    // shortcut).
    bool CanEditRow(int ARow);
    // The popup menu a right click shows.
    TPopupMenu* InspectorPopup() const { return FPopup; }
    void ShowPopupAt(int ScreenX, int ScreenY);

    // The first parent creates the in-place editor and the rows.
    void SetParent(TWinControl* AParent) override;
    void WndProc(TMessage& Message) override;

    // The bus.
    void DesignerModified(TZelMessage& Message);
    void ComponentsFreed(TZelMessage& Message);
    void RebuildRequested(TZelMessage& Message);

protected:
    void Loaded() override;
    void Notification(TComponent* AComponent, TOperation Operation) override;
    void CreateParams(TCreateParams& Params) override;
    void Paint() override;
    void Resize() override;
    void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
    bool SelectCell(int ACol, int ARow) override;
    void TopLeftChanged() override;
    void CurrentChanged() override;
    void KeyDown(uint16_t& Key, TShiftState Shift) override;
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void MouseMove(TShiftState Shift, int X, int Y) override;
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
    void DblClick() override;

    // The row list and its owned editors.
    TInspectorRows& Rows() { return FRows; }
    // A rebuild starts: the editors of the last one go.
    virtual void RowsRebuilding() {}
    // The designer of the rebuild running now.
    TFormDesigner* RebuildDesigner();
    // Places the in-place editor on the current row (hides it for none).
    void UpdateEditor();
    void HideEditor();
    // Hides the editor and lets go of its property editor (rows are about
    // to change).
    void DetachEditor();

private:
    friend class TOInplaceEdit;
    void ReplaceSelection(std::vector<TPersistent*> Items);
    void ForgetSelection();
    // The selection as the designer's rules and the bus take it.
    std::unique_ptr<TList> SelectionList() const;
    // DesignerModifiedMessage with the selection.
    void BroadcastModified();
    void ClearSelection();
    void Watch(TPersistent* Item, bool On);
    // A selected object that is freed leaves the selection.
    void ObjectFreed(const void* Address);
    void DropFromSelection(TPersistent* Item);
    void ApplyRowRules();
    void RowsChanged(int Current);
    void AfterResize();
    void PrepareCell(int ACol, int ARow);
    void DrawNameCell(int ARow, const TRect& ARect);
    void DrawValueCell(int ARow, const TRect& ARect);
    void DrawRowLines(int ACol, int ARow, const TRect& ARect);
    int TextIndent(int ARow) const;
    bool RowIsReadOnly(int ARow);
    void ColorsChanged(TObject* Sender);
    void ListChanged(TObject* Sender);
    // After a rebuild the row's property may differ at the same index.
    void ActiveRowChanged(bool Rebuilt);
    void KeypadKey(uint16_t Key);
    void StartSplitter(int X);
    void MoveSplitter(int X);
    void EndSplitter(int X, bool Apply);
    void DrawSplitterLine(int X);
    void UpdateCellHint(int X, int Y);
    void DrawGlyph(int X, int Y, bool Expanded);

    TInspectorRows FRows;
    TDesignerSelectionList FSelection;
    TInspectorStyle FStyle = isOstrel;
    std::unique_ptr<TOIColors, TObjectFree> FColors;
    TLineStyle FLineStyle = DottedLine;
    TOIOptions FOIOptions = DefaultOIOptions;
    std::unique_ptr<TFont> FGroupFont;
    TTypeKinds FFilter = tkAny - TTypeKinds{tkMethod, tkInterface};
    std::unique_ptr<TStringList> FAliases, FDescriptions, FHiddenProps, FReadOnlyProps, FPropOrder;
    std::string FOtherGroupName;
    TExpandMode FExpandMode = Default;
    TOnShowProc FOnShowProperty;
    std::unique_ptr<TFDesigner> FOwnDesigner;
    TFormDesigner* FDesigner = nullptr;
    TFormDesigner* FActiveDesigner = nullptr;       // during a rebuild
    TOInplaceEdit* FEditor = nullptr;               // owned as a child component
    TPopupMenu* FPopup = nullptr;                   // owned as a child component
    std::unique_ptr<TComponentEditor> FVerbEditor;  // whose verbs the popup shows
    std::unique_ptr<TBitmap> FPlusGlyph, FMinusGlyph;
    // One hidden instance per edit class that paints values itself.
    std::map<const TClass*, TControl*> FValuePainters;
    TPoint FLastMouse;
    int FSplitterSize = 3;
    int FUpdateCount = 0;
    int FLastActiveRow = -1;
    int FSplitX = 0;
    bool FRebuildPending = false;
    bool FCustomSort = false;
    bool FReadOnly = false;
    bool FShowHints = false;
    bool FSmartRefresh = true;
    bool FTrackDestroy = true;
    bool FUseGlobalOptions = false;
    bool FSplitting = false;
    bool FDestroying = false;
    bool FRowsBuilt = false;
    bool FRowsChanging = false;
    bool FCommitting = false;  // a value is being set (CommitValue, EditRow)
};

// Collects the property editors of a selection itself: the rows can
// follow a custom order (CustomSort with PropOrder, OnCompare), and each
// ActiveX control of a multi-selection adds its own set of editors, of
// which only the names every set has become rows (through one group
// editor per name). The ActiveX enumeration plugs in through
// IsOleControl, EnumerateAxControl and CreateGroupEditor.
class TCustomAxInspector : public TCustomObjectInspector {
    QRN_CLASS(TCustomAxInspector, TCustomObjectInspector)
public:
    explicit TCustomAxInspector(TComponent* AOwner);
    ~TCustomAxInspector() override;

    const TOICompareEvent& OnCompare() const { return FOnCompare; }
    void SetOnCompare(const TOICompareEvent& Value);

    // ---- virtual operations added, in slot order
    // True with oiShowActiveX for an ActiveX control.
    virtual bool IsOleControl(TComponent* Component);
    // Name order (case-sensitive), PropOrder first with CustomSort, then
    // OnCompare.
    virtual int CompareRows(TPropertyEditor* PropEdit1, TPropertyEditor* PropEdit2);

    void GetProperties(const TDesignerSelectionList& Components, TTypeKinds AFilter, TFormDesigner* ADesigner,
                       const TGetPropEditProc& Proc) override;

    // The last enumerated ActiveX control gave its automation interface.
    bool AxMode() const { return FAxMode; }
    bool IsZelControl() const { return FIsZelControl; }
    TCustomZelOleControl* OleControl() const { return FOleControl; }

    // The ActiveX side (AxInspector.cpp): rows from type information, their
    // edit classes, help and descriptions.
    TAxRowSource* AxRows() const { return FAxRows; }
    void ShowHelp() override;
    const TClass* GetInplaceEditClass() override;
    const TClass* GetEditClass(TPropertyEditor* PropEdit) override;
    const TClass* GetPopupClass(TPropertyEditor* PropEdit) override;
    std::string GetDescription() override;

protected:
    // Appends the editors of one ActiveX control to EditorList (its own
    // published properties and, with its automation interface, its type
    // information); sets AxMode.
    virtual void EnumerateAxControl(TComponent* Control, TTypeKinds AFilter, TFormDesigner* ADesigner);
    // One editor standing for a run of equal names from several sets (one
    // per set, in run order); nullptr drops the name.
    virtual std::unique_ptr<TPropertyEditor> CreateGroupEditor(const std::vector<TPropertyEditor*>& Run);
    // The editors of the running rebuild; a group editor's members stay
    // here until the next rebuild.
    void AddEditor(std::unique_ptr<TPropertyEditor> Editor) { FEditorList.push_back(std::move(Editor)); }
    std::vector<std::unique_ptr<TPropertyEditor>>& EditorList() { return FEditorList; }
    void SetAxState(bool AxMode, bool IsZelControl, TCustomZelOleControl* Control);
    void RowsRebuilding() override { FFreshRebuild = true; }

private:
    std::vector<std::unique_ptr<TPropertyEditor>> FEditorList;
    bool FFreshRebuild = true;
    TOICompareEvent FOnCompare;
    TCustomZelOleControl* FOleControl = nullptr;
    bool FAxMode = false;
    bool FIsZelControl = false;
    TAxRowSource* FAxRows;  // owned as a component
};

class TObjectInspector : public TCustomAxInspector {
    QRN_CLASS(TObjectInspector, TCustomAxInspector)
public:
    using TCustomAxInspector::TCustomAxInspector;
};

// Where a splitter dragged to X leaves the column border of a grid Width
// pixels wide: 40 pixels from either side, the middle when narrower.
int ClampSplitter(int X, int Width);

// Every live inspector, in creation order.
using TInspectorList = std::vector<TCustomObjectInspector*>;
const TInspectorList& InspectorList();
