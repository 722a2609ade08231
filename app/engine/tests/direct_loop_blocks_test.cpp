// Plain FOR and END blocks, and whole plain loops over scalar blocks, run
// directly by the script runner. Every case is run twice, once with every
// block evaluated and once with the direct blocks and loops, and both runs
// must leave the same answers (to the bit), statuses, answer index,
// variables, stack slots, abort flag, pointer polls and messages.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "engine/answer_index.h"
#include "engine/evaluator.h"
#include "engine/long_run.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/value_stack.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"
#include "long_work_stop.h"
#include "scripted_backend.h"
#include "workspace_test_support.h"

namespace engine::workspace_testing {
namespace {

// The value as text with every double's bits, so that runs compare exactly.
std::string bitsOf(const Matrix* m) {
    if (m == nullptr) return "null";
    std::string out = std::to_string(m->rows) + "x" + std::to_string(m->cols) + " kind " +
                      std::to_string(int(m->kind));
    if (m->kind == LATTIX_KIND_STRING || m->re == nullptr) return out;
    const size_t n = size_t(m->rows) * size_t(m->cols);
    for (size_t i = 0; i < n && i < 64; ++i) {
        uint64_t re = 0;
        uint64_t im = 0;
        std::memcpy(&re, &m->re[i], sizeof re);
        if (m->im != nullptr) std::memcpy(&im, &m->im[i], sizeof im);
        out.append(" ").append(std::to_string(re)).append("/").append(std::to_string(im));
    }
    return out;
}

struct Outcome {
    Status result = kOk;
    std::vector<uint16_t> statuses;
    std::vector<std::string> answers;
    int answerIndex = -2;
    std::vector<std::string> variables;
    std::vector<std::string> stack;
    bool aborted = false;
    int polls = 0;
    std::vector<std::u16string> messages;
};

// In the stop cases, the pointer poll that is the long run's first.
constexpr int kTokenStopPoll = 51;

struct LoopCase {
    const char* what;
    std::vector<std::u16string> lines;
    std::vector<std::u16string> variables;  // compared after the run
    int start = 0;
    int tapAtPoll = 0;    // a press at this pointer poll (tap check or long-run poll)
    bool stopRun = false;  // the run is one long run already past its quiet time
    bool evaluationFlag = false;
    std::vector<std::u16string> called = {};  // saved as the Workspace "Inner"
};

class DirectLoopBlocks : public WorkspaceTest, public ::testing::WithParamInterface<LoopCase> {
protected:
    Outcome runOnce(const LoopCase& c, bool direct) {
        resetEngine();
        installScriptSupport();
        setDirectLoopBlocks(direct);
        restartLongRunCount();
        if (!c.called.empty()) {
            BlockList source;
            for (const auto& l : c.called) source.append(l);
            if (source.count() > 1) source.dropFirst();
            EXPECT_TRUE(saveWorkspace(workspacePath(u"Inner").c_str(), false, &source));
        }
        setEvaluationFlag(c.evaluationFlag);
        BlockList blocks;
        blocks.clear();
        for (const auto& l : c.lines) blocks.append(l);
        if (blocks.count() > 1) blocks.dropFirst();

        Outcome out;
        if (c.stopRun) {
            const orvana::testing::LongWorkStop stop(c.tapAtPoll);
            out.result = runFromBlock(blocks, c.start);
            out.polls = stop.pointerPolls();
        } else {
            orvana::testing::ScriptedBackend ui;
            if (c.tapAtPoll != 0) ui.pressPointerAtPoll(c.tapAtPoll);
            out.result = runFromBlock(blocks, c.start);
            out.polls = ui.pointerPolls();
            for (const auto& m : ui.messageBoxes()) out.messages.push_back(m.text);
        }
        for (int i = 0; i < blocks.count(); ++i) {
            out.statuses.push_back(blocks.block(i).status());
            out.answers.push_back(bitsOf(blocks.block(i).answer()));
        }
        out.answerIndex = answerIndex();
        for (const auto& name : c.variables) {
            const uint16_t ref = findVariable(name);
            out.variables.push_back(ref == kNoVariable ? "none" : bitsOf(variableAt(ref)));
        }
        for (int slot = kFirstValueSlot; slot < kFirstValueSlot + 8; ++slot)
            out.stack.push_back(bitsOf(&valueStack()[slot]));
        out.aborted = scriptAborted();
        setDirectLoopBlocks(true);
        setEvaluationFlag(false);
        return out;
    }
};

}  // namespace

TEST_P(DirectLoopBlocks, LeaveWhatEvaluatingEveryBlockLeaves) {
    const LoopCase& c = GetParam();
    const Outcome general = runOnce(c, false);
    const Outcome direct = runOnce(c, true);
    EXPECT_EQ(direct.result, general.result);
    EXPECT_EQ(direct.statuses, general.statuses);
    EXPECT_EQ(direct.answers, general.answers);
    EXPECT_EQ(direct.answerIndex, general.answerIndex);
    EXPECT_EQ(direct.variables, general.variables);
    EXPECT_EQ(direct.stack, general.stack);
    EXPECT_EQ(direct.aborted, general.aborted);
    EXPECT_EQ(direct.polls, general.polls);
    EXPECT_EQ(direct.messages, general.messages);
    // The press at this poll is met by the long run's own poll after 4096
    // tokens, not by a tap check: the next block answers 65.
    if (c.stopRun && c.tapAtPoll == kTokenStopPoll) {
        EXPECT_NE(std::find(direct.statuses.begin(), direct.statuses.end(), kInterrupted),
                  direct.statuses.end());
        EXPECT_TRUE(direct.aborted);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Loops, DirectLoopBlocks,
    ::testing::Values(
        LoopCase{"counting up", {u"s=0", u"FOR(\"k\",1,1,10)", u"s=s+k", u"END"}, {u"s", u"k"}},
        LoopCase{"a negative step",
                 {u"s=0", u"FOR(\"k\",10,-2,1)", u"s=s*2+k", u"END", u"t=k"},
                 {u"s", u"k", u"t"}},
        LoopCase{"a fractional step",
                 {u"s=0", u"FOR(\"k\",0,0.1,1)", u"s=s+k", u"END"},
                 {u"s", u"k"}},
        LoopCase{"a fractional step with the evaluation flag",
                 {u"s=0", u"FOR(\"k\",0,0.1,1)", u"s=s+k", u"END"},
                 {u"s", u"k"},
                 0,
                 0,
                 false,
                 true},
        LoopCase{"an empty range", {u"s=7", u"FOR(\"k\",5,1,1)", u"s=s+k", u"END", u"t=s"},
                 {u"s", u"k", u"t"}},
        LoopCase{"the bound changed in the body",
                 {u"n=10", u"FOR(\"k\",1,1,n)", u"n=n-1", u"END"},
                 {u"n", u"k"}},
        LoopCase{"bounds and step in variables",
                 {u"a=2", u"b=0.5", u"c=4", u"s=0", u"FOR(\"k\",a,b,c)", u"s=s+k", u"END"},
                 {u"s", u"k"}},
        LoopCase{"a complex step variable",
                 {u"z=1+2i", u"s=0", u"FOR(\"k\",1,z,3)", u"s=s+k", u"END"},
                 {u"s", u"k"}},
        LoopCase{"a matrix argument",
                 {u"m=[2,5]", u"s=0", u"FOR(\"k\",m,1,4)", u"s=s+k", u"END"},
                 {u"s", u"k"}},
        LoopCase{"the variable reassigned in the body",
                 {u"s=0", u"FOR(\"k\",1,1,20)", u"k=k*2", u"s=s+1", u"END"},
                 {u"s", u"k"}},
        LoopCase{"a new variable", {u"FOR(\"fresh\",1,1,3)", u"END"}, {u"fresh"}},
        LoopCase{"a name too long", {u"FOR(\"abcdefghijklm\",1,1,3)", u"END", u"u=1"}, {u"u"}},
        LoopCase{"a zero step", {u"FOR(\"k\",1,0,3)", u"u=u+1", u"END", u"v=2"},
                 {u"u", u"v", u"k"}},
        LoopCase{"a text bound", {u"FOR(\"k\",1,1,\"x\")", u"u=1", u"END", u"v=2"},
                 {u"u", u"v", u"k"}},
        LoopCase{"nested loops",
                 {u"s=0", u"FOR(\"i\",1,1,4)", u"FOR(\"j\",i,1,4)", u"s=s*3+i*j", u"END",
                  u"END"},
                 {u"s", u"i", u"j"}},
        LoopCase{"IF and ELSE inside",
                 {u"s=0", u"FOR(\"k\",1,1,9)", u"IF(k-5)", u"s=s+k", u"ELSE", u"s=s-100", u"END",
                  u"END"},
                 {u"s", u"k"}},
        LoopCase{"WHILE inside",
                 {u"s=0", u"FOR(\"k\",1,1,4)", u"n=k", u"WHILE(n)", u"n=n-1", u"s=s+1", u"END",
                  u"END"},
                 {u"s", u"k", u"n"}},
        LoopCase{"RETURN leaving the loop",
                 {u"s=0", u"FOR(\"k\",1,1,100)", u"s=s+k", u"IF(k-7)", u"ELSE", u"RETURN(s)",
                  u"END", u"END", u"t=1"},
                 {u"s", u"k", u"t"}},
        LoopCase{"errors in the body",
                 {u"s=0", u"FOR(\"k\",1,1,5)", u"q=[1,2]+[1;2]", u"s=s+k", u"END"},
                 {u"s", u"k", u"q"}},
        LoopCase{"run from the body", {u"k=3", u"FOR(\"k\",1,1,6)", u"s=k", u"END"},
                 {u"s", u"k"}, 2},
        LoopCase{"run from the END", {u"k=3", u"FOR(\"k\",1,1,6)", u"s=k", u"END"},
                 {u"s", u"k"}, 3},
        LoopCase{"a tap at the first check",
                 {u"s=0", u"FOR(\"k\",1,1,100)", u"s=s+k", u"END"},
                 {u"s", u"k"},
                 0,
                 1},
        LoopCase{"a tap at the fifth check",
                 {u"s=0", u"FOR(\"k\",1,1,100)", u"s=s+k", u"END"},
                 {u"s", u"k"},
                 0,
                 5},
        LoopCase{"a called Workspace with a loop",
                 {u"r=0", u"FOR(\"k\",1,1,3)", u"r=r+Inner(k)", u"END"},
                 {u"r", u"k"},
                 0,
                 0,
                 false,
                 false,
                 {u"LOCAL(\"acc,j\")", u"acc=0", u"FOR(\"j\",1,1,x)", u"acc=acc+j", u"END",
                  u"RETURN(acc)"}},
        LoopCase{"a called Workspace's loop on globals",
                 {u"r=Inner(0)"},
                 {u"r", u"g", u"h"},
                 0,
                 0,
                 false,
                 false,
                 {u"g=0", u"FOR(\"h\",5,-0.5,1)", u"g=g+h", u"END", u"RETURN(g)"}},
        LoopCase{"an error inside a called Workspace's loop",
                 {u"r=Inner(0)", u"t=1"},
                 {u"r", u"t", u"h"},
                 0,
                 0,
                 false,
                 false,
                 {u"FOR(\"h\",1,1,5)", u"q=[1,2]+[1;2]", u"END", u"RETURN(h)"}},
        LoopCase{"several body blocks on complex values",
                 {u"z=1", u"w=0", u"FOR(\"k\",1,1,12)", u"z=z*(1+i)", u"w=-w+z-k*2.5",
                  u"V:s=w*k", u"k*k-1", u"END"},
                 {u"z", u"w", u"s", u"k"}},
        LoopCase{"a quotient by zero mid-loop",
                 {u"s=0", u"FOR(\"k\",1,1,6)", u"q=1/(k-3)", u"s=s+q", u"END"},
                 {u"s", u"q", u"k"}},
        LoopCase{"a complex quotient every pass",
                 {u"z=2", u"FOR(\"k\",1,1,5)", u"z=z/(1+i)", u"END"},
                 {u"z", u"k"}},
        LoopCase{"a matrix read in the body",
                 {u"m=[1,2]", u"s=0", u"FOR(\"k\",1,1,4)", u"s=s+k", u"t=m*k", u"END"},
                 {u"s", u"t", u"k"}},
        LoopCase{"an empty variable read in the body",
                 {u"FOR(\"k\",1,1,4)", u"u=u+k", u"END"},
                 {u"u", u"k"}},
        LoopCase{"a comment inside the loop",
                 {u"s=0", u"FOR(\"k\",1,1,5)", u"* adds k", u"s=s+k", u"END"},
                 {u"s", u"k"}},
        LoopCase{"a sweep of body forms",
                 {u"s=1", u"z=0", u"FOR(\"k\",-2,0.75,3)", u"-(k*i)", u"(1+2i)*(3-k*i)",
                  u"z=z-(-k)*i", u"s=((k+1)*(k+2))*((k+3)*(k+4))-((k+5)/(k+6))", u"-k",
                  u"V:s=s/4", u"s=s/(k+0.5)", u"END"},
                 {u"s", u"z", u"k"}},
        LoopCase{"ANS inside the loop",
                 {u"s=0", u"FOR(\"k\",1,1,3)", u"k*2", u"s=ANS+s", u"END"},
                 {u"s", u"k"}}));

// Loops of many blocks: up to 14 body blocks the loop runs as a whole, with
// more block by block; both must leave what evaluating every block leaves,
// across enough passes for several tap checks.
INSTANTIATE_TEST_SUITE_P(
    LongBodies, DirectLoopBlocks, ::testing::ValuesIn([] {
        std::vector<LoopCase> cases;
        for (int bodies : {13, 14, 15}) {
            LoopCase c{"many body blocks", {u"s=0"}, {u"s", u"k"}};
            c.lines.push_back(u"FOR(\"k\",1,1,9)");
            for (int b = 0; b < bodies; ++b)
                c.lines.push_back(u"s=s*0.5+k*" + std::u16string(1, char16_t(u'1' + b % 9)));
            c.lines.push_back(u"END");
            cases.push_back(c);
            // A press at a tap check inside the loop's passes.
            c.tapAtPoll = 3;
            cases.push_back(c);
        }
        return cases;
    }()));

// A run already past its quiet time polls the pointer at every tap check and
// every 4096 tokens; a press at one of these polls stops the run either way.
INSTANTIATE_TEST_SUITE_P(
    Stops, DirectLoopBlocks, ::testing::ValuesIn([] {
        std::vector<LoopCase> cases;
        for (int poll : {1, 2, 7, 20, 49, 50, 51, 52, 53, 60})
            cases.push_back(LoopCase{"a stop mid-loop",
                                     {u"s=0", u"FOR(\"k\",1,1,3000)", u"s=s+k", u"END", u"t=1"},
                                     {u"s", u"k", u"t"},
                                     0,
                                     poll,
                                     true});
        return cases;
    }()));

// Loops made up at random from a fixed seed: bodies of scalar arithmetic
// over real and complex values, quotients that may meet a zero divisor,
// element-wise blocks, an occasional matrix or text operand that sends the
// blocks back to the runner, and now and then a tap.
std::u16string ascii(const std::string& s) {
    return std::u16string(s.begin(), s.end());
}

class RandomLoop {
public:
    explicit RandomLoop(uint32_t seed) : state_(seed * 2654435761u + 1u) {}

    LoopCase make() {
        // The step is a number or d, which no body block assigns, so that
        // every loop comes to its end.
        LoopCase c{"a loop made up at random", {u"a=1.5", u"b=-2", u"c=0.25i", u"d=0.75", u"s=0"},
                   {u"a", u"b", u"c", u"s", u"k"}};
        if (pick(6) == 0) c.lines.push_back(u"m=[1,2]");
        static const char* const kStarts[] = {"1", "-3", "0.5", "a"};
        static const char* const kSteps[] = {"1", "-0.5", "0.25", "2", "d"};
        static const char* const kEnds[] = {"6", "-4", "3.5", "12"};
        c.lines.push_back(ascii(std::string("FOR(\"k\",") + kStarts[pick(4)] + "," +
                                kSteps[pick(5)] + "," + kEnds[pick(4)] + ")"));
        const int bodies = 1 + pick(4);
        for (int i = 0; i < bodies; ++i) {
            static const char* const kTargets[] = {"a=", "b=", "c=", "s=", "", "V:s="};
            std::string line = kTargets[pick(6)] + expression(3);
            if (line.size() > 90) line = "s=s+k";
            c.lines.push_back(ascii(line));
        }
        c.lines.push_back(u"END");
        c.variables.push_back(u"t");
        if (pick(4) == 0) c.tapAtPoll = 1 + pick(3);
        if (pick(3) == 0) {
            // The same loop in a called Workspace, its lists running on the
            // calling block's values.
            c.called = c.lines;
            c.called.push_back(u"RETURN(s)");
            c.lines = {u"r=1+Inner(0)", u"t=r"};
            c.variables.push_back(u"r");
        } else {
            c.lines.push_back(u"t=s");
        }
        return c;
    }

private:
    int pick(int n) {
        state_ = state_ * 1664525u + 1013904223u;
        return int((state_ >> 8) % uint32_t(n));
    }
    std::string expression(int depth) {
        if (depth == 0 || pick(3) == 0) {
            static const char* const kLeaves[] = {"a", "b", "c",     "s",  "k", "d",
                                                  "2", "0", "(k-2)", "0.5", "i"};
            // A matrix or a text comes up rarely.
            static const char* const kRare[] = {"m", "\"x\""};
            if (pick(25) == 0) return kRare[pick(2)];
            return kLeaves[pick(11)];
        }
        static const char* const kOperators[] = {"+", "-", "*", "/"};
        std::string e = "(" + expression(depth - 1) + kOperators[pick(4)] + expression(depth - 1) + ")";
        return pick(5) == 0 ? "-" + e : e;
    }

    uint32_t state_;
};

INSTANTIATE_TEST_SUITE_P(Random, DirectLoopBlocks, ::testing::ValuesIn([] {
                             std::vector<LoopCase> cases;
                             for (uint32_t seed = 1; seed <= 60; ++seed)
                                 cases.push_back(RandomLoop(seed).make());
                             return cases;
                         }()));

TEST_F(WorkspaceTest, ALongLoopRunsDirectlyToItsSum) {
    BlockList blocks;
    blocks.clear();
    for (std::u16string_view l : {u"s=0", u"FOR(\"k\",1,1,1000)", u"s=s+k", u"END"})
        blocks.append(l);
    blocks.dropFirst();
    ASSERT_EQ(runFromBlock(blocks, 0), 0);
    EXPECT_EQ(global(u"s"), 500500.0);
    EXPECT_EQ(global(u"k"), 1001.0);
    EXPECT_EQ(blocks.block(1).answer()->re[0], 1001.0);
    EXPECT_EQ(blocks.block(3).answer()->re[0], 1.0);
    EXPECT_EQ(answerIndex(), 1);
}

}  // namespace engine::workspace_testing
