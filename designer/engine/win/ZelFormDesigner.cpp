#include "designer/engine/win/ZelFormDesigner.h"

#include <algorithm>
#include <utility>

#include "designer/engine/win/AlignDialogs.h"
#include "designer/engine/win/DesignerOptions.h"
#include "designer/support/ComponentNames.h"
#include "designer/support/MessageBus.h"
#include "designer/support/win/CompPalette.h"
#include "designer/support/win/ComponentRegistration.h"
#include "designer/support/win/DesignerLookups.h"
#include "designer/support/win/PaletteGlyphs.h"
#include "framework/classes/DataModule.h"
#include "framework/design/ComponentEditors.h"
#include "framework/forms/Forms.h"
#include "framework/menus/Menus.h"

// Hears the palette's class choice on the library's bus.
class TDesignerBusListener : public TObject {
public:
    explicit TDesignerBusListener(TZelFormDesigner* Owner) : FOwner(Owner) { AddListener(this); }
    ~TDesignerBusListener() override { RemoveListener(this); }
    void DefaultHandler(void* Message) override {
        auto* M = static_cast<TZelMessage*>(Message);
        if (M->Msg != PaletteSelectMessage) return;
        const char* Name = reinterpret_cast<const char*>(M->WParam);
        FOwner->PaletteSelected(Name ? Name : "", M->LParam);
    }

private:
    TZelFormDesigner* FOwner;
};

namespace {

// Posted to the designed form: components that joined the root meanwhile
// get their icons.
constexpr UINT MakeIconsMessage = WM_APP + 0x43;

bool IsPositionMessage(const TMessage& M, const TControl* Control) {
    if (M.Msg == WM_SIZE || M.Msg == WM_MOVE || M.Msg == WM_WINDOWPOSCHANGED || M.Msg == WM_MOVING) return true;
    return M.Msg == WM_SIZING && !Control->ComponentState().Contains(csReading) &&
           !Control->ComponentState().Contains(csDestroying);
}

}  // namespace

void TZelFormDesigner::InSelectionUpdate(const std::function<void()>& Proc) {
    BeginSelectionUpdate();
    try {
        Proc();
    } catch (...) {
        // Closed on the way out too; an error of the closing would hide the
        // first one.
        try {
            EndSelectionUpdate();
        } catch (...) {
        }
        throw;
    }
    // Outside any destructor: what the selection's listeners raise reaches
    // the caller (and the window procedure's handler), never terminate.
    EndSelectionUpdate();
}

TZelFormDesigner::TZelFormDesigner() {
    FMenuOwner.reset(new TComponent(nullptr));
    FFiler.reset(new TCompFiler());
    BuildDefaultMenu();
    AlignDialog = &RunAlignmentDialog;
    SizeDialog = &RunSizeDialog;
    FListener = std::make_unique<TDesignerBusListener>(this);
}

TZelFormDesigner::~TZelFormDesigner() {
    FListener.reset();
    try {
        SetActive(false);
    } catch (...) {
        HandleCallbackException(nullptr);
    }
    FUndo.Clear();
    FIcons.clear();
    FHandles.reset();
    FHint.reset();
    // Inspectors let go of a selection that is about to go away.
    BroadcastToListeners(nullptr, SelectionChangedMessage, 0, 0);
}

// ---- design mode

