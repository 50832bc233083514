#pragma once
// What the designer library's entry does while the form designer itself is
// not built: it tells the user so and opens nothing.
#include <string>

extern const char* const DesignerUnavailableText;
extern const char* const DesignerUnavailableCaption;

// Shows the one message (through the modal dialog hook) and returns true,
// as the entry always does.
bool ExecuteDesigner(const std::string& ProjectFile);
