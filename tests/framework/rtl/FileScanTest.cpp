#include "framework/rtl/FileScan.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/common/TestFolder.h"
#include "framework/rtl/Exceptions.h"

namespace {

struct TListed {
    std::string Name;
    int Kind;  // the directory and hidden bits
    bool operator==(const TListed&) const = default;
};

TEST(FileScan, ListsWhatFindFirstReportsInTheSameOrder) {
    TTestFolder Tmp;
    for (const char* Name : {"b.asm", "A.inc", "c.mac", ".hidden"}) WriteFileAtomic(Tmp / Name, Name);
    ASSERT_TRUE(CreateDir(Tmp / "sub"));
#ifndef _WIN32
    // A link is taken as what it points at; a dangling one is no entry.
    std::filesystem::create_directory_symlink(Tmp / "sub", Tmp / "linked");
    std::filesystem::create_symlink(Tmp / "gone", Tmp / "dangling");
#endif
    std::vector<TListed> Expected;
    TSearchRec Rec;
    for (int Rc = FindFirst(Tmp / "*", faAnyFile, Rec); Rc == 0; Rc = FindNext(Rec))
        if (Rec.Name != "." && Rec.Name != "..") Expected.push_back({Rec.Name, Rec.Attr & (faDirectory | faHidden)});

    std::vector<TFolderEntry> Entries;
    ASSERT_TRUE(ListFolder(Tmp.Path(), Entries));
    std::vector<TListed> Listed;
    for (const TFolderEntry& E : Entries) Listed.push_back({E.Name, E.Attr & (faDirectory | faHidden)});
    EXPECT_EQ(Listed, Expected);
    EXPECT_EQ(Listed.size(), PathDelim == '\\' ? 5u : 6u);
    EXPECT_FALSE(ListFolder(Tmp / "missing", Entries));
}

TEST(FileScan, ReadsWholeFilesWhateverTheSizeHintSays) {
    TTestFolder Tmp;
    std::string Big(200000, 'x');
    Big += "end";
    WriteFileAtomic(Tmp / "big", Big);
    WriteFileAtomic(Tmp / "empty", "");
    std::string Data = "left over";
    for (int64_t Hint : {int64_t{-1}, int64_t{10}, static_cast<int64_t>(Big.size()), int64_t{1} << 20}) {
        ReadWholeFile(Tmp / "big", Data, Hint);
        EXPECT_EQ(Data, Big) << Hint;
    }
    ReadWholeFile(Tmp / "empty", Data);
    EXPECT_EQ(Data, "");
    EXPECT_THROW(ReadWholeFile(Tmp / "missing", Data), EFOpenError);
    EXPECT_EQ(ReadFileToString(Tmp / "big"), Big);
}

}  // namespace
