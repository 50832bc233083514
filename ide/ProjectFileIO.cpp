#include "ide/ProjectFileIO.h"

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "ide/IdeTexts.h"

void CommitProjectData(const TProjectInfo& Project, const std::string& FileName, TProjectInfo& Info) {
    Info = Project;
    Info.FileName = FileName;
    Info.Dir = ExtractFilePath(FileName);
}

TProjectInfo LoadProjectFile(const std::string& FileName) {
    const std::string Text = ReadFileToString(FileName);
    if (Text.find_first_not_of(" \t\r\n") == std::string::npos)
        throw EProjectFileError(IdeTexts::ProjectFileEmpty(FileName), 0);
    try {
        return ParseProjectFileText(Text);
    } catch (const EProjectFileError& E) {
        // The bare conversion error does not tell the user where to look.
        throw EProjectFileError(IdeTexts::ProjectFileErrorAt(FileName, E.Line, E.Message), E.Line);
    }
}

void WriteProjectFile(const TProjectInfo& Info) {
    WriteFileAtomic(Info.FileName, ProjectFileText(Info, TitleString));
}

void WriteSourceHeader(const std::string& Path) {
    WriteFileAtomic(Path, SourceHeaderText(Path));
}
