// The native build has no executable date to show: the version string keeps
// its initial form.
#include "product/ProductTitle.h"

std::string TitleString = "Quorlen PRO v1.0a (Merivel)";
