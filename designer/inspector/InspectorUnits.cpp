#include "designer/inspector/InspectorUnits.h"

#include "designer/inspector/PopupLists.h"
#include "designer/inspector/PropEdit.h"
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
                            TPopupBrushBox::StaticClass(), TPopupPenBox::StaticClass(),
                            TZelPropEditor::StaticClass()})
        RegisterClassOnce(C);
    ReaderErrorProc = ReaderErrorCallback;
    // The value lists by property type; Boolean rows get no drop-down.
    RegisterInspectorPopupClass(TTypeInfoOf<std::string>::Get(), TPopupListBox::StaticClass());
    RegisterInspectorPopupClass(QRN_TYPE(TColor), TPopupColorBox::StaticClass());
    RegisterInspectorPopupClass(TTypeInfoOf<TPenStyle>::Get(), TPopupPenBox::StaticClass());
    RegisterInspectorPopupClass(TTypeInfoOf<TBrushStyle>::Get(), TPopupBrushBox::StaticClass());
    RegisterInspectorPopupClass(TTypeInfoOf<bool>::Get(), nullptr);
}
