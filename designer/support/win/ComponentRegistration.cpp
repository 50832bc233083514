#include "designer/support/win/ComponentRegistration.h"

#include "designer/support/ClassItems.h"
#include "designer/support/MessageBus.h"
#include "designer/support/win/DesignApplication.h"

namespace {
void OnPage(const std::string& Page, const TComponentClasses& Classes) {
    RegisterClassesWithFlags(Page, Classes, ClassOnPage);
}
void WithoutIcon(const TComponentClasses& Classes) { RegisterClassesWithFlags("", Classes, ClassWithoutIcon); }
void NonActiveX(const TComponentClasses& Classes) { RegisterClassesWithFlags("", Classes, ClassNonActiveX); }

template <class Proc>
void HookOne(Proc*& Variable, Proc* Ours) {
    if (!Variable) Variable = Ours;
}
template <class Proc>
void UnhookOne(Proc*& Variable, Proc* Ours) {
    if (Variable == Ours) Variable = nullptr;
}
}  // namespace

void HookComponentRegistration() {
    HookOne(RegisterComponentsProc, &OnPage);
    HookOne(RegisterNoIconProc, &WithoutIcon);
    HookOne(RegisterNonActiveXProc, &NonActiveX);
}

void UnhookComponentRegistration() {
    UnhookOne(RegisterComponentsProc, &OnPage);
    UnhookOne(RegisterNoIconProc, &WithoutIcon);
    UnhookOne(RegisterNonActiveXProc, &NonActiveX);
}

void RegisterClassesWithFlags(const std::string& Page, const TComponentClasses& Classes, uint8_t Flags) {
    if (!DesignApplication) return;
    DesignApplication->ClassItems()->RegisterClasses(Page, Classes, Flags);
    BroadcastSimple(ClassesRegisteredMessage);
}

bool ClassHasDesignIcon(const TClass* Class) {
    return !DesignApplication || DesignApplication->ClassItems()->HasDesignIcon(Class);
}
