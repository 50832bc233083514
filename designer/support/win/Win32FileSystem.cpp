#include "designer/support/win/Win32FileSystem.h"

#include "designer/support/DesignStrings.h"
#include "designer/support/DesignerTexts.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/win/WinApi.h"

QRN_PUBLISHED(TWin32FileSystem) {}

namespace {
std::unique_ptr<TWin32FileSystem, TObjectFree> GDefault;
}

std::string TWin32FileSystem::GetCurrentDir() { return ::GetCurrentDir(); }

bool TWin32FileSystem::SetCurrentDir(const std::string& Dir) { return ::SetCurrentDir(Dir); }

std::unique_ptr<TStream, TObjectFree> TWin32FileSystem::CreateStream(const std::string& FileName, uint16_t Mode) {
    return std::unique_ptr<TStream, TObjectFree>(new TFileStream(FileName, Mode));
}

int32_t TWin32FileSystem::FileAge(const std::string& FileName) { return ::FileAge(FileName); }

bool TWin32FileSystem::RenameFile(const std::string& OldName, const std::string& NewName) {
    return ::RenameFile(OldName, NewName);
}

bool TWin32FileSystem::IsReadOnly(const std::string& FileName) {
    const int Attr = FileGetAttr(FileName);
    return Attr != -1 && (Attr & faReadOnly) != 0;
}

bool TWin32FileSystem::DeleteFile(const std::string& FileName) { return RemoveFile(FileName); }

bool TWin32FileSystem::FileExists(const std::string& FileName) { return ::FileAge(FileName) != -1; }

std::string TWin32FileSystem::GetTempFileName(const std::string& FileName) {
    std::string Folder = ExtractFilePath(FileName);
    if (Folder.empty()) Folder = ".";
    char Result[MAX_PATH] = {};
    if (!::GetTempFileNameA(Folder.c_str(), ExtractFileName(FileName).c_str(), 0, Result))
        RaiseDesignError(SCantCreateTempFile);
    return Result;
}

TFileSystem* DefaultFileSystem() {
    if (!GDefault) GDefault.reset(new TWin32FileSystem(nullptr));
    return GDefault.get();
}

void FreeDefaultFileSystem() { GDefault.reset(); }
