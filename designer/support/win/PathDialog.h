#pragma once
// The shell's folder browser as a component.
#include <string>

#include "framework/classes/Component.h"
#include "framework/rtl/win/WinApi.h"

enum TZelPathDialogFlag {
    pdfBrowseForComputer,
    pdfBrowseForPrinter,
    pdfDontGoBelowDomain,
    pdfReturnfsAncestors,
    pdfReturnOnlyFSDirs
};
QRN_ENUM(TZelPathDialogFlag, pdfBrowseForComputer, pdfBrowseForPrinter, pdfDontGoBelowDomain, pdfReturnfsAncestors,
         pdfReturnOnlyFSDirs)
using TZelPathDialogFlags = TSmallSet<TZelPathDialogFlag>;
QRN_SET_NAME(TZelPathDialogFlags)

// The tree's root folder.
enum TZelPathDialogRoot {
    pdrNone,
    pdrBitBucket,
    pdrControls,
    pdrDesktop,
    pdrDesktopDirectory,
    pdrDrives,
    pdrFonts,
    pdrNetHood,
    pdrNetwork,
    pdrPersonal,
    pdrPrinters,
    pdrPrograms,
    pdrRecent,
    pdrSendto,
    pdrStartmenu,
    pdrStartup,
    pdrTemplates
};
QRN_ENUM(TZelPathDialogRoot, pdrNone, pdrBitBucket, pdrControls, pdrDesktop, pdrDesktopDirectory, pdrDrives, pdrFonts,
         pdrNetHood, pdrNetwork, pdrPersonal, pdrPrinters, pdrPrograms, pdrRecent, pdrSendto, pdrStartmenu, pdrStartup,
         pdrTemplates)

class TZelPathDialog : public TComponent {
    QRN_CLASS(TZelPathDialog, TComponent)
public:
    explicit TZelPathDialog(TComponent* AOwner);

    TZelPathDialogFlags Flags{pdfReturnOnlyFSDirs};
    std::string Title;
    TZelPathDialogRoot Root = pdrNone;
    HWND OwnerWindow = nullptr;

    const std::string& SelectedItem() const { return FSelectedItem; }
    // Stored without a trailing backslash; empty means the current folder.
    // While the browser is open, its selection moves there at once.
    void SetSelectedItem(const std::string& Value);

    // True when an item was chosen: SelectedItem is then its path, or its
    // display name when it has none (a computer on the network).
    bool Execute();

    // The browser flags and the shell folder number of the settings.
    unsigned BrowseFlags() const;
    int RootFolder() const;

private:
    static int CALLBACK BrowseCallback(HWND Wnd, UINT Msg, LPARAM Param, LPARAM Data);
    std::string FSelectedItem;
    HWND FBrowser = nullptr;
};

// Lets the user pick a computer on the network; Name receives it.
bool BrowseForComputer(const std::string& Title, std::string& Name, HWND OwnerWnd);
