// Running blocks as a script: "Run from here" over the Workspace's blocks
// and the calls of cached Workspaces, with control flow, the tap check, the
// abort flag and the wait cursor.
#include <string>

#include "engine/answer_index.h"
#include "engine/answer_source.h"
#include "engine/call_failure.h"
#include "engine/code_list.h"
#include "engine/long_run.h"
#include "engine/parser.h"
#include "engine/scripts.h"
#include "engine/value_stack.h"
#include "direct_loop.h"
#include "direct_loop_blocks.h"
#include "engine_state_data.h"
#include "script_record.h"
#include "script_run_state.h"
#include "tap_check.h"
#include "wait_cursor.h"

namespace engine {
namespace {

constinit ScriptRunState& scratch = theEngineState.scratchRun;
constinit ScriptRunState*& innermost = theEngineState.innermostRun;
constinit bool& aborted = theEngineState.aborted;
constinit bool& graphShowing = theEngineState.graphShowing;

// Makes a run state the innermost for its lifetime.
class RunStateScope {
public:
    explicit RunStateScope(ScriptRunState& s) : outer_(innermost) { innermost = &s; }
    ~RunStateScope() { innermost = outer_; }
    RunStateScope(const RunStateScope&) = delete;
    RunStateScope& operator=(const RunStateScope&) = delete;

private:
    ScriptRunState* outer_;
};

// Runs the plain loop whose FOR is block `a` when it is one (direct_loop):
// gives the last block run, or -1 when block `a` is left to run on its own.
template <class BlockAt>
int runPlainLoopAt(int a, int count, BlockAt blockAt, bool keepsStatus, ScriptRunState& run,
                   TapCheck& taps, DeclinedLoops& declined) {
    const int exit = plainForExit(blockAt(a).parsed());
    if (exit < 0 || declined.has(a) || !loopsMayRunDirectly(run)) return -1;
    LoopBlocks loop;
    loop.first = a;
    loop.count = exit - a;
    loop.keepsStatus = keepsStatus;
    if (exit > count || loop.count < 2 || loop.count > kMaxDirectLoopBlocks) {
        declined.add(a);
        return -1;
    }
    for (int i = 0; i < loop.count; ++i) loop.blocks[size_t(i)] = &blockAt(a + i);
    int last = -1;
    switch (runLoopDirectly(loop, run, taps, last)) {
        case DirectLoop::NotPlain: declined.add(a); return -1;
        case DirectLoop::NotNow: return -1;
        case DirectLoop::Ran: return last;
    }
    return -1;
}

std::vector<Token*> recordLists(const ScriptRecord& record) {
    std::vector<Token*> lists;
    for (const auto& b : record.blocks) lists.push_back(b->parsed());
    return lists;
}

// The blocks of a called Workspace, from block 0. Normal mode: a block that
// failed to compile (codes 1 to 7) gives its code, any other is evaluated
// into its answer; a failure ends the call and stops every script. Graph
// mode: each block is graph evaluated and the results combined.
Status runRecord(ScriptRecord& record, ScriptRunState& run) {
    Status last = kOk;
    Status combined = kOk;
    TapCheck taps(record.name);
    DeclinedLoops declined;
    const auto blockAt = [&record](int i) -> EquationBlock& { return *record.blocks[size_t(i)]; };
    int a = 0;
    const int count = record.blockCount();
    while (a >= 0 && a < count && !aborted) {
        if (taps.stops(a + 1)) break;
        run.next = a + 1;
        EquationBlock& block = blockAt(a);
        // A block that failed on an unknown name may compile now that an
        // earlier block has created the variable; its control keywords then
        // need their partners.
        if (block.compileAgain()) {
            if (const Status s = linkControlFlow(recordLists(record)); s != kOk) {
                record.linkStatus = s;
                aborted = true;
                return s;
            }
        }
        const int32_t angle = block.degrees() ? 1 : 0;
        if (run.graph != nullptr) {
            const Status r = block.status() >= 1 && block.status() <= 7
                                 ? kOk
                                 : runCodeForGraph(run.graph->samples, run.graph->curves,
                                                   run.graph->traceCount, block.parsed(), 1, angle);
            if (combined == kOk) combined = r;
            setAnswerIndex(a);
            if (run.graph->traceCount != nullptr && *run.graph->traceCount > 19) break;
        } else if (const int loopLast =
                       runPlainLoopAt(a, count, blockAt, false, run, taps, declined);
                   loopLast >= 0) {
            // Every block the loop ran ended with kOk.
            a = loopLast;
            last = kOk;
        } else {
            const Status stored = block.status();
            if (stored >= 1 && stored <= 7)
                last = stored;
            else if (!runLoopBlockDirectly(block.parsed(), block.answer(), run, last))
                last = runCode(block.parsed(), block.answer(), angle);
            setAnswerIndex(a);
            if (last != kOk) {
                noteCallFailure(record.name, a + 1, block.text(), last);
                aborted = true;
                break;
            }
        }
        if (run.next == -1 || aborted) break;
        run.reentry = a >= run.next;
        a = run.next;
    }
    return run.graph != nullptr ? combined : last;
}

// A loop whose test failed (a FOR with a bad argument, a WHILE whose
// condition gave an error) cannot decide whether to go on: it is left, so
// that its END does not jump back to the same failure forever.
void leaveFailedLoop(const Token* list, ScriptRunState& run) {
    for (const Token* t = list; t != nullptr && t->code != 0; ++t) {
        if (t->code == code(Code::For) || t->code == code(Code::While)) {
            run.next = t->value >= 0.0 && t->value <= 1e6 ? int(t->value) : -1;
            return;
        }
    }
}

// What a call changes around itself and gives back however it ends.
class CallScope {
public:
    CallScope(ScriptRecord& record)
        : record_(record),
          scope_(activeScope()),
          values_(std::move(record.scope.values)),
          source_(answerSource()),
          answerIndex_(answerIndex()),
          evaluation_(evaluationFlag()) {
        record.scope.values.clear();
        ++record.busy;
    }
    ~CallScope() {
        endCall(record_.scope);
        record_.scope.values = std::move(values_);
        --record_.busy;
        setActiveScope(scope_);
        setAnswerSource(source_);
        setAnswerIndex(answerIndex_);
        setEvaluationFlag(evaluation_);
    }
    CallScope(const CallScope&) = delete;
    CallScope& operator=(const CallScope&) = delete;

private:
    ScriptRecord& record_;
    LocalScope* scope_;
    std::vector<Matrix*> values_;
    AnswerSource* source_;
    int answerIndex_;
    bool evaluation_;
};

}  // namespace

ScriptRunState& currentRun() {
    return innermost != nullptr ? *innermost : scratch;
}

bool graphViewShowing() {
    return graphShowing;
}

void setGraphViewShowing(bool showing) {
    graphShowing = showing;
}

bool scriptAborted() {
    return aborted;
}

void clearScriptAbort() {
    aborted = false;
}

void abortScript() {
    aborted = true;
}

Status callWorkspaceIn(std::u16string_view name, const Matrix* args, int count, Matrix* result,
                       const GraphTarget* graph) {
    if (count < 0 || count > 6) return kWrongParameterCount;
    if (count > 0 && args == nullptr) return kNotEnoughParameters;
    const std::shared_ptr<ScriptRecord> record = cachedScript(name);
    if (record == nullptr) return kCantLoadScript;
    if (record->linkStatus != kOk) {
        aborted = true;
        return record->linkStatus;
    }

    const CallScope saved(*record);
    setEvaluationFlag(false);
    if (!beginCall(record->scope)) return kCantLoadScript;
    setActiveScope(&record->scope);
    for (int i = 0; i < count; ++i) {
        const uint8_t mapped = record->scope.parameterMap[size_t(i)];
        const size_t slot = mapped == kNoParameter ? size_t(i) : mapped;
        if (slot < record->scope.values.size()) copyMatMatrix(record->scope.values[slot], &args[i]);
    }
    setAnswerSource(record.get());
    setAnswerIndex(-1);

    ScriptRunState run;
    run.returnRecord = result;
    run.parameterCount = count;
    run.graph = graph;
    const RunStateScope runScope(run);
    const WaitCursor cursor;
    return runRecord(*record, run);
}

Status callWorkspace(std::u16string_view name, const Matrix* args, int count, Matrix* result) {
    installScriptSupport();
    // One long run for the whole call, as when a block calls the Workspace.
    const LongRunWatch watch(true);
    return callWorkspaceIn(name, args, count, result, nullptr);
}

Status runFromBlock(BlockList& blocks, int index) {
    installScriptSupport();
    std::vector<Token*> lists;
    for (int i = 0; i < blocks.count(); ++i) lists.push_back(blocks.block(i).parsed());
    if (const Status s = linkControlFlow(lists); s != kOk) return s;

    ScriptRunState run;
    const RunStateScope runScope(run);
    const WaitCursor cursor;
    // The whole run is one long run: its blocks' evaluations count their
    // tokens towards it and the clock is read once, not once per block.
    const LongRunWatch watch(true);
    const AnswerSourceScope answers(blocks);
    setAnswerIndex(index - 1);
    TapCheck taps({});
    DeclinedLoops declined;
    const auto blockAt = [&blocks](int i) -> EquationBlock& { return blocks.block(i); };
    int a = index;
    while (a >= 0 && a < blocks.count() && !aborted) {
        if (taps.stops(a + 1)) break;
        run.next = a + 1;
        setStackTop(kBlockStartTop);
        EquationBlock& block = blocks.block(a);
        if (block.compileAgain()) {
            lists[size_t(a)] = block.parsed();
            if (linkControlFlow(lists) != kOk) break;
        }
        if (const int loopLast =
                runPlainLoopAt(a, blocks.count(), blockAt, true, run, taps, declined);
            loopLast >= 0) {
            a = loopLast;
        } else {
            if (Status direct = kOk;
                !block.compileFailed() && block.status() != kCommentLine &&
                runLoopBlockDirectly(block.parsed(), block.answer(), run, direct))
                block.setStatus(direct);
            else
                block.evaluate();
            setAnswerIndex(a);
            if (block.status() != kOk && block.status() != kCommentLine)
                leaveFailedLoop(block.parsed(), run);
        }
        if (run.next == -1 || aborted) break;
        run.reentry = a >= run.next;
        a = run.next;
    }
    return kOk;
}

}  // namespace engine
