#include "framework/rtl/FileUtils.h"
#include "wizards/dos/ProjectGenerator.h"

void WriteDosProject(const TDosProject& Project) {
    // An existing folder is fine; a folder that cannot be made shows up as
    // the failure to write the files into it.
    CreateDir(Project.ProjectFolder);
    WriteFileAtomic(Project.ProjectFilePath, Project.ProjectText);
    WriteFileAtomic(Project.SourceFilePath, Project.SourceText);
}
