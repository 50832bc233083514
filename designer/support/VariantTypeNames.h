#pragma once
// The type name an automation variant type code stands for in the
// inspector (-1 is the colour type); empty for codes without one.
#include <string>

std::string VariantTypeName(int Code);
// The designer engine puts its own routine in front of the table; it
// answers first and an empty answer falls through.
using TVariantTypeNameHook = std::string (*)(int Code);
void SetVariantTypeNameHook(TVariantTypeNameHook Hook);
