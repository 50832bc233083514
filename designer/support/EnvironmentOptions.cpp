#include "designer/support/EnvironmentOptions.h"

#include "designer/support/ObjectParams.h"

TObjectParamListItem* RegisterEnvironmentOptions(const TClass* OptionsClass) {
    return AddObjectParams(OptionsClass, {{"Environment.Options", Variant(EnvironmentOptionsMark)}});
}
