#include "ide/win/StartUp.h"

#include <memory>

#include "controls/UtilProcs.h"
#include "controls/win/MediaCursors.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/FileUtils.h"
#include "ide/win/Splash.h"

TCustomForm* StartUp(const std::string& ProgramFolder, const std::function<TCustomForm*()>& CreateMainForm) {
    TCustomForm* Main = nullptr;
    {
        // Freed as soon as the main window exists, and also when creating
        // it fails.
        std::unique_ptr<TSplash, TObjectFree> Splash(new TSplash(nullptr));
        Splash->Show();
        Splash->Update();
        Application->Initialize();
        // Lets the splash's own posted messages paint it before the long
        // creation of the main window.
        Application->ProcessMessages();
        Application->SetTitle("Quorlen");
        InstallMediaCursors();
        Main = CreateMainForm();
    }
    CheckKeywordData(ProgramFolder);
    return Main;
}

bool CheckKeywordData(const std::string& ProgramFolder) {
    if (FileExists(AddBackSlash(ProgramFolder) + "keys.dat")) return true;
    MessageDlg(MissingKeywordDataText, mtError, TMsgDlgButtons{mbOK}, 0);
    return false;
}
