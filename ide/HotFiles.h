#pragma once
// The hot-files list and hfiles.dat (caption + "|" + full path per line,
// CR LF) beside the program.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct THotItem {
    std::string Caption;
    std::string Path;
    int ImageIndex = 0;

    bool operator==(const THotItem&) const = default;
};

// One item per non-empty line, cut at the first "|": the caption is the
// file-name part of the text before it, the path the text after it. A line
// without "|" is taken as a path alone.
std::vector<THotItem> ParseHotFiles(std::string_view Text);
std::string HotFilesText(const std::vector<THotItem>& Items);

// An item for a file chosen by its full path.
THotItem HotItemForFile(const std::string& FullPath);
// An item for the active code window's file name: a name relative to the
// project (its second and third characters are not ":\") keeps it as
// caption and lives in the project folder; a full name gives its file-name
// part as caption and stays as it is.
THotItem HotItemForWindow(const std::string& WindowFileName, const std::string& ProjectDir);

// The line "Include File" inserts: include "<short path>".
std::string IncludeStatement(std::string_view ShortPath);

// The entry "Add to project" appends: the full path, unchanged.
std::string ProjectEntryForHotFile(const THotItem& Item);

std::string HotFilesPath(const std::string& ExeDir);
// A missing file gives nothing (the list stays as it is).
std::optional<std::vector<THotItem>> LoadHotFiles(const std::string& FileName);
void SaveHotFiles(const std::string& FileName, const std::vector<THotItem>& Items);
