// The options dialog in-process: values come from the settings key and the
// data files, edits made through the modal test seam are written back to a
// throwaway key, and the data files are rewritten whole only when changed.
#include <gtest/gtest.h>

#include <filesystem>

#include "controls/UtilProcs.h"
#include "framework/rtl/FileUtils.h"
#include "prefs/win/PrefsFolderBrowse.h"
#include "prefs/win/PrefsForm.h"
#include "product/Settings.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/WinTestHelpers.h"

namespace {

class PrefsFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        FOldKey = SettingsKeyPath();
        SetSettingsKeyPathForTesting(Key.Path() + "\\");
    }
    void TearDown() override {
        SetModalDialogHook(FOldHook);
        SetSettingsKeyPathForTesting(FOldKey);
    }
    void Store(const std::string& Name, const std::string& Value) {
        WriteRegString(HKEY_CURRENT_USER, Key.Path() + "\\" + Name, Value);
    }
    std::string Stored(const std::string& Name) { return ReadRegString(HKEY_CURRENT_USER, Key.Path() + "\\" + Name); }
    // Answers the dialog with Result after Edit ran on it.
    void Answer(int Result, std::function<void(TPrefsForm&)> Edit) {
        SetModalDialogHook([=](const TDialogRequest& R) -> std::optional<int> {
            if (auto* Form = dynamic_cast<TPrefsForm*>(R.Form)) {
                EXPECT_EQ(R.Caption, "Options");
                Edit(*Form);
                return Result;
            }
            return std::nullopt;
        });
    }
    int FilesIn(const std::string& Dir) {
        int N = 0;
        for ([[maybe_unused]] const auto& E : std::filesystem::directory_iterator(Dir)) ++N;
        return N;
    }

    TScratchKey Key;
    TTestFolder Data;
    std::string FOldKey;
    TModalDialogHook FOldHook = SetModalDialogHook({});
};

}  // namespace

TEST_F(PrefsFormTest, ShowsTheStoredValuesAndTheDataFiles) {
    Store("TasmPath", "C:\\tasm\\bin\\tasm.exe");
    Store("Includes", "C:\\tasm\\include");
    Store("TLinkParams", "/v");
    Store("CleanFiles", "1");
    Data.Write("tools.dat", "notepad.exe|readme.txt\r\ncalc.exe|\r\n");
    Data.Write("templates.dat", "_TEMPLATESTART_ x\r\nnop\r\n_TEMPLATEEND_\r\n");
    TPrefsValues Seen;
    Answer(mrCancel, [&](TPrefsForm& F) { Seen = F.Values(); });
    EXPECT_FALSE(RunPrefsDialog(Data.Path()));
    EXPECT_EQ(Seen.Settings.TasmPath, "C:\\tasm\\bin\\tasm.exe");
    EXPECT_EQ(Seen.Settings.Includes, "C:\\tasm\\include");
    EXPECT_EQ(Seen.Settings.TLinkParams, "/v");
    EXPECT_EQ(Seen.Settings.TLinkPath, "");
    EXPECT_TRUE(Seen.CleanFiles);
    EXPECT_EQ(Seen.ToolsList, "notepad.exe|readme.txt\r\ncalc.exe|\r\n");
    EXPECT_EQ(Seen.Templates, "_TEMPLATESTART_ x\r\nnop\r\n_TEMPLATEEND_\r\n");
}

