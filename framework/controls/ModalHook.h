#pragma once
// The test seam for modal user interface. Every message box, modal form
// and common dialog of the framework asks the modal dialog hook first:
//
//   auto Old = SetModalDialogHook([](const TDialogRequest& R) -> std::optional<int> {
//       if (R.Kind == dkMessageBox) return IDYES;   // answered: not shown
//       return std::nullopt;                        // shown as usual
//   });
//   ...
//   SetModalDialogHook(Old);
//
// A hook that returns a value answers the dialog: nothing is shown and the
// caller gets the value (the button id for a message box, the modal result
// for ShowModal, nonzero for "accepted" for a common dialog). A hook that
// returns std::nullopt lets the dialog run. For a modal form the hook may
// first work with R.Form (fill fields, press buttons) before answering.
// Without a hook every dialog runs.
//
// Message dialogs (dkMessageDlg) carry their type and button set and are
// answered with a modal result. Input queries (dkInputQuery) are answered
// with mrOk/mrCancel; the hook may change *R.Value first. Common dialogs
// name their class and carry R.Dialog: the hook may set the result fields
// (file names, filter index, font, find text) on it before answering.
#include <functional>
#include <optional>
#include <string>

class TCustomForm;
class TCommonDialog;

enum TDialogKind { dkMessageBox, dkModalForm, dkCommonDialog, dkMessageDlg, dkInputQuery };

struct TDialogRequest {
    TDialogKind Kind = dkMessageBox;
    std::string Caption;  // title bar text
    std::string Text;     // message text (message boxes)
    unsigned Flags = 0;   // MB_... flags of a message box
    TCustomForm* Form = nullptr;  // the form a modal form request is about
    std::string DialogClass;      // common dialogs: "TOpenDialog", ...
    TCommonDialog* Dialog = nullptr;  // the common dialog being executed
    int DlgType = 0;                  // message dialogs: TMsgDlgType
    unsigned Buttons = 0;             // message dialogs: mask of TMsgDlgBtn
    std::string* Value = nullptr;     // input queries: the answer
};

using TModalDialogHook = std::function<std::optional<int>(const TDialogRequest&)>;

// Installs Hook (empty: none) and returns the one it replaces.
TModalDialogHook SetModalDialogHook(TModalDialogHook Hook);
// What the hook says about Request; std::nullopt without a hook.
std::optional<int> AskModalDialogHook(const TDialogRequest& Request);

// A message box that goes through the hook; owner window may be null.
int ShowMessageBox(void* OwnerWnd, const std::string& Text, const std::string& Caption, unsigned Flags);
