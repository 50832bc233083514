// Minimal definitions until the run-time type information lands; the
// component-model work replaces this file.
#include "framework/rtl/Object.h"
#include "framework/rtl/Exceptions.h"

const TClass* TObject::StaticClass() { return nullptr; }
const TClass* TObject::ClassType() const { return nullptr; }
std::string TObject::ClassName() const { return "TObject"; }
bool TObject::InheritsFrom(const TClass*) const { return false; }
void TObject::Dispatch(void* Message) { DefaultHandler(Message); }
void TObject::DefaultHandler(void*) {}

const TClass* TPersistent::StaticClass() { return nullptr; }
const TClass* TPersistent::ClassType() const { return nullptr; }
void TPersistent::Assign(TPersistent* Source) {
    if (Source) {
        Source->AssignTo(this);
        return;
    }
    AssignTo(this);
}
std::string TPersistent::GetNamePath() const { return ClassName(); }
void TPersistent::AssignTo(TPersistent* Dest) {
    throw EConvertError("Cannot assign a " + std::string("nil") + " to a " + Dest->ClassName());
}
void TPersistent::DefineProperties(TFiler*) {}
TPersistent* TPersistent::GetOwner() const { return nullptr; }
