#include "designer/support/win/PathDialog.h"

#include <shlobj.h>

#include <memory>

#include "framework/controls/ModalHook.h"
#include "framework/rtl/FileUtils.h"

QRN_PUBLISHED(TZelPathDialog) {
    B.Prop("Flags", &TZelPathDialog::Flags).Default(TZelPathDialogFlags{pdfReturnOnlyFSDirs});
    B.Prop("Title", &TZelPathDialog::Title);
    B.Prop("SelectedItem", &TZelPathDialog::SelectedItem, &TZelPathDialog::SetSelectedItem);
    B.Prop("Root", &TZelPathDialog::Root).Default(pdrNone);
}

namespace {
// The shell folder each root stands for, in the order of TZelPathDialogRoot.
constexpr int RootFolders[] = {CSIDL_DESKTOP,  CSIDL_BITBUCKET, CSIDL_CONTROLS,  CSIDL_DESKTOP,
                               CSIDL_DESKTOPDIRECTORY, CSIDL_DRIVES, CSIDL_FONTS, CSIDL_NETHOOD,
                               CSIDL_NETWORK,  CSIDL_PERSONAL,  CSIDL_PRINTERS,  CSIDL_PROGRAMS,
                               CSIDL_RECENT,   CSIDL_SENDTO,    CSIDL_STARTMENU, CSIDL_STARTUP,
                               CSIDL_TEMPLATES};
constexpr unsigned FlagBits[] = {BIF_BROWSEFORCOMPUTER, BIF_BROWSEFORPRINTER, BIF_DONTGOBELOWDOMAIN,
                                 BIF_RETURNFSANCESTORS, BIF_RETURNONLYFSDIRS};

struct TItemIdFree {
    void operator()(ITEMIDLIST* Item) const { CoTaskMemFree(Item); }
};
using TItemId = std::unique_ptr<ITEMIDLIST, TItemIdFree>;
}  // namespace

TZelPathDialog::TZelPathDialog(TComponent* AOwner) : TComponent(AOwner) {}

void TZelPathDialog::SetSelectedItem(const std::string& Value) {
    FSelectedItem = Value.empty() ? GetCurrentDir() : Value;
    if (FSelectedItem.size() > 1 && FSelectedItem.back() == '\\') FSelectedItem.pop_back();
    if (FBrowser) SendMessageA(FBrowser, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(FSelectedItem.c_str()));
}

unsigned TZelPathDialog::BrowseFlags() const {
    unsigned Bits = 0;
    for (int F = pdfBrowseForComputer; F <= pdfReturnOnlyFSDirs; ++F)
        if (Flags.Contains(static_cast<TZelPathDialogFlag>(F))) Bits += FlagBits[F];
    return Bits;
}

int TZelPathDialog::RootFolder() const { return RootFolders[Root]; }

int CALLBACK TZelPathDialog::BrowseCallback(HWND Wnd, UINT Msg, LPARAM, LPARAM Data) {
    // Only records the window and sends a message: nothing here throws.
    auto* Self = reinterpret_cast<TZelPathDialog*>(Data);
    if (Msg == BFFM_INITIALIZED && Self) {
        Self->FBrowser = Wnd;
        if (!Self->FSelectedItem.empty())
            SendMessageA(Wnd, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(Self->FSelectedItem.c_str()));
    }
    return 0;
}

bool TZelPathDialog::Execute() {
    TDialogRequest Request;
    Request.Kind = dkCommonDialog;
    Request.DialogClass = "TZelPathDialog";
    Request.Caption = Title;
    std::string Answer = FSelectedItem;
    Request.Value = &Answer;
    if (auto Given = AskModalDialogHook(Request)) {
        if (*Given == 0) return false;
        FSelectedItem = Answer;
        return true;
    }

    ITEMIDLIST* RootItem = nullptr;
    SHGetSpecialFolderLocation(OwnerWindow, RootFolder(), &RootItem);
    TItemId RootOwner(RootItem);
    char Display[MAX_PATH] = {};
    BROWSEINFOA Info{};
    Info.hwndOwner = OwnerWindow;
    Info.pidlRoot = RootItem;
    Info.pszDisplayName = Display;
    Info.lpszTitle = Title.c_str();
    Info.ulFlags = BrowseFlags();
    Info.lpfn = &TZelPathDialog::BrowseCallback;
    Info.lParam = reinterpret_cast<LPARAM>(this);
    TItemId Chosen(SHBrowseForFolderA(&Info));
    FBrowser = nullptr;
    if (!Chosen) return false;
    char Path[MAX_PATH] = {};
    FSelectedItem = SHGetPathFromIDListA(Chosen.get(), Path) ? Path : Display;
    return true;
}

bool BrowseForComputer(const std::string& Title, std::string& Name, HWND OwnerWnd) {
    TZelPathDialog Dialog(nullptr);
    Dialog.Flags = {pdfBrowseForComputer};
    Dialog.Root = pdrNetwork;
    Dialog.Title = Title;
    Dialog.OwnerWindow = OwnerWnd;
    if (!Dialog.Execute()) return false;
    Name = Dialog.SelectedItem();
    return true;
}
