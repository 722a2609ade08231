// A Workspace script looping 100000 times: FOR ... END around one
// assignment, run in place ("Run from here"), also with every block
// evaluated, and as a called Workspace; and short loops nested in a long one.
// Items processed are loop iterations, so the rate is the time per
// iteration.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/block_list.h"
#include "engine/script_cache.h"
#include "engine/script_folder.h"
#include "engine/scripts.h"
#include "engine/variables.h"
#include "engine/workspace_file.h"

namespace {

constexpr int kIterations = 100000;

// The time of one loop iteration (FOR, the assignment and END).
benchmark::Counter perLoopIteration() {
    return benchmark::Counter(kIterations, benchmark::Counter::kIsIterationInvariantRate |
                                               benchmark::Counter::kInvert);
}

void fillLoop(engine::BlockList& blocks) {
    blocks.clear();
    blocks.append(u"s=0");
    blocks.append(u"FOR(\"k\",1,1,100000)");
    blocks.append(u"s=s+k");
    blocks.append(u"END");
    blocks.dropFirst();
}

void RunFromHereLoop(benchmark::State& state) {
    engine::resetVariables();
    engine::installScriptSupport();
    engine::BlockList blocks;
    fillLoop(blocks);
    for (auto _ : state) {
        engine::clearScriptAbort();
        engine::runFromBlock(blocks, 0);
    }
    state.SetItemsProcessed(state.iterations() * kIterations);
    state.counters["seconds_per_loop_iteration"] = perLoopIteration();
}
BENCHMARK(RunFromHereLoop)->Unit(benchmark::kMillisecond);

// The same with every block evaluated (FOR and END included), for comparison.
void RunFromHereLoopEvaluated(benchmark::State& state) {
    engine::setDirectLoopBlocks(false);
    RunFromHereLoop(state);
    engine::setDirectLoopBlocks(true);
}
BENCHMARK(RunFromHereLoopEvaluated)->Unit(benchmark::kMillisecond);

// Short inner loops: FOR j from 1 to 4 inside FOR i from 1 to 25000, so
// that entering a loop weighs as much as running it. Items are inner passes.
void NestedShortLoops(benchmark::State& state) {
    engine::resetVariables();
    engine::installScriptSupport();
    engine::BlockList blocks;
    blocks.clear();
    for (std::u16string_view line : {u"s=0", u"FOR(\"i\",1,1,25000)", u"FOR(\"j\",1,1,4)",
                                      u"s=s+i*j", u"END", u"END"})
        blocks.append(line);
    blocks.dropFirst();
    for (auto _ : state) {
        engine::clearScriptAbort();
        engine::runFromBlock(blocks, 0);
    }
    state.SetItemsProcessed(state.iterations() * kIterations);
    state.counters["seconds_per_inner_iteration"] = perLoopIteration();
}
BENCHMARK(NestedShortLoops)->Unit(benchmark::kMillisecond);

void CalledWorkspaceLoop(benchmark::State& state) {
    engine::resetVariables();
    engine::installScriptSupport();
    std::string folder = (std::filesystem::temp_directory_path() / "orvana-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) std::abort();
    engine::setScriptFolder(std::u16string(folder.begin(), folder.end()));
    {
        engine::BlockList blocks;
        blocks.clear();
        blocks.append(u"LOCAL(\"s,k\")");
        blocks.append(u"s=0");
        blocks.append(u"FOR(\"k\",1,1,100000)");
        blocks.append(u"s=s+k");
        blocks.append(u"END");
        blocks.append(u"RETURN(s)");
        blocks.dropFirst();
        engine::saveWorkspace(engine::workspacePath(u"Loop").c_str(), false, &blocks);
    }
    Matrix* result = newMatrix(1, 1);
    for (auto _ : state) {
        engine::clearScriptAbort();
        if (engine::callWorkspace(u"Loop", nullptr, 0, result) != 0 ||
            result->re[0] != 5000050000.0)
            state.SkipWithError("wrong result");
    }
    state.SetItemsProcessed(state.iterations() * kIterations);
    state.counters["seconds_per_loop_iteration"] = perLoopIteration();
    delMatrix(result);
    engine::clearScriptCache();
    std::filesystem::remove_all(folder);
}
BENCHMARK(CalledWorkspaceLoop)->Unit(benchmark::kMillisecond);

}  // namespace
