#pragma once
// Option classes that belong in the environment's options (the
// inspector's among them) are made known through the object parameters.
#include "framework/classes/TypeInfo.h"

class TObjectParamListItem;

inline constexpr int EnvironmentOptionsMark = 123;

// Adds an entry for OptionsClass with "Environment.Options" = 123.
TObjectParamListItem* RegisterEnvironmentOptions(const TClass* OptionsClass);
