// The Find In Files page of the real main window, driven as a user would:
// the mouse clicks "Start" and the message loop runs until the page shows
// the results.
#include <chrono>

#include "bench/FindFilesTiming.h"
#include "framework/comctrls/ComCtrls.h"
#include "framework/forms/Forms.h"
#include "framework/rtl/FileUtils.h"
#include "framework/rtl/win/WinApi.h"
#include "ide/win/FindFilesPane.h"
#include "ide/win/MainForm.h"

namespace {

// A project in the tree's root, so that the search covers the whole tree.
std::string WriteBenchProject(const std::string& Tree) {
    const std::string Dir = IncludeTrailingPathDelimiter(Tree);
    if (!FileExists(Dir + "bench.asm")) WriteFileAtomic(Dir + "bench.asm", "; find in files benchmark\r\n");
    WriteFileAtomic(Dir + "bench.qrn",
                    "project bench\r\naddfile bench.asm\r\ncpu 8086\r\nopts compile.opt\r\nkind 1\r\n"
                    "directives \r\nend\r\n");
    return Dir + "bench.qrn";
}

// A press and release in the middle of a windowless button, sent to the
// window it is drawn on, as the mouse would.
void Click(TControl* Button) {
    const LPARAM At = MAKELPARAM(Button->Left() + Button->Width() / 2, Button->Top() + Button->Height() / 2);
    PostMessageA(Button->Parent()->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At);
    PostMessageA(Button->Parent()->Handle(), WM_LBUTTONUP, 0, At);
}

}  // namespace

std::vector<TFindTiming> TimeFindInFilesPage(const TFindBenchCase& Case, int Runs) {
    const std::string Project = WriteBenchProject(Case.Tree);
    auto* Form = new TMainForm(Application);
    Application->SetMainForm(Form);
    Form->Show();
    Application->ProcessMessages();
    std::vector<TFindTiming> Times;
    if (!Form->OpenProject(Project)) {
        Form->Free();
        return Times;
    }
    Form->DownPage->SetActivePage(Form->tsFindInFiles);
    TFindFilesPane* Pane = Form->FindPane();
    const TFindFilesControls& C = Pane->Controls();
    SendMessageA(C.FindWhat->Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Case.Text.c_str()));
    Application->ProcessMessages();
    for (int Run = 0; Run < Runs; ++Run) {
        const auto T0 = std::chrono::steady_clock::now();
        Click(C.btnFindStart);
        // Until the click has started a search and that search has ended.
        bool Started = false;
        while (!Started || Pane->Searching()) {
            Application->HandleMessage();
            Started = Started || Pane->Searching();
        }
        const auto T1 = std::chrono::steady_clock::now();
        Times.push_back({std::chrono::duration<double, std::milli>(T1 - T0).count(),
                         C.SearchResults->Items()->Count()});
    }
    Form->ProjectUnchanged = true;
    Form->Free();
    Application->ProcessMessages();
    return Times;
}
