#pragma once
// Hint texts may emphasise one stretch: the first two "~" characters
// delimit it (a single "~" marks everything after it).
#include <string>

struct TMarkedText {
    std::string Plain;  // the text without the two marks
    int Start = 0;      // 1-based position of the first "~"; 0 without one
    int Length = 0;     // characters of the marked stretch
};

TMarkedText SplitMarkedText(const std::string& Text);

// The text from Pos (0-based) up to the next "|" or the end; Pos moves
// past the bar.
std::string NextBarField(const std::string& Text, size_t& Pos);
