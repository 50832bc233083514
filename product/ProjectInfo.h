#pragma once
// The open project: what its project file holds and where it lives. The
// project file, the build and the main form all work on this one record.
#include <string>
#include <vector>

#include "product/ProjectKind.h"

struct TProjectInfo {
    std::string Name;
    ProjectKind Kind = pkUnknown;
    std::string Cpu;
    std::vector<std::string> Files;  // relative to Dir, in project order
    std::vector<std::string> Forms;
    std::string Dir;                 // ends in a backslash
    std::string FileName;
    std::string Directives;

    bool operator==(const TProjectInfo&) const = default;
};