void TZelFormDesigner::SetActive(bool Value) {
    if (Value == FActive || !Form()) return;
    TCustomForm* F = Form();
    InSelectionUpdate([&] {
        if (Value) {
            FActive = true;
            FUndo.Clear();
            FHandles = std::make_unique<TControlHandles>();
            FHandles->FilterMessage = [this](TControl* Sender, TMessage& M) { return FilterDesignMessage(Sender, M); };
            FHandles->OnStartSizeChanging = [this](TControlHandles*) { HandlesStartSizing(); };
            FHandles->OnSizeChanged = [this](TControlHandles*, int, int) { HandlesSized(); };
            FHandles->OnSizeChanging = [this](TControlHandles* H, int Width, int Height) {
                ShowDragHint(std::to_string(Width) + " x " + std::to_string(Height), H->SizingRect().BottomRight());
            };
            FHandles->OnValidateRect = [this](TControlHandles*, TRect& R) { ValidateSizingRect(R); };
            F->SetDesigner(this);
            if (Scripter) Scripter->DesignModeChanged(true);
            F->SetDesigning(true);
            if (NeedRecreateWnd) F->RecreateWnd();
            else F->Invalidate();
            if (ShowComponents) {
                TComponent* Root = GetDesignRoot();
                for (int I = 0; I < Root->ComponentCount(); ++I)
                    if (!dynamic_cast<TControl*>(Root->Components(I))) CreateIcon(Root->Components(I), {-1, -1});
            }
            if (ShowInspector) BroadcastToListeners(nullptr, BusyStateMessage, 0, 0);
            SelectSingle(GetDesignContainer() ? static_cast<TComponent*>(GetDesignContainer()) : GetDesignRoot());
        } else {
            if (ShowInspector) BroadcastToListeners(nullptr, BusyEndMessage, 0, 0);
            EndDrag(false);
            ClearSelection();
            FIcons.clear();
            FPendingIcons.clear();
            F->SetDesigning(false);
            if (Scripter) Scripter->DesignModeChanged(false);
            FHandles.reset();
            if (NeedRecreateWnd) F->RecreateWnd();
            else F->Invalidate();
            if (F->Designer() == this) F->SetDesigner(nullptr);
            FActive = false;
        }
        if (OnActiveChanged) OnActiveChanged();
    });
    if (!F->ComponentState().Contains(csDestroying)) F->Invalidate();
}

void TZelFormDesigner::SetUseGlobalOptions(bool Value) {
    if (Value && !FUseGlobalOptions) TOptionExt::Global<TDesignerOptions>()->ApplyTo(this);
    FUseGlobalOptions = Value;
}

bool TZelFormDesigner::IsActiveAndTopmost() { return FActive && IsTopmostVisibleForm(Form()); }

void TZelFormDesigner::DoCloseForm() {
    if (HideOnClose) {
        ShowWindow(Form()->Handle(), SW_HIDE);
        return;
    }
    if (OnCloseForm) OnCloseForm();
}

// ---- the message filter

bool TZelFormDesigner::IsDesignMessage(TControl* Sender, TMessage& Message) {
    return FilterDesignMessage(Sender, Message);
}

bool TZelFormDesigner::HandBack(TComponent* Sender, TMessage& Message) {
    auto* Control = dynamic_cast<TControl*>(Sender);
    if (!Control) return false;
    FBusy = true;
    struct TDone {
        bool& Busy;
        ~TDone() { Busy = false; }
    } Done{FBusy};
    Message.Result = Control->Perform(Message.Msg, Message.WParam, Message.LParam);
    return true;
}

bool TZelFormDesigner::FilterDesignMessage(TComponent* Sender, TMessage& Message) {
    FTarget = Sender;
    if (Message.Msg == MakeIconsMessage && FActive && Sender == static_cast<TComponent*>(Form())) {
        MakePendingIcons();
        return true;
    }
    if (!FActive || FBusy || !Sender || Sender->ComponentState().Contains(csDestroying)) return false;
    if (FInMenuLoop && Message.Msg == WM_RBUTTONDOWN) ClearSelection();
    try {
        auto* Control = dynamic_cast<TControl*>(Sender);
        if (Control && IsPositionMessage(Message, Control)) {
            HandBack(Sender, Message);
            if ((Message.Msg == WM_SIZING || Message.Msg == WM_MOVING) && Sender == static_cast<TComponent*>(Form()))
                NotifyModified();
            if (FHandles) FHandles->Update();
            return true;
        }
        const TPoint P = DecodeMessagePos(GetMessagePos());
        bool HandlesMouse = false;
        if (Control && Message.Msg >= WM_MOUSEMOVE && Message.Msg <= WM_MOUSEWHEEL) {
            const TPoint C = Control->ScreenToClient(P);
            FBusy = true;
            struct TDone {
                bool& Busy;
                ~TDone() { Busy = false; }
            } Done{FBusy};
            HandlesMouse = Control->Perform(CM_DESIGNHITTEST, Message.WParam, MAKELPARAM(C.X, C.Y)) != 0;
        }
        if (FRubberBanding || FMoving || (FHandles && FHandles->Sizing())) HandlesMouse = false;
        FTargetHandlesMouse = HandlesMouse;
        const TShiftState Shift = KeysToShiftState(Message.WParam);
        if (Sender == static_cast<TComponent*>(Form())) {
            bool Consumed = false;
            if (HandleFormMessage(Message, Shift, P.X, P.Y, Consumed)) return Consumed;
        }
        return HandleControlMessage(Sender, Message, Shift, P.X, P.Y, HandlesMouse);
    } catch (...) {
        HandleCallbackException(nullptr);
        return false;
    }
}

