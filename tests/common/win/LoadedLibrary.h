#pragma once
// A built library of bin/ (beside testbin/), loaded by path as another
// program would load it, and unloaded when this goes.
#include <string>

#include "framework/rtl/win/WinApi.h"
#include "tests/common/win/ProgramFolder.h"

class TLoadedLibrary {
public:
    explicit TLoadedLibrary(const std::string& Name)
        : FModule(LoadLibraryA((TestProgramFolder() + "..\\bin\\" + Name).c_str())) {}
    ~TLoadedLibrary() {
        if (FModule) FreeLibrary(FModule);
    }
    TLoadedLibrary(const TLoadedLibrary&) = delete;
    TLoadedLibrary& operator=(const TLoadedLibrary&) = delete;
    template <class TProc>
    TProc Proc(const char* Name) const {
        return FModule ? reinterpret_cast<TProc>(reinterpret_cast<void*>(GetProcAddress(FModule, Name))) : nullptr;
    }
    HMODULE Module() const { return FModule; }

private:
    HMODULE FModule;
};
