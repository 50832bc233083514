#pragma once
// The program of examples/winform/main.asm, built by the assembler model
// from quorwin.inc and the three generated files and run here: its
// start-up registers the window class and creates the main window, whose
// creation runs wmcreate.inc, as the assembled program would. The test
// then looks at the windows that exist.
#include <memory>
#include <string>

#include "designer/host/CodeGenerator.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/win/WinApi.h"
#include "tests/designer/host/win/AsmModel.h"

class TGeneratedProgram {
public:
    // Reads what main.asm includes, in its order; throws EAsmError.
    explicit TGeneratedProgram(const TGeneratedSource& Source);
    ~TGeneratedProgram();  // the windows, the class and the fonts go
    TGeneratedProgram(const TGeneratedProgram&) = delete;
    TGeneratedProgram& operator=(const TGeneratedProgram&) = delete;

    // main.asm's code up to its message loop; the main window (shown and
    // painted) or null when it was not created. Throws EAsmError.
    HWND Start();

private:
    static LRESULT CALLBACK WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
    void ModelSystemFunctions();
    // Handles and addresses of this process are 64 bits wide; the program
    // holds words. A value that does not fit is given a word of its own.
    TWord Word(uintptr_t Value);
    uintptr_t Host(TWord Value) const;
    template <class T> T Handle(TWord Value) const { return reinterpret_cast<T>(Host(Value)); }

    TAsmModel FModel;
    std::vector<std::string> FStartUp, FWmCreate;
    std::vector<uintptr_t> FWide;  // the values given words of their own
    std::vector<HFONT> FFonts;
    HWND FWindow = nullptr;
    ATOM FClass = 0;
    std::string FClassName;
    HINSTANCE FInstance = nullptr;
    std::string FCreateError;  // what failed inside WM_CREATE
};

// The generated files in Folder, the form's ".def" named DefName.
TGeneratedSource ReadGeneratedSource(const std::string& Folder, const std::string& DefName);

// A designed-form file read as the designer reads it.
std::unique_ptr<TForm, TObjectFree> ReadDesignedForm(const std::string& Path);

// The pixel of the window's background, in a corner of its client area
// that no control covers.
COLORREF BackgroundPixel(HWND Window);

// The created window against the designed form: its caption, bounds,
// border style, border icons and background; for each supported control
// in the form's order, its window (by child identifier) with its class,
// style bits, caption, bounds, visibility and check state.
void ExpectWindowShowsForm(HWND Window, TForm& Designed);
