#pragma once
// Tindrel.dll as the tests reach it: its place in the build output (the
// test program defines QRN_TINDREL_DLL relative to itself), its exports,
// and a script that drives its wizard form through the library's own
// modal dialog hook.
#include <string>

#include "framework/rtl/win/WinApi.h"
#include "tests/common/win/ProgramFolder.h"
#include "wizards/dos/win/dll/TindrelTestSeam.h"

inline std::string TindrelPath() {
    std::string Path = TestProgramFolder() + QRN_TINDREL_DLL;
    for (char& C : Path)
        if (C == '/') C = '\\';
    return Path;
}

template <class T>
T Export(HMODULE Lib, const char* Name) {
    return reinterpret_cast<T>(reinterpret_cast<void*>(GetProcAddress(Lib, Name)));
}

// What the callback does with the wizard's form, and what it saw.
struct TTindrelScript {
    std::string Folder;  // "" cancels
    std::string Name;
    std::string FirstCaption;
    int Forms = 0;
    int Clicks = 0;
};

// The hook for SetWizzardDialogHook, Context a TTindrelScript: Cancel, or
// through every step to Finish with the script's folder and name.
inline int DriveTindrel(void* Context, const TWizzardDialogRequest* R) {
    auto* S = static_cast<TTindrelScript*>(Context);
    if (R->Kind != 1 /* dkModalForm */ || !R->Form) return IDOK;
    ++S->Forms;
    S->FirstCaption = R->Caption;
    if (S->Folder.empty()) {
        S->Clicks += R->ClickButton(R->Form, "Cancel");
        return R->ModalResult(R->Form);
    }
    S->Clicks += R->ClickButton(R->Form, "< Back");  // not shown on the first step
    S->Clicks += R->ClickButton(R->Form, "Next >");
    S->Clicks += R->ClickButton(R->Form, "Next >");
    S->Clicks += R->ClickButton(R->Form, "Next >");  // now "Finish"
    R->SetEditText(R->Form, "ppath", S->Folder.c_str());
    R->SetEditText(R->Form, "pname", S->Name.c_str());
    S->Clicks += R->ClickButton(R->Form, "Finish");
    return R->ModalResult(R->Form);
}
