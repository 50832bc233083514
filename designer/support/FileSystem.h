#pragma once
// The file system through which designer files are opened, renamed and
// backed up, so that a designer can keep its files somewhere other than
// on disk.
#include <cstdint>
#include <memory>
#include <string>

#include "framework/classes/Component.h"
#include "framework/rtl/Streams.h"

class TFileSystem : public TComponent {
    QRN_CLASS(TFileSystem, TComponent)
public:
    explicit TFileSystem(TComponent* AOwner) : TComponent(AOwner) {}

    // RenameFile / DeleteFile that raise on failure.
    virtual void CheckRename(const std::string& OldName, const std::string& NewName);
    virtual void CheckDelete(const std::string& FileName);
    virtual std::string GetCurrentDir() { return {}; }
    virtual bool SetCurrentDir(const std::string&) { return false; }
    virtual std::unique_ptr<TStream, TObjectFree> CreateStream(const std::string& FileName, uint16_t Mode) = 0;
    virtual int32_t FileAge(const std::string&) { return 0; }
    virtual bool RenameFile(const std::string&, const std::string&) { return true; }
    virtual bool IsReadOnly(const std::string&) { return false; }
    virtual bool DeleteFile(const std::string&) { return true; }
    virtual bool FileExists(const std::string& FileName) = 0;
    virtual std::string GetTempFileName(const std::string& FileName) { return FileName; }
    std::string GetBackupFileName(const std::string& FileName) const;
    // True for a file system that does not store on disk.
    virtual bool IsVirtual() const { return false; }
};
