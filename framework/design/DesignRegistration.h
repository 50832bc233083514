#pragma once
// Registration of component classes with the design environment. Component
// units call these from their registration code; the designer library puts
// its handlers into the procedure variables (a palette page, a class
// without a palette icon, the third kind). Without a handler the call
// raises EComponentError.
#include <string>
#include <vector>

#include "framework/classes/TypeInfo.h"

using TComponentClasses = std::vector<const TClass*>;

void RegisterComponents(const std::string& Page, const TComponentClasses& Classes);
void RegisterNoIcon(const TComponentClasses& Classes);
void RegisterNonActiveX(const TComponentClasses& Classes);

extern void (*RegisterComponentsProc)(const std::string& Page, const TComponentClasses& Classes);
extern void (*RegisterNoIconProc)(const TComponentClasses& Classes);
extern void (*RegisterNonActiveXProc)(const TComponentClasses& Classes);