bool TZelFormDesigner::HandleFormMessage(TMessage& Message, TShiftState, int, int, bool& Consumed) {
    Consumed = true;
    switch (Message.Msg) {
        case WM_COMMAND:
            // A command of the designed form's main menu opens that item's
            // editor (not for a top item that only opens its sub-items).
            if (TMainMenu* Menu = Form()->Menu()) {
                TMenuItem* Item = Menu->FindItem(LOWORD(Message.WParam), fkCommand);
                if (Item && !(Item->Parent() == Menu->Items() && Item->Count() > 0)) EditComponent(Item);
            }
            return true;
        case WM_SETFOCUS: SelectionChanged(); return true;
        case WM_KILLFOCUS: EndDrag(false); return true;
        case WM_CAPTURECHANGED:
            // Another window took the mouse: the drag cannot go on.
            if (reinterpret_cast<HWND>(Message.LParam) != Form()->Handle()) {
                FCaptured = false;
                EndDrag(false);
            }
            return true;
        case WM_PAINT:
            if (ShowGrid && FIconCaptionColor != ColorToRGB(Form()->Color())) {
                FIconCaptionColor = ColorToRGB(Form()->Color());
                for (auto& [C, Icon] : FIcons) Icon->SetCaptionColor(FIconCaptionColor);
            }
            HandBack(Form(), Message);
            if (FHandles) FHandles->Update();
            FMarks.Repaint(Form()->Handle(), MarkedControls());
            return true;
        case WM_CLOSE: DoCloseForm(); return true;
        case WM_LBUTTONUP: MouseUp(mbLeft, {}, 0, 0); return true;
        case WM_ENTERMENULOOP: FInMenuLoop = true; return true;
        case WM_EXITMENULOOP: FInMenuLoop = false; return true;
        default: return false;
    }
}

bool TZelFormDesigner::HandleControlMessage(TComponent* Sender, TMessage& Message, TShiftState Shift, int X, int Y,
                                            bool HandlesMouse) {
    switch (Message.Msg) {
        case WM_LBUTTONDOWN:
            MouseDown(mbLeft, Shift, X, Y);
            if (!HandlesMouse) return true;
            if (FPendingHandles) {
                FPendingHandles = false;
                ShowHandlesOfSelection();
            }
            EndDrag(false);
            return false;
        case WM_LBUTTONDBLCLK: MouseDown(mbLeft, Shift + TShiftState{ssDouble}, X, Y); return true;
        case WM_RBUTTONDOWN: MouseDown(mbRight, Shift, X, Y); return true;
        case WM_LBUTTONUP:
            if (HandlesMouse) return false;
            MouseUp(mbLeft, Shift, X, Y);
            return true;
        case WM_RBUTTONUP: MouseUp(mbRight, Shift, X, Y); return true;
        case WM_MOUSEMOVE:
            if (HandlesMouse) return false;
            MouseMove(Shift, X, Y);
            return true;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            if (FHandles && FHandles->Sizing() && Message.WParam == VK_ESCAPE) {
                FHandles->Cancel();
                HideDragHint();
                return true;
            }
            uint16_t Key = LOWORD(Message.WParam);
            KeyDown(Key, KeyDataToShiftState(Message.LParam));
            return Key == 0;
        }
        case WM_WINDOWPOSCHANGED:
            HandBack(Sender, Message);
            return true;
        case WM_PAINT:
        case WM_SETTEXT:
        case WM_ENABLE:
        case BM_SETSTATE:
        case BM_SETCHECK:
            // A marked control that paints itself again keeps its marks
            // (some system controls paint at once on these, not in WM_PAINT).
            if (auto* W = dynamic_cast<TWinControl*>(Sender); W && W->HandleAllocated() && FMarks.Shown()) {
                HandBack(Sender, Message);
                FMarks.Repaint(W->Handle(), MarkedControls());
                return true;
            }
            return false;
        case CM_MOUSELEAVE: MouseLeave(); return false;
        case WM_SETCURSOR:
            if (FRubberBanding || FMoving) {
                SetCursor(LoadCursorA(nullptr, IDC_ARROW));
                Message.Result = 1;
                return true;
            }
            return false;
        default: return false;
    }
}

