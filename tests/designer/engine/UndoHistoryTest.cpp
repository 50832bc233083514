// Undo and redo lists: groups, the swap that makes a replay's records land
// on the other side, and what a new action does to redo.
#include <gtest/gtest.h>

#include "designer/engine/UndoHistory.h"

namespace {

TUndoInfo Moved(const std::string& Name, int Group, int Left) {
    return {TUndoKind::Bounds, Name, Group, Bounds(Left, 0, 10, 10), {}, {}};
}

// Records each replayed name and records its reverse, as the designer does.
struct TReplayLog {
    TUndoHistory* H;
    int Group;
    std::vector<std::string> Names;
    TUndoHistory::TReplay Fn() {
        return [this](std::vector<TUndoInfo>& Step) {
            for (TUndoInfo& I : Step) {
                Names.push_back(I.Name);
                H->Record(Moved(I.Name, Group, -1));
            }
        };
    }
};

}  // namespace

TEST(UndoHistory, UndoReplaysOneGroupAndRedoMirrorsIt) {
    TUndoHistory H;
    H.Record(Moved("A", 1, 0));
    H.Record(Moved("B", 2, 0));
    H.Record(Moved("C", 2, 0));
    TReplayLog Log{&H, 7, {}};
    H.Undo(true, Log.Fn());
    EXPECT_EQ(Log.Names, (std::vector<std::string>{"C", "B"}));  // last first
    EXPECT_EQ(H.UndoList().size(), 1u);
    ASSERT_EQ(H.RedoList().size(), 2u);  // the reverse records
    EXPECT_EQ(H.RedoList()[0].Group, 7);
    Log.Names.clear();
    Log.Group = 8;
    H.Redo(true, Log.Fn());
    EXPECT_EQ(Log.Names, (std::vector<std::string>{"B", "C"}));
    EXPECT_EQ(H.UndoList().size(), 3u);
    EXPECT_TRUE(H.RedoList().empty());
}

TEST(UndoHistory, NotAllowedChangesNothingAndANewActionDropsRedo) {
    TUndoHistory H;
    H.Record(Moved("A", 1, 0));
    TReplayLog Log{&H, 2, {}};
    H.Undo(false, Log.Fn());
    EXPECT_TRUE(Log.Names.empty());
    EXPECT_EQ(H.UndoList().size(), 1u);
    H.Undo(true, Log.Fn());
    EXPECT_EQ(H.RedoList().size(), 1u);
    H.Record(Moved("B", 3, 0));
    EXPECT_TRUE(H.RedoList().empty());
}

TEST(UndoHistory, AGroupMixingKindsReplaysKindByKind) {
    TUndoHistory H;
    H.Record({TUndoKind::Deleted, "P", 4, {}, "TPF0", "Form1"});
    H.Record({TUndoKind::Inserted, "Q", 4, {}, {}, {}});
    H.Record({TUndoKind::Inserted, "R", 4, {}, {}, {}});
    std::vector<std::string> Names;
    const auto Collect = [&](std::vector<TUndoInfo>& Step) {
        for (auto& I : Step) Names.push_back(I.Name);
    };
    H.Undo(true, Collect);
    EXPECT_EQ(Names, (std::vector<std::string>{"R", "Q"}));
    H.Undo(true, Collect);
    EXPECT_EQ(Names.back(), "P");
    EXPECT_TRUE(H.UndoList().empty());
}
