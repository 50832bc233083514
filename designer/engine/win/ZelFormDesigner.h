#pragma once
// The form designer engine: installed as a live form's designer it turns
// the form into a designed one. Every message of the form's designed
// controls reaches FilterDesignMessage first, which selects, moves, sizes
// and inserts components, runs the editing commands and keeps undo.
//
//   auto Designer = std::make_unique<TZelFormDesigner>();
//   Designer->SetForm(Form);
//   Designer->SetActive(true);      // the form is designed from now on
//   ...
//   Designer->SetActive(false);
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "designer/engine/UndoHistory.h"
#include "designer/engine/win/ComponentIcons.h"
#include "designer/engine/win/ControlHandles.h"
#include "designer/engine/win/SelectionMarks.h"
#include "designer/support/CodeDesigner.h"
#include "designer/support/FormFiler.h"
#include "designer/support/win/FDesigner.h"

class TPopupMenu;
class THintWindow;
class TComponentEditor;
class TDesignerBusListener;

// What the designer component may forbid per component (the limits).
// In this order: stored sets of actions and the inspector's texts show it.
enum TActionType { atSelect, atDelete, atInsertInto, atMove, atResize, atShow, atEdit };

class TZelFormDesigner : public TFDesigner {
public:
    TZelFormDesigner();
    ~TZelFormDesigner() override;

