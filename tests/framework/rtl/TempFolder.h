#pragma once
// A fresh folder under the temp folder for one test, removed afterwards.
#include <chrono>
#include <filesystem>
#include <random>
#include <string>

#include "framework/rtl/FileUtils.h"

class TempFolder {
public:
    TempFolder() {
        std::random_device rd;
        const auto tick = std::chrono::steady_clock::now().time_since_epoch().count();
        Path = GetTempDir() + "qrn_rtl_" + std::to_string(rd()) + "_" + std::to_string(tick % 100000);
        ForceDirectories(Path);
        Path = IncludeTrailingPathDelimiter(Path);
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(std::filesystem::path(Path), ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string operator/(const std::string& Name) const { return Path + Name; }

    std::string Path;  // with a trailing separator
};
