#include "designer/support/EnvironmentOptions.h"

#include "designer/support/ObjectParams.h"

TObjectParamListItem* RegisterEnvironmentOptions(const TClass* OptionsClass) {
    const TParamValues Mark = {{"Environment.Options", Variant(EnvironmentOptionsMark)}};
    // Once, however often a unit starts between two ends of the library.
    if (auto* Entry = FindObjectParams(OptionsClass, Mark); Entry && Entry->ObjectClass == OptionsClass) return Entry;
    return AddObjectParams(OptionsClass, Mark);
}
