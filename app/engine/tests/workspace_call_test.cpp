// Workspaces called as functions: arguments and parameters, local and
// global declarations, recursion, errors, the script cache and the tap.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "engine/call_failure.h"
#include "engine/evaluator.h"
#include "engine/parser.h"
#include "engine/script_cache.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"
#include "scripted_backend.h"
#include "workspace_test_support.h"

namespace engine::workspace_testing {
namespace {

struct CallCase {
    const char* what;
    std::u16string name;
    std::vector<std::u16string> script;
    std::u16string call;
    uint16_t status;
    double value;
};

class Calls : public WorkspaceTest, public ::testing::WithParamInterface<CallCase> {
protected:
    // Saves the script, then enters the call; gives the answer's first part.
    double callOnce(const CallCase& c, uint16_t& status) {
        BlockList source;
        for (const auto& l : c.script) source.append(l);
        if (source.count() > 1) source.dropFirst();
        EXPECT_TRUE(saveWorkspace(workspacePath(c.name).c_str(), false, &source));
        BlockList blocks;
        status = enter(blocks, c.call);
        const Matrix* answer = blocks.block(0).answer();
        return answer->re != nullptr && answer->kind != LATTIX_KIND_STRING ? answer->re[0]
                                                                           : -12345.0;
    }
};

}  // namespace

TEST_P(Calls, GiveTheirValue) {
    const CallCase& c = GetParam();
    uint16_t status = 0;
    const double value = callOnce(c, status);
    EXPECT_EQ(status, c.status) << c.what;
    if (c.status == 0) {
        EXPECT_EQ(value, c.value) << c.what;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, Calls,
    ::testing::Values(
        CallCase{"six arguments reach x to c",
                 u"Six",
                 {u"RETURN(x+2*y+3*z+4*a+5*b+6*c)"},
                 u"Six(1,1,1,1,1,1)",
                 0,
                 21},
        CallCase{"seven arguments are code 6", u"Six", {u"RETURN(1)"}, u"Six(1,2,3,4,5,6,7)", 6, 0},
        CallCase{"a bare name passes 0", u"Five", {u"RETURN(5+x)"}, u"Five", 0, 5},
        CallCase{
            "a call is part of an expression", u"Twice", {u"RETURN(2*x)"}, u"1+Twice(4)*3", 0, 25},
        CallCase{"FUNC counts the arguments given",
                 u"Count",
                 {u"RETURN(FUNC(\"p,q,r\"))"},
                 u"Count(7,8)",
                 0,
                 2},
        CallCase{"FUNC names the parameters",
                 u"Named",
                 {u"FUNC(\"first,second\")", u"RETURN(first*10+second)"},
                 u"Named(3,4)",
                 0,
                 34},
        CallCase{"FUNC keeps a fixed local's slot",
                 u"Swap",
                 {u"FUNC(\"y,x\")", u"RETURN(x-y)"},
                 u"Swap(10,3)",
                 0,
                 -7},
        CallCase{"FUNC without a comma takes one name",
                 u"One",
                 {u"FUNC(\"value\")", u"RETURN(value+1)"},
                 u"One(41)",
                 0,
                 42},
        CallCase{"LOCAL with a comma",
                 u"Loc",
                 {u"LOCAL(\"data,x\")", u"data=x*2", u"RETURN(data)"},
                 u"Loc(5)",
                 0,
                 10},
        CallCase{"LOCAL without a comma declares letters",
                 u"Letters",
                 {u"LOCAL(\"dt\")", u"d=7", u"t=d+1", u"RETURN(t)"},
                 u"Letters(0)",
                 0,
                 8},
        CallCase{"without RETURN the value is 0", u"Nothing", {u"1+1"}, u"Nothing(3)", 0, 0},
        CallCase{"ANS inside a call", u"Ans", {u"3+4", u"RETURN(ANS*2)"}, u"Ans(0)", 0, 14},
        CallCase{"a loop inside a call",
                 u"Sum",
                 {u"LOCAL(\"acc,k\")", u"acc=0", u"FOR(\"k\",1,1,x)", u"acc=acc+k", u"END",
                  u"RETURN(acc)"},
                 u"Sum(10)",
                 0,
                 55},
        CallCase{"a block using a variable the script creates first",
                 u"Counter",
                 {u"s=0", u"FOR(\"k\",1,1,4)", u"s=s+k", u"END", u"RETURN(s)"},
                 u"Counter(0)",
                 0,
                 10},
        CallCase{"a block still unknown when reached gives code 1",
                 u"Unknown",
                 {u"s=0", u"s=s+qq", u"RETURN(s)"},
                 u"Unknown(0)",
                 1,
                 0},
        CallCase{"recursion through a Workspace calling itself",
                 u"Fact",
                 {u"IF(x-1)", u"RETURN(x*Fact(x-1))", u"END", u"RETURN(1)"},
                 u"Fact(6)",
                 0,
                 720},
        CallCase{"endless recursion stops with code 13",
                 u"Endless",
                 {u"RETURN(Endless(x))"},
                 u"Endless(1)",
                 13,
                 0},
        CallCase{"an error inside is the calling block's code",
                 u"Bad",
                 {u"zero(0,1)", u"RETURN(1)"},
                 u"Bad(1)",
                 14,
                 0},
        CallCase{"a compile failure inside is the calling block's code",
                 u"Broken",
                 {u"1+(", u"RETURN(1)"},
                 u"Broken(1)",
                 5,
                 0},
        CallCase{"unlinkable control flow is code 15",
                 u"Unlinked",
                 {u"END", u"RETURN(1)"},
                 u"Unlinked(1)",
                 15,
                 0},
        CallCase{"contifgraphing gives its value and stops",
                 u"Graphs",
                 {u"CONTIFGRAPHING(5)", u"RETURN(9)"},
                 u"Graphs(0)",
                 0,
                 5}),
    [](const auto& info) {
        std::string name;
        for (const char* c = info.param.what; *c != 0; ++c) name += std::isalnum(*c) ? *c : '_';
        return name;
    });

TEST_F(WorkspaceTest, LocalsNeverTouchGlobalsAndGlobalDeclaresThem) {
    BlockList blocks;
    enter(blocks, u"a=100");
    enter(blocks, u"t=50");
    saveScript(u"Scope", {u"a=1", u"LOCAL(\"dt\")", u"t=a+1", u"GLOBAL(\"shared\")", u"shared=t*10",
                          u"RETURN(a+t)"});
    EXPECT_EQ(enter(blocks, u"r=Scope(0)"), 0);
    EXPECT_EQ(global(u"r"), 3.0);
    EXPECT_EQ(global(u"a"), 100.0);
    EXPECT_EQ(global(u"t"), 50.0);
    EXPECT_EQ(global(u"shared"), 20.0);
    EXPECT_EQ(findVariable(u"d"), kNoVariable);
}

TEST_F(WorkspaceTest, RunFromHereCompilesBlocksAgainThatNamedUnknownVariables) {
    saveScript(u"Loop", {u"s=0", u"FOR(\"k\",1,1,4)", u"s=s+k*k", u"END"});
    BlockList blocks;
    ASSERT_TRUE(loadWorkspace(workspacePath(u"Loop").c_str(), 0, LoadWhich::workspace(), &blocks));
    ASSERT_EQ(blocks.block(2).status(), 1);
    runFromBlock(blocks, 0);
    EXPECT_EQ(blocks.block(2).status(), 0);
    EXPECT_EQ(global(u"s"), 30.0);
}

TEST_F(WorkspaceTest, AnErrorInACalledWorkspaceStopsEveryScript) {
    saveScript(u"Bad", {u"zero(0,1)", u"late=1"});
    saveScript(u"Outer", {u"Bad(1)", u"outer=1"});
    BlockList blocks;
    blocks.clear();
    blocks.append(u"Outer(0)");
    blocks.append(u"main=1");
    blocks.dropFirst();
    runFromBlock(blocks, 0);
    EXPECT_TRUE(scriptAborted());
    EXPECT_EQ(blocks.block(0).status(), 14);
    EXPECT_NE(global(u"late"), 1.0);
    EXPECT_NE(global(u"outer"), 1.0);
    EXPECT_NE(global(u"main"), 1.0);
}

TEST_F(WorkspaceTest, TheFailingBlockOfTheInnermostCallIsRemembered) {
    saveScript(u"Bad", {u"ok=1", u"zero(0,1)", u"late=1"});
    saveScript(u"Outer", {u"Bad(1)", u"outer=1"});
    BlockList blocks;
    clearCallFailure();
    EXPECT_EQ(enter(blocks, u"Outer(0)"), 14);
    const std::optional<CallFailure>& failure = lastCallFailure();
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->workspace, u"Bad");
    EXPECT_EQ(failure->block, 2);
    EXPECT_EQ(failure->text, u"zero(0,1)");
    EXPECT_EQ(failure->status, 14);
    // A call that works leaves nothing behind once cleared.
    clearCallFailure();
    saveScript(u"Good", {u"RETURN(2)"});
    EXPECT_EQ(enter(blocks, u"Good(0)"), 0);
    EXPECT_FALSE(lastCallFailure().has_value());
}

TEST_F(WorkspaceTest, WorkspacesWithoutBlocksOrFilesGive57) {
    BlockList blocks;
    ASSERT_TRUE(saveWorkspace(workspacePath(u"Empty").c_str(), true, nullptr));
    EXPECT_EQ(enter(blocks, u"Empty(1)"), 57);
    EXPECT_FALSE(isScriptCached(u"Empty"));
    saveScript(u"Gone", {u"RETURN(1)"});
    BlockList later;
    later.append(u"Gone(1)");  // compiled while the file exists
    std::filesystem::remove(folderPath() + "/Gone.ovw");
    later.dropFirst();
    runFromBlock(later, 0);
    EXPECT_EQ(later.block(0).status(), 57);
    EXPECT_EQ(callWorkspace(u"Nowhere", nullptr, 0, nullptr), 57);
    EXPECT_EQ(callWorkspace(u"Gone", nullptr, 7, nullptr), 6);
}

TEST_F(WorkspaceTest, TheCacheHoldsTwentyAndNeverEvictsARunningScript) {
    saveScript(u"Caller", {u"IF(x)", u"RETURN(Late(2))", u"END", u"RETURN(0)"});
    saveScript(u"Late", {u"RETURN(x*100)"});
    BlockList blocks;
    EXPECT_EQ(enter(blocks, u"Caller(0)"), 0);
    for (int i = 0; i < 19; ++i) {
        const std::u16string name = u"Filler" + std::u16string(1, char16_t(u'a' + i));
        saveScript(name, {u"RETURN(x+1)"});
        EXPECT_EQ(enter(blocks, name + u"(1)"), 0);
    }
    EXPECT_EQ(cachedScriptCount(), 20);
    EXPECT_EQ(enter(blocks, u"c=Caller(1)"), 0);
    EXPECT_EQ(global(u"c"), 200.0);
    EXPECT_EQ(cachedScriptCount(), 20);
    EXPECT_TRUE(isScriptCached(u"Caller"));
    EXPECT_TRUE(isScriptCached(u"Late"));
    EXPECT_FALSE(isScriptCached(u"Fillera"));
    EXPECT_TRUE(isScriptCached(u"Fillerb"));
}

TEST_F(WorkspaceTest, SavingAWorkspaceDropsItsCachedScript) {
    saveScript(u"Ver", {u"RETURN(1)"});
    BlockList blocks;
    enter(blocks, u"v=Ver(0)");
    EXPECT_EQ(global(u"v"), 1.0);
    EXPECT_TRUE(isScriptCached(u"Ver"));
    saveScript(u"Ver", {u"RETURN(2)"});
    EXPECT_FALSE(isScriptCached(u"Ver"));
    enter(blocks, u"v=Ver(0)");
    EXPECT_EQ(global(u"v"), 2.0);
    dropCachedScript(workspacePath(u"Ver"));
    EXPECT_FALSE(isScriptCached(u"Ver"));
}

TEST_F(WorkspaceTest, AScriptSavingItsOwnFileWhileRunningFinishesSafely) {
    saveScript(u"Selfsave", {u"save(\"Selfsave\")", u"RETURN(3)"});
    BlockList blocks;
    EXPECT_EQ(enter(blocks, u"w=Selfsave(0)"), 0);
    EXPECT_EQ(global(u"w"), 3.0);
    // The save kept only variables: the Workspace has no blocks any more.
    EXPECT_EQ(enter(blocks, u"Selfsave(0)"), 57);
}

TEST_F(WorkspaceTest, ATapStopsACalledWorkspaceWithItsName) {
    orvana::testing::ScriptedBackend ui;
    ui.pressPointerAtPoll(1);
    saveScript(u"Loop", {u"WHILE(1)", u"END"});
    BlockList blocks;
    EXPECT_EQ(enter(blocks, u"Loop(0)"), 0);
    EXPECT_TRUE(scriptAborted());
    ASSERT_EQ(ui.messageBoxes().size(), 1u);
    EXPECT_EQ(ui.messageBoxes()[0].text,
              u"\"Loop\" aborted on line 2 because the screen was tapped");
    EXPECT_EQ(ui.messageBoxes()[0].caption, u"Orvana");
    EXPECT_EQ(ui.waitCursorChanges(), (std::vector<bool>{true, false}));
}

TEST_F(WorkspaceTest, ACallLeavesTheCallersStateAsItWas) {
    saveScript(u"Noisy", {u"x=5", u"a=6", u"RETURN(x+a)"});
    setEvaluationFlag(true);
    BlockList blocks;
    enter(blocks, u"x=1");
    enter(blocks, u"2");
    EXPECT_EQ(enter(blocks, u"Noisy(0)+ANS"), 0);
    EXPECT_EQ(blocks.block(2).answer()->re[0], 13.0);
    EXPECT_EQ(global(u"x"), 1.0);
    EXPECT_TRUE(evaluationFlag());
    EXPECT_EQ(activeScope(), nullptr);
    setGraphViewShowing(true);
    saveScript(u"Graphs", {u"CONTIFGRAPHING(5)", u"RETURN(9)"});
    EXPECT_EQ(enter(blocks, u"g=Graphs(0)"), 0);
    EXPECT_EQ(global(u"g"), 9.0);
}

}  // namespace engine::workspace_testing

