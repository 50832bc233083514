#pragma once
// The window-free rules of the code window: the file name under the caret
// (Ctrl+Enter and Expand), the context menu's Collapse and Expand items,
// and the Collapse and Expand text transformations.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The word under the caret with every double quote removed.
std::string IncludeNameAt(std::string_view Line, int Caret, std::string_view Separators);

// The open dialog's filter for a name: ext + " Files | *" + ext.
std::string ExtensionFilter(std::string_view Name);

// Changes the context menu makes when it opens; unset members keep their
// previous state.
struct TContextMenuChange {
    std::optional<bool> CollapseVisible;
    std::optional<bool> ExpandVisible;
    std::optional<std::string> ExpandWord;  // remembered for Expand
};
TContextMenuChange ContextMenuChange(std::string_view SelText, std::string_view CaretLine, int Caret,
                                     std::string_view Separators);

// The folder include files are written to and read from: the project's
// folder; with no project open, the code window's own folder (the current
// directory for a window without one), never a drive root.
std::string IncludeFolder(const std::string& ProjectDir, const std::string& WindowFileName,
                          const std::string& CurrentDir);
// Folder + "\" + Name, or Name itself when it is absolute.
std::string IncludeFilePath(const std::string& Folder, std::string_view Name);

struct TTextPoint {
    int Line = 0;
    int Col = 0;
    bool operator==(const TTextPoint&) const = default;
};

// The text between two points (Start before End); lines joined by CR LF.
std::string TextBetween(const std::vector<std::string>& Lines, TTextPoint Start, TTextPoint End);

struct TCollapse {
    std::string FileName;  // the name with ".inc"
    std::string FileText;  // the selection followed by CR LF
    std::string IncludeLine;
    std::vector<std::string> Lines;  // the text afterwards
    int IncludeLineIndex = 0;
};

// Collapse: the selection goes to the include file, and one include line
// naming it stands in its place. It follows the line that remains at the
// selection's start, or takes that line's place when nothing stood before
// the selection on it.
TCollapse CollapseSelection(const std::vector<std::string>& Lines, TTextPoint Start, TTextPoint End,
                            std::string_view Name);

// Expand: the include line is commented out with ";" and the file's lines
// follow it.
std::vector<std::string> ExpandInclude(const std::vector<std::string>& Lines, int IncludeLineIndex,
                                       const std::vector<std::string>& FileLines);
