// EXE with the recalculation below, its modes and limits, undo, insertion and
// dropping, and what each step reports as changed.
#include <gtest/gtest.h>

#include <string>

#include "engine/answer_index.h"
#include "engine/display_format.h"
#include "engine/engine_state.h"
#include "engine/scripts.h"
#include "shell/workspace_document.h"

using engine::UndoKind;
using shell::ExeMode;
using shell::ListChange;
using shell::WorkspaceDocument;

namespace {

class WorkspaceDocumentTest : public ::testing::Test {
protected:
    void SetUp() override { engine::engineState().reset(); }

    // Types a line into the active block and presses EXE.
    ListChange type(const std::u16string& text, ExeMode mode = ExeMode::Normal) {
        doc.setEditText(text);
        return doc.exe(mode);
    }
    std::u16string answer(int k) { return engine::valueToText(doc.blocks().block(k).answer(), 250); }

    WorkspaceDocument doc;
};

}  // namespace

TEST_F(WorkspaceDocumentTest, ExeOnTheLastBlockAppendsOneThatInheritsTheAngleMode) {
    doc.activeBlock().setDegrees(true);
    type(u"1+1");
    ASSERT_EQ(doc.blocks().count(), 2);
    EXPECT_EQ(doc.active(), 1);
    EXPECT_EQ(answer(0), u"2");
    EXPECT_EQ(doc.blocks().block(0).status(), 0);
    EXPECT_TRUE(doc.blocks().block(1).degrees());
    EXPECT_EQ(doc.editText(), u"");
    EXPECT_EQ(engine::answerIndex(), 0);
    EXPECT_EQ(doc.undoRecord().kind, UndoKind::AppendedBlock);
    EXPECT_EQ(doc.undoRecord().first, u"1+1");

    // The shell keeps the executed block active when both don't fit.
    doc.setEditText(u"5");
    doc.exe(ExeMode::Normal, true);
    EXPECT_EQ(doc.blocks().count(), 3);
    EXPECT_EQ(doc.active(), 1);
    EXPECT_EQ(doc.editText(), u"5");
}

TEST_F(WorkspaceDocumentTest, ExeElsewhereRecalculatesTheBlocksBelow) {
    type(u"a=2");
    type(u"a*3");
    type(u"ANS+1");
    EXPECT_EQ(answer(2), u"7");
    doc.setActive(0);
    type(u"a=5");
    EXPECT_EQ(doc.blocks().count(), 4);
    EXPECT_EQ(doc.active(), 0);
    EXPECT_EQ(answer(1), u"15");
    EXPECT_EQ(answer(2), u"16");
    EXPECT_EQ(engine::answerIndex(), 0);
    EXPECT_EQ(doc.undoRecord().kind, engine::changedBlockKind(0));
    EXPECT_EQ(doc.undoRecord().first, u"a=2");

    // Undo gives the block its old text back; the blocks below follow when
    // it is executed again.
    ASSERT_TRUE(doc.undo().done);
    EXPECT_EQ(doc.editText(), u"a=2");
    EXPECT_EQ(doc.blocks().block(0).text(), u"a=2");
    EXPECT_EQ(doc.undoRecord().kind, UndoKind::Nothing);
}

TEST_F(WorkspaceDocumentTest, ModesOnlyIfChangedAndCommitOnly) {
    type(u"4");
    doc.setActive(0);
    doc.setEditText(u"4");
    EXPECT_FALSE(doc.exe(ExeMode::OnlyIfChanged).done);
    doc.setEditText(u"");
    EXPECT_FALSE(doc.exe(ExeMode::OnlyIfChanged).done);
    doc.setEditText(u"6");
    EXPECT_TRUE(doc.exe(ExeMode::OnlyIfChanged).done);
    EXPECT_EQ(answer(0), u"6");

    // Commit-only on the last block stores and evaluates without appending.
    doc.setActive(1);
    type(u"ANS*2", ExeMode::CommitOnly);
    EXPECT_EQ(doc.blocks().count(), 2);
    EXPECT_EQ(answer(1), u"12");
    EXPECT_EQ(doc.undoRecord().kind, UndoKind::Nothing);
}

TEST_F(WorkspaceDocumentTest, UndoOfAnAppendingExe) {
    type(u"3*3");
    ASSERT_EQ(doc.blocks().count(), 2);
    ASSERT_TRUE(doc.undo().done);
    EXPECT_EQ(doc.blocks().count(), 1);
    EXPECT_EQ(doc.active(), 0);
    EXPECT_EQ(doc.blocks().block(0).text(), u"");
    EXPECT_EQ(doc.blocks().block(0).status(), 0);
    EXPECT_EQ(answer(0), u"0");
    EXPECT_EQ(doc.editText(), u"3*3");
}

