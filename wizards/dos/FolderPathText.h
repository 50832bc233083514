#pragma once
// Shortening of a folder path for the folder browser's status line: the
// drive and the last folders stay, the middle becomes a filler.
#include <string>
#include <string_view>

// When Text is longer than MaxLength and has more than two parts (split at
// Separator), the second part becomes Filler; then, while the result is
// still too long and more than three parts remain, the part after the
// filler is dropped. "C:\a\b\c\d" may become "C:\...\c\d".
std::string ShortenFolderPath(std::string_view Text, char Separator = '\\', std::string_view Filler = "...",
                              size_t MaxLength = 35);
