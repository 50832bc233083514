#include "prefs/win/PrefsFolderBrowse.h"

#include "framework/controls/ModalHook.h"

namespace {

// Selects the starting folder once the browser window exists. Only sends
// a message: nothing here can throw.
int CALLBACK SelectStartFolder(HWND Wnd, UINT Msg, LPARAM, LPARAM Data) {
    if (Msg == BFFM_INITIALIZED && Data) SendMessageA(Wnd, BFFM_SETSELECTIONA, TRUE, Data);
    return 0;
}

}  // namespace

bool BrowseForFolder(HWND Owner, const std::string& Title, std::string& Folder) {
    TDialogRequest Request;
    Request.Kind = dkCommonDialog;
    Request.DialogClass = "TFolderBrowser";
    Request.Caption = Title;
    Request.Value = &Folder;
    if (auto Answer = AskModalDialogHook(Request)) return *Answer != 0;

    char Display[MAX_PATH] = {};
    BROWSEINFOA Info{};
    Info.hwndOwner = Owner;
    Info.pszDisplayName = Display;
    Info.lpszTitle = Title.c_str();
    Info.ulFlags = BIF_RETURNONLYFSDIRS;
    Info.lpfn = SelectStartFolder;
    Info.lParam = Folder.empty() ? 0 : reinterpret_cast<LPARAM>(Folder.c_str());
    LPITEMIDLIST Chosen = SHBrowseForFolderA(&Info);
    if (!Chosen) return false;
    char Path[MAX_PATH] = {};
    const bool IsFolder = SHGetPathFromIDListA(Chosen, Path) != FALSE;
    CoTaskMemFree(Chosen);
    if (IsFolder) Folder = Path;
    return IsFolder;
}
