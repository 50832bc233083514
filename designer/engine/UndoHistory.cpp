#include "designer/engine/UndoHistory.h"

#include <utility>

void TUndoHistory::Record(TUndoInfo Info) {
    FUndo.push_back(std::move(Info));
    // A new action outside a replay makes what was undone unreachable.
    if (!FReplaying) FRedo.clear();
}

void TUndoHistory::Clear() {
    FUndo.clear();
    FRedo.clear();
}

void TUndoHistory::Rename(const std::string& OldName, const std::string& NewName) {
    for (auto* List : {&FUndo, &FRedo})
        for (TUndoInfo& I : *List) {
            if (I.Name == OldName) I.Name = NewName;
            if (I.Parent == OldName) I.Parent = NewName;
        }
}

void TUndoHistory::Undo(bool Allowed, const TReplay& Replay) {
    // Swapping makes the replay's reverse records land on the redo side.
    std::swap(FUndo, FRedo);
    struct TSwapBack {
        TUndoHistory* H;
        ~TSwapBack() { std::swap(H->FUndo, H->FRedo); }
    } SwapBack{this};
    ReplayLast(Allowed, Replay);
}

void TUndoHistory::Redo(bool Allowed, const TReplay& Replay) { ReplayLast(Allowed, Replay); }

void TUndoHistory::ReplayLast(bool Allowed, const TReplay& Replay) {
    if (!Allowed || FRedo.empty()) return;
    // One step is the trailing run of records of one group and one kind.
    const int Group = FRedo.back().Group;
    const TUndoKind Kind = FRedo.back().Kind;
    std::vector<TUndoInfo> Step;
    while (!FRedo.empty() && FRedo.back().Group == Group && FRedo.back().Kind == Kind) {
        Step.push_back(std::move(FRedo.back()));
        FRedo.pop_back();
    }
    FReplaying = true;
    struct TEnd {
        bool& Flag;
        ~TEnd() { Flag = false; }
    } End{FReplaying};
    Replay(Step);
}
