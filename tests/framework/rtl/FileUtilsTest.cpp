#include "framework/rtl/DateUtils.h"
#include "framework/rtl/Exceptions.h"
#include "framework/rtl/FileUtils.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "tests/common/TestFolder.h"

TEST(PathHelpers, DriveLetterPaths) {
    EXPECT_EQ(ExtractFilePath("C:\\dir\\file.txt"), "C:\\dir\\");
    EXPECT_EQ(ExtractFileDir("C:\\dir\\file.txt"), "C:\\dir");
    EXPECT_EQ(ExtractFileName("C:\\dir\\file.txt"), "file.txt");
    EXPECT_EQ(ExtractFileExt("C:\\dir\\file.txt"), ".txt");
    EXPECT_EQ(ExtractFileDrive("C:\\dir\\file.txt"), "C:");
    EXPECT_EQ(ExtractFileDir("C:\\file.txt"), "C:\\") << "the root keeps its separator";
    EXPECT_EQ(ExtractFilePath("C:file.txt"), "C:");
    EXPECT_EQ(ExtractFileName("C:file.txt"), "file.txt");
    EXPECT_EQ(ExtractFileDir("C:file.txt"), "C:");
    EXPECT_EQ(ExtractFilePath("file.txt"), "");
    EXPECT_EQ(ExtractFileDir("file.txt"), "");
    EXPECT_EQ(ExtractFileName("C:\\dir\\"), "");
}

TEST(PathHelpers, UncPaths) {
    EXPECT_EQ(ExtractFilePath("\\\\server\\share\\dir\\f.asm"), "\\\\server\\share\\dir\\");
    EXPECT_EQ(ExtractFileDrive("\\\\server\\share\\dir\\f.asm"), "\\\\server\\share");
    EXPECT_EQ(ExtractFileDrive("\\\\server\\share"), "\\\\server\\share");
    EXPECT_EQ(ExtractFileDrive("\\\\server"), "");
    EXPECT_EQ(ExtractFileName("\\\\server\\share\\f.asm"), "f.asm");
}

TEST(PathHelpers, ExtensionsComeFromTheFileNameOnly) {
    EXPECT_EQ(ExtractFileExt("dir.old\\file"), "");
    EXPECT_EQ(ExtractFileExt("archive.tar.gz"), ".gz");
    EXPECT_EQ(ExtractFileExt("name."), ".");
    EXPECT_EQ(ChangeFileExt("dir.old\\file", ".pas"), "dir.old\\file.pas");
    EXPECT_EQ(ChangeFileExt("C:\\p\\prog.dpr", ".exe"), "C:\\p\\prog.exe");
    EXPECT_EQ(ChangeFileExt("prog.dpr", ""), "prog");
    EXPECT_EQ(ChangeFileExt("a.b.c", ".x"), "a.b.x");
}

TEST(PathHelpers, TrailingSeparators) {
    EXPECT_EQ(IncludeTrailingBackslash("C:\\dir"), std::string("C:\\dir") + PathDelim);
    EXPECT_EQ(IncludeTrailingBackslash("C:\\dir\\"), "C:\\dir\\");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\dir\\"), "C:\\dir");
    EXPECT_EQ(ExcludeTrailingBackslash("C:\\dir"), "C:\\dir");
    EXPECT_EQ(ExcludeTrailingBackslash(""), "");
    EXPECT_TRUE(IsPathDelimiter("a\\b", 2));
    EXPECT_FALSE(IsPathDelimiter("a\\b", 3));
    EXPECT_FALSE(IsPathDelimiter("a\\b", 9));
}

