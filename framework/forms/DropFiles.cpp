// Files dropped on a form from the shell.
#include <algorithm>

#include "framework/forms/Forms.h"

std::vector<std::string> TakeDroppedFiles(HDROP Drop, TPoint& Pos) {
    struct TRelease {
        HDROP Drop;
        ~TRelease() { DragFinish(Drop); }
    } Release{Drop};
    POINT P{};
    DragQueryPoint(Drop, &P);
    Pos = {P.x, P.y};
    std::vector<std::string> Names;
    const UINT Count = DragQueryFileA(Drop, 0xFFFFFFFFu, nullptr, 0);
    for (UINT I = 0; I < Count; ++I) {
        // Asked for its length first: a name may be longer than MAX_PATH.
        const UINT Len = DragQueryFileA(Drop, I, nullptr, 0);
        std::string Name(static_cast<size_t>(Len) + 1, '\0');
        const UINT Got = DragQueryFileA(Drop, I, Name.data(), Len + 1);
        Name.resize(std::min<size_t>(Got, Len));
        Names.push_back(std::move(Name));
    }
    return Names;
}

void TCustomForm::SetAcceptFiles(bool Value) {
    if (FAcceptFiles == Value) return;
    FAcceptFiles = Value;
    if (FHandle) DragAcceptFiles(FHandle, Value ? TRUE : FALSE);
}

void TCustomForm::WMDropFiles(TMessage& Message) {
    TPoint Pos{};
    const std::vector<std::string> Files = TakeDroppedFiles(reinterpret_cast<HDROP>(Message.WParam), Pos);
    Message.Result = 0;
    if (!Files.empty()) DropFiles(Files, Pos.X, Pos.Y);
}

void TCustomForm::DropFiles(const std::vector<std::string>& Files, int X, int Y) {
    if (OnDropFiles) OnDropFiles(this, Files, X, Y);
}
