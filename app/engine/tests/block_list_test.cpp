// Executing blocks, recalculation, undo, the block limits and user functions.
#include <gtest/gtest.h>

#include <string>

#include "engine/engine_state.h"
#include "engine/answer_index.h"
#include "engine/block_list.h"
#include "engine/display_format.h"
#include "engine/variables.h"

using engine::BlockList;
using engine::ExeMode;

namespace {

class BlockListTest : public ::testing::Test {
protected:
    void SetUp() override { engine::engineState().reset(); }

    // Types a line into the active block and presses EXE.
    void type(const std::u16string& text, ExeMode mode = ExeMode::Normal) {
        list.setEditLine(text);
        list.exe(mode);
    }
    std::u16string answer(int k) { return engine::valueToText(list.block(k).answer(), 250); }

    BlockList list;
};

}  // namespace

TEST_F(BlockListTest, ExeOnTheLastBlockAppendsOneThatInheritsTheAngleMode) {
    list.activeBlock().setDegrees(true);
    type(u"1+1");
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.active(), 1);
    EXPECT_EQ(answer(0), u"2");
    EXPECT_EQ(list.block(0).status(), 0);
    EXPECT_TRUE(list.block(1).degrees());
    EXPECT_EQ(list.editLine(), u"");
    EXPECT_EQ(engine::answerIndex(), 0);
    EXPECT_EQ(list.undoRecord().kind, 1);
    EXPECT_EQ(list.undoRecord().first, u"1+1");

    // The shell keeps the executed block active when both don't fit.
    list.setEditLine(u"5");
    list.exe(ExeMode::Normal, true);
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.active(), 1);
    EXPECT_EQ(list.editLine(), u"5");
}

TEST_F(BlockListTest, ExeElsewhereRecalculatesTheBlocksBelow) {
    type(u"a=2");
    type(u"a*3");
    type(u"ANS+1");
    EXPECT_EQ(answer(2), u"7");
    list.setActive(0);
    type(u"a=5");
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.active(), 0);
    EXPECT_EQ(answer(1), u"15");
    EXPECT_EQ(answer(2), u"16");
    EXPECT_EQ(engine::answerIndex(), 0);
    EXPECT_EQ(list.undoRecord().kind, -1);
    EXPECT_EQ(list.undoRecord().first, u"a=2");

    // Undo gives the block its old text back; the blocks below follow when
    // it is executed again.
    ASSERT_TRUE(list.undo());
    EXPECT_EQ(list.editLine(), u"a=2");
    EXPECT_EQ(list.block(0).text(), u"a=2");
    EXPECT_EQ(list.undoRecord().kind, 0);
}

TEST_F(BlockListTest, ModesOnlyIfChangedAndCommitOnly) {
    type(u"4");
    list.setActive(0);
    list.setEditLine(u"4");
    EXPECT_FALSE(list.exe(ExeMode::OnlyIfChanged));
    list.setEditLine(u"");
    EXPECT_FALSE(list.exe(ExeMode::OnlyIfChanged));
    list.setEditLine(u"6");
    EXPECT_TRUE(list.exe(ExeMode::OnlyIfChanged));
    EXPECT_EQ(answer(0), u"6");

    // Commit-only on the last block stores and evaluates without appending.
    list.setActive(1);
    type(u"ANS*2", ExeMode::CommitOnly);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(answer(1), u"12");
    EXPECT_EQ(list.undoRecord().kind, 0);
}

TEST_F(BlockListTest, UndoOfAnAppendingExe) {
    type(u"3*3");
    ASSERT_EQ(list.count(), 2);
    ASSERT_TRUE(list.undo());
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.active(), 0);
    EXPECT_EQ(list.block(0).text(), u"");
    EXPECT_EQ(list.block(0).status(), 0);
    EXPECT_EQ(answer(0), u"0");
    EXPECT_EQ(list.editLine(), u"3*3");
}

