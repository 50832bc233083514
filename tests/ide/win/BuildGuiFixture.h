#pragma once
// The build commands under a stand-in main window: a form with the
// Messages and Full Output list boxes, a fake of the main form's project,
// code windows and Save All, and the modal hook answering error boxes and
// the Force Compile dialog.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/controls/ModalHook.h"
#include "framework/forms/Forms.h"
#include "framework/stdctrls/ListCtrls.h"
#include "ide/win/BuildController.h"
#include "tests/common/win/Pump.h"
#include "tests/ide/win/BuildToolsFixture.h"

class TFakeCodeWindow : public TObject, public ICodeWindow {
public:
    explicit TFakeCodeWindow(std::string APath) : Path(std::move(APath)) {}
    std::string Path;
    int ShownLine = -1;
};

class TFakeIde : public IBuildHost, public ICodeWindowHost {
public:
    bool ProjectOpen() override { return Open; }
    TProjectInfo Project() override { return Proj; }
    bool ProjectBuilt() override { return Built; }
    void SetProjectBuilt(bool Value) override { Built = Value; }
    std::string ActiveCodeWindowFileName() override { return ActiveFile; }
    void SaveAll() override { ++Saves; }
    void ShowMessagesPage() override { ++MessagePages; }

    std::vector<ICodeWindow*> CodeWindows() override {
        std::vector<ICodeWindow*> R;
        for (auto& W : Windows) R.push_back(W.get());
        return R;
    }
    std::string CodeWindowPath(ICodeWindow* Window) override { return static_cast<TFakeCodeWindow*>(Window)->Path; }
    ICodeWindow* OpenFile(const std::string& Path) override {
        Opened.push_back(Path);
        if (!FileExists(Path)) return nullptr;
        return AddWindow(Path);
    }
    void ShowCodeLine(ICodeWindow* Window, int Line) override {
        Shown = static_cast<TFakeCodeWindow*>(Window);
        Shown->ShownLine = Line;
    }
    void FocusActiveCodeWindow() override { ++Focuses; }

    TFakeCodeWindow* AddWindow(const std::string& Path) {
        Windows.emplace_back(new TFakeCodeWindow(Path));
        return Windows.back().get();
    }

    bool Open = true;
    bool Built = false;
    TProjectInfo Proj;
    std::string ActiveFile;
    int Saves = 0, MessagePages = 0, Focuses = 0;
    std::vector<std::unique_ptr<TFakeCodeWindow, TObjectFree>> Windows;
    std::vector<std::string> Opened;
    TFakeCodeWindow* Shown = nullptr;
};


class TBuildGuiTest : public TBuildToolsTest {
protected:
    void SetUp() override {
        TBuildToolsTest::SetUp();
        Ide.Proj.Name = "Demo";
        Ide.Proj.Kind = pkDosExe;
        Ide.Proj.Dir = Proj.Path();
        Ide.Proj.Files = {"main.asm", "util.asm"};

        Form = new TForm(nullptr);
        Form->SetBounds(40, 40, 500, 300);
        Messages = NewList(0);
        Output = NewList(250);
        Form->Show();
        FOldHook = SetModalDialogHook([this](const TDialogRequest& R) -> std::optional<int> {
            if (R.Kind == dkModalForm) return AnswerDialog ? AnswerDialog(R.Form) : mrCancel;
            Boxes.push_back(R.Text);
            return R.Kind == dkMessageDlg ? mrOk : IDOK;
        });
        MakeController(DefaultToolRunner());
    }
    void TearDown() override {
        SetModalDialogHook(FOldHook);
        // The form frees its components (panes, view, progress form)
        // before the controller goes, as in the main form.
        Form->Free();
        Ctl.reset();
        Pump();
        TBuildToolsTest::TearDown();
    }

    void MakeController(IToolRunner& Runner) {
        Ctl = std::make_unique<TBuildController>(Form, Messages, Output, Ide, Ide, Runner,
                                                 &DefaultLinkerWindowInput());
    }
    TListBox* NewList(int Left) {
        auto* L = new TListBox(Form);
        L->SetParent(Form);
        L->SetBounds(Left, 0, 240, 260);
        return L;
    }
    std::vector<std::string> Items(TListBox* List) const {
        std::vector<std::string> R;
        for (int I = 0; I < List->Items()->Count(); ++I) R.push_back(List->Items()->Strings(I));
        return R;
    }
    std::string Last(TListBox* List) const {
        const int N = List->Items()->Count();
        return N == 0 ? std::string() : List->Items()->Strings(N - 1);
    }
    bool Has(TListBox* List, const std::string& Line) const {
        for (const std::string& S : Items(List))
            if (S == Line) return true;
        return false;
    }
    TProgressFrm* Progress() const { return Ctl->View()->Progress(); }
    bool MainEnabled() { return IsWindowEnabled(Form->Handle()) != FALSE; }
    // A double click on a line of Messages, as the mouse makes it.
    void DoubleClickMessage(int Index) {
        Messages->SetTopIndex(Index);
        const TRect R = Messages->ItemRect(Index);
        const LPARAM P = MAKELPARAM((R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2);
        HWND W = Messages->Handle();
        SendMessageA(W, WM_LBUTTONDOWN, MK_LBUTTON, P);
        SendMessageA(W, WM_LBUTTONUP, 0, P);
        SendMessageA(W, WM_LBUTTONDBLCLK, MK_LBUTTON, P);
        SendMessageA(W, WM_LBUTTONUP, 0, P);
    }
    int IndexOf(TListBox* List, const std::string& Part) const {
        const std::vector<std::string> L = Items(List);
        for (size_t I = 0; I < L.size(); ++I)
            if (L[I].find(Part) != std::string::npos) return static_cast<int>(I);
        return -1;
    }

    TFakeIde Ide;
    TForm* Form = nullptr;
    TListBox* Messages = nullptr;
    TListBox* Output = nullptr;
    std::unique_ptr<TBuildController> Ctl;
    std::vector<std::string> Boxes;  // texts of the message boxes shown
    std::function<int(TCustomForm*)> AnswerDialog;

private:
    TModalDialogHook FOldHook;
};