#ifndef _WIN32
TEST(PathHelpers, NativeBuildAlsoSplitsAtSlashes) {
    EXPECT_EQ(ExtractFilePath("/home/u/f.txt"), "/home/u/");
    EXPECT_EQ(ExtractFileDir("/home/u/f.txt"), "/home/u");
    EXPECT_EQ(ExtractFileDir("/f.txt"), "/");
    EXPECT_EQ(ExtractFileName("dir/sub\\f.txt"), "f.txt");
    EXPECT_EQ(ExtractFileExt("dir.d/file"), "");
    EXPECT_EQ(IncludeTrailingBackslash("/tmp"), "/tmp/");
    EXPECT_EQ(ExcludeTrailingBackslash("/tmp/"), "/tmp");
    EXPECT_EQ(ExpandFileName("/a/b/../c/./d"), "/a/c/d");
    EXPECT_EQ(ExpandFileName("/a/.."), "/");
    EXPECT_EQ(ExpandFileName("x\\y"), GetCurrentDir() + "/x/y");
}
#endif

TEST(Wildcards, MatchLikeWindowsIgnoringCase) {
    EXPECT_TRUE(MatchesMask("Unit1.PAS", "*.pas"));
    EXPECT_TRUE(MatchesMask("a.txt", "?.txt"));
    EXPECT_FALSE(MatchesMask("ab.txt", "?.txt"));
    EXPECT_TRUE(MatchesMask("abc", "a*c"));
    EXPECT_TRUE(MatchesMask("ac", "a*c"));
    EXPECT_FALSE(MatchesMask("abd", "a*c"));
    EXPECT_TRUE(MatchesMask("anything", "*.*"));
    EXPECT_TRUE(MatchesMask("README", "readme.*"));
    EXPECT_TRUE(MatchesMask("Makefile", "*."));
    EXPECT_FALSE(MatchesMask("file.c", "*."));
    EXPECT_TRUE(MatchesMask("a.b.c", "*.c"));
    EXPECT_TRUE(MatchesMask("aXbXc", "*X*X*"));
    EXPECT_FALSE(MatchesMask("", "?"));
    // A '*' in the name does not use up the mask's '*'.
    EXPECT_TRUE(MatchesMask("***", "**"));
    EXPECT_TRUE(MatchesMask("a*b", "a*"));
}

class DirectorySearch : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"a.txt", "b.TXT", "c.pas", "long name.txt"}) WriteFileAtomic(Tmp / name, name);
        ASSERT_TRUE(CreateDir(Tmp / "sub"));
    }

    std::set<std::string> Find(const std::string& Pattern, int Attr) {
        std::set<std::string> found;
        TSearchRec sr;
        if (FindFirst(Tmp / Pattern, Attr, sr) == 0) {
            do {
                if (sr.Name != "." && sr.Name != "..") found.insert(sr.Name);
            } while (FindNext(sr) == 0);
            FindClose(sr);
        }
        return found;
    }

    TTestFolder Tmp;
};

TEST_F(DirectorySearch, WildcardsMatchCaseInsensitively) {
    EXPECT_EQ(Find("*.txt", faAnyFile), (std::set<std::string>{"a.txt", "b.TXT", "long name.txt"}));
    EXPECT_EQ(Find("?.pas", faAnyFile), std::set<std::string>{"c.pas"});
    EXPECT_EQ(Find("C.PAS", faAnyFile), std::set<std::string>{"c.pas"});
    EXPECT_TRUE(Find("x*", faAnyFile).empty());
}

TEST_F(DirectorySearch, FoldersOnlyWhenAskedFor) {
    EXPECT_EQ(Find("*", faArchive).count("sub"), 0u);
    EXPECT_EQ(Find("*", 0).size(), 4u) << "plain files come with no attribute asked";
    const auto withDirs = Find("*", faDirectory);
    EXPECT_EQ(withDirs.count("sub"), 1u);
    EXPECT_EQ(withDirs.size(), 5u) << "asking for folders still returns files";
}

TEST_F(DirectorySearch, RecordHoldsAttributesSizeAndTime) {
    TSearchRec sr;
    ASSERT_EQ(FindFirst(Tmp / "c.pas", faAnyFile, sr), 0);
    EXPECT_EQ(sr.Name, "c.pas");
    EXPECT_EQ(sr.Size, 5);
    EXPECT_EQ(sr.Attr & faDirectory, 0);
    EXPECT_NE(sr.Time, 0);
    EXPECT_NE(FindNext(sr), 0);
    FindClose(sr);
    FindClose(sr);  // twice is harmless

    ASSERT_EQ(FindFirst(Tmp / "sub", faDirectory, sr), 0);
    EXPECT_NE(sr.Attr & faDirectory, 0);
    TSearchRec moved = std::move(sr);  // the search moves with the record
    EXPECT_EQ(moved.Name, "sub");
}

