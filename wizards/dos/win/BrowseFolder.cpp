#include "wizards/dos/win/BrowseFolder.h"

#include <memory>

#include <shlobj.h>

#include "framework/controls/Controls.h"
#include "framework/controls/ModalHook.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/FileUtils.h"
#include "wizards/dos/FolderPathText.h"

namespace {

const char* const SelfProp = "QrnBrowseFolder";
const char* const OldProcProp = "QrnBrowseFolderProc";

constexpr UINT FlagValues[] = {BIF_RETURNONLYFSDIRS, BIF_DONTGOBELOWDOMAIN, BIF_STATUSTEXT,
                               BIF_RETURNFSANCESTORS, BIF_BROWSEFORCOMPUTER, BIF_BROWSEFORPRINTER};
// Special-folder numbers by TRootFolder; foDesktopExpanded has none.
constexpr int RootFolderIds[] = {CSIDL_DESKTOP,   -1,           CSIDL_PROGRAMS,         CSIDL_CONTROLS,
                                 CSIDL_PRINTERS,  CSIDL_PERSONAL, CSIDL_FAVORITES,      CSIDL_STARTUP,
                                 CSIDL_RECENT,    CSIDL_SENDTO, CSIDL_BITBUCKET,        CSIDL_STARTMENU,
                                 CSIDL_DESKTOPDIRECTORY, CSIDL_DRIVES, CSIDL_NETWORK,   CSIDL_NETHOOD,
                                 CSIDL_FONTS,     CSIDL_TEMPLATES};

struct TShellFree {
    void operator()(ITEMIDLIST* P) const { CoTaskMemFree(P); }
};
using TItemIdList = std::unique_ptr<ITEMIDLIST, TShellFree>;

std::string FolderOf(const ITEMIDLIST* Item, bool& HasPath) {
    char Path[MAX_PATH] = {};
    HasPath = Item && SHGetPathFromIDListA(Item, Path);
    return HasPath ? std::string(Path) : std::string();
}

}  // namespace

bool TBrowseFolder::RunDialog() {
    TDialogRequest Request;
    Request.Kind = dkCommonDialog;
    Request.DialogClass = "TBrowseFolder";
    Request.Caption = FTitle;
    if (auto Answer = AskModalDialogHook(Request)) return *Answer != 0;

    const HWND Owner = OwnerWindow();
    TItemIdList Root;
    if (const int Id = RootFolderIds[FRootFolder]; Id >= 0) {
        ITEMIDLIST* P = nullptr;
        if (SUCCEEDED(SHGetSpecialFolderLocation(Owner, Id, &P))) Root.reset(P);
    }
    UINT Flags = 0;
    for (int F = bfFileSysDirsOnly; F <= bfBrowseForPrinter; ++F)
        if (FFlags.Contains(static_cast<TBrowseFlag>(F))) Flags |= FlagValues[F];
    char DisplayName[MAX_PATH] = {};
    BROWSEINFOA Info{};
    Info.hwndOwner = Owner;
    Info.pidlRoot = Root.get();
    Info.pszDisplayName = DisplayName;
    Info.lpszTitle = FTitle.c_str();
    Info.ulFlags = Flags;
    Info.lpfn = BrowseCallback;
    Info.lParam = reinterpret_cast<LPARAM>(this);
    TItemIdList Chosen(SHBrowseForFolderA(&Info));
    FDialog = nullptr;
    if (!Chosen) return false;
    bool HasPath = false;
    FDirectory = FolderOf(Chosen.get(), HasPath);
    FLastSelected = FDirectory;
    FImageIndex = Info.iImage;
    return true;
}

HWND TBrowseFolder::OwnerWindow() {
    if (FOwnerHandle && IsWindow(FOwnerHandle)) return FOwnerHandle;
    if (auto* W = dynamic_cast<TWinControl*>(Owner())) return W->Handle();
    return Application ? Application->Handle() : nullptr;
}

