#pragma once
// TBrowseFolder: the shell's folder-browse dialog as a component, with an
// optional extra button (push button or check box) in the dialog.
#include <string>

#include "framework/classes/Component.h"
#include "framework/rtl/win/WinApi.h"

enum TBrowseFlag {
    bfFileSysDirsOnly, bfDontGoBelowDomain, bfStatusText, bfFileSysAncestors, bfBrowseForComputer, bfBrowseForPrinter
};
QRN_ENUM(TBrowseFlag, bfFileSysDirsOnly, bfDontGoBelowDomain, bfStatusText, bfFileSysAncestors, bfBrowseForComputer,
         bfBrowseForPrinter)
using TBrowseFlags = TSmallSet<TBrowseFlag>;
QRN_SET_NAME(TBrowseFlags)

enum TRootFolder {
    foDesktop, foDesktopExpanded, foPrograms, foControlPanel, foPrinters, foPersonal, foFavorites, foStartup, foRecent,
    foSendto, foRecycleBin, foStartMenu, foDesktopDirectory, foMyComputer, foNetwork, foNetworkNeighborhood, foFonts,
    foTemplates
};
QRN_ENUM(TRootFolder, foDesktop, foDesktopExpanded, foPrograms, foControlPanel, foPrinters, foPersonal, foFavorites,
         foStartup, foRecent, foSendto, foRecycleBin, foStartMenu, foDesktopDirectory, foMyComputer, foNetwork,
         foNetworkNeighborhood, foFonts, foTemplates)

enum TCustomButtonType { btPushButton, btCheckBox };
QRN_ENUM(TCustomButtonType, btPushButton, btCheckBox)

struct _ITEMIDLIST;
using TBrowseDialogEvent = TEvent<void(TObject* Sender, HWND DialogHandle)>;
using TBrowseSelectionEvent =
    TEvent<void(TObject* Sender, HWND DialogHandle, const _ITEMIDLIST* ItemIDList, const std::string& Folder)>;

// Control identifier of the extra button in the dialog.
constexpr int BrowseCustomButtonId = 255;

class TBrowseFolder : public TComponent {
    QRN_CLASS(TBrowseFolder, TComponent)
public:
    explicit TBrowseFolder(TComponent* AOwner) : TComponent(AOwner) {}

    // Shows the dialog; true when a folder was chosen, which is then in
    // Directory. Asks the modal dialog hook first (class "TBrowseFolder").
    bool RunDialog();

    const std::string& Directory() const { return FDirectory; }
    void SetDirectory(const std::string& Value) { FDirectory = Value; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }
    TBrowseFlags Flags() const { return FFlags; }
    void SetFlags(TBrowseFlags Value) { FFlags = Value; }
    bool ShowPathInStatusArea() const { return FShowPathInStatusArea; }
    void SetShowPathInStatusArea(bool Value) { FShowPathInStatusArea = Value; }
    TRootFolder RootFolder() const { return FRootFolder; }
    void SetRootFolder(TRootFolder Value) { FRootFolder = Value; }
    bool CustomButtonVisible() const { return FCustomButtonVisible; }
    void SetCustomButtonVisible(bool Value) { FCustomButtonVisible = Value; }
    bool CustomButtonEnabled() const { return FCustomButtonEnabled; }
    void SetCustomButtonEnabled(bool Value);
    const std::string& CustomButtonCaption() const { return FCustomButtonCaption; }
    void SetCustomButtonCaption(const std::string& Value);
    int CustomButtonWidth() const { return FCustomButtonWidth; }
    void SetCustomButtonWidth(int Value) { FCustomButtonWidth = Value > 0 ? Value : 75; }
    TCustomButtonType CustomButtonType() const { return FCustomButtonType; }
    void SetCustomButtonType(TCustomButtonType Value) { FCustomButtonType = Value; }
    bool CustomButtonChecked() const { return FCustomButtonChecked; }
    void SetCustomButtonChecked(bool Value) { FCustomButtonChecked = Value; }
    bool SyncCustomButton() const { return FSyncCustomButton; }
    void SetSyncCustomButton(bool Value) { FSyncCustomButton = Value; }

    // The dialog while it is open.
    HWND DialogHandle() const { return FDialog; }
    // An owner window that takes precedence over the owning control's.
    HWND OwnerHandle() const { return FOwnerHandle; }
    void SetOwnerHandle(HWND Value) { FOwnerHandle = Value; }
    // The folder last selected in the dialog, and the chosen item's image.
    const std::string& LastSelectedFolder() const { return FLastSelected; }
    int ImageIndex() const { return FImageIndex; }

    TBrowseDialogEvent OnInitialized;
    TBrowseSelectionEvent OnSelectionChanged;
    TBrowseDialogEvent OnCustomButtonClick;

private:
    static int CALLBACK BrowseCallback(HWND Wnd, UINT Msg, LPARAM LParam, LPARAM Data);
    static LRESULT CALLBACK DialogProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam);
    HWND OwnerWindow();
    void DialogInitialized(HWND Wnd);
    void PlaceDialog(HWND Wnd);
    void SelectionChanged(HWND Wnd, const _ITEMIDLIST* Item);
    void CreateCustomButton();
    void CustomButtonClicked();
    HWND CustomButton() const { return FDialog ? GetDlgItem(FDialog, BrowseCustomButtonId) : nullptr; }

    std::string FDirectory;
    std::string FTitle;
    TBrowseFlags FFlags{bfFileSysDirsOnly, bfStatusText};
    bool FShowPathInStatusArea = false;
    TRootFolder FRootFolder = foDesktopExpanded;
    bool FCustomButtonVisible = false;
    bool FCustomButtonEnabled = true;
    std::string FCustomButtonCaption;
    int FCustomButtonWidth = 75;
    TCustomButtonType FCustomButtonType = btPushButton;
    bool FCustomButtonChecked = false;
    bool FSyncCustomButton = false;
    HWND FDialog = nullptr;
    HWND FOwnerHandle = nullptr;
    std::string FLastSelected;
    int FImageIndex = 0;
};
