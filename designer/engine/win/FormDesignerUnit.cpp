#include "designer/engine/win/FormDesignerUnit.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "designer/engine/AlignLayout.h"
#include "designer/engine/win/DesignerOptions.h"
#include "designer/engine/win/ZelFormDesigner.h"
#include "designer/engine/win/ZelOleControlImpl.h"
#include "designer/support/FormFileHeader.h"
#include "designer/support/MessageBus.h"
#include "designer/support/VariantTypeNames.h"
#include "designer/support/Verbs.h"
#include "designer/support/win/DesignLibrary.h"
#include "framework/forms/Forms.h"

namespace {

int GStarts = 0;
void (*GPreviousFormHook)(TCustomForm*) = nullptr;
bool GFormHookInstalled = false;

// Design mode ends while the form is still whole.
void DesignFormDestroyHook(TCustomForm* Form) {
    if (Form->ComponentState().Contains(csDesigning))
        if (auto* Designer = Form->Designer<TZelFormDesigner>()) {
            try {
                Designer->SetActive(false);
            } catch (...) {
                HandleCallbackException(Form);
            }
        }
    if (GPreviousFormHook) GPreviousFormHook(Form);
}

std::vector<TObject*>& DesignerComponents() {
    static std::vector<TObject*> List;
    return List;
}

HHOOK GHook = nullptr;

LRESULT CALLBACK DesignerCallWndProc(int Code, WPARAM WParam, LPARAM LParam) {
    const LRESULT Next = CallNextHookEx(GHook, Code, WParam, LParam);
    if (Code != HC_ACTION) return Next;
    try {
        TZelMessage M{DesignerHookMessage, LParam, 0, 0};
        // A copy: a component may unregister itself meanwhile.
        const std::vector<TObject*> Listeners = DesignerComponents();
        for (TObject* C : Listeners) {
            if (std::find(DesignerComponents().begin(), DesignerComponents().end(), C) == DesignerComponents().end())
                continue;
            C->Dispatch(&M);
            if (M.Result != 0) break;
        }
    } catch (...) {
        HandleCallbackException(nullptr);
    }
    return Next;
}

struct TDesignerAction {
    const char* Name;
    void (*Run)(TZelFormDesigner& D);
};

const TDesignerAction Actions[] = {
    {"Designer.AlignLeftEdges", [](TZelFormDesigner& D) { D.Align(acNearEdges, acNone); }},
    {"Designer.AlignHorzCenters", [](TZelFormDesigner& D) { D.Align(acCenters, acNone); }},
    {"Designer.CenterHorz", [](TZelFormDesigner& D) { D.Align(acCenterInWindow, acNone); }},
    {"Designer.SpaceEquallyHorz", [](TZelFormDesigner& D) { D.Align(acSpaceEqually, acNone); }},
    {"Designer.AlignRightEdges", [](TZelFormDesigner& D) { D.Align(acRightEdges, acNone); }},
    {"Designer.AlignTops", [](TZelFormDesigner& D) { D.Align(acNone, acTops); }},
    {"Designer.AlignVertCenters", [](TZelFormDesigner& D) { D.Align(acNone, acCenters); }},
    {"Designer.CenterVert", [](TZelFormDesigner& D) { D.Align(acNone, acCenterInWindow); }},
    {"Designer.SpaceEquallyVert", [](TZelFormDesigner& D) { D.Align(acNone, acSpaceEqually); }},
    {"Designer.AlignBottoms", [](TZelFormDesigner& D) { D.Align(acNone, acBottoms); }},
    {"Designer.AlignToGrid", [](TZelFormDesigner& D) { D.AlignToGrid(); }},
    {"Designer.BringToFront", [](TZelFormDesigner& D) { D.BringToFront(); }},
    {"Designer.SendToBack", [](TZelFormDesigner& D) { D.SendToBack(); }},
    {"Designer.AlignControls",
     [](TZelFormDesigner& D) {
         int Horz = acNone, Vert = acNone;
         if (D.AlignDialog && D.AlignDialog(Horz, Vert)) D.Align(Horz, Vert);
     }},
    {"Designer.SizeControls",
     [](TZelFormDesigner& D) {
         int Width = szNoChange, Height = szNoChange;
         if (D.SizeDialog && D.SizeDialog(Width, Height)) D.Size(Width, Height);
     }},
    {"Designer.ChangeLockControls", [](TZelFormDesigner& D) { D.SetLockControls(!D.LockControls()); }},
};

const TDesignerAction* FindAction(const std::string& Name) {
    for (const TDesignerAction& A : Actions)
        if (Name == A.Name) return &A;
    return nullptr;
}

// The actions as verbs: plain routines, one per action.
template <size_t I>
void RunAction() {
    ExecuteDesignerAction(Actions[I].Name);
}

template <size_t I>
void ActionState(uint8_t& State) {
    if (!DesignerActionEnabled(Actions[I].Name)) State &= static_cast<uint8_t>(~VerbEnabled);
    if (DesignerActionChecked(Actions[I].Name)) State |= VerbChecked;
}

std::vector<TObjectParamListItem*> GVerbEntries;

template <size_t... I>
void RegisterActionVerbs(std::index_sequence<I...>) {
    BeginVerbUpdate();
    (GVerbEntries.push_back(RegisterVerb(Actions[I].Name, &ActionState<I>, &RunAction<I>)), ...);
    EndVerbUpdate();
}

void UnregisterActionVerbs() {
    BeginVerbUpdate();
    for (TObjectParamListItem* Entry : GVerbEntries) UnregisterVerb(Entry);
    EndVerbUpdate();
    GVerbEntries.clear();
}

// A code designer attached to the active form designer names the variant
// types in its own language; otherwise the library's table does.
std::string EngineVariantTypeName(int Code) {
    TZelFormDesigner* D = ActiveFormDesigner();
    return D && D->CodeDesigner ? D->CodeDesigner->VariantTypeName(Code) : std::string();
}

}  // namespace

