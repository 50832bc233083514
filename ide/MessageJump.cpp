#include "ide/MessageJump.h"

#include "ide/ToolMessages.h"

TJumpResult JumpToMessage(std::string_view Line, ICodeWindowHost& Host, const TLongPathFunc& LongPath) {
    const std::optional<TMessageLocation> Location = ParseMessageLocation(Line);
    if (!Location || Location->File.empty()) return TJumpResult::NoLocation;

    const std::string Wanted = LongPath(Location->File);
    ICodeWindow* Window = nullptr;
    for (ICodeWindow* Candidate : Host.CodeWindows()) {
        if (SameMessageFileName(LongPath(Host.CodeWindowPath(Candidate)), Wanted)) {
            Window = Candidate;
            break;
        }
    }
    if (!Window) Window = Host.OpenFile(Wanted);
    if (!Window) return TJumpResult::NotOpened;
    Host.ShowCodeLine(Window, EditorLineOfMessage(Location->Line));
    return TJumpResult::Shown;
}