TEST_F(WorkspaceDocumentTest, FailuresCommentsAndOverlongTexts) {
    type(u"7");
    doc.setActive(0);
    type(u"(7");  // does not compile: the old answer stays
    EXPECT_NE(doc.blocks().block(0).status(), 0);
    EXPECT_LE(doc.blocks().block(0).status(), 7);
    EXPECT_EQ(answer(0), u"7");

    doc.setActive(1);
    type(u"*b=5");
    EXPECT_EQ(doc.blocks().block(1).status(), 63);
    EXPECT_EQ(answer(1), u"0");

    type(u"b");  // the comment never assigned b
    EXPECT_EQ(answer(2), u"0");

    // The edit line holds at most 99 characters; a longer text set directly
    // keeps the old one.
    doc.setActive(2);
    type(std::u16string(100, u'1'));
    EXPECT_EQ(doc.blocks().block(2).text(), std::u16string(99, u'1'));
    doc.blocks().block(2).setText(std::u16string(100, u'2'));
    EXPECT_EQ(doc.blocks().block(2).status(), 7);
    EXPECT_EQ(doc.blocks().block(2).text(), std::u16string(99, u'1'));

    // An evaluation failure is stored as the status; the answer is what was on top.
    doc.setActive(3);
    type(u"inv({1,2|2,4})");
    EXPECT_EQ(doc.blocks().block(3).status(), 53);
}

TEST_F(WorkspaceDocumentTest, ABlockWhoseEvaluationFailedIsEvaluatedAgain) {
    type(u"s=\"ab\"");
    type(u"s*2");
    EXPECT_NE(doc.blocks().block(1).status(), 0);
    doc.setActive(0);
    type(u"s=4");
    EXPECT_EQ(doc.blocks().block(1).status(), 0);
    EXPECT_EQ(answer(1), u"8");
}

TEST_F(WorkspaceDocumentTest, AtMost101BlocksAfterExe) {
    for (int i = 0; i < 120; ++i) type(std::u16string(u"1+") + char16_t(u'0' + i % 10));
    EXPECT_EQ(doc.blocks().count(), 101);
    EXPECT_EQ(doc.active(), 100);
    EXPECT_EQ(doc.blocks().block(99).text(), u"1+9");
}

TEST_F(WorkspaceDocumentTest, InsertAndDrop) {
    doc.activeBlock().setDegrees(true);
    type(u"1");
    type(u"2");
    doc.insertAt(1);
    EXPECT_EQ(doc.blocks().count(), 4);
    EXPECT_EQ(doc.active(), 1);
    EXPECT_EQ(doc.blocks().block(1).text(), u"");
    EXPECT_TRUE(doc.blocks().block(1).degrees());
    EXPECT_EQ(doc.blocks().block(2).text(), u"2");

    doc.dropFirst();
    EXPECT_EQ(doc.blocks().count(), 3);
    EXPECT_EQ(doc.active(), 0);
    EXPECT_EQ(doc.blocks().block(1).text(), u"2");

    // With 100 blocks, inserting at the first block replaces it.
    while (doc.blocks().count() < 100) doc.insertAt(doc.blocks().count());
    doc.blocks().block(0).setText(u"42");
    doc.insertAt(0);
    EXPECT_EQ(doc.blocks().count(), 100);
    EXPECT_EQ(doc.blocks().block(0).text(), u"");
    EXPECT_EQ(doc.active(), 0);

    while (doc.blocks().count() > 1) doc.dropFirst();
    doc.dropFirst();
    EXPECT_EQ(doc.blocks().count(), 1);
}


TEST_F(WorkspaceDocumentTest, ExeReportsWhatChanged) {
    ListChange c = type(u"1");
    EXPECT_TRUE(c.done);
    EXPECT_EQ(c.firstEvaluated, 0);
    EXPECT_FALSE(c.belowEvaluated);
    EXPECT_EQ(c.appended, 1);
    EXPECT_EQ(c.dropped, 0);
    type(u"ANS+1");
    doc.setActive(0);
    c = type(u"5");
    EXPECT_EQ(c.firstEvaluated, 0);
    EXPECT_TRUE(c.belowEvaluated);
    EXPECT_EQ(c.appended, 0);
    EXPECT_EQ(answer(1), u"6");

    // Past 101 blocks the first is dropped and the indices move up with it.
    doc.setActive(doc.blocks().count() - 1);
    while (doc.blocks().count() < 101) type(u"2");
    c = type(u"3");
    EXPECT_EQ(c.appended, 1);
    EXPECT_EQ(c.dropped, 1);
    EXPECT_EQ(c.firstEvaluated, 99);
    EXPECT_EQ(doc.blocks().block(99).text(), u"3");
    EXPECT_EQ(doc.active(), 100);

    c = doc.insertAt(3);
    EXPECT_EQ(c.inserted, 2);
    EXPECT_EQ(c.dropped, 1);
    EXPECT_EQ(doc.active(), 2);
    c = doc.dropFirst();
    EXPECT_EQ(c.dropped, 1);
    EXPECT_EQ(doc.active(), 1);
}

