#pragma once
// Message dialogs, input queries and the common dialogs. Every one of them
// asks the modal dialog hook (ModalHook.h) first, so tests can answer them.
#include <memory>
#include <optional>
#include <string>

#include "framework/classes/Component.h"
#include "framework/forms/Forms.h"
#include "framework/graphics/Graphics.h"
#include "framework/rtl/StringList.h"

constexpr TModalResult mrNoToAll = mrAll + 1;
constexpr TModalResult mrYesToAll = mrNoToAll + 1;

enum TMsgDlgType { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };
enum TMsgDlgBtn { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
using TMsgDlgButtons = TSmallSet<TMsgDlgBtn>;

inline const TMsgDlgButtons mbYesNoCancel{mbYes, mbNo, mbCancel};
inline const TMsgDlgButtons mbOKCancel{mbOK, mbCancel};
inline const TMsgDlgButtons mbAbortRetryIgnore{mbAbort, mbRetry, mbIgnore};

// The caption and modal result of a message dialog button.
std::string MsgDlgButtonCaption(TMsgDlgBtn Button);
TModalResult MsgDlgButtonResult(TMsgDlgBtn Button);

// Builds the form MessageDlg shows: icon, wrapped text and one button per
// member of Buttons (in the order of TMsgDlgBtn). The caller owns it.
std::unique_ptr<TForm, TObjectFree> CreateMessageDialog(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons);

// Shows a message dialog and returns the modal result of the button pressed.
// Escape gives Cancel, else No, OK, Abort or Ignore, whichever is offered
// first; closing the window gives mrCancel.
TModalResult MessageDlg(const std::string& Msg, TMsgDlgType DlgType, TMsgDlgButtons Buttons, int HelpCtx);
void ShowMessage(const std::string& Msg);

// Asks for a line of text. False when cancelled (Value unchanged); true
// with the answer in Value otherwise, even when the answer is empty.
bool InputQuery(const std::string& Caption, const std::string& Prompt, std::string& Value);
// The answer, or Default when cancelled.
std::string InputBox(const std::string& Caption, const std::string& Prompt, const std::string& Default);

// ---- common dialogs

class TCommonDialog : public TComponent {
    QRN_CLASS(TCommonDialog, TComponent)
public:
    explicit TCommonDialog(TComponent* AOwner) : TComponent(AOwner) {}
    // Shows the dialog; true when the user accepted it.
    virtual bool Execute() = 0;
    int HelpContext() const { return FHelpContext; }
    void SetHelpContext(int Value) { FHelpContext = Value; }

protected:
    // Asks the modal dialog hook; nullopt when the dialog should run.
    std::optional<bool> AskHook(const std::string& Caption);
    // The window the dialog is owned by.
    static HWND OwnerWindow();

    int FHelpContext = 0;
};

enum TOpenOption {
    ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate, ofAllowMultiSelect,
    ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware, ofNoReadOnlyReturn,
    ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog, ofNoDereferenceLinks, ofEnableIncludeNotify,
    ofEnableSizing
};
QRN_ENUM(TOpenOption, ofReadOnly, ofOverwritePrompt, ofHideReadOnly, ofNoChangeDir, ofShowHelp, ofNoValidate,
         ofAllowMultiSelect, ofExtensionDifferent, ofPathMustExist, ofFileMustExist, ofCreatePrompt, ofShareAware,
         ofNoReadOnlyReturn, ofNoTestFileCreate, ofNoNetworkButton, ofNoLongNames, ofOldStyleDialog,
         ofNoDereferenceLinks, ofEnableIncludeNotify, ofEnableSizing)
using TOpenOptions = TSmallSet<TOpenOption>;
QRN_SET_NAME(TOpenOptions)

class TOpenDialog : public TCommonDialog {
    QRN_CLASS(TOpenDialog, TCommonDialog)
public:
    explicit TOpenDialog(TComponent* AOwner);
    bool Execute() override;

