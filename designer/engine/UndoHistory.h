#pragma once
// The designer's undo and redo lists: small records grouped by the user
// action that made them. The designer replays a group; what the replay
// records lands on the other side, so undo and redo mirror each other.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "framework/classes/UiTypes.h"

enum class TUndoKind : uint8_t { Bounds = 0, Deleted = 1, Inserted = 2 };

struct TUndoInfo {
    TUndoKind Kind = TUndoKind::Bounds;
    std::string Name;    // the component's name
    int Group = 0;       // the designer's group number when recorded
    TRect Bounds;        // Bounds: the bounds before the change
    std::string Stream;  // Deleted: "TPF0" and the component in binary form
    std::string Parent;  // Deleted: the name of the parent it was deleted from
};

class TUndoHistory {
public:
    // Replays one group, last record first; returns nothing. Records it
    // makes through Record land on the opposite list.
    using TReplay = std::function<void(std::vector<TUndoInfo>& Group)>;

    void Record(TUndoInfo Info);
    void Clear();
    // Records of a renamed component follow its new name.
    void Rename(const std::string& OldName, const std::string& NewName);
    bool Replaying() const { return FReplaying; }
    // Nothing happens with Allowed false or an empty list.
    void Undo(bool Allowed, const TReplay& Replay);
    void Redo(bool Allowed, const TReplay& Replay);
    const std::vector<TUndoInfo>& UndoList() const { return FUndo; }
    const std::vector<TUndoInfo>& RedoList() const { return FRedo; }

private:
    void ReplayLast(bool Allowed, const TReplay& Replay);

    std::vector<TUndoInfo> FUndo;
    std::vector<TUndoInfo> FRedo;
    bool FReplaying = false;
};
