#include "designer/inspector/InspectorUnits.h"

#include "designer/inspector/GraphicEdits.h"
#include "designer/inspector/PopupLists.h"
#include "designer/inspector/PropEdit.h"
#include "designer/inspector/ReaderErrorDlg.h"
#include "designer/inspector/StringsEditForm.h"
#include "designer/inspector/ZelEdit.h"
#include "designer/inspector/win/InspectorGlobalOptions.h"
#include "designer/support/FormFileHeader.h"
#include "designer/support/FormFiler.h"
#include "designer/support/win/DesignLibrary.h"

namespace {
// Every string list edits in the string-list editor.
void RegisterStringListEditor() {
    RegisterPropertyEditor(TTypeInfoOf<TStrings*>::Get(), nullptr, "", PropertyEditorClass<TStringListEdit>());
}
}  // namespace

void InitInspectorUnits() {
    static bool Done = false;
    if (Done) return;
    Done = true;
    for (const TClass* C : {TZelSimpleEdit::StaticClass(), TDummyEditSource::StaticClass(), TDummyPopup::StaticClass(),
                            TPopupListBox::StaticClass(), TPopupColorBox::StaticClass(),
                            TPopupBrushBox::StaticClass(), TPopupPenBox::StaticClass(),
                            TZelPropEditor::StaticClass(), TOpenDialog::StaticClass(), TSaveDialog::StaticClass(),
                            TSpeedButton::StaticClass(), TColorEdit::StaticClass(), TCheckEdit::StaticClass()})
        RegisterClassOnce(C);
    ReaderErrorProc = ReaderErrorCallback;
    // The value lists by property type; Boolean rows get no drop-down.
    RegisterInspectorPopupClass(TTypeInfoOf<std::string>::Get(), TPopupListBox::StaticClass());
    RegisterInspectorPopupClass(QRN_TYPE(TColor), TPopupColorBox::StaticClass());
    RegisterInspectorPopupClass(TTypeInfoOf<TPenStyle>::Get(), TPopupPenBox::StaticClass());
    RegisterInspectorPopupClass(TTypeInfoOf<TBrushStyle>::Get(), TPopupBrushBox::StaticClass());
    RegisterInspectorPopupClass(TTypeInfoOf<bool>::Get(), nullptr);
    RegisterInspectorEditClass(QRN_TYPE(TColor), TColorEdit::StaticClass());
    RegisterInspectorEditClass(TTypeInfoOf<bool>::Get(), TCheckEdit::StaticClass());
    CallRegisterProc(RegisterStringListEditor);
    InitObjectInspectorUnit();
}