// ---- selection

void TZelFormDesigner::BeginSelectionUpdate() {
    if (FUpdateCount == 0) {
        FSavedSelection = FSelection;
        FInspectorSelectionChanged = false;
    }
    ++FUpdateCount;
    ++FUndoGroup;
}

void TZelFormDesigner::EndSelectionUpdate() {
    if (FUpdateCount == 0) return;
    if (--FUpdateCount > 0 || !FActive) return;
    if (FSelection != FSavedSelection && OnSelectionChanged) OnSelectionChanged();
    if (FInspectorSelectionChanged) {
        FInspectorSelectionChanged = false;
        FInspectorSelection.Clear();
        for (TComponent* C : FSelection) FInspectorSelection.Add(C);
        // With several components the root is no part of what inspectors edit.
        if (FInspectorSelection.Count() > 1) FInspectorSelection.Remove(GetDesignRoot());
        TFDesigner::SetSelectedComponents(&FInspectorSelection);
    }
}

bool TZelFormDesigner::IsSelected(const TComponent* Component) const {
    return std::find(FSelection.begin(), FSelection.end(), Component) != FSelection.end();
}

void TZelFormDesigner::ClearSelection() {
    UpdateMarks(false);
    for (TComponent* C : FSelection)
        if (TComponentContainer* Icon = IconOf(C)) Icon->SetSelected(false);
    if (FHandles) {
        FHandles->SetHandlesVisible(false);
        FHandles->SetControl(nullptr);
    }
    FSelection.clear();
    InspectorChanged();
}

void TZelFormDesigner::Select(TComponent* Component) {
    if (!Component || IsSelected(Component)) return;
    FSelection.push_back(Component);
    if (TComponentContainer* Icon = IconOf(Component)) Icon->SetSelected(true);
    InspectorChanged();
}

void TZelFormDesigner::SelectSingle(TPersistent* Instance) {
    auto* Component = dynamic_cast<TComponent*>(Instance);
    InSelectionUpdate([&] {
        ClearSelection();
        if (auto* Control = dynamic_cast<TControl*>(Component); Control && Control->Parent())
            Control->Parent()->ShowControl(Control);
        Select(Component);
        ShowHandlesOfSelection();
    });
}

void TZelFormDesigner::SetSelectedComponents(TDesignerSelectionList* List) {
    InSelectionUpdate([&] {
        ClearSelection();
        for (int I = 0; List && I < List->Count(); ++I) Select(dynamic_cast<TComponent*>(List->Items(I)));
        ShowHandlesOfSelection();
    });
}

void TZelFormDesigner::ShowHandlesOfSelection() {
    if (!FHandles) return;
    TControl* One = FSelection.size() == 1 ? dynamic_cast<TControl*>(FSelection.front()) : nullptr;
    if (!One || One == Form() || One == GetDesignContainer()) {
        FHandles->SetHandlesVisible(false);
        FHandles->SetControl(nullptr);
        UpdateMarks(FSelection.size() > 1);
        return;
    }
    UpdateMarks(false);
    if (FHandles->Control() != One) FHandles->SetControl(One);
    FHandles->SetHandlesVisible(true);
    FHandles->SetShowMode(FLockControls ? smInActive : smActive);
}

