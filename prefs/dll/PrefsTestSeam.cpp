// The options library's test export, linked into test builds only.
#include "framework/controls/ModalHook.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/stdctrls/StdCtrls.h"
#include "prefs/dll/PrefsDataDir.h"
#include "prefs/dll/PrefsTestSeam.h"
#include "product/Settings.h"

namespace {

// Applies "Component=Text" lines to the dialog's edits and check box.
void ApplyEdits(TComponent* Form, const std::string& Edits) {
    TStringList Lines;
    Lines.SetText(Edits);
    for (int I = 0; I < Lines.Count(); ++I) {
        const std::string Name = Lines.Names(I);
        TComponent* C = Form->FindComponent(Name);
        if (auto* Check = dynamic_cast<TCheckBox*>(C)) {
            Check->SetChecked(Lines.ValueFromIndex(I) == "1");
        } else if (auto* Edit = dynamic_cast<TCustomEdit*>(C)) {
            // A memo's lines travel with "\n" for their line ends.
            Edit->SetText(StringReplace(Lines.ValueFromIndex(I), "\\n", "\r\n", rfReplaceAll));
        }
    }
}

}  // namespace

extern "C" void QRN_CALL SetPrefsTestSeam(const TPrefsTestSeam* Seam) {
    try {
        if (!Seam) {
            SetSettingsKeyPathForTesting("Software\\Quorlen PRO\\");
            PrefsDataDirOverride().clear();
            SetModalDialogHook({});
            return;
        }
        SetSettingsKeyPathForTesting(Seam->SettingsKeyPath);
        PrefsDataDirOverride() = Seam->DataDir;
        const std::string Edits = Seam->Edits ? Seam->Edits : "";
        const int Answer = Seam->Answer;
        int* Shown = Seam->Shown;
        const std::string Folder = Seam->BrowsedFolder ? Seam->BrowsedFolder : "";
        SetModalDialogHook([=](const TDialogRequest& R) -> std::optional<int> {
            if (Shown) ++*Shown;
            if (R.Kind == dkCommonDialog && R.Value) {
                *R.Value = Folder;
                return 1;
            }
            if (R.Kind == dkModalForm && R.Form) ApplyEdits(R.Form, Edits);
            return Answer;
        });
    } catch (...) {
    }
}
