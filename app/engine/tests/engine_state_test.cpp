// The engine state's reset, and ANS following the document that evaluates.
#include <gtest/gtest.h>

#include <string>

#include "engine/answer_index.h"
#include "engine/answer_source.h"
#include "engine/block_list.h"
#include "engine/display_format.h"
#include "engine/engine_state.h"
#include "engine/evaluator.h"
#include "engine/library_table.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/user_functions.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "engine/workspace_note.h"
#include "engine/workspace_settings.h"
#include "engine_test_support.h"

namespace engine::testing {
namespace {

class EngineStateTest : public EngineTest {};

TEST_F(EngineStateTest, ResetPutsEverySessionPieceBack) {
    addVariable(u"alpha", nullptr);
    ASSERT_TRUE(setUserFunction(3, UserFunction{u"f", 0, nullptr, nullptr}));
    setAnswerIndex(7);
    setEvaluationFlag(true);
    setStackTop(20);
    setGraphViewShowing(true);
    setWorkspaceNote(u"a note");
    workspaceSettings().formatCode = 0x0303;

    engineState().reset();

    EXPECT_EQ(globalVariableCount(), 6);
    EXPECT_EQ(findVariable(u"alpha"), kNoVariable);
    EXPECT_EQ(userFunctionAt(3), nullptr);
    EXPECT_EQ(answerIndex(), -1);
    EXPECT_EQ(answerSource(), nullptr);
    EXPECT_FALSE(evaluationFlag());
    EXPECT_EQ(stackTop(), kBlockStartTop);
    EXPECT_FALSE(scriptAborted());
    EXPECT_EQ(workspaceNote(), u"");
    EXPECT_EQ(workspaceSettings().formatCode, WorkspaceSettings{}.formatCode);
}

TEST_F(EngineStateTest, ResetKeepsWhatStartUpInstalled) {
    loadFakeLibraries();
    setScriptFolder(u"/tmp/scripts");
    engineState().reset();
    EXPECT_EQ(libraryCount(), 2);
    EXPECT_EQ(scriptFolder(), u"/tmp/scripts");
}

// Two documents side by side: each one's ANS reads its own blocks, whichever
// was created last.
TEST_F(EngineStateTest, AnsFollowsTheDocumentBeingEvaluated) {
    BlockList first;
    BlockList second;
    auto type = [](BlockList& list, std::u16string_view text) {
        const int k = list.count() - 1;
        list.execute(k, text);
        list.appendEmpty();
        return valueToText(list.block(k).answer(), 250);
    };
    EXPECT_EQ(type(first, u"5"), u"5");
    EXPECT_EQ(type(second, u"70"), u"70");
    EXPECT_EQ(type(first, u"ANS+1"), u"6");
    EXPECT_EQ(type(second, u"ANS+1"), u"71");
    EXPECT_EQ(type(first, u"ANS(2)*10"), u"50");
    // Outside an evaluation no document answers.
    EXPECT_EQ(answerSource(), nullptr);
}

}  // namespace
}  // namespace engine::testing
