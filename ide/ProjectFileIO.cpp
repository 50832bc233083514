#include "ide/ProjectFileIO.h"

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StringList.h"
#include "ide/IdeTexts.h"

namespace {

std::vector<std::string> ItemsOf(const TStrings* List) {
    std::vector<std::string> R;
    if (!List) return R;
    R.reserve(static_cast<size_t>(List->Count()));
    for (int I = 0; I < List->Count(); ++I) R.push_back(List->Strings(I));
    return R;
}

void ReplaceItems(TStrings& List, const std::vector<std::string>& Items) {
    List.BeginUpdate();
    List.Clear();
    for (const std::string& S : Items) List.Add(S);
    List.EndUpdate();
}

}  // namespace

TProjectData ProjectDataOf(const TProjectInfo& Info) {
    TProjectData P;
    P.Name = Info.Name;
    P.Kind = Info.Kind;
    P.Cpu = Info.Cpu;
    P.Files = ItemsOf(Info.Files);
    P.Forms = ItemsOf(Info.Forms);
    P.Directives = Info.Directives;
    return P;
}

void CommitProjectData(const TProjectData& Project, const std::string& FileName, TProjectInfo& Info) {
    if (!Info.Files || !Info.Forms) throw EInvalidOperation("The project's file lists do not exist");
    Info.Name = Project.Name;
    Info.Kind = Project.Kind;
    Info.Cpu = Project.Cpu;
    ReplaceItems(*Info.Files, Project.Files);
    ReplaceItems(*Info.Forms, Project.Forms);
    Info.Directives = Project.Directives;
    Info.FileName = FileName;
    Info.Dir = ExtractFilePath(FileName);
}

TProjectData LoadProjectFile(const std::string& FileName) {
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
    WriteFileAtomic(Info.FileName, ProjectFileText(ProjectDataOf(Info), TitleString));
}

void WriteSourceHeader(const std::string& Path) {
    WriteFileAtomic(Path, SourceHeaderText(Path));
}
