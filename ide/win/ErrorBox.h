#pragma once
// The IDE's error box: the text and an OK button.
#include <string>

void ProjectErrorBox(const std::string& Text);
