// The designer run behind the library's one export.
#include <exception>

#include "designer/engine/win/AlignPalette.h"
#include "designer/engine/win/FormDesignerUnit.h"
#include "designer/host/win/DesignerHost.h"
#include "designer/inspector/InspectorUnits.h"
#include "framework/controls/ModalHook.h"

namespace {

// What the lower layers cannot start themselves, once per run, ended in
// reverse order.
struct TDesignerUnits {
    TDesignerUnits() {
        InitInspectorUnits();
        StartFormDesignerUnit();
        StartAlignPalette();
    }
    ~TDesignerUnits() {
        EndAlignPalette();
        EndFormDesignerUnit();
    }
    TDesignerUnits(const TDesignerUnits&) = delete;
    TDesignerUnits& operator=(const TDesignerUnits&) = delete;
};

struct THostGlobal {
    explicit THostGlobal(TForm1* Host) { SetDesignerHostInstance(Host); }
    ~THostGlobal() { SetDesignerHostInstance(nullptr); }
};

}  // namespace

bool ExecuteDesigner(const std::string& ProjectFile) {
    try {
        TDesignerUnits Units;
        std::unique_ptr<TForm1, TObjectFree> Host(new TForm1(nullptr));
        THostGlobal Global(Host.get());
        Host->SetParentWindow(GetDesktopWindow());
        Host->ProjectFilePath = ProjectFile;
        Host->ShowModal();
    } catch (const std::exception& E) {
        ShowMessageBox(nullptr, E.what(), "Designer", MB_OK | MB_ICONERROR | MB_TASKMODAL);
    } catch (...) {
        ShowMessageBox(nullptr, "The designer stopped on an unknown error.", "Designer",
                       MB_OK | MB_ICONERROR | MB_TASKMODAL);
    }
    return true;
}