namespace engine::workspace_testing {

TEST_F(WorkspaceTest, InGraphModeACalledWorkspaceGoesOnAndStopsAtTwentyCurves) {
    saveScript(u"Gr", {u"ga=1", u"CONTIFGRAPHING(5)", u"gb=2", u"RETURN(9)"});
    BlockList blocks;
    enter(blocks, u"ga=0");
    enter(blocks, u"gb=0");
    Token* list = nullptr;
    ASSERT_EQ(compileExpression(u"Gr(0)", &list), 0);
    std::vector<double> samples(241, 0.0);
    samples[0] = 240;
    std::vector<KeypadCurve> curves(20);
    int16_t traceCount = 0;
    EXPECT_EQ(global(u"gb"), 0.0);
    EXPECT_EQ(runCodeForGraph(samples.data() + 1, curves.data(), &traceCount, list, 1, 0), 0);
    EXPECT_EQ(activeScope(), nullptr);
    EXPECT_EQ(global(u"ga"), 1.0);
    EXPECT_EQ(global(u"gb"), 2.0);  // CONTIFGRAPHING went on: the graph is being drawn
    copyValMatrix(variableAt(findVariable(u"ga")), 0.0, 0.0);
    copyValMatrix(variableAt(findVariable(u"gb")), 0.0, 0.0);
    traceCount = 20;
    EXPECT_EQ(runCodeForGraph(samples.data() + 1, curves.data(), &traceCount, list, 1, 0), 0);
    EXPECT_EQ(global(u"ga"), 1.0);
    EXPECT_EQ(global(u"gb"), 0.0);  // more than 19 curves: the call ended
    freeCode(list);
}

}  // namespace engine::workspace_testing
