#pragma once
// A hint is "short|long": the hint window shows the short part, the
// status line the long one. Without a bar both are the whole text.
#include <string>

std::string GetShortHint(const std::string& Hint);
std::string GetLongHint(const std::string& Hint);
