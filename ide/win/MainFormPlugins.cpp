// The main window's commands that call into libraries: New Project (the
// wizard plug-ins), Options (prefs.dll) and Form Designer (Pelmora.dll).
#include "controls/UtilProcs.h"
#include "framework/rtl/StringList.h"
#include "ide/win/MainForm.h"
#include "ide/win/PluginCalls.h"
#include "ide/win/QuillMemoCI.h"
#include "ide/win/WizardHost.h"
#include "product/ToolsFile.h"

void TMainForm::FileNewProject1Click(TObject*) {
    const std::unique_ptr<TStringList> Files = ListWizzards();
    NewProjectFromWizzard(
        this, WizzardFolder(), *Files, [this] { CloseProjectQuery(); },
        [this](const std::string& ProjectFile) { OpenProject(ProjectFile); });
}

void TMainForm::ProjectOptions1Click(TObject*) {
    // The options library may have rewritten tools.dat and templates.dat.
    CallOptionsLibrary([this] { LoadToolsBar(ToolsFilePath(GetExeDir())); }, CodeWindowCount(),
                       [] { TQuillMemoCI::LoadTemplates(); });
}

void TMainForm::ViewFormDesigner1Click(TObject*) {
    CallFormDesigner(ProjectOpen, Project.Kind, Project.FileName, [this] { FocusActiveEditor(); });
}
