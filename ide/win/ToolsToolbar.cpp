#include "ide/win/ToolsToolbar.h"

#include <utility>
#include <vector>

namespace {

void DefaultShellOpen(HWND Owner, const std::string& Verb, const std::string& File, const std::string& Parameters,
                      const std::string& Directory, int Show) {
    ShellExecuteA(Owner, Verb.c_str(), File.c_str(), Parameters.c_str(), Directory.c_str(), Show);
}

TShellOpen& ShellOpen() {
    static TShellOpen Open = DefaultShellOpen;
    return Open;
}

}  // namespace

TShellOpen SetToolShellOpen(TShellOpen Open) {
    TShellOpen Old = std::move(ShellOpen());
    ShellOpen() = Open ? std::move(Open) : TShellOpen(DefaultShellOpen);
    return Old;
}

void RunToolLine(HWND Owner, const std::string& Line) {
    const TToolEntry Tool = SplitToolLine(Line);
    ShellOpen()(Owner, "OPEN", Tool.Program, Tool.Parameters, "", SW_SHOW);
}

HICON ProgramIcon(const std::string& Program) {
    // The call may write the path of the file the icon came from.
    std::vector<char> Path(Program.begin(), Program.end());
    Path.resize(std::max<size_t>(Path.size() + 1, MAX_PATH), '\0');
    WORD Index = 0;
    return ExtractAssociatedIconA(GetModuleHandleA(nullptr), Path.data(), &Index);
}

bool LoadToolsToolbar(const std::string& FileName, const TToolsToolbarHost& Host) {
    const auto Tools = LoadToolsFile(FileName);
    if (!Tools) return false;
    if (Host.FreeToolbar) Host.FreeToolbar();
    if (Tools->empty()) return true;
    if (Host.ClearImages) Host.ClearImages();
    if (Host.CreateToolbar) Host.CreateToolbar();
    for (const TToolEntry& Tool : *Tools) {
        int Image = -1;
        if (HICON Icon = ProgramIcon(Tool.Program)) {
            if (Host.AddImage) Image = Host.AddImage(Icon);
            DestroyIcon(Icon);
        }
        if (Host.AddButton) Host.AddButton(Tool, Image);
    }
    if (Host.DockToolbar) Host.DockToolbar();
    return true;
}
