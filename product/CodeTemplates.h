#pragma once
// The code templates of templates.dat (Ctrl+J). A template starts with a
// line holding "_TEMPLATESTART_", one blank and its name (a "|" ends the
// name, the rest of that line is ignored); its body runs up to the first
// line that is exactly "_TEMPLATEEND_", or to the end of the file.
#include <string>
#include <string_view>
#include <vector>

class TCodeTemplates {
public:
    // Replaces everything with the templates of Text.
    void Load(std::string_view Text);
    // Refills from a file; a missing file changes nothing (false).
    bool LoadFromFile(const std::string& FileName);

    bool HasTemplates() const { return !FLines.empty(); }
    const std::vector<std::string>& Names() const { return FNames; }
    // Case-insensitive.
    bool IsTemplateName(std::string_view Name) const;
    // The body of the first template of that name (case-insensitive); no
    // lines when there is none.
    std::vector<std::string> Body(std::string_view Name) const;

private:
    std::vector<std::string> FLines;
    std::vector<std::string> FNames;
};

// The name a header line gives (the text after the marker and its blank,
// up to the first "|"), or false when Line is no header.
bool TemplateHeaderName(std::string_view Line, std::string& Name);

// templates.dat beside the program (ExeDir ends in a separator).
std::string TemplatesPath(const std::string& ExeDir);

// The one set of templates of the program run, shared by every code
// window's editor (UI thread only).
TCodeTemplates& SharedTemplates();