    const std::string& DefaultExt() const { return FDefaultExt; }
    void SetDefaultExt(const std::string& Value) { FDefaultExt = Value; }
    const std::string& FileName() const { return FFileName; }
    void SetFileName(const std::string& Value) { FFileName = Value; }
    // The chosen files (several with ofAllowMultiSelect), full paths.
    TStrings* Files() const { return FFiles.get(); }
    // "Text|*.txt|All|*.*": description and pattern pairs.
    const std::string& Filter() const { return FFilter; }
    void SetFilter(const std::string& Value) { FFilter = Value; }
    // 1-based, as the system dialog counts.
    int FilterIndex() const { return FFilterIndex; }
    void SetFilterIndex(int Value) { FFilterIndex = Value; }
    const std::string& InitialDir() const { return FInitialDir; }
    void SetInitialDir(const std::string& Value) { FInitialDir = Value; }
    TOpenOptions Options() const { return FOptions; }
    void SetOptions(TOpenOptions Value) { FOptions = Value; }
    const std::string& Title() const { return FTitle; }
    void SetTitle(const std::string& Value) { FTitle = Value; }

protected:
    bool DoExecute(bool Save);

private:
    std::string FDefaultExt, FFileName, FFilter, FInitialDir, FTitle;
    std::unique_ptr<TStrings> FFiles;
    int FFilterIndex = 1;
    TOpenOptions FOptions{ofHideReadOnly};
};

class TSaveDialog : public TOpenDialog {
    QRN_CLASS(TSaveDialog, TOpenDialog)
public:
    explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}
    bool Execute() override { return DoExecute(true); }
};

// The file dialogs for pictures: filtered to the picture files TPicture
// reads and writes (bitmaps and icons).
class TOpenPictureDialog : public TOpenDialog {
    QRN_CLASS(TOpenPictureDialog, TOpenDialog)
public:
    explicit TOpenPictureDialog(TComponent* AOwner);
};

class TSavePictureDialog : public TSaveDialog {
    QRN_CLASS(TSavePictureDialog, TSaveDialog)
public:
    explicit TSavePictureDialog(TComponent* AOwner);
};

// "All (*.bmp;*.ico)|*.bmp;*.ico|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico".
std::string GraphicFilter();

// Splits a "Text|*.txt|All|*.*" filter into the system's
// double-zero-terminated list.
std::string MakeFilterList(const std::string& Filter);
// Splits the buffer a multi-select open dialog fills (folder, then names,
// each zero-terminated; a single full path when one file) into full paths.
void ParseMultiSelect(const char* Buffer, TStrings* Files);

class TFontDialog : public TCommonDialog {
    QRN_CLASS(TFontDialog, TCommonDialog)
public:
    explicit TFontDialog(TComponent* AOwner);
    bool Execute() override;
    TFont* Font() const { return FFont.get(); }
    void SetFont(TFont* Value) { FFont->Assign(Value); }

private:
    std::unique_ptr<TFont> FFont;
};

enum TFindOption { frDown, frFindNext, frHideMatchCase, frHideWholeWord, frHideUpDown, frMatchCase, frDisableMatchCase,
                   frDisableUpDown, frDisableWholeWord, frReplace, frReplaceAll, frWholeWord, frShowHelp };
QRN_ENUM(TFindOption, frDown, frFindNext, frHideMatchCase, frHideWholeWord, frHideUpDown, frMatchCase,
         frDisableMatchCase, frDisableUpDown, frDisableWholeWord, frReplace, frReplaceAll, frWholeWord, frShowHelp)
using TFindOptions = TSmallSet<TFindOption>;
QRN_SET_NAME(TFindOptions)

// The modeless find dialog: Execute shows it and returns at once; each
// "Find Next" fires OnFind with FindText and Options updated.
class TFindDialog : public TCommonDialog {
    QRN_CLASS(TFindDialog, TCommonDialog)
public:
    explicit TFindDialog(TComponent* AOwner);
    ~TFindDialog() override;
    bool Execute() override;
    void CloseDialog();
    HWND Handle() const { return FHandle; }

    const std::string& FindText() const { return FFindText; }
    void SetFindText(const std::string& Value);
    TFindOptions Options() const { return FOptions; }
    void SetOptions(TFindOptions Value) { FOptions = Value; }

    TNotifyEvent OnFind;
    TNotifyEvent OnClose;

protected:
    virtual void Find() {
        if (OnFind) OnFind(this);
    }
    // The find message the dialog sends to its owner.
    void FindMessage();

private:
    HWND FHandle = nullptr;
    std::string FFindText;
    TFindOptions FOptions{frDown};
    FINDREPLACEA FFindReplace{};
    char FFindBuf[256] = {};
    TFindMessageHandler FHandler;
};
