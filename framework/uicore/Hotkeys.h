#pragma once
// Accelerator characters in captions: "&File" shows F underlined and is
// chosen with Alt+F; "&&" stands for a plain '&'.
#include <string>

std::string StripHotkey(const std::string& Text);
// The accelerator character ('\0' when the caption has none).
char GetHotkey(const std::string& Text);
// True when Key (a character or virtual-key code) is Text's accelerator, any case.
bool IsAccel(unsigned Key, const std::string& Text);
