// The jump from a message line to its source line, over a fake of the
// main window's code windows and a table of what each path resolves to.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <vector>

#include "framework/rtl/Exceptions.h"
#include "framework/rtl/Object.h"
#include "ide/MessageJump.h"

namespace {

class TWindow : public TObject, public ICodeWindow {
public:
    explicit TWindow(std::string APath) : Path(std::move(APath)) {}
    std::string Path;
};

class TFakeWindows : public ICodeWindowHost {
public:
    std::vector<ICodeWindow*> CodeWindows() override {
        std::vector<ICodeWindow*> R;
        for (auto& W : Windows) R.push_back(W.get());
        return R;
    }
    std::string CodeWindowPath(ICodeWindow* W) override { return static_cast<TWindow*>(W)->Path; }
    ICodeWindow* OpenFile(const std::string& Path) override {
        Opened.push_back(Path);
        return OpenFails ? nullptr : Add(Path);
    }
    void ShowCodeLine(ICodeWindow* W, int Line) override {
        Shown = W;
        ShownLine = Line;
    }
    void FocusActiveCodeWindow() override {}

    TWindow* Add(const std::string& Path) {
        Windows.emplace_back(new TWindow(Path));
        return Windows.back().get();
    }

    std::vector<std::unique_ptr<TWindow, TObjectFree>> Windows;
    std::vector<std::string> Opened;
    bool OpenFails = false;
    ICodeWindow* Shown = nullptr;
    int ShownLine = -99;
};

class MessageJump : public ::testing::Test {
protected:
    // Paths the table does not know resolve to themselves.
    TLongPathFunc LongPath = [this](const std::string& P) {
        auto It = Resolved.find(P);
        return It == Resolved.end() ? P : It->second;
    };
    TJumpResult Jump(const std::string& Line) { return JumpToMessage(Line, Host, LongPath); }

    TFakeWindows Host;
    std::map<std::string, std::string> Resolved{
        {"c:\\projec~1\\main.asm", "C:\\Projects\\Main.asm"},
        {"main.asm", "C:\\Projects\\Main.asm"},
        {"C:\\Projects\\Main.asm", "C:\\Projects\\Main.asm"},
        {"C:\\Other\\main.asm", "C:\\Other\\main.asm"},
    };
};

}  // namespace

TEST_F(MessageJump, AShortLowerCasedNameFindsTheWindowOfTheSameFile) {
    Host.Add("C:\\Other\\main.asm");
    TWindow* Main = Host.Add("C:\\PROJECTS\\MAIN.ASM");
    EXPECT_EQ(Jump("**Error** c:\\projec~1\\main.asm(12) Undefined symbol"), TJumpResult::Shown);
    EXPECT_EQ(Host.Shown, Main);
    EXPECT_EQ(Host.ShownLine, 11);
    EXPECT_TRUE(Host.Opened.empty());
}

TEST_F(MessageJump, TheFirstMatchingWindowInOrderWins) {
    TWindow* First = Host.Add("C:\\Projects\\Main.asm");
    Host.Add("main.asm");
    EXPECT_EQ(Jump("*Warning* main.asm(3) Odd"), TJumpResult::Shown);
    EXPECT_EQ(Host.Shown, First);
    EXPECT_EQ(Host.ShownLine, 2);
}

TEST_F(MessageJump, WithoutAWindowTheFileIsOpenedUnderItsLongName) {
    Host.Add("C:\\Other\\main.asm");
    EXPECT_EQ(Jump("**Error** c:\\projec~1\\main.asm(1) x"), TJumpResult::Shown);
    ASSERT_EQ(Host.Opened, std::vector<std::string>{"C:\\Projects\\Main.asm"});
    EXPECT_EQ(Host.Shown, Host.Windows.back().get());
    EXPECT_EQ(Host.ShownLine, 0);
}

TEST_F(MessageJump, AFileThatCannotBeOpenedEndsTheJump) {
    Host.OpenFails = true;
    EXPECT_EQ(Jump("**Error** gone.asm(4) x"), TJumpResult::NotOpened);
    EXPECT_EQ(Host.Opened, std::vector<std::string>{"gone.asm"});
    EXPECT_EQ(Host.Shown, nullptr);
}

TEST_F(MessageJump, LineNumbersOfZeroOrLessGoToTheFirstLine) {
    TWindow* Main = Host.Add("main.asm");
    EXPECT_EQ(Jump("**Error** main.asm(0) x"), TJumpResult::Shown);
    EXPECT_EQ(Host.ShownLine, 0);
    Host.ShownLine = -99;
    EXPECT_EQ(Jump("**Error** main.asm(-5) x"), TJumpResult::Shown);
    EXPECT_EQ(Host.Shown, Main);
    EXPECT_EQ(Host.ShownLine, 0);
}

TEST_F(MessageJump, OtherLinesDoNothing) {
    Host.Add("main.asm");
    for (const char* Line : {"**Fatal** main.asm(3) Out of memory", "Error: Undefined symbol X in module main.obj",
                             "Warning: No stack", " **Error** main.asm(3) indented", "**Error** no place at all",
                             "*warning* main.asm(3) lower case", ""}) {
        EXPECT_EQ(Jump(Line), TJumpResult::NoLocation) << Line;
    }
    EXPECT_EQ(Host.Shown, nullptr);
    EXPECT_TRUE(Host.Opened.empty());
}

TEST_F(MessageJump, ANumberThatDoesNotConvertRaisesBeforeAnythingHappens) {
    Host.Add("main.asm");
    EXPECT_THROW(Jump("**Error** main.asm(twelve) x"), EConvertError);
    EXPECT_EQ(Host.Shown, nullptr);
    EXPECT_TRUE(Host.Opened.empty());
}
