#pragma once
// The recent-files list: its items, the rules that keep it, and recent.dat
// (one full path per line, CR LF) beside the program.
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TRecentItem {
    std::string Caption;  // the file name without folder
    std::string Path;     // the full path as stored
    int ImageIndex = 0;   // 1 for a project file

    bool operator==(const TRecentItem&) const = default;
};

using TFileExistsFunc = std::function<bool(const std::string& Path)>;

// A project file by its exact, case-sensitive ".qrn" extension (the rule
// of opening: anything else opens as a loose file).
bool IsProjectFileName(std::string_view Path);

TRecentItem MakeRecentItem(const std::string& Path);

// The items of recent.dat's text: one per line naming an existing file, in
// file order; lines of missing files are left out (and so dropped at the
// next save).
std::vector<TRecentItem> ParseRecentFiles(std::string_view Text, const TFileExistsFunc& Exists);

// recent.dat's text: every item's path, in list order, CR LF after each.
std::string RecentFilesText(const std::vector<TRecentItem>& Items);

// Adds Path lower-cased at the end unless the list already holds it
// (compared without regard to case); true when it was added and the list
// must be saved. The list has no limit and is never reordered.
bool AddRecentFile(std::vector<TRecentItem>& Items, const std::string& Path);

// Removes the item at Index; false when there is none.
bool DeleteRecentFile(std::vector<TRecentItem>& Items, int Index);

// recent.dat beside the program (ExeDir ends in a separator). Loading a
// missing file gives nothing (the list stays as it is); saving writes the
// whole file or leaves the old one.
std::string RecentFilesPath(const std::string& ExeDir);
std::optional<std::vector<TRecentItem>> LoadRecentFiles(const std::string& FileName, const TFileExistsFunc& Exists);
void SaveRecentFiles(const std::string& FileName, const std::vector<TRecentItem>& Items);
