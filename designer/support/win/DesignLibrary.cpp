#include "designer/support/win/DesignLibrary.h"

#include <memory>
#include <utility>

#include "designer/support/FormFileHeader.h"
#include "designer/support/FreeNotifiers.h"
#include "designer/support/LinkedComponent.h"
#include "designer/support/MessageBus.h"
#include "designer/support/EditorClassRegistry.h"
#include "designer/support/ObjectParams.h"
#include "designer/support/PCNotifiers.h"
#include "designer/support/Verbs.h"
#include "designer/support/WrapperInfo.h"
#include "designer/support/win/ActiveNotifiers.h"
#include "designer/support/win/CommonPropEditors.h"
#include "designer/support/win/CompPalForm.h"
#include "designer/support/win/DesignApplication.h"
#include "designer/support/win/DesignErrors.h"
#include "designer/support/win/FDesigner.h"
#include "designer/support/win/OptionExt.h"
#include "designer/support/win/PackCfgForm.h"
#include "designer/support/win/PageControlEditors.h"
#include "designer/support/win/PathDialog.h"
#include "designer/support/win/PropFileSystem.h"
#include "designer/support/win/RegistryPersistence.h"
#include "designer/support/win/RegistryValues.h"
#include "designer/support/win/VerbDispatcher.h"
#include "designer/support/win/Win32FileSystem.h"
#include "framework/design/DesignDialogs.h"
#include "framework/design/PropEdits.h"

bool SkipDesignRegistration = false;

namespace {
int GStarts = 0;
int GGeneration = 0;
std::unique_ptr<TZelApplication, TObjectFree> GApplication;
// The editor group the start opened (0: one was open already) and the
// framework's group handler that was installed before ours.
int GOwnEditorGroup = 0;
void (*GPreviousGroupHandler)(int Group) = nullptr;

// Runs every step of the end even when one fails; the first failure is
// reported.
template <class Step>
void EndStep(Step&& Do) {
    try {
        Do();
    } catch (...) {
        ReportDesignError();
    }
}
}  // namespace

void ModuleClassesUnregistering(int Group) {
    RemoveObjectParamsOfGroup(Group);
    BroadcastToListeners(nullptr, ModuleUnloadingMessage, Group, 0);
    if (GPreviousGroupHandler) GPreviousGroupHandler(Group);
}

void StartDesignLibrary() {
    if (GStarts++ > 0) return;
    ++GGeneration;
    try {
        for (const TClass* C : {TZelLinkedComponent::StaticClass(), TPersHolder::StaticClass(),
                                TZelPathDialog::StaticClass(), TActiveNotifier::StaticClass(),
                                TVerbDispatcher::StaticClass(), TFakeComponent::StaticClass(),
                                TZelCheckListBox::StaticClass()})
            RegisterClassOnce(C);
        if (CurrentEditorGroup() == 0) GOwnEditorGroup = NewEditorGroup();
        GPreviousGroupHandler = FreeEditorGroupHandler;
        FreeEditorGroupHandler = &ModuleClassesUnregistering;
        InstallDesignDialogs();
        RegisterFakeEditors();
        SkipDesignRegistration = StandardEditorsRegistered();
        GApplication.reset(new TZelApplication());
        RegisterClassOnce(TPropFileSystem::StaticClass());
        CallRegisterProc(&RegisterNamedPropertyEditors);
        CreatePCNotifiers();
        RegisterPackageVerbs();
        CallRegisterProc(&RegisterPageControlEditors);
        CallRegisterProc(&RegisterCheckListBoxVerb);
        StartComponentPalette();
    } catch (...) {
        GStarts = 1;
        EndDesignLibrary();
        throw;
    }
}

void EndDesignLibrary() {
    if (GStarts <= 0 || --GStarts > 0) return;
    ++GGeneration;
    EndStep([] { EndComponentPalette(); });
    // Options are saved while the registry object still exists.
    EndStep([] { SaveGlobalOptions(); });
    EndStep([] { FreeGlobalOptions(); });
    // The library's own registrations go with its group, while its handler
    // still tells the registries.
    EndStep([] {
        const int Group = std::exchange(GOwnEditorGroup, 0);
        if (Group) FreeEditorGroup(Group);
    });
    EndStep([] {
        if (FreeEditorGroupHandler == &ModuleClassesUnregistering) FreeEditorGroupHandler = GPreviousGroupHandler;
        GPreviousGroupHandler = nullptr;
    });
    EndStep([] { ShutdownEditorClassRegistries(); });
    EndStep([] { GApplication.reset(); });
    EndStep([] { ShutdownDesignerList(); });
    EndStep([] { ShutdownWrapperInfoList(); });
    EndStep([] { FreePCNotifiers(); });
    EndStep([] { SkipDesignRegistration = false; });
    EndStep([] { FreeIDEActiveNotifier(); });
    EndStep([] { FreeDefaultFileSystem(); });
    EndStep([] { ShutdownObjectParams(); });
    EndStep([] { ForgetDefaultVerbTargets(); });
    EndStep([] { ResetVerbUpdates(); });
    EndStep([] { ShutdownListeners(); });
    EndStep([] { ShutdownDesignerRegistry(); });
    EndStep([] { ShutdownFreeNotifiers(); });
}

bool DesignLibraryStarted() { return GStarts > 0; }

int DesignLibraryGeneration() { return GGeneration; }

void InitDesignLibrary() {
    if (!DesignLibraryStarted()) StartDesignLibrary();
}

TDesignLibrarySession::~TDesignLibrarySession() {
    try {
        EndDesignLibrary();
    } catch (...) {
        ReportDesignError();
    }
}

void CallUnitProc(void (*Proc)()) {
    if (Proc) Proc();
}

void CallRegisterProc(void (*Proc)()) {
    if (Proc && !SkipDesignRegistration) Proc();
}
