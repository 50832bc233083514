#include "designer/inspector/core/PropertyDescriptions.h"

#include "framework/rtl/StrUtils.h"

namespace {

bool Lookup(const std::vector<std::string>& Lines, const std::string& Name, std::string& Text) {
    for (const std::string& Line : Lines) {
        const size_t Eq = Line.find('=');
        if (Eq != std::string::npos && AnsiSameText(std::string_view(Line).substr(0, Eq), Name)) {
            Text = Line.substr(Eq + 1);
            return true;
        }
    }
    return false;
}

}  // namespace

std::string FindPropertyDescription(const std::vector<std::string>& Lines, const TClass* Class,
                                    const std::string& PropName) {
    std::string Text;
    for (const TClass* C = Class; C; C = C->Parent())
        if (Lookup(Lines, C->Name() + "." + PropName, Text)) return Text;
    Lookup(Lines, PropName, Text);
    return Text;
}
