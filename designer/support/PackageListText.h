#pragma once
// The stored list of installed packages: one line per package, the comma
// text of description, path and "1"/"0" (loaded), each line ended by #0,
// the whole ended by one more #0. In the registry the #0 become #1.
#include <string>
#include <vector>

struct TPackageLine {
    std::string Desc;
    std::string Path;
    bool Loaded = false;
};

std::string PackageListText(const std::vector<TPackageLine>& Lines);
// The lines up to the first empty one; a line without exactly three
// fields, or whose third field starts with neither "0" nor "1", is left
// out. Loaded only for a third field of exactly "1".
std::vector<TPackageLine> ParsePackageListText(const std::string& Text);
// #0 and #1 swapped for storing in one registry string and back.
std::string PackageTextToRegistry(std::string Text);
std::string PackageTextFromRegistry(std::string Text);
