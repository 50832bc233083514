#pragma once
// Small helpers shared by the wizard's window tests.
#include <filesystem>
#include <string>

#include "framework/classes/ClassRegistry.h"
#include "framework/forms/Forms.h"
#include "tests/common/win/Pump.h"

// A fresh empty folder under the temporary folder, removed with the object.
class TScratchFolder {
public:
    explicit TScratchFolder(const std::string& Name)
        : FPath((std::filesystem::temp_directory_path() / Name).string()) {
        std::filesystem::remove_all(FPath);
        std::filesystem::create_directories(FPath);
    }
    ~TScratchFolder() {
        std::error_code Ignored;
        std::filesystem::remove_all(FPath, Ignored);
    }
    const std::string& Path() const { return FPath; }
    bool Empty() const { return std::filesystem::is_empty(FPath); }

private:
    std::string FPath;
};
