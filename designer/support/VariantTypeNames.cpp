#include "designer/support/VariantTypeNames.h"

namespace {
TVariantTypeNameHook GHook = nullptr;

// Codes 0 to 31; the empty entries are the codes without a type name.
const char* const Names[32] = {
    "",        "",        "Smallint", "Longint", "Single",  "Double",   "Currency", "TDateTime",
    "PWideChar", "Pointer", "Integer", "WordBool", "Variant", "Pointer", "PWideChar", "",
    "ShortInt", "Byte",    "Word",     "Cardinal", "Variant", "Variant", "Integer",  "Cardinal",
    "Variant",  "HResult", "Pointer",  "Variant",  "Variant", "Variant", "PChar",    "PWideChar"};
}  // namespace

void SetVariantTypeNameHook(TVariantTypeNameHook Hook) { GHook = Hook; }

std::string VariantTypeName(int Code) {
    if (GHook) {
        std::string Name = GHook(Code);
        if (!Name.empty()) return Name;
    }
    if (Code == -1) return "TColor";
    return Code >= 0 && Code < 32 ? Names[Code] : "";
}