TEST_F(PrefsFormTest, OkWritesEverySettingTheIdeReads) {
    Answer(mrOk, [](TPrefsForm& F) {
        F.TasmPathEdit->SetText("C:\\t\\tasm.exe");
        F.TLinkPathEdit->SetText("C:\\t\\tlink.exe");
        F.TdPathEdit->SetText("C:\\t\\td.exe");
        F.IncludesEdit->SetText("C:\\t\\inc");
        F.ObjectsEdit->SetText("C:\\t\\obj");
        F.LibraryEdit->SetText("C:\\t\\lib");
        F.TasmParamsEdit->SetText("/zi");
        F.TLinkParamsEdit->SetText("/v /m");
        F.CleanFilesCheck->SetChecked(true);
    });
    EXPECT_TRUE(RunPrefsDialog(Data.Path()));
    // Read back through the IDE's own accessors.
    EXPECT_EQ(ReadToolSettings().TasmPath, "C:\\t\\tasm.exe");
    EXPECT_EQ(ReadToolSettings().TLinkPath, "C:\\t\\tlink.exe");
    EXPECT_EQ(ReadToolSettings().TdPath, "C:\\t\\td.exe");
    EXPECT_EQ(ReadToolSettings().Includes, "C:\\t\\inc");
    EXPECT_EQ(ReadToolSettings().Objects, "C:\\t\\obj");
    EXPECT_EQ(ReadToolSettings().Library, "C:\\t\\lib");
    EXPECT_EQ(ReadToolSettings().TasmParams, "/zi");
    EXPECT_EQ(ReadToolSettings().TLinkParams, "/v /m");
    EXPECT_EQ(Stored("CleanFiles"), "1");
    EXPECT_EQ(GetCleanFiles(), 1);

    Answer(mrOk, [](TPrefsForm& F) { F.CleanFilesCheck->SetChecked(false); });
    EXPECT_TRUE(RunPrefsDialog(Data.Path()));
    EXPECT_EQ(Stored("CleanFiles"), "0");
    EXPECT_EQ(ReadToolSettings().TasmPath, "C:\\t\\tasm.exe");
    // Untouched data files were not created.
    EXPECT_EQ(FilesIn(Data.Path()), 0);
}

TEST_F(PrefsFormTest, CancelWritesNothing) {
    Store("TasmPath", "old");
    Data.Write("tools.dat", "a.exe|\r\n");
    Answer(mrCancel, [](TPrefsForm& F) {
        F.TasmPathEdit->SetText("new");
        F.ToolsMemo->SetText("b.exe|\r\n");
    });
    EXPECT_FALSE(RunPrefsDialog(Data.Path()));
    EXPECT_EQ(Stored("TasmPath"), "old");
    EXPECT_EQ(Stored("TLinkPath"), "");
    EXPECT_EQ(ReadFileToString(Data / "tools.dat"), "a.exe|\r\n");
}

TEST_F(PrefsFormTest, ChangedToolsAndTemplatesAreWrittenWholeInTheIdesFormat) {
    Data.Write("tools.dat", "a.exe|x\r\n");
    Answer(mrOk, [](TPrefsForm& F) {
        // Blank lines are left out, the last line gets its line end.
        F.ToolsMemo->SetText("a.exe|x\r\n\r\nnotepad.exe|c:\\readme.txt");
        F.TemplatesMemo->SetText("_TEMPLATESTART_ loop|a loop\r\n@@1: loop @@1\r\n_TEMPLATEEND_\r\n");
    });
    EXPECT_TRUE(RunPrefsDialog(Data.Path()));
    EXPECT_EQ(ReadFileToString(Data / "tools.dat"), "a.exe|x\r\nnotepad.exe|c:\\readme.txt\r\n");
    EXPECT_EQ(ReadFileToString(Data / "templates.dat"),
              "_TEMPLATESTART_ loop|a loop\r\n@@1: loop @@1\r\n_TEMPLATEEND_\r\n");
    // Temporary files went with the renames.
    EXPECT_EQ(FilesIn(Data.Path()), 2);
}

TEST_F(PrefsFormTest, FolderFieldsTakeTheBrowsersChoice) {
    std::vector<std::string> Titles;
    std::string Offered;
    SetModalDialogHook([&](const TDialogRequest& R) -> std::optional<int> {
        if (R.Kind != dkCommonDialog || R.DialogClass != "TFolderBrowser") return std::nullopt;
        Titles.push_back(R.Caption);
        Offered = *R.Value;
        if (Titles.size() == 3) return 0;  // the user cancels the third one
        *R.Value = "D:\\chosen\\" + std::to_string(Titles.size());
        return 1;
    });
    std::unique_ptr<TPrefsForm, TObjectFree> Form(new TPrefsForm(nullptr));
    Form->IncludesEdit->SetText("C:\\start");
    Form->IncludesBrowse->Click();
    EXPECT_EQ(Offered, "C:\\start");
    EXPECT_EQ(Form->IncludesEdit->Text(), "D:\\chosen\\1");
    Form->ObjectsBrowse->Click();
    EXPECT_EQ(Form->ObjectsEdit->Text(), "D:\\chosen\\2");
    Form->LibraryEdit->SetText("keep");
    Form->LibraryBrowse->Click();
    EXPECT_EQ(Form->LibraryEdit->Text(), "keep");
    EXPECT_EQ(Titles, (std::vector<std::string>{"Include folder", "Object folder", "Library folder"}));
}
