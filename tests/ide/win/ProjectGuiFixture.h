#pragma once
// A main window on the test display with a copy of examples/hello in a
// scratch folder, and scripted answers for every dialog it shows.
#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "framework/controls/ModalHook.h"
#include "framework/dialogs/Dialogs.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/win/CodeWindow.h"
#include "ide/win/MainForm.h"
#include "tests/common/TestFolder.h"
#include "tests/common/win/Pump.h"

// Answers dialogs in the order they come and remembers what they said.
// A dialog nobody expected fails the test and is cancelled.
class TScriptedDialogs {
public:
    using TAnswer = std::function<int(const TDialogRequest&)>;

    TScriptedDialogs() {
        FOld = SetModalDialogHook([this](const TDialogRequest& R) -> std::optional<int> {
            Texts.push_back(R.Text.empty() ? R.Caption : R.Text);
            if (FAnswers.empty()) {
                ADD_FAILURE() << "unexpected dialog: " << Texts.back();
                return R.Kind == dkCommonDialog ? 0 : mrCancel;
            }
            TAnswer A = std::move(FAnswers.front());
            FAnswers.pop_front();
            return A(R);
        });
    }
    ~TScriptedDialogs() { SetModalDialogHook(FOld); }
    TScriptedDialogs(const TScriptedDialogs&) = delete;
    TScriptedDialogs& operator=(const TScriptedDialogs&) = delete;

    void Answer(int Result) {
        FAnswers.push_back([Result](const TDialogRequest&) { return Result; });
    }
    void AnswerInput(const std::string& Text) {
        FAnswers.push_back([Text](const TDialogRequest& R) {
            if (R.Value) *R.Value = Text;
            return static_cast<int>(mrOk);
        });
    }
    // An open or save dialog choosing Path (with the filter at FilterIndex).
    void AnswerFile(const std::string& Path, int FilterIndex = 1) {
        FAnswers.push_back([Path, FilterIndex](const TDialogRequest& R) {
            auto* D = dynamic_cast<TOpenDialog*>(R.Dialog);
            if (!D) return 0;
            D->SetFileName(Path);
            D->SetFilterIndex(FilterIndex);
            return 1;
        });
    }
    bool AllUsed() const { return FAnswers.empty(); }
    bool Saw(const std::string& Text) const {
        for (const std::string& T : Texts)
            if (T == Text) return true;
        return false;
    }

    std::vector<std::string> Texts;

private:
    TModalDialogHook FOld;
    std::deque<TAnswer> FAnswers;
};

// Copies examples/hello (project file and sources) into Folder, replacing
// what is there.
inline void CopyHelloExample(const std::string& Folder) {
    for (const char* Name : {"hello.qrn", "main.asm", "print.asm", "dos.inc"})
        std::filesystem::copy_file(std::string(QRN_SOURCE_DIR) + "/examples/hello/" + Name,
                                   std::filesystem::path(Folder) / Name,
                                   std::filesystem::copy_options::overwrite_existing);
}

class ProjectGui : public ::testing::Test {
protected:
    void SetUp() override {
        FOldDir = GetCurrentDir();
        CopyHelloExample(Folder.Path());
        Form = new TMainForm(Application);
        FOldMain = Application->MainForm();
        Application->SetMainForm(Form);
        Form->Show();
        Pump();
    }
    void TearDown() override {
        if (!Form) return;
        // Nothing may ask anything while the window goes away.
        Form->ProjectUnchanged = true;
        for (int I = 0; I < Form->CodeWindowCount(); ++I) Form->CodeWindows(I)->SetModified(false);
        Form->Free();
        Application->SetMainForm(FOldMain);
        Pump();
        SetCurrentDir(FOldDir);
        EXPECT_TRUE(Dialogs.AllUsed());
    }

    std::string ProjectPath() const { return Folder / "hello.qrn"; }
    void OpenHello() {
        ASSERT_TRUE(Form->OpenProject(ProjectPath()));
        Pump();
    }
    TCodeWindow* Window(const std::string& Name) { return Form->FindCodeWindow(Name); }

    TTestFolder Folder;
    TScriptedDialogs Dialogs;
    TMainForm* Form = nullptr;

private:
    TCustomForm* FOldMain = nullptr;
    std::string FOldDir;
};
