#pragma once
// The open project as the IDE holds it.
#include <string>

#include "product/ProjectKind.h"

class TStringList;

struct TProjectInfo {
    std::string Name;
    ProjectKind Kind = pkUnknown;
    std::string Cpu;
    TStringList* Files = nullptr;  // owned by the main form
    TStringList* Forms = nullptr;  // owned by the main form
    std::string Dir;               // ends in a backslash
    std::string FileName;
    std::string Directives;
};
