// Which inner edit and drop-down a property gets: the support library's
// per-type registries, read from the newest entry, with the plain edit and
// the plain list when nothing fits.
#include "designer/inspector/MultiSelectPropEdit.h"
#include "designer/inspector/PopupLists.h"
#include "designer/inspector/PropEdit.h"
#include "designer/support/EditorClassRegistry.h"

namespace {
struct TLookupKey {
    const TTypeInfo* Type = nullptr;
    const TPersistent* Component = nullptr;
    std::string Name;
};

TLookupKey KeyOf(TPropertyEditor* Editor) {
    // A set element is a Boolean switch of its own, whatever the set's type.
    if (!Editor || dynamic_cast<TSetElementProperty*>(Editor)) return {TTypeInfoOf<bool>::Get(), nullptr, {}};
    if (auto* Multi = dynamic_cast<TMultiSelectPropEdit*>(Editor)) {
        TPropertyEditor* First = Multi->First();
        return {Multi->GetPropType(), First && First->PropCount() ? First->GetComponent(0) : nullptr, Multi->GetName()};
    }
    return {Editor->GetPropType(), Editor->PropCount() ? Editor->GetComponent(0) : nullptr, Editor->GetName()};
}
}  // namespace

const TClass* EditClassFor(const TTypeInfo* PropertyType, const TPersistent* Component, const std::string& PropName) {
    auto* Info = static_cast<TEditClassInfo*>(
        FindPropertyClassInfo(EditClassRegistry(), PropertyType, Component, PropName));
    return Info ? Info->EditClass : TZelSimpleEdit::StaticClass();
}

const TClass* PopupClassFor(const TTypeInfo* PropertyType, const TPersistent* Component, const std::string& PropName) {
    auto* Info = static_cast<TPopupClassInfo*>(
        FindPropertyClassInfo(PopupClassRegistry(), PropertyType, Component, PropName));
    return Info ? Info->PopupClass : TPopupListBox::StaticClass();
}

const TClass* EditClassForEditor(TPropertyEditor* Editor) {
    if (!Editor) return TZelSimpleEdit::StaticClass();
    const TLookupKey Key = KeyOf(Editor);
    return EditClassFor(Key.Type, Key.Component, Key.Name);
}

const TClass* PopupClassForEditor(TPropertyEditor* Editor) {
    if (!Editor) return TPopupListBox::StaticClass();
    const TLookupKey Key = KeyOf(Editor);
    return PopupClassFor(Key.Type, Key.Component, Key.Name);
}
