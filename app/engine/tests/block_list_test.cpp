// The block operations EXE is made of, the block limits and user functions.
#include <gtest/gtest.h>

#include <string>

#include "engine/answer_index.h"
#include "engine/block_list.h"
#include "engine/display_format.h"
#include "engine/engine_state.h"
#include "engine/variables.h"

using engine::BlockList;

namespace {

class BlockListTest : public ::testing::Test {
protected:
    void SetUp() override { engine::engineState().reset(); }

    // EXE of a line on the last block: store and evaluate, then a new block.
    void type(const std::u16string& text) {
        list.execute(list.count() - 1, text);
        list.appendEmpty();
    }
    std::u16string answer(int k) { return engine::valueToText(list.block(k).answer(), 250); }

    BlockList list;
};

}  // namespace

TEST_F(BlockListTest, ExecuteAndTheRecalculationBelow) {
    list.block(0).setDegrees(true);
    type(u"a=2");
    type(u"a*3");
    type(u"ANS+1");
    EXPECT_EQ(answer(2), u"7");
    EXPECT_EQ(engine::answerIndex(), 2);
    EXPECT_TRUE(list.block(3).degrees());

    list.execute(0, u"a=5");
    EXPECT_EQ(engine::answerIndex(), 0);
    EXPECT_EQ(answer(1), u"6");  // not yet evaluated again
    list.evaluateBelow(0);
    EXPECT_EQ(answer(1), u"15");
    EXPECT_EQ(answer(2), u"16");
    EXPECT_EQ(engine::answerIndex(), 3);
}

TEST_F(BlockListTest, AppendingPast101DropsTheFirst) {
    for (int i = 0; i < 100; ++i) list.appendEmpty();
    list.block(0).setText(u"1");
    EXPECT_EQ(list.count(), 101);
    EXPECT_TRUE(list.appendEmpty());
    EXPECT_EQ(list.count(), 101);
    EXPECT_EQ(list.block(0).text(), u"");
}

TEST_F(BlockListTest, InsertDropAndRemove) {
    list.block(0).setDegrees(true);
    type(u"1");
    type(u"2");
    EXPECT_EQ(list.insertAt(1), 1);
    EXPECT_EQ(list.count(), 4);
    EXPECT_EQ(list.block(1).text(), u"");
    EXPECT_TRUE(list.block(1).degrees());
    EXPECT_EQ(list.block(2).text(), u"2");
    EXPECT_EQ(list.insertAt(99), 4);  // clamped to the end

    // With 100 blocks, inserting at the first block replaces it; elsewhere
    // the first block makes room and the new one lands one place earlier.
    while (list.count() < 100) list.insertAt(list.count());
    list.block(0).setText(u"42");
    EXPECT_EQ(list.insertAt(0), 0);
    EXPECT_EQ(list.count(), 100);
    EXPECT_EQ(list.block(0).text(), u"");
    list.block(0).setText(u"42");
    EXPECT_EQ(list.insertAt(5), 4);
    EXPECT_EQ(list.count(), 100);
    EXPECT_NE(list.block(0).text(), u"42");

    while (list.count() > 1) EXPECT_TRUE(list.dropFirst());
    EXPECT_FALSE(list.dropFirst());
    EXPECT_FALSE(list.removeLast());
    list.appendEmpty();
    EXPECT_TRUE(list.removeLast());
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
