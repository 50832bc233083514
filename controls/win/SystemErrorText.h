#pragma once
// The system's own words for an error code.
#include <string>

// The text for Code (a GetLastError value), without the trailing line end.
std::string SystemErrorText(unsigned long Code);
