#pragma once
// Which form a designer run opens: the first "addform" line of the
// project file names it, relative to the project's folder. The generated
// include files go beside it.
#include <string>
#include <vector>

struct TDesignedFormPlace {
    std::string ProjectFolder;  // with its trailing separator
    std::string FormFilePath;   // the form file
    std::string FormBasePath;   // the form file without its extension
};

// Looks through the project file's lines; on success fills Place and
// returns an empty text, otherwise the message to show.
std::string FindDesignedForm(const std::string& ProjectFilePath, const std::vector<std::string>& Lines,
                             TDesignedFormPlace& Place);