TEST_F(BlockListTest, FailuresCommentsAndOverlongTexts) {
    type(u"7");
    list.setActive(0);
    type(u"(7");  // does not compile: the old answer stays
    EXPECT_NE(list.block(0).status(), 0);
    EXPECT_LE(list.block(0).status(), 7);
    EXPECT_EQ(answer(0), u"7");

    list.setActive(1);
    type(u"*b=5");
    EXPECT_EQ(list.block(1).status(), 63);
    EXPECT_EQ(answer(1), u"0");

    type(u"b");  // the comment never assigned b
    EXPECT_EQ(answer(2), u"0");

    // The edit line holds at most 99 characters; a longer text set directly
    // keeps the old one.
    list.setActive(2);
    type(std::u16string(100, u'1'));
    EXPECT_EQ(list.block(2).text(), std::u16string(99, u'1'));
    list.block(2).setText(std::u16string(100, u'2'));
    EXPECT_EQ(list.block(2).status(), 7);
    EXPECT_EQ(list.block(2).text(), std::u16string(99, u'1'));

    // An evaluation failure is stored as the status; the answer is what was on top.
    list.setActive(3);
    type(u"inv({1,2|2,4})");
    EXPECT_EQ(list.block(3).status(), 53);
}

TEST_F(BlockListTest, ABlockWhoseEvaluationFailedIsEvaluatedAgain) {
    type(u"s=\"ab\"");
    type(u"s*2");
    EXPECT_NE(list.block(1).status(), 0);
    list.setActive(0);
    type(u"s=4");
    EXPECT_EQ(list.block(1).status(), 0);
    EXPECT_EQ(answer(1), u"8");
}

TEST_F(BlockListTest, AtMost101BlocksAfterExe) {
    for (int i = 0; i < 120; ++i) type(std::u16string(u"1+") + char16_t(u'0' + i % 10));
    EXPECT_EQ(list.count(), 101);
    EXPECT_EQ(list.active(), 100);
    EXPECT_EQ(list.block(99).text(), u"1+9");
}

TEST_F(BlockListTest, InsertAndDrop) {
    list.activeBlock().setDegrees(true);
    type(u"1");
    type(u"2");
    list.insertAt(1);
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.active(), 1);
    EXPECT_EQ(list.block(1).text(), u"");
    EXPECT_TRUE(list.block(1).degrees());
    EXPECT_EQ(list.block(2).text(), u"2");

    list.dropFirst();
    EXPECT_EQ(list.count(), 3);
    EXPECT_EQ(list.active(), 0);
    EXPECT_EQ(list.block(1).text(), u"2");

    // With 100 blocks, inserting at the first block replaces it.
    while (list.count() < 100) list.insertAt(list.count());
    list.block(0).setText(u"42");
    list.insertAt(0);
    EXPECT_EQ(list.count(), 100);
    EXPECT_EQ(list.block(0).text(), u"");
    EXPECT_EQ(list.active(), 0);

    while (list.count() > 1) list.dropFirst();
    list.dropFirst();
    EXPECT_EQ(list.count(), 1);
}

TEST_F(BlockListTest, UserFunctions) {
    EXPECT_EQ(list.defineFunction(u"sq", 1, u"x*x"), 0);
    EXPECT_EQ(list.defineFunction(u"g", 2, u"x*10+y"), 0);
    EXPECT_EQ(list.defineFunction(u"seven", 0, u"7"), 0);
    type(u"sq(3)");
    type(u"g(4,5)");
    type(u"seven+1");
    EXPECT_EQ(answer(0), u"9");
    EXPECT_EQ(answer(1), u"45");
    EXPECT_EQ(answer(2), u"8");

    // A new definition replaces the old one; its slot stays the same.
    EXPECT_EQ(list.defineFunction(u"sq", 1, u"x*x*x"), 0);
    list.evaluateAll();
    EXPECT_EQ(answer(0), u"27");
    // A text that does not compile keeps the old definition.
    EXPECT_NE(list.defineFunction(u"sq", 1, u"(x"), 0);
    list.evaluateAll();
    EXPECT_EQ(answer(0), u"27");

    EXPECT_EQ(list.defineFunction(u"det", 1, u"x"), 4);
    EXPECT_EQ(list.defineFunction(u"f2", 1, u"x"), 4);
    EXPECT_EQ(list.defineFunction(u"", 1, u"x"), 4);
    EXPECT_EQ(list.defineFunction(std::u16string(30, u'q'), 1, u"x"), 4);
    EXPECT_EQ(list.defineFunction(u"h", 4, u"x"), 4);

    EXPECT_TRUE(list.removeFunction(u"g"));
    EXPECT_FALSE(list.removeFunction(u"g"));
}
