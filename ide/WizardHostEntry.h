#pragma once
// One wizard plug-in as the New Project list shows it. The library's file
// name stays beside the entry: the list's text is never parsed back (a
// wizard's name may hold parentheses of its own).
#include <cstdint>
#include <string>

struct TWizzardEntry {
    std::string Name;      // what the plug-in's WizzardName returned
    std::string FileName;  // the library's file name, without folder
    uint16_t Version = 0;  // major version in the high byte, minor in the low

    bool operator==(const TWizzardEntry&) const = default;
};

// Name + " (" + file + ")" + " (ver " + major + "." + minor + ")".
std::string WizzardEntryText(const TWizzardEntry& Entry);
