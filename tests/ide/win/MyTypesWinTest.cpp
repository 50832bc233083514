#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <filesystem>
#include <vector>

#include "controls/UtilProcs.h"
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/StringList.h"
#include "framework/rtl/win/LocaleFormat.h"
#include "ide/MyTypes.h"
#include "tests/common/win/WinTestHelpers.h"

namespace {

const std::string TitlePrefix = "Quorlen PRO v1.0a (Merivel ";

std::string ExePath() {
    char Buf[MAX_PATH * 4];
    const DWORD Len = GetModuleFileNameA(nullptr, Buf, sizeof(Buf));
    return std::string(Buf, Len);
}

// Points the settings at a throwaway key for one test.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        FOld = SettingsKeyPath();
        SetSettingsKeyPathForTesting(Key.Path() + "\\");
    }
    void TearDown() override { SetSettingsKeyPathForTesting(FOld); }
    void Store(const std::string& Name, const std::string& Value) {
        WriteRegString(HKEY_CURRENT_USER, Key.Path() + "\\" + Name, Value);
    }

    TScratchKey Key;

private:
    std::string FOld;
};

}  // namespace

TEST(TitleString, ShowsTheExecutablesTimeOfDayOnly) {
    ASSERT_EQ(TitleString.rfind(TitlePrefix, 0), 0u) << TitleString;
    ASSERT_EQ(TitleString.back(), ')');
    const std::string Time = TitleString.substr(TitlePrefix.size(), TitleString.size() - TitlePrefix.size() - 1);

    TFormatSettings Locale;
    GetLocaleFormatSettings(Locale);
    const TDateTime Modified = GetFileDate(ExePath());
    ASSERT_NE(Modified, 0.0);
    EXPECT_EQ(Time, FormatDateTime(Locale.LongTimeFormat, Modified - std::floor(Modified), Locale));
    // No date: neither the year nor the date separator appears.
    int Year, Month, Day;
    DecodeDate(Modified, Year, Month, Day);
    EXPECT_EQ(Time.find(std::to_string(Year)), std::string::npos) << Time;
    EXPECT_NE(Time.find(Locale.TimeSeparator), std::string::npos) << Time;
}

TEST(Settings, DefaultKeyIsTheProducts) {
    EXPECT_EQ(SettingsKeyPath(), "Software\\Quorlen PRO\\");
}

TEST_F(SettingsTest, EachAccessorReadsItsOwnValue) {
    Store("Includes", "inc");
    Store("Objects", "obj");
    Store("Library", "lib");
    Store("TasmPath", "tasm");
    Store("TLinkPath", "tlink");
    Store("TdPath", "td");
    Store("TasmParams", "/zi");
    Store("TLinkParams", "/v");
    EXPECT_EQ(GetIncludesPath(), "inc");
    EXPECT_EQ(GetObjectsPath(), "obj");
    EXPECT_EQ(GetLibraryPath(), "lib");
    EXPECT_EQ(GetTasmPath(), "tasm");
    EXPECT_EQ(GetTLinkPath(), "tlink");
    EXPECT_EQ(GetTdPath(), "td");
    EXPECT_EQ(GetTasmParams(), "/zi");
    EXPECT_EQ(GetTLinkParams(), "/v");
}

TEST_F(SettingsTest, MissingValuesAreEmpty) {
    EXPECT_EQ(GetTasmPath(), "");
    EXPECT_EQ(GetTdPath(), "");
    EXPECT_EQ(GetCleanFiles(), 0);
}

TEST_F(SettingsTest, ValuesAreReadOnEveryCall) {
    Store("TasmPath", "first");
    EXPECT_EQ(GetTasmPath(), "first");
    Store("TasmPath", "second");
    EXPECT_EQ(GetTasmPath(), "second");
}

TEST_F(SettingsTest, CleanFilesIsAnIntegerOrZero) {
    Store("CleanFiles", "1");
    EXPECT_EQ(GetCleanFiles(), 1);
    Store("CleanFiles", "0");
    EXPECT_EQ(GetCleanFiles(), 0);
    Store("CleanFiles", "");
    EXPECT_EQ(GetCleanFiles(), 0);
    Store("CleanFiles", "abc");
    EXPECT_EQ(GetCleanFiles(), 0);
}

TEST(ListWizzards, ListsTheDllNamesInSearchOrder) {
    // The folder may hold real plug-ins built beside the tests: leave them.
    const std::string Folder = GetExeDir() + "wizzards\\";
    const bool Existed = std::filesystem::exists(Folder);
    std::filesystem::create_directory(Folder);
    const std::vector<std::string> Ours = {"qrn-zeta.dll", "qrn-Alpha.DLL", "qrn-beta.dll",
                                           "qrn-notes.txt", "qrn-gamma.dllx"};
    for (const std::string& Name : Ours) std::ofstream(Folder + Name) << "x";
    std::filesystem::create_directory(Folder + "qrn-sub.dll");

    // Every .dll file in the order the directory search gives, whatever it is.
    std::vector<std::string> Expected;
    WIN32_FIND_DATAA Data;
    HANDLE Find = FindFirstFileA((Folder + "*").c_str(), &Data);
    ASSERT_NE(Find, INVALID_HANDLE_VALUE);
    do {
        const std::string Name = Data.cFileName;
        if (SameText(ExtractFileExt(Name), ".dll") && !(Data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
            Expected.push_back(Name);
        }
    } while (FindNextFileA(Find, &Data));
    FindClose(Find);

    const std::unique_ptr<TStringList> List = ListWizzards();

    std::error_code Ignored;
    for (const std::string& Name : Ours) std::filesystem::remove(Folder + Name, Ignored);
    std::filesystem::remove(Folder + "qrn-sub.dll", Ignored);
    if (!Existed) std::filesystem::remove(Folder, Ignored);

    std::vector<std::string> Got;
    for (int I = 0; I < List->Count(); ++I) Got.push_back((*List)[I]);
    EXPECT_EQ(Got, Expected);
    for (const char* Name : {"qrn-zeta.dll", "qrn-Alpha.DLL", "qrn-beta.dll"}) {
        EXPECT_NE(std::find(Got.begin(), Got.end(), Name), Got.end()) << Name;
    }
    for (const char* Name : {"qrn-notes.txt", "qrn-gamma.dllx"}) {
        EXPECT_EQ(std::find(Got.begin(), Got.end(), Name), Got.end()) << Name;
    }
}
