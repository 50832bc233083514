#pragma once
// tools.dat beside the program: one tool per line, program + "|" +
// parameters (CR LF). The IDE only reads it; the options library may
// write it.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TToolEntry {
    std::string Line;        // the whole line (the button's Path)
    std::string Program;     // text before the first "|"
    std::string Parameters;  // text after it; empty without "|"

    bool operator==(const TToolEntry&) const = default;
};

// Cuts a line at its first "|"; without one the whole line is the program.
TToolEntry SplitToolLine(std::string_view Line);

// One entry per line, in order; blank lines start nothing and are left out.
std::vector<TToolEntry> ParseToolsFile(std::string_view Text);
std::string ToolsFileText(const std::vector<TToolEntry>& Tools);

std::string ToolsFilePath(const std::string& ExeDir);
// A missing file gives nothing (an existing tools toolbar stays); an empty
// list means no toolbar at all.
std::optional<std::vector<TToolEntry>> LoadToolsFile(const std::string& FileName);
void SaveToolsFile(const std::string& FileName, const std::vector<TToolEntry>& Tools);