TEST_F(DirectorySearch, MissingFolderIsAnError) {
    TSearchRec sr;
    EXPECT_NE(FindFirst(Tmp / "nope" + PathDelim + "*", faAnyFile, sr), 0);
}

#ifndef _WIN32
TEST_F(DirectorySearch, DotFilesAreHiddenNatively) {
    WriteFileAtomic(Tmp / ".secret", "s");
    EXPECT_EQ(Find("*", 0).count(".secret"), 0u);
    EXPECT_EQ(Find("*", faHidden).count(".secret"), 1u);
    EXPECT_EQ(FileGetAttr(Tmp / ".secret") & faHidden, faHidden);
}

TEST_F(DirectorySearch, NativeListingIsInCaseInsensitiveNameOrder) {
    WriteFileAtomic(Tmp / "B.pas", "");
    WriteFileAtomic(Tmp / "a2.txt", "");
    std::vector<std::string> names;
    TSearchRec sr;
    if (FindFirst(Tmp / "*", faAnyFile, sr) == 0) do
            names.push_back(sr.Name);
        while (FindNext(sr) == 0);
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "a.txt", "a2.txt", "B.pas", "b.TXT", "c.pas", "long name.txt",
                                               "sub"}));
}
#endif

TEST(FileSystem, FoldersAndFiles) {
    TTestFolder tmp;
    const std::string deep = tmp / "a" + PathDelim + "b" + PathDelim + "c";
    EXPECT_TRUE(ForceDirectories(deep));
    EXPECT_TRUE(DirectoryExists(deep));
    EXPECT_TRUE(ForceDirectories(deep)) << "existing folders are fine";
    EXPECT_FALSE(FileExists(deep)) << "a folder is not a file";
    EXPECT_FALSE(CreateDir(deep));
    EXPECT_TRUE(RemoveDir(deep));
    EXPECT_FALSE(DirectoryExists(deep));

    const std::string f = tmp / "f.txt", g = tmp / "g.txt";
    WriteFileAtomic(f, "one");
    WriteFileAtomic(g, "two");
    EXPECT_TRUE(FileExists(f));
    EXPECT_FALSE(DirectoryExists(f));
    EXPECT_FALSE(RenameFile(f, g)) << "renaming does not replace";
    EXPECT_EQ(ReadFileToString(g), "two");
    EXPECT_TRUE(RemoveFile(g));
    EXPECT_TRUE(RenameFile(f, g));
    EXPECT_FALSE(FileExists(f));
    EXPECT_EQ(ReadFileToString(g), "one");
    EXPECT_FALSE(RemoveFile(f));
    EXPECT_FALSE(RemoveFile(tmp / "a")) << "RemoveFile leaves folders alone";
    EXPECT_EQ(FileGetAttr(tmp / "missing"), -1);
    EXPECT_NE(FileGetAttr(tmp / "a") & faDirectory, 0);
}

TEST(FileSystem, CurrentFolder) {
    TTestFolder tmp;
    const std::string saved = GetCurrentDir();
    ASSERT_TRUE(SetCurrentDir(tmp.Path()));
    EXPECT_TRUE(SameFileName(GetCurrentDir(), ExcludeTrailingPathDelimiter(tmp.Path())));
    WriteFileAtomic("rel.txt", "r");
    EXPECT_TRUE(FileExists(tmp / "rel.txt"));
    EXPECT_TRUE(SameFileName(ExpandFileName("rel.txt"), tmp / "rel.txt"));
    EXPECT_FALSE(SetCurrentDir(tmp / "missing"));
    ASSERT_TRUE(SetCurrentDir(saved));
}

