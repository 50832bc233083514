#include "tests/designer/host/win/GeneratedProgram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <utility>

#include "designer/engine/win/LiteDesigner.h"
#include "designer/support/FormFileHeader.h"
#include "framework/classes/TypeInfo.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/stdctrls/ExtCtrls.h"
#include "framework/stdctrls/ListCtrls.h"
#include "framework/stdctrls/StdCtrls.h"
#include "product/TextLines.h"

namespace {

const std::string SourceDir = std::string(QRN_SOURCE_DIR) + "/";

// The words given to values wider than 32 bits: a range no handle of this
// process has.
constexpr TWord WideBase = 0xFEED0000;

thread_local class TGeneratedProgram* GStarting = nullptr;

std::vector<std::string> FileLines(const std::string& Path) { return SplitTextLines(ReadFileToString(Path)); }

}  // namespace

TGeneratedProgram::TGeneratedProgram(const TGeneratedSource& Generated) {
    // main.asm: its externals and equates, and its code from Start: up to
    // the message loop.
    std::vector<std::string> Declarations;
    bool InStartUp = false;
    for (const std::string& Line : FileLines(SourceDir + "examples/winform/main.asm")) {
        const std::string T = Trim(Line);
        if (T == "MessageLoop:") break;
        if (InStartUp) FStartUp.push_back(T);
        if (T == "Start:") InStartUp = true;
        std::istringstream Words(LowerCase(T));
        std::string First, Second;
        Words >> First >> Second;
        if (First == "extrn" || Second == "equ") Declarations.push_back(T);
    }
    FWmCreate = Generated.WmCreate;
    FModel.Read("quorwin.inc", FileLines(SourceDir + "data/includes/quorwin.inc"));
    FModel.Read("window1.def", Generated.Def);
    FModel.Read("main.asm", Declarations);
    FModel.Read("appvar.inc", Generated.AppVar);
    FModel.Label("MainWindowProc", Word(reinterpret_cast<uintptr_t>(&WindowProc)));
    ModelSystemFunctions();
}

TGeneratedProgram::~TGeneratedProgram() {
    if (FWindow) DestroyWindow(FWindow);
    // The class's brush goes with the class.
    if (FClass) UnregisterClassA(MAKEINTATOM(FClass), FInstance);
    for (HFONT F : FFonts) DeleteObject(F);
}

TWord TGeneratedProgram::Word(uintptr_t Value) {
    const auto Narrow = static_cast<TWord>(Value);
    if (static_cast<uintptr_t>(static_cast<intptr_t>(static_cast<int32_t>(Narrow))) == Value) return Narrow;
    const auto I = static_cast<size_t>(std::find(FWide.begin(), FWide.end(), Value) - FWide.begin());
    if (I == FWide.size()) FWide.push_back(Value);
    return WideBase + static_cast<TWord>(I);
}

uintptr_t TGeneratedProgram::Host(TWord Value) const {
    if (Value >= WideBase && Value - WideBase < FWide.size()) return FWide[Value - WideBase];
    return static_cast<uintptr_t>(static_cast<intptr_t>(static_cast<int32_t>(Value)));
}