    // ---- framework operations this designer fills differently
    bool IsDesignMessage(TControl* Sender, TMessage& Message) override;
    void NotifyModified() override;
    void ComponentNotification(TComponent* AComponent, TOperation Operation) override;
    void PaintGrid() override;
    void NotifyRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) override;
    void SelectSingle(TPersistent* Instance) override;
    // The engine's part of the limits: a component of the design root,
    // not the design container but within it, whose class has an icon.
    bool CanSelectComponent(TComponent* Component) override;
    void SetSelectedComponents(TDesignerSelectionList* List) override;
    // Handler names: a created handler gets a code in the filer's
    // method-name table (and goes to the attached code designer); names are
    // looked up, listed and renamed there.
    TMethod CreateEventMethod(const std::string& Name, const TTypeInfo* TypeData) override;
    std::string GetEventMethodName(const TMethod& Method) override;
    void EnumEventMethods(const TTypeInfo* TypeData, TGetStrProc Proc) override;
    bool EventMethodExists(const std::string& Name) override;
    // Every event of the root and of the components it owns that names
    // CurName is bound to NewName.
    void RenameEventMethod(const std::string& CurName, const std::string& NewName) override;
    void ShowEventMethod(const std::string& Name) override;
    // The root's own components, then those of every other designed root
    // as "Root.Name".
    void EnumComponentNames(const TTypeInfo* TypeData, TGetStrProc Proc) override;
    bool IsLinkable(TComponent*) override { return false; }
    void MakeLinkable(TComponent*) override {}

    // ---- design mode and the message filter
    bool Active() const { return FActive; }
    void SetActive(bool Value);
    // True when the message was consumed. Sender is a control of the form
    // or a non-visual component whose icon got the message.
    bool FilterDesignMessage(TComponent* Sender, TMessage& Message);
    bool IsActiveAndTopmost();
    void DoCloseForm();

    // ---- input (X, Y in screen coordinates)
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y);
    void MouseMove(TShiftState Shift, int X, int Y);
    // The mouse left a control: the hint over controls goes once it is off
    // the form.
    void MouseLeave();
    void KeyDown(uint16_t& Key, TShiftState Shift);

    // ---- selection
    void BeginSelectionUpdate();
    void EndSelectionUpdate();
    const std::vector<TComponent*>& GetSelection() const { return FSelection; }
    void ClearSelection();
    void Select(TComponent* Component);
    bool IsSelected(const TComponent* Component) const;

    // ---- commands on the selection
    void AlignToGrid();
    void Align(int Horz, int Vert);
    void Size(int Width, int Height);
    // Scales every control of the form by Percent (100 = unchanged).
    void Scale(int Percent);
    // Asks for the percentage first.
    void ScaleWithDialog();
    void BringToFront();
    void SendToBack();
    bool LockControls() const { return FLockControls; }
    void SetLockControls(bool Value);
    void DeleteSelection();
    void CopySelection();
    void CutSelection();
    void Paste();
    // The component clipboard's text of the selection (what Copy puts on
    // the clipboard) and the reading of such text into the container.
    std::string SelectionAsText();
    void PasteText(const std::string& Text);
    void Undo();
    void Redo();
    // Bracket the writing of the designed root: meanwhile its class carries
    // the name "T" + root name and the handler names of the filer.
    void BeginSave();
    void EndSave();
    TCompFiler* Filer() const { return FFiler.get(); }
    // The glyph of a class for its component icon: the get-glyph event
    // fills Bitmap when it is set, else the class's palette glyph.
    void GetComponentGlyph(const TClass* ClassType, TBitmap* Bitmap);
    // Inserts a component of the class (palette name) into Container with
    // Band in the container's client coordinates (a band under 10 pixels
    // keeps the class's size); Centred places it in the form's middle.
    // ClassName is a copy: the insertion's broadcast empties the palette's
    // selected name.
    TComponent* InsertComponent(std::string ClassName, TWinControl* Container, TRect Band, bool Centred);
    // The default menu, and the menu a right click pops up (the chosen
    // menu's items with the component editor's verbs).
    TPopupMenu* DefaultPopupMenu() const { return FDefaultMenu; }
    TPopupMenu* VerbMenu() const { return FVerbMenu; }

    // ---- options
    int GridStepX = 8;
    int GridStepY = 8;
    bool ShowGrid = true;
    bool SnapToGrid = true;
    bool ShowCaptions = true;
    bool ShowComponents = true;
    bool ShowHints = false;
    bool ShowInspector = false;
    bool HideOnClose = true;
    bool AllowUndo = true;
    bool UseDefaultMenu = true;
    bool NeedRecreateWnd = false;
    // Grid, captions and hints follow the global designer options; turning
    // it on takes them at once.
    bool UseGlobalOptions() const { return FUseGlobalOptions; }
    void SetUseGlobalOptions(bool Value);
    TPopupMenu* PopupMenu = nullptr;  // the user's menu when UseDefaultMenu is off
    // Attached by the designer component; not owned (it clears them when
    // they go).
    TCodeDesigner* CodeDesigner = nullptr;
    TZelSimpleScripter* Scripter = nullptr;
    // The limits: nullptr allows everything.
    std::function<bool(TComponent* Component, TActionType Action)> IsAllowed;

    // ---- events (the designer component relays them)
    std::function<void()> OnCloseForm;
    std::function<void()> OnSelectionChanged;
    std::function<void()> OnChange;
    std::function<void()> OnActiveChanged;
    std::function<void(TComponent*)> OnInsertComponent;
    std::function<void(TComponent*)> OnDeleteComponent;
    std::function<void(TComponent*)> OnAfterInsertComponent;
    std::function<void(TMouseButton, TShiftState, int, int)> OnMouseDown;
    std::function<void(TShiftState, int, int)> OnMouseMove;
    std::function<void(TMouseButton, TShiftState, int, int)> OnMouseUp;
    std::function<void(uint16_t&, TShiftState)> OnKeyDown;
    std::function<void(const TClass* ClassType, TBitmap* Bitmap)> OnGetComponentGlyph;
    // The align and size dialogs: true with the chosen codes when accepted
    // (the library's modal dialogs unless replaced).
    std::function<bool(int& Horz, int& Vert)> AlignDialog;
    std::function<bool(int& Width, int& Height)> SizeDialog;
    // Shows a popup menu at a screen point (a test replaces it).
    std::function<void(TPopupMenu* Menu, int X, int Y)> ShowPopup;

    // ---- state, for the designer component and tests
    TControlHandles* Handles() const { return FHandles.get(); }
    TComponentContainer* IconOf(const TComponent* Component) const;
    bool RubberBanding() const { return FRubberBanding; }
    bool Moving() const { return FMoving; }
    // The tracked rectangles of a drag, in screen coordinates.
    TRect BandRect() const { return NormalizeRect(FBand); }
    TRect MoveFrameRect() const;
    const TUndoHistory& History() const { return FUndo; }
    int UndoGroup() const { return FUndoGroup; }
    TWinControl* InsertionContainer() const { return FContainer; }
    // The text of the drag hint shown now ("" when hidden).
    const std::string& DragHintText() const { return FHintText; }

