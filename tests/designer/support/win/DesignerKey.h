#pragma once
// Moves the designer library's base key to a scratch key for one test.
#include "designer/support/win/RegistryValues.h"
#include "tests/common/win/WinTestHelpers.h"

class TDesignerScratchKey {
public:
    TDesignerScratchKey() : FOld(DesignerBaseKey()) { SetDesignerBaseKey(FKey.Path()); }
    ~TDesignerScratchKey() {
        ShutdownDesignerRegistry();
        SetDesignerBaseKey(FOld);
    }
    TDesignerScratchKey(const TDesignerScratchKey&) = delete;
    TDesignerScratchKey& operator=(const TDesignerScratchKey&) = delete;

    const std::string& Path() const { return FKey.Path(); }
    // Direct access below the scratch key, past the library.
    TRegistry& Open(const std::string& SubKey) {
        FRegistry.OpenKey("\\" + FKey.Path() + (SubKey.empty() ? "" : "\\" + SubKey), true);
        return FRegistry;
    }

private:
    TScratchKey FKey;
    std::string FOld;
    TRegistry FRegistry;
};
