#pragma once
// Start and end of the designer library. Nothing of this runs in the
// library's entry point (the loader lock forbids COM, registry and hook
// work there): the library starts when an export is first called, and an
// export's session ends it again before returning, with the options saved
// and everything the start made undone, so the next call starts clean.

// Nested: only the outermost start and end do the work.
void StartDesignLibrary();
void EndDesignLibrary();
bool DesignLibraryStarted();
// Changes at every outermost start and end: the end frees the library's
// registries, so what registers into them registers again when it changed.
int DesignLibraryGeneration();

// The framework's editor-group handler while the library runs: drops the
// library's named entries of the group, tells the registries
// (ModuleUnloadingMessage), then calls the handler installed before.
void ModuleClassesUnregistering(int Group);

// The one-time guard of the palette, editors, designers and inspector:
// starts the library when nothing has.
void InitDesignLibrary();

// An export's bracket: starts on construction, ends on destruction;
// failures of the end are reported, never raised.
class TDesignLibrarySession {
public:
    TDesignLibrarySession() { StartDesignLibrary(); }
    ~TDesignLibrarySession();
    TDesignLibrarySession(const TDesignLibrarySession&) = delete;
    TDesignLibrarySession& operator=(const TDesignLibrarySession&) = delete;
};

// Set by the start when the standard editors are already registered:
// CallRegisterProc then skips the units' registration routines.
extern bool SkipDesignRegistration;
void CallUnitProc(void (*Proc)());
void CallRegisterProc(void (*Proc)());
