#include <gtest/gtest.h>

#include "editor/edit_history.h"

using dds::EditHistory;
using dds::EditSnapshot;

namespace {

EditSnapshot State(int32_t value, int32_t kind = 1)
{
    EditSnapshot s;
    s.table.samples.fill(value);
    s.kind = kind;
    return s;
}

} // namespace

TEST(EditHistory, UndoAndRedoWalkTheStepsBothWays)
{
    EditHistory history;
    history.reset(State(0));
    EXPECT_FALSE(history.commit(State(0))) << "no change, no step";
    EXPECT_TRUE(history.commit(State(1)));
    EXPECT_TRUE(history.commit(State(2, 12)));
    EXPECT_EQ(history.undo(State(2, 12)), State(1));
    EXPECT_EQ(history.undo(State(1)), State(0));
    EXPECT_EQ(history.undo(State(0)), std::nullopt);
    EXPECT_EQ(history.redo(State(0)), State(1));
    EXPECT_EQ(history.redo(State(1)), State(2, 12));
    EXPECT_EQ(history.redo(State(2, 12)), std::nullopt);
}

TEST(EditHistory, AChangeNotYetClosedIsItsOwnStepAndEndsTheRedoSteps)
{
    EditHistory history;
    history.reset(State(0));
    history.commit(State(1));
    // Undo with an unclosed change: the change is kept as a step, then undone.
    EXPECT_EQ(history.undo(State(5)), State(1));
    EXPECT_EQ(history.redo(State(1)), State(5));
    history.undo(State(5));
    // A new change after an undo: redo has nothing to give back and keeps the change.
    EXPECT_EQ(history.redo(State(7)), std::nullopt);
    EXPECT_EQ(history.undoSteps(), 2u);
    EXPECT_EQ(history.undo(State(7)), State(1));
}

TEST(EditHistory, RebasedChangesAreNotSteps)
{
    EditHistory history;
    history.reset(State(0));
    history.commit(State(1, 12));
    history.rebase(State(9, 12)); // a noise tick
    EXPECT_FALSE(history.commit(State(9, 12)));
    EXPECT_EQ(history.undo(State(9, 12)), State(0));
    EXPECT_EQ(history.redo(State(0)), State(9, 12));
}

TEST(EditHistory, KeepsTheLatestStepsUpToItsDepth)
{
    EditHistory history(150);
    history.reset(State(0));
    for (int32_t v = 1; v <= 200; ++v)
        history.commit(State(v));
    EXPECT_EQ(history.undoSteps(), 150u);
    std::optional<EditSnapshot> last;
    for (int i = 0; i < 150; ++i)
        last = history.undo(last ? *last : State(200));
    EXPECT_EQ(last, State(50));
    EXPECT_EQ(history.undo(*last), std::nullopt);
}