// The system functions the program calls, made with the words it pushed:
// strings and structures are read from its memory, handles translated.
void TGeneratedProgram::ModelSystemFunctions() {
    TAsmModel& M = FModel;
    auto Resource = [](TWord Id) {
        if (!IS_INTRESOURCE(Id)) throw EAsmError("a resource by name is not modelled");
        return MAKEINTRESOURCEA(Id);
    };
    M.Model("GetModuleHandleA", 1, [this](const std::vector<TWord>& A) {
        if (A[0]) throw EAsmError("GetModuleHandleA of a named module is not modelled");
        return Word(reinterpret_cast<uintptr_t>(GetModuleHandleA(nullptr)));
    });
    M.Model("RegisterClassA", 1, [this](const std::vector<TWord>& A) {
        // WindowClassA word by word, in the order the system reads WNDCLASSA.
        TWord F[10];
        std::memcpy(F, FModel.Bytes(A[0], sizeof F), sizeof F);
        if (Handle<WNDPROC>(F[1]) != &WindowProc) throw EAsmError("the class's window procedure is not the program's");
        FClassName = FModel.String(F[9]);
        if (F[8]) throw EAsmError("a class menu is not modelled");
        WNDCLASSA C{};
        C.style = F[0];
        C.lpfnWndProc = &WindowProc;
        C.cbClsExtra = static_cast<int>(F[2]);
        C.cbWndExtra = static_cast<int>(F[3]);
        C.hInstance = FInstance = Handle<HINSTANCE>(F[4]);
        C.hIcon = Handle<HICON>(F[5]);
        C.hCursor = Handle<HCURSOR>(F[6]);
        C.hbrBackground = Handle<HBRUSH>(F[7]);
        C.lpszClassName = FClassName.c_str();
        FClass = RegisterClassA(&C);
        return static_cast<TWord>(FClass);
    });
    M.Model("CreateWindowExA", 12, [this](const std::vector<TWord>& A) {
        const std::string Class = FModel.String(A[1]), Caption = FModel.String(A[2]);
        HWND Parent = Handle<HWND>(A[8]);
        HWND W = CreateWindowExA(A[0], Class.c_str(), Caption.c_str(), A[3], static_cast<int32_t>(A[4]),
                                 static_cast<int32_t>(A[5]), static_cast<int32_t>(A[6]), static_cast<int32_t>(A[7]),
                                 Parent, Handle<HMENU>(A[9]), Handle<HINSTANCE>(A[10]), Handle<void*>(A[11]));
        if (!Parent && W) FWindow = W;
        if (!FCreateError.empty()) throw EAsmError(std::exchange(FCreateError, {}));
        return Word(reinterpret_cast<uintptr_t>(W));
    });
    M.Model("CreateFontIndirectA", 1, [this](const std::vector<TWord>& A) {
        static_assert(sizeof(LOGFONTA) == 60, "FontStructure is a LOGFONTA");
        LOGFONTA F;
        std::memcpy(&F, FModel.Bytes(A[0], sizeof F), sizeof F);
        FFonts.push_back(CreateFontIndirectA(&F));
        return Word(reinterpret_cast<uintptr_t>(FFonts.back()));
    });
    M.Model("SendMessageA", 4, [this](const std::vector<TWord>& A) {
        return Word(static_cast<uintptr_t>(
            SendMessageA(Handle<HWND>(A[0]), A[1], Host(A[2]), static_cast<LPARAM>(Host(A[3])))));
    });
    M.Model("LoadIconA", 2, [this, Resource](const std::vector<TWord>& A) {
        return Word(reinterpret_cast<uintptr_t>(LoadIconA(Handle<HINSTANCE>(A[0]), Resource(A[1]))));
    });
    M.Model("LoadCursorA", 2, [this, Resource](const std::vector<TWord>& A) {
        return Word(reinterpret_cast<uintptr_t>(LoadCursorA(Handle<HINSTANCE>(A[0]), Resource(A[1]))));
    });
    M.Model("CreateSolidBrush", 1,
            [this](const std::vector<TWord>& A) { return Word(reinterpret_cast<uintptr_t>(CreateSolidBrush(A[0]))); });
    M.Model("ShowWindow", 2, [this](const std::vector<TWord>& A) {
        return static_cast<TWord>(ShowWindow(Handle<HWND>(A[0]), static_cast<int>(A[1])));
    });
    M.Model("UpdateWindow", 1,
            [this](const std::vector<TWord>& A) { return static_cast<TWord>(UpdateWindow(Handle<HWND>(A[0]))); });
}

HWND TGeneratedProgram::Start() {
    struct TStarting {
        explicit TStarting(TGeneratedProgram* P) { GStarting = P; }
        ~TStarting() { GStarting = nullptr; }
    } Starting(this);
    FModel.Run("main.asm", FStartUp);
    return FWindow;
}