void StartFormDesignerUnit() {
    if (GStarts++ > 0) return;
    SetVariantTypeNameHook(&EngineVariantTypeName);
    RegisterClassOnce(TDesignerOptions::StaticClass());
    RegisterClassOnce(TZelLiteDesignerOptions::StaticClass());
    RegisterActionVerbs(std::make_index_sequence<std::size(Actions)>());
    // Designed forms stream ActiveX wrappers by class name.
    RegisterClassOnce(TZelOLEControl::StaticClass());
    if (!SkipDesignRegistration) {
        GPreviousFormHook = FormBeforeDestructionHook;
        FormBeforeDestructionHook = DesignFormDestroyHook;
        GFormHookInstalled = true;
    }
}

void EndFormDesignerUnit() {
    if (GStarts == 0 || --GStarts > 0) return;
    UnregisterActionVerbs();
    SetVariantTypeNameHook(nullptr);
    // Designer components left over must not keep the thread's hook.
    DesignerComponents().clear();
    if (GHook) RemoveFrameworkHook(std::exchange(GHook, nullptr));
    if (GFormHookInstalled) {
        FormBeforeDestructionHook = GPreviousFormHook;
        GPreviousFormHook = nullptr;
        GFormHookInstalled = false;
    }
}

void RegisterDesignerComponent(TObject* Component) {
    auto& List = DesignerComponents();
    if (List.empty()) GHook = SetFrameworkHook(WH_CALLWNDPROC, DesignerCallWndProc);
    List.push_back(Component);
}

void UnregisterDesignerComponent(TObject* Component) {
    auto& List = DesignerComponents();
    std::erase(List, Component);
    if (List.empty() && GHook) {
        RemoveFrameworkHook(GHook);
        GHook = nullptr;
    }
}

bool DesignerHookInstalled() { return GHook != nullptr; }

TZelFormDesigner* ActiveFormDesigner() {
    for (int I = 0; Screen && I < Screen->FormCount(); ++I) {
        auto* D = Screen->Forms(I)->Designer<TZelFormDesigner>();
        if (D && D->IsActiveAndTopmost()) return D;
    }
    return nullptr;
}

bool ExecuteDesignerAction(const std::string& Name) {
    const TDesignerAction* A = FindAction(Name);
    TZelFormDesigner* D = ActiveFormDesigner();
    if (!A || !D) return false;
    A->Run(*D);
    return true;
}

bool DesignerActionEnabled(const std::string& Name) { return FindAction(Name) && ActiveFormDesigner(); }

bool DesignerActionChecked(const std::string& Name) {
    TZelFormDesigner* D = ActiveFormDesigner();
    return Name == "Designer.ChangeLockControls" && D && D->LockControls();
}

int DesignerActionCount() { return static_cast<int>(std::size(Actions)); }

std::string DesignerActionName(int Index) { return Actions[static_cast<size_t>(Index)].Name; }
