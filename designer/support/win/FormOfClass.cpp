#include "designer/support/win/FormOfClass.h"

#include "framework/classes/FormResource.h"

bool FormHasResource(const TClass* FormClass) {
    if (!FormClass) return false;
    const std::string Name = FormClass->Name();
    return FormResourceExists(nullptr, Name) ||
           (Name.size() > 1 && Name[0] == 'T' && FormResourceExists(nullptr, Name.substr(1)));
}

TCustomForm* CreateFormOfClass(const TClass* FormClass) {
    if (!FormClass || !FormClass->InheritsFrom(TCustomForm::StaticClass()) || !FormClass->CanCreateComponent())
        FormClass = TCustomForm::StaticClass();
    // The framework's form constructors load their own data when the class
    // has some (FormHasResource) and build an empty form otherwise, so one
    // creation by class serves both.
    return static_cast<TCustomForm*>(FormClass->CreateComponent(nullptr));
}
