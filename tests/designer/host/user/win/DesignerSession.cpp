#include "tests/designer/host/user/win/DesignerSession.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <stdexcept>

#include "designer/engine/win/LiteDesigner.h"
#include "designer/inspector/win/OInplaceEdit.h"
#include "designer/inspector/win/ObjectInspector.h"
#include "designer/support/win/DesignLibrary.h"
#include "designer/support/win/RegistryValues.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/win/Registry.h"
#include "framework/controls/ScreenCapture.h"
#include "framework/controls/ThreadWindows.h"
#include "tests/common/win/KeyInput.h"
#include "tests/common/win/ProgramFolder.h"

namespace {

TDesignerSession* GSession = nullptr;

// The library keeps its options under the user's own key; a session
// leaves that key as it found it.
bool GDesignerKeyExisted = false;
const std::string DesignerKey = "\\" + std::string(DefaultDesignerBaseKey);

void MouseInput(DWORD Flags, TPoint P = {}) {
    INPUT In{};
    In.type = INPUT_MOUSE;
    In.mi.dwFlags = Flags;
    if (Flags & MOUSEEVENTF_ABSOLUTE) {
        In.mi.dx = P.X * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
        In.mi.dy = P.Y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    SendInput(1, &In, sizeof(INPUT));
}

void MoveTo(TPoint P) { MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, P); }

WPARAM MouseKeys(int Mods) {
    return ((Mods & kmShift) ? MK_SHIFT : 0) | ((Mods & kmCtrl) ? MK_CONTROL : 0);
}

void PostToWindowAt(TPoint P, UINT Msg, WPARAM Keys) {
    HWND W = WindowFromPoint({P.X, P.Y});
    POINT C{P.X, P.Y};
    ScreenToClient(W, &C);
    PostMessageA(W, Msg, Keys, MAKELPARAM(C.x, C.y));
}

BOOL CALLBACK CollectWindow(HWND W, LPARAM Out) {
    reinterpret_cast<std::vector<HWND>*>(Out)->push_back(W);
    return TRUE;
}

// Every window inside a top-level one.
std::vector<HWND> ChildWindows(HWND Parent) {
    std::vector<HWND> All;
    EnumChildWindows(Parent, CollectWindow, reinterpret_cast<LPARAM>(&All));
    return All;
}

HWND ThreadWindow(const char* Class, const char* Title) {
    HWND W = nullptr;
    while ((W = FindWindowExA(nullptr, W, Class, Title)))
        if (GetWindowThreadProcessId(W, nullptr) == GetCurrentThreadId() && IsWindowVisible(W)) return W;
    return nullptr;
}

}  // namespace

void SaveScreen(const std::string& Name) {
    CaptureWindowToFile(GetDesktopWindow(), TestProgramFolder() + Name + ".png");
}

TDesignerSession::TDesignerSession() { GDesignerKeyExisted = TRegistry().KeyExists(DesignerKey); }

TDesignerSession::~TDesignerSession() {
    if (!GDesignerKeyExisted) TRegistry().DeleteKey(DesignerKey);
}

void TDesignerSession::UseExampleForm() {
    std::filesystem::copy_file(std::string(QRN_SOURCE_DIR) + "/examples/winform/window1.frm", FormFile(),
                               std::filesystem::copy_options::overwrite_existing);
}

void TDesignerSession::BuildForm(const std::function<void(TForm* Window)>& AddControls) {
    std::unique_ptr<TForm, TObjectFree> F(new TForm(nullptr));
    F->SetName("Window1");
    F->SetCaption("Main Window");
    F->SetBounds(320, 200, 640, 480);
    AddControls(F.get());
    auto* D = new TZelLiteDesigner(F.get());
    D->SetName("Tarns");
    D->SaveToFile(FormFile());
}