// The program's MainWindowProc: on WM_CREATE it stores its handle, as the
// controls' parent, and runs wmcreate.inc. (It posts no quit message when
// destroyed: there is no message loop of its own to end.)
LRESULT CALLBACK TGeneratedProgram::WindowProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    if (Msg == WM_CREATE && GStarting) {
        TGeneratedProgram& P = *GStarting;
        try {
            P.FModel.Store(P.FModel.Address("MainWndHandle"), P.Word(reinterpret_cast<uintptr_t>(Wnd)));
            P.FModel.Run("wmcreate.inc", P.FWmCreate);
        } catch (const std::exception& E) {
            P.FCreateError = E.what();
            return -1;
        }
        return 0;
    }
    return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

TGeneratedSource ReadGeneratedSource(const std::string& Folder, const std::string& DefName) {
    const std::string F = IncludeTrailingPathDelimiter(Folder);
    return {FileLines(F + "appvar.inc"), FileLines(F + DefName), FileLines(F + "wmcreate.inc")};
}

std::unique_ptr<TForm, TObjectFree> ReadDesignedForm(const std::string& Path) {
    // The library that wrote the file knows these classes; this program
    // has its own registry.
    for (const TClass* C : {TButton::StaticClass(), TLabel::StaticClass(), TComboBox::StaticClass(),
                            TEdit::StaticClass(), TListBox::StaticClass(), TCheckBox::StaticClass(),
                            TRadioButton::StaticClass(), TScrollBar::StaticClass(), TPanel::StaticClass()})
        RegisterClassOnce(C);
    std::unique_ptr<TForm, TObjectFree> F(new TForm(nullptr));
    (new TZelLiteDesigner(F.get()))->LoadFromFile(Path);
    return F;
}

COLORREF BackgroundPixel(HWND Window) {
    RECT C{};
    GetClientRect(Window, &C);
    const POINT P{C.right - 3, C.bottom - 3};
    if (ChildWindowFromPointEx(Window, P, CWP_ALL) != Window) return CLR_INVALID;
    HDC DC = GetDC(Window);
    const COLORREF Pixel = GetPixel(DC, P.x, P.y);
    ReleaseDC(Window, DC);
    return Pixel;
}

namespace {

std::string WindowText(HWND W) {
    char Text[1024] = {};
    GetWindowTextA(W, Text, sizeof Text);
    return Text;
}

// What each supported control is to Windows. A combo box shows no text
// of its window name, and a list box created without
// LBS_NOINTEGRALHEIGHT is as high as its whole items: the generated code
// asks for neither.
struct TWindowKind {
    const char* Designed;     // the component's class
    const char* Class;        // its window class
    LONG TypeBits, TypeMask;  // the style bits that give its kind
    const char* CaptionRow;   // the property its text comes from, if any
    bool Checkable;
    bool WholeItems;
};
constexpr TWindowKind Kinds[] = {
    {"TButton", "Button", BS_PUSHBUTTON, BS_TYPEMASK, "Caption", false, false},
    {"TCheckBox", "Button", BS_AUTOCHECKBOX, BS_TYPEMASK, "Caption", true, false},
    {"TRadioButton", "Button", BS_AUTORADIOBUTTON, BS_TYPEMASK, "Caption", true, false},
    {"TLabel", "Static", SS_LEFT, SS_TYPEMASK, "Caption", false, false},
    {"TPanel", "Static", SS_ETCHEDFRAME, SS_TYPEMASK, "Caption", false, false},
    {"TEdit", "Edit", 0, 0, "Text", false, false},
    {"TComboBox", "ComboBox", 0, 0, nullptr, false, false},
    {"TListBox", "ListBox", 0, 0, nullptr, false, true},
    {"TScrollBar", "ScrollBar", 0, 0, nullptr, false, false},
};

void ExpectControlShows(HWND Window, int Id, TControl& C, const TWindowKind& K) {
    SCOPED_TRACE(C.Name());
    HWND W = GetDlgItem(Window, Id);
    ASSERT_NE(W, nullptr) << "no window with the identifier " << Id;
    char Class[64] = {};
    GetClassNameA(W, Class, sizeof Class);
    EXPECT_STRCASEEQ(Class, K.Class);
    const auto Style = static_cast<LONG>(GetWindowLongA(W, GWL_STYLE));
    EXPECT_TRUE(Style & WS_CHILD);
    EXPECT_EQ(Style & K.TypeMask, K.TypeBits);
    EXPECT_EQ((Style & WS_VISIBLE) != 0, C.Visible());
    EXPECT_EQ(IsWindowVisible(W) != 0, C.Visible());
    EXPECT_EQ(WindowText(W), K.CaptionRow ? GetPropValue(&C, K.CaptionRow) : "");
    RECT R{};
    GetWindowRect(W, &R);
    MapWindowPoints(nullptr, Window, reinterpret_cast<POINT*>(&R), 2);
    EXPECT_EQ(R.left, C.Left());
    EXPECT_EQ(R.top, C.Top());
    EXPECT_EQ(R.right - R.left, C.Width());
    if (K.WholeItems) {
        const auto Item = static_cast<int>(SendMessageA(W, LB_GETITEMHEIGHT, 0, 0));
        EXPECT_LE(R.bottom - R.top, C.Height());
        EXPECT_GT(R.bottom - R.top, C.Height() - Item);
    } else {
        EXPECT_EQ(R.bottom - R.top, C.Height());
    }
    if (K.Checkable) {
        const LRESULT Designed = GetPropValue(&C, "Checked") == "True" ? BST_CHECKED : BST_UNCHECKED;
        EXPECT_EQ(SendMessageA(W, BM_GETCHECK, 0, 0), Designed);
    }
}

}  // namespace

