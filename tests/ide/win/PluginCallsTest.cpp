// The calls into the designer and options libraries, with stand-in entry
// points: when each is made, what follows it, and that nothing a library
// throws gets past the host.
#include <gtest/gtest.h>

#include <stdexcept>

#include "framework/forms/Forms.h"
#include "ide/win/PluginCalls.h"
#include "product/ProjectKind.h"

namespace {

std::vector<std::string> Log;
bool Throw = false;

bool QRN_CALL FakeDesigner(const char* ProjectFile) {
    Log.push_back(std::string("designer ") + ProjectFile);
    if (Throw) throw std::runtime_error("designer failed");
    return true;
}

void QRN_CALL FakeOptions() {
    Log.push_back("options");
    if (Throw) throw std::runtime_error("options failed");
}

class PluginCallsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Log.clear();
        Throw = false;
        FOldPoints = PluginEntryPoints();
        SetPluginEntryPoints({&FakeDesigner, &FakeOptions});
        FOldHook = SetModalDialogHook([](const TDialogRequest& R) -> std::optional<int> {
            Log.push_back("box " + R.Text);
            return IDOK;
        });
    }
    void TearDown() override {
        SetModalDialogHook(FOldHook);
        SetPluginEntryPoints(FOldPoints);
    }
    std::function<void()> Note(const std::string& What) {
        return [What] { Log.push_back(What); };
    }

    TPluginEntryPoints FOldPoints;
    TModalDialogHook FOldHook;
};

}  // namespace

TEST_F(PluginCallsTest, DesignerOnlyForAnOpenWin32ExeProjectThenFocusToTheEditor) {
    EXPECT_TRUE(CallFormDesigner(true, pkWin32Exe, "C:\\p\\a.qrn", Note("focus")));
    EXPECT_EQ(Log, (std::vector<std::string>{"designer C:\\p\\a.qrn", "focus"}));
    Log.clear();
    for (ProjectKind Kind : {pkUnknown, pkDosExe, pkDosCom, pkWin16Exe, pkWin16Dll, pkWin32Dll})
        EXPECT_FALSE(CallFormDesigner(true, Kind, "C:\\p\\a.qrn", Note("focus"))) << Kind;
    EXPECT_FALSE(CallFormDesigner(false, pkWin32Exe, "C:\\p\\a.qrn", Note("focus")));
    EXPECT_TRUE(Log.empty());
}

TEST_F(PluginCallsTest, OptionsThenToolsThenTemplatesOnlyWithCodeWindows) {
    CallOptionsLibrary(Note("tools"), 2, Note("templates"));
    EXPECT_EQ(Log, (std::vector<std::string>{"options", "tools", "templates"}));
    Log.clear();
    CallOptionsLibrary(Note("tools"), 0, Note("templates"));
    EXPECT_EQ(Log, (std::vector<std::string>{"options", "tools"}));
}

TEST_F(PluginCallsTest, AFailureInsideALibraryIsReportedAndTheCommandGoesOn) {
    Throw = true;
    EXPECT_NO_THROW(CallFormDesigner(true, pkWin32Exe, "x.qrn", Note("focus")));
    EXPECT_EQ(Log, (std::vector<std::string>{"designer x.qrn", "box designer failed.", "focus"}));
    Log.clear();
    EXPECT_NO_THROW(CallOptionsLibrary(Note("tools"), 1, Note("templates")));
    EXPECT_EQ(Log, (std::vector<std::string>{"options", "box options failed.", "tools", "templates"}));
}

TEST_F(PluginCallsTest, WithoutBoundLibrariesNothingIsCalled) {
    SetPluginEntryPoints({});
    EXPECT_FALSE(CallFormDesigner(true, pkWin32Exe, "x.qrn", Note("focus")));
    CallOptionsLibrary(Note("tools"), 1, Note("templates"));
    EXPECT_EQ(Log, (std::vector<std::string>{"tools", "templates"}));
}
