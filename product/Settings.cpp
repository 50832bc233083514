#include "product/Settings.h"

namespace {

std::string& SettingsKey() {
    static std::string Key = "Software\\Quorlen PRO\\";
    return Key;
}

}  // namespace

void SetSettingsKeyPathForTesting(const std::string& KeyPath) { SettingsKey() = KeyPath; }

const std::string& SettingsKeyPath() { return SettingsKey(); }
