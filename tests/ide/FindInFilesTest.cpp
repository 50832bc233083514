#include "ide/FindInFiles.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "controls/FileFind.h"
#include "framework/rtl/StringList.h"
#include "ide/ListTexts.h"
#include "tests/common/TestFolder.h"

namespace {

TEST(FindInFiles, SetsUpTheSearcherForTheProject) {
    TFileFind F(nullptr);
    PrepareFindInFiles(F, "C:\\proj\\", "int 21h", true);
    EXPECT_EQ(F.StartDir(), "C:\\proj");
    EXPECT_EQ(F.Patterns(), (std::vector<std::string>{"*.asm", "*.inc", "*.mac"}));
    EXPECT_TRUE(F.MatchEnabled());
    EXPECT_TRUE(F.MatchCaseSensitive());
    EXPECT_EQ(F.MatchString(), "int 21h");
    EXPECT_EQ(F.Tag(), 1);
}

TEST(FindInFiles, StatusTexts) {
    TFileFind F(nullptr);
    EXPECT_EQ(FindStatusText(F), "Idle");
    F.SetTag(1);
    EXPECT_EQ(FindStatusText(F), "Searching ... 0 files found");
    EXPECT_EQ(ListTexts::Searching(12), "Searching ... 12 files found");
}

TEST(FindInFiles, EachFileOnceAndTagClearedAtTheEnd) {
    TTestFolder Dir;
    Dir.Write("a.asm", "  int 21h\r\n");
    Dir.Write("b.inc", "nothing\r\n");
    Dir.Write("c.mac", "INT 21H");
    Dir.Write("d.txt", "int 21h");
    TFileFind F(nullptr);
    std::atomic<bool> Done{false};
    F.OnTerminated = [&](TObject* Sender) {
        static_cast<TFileFind*>(Sender)->SetTag(0);
        Done = true;
    };
    PrepareFindInFiles(F, Dir.Path(), "int 21h", false);
    F.Execute();
    for (int I = 0; I < 1000 && !Done; ++I) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    ASSERT_TRUE(Done);
    EXPECT_EQ(F.FoundFiles()->Count(), 2);
    EXPECT_EQ(FindStatusText(F), "Idle");
}

}  // namespace
