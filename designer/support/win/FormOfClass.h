#pragma once
// Forms made from a class alone (the designer's test run of a form class).
#include "framework/forms/Forms.h"

// True when the program holds the class's compiled-in form data: RCDATA
// named by the class name, or by the class name without its "T" (the name
// of the form file the class is made from).
bool FormHasResource(const TClass* FormClass);
// A form of FormClass without owner; a class that is no form gives an empty
// TCustomForm. A form class with form data reads it in its constructor; a
// class without it is created empty.
TCustomForm* CreateFormOfClass(const TClass* FormClass);
