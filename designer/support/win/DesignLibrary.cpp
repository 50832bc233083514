#include "designer/support/win/DesignLibrary.h"

#include <memory>

#include "designer/support/FormFileHeader.h"
#include "designer/support/FreeNotifiers.h"
#include "designer/support/LinkedComponent.h"
#include "designer/support/MessageBus.h"
#include "designer/support/ObjectParams.h"
#include "designer/support/Verbs.h"
#include "designer/support/win/ActiveNotifiers.h"
#include "designer/support/win/CompPalForm.h"
#include "designer/support/win/DesignApplication.h"
#include "designer/support/win/DesignErrors.h"
#include "designer/support/win/OptionExt.h"
#include "designer/support/win/PackCfgForm.h"
#include "designer/support/win/PageControlEditors.h"
#include "designer/support/win/PathDialog.h"
#include "designer/support/win/RegistryPersistence.h"
#include "designer/support/win/RegistryValues.h"
#include "designer/support/win/VerbDispatcher.h"
#include "designer/support/win/Win32FileSystem.h"

bool SkipDesignRegistration = false;

namespace {
int GStarts = 0;
std::unique_ptr<TZelApplication, TObjectFree> GApplication;

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

void StartDesignLibrary() {
    if (GStarts++ > 0) return;
    try {
        for (const TClass* C : {TZelLinkedComponent::StaticClass(), TPersHolder::StaticClass(),
                                TZelPathDialog::StaticClass(), TActiveNotifier::StaticClass(),
                                TVerbDispatcher::StaticClass()})
            RegisterClassOnce(C);
        GApplication.reset(new TZelApplication());
        RegisterPackageVerbs();
        CallRegisterProc(&RegisterPageControlEditors);
        StartComponentPalette();
    } catch (...) {
        GStarts = 0;
        throw;
    }
}

void EndDesignLibrary() {
    if (GStarts <= 0 || --GStarts > 0) return;
    EndStep([] { EndComponentPalette(); });
    // Options are saved while the registry object still exists.
    EndStep([] { SaveGlobalOptions(); });
    EndStep([] { FreeGlobalOptions(); });
    EndStep([] { GApplication.reset(); });
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