TEST_F(WorkspaceDocumentTest, ExeClearsTheAbortFlagAndRespectsTheRpnDisplay) {
    type(u"1");
    type(u"2");
    doc.setRpnDisplay(true);
    doc.undoRecord() = engine::UndoRecord{UndoKind::RpnReplacedAbove, u"7", u""};
    type(u"3");
    EXPECT_EQ(doc.undoRecord().kind, UndoKind::RpnReplacedAbove);
    EXPECT_FALSE(engine::scriptAborted());
    // Commit-only clears the record even then.
    doc.setEditText(u"4");
    doc.exe(ExeMode::CommitOnly);
    EXPECT_EQ(doc.undoRecord().kind, UndoKind::Nothing);
}

TEST_F(WorkspaceDocumentTest, TheEditLineHoldsAtMost99Characters) {
    doc.setEditText(std::u16string(120, u'9'));
    EXPECT_EQ(doc.editText().size(), 99u);
    ASSERT_NE(doc.editLine(), nullptr);
}

TEST_F(WorkspaceDocumentTest, UndoOfRpnSteps) {
    type(u"10");
    type(u"20");
    type(u"30");  // blocks 10, 20, 30 and the empty last one
    // Kind 3: the block above the last gets its old text back.
    doc.blocks().execute(2, u"99");
    doc.undoRecord() = engine::UndoRecord{UndoKind::RpnReplacedAbove, u"30+1", u""};
    ListChange c = doc.undo();
    EXPECT_EQ(c.firstEvaluated, 2);
    EXPECT_EQ(answer(2), u"31");
    EXPECT_EQ(doc.undoRecord().kind, UndoKind::Nothing);

    // Kind 4 with the last block active: the edit line gets the first text.
    doc.undoRecord() = engine::UndoRecord{UndoKind::RpnReplacedAboveAndLast, u"4*4", u"3"};
    doc.undo();
    EXPECT_EQ(answer(2), u"3");
    EXPECT_EQ(doc.editText(), u"4*4");
    // ... and with another block active the last block is restored.
    doc.setActive(0);
    doc.undoRecord() = engine::UndoRecord{UndoKind::RpnReplacedAboveAndLast, u"5*5", u"2"};
    doc.undo();
    EXPECT_EQ(answer(2), u"2");
    EXPECT_EQ(answer(3), u"25");

    // Kind 6 puts the stored text back and stays.
    doc.setEditText(u"garbage");
    doc.undoRecord().kind = UndoKind::EditLineChanged;
    doc.undo();
    EXPECT_EQ(doc.editText(), u"10");
    EXPECT_EQ(doc.undoRecord().kind, UndoKind::EditLineChanged);
}

TEST_F(WorkspaceDocumentTest, UndoOfAnRpnStepOnTwoBlocks) {
    type(u"1");
    type(u"2");
    doc.setRpnDisplay(true);
    doc.undoRecord() = engine::UndoRecord{UndoKind::RpnReplacedTwoAbove, u"b", u"a"};
    doc.setActive(0);
    doc.undo();
    // The last block (with its stored text) was executed and a new one
    // appended; the two blocks above the new active one got the saved texts.
    ASSERT_EQ(doc.blocks().count(), 4);
    EXPECT_EQ(doc.blocks().block(1).text(), u"a");
    EXPECT_EQ(doc.blocks().block(2).text(), u"b");
    EXPECT_EQ(doc.active(), 3);

    // With the last block active its edit line is what gets executed.
    doc.undoRecord() = engine::UndoRecord{UndoKind::RpnReplacedTwoAbove, u"d", u"c"};
    doc.setEditText(u"8");
    doc.undo();
    ASSERT_EQ(doc.blocks().count(), 5);
    EXPECT_EQ(answer(3), u"8");
    EXPECT_EQ(doc.blocks().block(2).text(), u"c");
    EXPECT_EQ(doc.blocks().block(3).text(), u"d");
}

// Two documents side by side: each one's ANS reads its own blocks, whichever
// was created last.
TEST_F(WorkspaceDocumentTest, AnsFollowsTheDocumentBeingEvaluated) {
    WorkspaceDocument other;
    type(u"5");
    other.setEditText(u"70");
    other.exe(ExeMode::Normal);
    type(u"ANS+1");
    other.setEditText(u"ANS+1");
    other.exe(ExeMode::Normal);
    EXPECT_EQ(answer(1), u"6");
    EXPECT_EQ(engine::valueToText(other.blocks().block(1).answer(), 250), u"71");
}
