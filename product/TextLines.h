#pragma once
// Text split into lines and joined back the way the IDE's data files and
// editor insertions need it.
#include <string>
#include <string_view>
#include <vector>

// The lines of Text; a line ends in CR LF, LF or CR. A final line break
// does not start another line, so "a\r\n" and "a" both give one line.
std::vector<std::string> SplitTextLines(std::string_view Text);

// Every line followed by CR LF ("" for no lines).
std::string JoinLinesCrLf(const std::vector<std::string>& Lines);
