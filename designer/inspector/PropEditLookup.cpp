// Which inner edit and drop-down a property type gets. Later registrations
// override earlier ones for the same type.
#include <vector>

#include "designer/inspector/PopupLists.h"
#include "designer/inspector/PropEdit.h"

namespace {
struct TTypeClass {
    const TTypeInfo* Type;
    const TClass* Class;
};

std::vector<TTypeClass>& EditClasses() {
    static std::vector<TTypeClass> List;
    return List;
}

std::vector<TTypeClass>& PopupClasses() {
    static std::vector<TTypeClass> List;
    return List;
}

bool Matches(const TTypeInfo* Entry, const TTypeInfo* Type) {
    if (!Entry || Entry == Type) return true;
    const TClass* EntryClass = Entry->ClassType();
    const TClass* TypeClass = Type ? Type->ClassType() : nullptr;
    return EntryClass && TypeClass && TypeClass->InheritsFrom(EntryClass);
}

const TTypeInfo* TypeOf(TPropertyEditor* Editor) {
    if (dynamic_cast<TSetElementProperty*>(Editor)) return TTypeInfoOf<bool>::Get();
    return Editor->GetPropType();
}

const TClass* Lookup(const std::vector<TTypeClass>& List, const TTypeInfo* Type, const TClass* Default) {
    for (auto It = List.rbegin(); It != List.rend(); ++It)
        if (Matches(It->Type, Type)) return It->Class;
    return Default;
}
}  // namespace

void RegisterInspectorEditClass(const TTypeInfo* PropertyType, const TClass* EditClass) {
    EditClasses().push_back({PropertyType, EditClass});
}

void RegisterInspectorPopupClass(const TTypeInfo* PropertyType, const TClass* PopupClass) {
    PopupClasses().push_back({PropertyType, PopupClass});
}

const TClass* EditClassFor(const TTypeInfo* PropertyType, const TPersistent*, const std::string&) {
    return Lookup(EditClasses(), PropertyType, TZelSimpleEdit::StaticClass());
}

const TClass* PopupClassFor(const TTypeInfo* PropertyType, const TPersistent*, const std::string&) {
    return Lookup(PopupClasses(), PropertyType, TPopupListBox::StaticClass());
}

const TClass* EditClassForEditor(TPropertyEditor* Editor) {
    return EditClassFor(Editor ? TypeOf(Editor) : nullptr, nullptr, {});
}

const TClass* PopupClassForEditor(TPropertyEditor* Editor) {
    return PopupClassFor(Editor ? TypeOf(Editor) : nullptr, nullptr, {});
}
