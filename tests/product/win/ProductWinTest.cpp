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
#include "product/ProductTitle.h"
#include "product/Settings.h"
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

TEST_F(SettingsTest, EachToolSettingReadsItsOwnValue) {
    Store("Includes", "inc");
    Store("Objects", "obj");
    Store("Library", "lib");
    Store("TasmPath", "tasm");
    Store("TLinkPath", "tlink");
    Store("TdPath", "td");
    Store("TasmParams", "/zi");
    Store("TLinkParams", "/v");
    EXPECT_EQ(ReadToolSettings().Includes, "inc");
    EXPECT_EQ(ReadToolSettings().Objects, "obj");
    EXPECT_EQ(ReadToolSettings().Library, "lib");
    EXPECT_EQ(ReadToolSettings().TasmPath, "tasm");
    EXPECT_EQ(ReadToolSettings().TLinkPath, "tlink");
    EXPECT_EQ(ReadToolSettings().TdPath, "td");
    EXPECT_EQ(ReadToolSettings().TasmParams, "/zi");
    EXPECT_EQ(ReadToolSettings().TLinkParams, "/v");
}

TEST_F(SettingsTest, MissingValuesAreEmpty) {
    EXPECT_EQ(ReadToolSettings().TasmPath, "");
    EXPECT_EQ(ReadToolSettings().TdPath, "");
    EXPECT_EQ(GetCleanFiles(), 0);
}

TEST_F(SettingsTest, ValuesAreReadOnEveryCall) {
    Store("TasmPath", "first");
    EXPECT_EQ(ReadToolSettings().TasmPath, "first");
    Store("TasmPath", "second");
    EXPECT_EQ(ReadToolSettings().TasmPath, "second");
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

TEST_F(SettingsTest, WrittenToolSettingsReadBackUnderTheirNames) {
    TToolSettings S{"tasm", "tlink", "td", "inc", "obj", "lib", "/zi", "/v"};
    WriteToolSettings(S);
    WriteCleanFiles(true);
    EXPECT_EQ(ReadToolSettings(), S);
    EXPECT_EQ(ReadRegString(HKEY_CURRENT_USER, Key.Path() + "\\TLinkParams"), "/v");
    EXPECT_EQ(GetCleanFiles(), 1);
}
