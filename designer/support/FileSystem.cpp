#include "designer/support/FileSystem.h"

#include "designer/support/DesignStrings.h"
#include "designer/support/DesignerTexts.h"

QRN_PUBLISHED(TFileSystem) {}

void TFileSystem::CheckRename(const std::string& OldName, const std::string& NewName) {
    if (!RenameFile(OldName, NewName)) RaiseDesignErrorFmt(SCantRenameFile, {OldName, NewName});
}

void TFileSystem::CheckDelete(const std::string& FileName) {
    if (FileExists(FileName) && !DeleteFile(FileName)) RaiseDesignErrorFmt(SCantDeleteFile, {FileName});
}

std::string TFileSystem::GetBackupFileName(const std::string& FileName) const { return MakeBackupFileName(FileName); }
