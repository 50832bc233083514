#pragma once
// The framework's component registrations (RegisterComponents,
// RegisterNoIcon, RegisterNonActiveX) recorded in the application
// object's class list.
#include <cstdint>
#include <string>

#include "framework/design/DesignRegistration.h"

// Puts the library's handlers into the framework's registration variables
// that are still empty; Unhook clears only those still holding ours.
void HookComponentRegistration();
void UnhookComponentRegistration();
// Records the classes (see TClassItems::RegisterClasses), then tells the
// listeners once (ClassesRegisteredMessage). Nothing without the
// application object.
void RegisterClassesWithFlags(const std::string& Page, const TComponentClasses& Classes, uint8_t Flags);
// Whether the designer shows an icon for a non-visual component of Class.
bool ClassHasDesignIcon(const TClass* Class);
