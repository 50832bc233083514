#include "product/ProjectKind.h"

const std::array<std::string, ProjectKindCount> ProjectKindNames = {
    "Unknown", "Dos Exe", "Dos Com", "Win16 Exe", "Win16 Dll", "Win32 Exe", "Win32 Dll",
};

const std::string& ProjectKindName(int Kind) {
    if (Kind < 0 || Kind >= ProjectKindCount) return ProjectKindNames[pkUnknown];
    return ProjectKindNames[static_cast<size_t>(Kind)];
}
