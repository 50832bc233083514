// The main window's layout in the registry: the bottom pages' height, the
// two tool windows' bounds and the docks of the two toolbars, each a
// decimal string under the settings key.
#include "controls/UtilProcs.h"
#include "docking/win/DockingControls.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/rtl/StrUtils.h"
#include "ide/win/MainForm.h"
#include "product/Settings.h"

namespace {

// The Tag of the dock holding Bar; -1 while it floats.
int DockTag(const TQCustomToolWindow* Bar) { return Bar->DockedTo() ? Bar->DockedTo()->Tag() : -1; }

void WriteLayoutValue(const char* Name, int Value) {
    WriteRegString(HKEY_CURRENT_USER, SettingsKeyPath() + Name, IntToStr(Value));
}

// The value when it is a number; a missing or bad one leaves the layout
// alone.
template <typename TApply>
void ReadLayoutValue(const char* Name, TApply Apply) {
    int Value = 0;
    if (TryStrToInt(ReadRegString(HKEY_CURRENT_USER, SettingsKeyPath() + Name), Value)) Apply(Value);
}

}  // namespace

TQDock* TMainForm::DockForTag(int Value) const {
    for (TQDock* Dock : {TopDock, LeftDock, RightDock})
        if (Dock->Tag() == Value) return Dock;
    return TopDock;
}

void TMainForm::SaveLayout() {
    WriteLayoutValue("BottomBar", DownPage->Height());
    WriteLayoutValue("PmTop", ProjectManager->Top());
    WriteLayoutValue("PmLeft", ProjectManager->Left());
    WriteLayoutValue("PmWidth", ProjectManager->Width());
    WriteLayoutValue("PmHeight", ProjectManager->Height());
    WriteLayoutValue("FoTop", Output->Top());
    WriteLayoutValue("FoLeft", Output->Left());
    WriteLayoutValue("FoWidth", Output->Width());
    WriteLayoutValue("FoHeight", Output->Height());
    WriteLayoutValue("ToolbarDock", DockTag(MainToolbar));
    if (ToolsBar) WriteLayoutValue("ToolsBar", DockTag(ToolsBar));
}

void TMainForm::LoadLayout() {
    ReadLayoutValue("BottomBar", [this](int V) { DownPage->SetHeight(V); });
    ReadLayoutValue("PmTop", [this](int V) { ProjectManager->SetTop(V); });
    ReadLayoutValue("PmLeft", [this](int V) { ProjectManager->SetLeft(V); });
    ReadLayoutValue("PmWidth", [this](int V) { ProjectManager->SetWidth(V); });
    ReadLayoutValue("PmHeight", [this](int V) { ProjectManager->SetHeight(V); });
    ReadLayoutValue("FoTop", [this](int V) { Output->SetTop(V); });
    ReadLayoutValue("FoLeft", [this](int V) { Output->SetLeft(V); });
    ReadLayoutValue("FoWidth", [this](int V) { Output->SetWidth(V); });
    ReadLayoutValue("FoHeight", [this](int V) { Output->SetHeight(V); });
    // A toolbar that floated when the IDE closed comes back on the top
    // dock, as does one without a stored dock.
    int MainDock = -1;
    ReadLayoutValue("ToolbarDock", [&](int V) { MainDock = V; });
    MainToolbar->SetDockedTo(DockForTag(MainDock));
    if (ToolsBar) {
        int ToolsDock = -1;
        ReadLayoutValue("ToolsBar", [&](int V) { ToolsDock = V; });
        ToolsBar->SetDockedTo(DockForTag(ToolsDock));
    }
}