bool TDesignerSession::Run(const std::function<TUserScript(TDesignerSession&)>& Script, DWORD LimitMs) {
    const std::string Project =
        Dir.Write("win.qrn", "project win\r\naddfile main.asm\r\naddform window1.frm\r\nkind 5\r\nend\r\n");
    FScript.emplace(Script(*this));
    FFailed = false;
    FEnding = false;
    FStart = GetTickCount();
    FLimit = LimitMs;
    GSession = this;
    const UINT_PTR Timer = SetTimer(nullptr, 0, 15, Tick);
    {
        // What the library's Execute does.
        TDesignLibrarySession Library;
        ExecuteDesigner(Project);
    }
    KillTimer(nullptr, Timer);
    GSession = nullptr;
    SetKeyMods(kmNone);
    // A script whose last step closed the designer ends with the run.
    try {
        if (FScript->CanStep()) FScript->Step();
    } catch (const std::exception& E) {
        ADD_FAILURE() << "script: " << E.what();
        FFailed = true;
    }
    if (!FScript->Done()) {
        ADD_FAILURE() << "the designer run ended before the script did";
        FFailed = true;
    }
    FScript.reset();
    return !FFailed;
}

void CALLBACK TDesignerSession::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (GSession) GSession->OnTick();
}

void TDesignerSession::OnTick() {
    // A step that opens a modal loop gets ticks from it: the script goes on
    // only after the step has returned.
    if (FInStep || !FScript) return;
    FInStep = true;
    try {
        if (!FScript->Done() && !FEnding) {
            if (GetTickCount() - FStart > FLimit) {
                ADD_FAILURE() << "the script did not end within " << FLimit << " ms";
                FFailed = true;
                FEnding = true;
            } else {
                FScript->Step();
            }
        }
    } catch (const std::exception& E) {
        ADD_FAILURE() << "script: " << E.what();
        FFailed = true;
    }
    if (FScript->Done() || FEnding) {
        // What the script left open is closed: a box or a dialog of the
        // designer first, then the host.
        TForm* F = Designed();
        HWND Active = GetActiveWindow();
        if (HWND B = Box()) PostMessageA(B, WM_COMMAND, IDOK, 0);
        else if (Active && Host() && Host()->HandleAllocated() && Active != Host()->Handle() &&
                 !(F && F->HandleAllocated() && Active == F->Handle()))
            PostMessageA(Active, WM_CLOSE, 0, 0);
        else if (TForm1* H = Host(); H && H->HandleAllocated() && IsWindowVisible(H->Handle()))
            PostMessageA(H->Handle(), WM_CLOSE, 0, 0);
    }
    FInStep = false;
}

// ---- what the person sees

TForm1* TDesignerSession::Host() const { return DesignerHostInstance(); }

TForm* TDesignerSession::Designed() const { return Host() ? Host()->DesignedForm() : nullptr; }

TControl* TDesignerSession::Control(const std::string& Name) const {
    TForm* F = Designed();
    if (!F) return nullptr;
    if (SameText(F->Name(), Name)) return F;
    return dynamic_cast<TControl*>(F->FindComponent(Name));
}

TCustomObjectInspector* TDesignerSession::Inspector() const {
    if (!Host()) return nullptr;
    return FEvents ? Host()->events_inspector : Host()->properties_inspector;
}

TPoint TDesignerSession::Middle(TControl* C) const {
    if (!C) return {};
    return C->ClientToScreen({C->ClientWidth() / 2, C->ClientHeight() / 2});
}

std::optional<TPoint> TDesignerSession::RowPoint(const std::string& PropName, int Column, int AtX) {
    return RowPoint(Inspector(), PropName, Column, AtX);
}

std::optional<TPoint> TDesignerSession::RowPoint(TCustomObjectInspector* I, const std::string& PropName, int Column,
                                                 int AtX) {
    if (!I || !I->HandleAllocated() || !IsWindowVisible(I->Handle())) return std::nullopt;
    int Row = -1;
    for (int R = 0; R < I->InfoCount() && Row < 0; ++R)
        if (!I->Info(R).IsGroup && SameText(I->Info(R).PropName, PropName)) Row = R;
    if (Row < 0) return std::nullopt;
    const TRect Cell = I->CellRect(Column, Row);
    if (Cell.IsEmpty() || Cell.Bottom > I->ClientHeight()) {
        // Scrolled as a person scrolls: a notch of the wheel over the grid.
        const TPoint Over = I->ClientToScreen({I->ClientWidth() / 2, I->ClientHeight() / 2});
        const int Delta = Row < I->TopRow() ? WHEEL_DELTA : -WHEEL_DELTA;
        PostMessageA(I->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, Delta), MAKELPARAM(Over.X, Over.Y));
        return std::nullopt;
    }
    return I->ClientToScreen({AtX < 0 ? (Cell.Left + Cell.Right) / 2 : Cell.Left + AtX, (Cell.Top + Cell.Bottom) / 2});
}

