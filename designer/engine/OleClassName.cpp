#include "designer/engine/OleClassName.h"

#include "designer/support/DesignStrings.h"
#include "framework/classes/Component.h"

std::string OleClassNameOf(std::string_view ProgID) {
    const std::string Middle = MiddleNamePart(ProgID);
    const std::string Name = "T" + Middle;
    // An empty middle part would leave "T", which names nothing useful.
    if (Middle.empty() || !IsValidIdent(Name)) return "TZelOleControl";
    return Name;
}
