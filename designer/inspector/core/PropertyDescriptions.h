#pragma once
// The description of the current property: lines "Class.Prop=text" for a
// class and its descendants, or "Prop=text" for the property of any class.
#include <string>
#include <vector>

#include "framework/classes/TypeInfo.h"

// Tries ClassName.PropName for the class and then each ancestor, then
// PropName alone; names without regard to case. Empty when none matches.
std::string FindPropertyDescription(const std::vector<std::string>& Lines, const TClass* Class,
                                    const std::string& PropName);
