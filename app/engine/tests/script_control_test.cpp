// Linking the control keywords and running a Workspace in place ("Run from
// here"): loops, branches, RETURN, CONTIFGRAPHING, errors and the tap check.
#include <gtest/gtest.h>

#include <vector>

#include "engine/code_list.h"
#include "engine/disassembler.h"
#include "engine/messages.h"
#include "engine/scripts.h"
#include "engine/variables.h"
#include "scripted_backend.h"
#include "workspace_test_support.h"

namespace engine::workspace_testing {
namespace {

void fill(BlockList& blocks, std::initializer_list<std::u16string_view> lines) {
    blocks.clear();
    for (std::u16string_view line : lines) blocks.append(line);
    if (blocks.count() > 1) blocks.dropFirst();
}

std::vector<Token*> listsOf(BlockList& blocks) {
    std::vector<Token*> lists;
    for (int i = 0; i < blocks.count(); ++i) lists.push_back(blocks.block(i).parsed());
    return lists;
}

// The value of the first token of this code in block i.
double targetIn(BlockList& blocks, int i, Code c) {
    for (const Token* t = blocks.block(i).parsed(); t != nullptr && t->code != 0; ++t)
        if (t->code == code(c)) return t->value;
    return -99;
}

struct RunCase {
    const char* what;
    std::vector<std::u16string> lines;
    const char16_t* variable;
    double expected;
};

class RunInPlace : public WorkspaceTest, public ::testing::WithParamInterface<RunCase> {};

}  // namespace

TEST_F(WorkspaceTest, LinkingWritesJumpTargets) {
    BlockList blocks;
    fill(blocks, {u"WHILE(1)", u"IF(0)", u"1", u"ELSE", u"2", u"END", u"END", u"FOR(\"k\",1,1,2)",
                  u"END", u"IF(1)", u"END"});
    ASSERT_EQ(linkControlFlow(listsOf(blocks)), 0);
    EXPECT_EQ(targetIn(blocks, 0, Code::While), 7);     // after its END
    EXPECT_EQ(targetIn(blocks, 6, Code::EndBlock), 0);  // back to the WHILE
    EXPECT_EQ(targetIn(blocks, 1, Code::If), 4);        // after the ELSE block
    EXPECT_EQ(targetIn(blocks, 3, Code::Else), 6);      // after the END
    EXPECT_EQ(targetIn(blocks, 5, Code::EndBlock), 6);
    EXPECT_EQ(targetIn(blocks, 7, Code::For), 9);
    EXPECT_EQ(targetIn(blocks, 8, Code::EndBlock), 7);
    EXPECT_EQ(targetIn(blocks, 9, Code::If), 11);
    EXPECT_EQ(targetIn(blocks, 10, Code::EndBlock), 11);
    // The disassembly shows the targets.
    EXPECT_EQ(disassemble(blocks.block(0).parsed()), "1 WHILE:7");
    EXPECT_EQ(disassemble(blocks.block(3).parsed()), "ELSE:6");
    EXPECT_EQ(disassemble(blocks.block(7).parsed()), "\"k\" 1 1 2 FOR:9");
}

TEST_F(WorkspaceTest, UnbalancedStructuresShowCodeFifteenAndDoNotRun) {
    const std::vector<std::vector<std::u16string>> cases = {
        {u"n=1", u"ELSE", u"n=2"},
        {u"n=1", u"END", u"n=2"},
        {u"n=1", u"WHILE(1)", u"ELSE", u"END", u"n=2"},
        {u"n=1", u"WHILE(1)", u"WHILE(1)", u"WHILE(1)", u"WHILE(1)", u"WHILE(1)", u"WHILE(1)",
         u"WHILE(1)", u"WHILE(1)", u"WHILE(1)", u"WHILE(1)", u"WHILE(1)", u"n=2"},
    };
    for (const auto& lines : cases) {
        SCOPED_TRACE(lines.size());
        orvana::testing::ScriptedBackend ui;
        resetEngine();
        BlockList blocks;
        blocks.clear();
        for (const auto& l : lines) blocks.append(l);
        blocks.dropFirst();
        EXPECT_EQ(runFromBlock(blocks, 0), 15);
        ASSERT_EQ(ui.messageBoxes().size(), 1u);
        EXPECT_EQ(ui.messageBoxes()[0].text, messageText(15));
        EXPECT_NE(global(u"n"), 1.0);  // nothing ran
    }
}

TEST_F(WorkspaceTest, TenNestedStructuresLinkAndStructuresLeftOpenEndTheRun) {
    BlockList blocks;
    blocks.clear();
    blocks.append(u"n=0");
    for (int i = 0; i < 10; ++i) blocks.append(u"IF(1)");
    blocks.append(u"n=n+1");
    for (int i = 0; i < 10; ++i) blocks.append(u"END");
    blocks.dropFirst();
    EXPECT_EQ(runFromBlock(blocks, 0), 0);
    EXPECT_EQ(global(u"n"), 1.0);

    // A WHILE without its END whose condition is false leaves the script.
    fill(blocks, {u"m=1", u"WHILE(0)", u"m=2"});
    EXPECT_EQ(runFromBlock(blocks, 0), 0);
    EXPECT_EQ(global(u"m"), 1.0);
}

TEST_P(RunInPlace, GivesTheExpectedVariable) {
    const RunCase& c = GetParam();
    BlockList blocks;
    blocks.clear();
    for (const auto& l : c.lines) blocks.append(l);
    blocks.dropFirst();
    EXPECT_EQ(runFromBlock(blocks, 0), 0);
    EXPECT_EQ(global(c.variable), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, RunInPlace,
    ::testing::Values(
        RunCase{"while loop", {u"n=0", u"WHILE(3-n)", u"n=n+1", u"END", u"done=n"}, u"done", 3},
        RunCase{"while false at once skips",
                {u"n=5", u"WHILE(0)", u"n=99", u"END", u"after=n"},
                u"after",
                5},
        RunCase{"for counts its body",
                {u"cnt=0", u"FOR(\"k\",1,1,3)", u"cnt=cnt+1", u"END"},
                u"cnt",
                3},
        RunCase{"for leaves k after the end", {u"FOR(\"k\",1,1,3)", u"END"}, u"k", 4},
        RunCase{"for counts down",
                {u"s=0", u"k=0", u"FOR(\"k\",3,-1,1)", u"s=s*10+k", u"END"},
                u"s",
                321},
        RunCase{"for with an end below the start runs nothing",
                {u"s=0", u"FOR(\"k\",5,1,1)", u"s=1", u"END"},
                u"s",
                0},
        RunCase{"nested for loops",
                {u"c=0", u"FOR(\"p\",1,1,3)", u"FOR(\"j\",1,1,2)", u"c=c+1", u"END", u"END"},
                u"c",
                6},
        RunCase{"if false runs the else part",
                {u"r=0", u"IF(0)", u"r=r+1", u"ELSE", u"r=r+10", u"END"},
                u"r",
                10},
        RunCase{"if true jumps over the else part",
                {u"r=0", u"IF(1)", u"r=r+1", u"ELSE", u"r=r+10", u"END"},
                u"r",
                1},
        RunCase{"if without else", {u"r=0", u"IF(0)", u"r=1", u"END", u"r=r+2"}, u"r", 2},
        RunCase{"return stops a run in place", {u"a=1", u"RETURN(5)", u"a=2"}, u"a", 1},
        RunCase{"contifgraphing stops when no graph shows",
                {u"a=1", u"CONTIFGRAPHING()", u"a=2"},
                u"a",
                1},
        RunCase{"an error does not stop a run in place", {u"b=1", u"zero(0,1)", u"b=2"}, u"b", 2},
        RunCase{"ANS is the block run last", {u"IF(1)", u"7", u"END", u"z=ANS(2)"}, u"z", 7},
        RunCase{"while with a for inside",
                {u"t=0", u"w=0", u"WHILE(2-w)", u"w=w+1", u"FOR(\"q\",1,1,2)", u"t=t+1", u"END",
                 u"END"},
                u"t",
                4}),
    [](const auto& info) {
        std::string name;
        for (const char* c = info.param.what; *c != 0; ++c) name += std::isalnum(*c) ? *c : '_';
        return name;
    });

TEST_F(WorkspaceTest, ForRefusesAStepOfZeroAndABadName) {
    BlockList blocks;
    fill(blocks, {u"FOR(\"k\",1,0,3)", u"END"});
    runFromBlock(blocks, 0);
    EXPECT_EQ(blocks.block(0).status(), 14);
    fill(blocks, {u"FOR(3,1,1,3)", u"END"});
    runFromBlock(blocks, 0);
    EXPECT_EQ(blocks.block(0).status(), 14);
    fill(blocks, {u"FOR(\"abcdefghijk\",1,1,3)", u"END"});
    runFromBlock(blocks, 0);
    EXPECT_EQ(blocks.block(0).status(), 4);
    EXPECT_EQ(enter(blocks, u"LOCAL(3)"), 14);
    EXPECT_EQ(enter(blocks, u"GLOBAL(3)"), 14);
    EXPECT_EQ(enter(blocks, u"FUNC(3)"), 14);
    EXPECT_EQ(enter(blocks, u"FUNC(\"a\")"), 0);  // no call: no parameters
    EXPECT_EQ(blocks.block(blocks.count() - 2).answer()->re[0], 0.0);
}

TEST_F(WorkspaceTest, RunFromHereStartsAtTheBlockGiven) {
    BlockList blocks;
    fill(blocks, {u"v=1", u"v=v+10", u"v=v+100"});
    copyValMatrix(variableAt(findVariable(u"v")), 0.0, 0.0);
    runFromBlock(blocks, 1);
    EXPECT_EQ(global(u"v"), 110.0);
}

TEST_F(WorkspaceTest, ATapStopsTheRunBeforeThe22ndBlock) {
    orvana::testing::ScriptedBackend ui;
    ui.pressPointerAtPoll(1);
    BlockList blocks;
    fill(blocks, {u"n=0", u"WHILE(1)", u"n=n+1", u"END"});
    EXPECT_EQ(runFromBlock(blocks, 0), 0);
    EXPECT_TRUE(scriptAborted());
    EXPECT_EQ(ui.pointerPolls(), 1);
    // 21 blocks ran: the first, then seven rounds of the loop.
    EXPECT_EQ(global(u"n"), 7.0);
    ASSERT_EQ(ui.messageBoxes().size(), 1u);
    EXPECT_EQ(ui.messageBoxes()[0].text, u"Script aborted on line 4 because the screen was tapped");
    EXPECT_EQ(ui.messageBoxes()[0].caption, u"Orvana");
    EXPECT_EQ(ui.waitCursorChanges(), (std::vector<bool>{true, false}));

    // While the flag is set nothing runs; the front end clears it.
    ui.pressPointerAtPoll(0);
    fill(blocks, {u"u=1"});
    runFromBlock(blocks, 0);
    EXPECT_NE(global(u"u"), 1.0);
    clearScriptAbort();
    runFromBlock(blocks, 0);
    EXPECT_EQ(global(u"u"), 1.0);
}

TEST_F(WorkspaceTest, WithoutATapLongLoopsPollEvery22Blocks) {
    orvana::testing::ScriptedBackend ui;
    BlockList blocks;
    fill(blocks, {u"FOR(\"k\",1,1,100)", u"END"});
    runFromBlock(blocks, 0);
    // 1 + 2 x 100 blocks (the FOR block of the last test included).
    EXPECT_EQ(global(u"k"), 101.0);
    EXPECT_EQ(ui.pointerPolls(), 201 / 22);
    EXPECT_FALSE(scriptAborted());
}

}  // namespace engine::workspace_testing
