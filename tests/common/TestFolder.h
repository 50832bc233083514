#pragma once
// A fresh folder below the temporary folder for one test, removed with all
// its contents afterwards.
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>

#include "framework/rtl/FileUtils.h"

class TTestFolder {
public:
    TTestFolder() {
        static std::atomic<int> Counter{0};
        const auto Stamp = std::chrono::steady_clock::now().time_since_epoch().count();
        FPath = GetTempDir() + "qrn-test-" + std::to_string(Stamp) + "-" + std::to_string(Counter++);
        std::filesystem::create_directories(FPath);
        FPath += PathDelim;
    }
    ~TTestFolder() {
        std::error_code Ignored;
        std::filesystem::remove_all(FPath, Ignored);
    }
    TTestFolder(const TTestFolder&) = delete;
    TTestFolder& operator=(const TTestFolder&) = delete;

    // The folder, ending in the path separator.
    const std::string& Path() const { return FPath; }
    // The folder without the separator at its end, as a user would type it.
    std::string Dir() const { return FPath.substr(0, FPath.size() - 1); }
    bool Empty() const { return std::filesystem::is_empty(FPath); }
    std::string operator/(const std::string& Name) const { return FPath + Name; }

    std::string Write(const std::string& Name, const std::string& Data) const {
        std::ofstream(FPath + Name, std::ios::binary | std::ios::trunc) << Data;
        return FPath + Name;
    }

private:
    std::string FPath;
};

inline std::string ReadAll(const std::string& Path) {
    std::ifstream In(Path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}
