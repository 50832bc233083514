#pragma once
// The kinds of project, as the project file's "kind" line numbers them.
#include <array>
#include <string>

enum ProjectKind : short {
    pkUnknown = 0,
    pkDosExe = 1,
    pkDosCom = 2,
    pkWin16Exe = 3,
    pkWin16Dll = 4,
    pkWin32Exe = 5,
    pkWin32Dll = 6,
};

constexpr int ProjectKindCount = 7;
// The names the build's progress shows, indexed by kind.
extern const std::array<std::string, ProjectKindCount> ProjectKindNames;

// The name of Kind; "Unknown" for a number outside the kinds.
const std::string& ProjectKindName(int Kind);
