#pragma once
// The macro list of Ctrl+Space, read from the macro file
// ("includes\quor32.mac" beside the program).
#include <string>
#include <string_view>
#include <vector>

// The list item a declaration line gives, or false when the line holds no
// "Macro" (case-sensitive). "name Macro a,b" gives "name a, b ": the text
// before "Macro" less its last character, a blank, the text after it less
// its first character, a final blank, and a blank after every comma. The
// word "Macro" standing alone is preferred to one inside a name.
bool MacroListItem(std::string_view Line, std::string& Item);

// The items of every declaration line, in file order.
std::vector<std::string> ParseMacroFile(std::string_view Text);

// An item's name: its text before the first blank.
std::string MacroItemName(std::string_view Item);

// Index of the first item whose upper-cased text begins with the
// upper-cased Text, or -1.
int FindListItem(const std::vector<std::string>& Items, std::string_view Text);

// Reads the macro file; raises the library's input/output error when it
// cannot be opened.
std::vector<std::string> LoadMacroFile(const std::string& FileName);

std::string MacroFilePath(const std::string& ExeDir);
