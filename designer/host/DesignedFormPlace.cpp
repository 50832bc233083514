#include "designer/host/DesignedFormPlace.h"

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"

std::string FindDesignedForm(const std::string& ProjectFilePath, const std::vector<std::string>& Lines,
                             TDesignedFormPlace& Place) {
    for (const std::string& Line : Lines) {
        std::string Rest = Line, Keyword;
        CutToken(Rest, ' ', Keyword);
        if (Keyword != "addform") continue;  // exact: no other case, no leading blank
        // Blanks are dropped from the name, inside it too.
        const std::string Name = ReplaceChar(Rest, ' ', "");
        if (Name.empty()) return "Well, I have a form but not a filename in " + ProjectFilePath + " !";
        const size_t Cut = ProjectFilePath.find_last_of(std::string{PathDelim, ':'});
        Place.ProjectFolder = Cut == std::string::npos ? std::string() : ProjectFilePath.substr(0, Cut + 1);
        Place.FormFilePath = Place.ProjectFolder + Name;
        Place.FormBasePath = Place.ProjectFolder + ExtractFileBaseName(Place.FormFilePath);
        return {};
    }
    return "Cannot find forms in " + ProjectFilePath + " !";
}
