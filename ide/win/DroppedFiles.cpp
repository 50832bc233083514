#include "ide/win/DroppedFiles.h"

#include "framework/comctrls/ComCtrls.h"
#include "framework/controls/ModalHook.h"
#include "ide/ListTexts.h"
#include "ide/RecentFiles.h"

bool OpenShellDrop(const std::vector<std::string>& Files, const TDropOpeners& Open) {
    if (Files.empty() || Files.front().empty()) return false;
    const std::string& File = Files.front();
    if (IsProjectFileName(File)) {
        if (Open.OpenProject) Open.OpenProject(File);
    } else if (Open.OpenFile) {
        Open.OpenFile(File);
    }
    return true;
}

void OpenHotFileDrop(const std::string& Path, const TDropOpeners& Open, HWND Owner) {
    if (IsProjectFileName(Path)) {
        ShowMessageBox(Owner, std::string(ListTexts::HotProjectRefused), "Error", MB_OK | MB_ICONERROR);
        return;
    }
    if (Open.OpenFile) Open.OpenFile(Path);
}

std::string DraggedListPath(TObject* Source) {
    auto* List = dynamic_cast<TListView*>(Source);
    TListItem* Item = List ? List->Selected() : nullptr;
    if (!Item || Item->SubItems()->Count() == 0) return {};
    return Item->SubItems()->Strings(0);
}