std::string TDesignerSession::EditorText() const {
    TCustomObjectInspector* I = Inspector();
    auto* Inner = I && I->InplaceEditor() ? dynamic_cast<TWinControl*>(I->InplaceEditor()->Edit()) : nullptr;
    return Inner && Inner->HandleAllocated() ? TextOf(Inner->Handle()) : std::string();
}

std::optional<TPoint> TDesignerSession::EditorButton() const {
    TCustomObjectInspector* I = Inspector();
    TControl* B = I && I->InplaceEditor() ? I->InplaceEditor()->Button1() : nullptr;
    if (!B || !B->Visible() || B->Width() <= 0 || !I->InplaceEditor()->Visible()) return std::nullopt;
    return Middle(B);
}

std::optional<TPoint> TDesignerSession::ListItem(const std::string& Text) const {
    TWinControl* List = TCustomZelEdit::ActivePopup();
    if (!List || !List->HandleAllocated() || !IsWindowVisible(List->Handle())) return std::nullopt;
    return ListBoxItem(List->Handle(), Text);
}

std::optional<TPoint> TDesignerSession::ListBoxItem(HWND W, const std::string& Text, int AtX) {
    const LRESULT Index = SendMessageA(W, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(Text.c_str()));
    if (Index == LB_ERR) return std::nullopt;
    RECT R{}, Client{};
    SendMessageA(W, LB_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&R));
    GetClientRect(W, &Client);
    if (R.top < 0 || R.bottom > Client.bottom) {
        POINT Over{Client.right / 2, Client.bottom / 2};
        ClientToScreen(W, &Over);
        const int Delta = R.top < 0 ? WHEEL_DELTA : -WHEEL_DELTA;
        PostMessageA(W, WM_MOUSEWHEEL, MAKEWPARAM(0, Delta), MAKELPARAM(Over.x, Over.y));
        return std::nullopt;
    }
    POINT P{AtX < 0 ? (R.left + R.right) / 2 : R.left + AtX, (R.top + R.bottom) / 2};
    ClientToScreen(W, &P);
    return TPoint{P.x, P.y};
}

TPoint TDesignerSession::TabPoint(TWinControl* Pages, int Index) {
    RECT R{};
    SendMessageA(Pages->Handle(), TCM_GETITEMRECT, static_cast<WPARAM>(Index), reinterpret_cast<LPARAM>(&R));
    return Pages->ClientToScreen({(R.left + R.right) / 2, (R.top + R.bottom) / 2});
}

std::optional<TPoint> TDesignerSession::TabPoint(TWinControl* Pages, const std::string& Caption) {
    if (!Pages->HandleAllocated()) return std::nullopt;
    const int Count = static_cast<int>(SendMessageA(Pages->Handle(), TCM_GETITEMCOUNT, 0, 0));
    for (int I = 0; I < Count; ++I) {
        char Text[256] = {};
        TCITEMA Item{};
        Item.mask = TCIF_TEXT;
        Item.pszText = Text;
        Item.cchTextMax = sizeof Text;
        if (SendMessageA(Pages->Handle(), TCM_GETITEMA, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(&Item)) &&
            Caption == Text)
            return TabPoint(Pages, I);
    }
    return std::nullopt;
}

std::optional<TPoint> TDesignerSession::MenuItemPoint(const std::string& Caption) {
    HWND Menu = ThreadWindow("#32768", nullptr);
    HMENU Items = Menu ? reinterpret_cast<HMENU>(SendMessageA(Menu, MN_GETHMENU, 0, 0)) : nullptr;
    for (int I = 0; Items && I < GetMenuItemCount(Items); ++I) {
        char Text[256] = {};
        GetMenuStringA(Items, static_cast<UINT>(I), Text, sizeof(Text), MF_BYPOSITION);
        std::string Plain = Text;
        std::erase(Plain, '&');
        RECT R{};
        if (Plain == Caption && GetMenuItemRect(nullptr, Items, static_cast<UINT>(I), &R))
            return TPoint{(R.left + R.right) / 2, (R.top + R.bottom) / 2};
    }
    return std::nullopt;
}

