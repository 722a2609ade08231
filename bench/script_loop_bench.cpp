// A Workspace script looping 100000 times: FOR ... END around one
// assignment, run in place ("Run from here"), also with every block
// evaluated, and as a called Workspace; and short loops nested in a long one.
// Items processed are loop iterations, so the rate is the time per
// iteration.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <string_view>

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

// The blocks of `lines`, in order.
void fill(engine::BlockList& blocks, std::initializer_list<std::u16string_view> lines) {
    blocks.clear();
    for (std::u16string_view line : lines) blocks.append(line);
    blocks.dropFirst();
}

// Times Run from here over `lines`, which make kIterations passes; the
// counter `perPass` is the time of one.
void timeRunFromHere(benchmark::State& state, std::initializer_list<std::u16string_view> lines,
                     const char* perPass) {
    engine::resetVariables();
    engine::installScriptSupport();
    engine::BlockList blocks;
    fill(blocks, lines);
    for (auto _ : state) {
        engine::clearScriptAbort();
        engine::runFromBlock(blocks, 0);
    }
    state.SetItemsProcessed(state.iterations() * kIterations);
    state.counters[perPass] = perLoopIteration();
}

void RunFromHereLoop(benchmark::State& state) {
    timeRunFromHere(state, {u"s=0", u"FOR(\"k\",1,1,100000)", u"s=s+k", u"END"},
                    "seconds_per_loop_iteration");
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
    timeRunFromHere(state,
                    {u"s=0", u"FOR(\"i\",1,1,25000)", u"FOR(\"j\",1,1,4)", u"s=s+i*j", u"END",
                     u"END"},
                    "seconds_per_inner_iteration");
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
        fill(blocks, {u"LOCAL(\"s,k\")", u"s=0", u"FOR(\"k\",1,1,100000)", u"s=s+k", u"END",
                      u"RETURN(s)"});
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
