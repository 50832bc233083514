#pragma once
// Recording stand-ins for the build engine's view, runner and desktop.
#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "framework/rtl/FileUtils.h"
#include "framework/rtl/StringList.h"
#include "ide/BuildPipeline.h"

// Records what the user would see. Events keeps the order of everything but
// repaints; the panels and the button keep their last state.
class TRecordingView : public IBuildView {
public:
    void SaveAll() override { Events.push_back("save"); }
    void ShowProgress(const std::string& ProjectText) override {
        Events.push_back("progress");
        Panels[TProgressPanel::Project] = ProjectText;
    }
    void ShowMessagesPage() override { Events.push_back("messages page"); }
    void SetMainWindowEnabled(bool Enabled) override {
        Events.push_back(Enabled ? "main enabled" : "main disabled");
        MainEnabled = Enabled;
    }
    void SetProgressText(TProgressPanel Panel, const std::string& Text) override { Panels[Panel] = Text; }
    void SetProgressButton(const std::string& Caption, bool Enabled) override {
        ButtonCaption = Caption;
        ButtonEnabled = Enabled;
    }
    void FocusProgress() override {}
    void Refresh() override {}
    void AddOutput(const std::string& Line) override { Output.push_back(Line); }
    void AddMessage(const std::string& Text) override { Messages.push_back(Text); }

    std::string Panel(TProgressPanel P) const {
        auto It = Panels.find(P);
        return It == Panels.end() ? std::string() : It->second;
    }
    bool Saw(const std::string& Event) const {
        for (const std::string& E : Events)
            if (E == Event) return true;
        return false;
    }

    std::vector<std::string> Events, Output, Messages;
    std::map<TProgressPanel, std::string> Panels;
    std::string ButtonCaption;
    bool ButtonEnabled = false;
    bool MainEnabled = true;
};

// Answers each command with the lines of the first script whose key the
// command contains; records each command with the folder it ran in.
class TScriptedRunner : public IToolRunner {
public:
    struct TScript {
        TScript(std::string AKey, std::vector<std::string> ALines, bool AStarts = true,
                std::function<void()> AEffect = {})
            : Key(std::move(AKey)), Lines(std::move(ALines)), Starts(AStarts), Effect(std::move(AEffect)) {}
        std::string Key;
        std::vector<std::string> Lines;
        bool Starts = true;
        std::function<void()> Effect;  // what the tool does to the disk
    };
    bool Capture(const std::string& CommandLine, TStrings& Output) override {
        Output.Clear();
        Commands.push_back(CommandLine);
        Folders.push_back(GetCurrentDir());
        for (const TScript& S : Scripts) {
            if (CommandLine.find(S.Key) == std::string::npos) continue;
            if (!S.Starts) return false;
            if (S.Effect) S.Effect();
            for (const std::string& L : S.Lines) Output.Add(L);
            return true;
        }
        return true;
    }
    bool Start(const std::string& CommandLine) override {
        Started.push_back(CommandLine);
        StartFolders.push_back(GetCurrentDir());
        return StartResult;
    }

    std::vector<TScript> Scripts;
    std::vector<std::string> Commands, Folders, Started, StartFolders;
    bool StartResult = true;
};

class TRecordingDesktop : public ILinkerWindowInput {
public:
    void Wait(int Milliseconds) override { Waits.push_back(Milliseconds); }
    uintptr_t FindTopLevelWindow(const std::string& Title) override {
        Searched.push_back(Title);
        return Title == WindowTitle ? 42 : 0;
    }
    bool BringToForeground(uintptr_t Window) override {
        Foregrounded.push_back(Window);
        return ComesToFront;
    }
    uint8_t ScanCodeOf(uint8_t VirtualKey) override { return VirtualKey == 0x11 ? 0x1D : 0; }
    void SendKeys(const std::vector<TKeyStroke>& Events) override {
        Sent.insert(Sent.end(), Events.begin(), Events.end());
    }

    std::string WindowTitle;
    bool ComesToFront = true;
    std::vector<int> Waits;
    std::vector<std::string> Searched;
    std::vector<uintptr_t> Foregrounded;
    std::vector<TKeyStroke> Sent;
};