std::vector<TRect> TDesignerSession::GrabHandles() {
    std::vector<TRect> Found;
    for (HWND Top : ThreadWindows()) {
        std::vector<HWND> All = ChildWindows(Top);
        All.push_back(Top);
        for (HWND W : All) {
            char Class[32] = {};
            RECT R{};
            if (GetClassNameA(W, Class, sizeof(Class)) && std::string(Class) == "TCHandle" && IsWindowVisible(W) &&
                GetWindowRect(W, &R))
                Found.push_back({R.left, R.top, R.right, R.bottom});
        }
    }
    return Found;
}

std::vector<std::string> TDesignerSession::ListItems(HWND List) {
    std::vector<std::string> Items;
    const LRESULT Count = SendMessageA(List, LB_GETCOUNT, 0, 0);
    for (LRESULT I = 0; I < Count; ++I) {
        char Text[512] = {};
        SendMessageA(List, LB_GETTEXT, static_cast<WPARAM>(I), reinterpret_cast<LPARAM>(Text));
        Items.push_back(Text);
    }
    return Items;
}

COLORREF TDesignerSession::ScreenPixel(TPoint P) const {
    HDC DC = GetDC(nullptr);
    const COLORREF C = GetPixel(DC, P.X, P.Y);
    ReleaseDC(nullptr, DC);
    return C;
}

HWND TDesignerSession::WindowTitled(const char* Title) { return ThreadWindow(nullptr, Title); }

HWND TDesignerSession::Box(const char* Title) const { return ThreadWindow("#32770", Title); }

HWND TDesignerSession::Window(const std::string& Title) const {
    for (HWND W : ThreadWindows())
        if (IsWindowVisible(W) && TextOf(W).compare(0, Title.size(), Title) == 0) return W;
    return nullptr;
}

std::optional<TPoint> TDesignerSession::ChildPoint(HWND Parent, const std::string& Text) {
    for (HWND W : ChildWindows(Parent)) {
        if (!IsWindowVisible(W) || TextOf(W) != Text) continue;
        RECT R{};
        GetWindowRect(W, &R);
        return TPoint{static_cast<int>((R.left + R.right) / 2), static_cast<int>((R.top + R.bottom) / 2)};
    }
    return std::nullopt;
}

std::string TDesignerSession::BoxText(HWND Box) {
    char Text[2048] = {};
    GetDlgItemTextA(Box, 0xFFFF, Text, sizeof(Text));
    return Text;
}

std::string TDesignerSession::TextOf(HWND Window) {
    char Text[2048] = {};
    GetWindowTextA(Window, Text, sizeof(Text));
    return Text;
}

// ---- what the person does

TActions TDesignerSession::Click(TPoint P) const {
    return TActions{{{[P] { MoveTo(P); }, 40},
                     {[] { MouseInput(MOUSEEVENTF_LEFTDOWN); }, 40},
                     {[] { MouseInput(MOUSEEVENTF_LEFTUP); }, 150}}};
}

TActions TDesignerSession::Hover(TPoint P) const {
    return TActions{{{[P] { MoveTo({P.X - 2, P.Y - 2}); }, 40}, {[P] { MoveTo(P); }, 150}}};
}

TActions TDesignerSession::DoubleClick(TPoint P) const {
    return TActions{{{[P] { MoveTo(P); }, 40},
                     {[] { MouseInput(MOUSEEVENTF_LEFTDOWN); }, 20},
                     {[] { MouseInput(MOUSEEVENTF_LEFTUP); }, 40},
                     {[] { MouseInput(MOUSEEVENTF_LEFTDOWN); }, 20},
                     {[] { MouseInput(MOUSEEVENTF_LEFTUP); }, 200}}};
}

TActions TDesignerSession::RightClick(TPoint P) const {
    return TActions{{{[P] { MoveTo(P); }, 40},
                     {[] { MouseInput(MOUSEEVENTF_RIGHTDOWN); }, 40},
                     {[] { MouseInput(MOUSEEVENTF_RIGHTUP); }, 200}}};
}

