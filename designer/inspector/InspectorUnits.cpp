#include "designer/inspector/InspectorUnits.h"

#include "designer/inspector/PopupLists.h"
#include "designer/inspector/ReaderErrorDlg.h"
#include "designer/inspector/ZelEdit.h"
#include "designer/support/FormFileHeader.h"
#include "designer/support/FormFiler.h"

void InitInspectorUnits() {
    static bool Done = false;
    if (Done) return;
    Done = true;
    for (const TClass* C : {TZelSimpleEdit::StaticClass(), TDummyEditSource::StaticClass(), TDummyPopup::StaticClass(),
                            TPopupListBox::StaticClass(), TPopupColorBox::StaticClass(),
                            TPopupBrushBox::StaticClass(), TPopupPenBox::StaticClass()})
        RegisterClassOnce(C);
    ReaderErrorProc = ReaderErrorCallback;
}