int CALLBACK TBrowseFolder::BrowseCallback(HWND Wnd, UINT Msg, LPARAM LParam, LPARAM Data) {
    auto* Self = reinterpret_cast<TBrowseFolder*>(Data);
    try {
        if (Msg == BFFM_INITIALIZED) Self->DialogInitialized(Wnd);
        else if (Msg == BFFM_SELCHANGED) Self->SelectionChanged(Wnd, reinterpret_cast<const ITEMIDLIST*>(LParam));
    } catch (...) {
        HandleCallbackException(Self);
    }
    return 0;
}

void TBrowseFolder::DialogInitialized(HWND Wnd) {
    FDialog = Wnd;
    PlaceDialog(Wnd);
    if (!FDirectory.empty() && DirectoryExists(FDirectory))
        SendMessageA(Wnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(FDirectory.c_str()));
    if (FCustomButtonVisible) CreateCustomButton();
    if (OnInitialized) OnInitialized(this, Wnd);
}

void TBrowseFolder::PlaceDialog(HWND Wnd) {
    // Over the window the user was working in: the foreground window, else
    // the owner, else the screen. Centred across, a quarter down.
    RECT Ref{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    HWND Over = GetForegroundWindow();
    if (!Over || Over == Wnd) Over = GetWindow(Wnd, GW_OWNER);
    if (Over && Over != Wnd && IsWindow(Over)) GetWindowRect(Over, &Ref);
    RECT Own{};
    GetWindowRect(Wnd, &Own);
    const int X = Ref.left + ((Ref.right - Ref.left) - (Own.right - Own.left)) / 2;
    const int Y = Ref.top + (Ref.bottom - Ref.top) / 4;
    SetWindowPos(Wnd, nullptr, X, Y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TBrowseFolder::SelectionChanged(HWND Wnd, const ITEMIDLIST* Item) {
    bool HasPath = false;
    FLastSelected = FolderOf(Item, HasPath);
    if (FShowPathInStatusArea) {
        const std::string Shown = ShortenFolderPath(FLastSelected);
        SendMessageA(Wnd, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(Shown.c_str()));
    }
    SendMessageA(Wnd, BFFM_ENABLEOK, 0, HasPath ? TRUE : FALSE);
    if (FSyncCustomButton)
        if (HWND Button = GetDlgItem(Wnd, BrowseCustomButtonId)) EnableWindow(Button, HasPath);
    if (OnSelectionChanged) OnSelectionChanged(this, Wnd, Item, FLastSelected);
}

void TBrowseFolder::CreateCustomButton() {
    DWORD Style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | (FCustomButtonType == btCheckBox ? BS_AUTOCHECKBOX : BS_PUSHBUTTON);
    if (!FCustomButtonEnabled) Style |= WS_DISABLED;
    HWND Button = CreateWindowExA(0, "BUTTON", FCustomButtonCaption.c_str(), Style, 12, 270, FCustomButtonWidth, 23,
                                  FDialog, reinterpret_cast<HMENU>(static_cast<INT_PTR>(BrowseCustomButtonId)),
                                  FrameworkInstance(), nullptr);
    if (!Button) return;
    SendMessageA(Button, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
    if (FCustomButtonType == btCheckBox)
        SendMessageA(Button, BM_SETCHECK, FCustomButtonChecked ? BST_CHECKED : BST_UNCHECKED, 0);
    // The shell's procedure keeps running the dialog; ours only looks at
    // the commands first.
    SetPropA(FDialog, SelfProp, this);
    SetPropA(FDialog, OldProcProp,
             reinterpret_cast<HANDLE>(SetWindowLongPtrA(FDialog, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(DialogProc))));
}

LRESULT CALLBACK TBrowseFolder::DialogProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* Self = static_cast<TBrowseFolder*>(GetPropA(Wnd, SelfProp));
    auto Old = reinterpret_cast<WNDPROC>(GetPropA(Wnd, OldProcProp));
    if (Msg == WM_NCDESTROY) {
        SetWindowLongPtrA(Wnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Old));
        RemovePropA(Wnd, SelfProp);
        RemovePropA(Wnd, OldProcProp);
    } else if (Msg == WM_COMMAND && Self) {
        try {
            if (LOWORD(WParam) == IDOK && Self->FCustomButtonType == btCheckBox)
                Self->FCustomButtonChecked = IsDlgButtonChecked(Wnd, BrowseCustomButtonId) == BST_CHECKED;
            if (LOWORD(WParam) == BrowseCustomButtonId && HIWORD(WParam) == BN_CLICKED) {
                Self->CustomButtonClicked();
                return 0;
            }
        } catch (...) {
            HandleCallbackException(Self);
        }
    }
    return Old ? CallWindowProcA(Old, Wnd, Msg, WParam, LParam) : DefDlgProcA(Wnd, Msg, WParam, LParam);
}

void TBrowseFolder::CustomButtonClicked() {
    if (ComponentState().Contains(csDesigning))
        ShowMessageBox(FDialog, "Current directory is " + FLastSelected, "", MB_OK | MB_ICONINFORMATION);
    else if (OnCustomButtonClick)
        OnCustomButtonClick(this, FDialog);
}

void TBrowseFolder::SetCustomButtonEnabled(bool Value) {
    FCustomButtonEnabled = Value;
    if (HWND Button = CustomButton()) EnableWindow(Button, Value);
}

void TBrowseFolder::SetCustomButtonCaption(const std::string& Value) {
    FCustomButtonCaption = Value;
    if (HWND Button = CustomButton()) SetWindowTextA(Button, Value.c_str());
}

QRN_PUBLISHED(TBrowseFolder) {
    B.Prop("Directory", &TBrowseFolder::Directory, &TBrowseFolder::SetDirectory);
    B.Prop("Title", &TBrowseFolder::Title, &TBrowseFolder::SetTitle);
    B.Prop("Flags", &TBrowseFolder::Flags, &TBrowseFolder::SetFlags)
        .Default(TBrowseFlags{bfFileSysDirsOnly, bfStatusText});
    B.Prop("ShowPathInStatusArea", &TBrowseFolder::ShowPathInStatusArea, &TBrowseFolder::SetShowPathInStatusArea)
        .Default(false);
    B.Prop("RootFolder", &TBrowseFolder::RootFolder, &TBrowseFolder::SetRootFolder).Default(foDesktopExpanded);
    B.Prop("CustomButtonVisible", &TBrowseFolder::CustomButtonVisible, &TBrowseFolder::SetCustomButtonVisible)
        .Default(false);
    B.Prop("CustomButtonEnabled", &TBrowseFolder::CustomButtonEnabled, &TBrowseFolder::SetCustomButtonEnabled)
        .Default(true);
    B.Prop("CustomButtonCaption", &TBrowseFolder::CustomButtonCaption, &TBrowseFolder::SetCustomButtonCaption);
    B.Prop("CustomButtonWidth", &TBrowseFolder::CustomButtonWidth, &TBrowseFolder::SetCustomButtonWidth).Default(75);
    B.Prop("CustomButtonType", &TBrowseFolder::CustomButtonType, &TBrowseFolder::SetCustomButtonType)
        .Default(btPushButton);
    B.Prop("CustomButtonChecked", &TBrowseFolder::CustomButtonChecked, &TBrowseFolder::SetCustomButtonChecked)
        .Default(false);
    B.Prop("SyncCustomButton", &TBrowseFolder::SyncCustomButton, &TBrowseFolder::SetSyncCustomButton).Default(false);
    B.Event("OnInitialized", &TBrowseFolder::OnInitialized);
    B.Event("OnSelectionChanged", &TBrowseFolder::OnSelectionChanged);
    B.Event("OnCustomButtonClick", &TBrowseFolder::OnCustomButtonClick);
}
