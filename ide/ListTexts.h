#pragma once
// Fixed texts of the recent and hot files, find in files, the code window
// and its code assistance.
#include <string>
#include <string_view>

namespace ListTexts {

// Find in files.
inline constexpr std::string_view FindPattern = "*.asm;*.inc;*.mac";
inline constexpr std::string_view Idle = "Idle";
inline std::string Searching(int Found) { return "Searching ... " + std::to_string(Found) + " files found"; }

// Hot files and dropped files.
inline constexpr std::string_view HotProjectRefused = "Hot Projects are not alloweded in this version.Sorry :(";
inline constexpr std::string_view HotFileFilter = "Assembler Files|*.asm|Include Files|*.inc|Macro Files|*.mac";

// Code window.
inline constexpr std::string_view CollapseTitle = "Collapse Code";
inline constexpr std::string_view CollapsePrompt = "Filename where you want the code to collapse :";
inline constexpr std::string_view SaveModifiedQuestion = "File was modified.Do you want to save it now ?";
inline constexpr std::string_view ReadOnlyPanel = "Read-Only";
inline std::string NotFoundQuestion(std::string_view Name) {
    return "File " + std::string(Name) + " was not found in the current directory.Do you want to look for it ?";
}
// A file holding a NUL byte is shown up to it; saving would cut it there.
inline std::string NotLoadedWhole(std::string_view Name) {
    return std::string(Name) +
           " holds a NUL byte: only the text before it was loaded. The window is read-only, so that saving "
           "cannot shorten the file.";
}
inline std::string ShortenQuestion(std::string_view Name) {
    return std::string(Name) +
           " was not loaded whole: saving it will keep only the text shown and shorten the file. Allow editing "
           "and saving it anyway ?";
}
inline std::string ExpandCaption(std::string_view Word) { return "Expand from " + std::string(Word) + " ..."; }
inline std::string RowPanel(int CaretLine) { return "Row : " + std::to_string(CaretLine + 1); }
inline std::string ColumnPanel(int CaretColumn) { return "Column : " + std::to_string(CaretColumn + 1); }

}  // namespace ListTexts