// Modifier keys sent as input do not reach the mouse messages' flags under
// the X server: the keyboard state is set for the thread and the buttons
// are posted to the window under the point, with the pointer moved there.
TActions TDesignerSession::ClickWith(TPoint P, int Mods) const {
    const WPARAM Keys = MouseKeys(Mods);
    return TActions{{{[P] { MoveTo(P); }, 40},
                     {[P, Mods, Keys] {
                          SetKeyMods(Mods);
                          PostToWindowAt(P, WM_LBUTTONDOWN, MK_LBUTTON | Keys);
                      },
                      40},
                     {[P, Keys] { PostToWindowAt(P, WM_LBUTTONUP, Keys); }, 60},
                     {[] { SetKeyMods(kmNone); }, 100}}};
}

TActions TDesignerSession::Drag(TPoint From, TPoint To) const {
    const TPoint Mid{(From.X + To.X) / 2, (From.Y + To.Y) / 2};
    return TActions{{{[From] { MoveTo(From); }, 40},
                     {[] { MouseInput(MOUSEEVENTF_LEFTDOWN); }, 60},
                     {[From] { MoveTo({From.X + 3, From.Y + 3}); }, 40},
                     {[Mid] { MoveTo(Mid); }, 40},
                     {[To] { MoveTo(To); }, 60},
                     {[] { MouseInput(MOUSEEVENTF_LEFTUP); }, 200}}};
}

TActions TDesignerSession::Key(WORD Vk, int Mods) const {
    auto Post = [Vk, Mods](bool Down) {
        LPARAM Data = 1 | (static_cast<LPARAM>(MapVirtualKeyA(Vk, 0)) << 16);
        if (Mods & kmAlt) Data |= 1 << 29;
        if (!Down) Data |= (1u << 30) | (1u << 31);
        const UINT Msg = (Mods & kmAlt) ? (Down ? WM_SYSKEYDOWN : WM_SYSKEYUP) : (Down ? WM_KEYDOWN : WM_KEYUP);
        // Without a focused window the keyboard goes to the active one.
        PostMessageA(GetFocus() ? GetFocus() : GetActiveWindow(), Msg, Vk, Data);
    };
    return TActions{{{[Mods, Post] {
                          SetKeyMods(Mods);
                          Post(true);
                      },
                      40},
                     {[Post] { Post(false); }, 40},
                     {[] { SetKeyMods(kmNone); }, 60}}};
}

TActions TDesignerSession::Type(const std::string& Text) const {
    TActions All;
    for (char C : Text) {
        const SHORT Scan = VkKeyScanA(C);
        const int Mods = (Scan & 0x100) ? kmShift : kmNone;
        for (auto& A : Key(static_cast<WORD>(Scan & 0xFF), Mods).Actions) All.Actions.push_back(std::move(A));
    }
    return All;
}

TUserScript TDesignerSession::ClickRow(std::string PropName) {
    if (!co_await TUntil{[&] { return RowPoint(PropName).has_value(); }})
        throw std::runtime_error("no row shows " + PropName);
    co_await Pause(GetDoubleClickTime());
    co_await Click(*RowPoint(PropName));
}

TUserScript TDesignerSession::TypeValue(std::string PropName, std::string Text) {
    co_await ClickRow(PropName);
    co_await Type(Text);
    co_await Key(VK_RETURN);
    co_await Pause(100);
}

TUserScript TDesignerSession::PickValue(std::string PropName, std::string Item) {
    co_await ClickRow(PropName);
    if (!co_await TUntil{[&] { return EditorButton().has_value(); }})
        throw std::runtime_error(PropName + " has no drop-down button");
    co_await Click(*EditorButton());
    if (!co_await TUntil{[&] { return ListItem(Item).has_value(); }})
        throw std::runtime_error(PropName + "'s list shows no " + Item);
    co_await Click(*ListItem(Item));
    co_await Pause(100);
}

TActions TDesignerSession::TypeOver(const std::string& Text) const {
    TActions All = Key(VK_END);
    for (auto& A : Key(VK_HOME, kmShift).Actions) All.Actions.push_back(std::move(A));
    for (auto& A : Type(Text).Actions) All.Actions.push_back(std::move(A));
    return All;
}

TActions TDesignerSession::CloseDesigned() const {
    TForm* F = Designed();
    HWND W = F && F->HandleAllocated() ? F->Handle() : nullptr;
    return TActions{{{[W] {
                          if (W) PostMessageA(W, WM_SYSCOMMAND, SC_CLOSE, 0);
                      },
                      0}}};
}