TEST(FileSystem, WriteFileAtomicReplacesWhole) {
    TTestFolder tmp;
    const std::string f = tmp / "atomic.bin";
    const std::string big(300000, 'b');
    WriteFileAtomic(f, big);
    EXPECT_EQ(ReadFileToString(f), big);
    WriteFileAtomic(f, "");
    EXPECT_TRUE(FileExists(f));
    EXPECT_EQ(ReadFileToString(f), "");
    EXPECT_THROW(WriteFileAtomic(tmp / "no" + PathDelim + "x", "x"), EFCreateError);
    EXPECT_THROW(ReadFileToString(tmp / "nothing"), EFOpenError);
}

TEST(FileHandles, ReadWriteSeekThroughHandles) {
    TTestFolder tmp;
    const std::string f = tmp / "h.bin";
    THandle h = FileCreate(f);
    ASSERT_NE(h, INVALID_FILE_HANDLE);
    EXPECT_EQ(FileWrite(h, "abcdef", 6), 6);
    EXPECT_EQ(FileSeek(h, 2, 0), 2);
    char buf[8] = {};
    EXPECT_EQ(FileRead(h, buf, 3), 3);
    EXPECT_STREQ(buf, "cde");
    EXPECT_EQ(FileSeek(h, -1, 2), 5);
    EXPECT_EQ(FileSeek(h, 0, 1), 5);
    FileClose(h);
    EXPECT_EQ(FileOpen(tmp / "none", fmOpenRead), INVALID_FILE_HANDLE);
    EXPECT_EQ(FileOpen(tmp.Path(), fmOpenRead), INVALID_FILE_HANDLE) << "a folder does not open as a file";
}

TEST(FileHandles, DatesRoundTripInTwoSecondSteps) {
    TTestFolder tmp;
    const std::string f = tmp / "dated.txt";
    WriteFileAtomic(f, "x");
    const int32_t stamp = DateTimeToFileDate(EncodeDate(2021, 3, 10) + EncodeTime(14, 25, 31, 0));
    THandle h = FileOpen(f, fmOpenReadWrite);
    ASSERT_NE(h, INVALID_FILE_HANDLE);
    EXPECT_EQ(FileSetDate(h, stamp), 0);
    EXPECT_EQ(FileGetDate(h), stamp);
    FileClose(h);
    EXPECT_EQ(FileAge(f), stamp);
    EXPECT_EQ(FormatDateTime("yyyy-mm-dd hh:nn:ss", FileDateToDateTime(FileAge(f)), TFormatSettings{}),
              "2021-03-10 14:25:30");

    const int32_t other = DateTimeToFileDate(EncodeDate(1999, 12, 31) + EncodeTime(23, 59, 58, 0));
    EXPECT_EQ(FileSetDate(f, other), 0);
    EXPECT_EQ(FileAge(f), other);
    EXPECT_EQ(FileAge(tmp / "missing"), -1);
    EXPECT_EQ(FileAge(tmp.Path()), -1) << "folders have no file age";
}

TEST(FileSystem, CreateNewRefusesAnExistingFile) {
    TTestFolder tmp;
    const std::string f = tmp / "once.txt";
    THandle h = FileCreateNew(f);
    ASSERT_NE(h, INVALID_FILE_HANDLE);
    FileClose(h);
    EXPECT_EQ(FileCreateNew(f), INVALID_FILE_HANDLE);
    h = FileCreate(f);  // FileCreate truncates instead
    EXPECT_NE(h, INVALID_FILE_HANDLE);
    FileClose(h);
}

TEST(FileSystem, RepeatedAtomicWritesLeaveOnlyTheTarget) {
    TTestFolder tmp;
    for (int i = 0; i < 50; ++i) WriteFileAtomic(tmp / "t.txt", std::to_string(i));
    EXPECT_EQ(ReadFileToString(tmp / "t.txt"), "49");
    int entries = 0;
    TSearchRec sr;
    if (FindFirst(tmp / "*", 0, sr) == 0) do
            ++entries;
        while (FindNext(sr) == 0);
    EXPECT_EQ(entries, 1);
}