void TZelFormDesigner::UpdateMarks(bool Show) {
    for (auto& [C, Icon] : FIcons) Icon->SetMarksShown(Show && IsSelected(C));
    if (Show && Form()->HandleAllocated()) FMarks.Show(MarkedControls());
    else FMarks.Hide();
}

std::vector<TControl*> TZelFormDesigner::MarkedControls() const {
    std::vector<TControl*> Controls;
    for (TComponent* C : FSelection)
        if (auto* Control = dynamic_cast<TControl*>(C); Control && Control != Form()) Controls.push_back(Control);
    return Controls;
}

// ---- framework notifications

void TZelFormDesigner::NotifyModified() {
    TFDesigner::NotifyModified();
    if (!FCreatedMethod.empty() && Scripter) Scripter->MethodCreated(std::exchange(FCreatedMethod, {}));
    if (OnChange) OnChange();
}

void TZelFormDesigner::ComponentNotification(TComponent* AComponent, TOperation Operation) {
    TFDesigner::ComponentNotification(AComponent, Operation);
    if (!FActive) return;
    if (Operation == opInsert) {
        if (OnInsertComponent) OnInsertComponent(AComponent);
        if (AComponent->Owner() == GetDesignRoot()) {
            // Told while the component's constructor still runs: what it is
            // (a control or not, its glyph) shows only afterwards.
            FPendingIcons.push_back(AComponent);
            if (Form()->HandleAllocated())
                PostMessageA(Form()->Handle(), MakeIconsMessage, 0, 0);
            if (!FDeleting) NotifyModified();
        }
        return;
    }
    if (OnDeleteComponent) OnDeleteComponent(AComponent);
    std::erase(FPendingIcons, AComponent);
    RemoveIcon(AComponent);
    std::erase(FSelection, AComponent);
    std::erase(FSavedSelection, AComponent);
    FInspectorSelection.Remove(AComponent);
    for (TComponent*& C : FDeleteSnapshot)
        if (C == AComponent) C = nullptr;
    if (FHandles && FHandles->Control() == AComponent) {
        FHandles->SetHandlesVisible(false);
        FHandles->SetControl(nullptr);
    }
    if (FTarget == AComponent) FTarget = nullptr;
    if (FContainer == AComponent) FContainer = nullptr;
    if (FSizingComponent == AComponent) FSizingComponent = nullptr;
    InspectorChanged();
    if (!FDeleting) NotifyModified();
}

void TZelFormDesigner::NotifyRename(TComponent* AComponent, const std::string& CurName, const std::string& NewName) {
    TComponent* Root = GetDesignRoot();
    const bool Skip = Root && (Root->ComponentState().Contains(csLoading) || Root->ComponentState().Contains(csReading) ||
                               Root->ComponentState().Contains(csDestroying));
    if (!Skip) {
        CheckRenameWithCode(AComponent, CurName, NewName);
        if (AComponent && !CurName.empty() && !NewName.empty()) RenameHandlersOf(AComponent, CurName, NewName);
        if (!CurName.empty() && !NewName.empty()) FUndo.Rename(CurName, NewName);
    }
    TFDesigner::NotifyRename(AComponent, CurName, NewName);
    if (TComponentContainer* Icon = AComponent ? IconOf(AComponent) : nullptr) Icon->UpdateCaption();
}

void TZelFormDesigner::EnumComponentNames(const TTypeInfo* TypeData, TGetStrProc Proc) {
    TFDesigner::EnumComponentNames(TypeData, Proc);
    if (!Proc) return;
    TComponent* Root = GetDesignRoot();
    std::vector<TComponent*> Others;
    TList& Designers = DesignerList();
    for (int I = 0; I < Designers.Count(); ++I) {
        TFDesigner* D = GetDesignerListItem(Designers, I);
        TComponent* Other = D && D != this ? D->GetDesignRoot() : nullptr;
        if (Other && Other != Root && std::find(Others.begin(), Others.end(), Other) == Others.end())
            Others.push_back(Other);
    }
    EnumQualifiedComponentNames(Others, Root, TypeData ? TypeData->ClassType() : nullptr, Proc);
}

