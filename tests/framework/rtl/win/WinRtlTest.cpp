// The Win32 side of the run-time library: ANSI case mapping, sharing modes,
// attributes and file dates as Windows reports them.
#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StrUtils.h"
#include "framework/rtl/Streams.h"
#include "framework/rtl/win/WinApi.h"

#include <gtest/gtest.h>

#include <set>

#include "tests/common/TestFolder.h"

namespace {
// The ANSI code page decides which bytes are letters.
bool Western() { return GetACP() == 1252; }
}  // namespace

TEST(WinAnsiCase, NonAsciiLettersFollowTheCodePage) {
    if (!Western()) GTEST_SKIP() << "needs code page 1252";
    EXPECT_EQ(AnsiLowerCase("\xC4\xD6\xDC"
                            "ABC"),
              "\xE4\xF6\xFC"
              "abc");
    EXPECT_EQ(AnsiUpperCase("\xE4\xF6\xFC"
                            "abc"),
              "\xC4\xD6\xDC"
              "ABC");
    EXPECT_EQ(LowerCase("\xC4"), "\xC4") << "LowerCase stays ASCII";
    EXPECT_TRUE(AnsiSameText("\xC4rger", "\xE4RGER"));
    EXPECT_FALSE(SameText("\xC4rger", "\xE4RGER"));
    EXPECT_EQ(StringReplace("\xC4pfel \xE4pfel", "\xE4PFEL", "x", rfReplaceAll | rfIgnoreCase), "x x");
}

TEST(WinAnsiCase, LocaleComparisonIsConsistent) {
    EXPECT_EQ(AnsiCompareText("abc", "ABC"), 0);
    EXPECT_LT(AnsiCompareText("abc", "abd"), 0);
    EXPECT_GT(AnsiCompareText("abd", "ABC"), 0);
    EXPECT_NE(AnsiCompareStr("abc", "ABC"), 0);
    EXPECT_EQ(AnsiCompareStr("abc", "abc"), 0);
    EXPECT_EQ(AnsiCompareStr(std::string("a\0b", 3), std::string("a\0b", 3)), 0) << "lengths, not terminators";
}

TEST(WinFiles, ExclusiveOpenDeniesOthers) {
    TTestFolder tmp;
    const std::string f = tmp / "locked.txt";
    WriteFileAtomic(f, "data");
    THandle h = FileOpen(f, fmOpenReadWrite | fmShareExclusive);
    ASSERT_NE(h, INVALID_FILE_HANDLE);
    EXPECT_EQ(FileOpen(f, fmOpenRead | fmShareDenyNone), INVALID_FILE_HANDLE);
    EXPECT_THROW(TFileStream(f, fmOpenRead), EFOpenError);
    FileClose(h);
    THandle r = FileOpen(f, fmOpenRead | fmShareDenyNone);
    EXPECT_NE(r, INVALID_FILE_HANDLE);
    THandle r2 = FileOpen(f, fmOpenRead | fmShareDenyNone);
    EXPECT_NE(r2, INVALID_FILE_HANDLE);
    FileClose(r);
    FileClose(r2);
}

TEST(WinFiles, HiddenAndSystemEntriesOnlyWhenAskedFor) {
    TTestFolder tmp;
    WriteFileAtomic(tmp / "plain.txt", "p");
    WriteFileAtomic(tmp / "hidden.txt", "h");
    WriteFileAtomic(tmp / "system.txt", "s");
    WriteFileAtomic(tmp / "readonly.txt", "r");
    ASSERT_TRUE(SetFileAttributesA((tmp / "hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesA((tmp / "system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(SetFileAttributesA((tmp / "readonly.txt").c_str(), FILE_ATTRIBUTE_READONLY));
    auto find = [&](int Attr) {
        std::set<std::string> names;
        TSearchRec sr;
        if (FindFirst(tmp / "*.txt", Attr, sr) == 0) {
            do names.insert(sr.Name);
            while (FindNext(sr) == 0);
        }
        return names;
    };
    EXPECT_EQ(find(0), (std::set<std::string>{"plain.txt", "readonly.txt"}));
    EXPECT_EQ(find(faHidden), (std::set<std::string>{"plain.txt", "readonly.txt", "hidden.txt"}));
    EXPECT_EQ(find(faSysFile), (std::set<std::string>{"plain.txt", "readonly.txt", "system.txt"}));
    EXPECT_EQ(find(faAnyFile).size(), 4u);
    EXPECT_NE(FileGetAttr(tmp / "readonly.txt") & faReadOnly, 0);

    // Replacing a read-only file fails as a whole and leaves it intact.
    EXPECT_THROW(WriteFileAtomic(tmp / "readonly.txt", "new"), EFCreateError);
    EXPECT_EQ(ReadFileToString(tmp / "readonly.txt"), "r");
    EXPECT_EQ(find(faAnyFile).size(), 4u) << "no temp file left behind";
    SetFileAttributesA((tmp / "readonly.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA((tmp / "hidden.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA((tmp / "system.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST(WinFiles, FileDatesAgreeWithTheWin32Clock) {
    TTestFolder tmp;
    const std::string f = tmp / "d.txt";
    WriteFileAtomic(f, "x");
    const int32_t stamp = DateTimeToFileDate(EncodeDate(2015, 8, 20) + EncodeTime(9, 30, 12, 0));
    ASSERT_EQ(FileSetDate(f, stamp), 0);
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(f.c_str(), GetFileExInfoStandard, &data));
    FILETIME local;
    SYSTEMTIME st;
    ASSERT_TRUE(FileTimeToLocalFileTime(&data.ftLastWriteTime, &local));
    ASSERT_TRUE(FileTimeToSystemTime(&local, &st));
    EXPECT_EQ(st.wYear, 2015);
    EXPECT_EQ(st.wMonth, 8);
    EXPECT_EQ(st.wDay, 20);
    EXPECT_EQ(st.wHour, 9);
    EXPECT_EQ(st.wMinute, 30);
    EXPECT_EQ(st.wSecond, 12);
    EXPECT_EQ(FileAge(f), stamp);
}

TEST(WinFiles, PathsWithDriveLetters) {
    EXPECT_EQ(ExpandFileName("C:\\a\\b\\..\\c.txt"), "C:\\a\\c.txt");
    EXPECT_EQ(IncludeTrailingBackslash("C:\\a"), "C:\\a\\");
    EXPECT_EQ(ExtractFileName("C:\\a/b.txt"), "a/b.txt") << "'/' is no separator in Windows paths";
    EXPECT_TRUE(SameFileName("C:\\Dir\\F.TXT", "c:\\dir\\f.txt"));
    const std::string temp = GetTempDir();
    EXPECT_TRUE(DirectoryExists(temp));
    EXPECT_EQ(temp.back(), '\\');
}