private:
    friend class TDesignerBusListener;
    // Runs Proc inside a selection update (closed on every path).
    void InSelectionUpdate(const std::function<void()>& Proc);
    bool Allowed(TComponent* Component, TActionType Action) const;
    TComponent* ClickedComponent(TComponent* Target) const;
    // Whether a click, a Shift+click, the rubber band or an arrow key may
    // add Component to the selection.
    bool CanAddToSelection(TComponent* Component);
    // The attached code designer's say on a new name (raises when it
    // refuses), then its notice of the rename.
    void CheckRenameWithCode(TComponent* Component, const std::string& CurName, const std::string& NewName);
    // The component's handlers named after it follow its new name.
    void RenameHandlersOf(TComponent* Component, const std::string& CurName, const std::string& NewName);
    TWinControl* ContainerAt(TComponent* Target) const;
    bool HandleFormMessage(TMessage& Message, TShiftState Shift, int X, int Y, bool& Consumed);
    bool HandleControlMessage(TComponent* Sender, TMessage& Message, TShiftState Shift, int X, int Y,
                              bool HandlesMouse);
    bool HandBack(TComponent* Sender, TMessage& Message);
    void PaletteSelected(const std::string& ClassName, intptr_t Flags);
    void ShowHandlesOfSelection();
    void UpdateMarks(bool Show);
    std::vector<TControl*> MarkedControls() const;
    void InspectorChanged() { FInspectorSelectionChanged = true; }
    void SetCapture(bool On);
    void EndDrag(bool Apply);
    void EndRubberBand();
    void DrawMoveFrames() const;
    void EndMove();
    void KeyMoveOrSize(int DX, int DY, bool Resize);
    void SelectNearest(TDirection Direction);
    void SelectParentOfSelection();
    std::vector<TControl*> SelectedControls(TActionType Action) const;
    void CheckInsertable(const TClass* Class, bool IsControl);
    void PlaceNewComponent(TComponent* Component, TWinControl* Container, TRect Band, bool Centred);
    void AfterInsert(TComponent* Component);
    void DeleteComponents(std::vector<TComponent*> Components);
    std::string ComponentAsBinary(TComponent* Component);
    std::vector<TComponent*> ReadComponents(const std::string& Binary, TWinControl* Container, bool FromUndo);
    void RecordBounds(TComponent* Component);
    void RecordInserted(TComponent* Component);
    void Replay(std::vector<TUndoInfo>& Step);
    void CreateIcon(TComponent* Component, TPoint Position);
    void RemoveIcon(TComponent* Component);
    // Icons of components that joined the root, made once their
    // construction is over (their class is not known before).
    void MakePendingIcons();
    void FollowIcons();
    void ShowPopupMenu(int X, int Y);
    // Opens the component editor of Component and runs its default action.
    void EditComponent(TComponent* Component);
    void BuildDefaultMenu();
    // With ShowHints: the size or position of a drag beside the cursor.
    void ShowDragHint(const std::string& Text, TPoint Screen);
    void HideDragHint();
    void HandlesStartSizing();
    void HandlesSized();
    void ValidateSizingRect(TRect& R);

    bool FActive = false;
    bool FUseGlobalOptions = false;
    bool FBusy = false;
    bool FInMenuLoop = false;
    bool FRubberBanding = false;
    bool FMoving = false;
    bool FPendingHandles = false;
    bool FFirstMovePending = false;
    bool FLockControls = false;
    bool FDeleting = false;
    bool FCaptured = false;
    bool FTargetHandlesMouse = false;  // the design hit test of the message now filtered
    std::vector<TComponent*> FDeleteSnapshot;  // entries freed meanwhile become nullptr
    std::vector<TComponent*> FPendingIcons;    // joined the root, icon not made yet
    TComponent* FTarget = nullptr;
    TWinControl* FContainer = nullptr;  // under the mouse at the last press
    TRect FBand;                        // rubber band, screen coordinates
    TRect FContainerRect;               // the container's client area on the screen
    TPoint FMoveStart;
    TPoint FMoveDelta;  // the move so far (on the grid when snapping)
    std::unique_ptr<TControlHandles> FHandles;
    // In the order the icons were made, which rubber band and arrow keys
    // walk: the order of the components, not of their addresses.
    std::vector<std::pair<const TComponent*, std::unique_ptr<TComponentContainer>>> FIcons;
    COLORREF FIconCaptionColor = CLR_INVALID;
    std::vector<TComponent*> FSelection;
    TSelectionMarks FMarks;
    std::vector<TComponent*> FSavedSelection;
    TDesignerSelectionList FInspectorSelection;
    bool FInspectorSelectionChanged = false;
    int FUpdateCount = 0;
    int FUndoGroup = 0;
    TUndoHistory FUndo;
    TRect FSizingStart;
    TComponent* FSizingComponent = nullptr;
    std::string FLastPastedName;
    int FPasteCount = 0;
    TPopupMenu* FDefaultMenu = nullptr;
    TPopupMenu* FVerbMenu = nullptr;
    std::unique_ptr<TComponentEditor> FComponentEditor;  // the one opened last
    std::unique_ptr<TComponent, TObjectFree> FMenuOwner;
    std::unique_ptr<TDesignerBusListener> FListener;
    std::unique_ptr<THintWindow, TObjectFree> FHint;  // made on first use
    std::string FHintText;
    std::unique_ptr<TCompFiler, TObjectFree> FFiler;
    std::string FCreatedMethod;  // created since the last NotifyModified
    // What each handler created in this run was made for (upper-cased
    // name to its method type's key).
    std::map<std::string, std::string> FMethodTypes;
    std::string MethodTypeKey(const std::string& Name);
};
