#pragma once
// The designer's file system on the Windows file system.
#include "designer/support/FileSystem.h"

class TWin32FileSystem : public TFileSystem {
    QRN_CLASS(TWin32FileSystem, TFileSystem)
public:
    using TFileSystem::TFileSystem;

    std::string GetCurrentDir() override;
    bool SetCurrentDir(const std::string& Dir) override;
    std::unique_ptr<TStream, TObjectFree> CreateStream(const std::string& FileName, uint16_t Mode) override;
    int32_t FileAge(const std::string& FileName) override;
    bool RenameFile(const std::string& OldName, const std::string& NewName) override;
    bool IsReadOnly(const std::string& FileName) override;
    bool DeleteFile(const std::string& FileName) override;
    bool FileExists(const std::string& FileName) override;
    // A new unique file in FileName's folder, named after its first
    // characters; raises "Can't create temporary filename".
    std::string GetTempFileName(const std::string& FileName) override;
};

// The library's one disk file system, made on first request.
TFileSystem* DefaultFileSystem();
void FreeDefaultFileSystem();
