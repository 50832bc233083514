#pragma once
// The assembler's and linker's captured output: which lines go to the
// Messages pane, whether the step failed, and where a message line points.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TStrings;

struct TToolOutputReport {
    std::vector<std::string> Reported;  // in order; a line matching two tests appears twice
    bool ErrorSeen = false;
};

// Assembler: "**Error**" and "**Fatal**" lines are errors, "*Warning*"
// lines are reported only. Case-sensitive substrings anywhere in the line.
TToolOutputReport FilterAssemblerOutput(const std::vector<std::string>& Lines);
TToolOutputReport FilterAssemblerOutput(const TStrings& Lines);
// Linker: the same with "Error:", "Fatal:" and "Warning:".
TToolOutputReport FilterLinkerOutput(const std::vector<std::string>& Lines);
TToolOutputReport FilterLinkerOutput(const TStrings& Lines);

struct TMessageLocation {
    std::string File;  // as the tool wrote it (relative, full or short path)
    int Line = 0;      // as the tool wrote it; may be 0 or less
};

// The file and line an assembler "**Error**" or "*Warning*" line names, as
// in "**Error** c:\proj\main.asm(12) Undefined symbol". Other lines, and
// lines without a parenthesised part, give no location. The line number is the
// first "(number)" group, so folders with parentheses in their names work.
// Raises EConvertError when the only parenthesised text is not a number.
std::optional<TMessageLocation> ParseMessageLocation(std::string_view Line);

// The file name without its folder, the first name a code window is
// looked up by.
std::string MessageFileName(std::string_view File);

// Whether a code window's file name equals a name taken from a message.
// The tools are handed lower-cased paths and report them so, while a window
// keeps the name as the project lists it ("Main.asm"); comparing without
// ASCII case keeps the jump from opening the file a second time.
bool SameMessageFileName(std::string_view WindowFileName, std::string_view MessageName);

// The editor's display line (from 0) for a message's line number (from 1);
// numbers of 0 or less go to the first line.
int EditorLineOfMessage(int Number);
