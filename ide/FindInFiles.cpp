#include "ide/FindInFiles.h"

#include "controls/FileFind.h"
#include "controls/UtilProcs.h"
#include "ide/ListTexts.h"

void PrepareFindInFiles(TFileFind& Finder, const std::string& ProjectDir, const std::string& FindWhat,
                        bool CaseSensitive) {
    Finder.SetStartDir(AddBackSlash(ProjectDir));
    Finder.SetFilePattern(std::string(ListTexts::FindPattern));
    Finder.SetMatchEnabled(true);
    Finder.SetMatchCaseSensitive(CaseSensitive);
    Finder.SetMatchString(FindWhat);
    Finder.SetTag(1);
}

std::string FindStatusText(TFileFind& Finder) {
    if (Finder.Tag() != 0) return ListTexts::Searching(Finder.FoundCount());
    return std::string(ListTexts::Idle);
}
