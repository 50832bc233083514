#include "designer/inspector/InspectorUnits.h"

#include "designer/inspector/GlyphEditForm.h"
#include "designer/inspector/GraphicEdits.h"
#include "designer/inspector/HistComponent.h"
#include "designer/inspector/InspectorTexts.h"
#include "designer/inspector/PopupLists.h"
#include "designer/inspector/PropEdit.h"
#include "designer/inspector/ReaderErrorDlg.h"
#include "designer/inspector/StringsEditForm.h"
#include "designer/inspector/ZelEdit.h"
#include "designer/inspector/win/InspectorGlobalOptions.h"
#include "designer/support/EditorClassRegistry.h"
#include "designer/support/FormFileHeader.h"
#include "designer/support/FormFiler.h"
#include "designer/support/win/DesignLibrary.h"
#include "designer/support/win/PropertyVerbs.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/stdctrls/CheckListBox.h"

namespace {
// Which inner edit and drop-down each property type gets, in this order:
// a later entry overrides an earlier one for the same type.
void RegisterPropEditClasses() {
    const TTypeInfo* String = TTypeInfoOf<std::string>::Get();
    const TTypeInfo* Boolean = TTypeInfoOf<bool>::Get();
    RegisterPopupClass(String, nullptr, "", TPopupListBox::StaticClass());
    RegisterInplaceOnlyEditClass(String, nullptr, "", TZelSimpleEdit::StaticClass());
    RegisterPopupClass(QRN_TYPE(TColor), nullptr, "", TPopupColorBox::StaticClass());
    RegisterEditClass(QRN_TYPE(TColor), nullptr, "", TColorEdit::StaticClass());
    RegisterEditClass(TTypeInfoOf<TPenStyle>::Get(), nullptr, "", TPenStyleEdit::StaticClass());
    RegisterPopupClass(TTypeInfoOf<TPenStyle>::Get(), nullptr, "", TPopupPenBox::StaticClass());
    RegisterEditClass(TTypeInfoOf<TBrushStyle>::Get(), nullptr, "", TBrushStyleEdit::StaticClass());
    RegisterPopupClass(TTypeInfoOf<TBrushStyle>::Get(), nullptr, "", TPopupBrushBox::StaticClass());
    RegisterEditClass(Boolean, nullptr, "", TCheckEdit::StaticClass());
    RegisterInplaceOnlyEditClass(TTypeInfoOf<TGraphic*>::Get(), nullptr, "", TImageEdit::StaticClass());
    RegisterInplaceOnlyEditClass(TTypeInfoOf<TPicture*>::Get(), nullptr, "", TPictureEdit::StaticClass());
    RegisterPropertyEditor(String, THistComponent::StaticClass(), "Prop", PropertyEditorClass<THistoryStringEdit2>());
    // A Boolean row is a check box: no drop-down.
    RegisterPopupClass(Boolean, nullptr, "", nullptr);
    for (const TClass* C : {TZelSimpleEdit::StaticClass(), TDummyEditSource::StaticClass(), TDummyPopup::StaticClass()})
        RegisterClassOnce(C);
}

// Every string list edits in the string-list editor.
void RegisterStringListEditor() {
    RegisterPropertyEditor(TTypeInfoOf<TStrings*>::Get(), nullptr, "", PropertyEditorClass<TStringListEdit>());
    RegisterPropertyVerb("&Lines Editor...", TMemo::StaticClass(), "Lines");
    for (const TClass* C : {TListBox::StaticClass(), TComboBox::StaticClass(), TRadioGroup::StaticClass()})
        RegisterPropertyVerb("&Items Editor...", C, "Items");
    RegisterPropertyVerb("&Tabs Editor...", TTabControl::StaticClass(), "Tabs");
    RegisterPropertyVerb("&Items Editor...", TCheckListBox::StaticClass(), "Items");
}

void RegisterPictureEditors() {
    RegisterPropertyEditor(TTypeInfoOf<TPicture*>::Get(), nullptr, "", PropertyEditorClass<TPictureGlyphEdit>());
    RegisterPropertyEditor(TTypeInfoOf<TBitmap*>::Get(), nullptr, "", PropertyEditorClass<TBitmapEdit>());
    RegisterPropertyEditor(TTypeInfoOf<TIcon*>::Get(), nullptr, "", PropertyEditorClass<TIconEdit>());
    RegisterPropertyVerb(SEditImageVerb, TImage::StaticClass(), "Picture");
}
}  // namespace

void InitInspectorUnits() {
    static bool ClassesRegistered = false;
    if (!ClassesRegistered) {
        ClassesRegistered = true;
        for (const TClass* C : {TPopupListBox::StaticClass(), TPopupColorBox::StaticClass(),
                                TPopupBrushBox::StaticClass(), TPopupPenBox::StaticClass(),
                                TZelPropEditor::StaticClass(), TOpenDialog::StaticClass(), TSaveDialog::StaticClass(),
                                TSpeedButton::StaticClass(), TImage::StaticClass(), TColorEdit::StaticClass(),
                                TPenStyleEdit::StaticClass(), TBrushStyleEdit::StaticClass(),
                                TPictureEdit::StaticClass(), TImageEdit::StaticClass(), TCheckEdit::StaticClass(),
                                TZelListBox::StaticClass(), THistComponent::StaticClass()})
            RegisterClassOnce(C);
    }
    // The library's end frees the registries these go into: a designer
    // run after the first would otherwise show every value as plain text.
    static int RegisteredIn = -1;
    if (RegisteredIn == DesignLibraryGeneration()) return;
    RegisteredIn = DesignLibraryGeneration();
    ReaderErrorProc = ReaderErrorCallback;
    CallRegisterProc(RegisterPropEditClasses);
    CallRegisterProc(RegisterStringListEditor);
    CallRegisterProc(RegisterPictureEditors);
    InitObjectInspectorUnit();
}
