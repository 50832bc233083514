#include "framework/design/DesignRegistration.h"

#include "framework/classes/ClassErrors.h"

void (*RegisterComponentsProc)(const std::string& Page, const TComponentClasses& Classes) = nullptr;
void (*RegisterNoIconProc)(const TComponentClasses& Classes) = nullptr;
void (*RegisterNonActiveXProc)(const TComponentClasses& Classes) = nullptr;

namespace {
[[noreturn]] void NoHandler() { throw EComponentError("Invalid component registration"); }
}  // namespace

void RegisterComponents(const std::string& Page, const TComponentClasses& Classes) {
    if (!RegisterComponentsProc) NoHandler();
    RegisterComponentsProc(Page, Classes);
}

void RegisterNoIcon(const TComponentClasses& Classes) {
    if (!RegisterNoIconProc) NoHandler();
    RegisterNoIconProc(Classes);
}

void RegisterNonActiveX(const TComponentClasses& Classes) {
    if (!RegisterNonActiveXProc) NoHandler();
    RegisterNonActiveXProc(Classes);
}
