#include "ide/win/ErrorBox.h"

#include "framework/dialogs/Dialogs.h"

void ProjectErrorBox(const std::string& Text) { MessageDlg(Text, mtError, {mbOK}, 0); }