void ExpectWindowShowsForm(HWND Window, TForm& Designed) {
    ASSERT_NE(Window, nullptr) << "the main window was not created";
    EXPECT_EQ(WindowText(Window), Designed.Caption());
    RECT R{};
    GetWindowRect(Window, &R);
    EXPECT_EQ(R.left, Designed.Left());
    EXPECT_EQ(R.top, Designed.Top());
    EXPECT_EQ(R.right - R.left, Designed.Width());
    EXPECT_EQ(R.bottom - R.top, Designed.Height());

    // The frame each border style is given; tool windows come out
    // sizeable, and every overlapped window has a caption.
    const auto Style = static_cast<LONG>(GetWindowLongA(Window, GWL_STYLE));
    const std::string Border = GetPropValue(&Designed, "BorderStyle");
    const bool Sizeable = Border == "bsSizeable" || Border == "bsToolWindow" || Border == "bsSizeToolWin";
    EXPECT_EQ((Style & WS_THICKFRAME) != 0, Sizeable) << Border;
    if (Border == "bsSingle") {
        EXPECT_TRUE(Style & WS_BORDER);
    }
    if (Border == "bsDialog") {
        EXPECT_TRUE(Style & WS_DLGFRAME);
    }
    const std::string Icons = GetPropValue(&Designed, "BorderIcons");
    auto Has = [&](const char* Icon) { return Icons.find(Icon) != std::string::npos; };
    EXPECT_EQ((Style & WS_SYSMENU) != 0, Has("biSystemMenu")) << Icons;
    EXPECT_EQ((Style & WS_MINIMIZEBOX) != 0, Has("biMinimize")) << Icons;
    EXPECT_EQ((Style & WS_MAXIMIZEBOX) != 0, Has("biMaximize")) << Icons;
    EXPECT_EQ(BackgroundPixel(Window), ColorToRGB(Designed.Color())) << ColorToString(Designed.Color());

    int Id = 0;
    for (int I = 0; I < Designed.ComponentCount(); ++I) {
        auto* C = dynamic_cast<TControl*>(Designed.Components(I));
        for (const TWindowKind& K : Kinds)
            if (C && C->ClassName() == K.Designed) ExpectControlShows(Window, Id++, *C, K);
    }
}