void TZelFormDesigner::PaintGrid() {
    TComponent* Root = GetDesignRoot();
    if (!ShowGrid || !FActive || dynamic_cast<TDataModule*>(Root) || GetDesignContainer()) return;
    TCustomForm* F = Form();
    HDC DC = F->Canvas()->Handle();
    RECT Clip;
    if (GetClipBox(DC, &Clip) == ERROR) return;
    HBRUSH Brush = CreateSolidBrush(ColorToRGB(F->Color()));
    FillRect(DC, &Clip, Brush);
    // One grid column drawn once, then copied across in grid-aligned strips.
    const int StepX = std::max(GridStepX, 2), StepY = std::max(GridStepY, 2);
    const int Height = F->ClientHeight();
    HDC Mem = CreateCompatibleDC(DC);
    HBITMAP Column = CreateCompatibleBitmap(DC, StepX, Height);
    HGDIOBJ Old = SelectObject(Mem, Column);
    const RECT ColumnRect{0, 0, StepX, Height};
    FillRect(Mem, &ColumnRect, Brush);
    for (int Y = 0; Y < Height; Y += StepY) SetPixel(Mem, 0, Y, RGB(0, 0, 0));
    for (int X = Clip.left - Clip.left % StepX; X < Clip.right; X += StepX)
        BitBlt(DC, X, Clip.top, StepX, Clip.bottom - Clip.top, Mem, 0, Clip.top, SRCCOPY);
    SelectObject(Mem, Old);
    DeleteObject(Column);
    DeleteDC(Mem);
    DeleteObject(Brush);
}

// ---- the palette

void TZelFormDesigner::PaletteSelected(const std::string& ClassName, intptr_t Flags) {
    if (!(Flags & psDouble) || !IsActiveAndTopmost()) return;
    try {
        InsertComponent(ClassName, GetDesignContainer() ? GetDesignContainer() : Form(), {}, true);
    } catch (...) {
        HandleCallbackException(nullptr);
    }
    SelectedPaletteClass.clear();
}

// ---- component icons

TComponentContainer* TZelFormDesigner::IconOf(const TComponent* Component) const {
    auto It = std::find_if(FIcons.begin(), FIcons.end(), [&](const auto& Entry) { return Entry.first == Component; });
    return It == FIcons.end() ? nullptr : It->second.get();
}

void TZelFormDesigner::MakePendingIcons() {
    for (TComponent* C : std::exchange(FPendingIcons, {}))
        if (!dynamic_cast<TControl*>(C)) CreateIcon(C, {-1, -1});
}

void TZelFormDesigner::CreateIcon(TComponent* Component, TPoint Position) {
    std::erase(FPendingIcons, Component);
    // An icon made when its component joined the root learns the position
    // given to the component afterwards (insertion, paste, undo).
    if (TComponentContainer* Icon = IconOf(Component)) {
        Icon->Place();
        return;
    }
    if (!ShowComponents || dynamic_cast<TControl*>(Component) || !ClassHasDesignIcon(Component->ClassType()) ||
        !Allowed(Component, atShow))
        return;
    if (Position.X >= 0 && Position.Y >= 0) Component->SetDesignInfo(DesignInfoFromIconPos(Position));
    auto Icon = std::make_unique<TComponentContainer>(
        Component, Form(), ShowCaptions, [this](TComponent* Sender, TMessage& M) { return FilterDesignMessage(Sender, M); });
    GetComponentGlyph(Component->ClassType(), Icon->Glyph());
    FIcons.emplace_back(Component, std::move(Icon));
}

void TZelFormDesigner::GetComponentGlyph(const TClass* ClassType, TBitmap* Bitmap) {
    if (OnGetComponentGlyph) OnGetComponentGlyph(ClassType, Bitmap);
    else LoadComponentGlyph(Bitmap, ClassType);
}

void TZelFormDesigner::RemoveIcon(TComponent* Component) {
    std::erase_if(FIcons, [&](const auto& Entry) { return Entry.first == Component; });
}

bool TZelFormDesigner::Allowed(TComponent* Component, TActionType Action) const {
    return !IsAllowed || IsAllowed(Component, Action);
}
