// One full resample of the graph: 20 graphed blocks, each evaluated at the
// 240 columns (4800 evaluations).
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "engine/block_list.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/variables.h"
#include "engine/workspace_settings.h"
#include "shell/graph_model.h"

namespace {

// Stands in for the Scientific keypad when its module is not built: sin,
// cos and "^" with the same codes and stack effects.
constexpr OperatorCode kSine = 0x0415;
constexpr OperatorCode kCosine = 0x0515;
constexpr OperatorCode kPower = 0x0103;

OperatorCode fakeNames(const char16_t* name) {
    const std::u16string_view n(name);
    if (n == u"sin") return kSine;
    if (n == u"cos") return kCosine;
    return 0;
}
OperatorCode fakeCharacters(char16_t c) {
    return c == u'^' ? kPower : 0;
}
int32_t fakeOperation(OperatorCode op, int32_t, int32_t, Matrix* stack, int16_t* top,
                      const HostServices*) {
    Matrix* x = &stack[*top];
    if (op == kPower) {
        Matrix* base = &stack[*top - 1];
        copyValMatrix(base, std::pow(base->re[0], x->re[0]), 0.0);
        --*top;
        return 0;
    }
    copyValMatrix(x, op == kSine ? std::sin(x->re[0]) : std::cos(x->re[0]), 0.0);
    return 0;
}
int32_t noGraph(double*, KeypadCurve*, int16_t*, OperatorCode, int32_t, int32_t, Matrix*, int16_t*,
                const HostServices*) {
    return 0;
}

bool loadScientific() {
    engine::resetLibraries();
#ifdef ORVANA_SCIENTIFIC_MODULE
    if (engine::loadKeypadLibraryFile(ORVANA_SCIENTIFIC_MODULE) != 0) return true;
#endif
    KeypadLibrary library{};
    library.GetStrOperator = fakeNames;
    library.GetOperator = fakeCharacters;
    library.doOperation = fakeOperation;
    library.doGraph = noGraph;
    engine::addLibrary(library, u"Scientific");
    return false;
}

void BM_ResampleTwentyBlocks(benchmark::State& state) {
    engine::resetVariables();
    engine::resetWorkspaceSettings();
    const bool real = loadScientific();
    {
        engine::BlockList blocks;
        for (int k = 0; k < 20; ++k) {
            blocks.execute(blocks.count() - 1, u"sin(x)^2+cos(x)^2+x*3.5-2");
            blocks.appendEmpty();
            engine::EquationBlock& b = blocks.block(blocks.count() - 2);
            if (b.status() != 0) {
                state.SkipWithError("the expression does not evaluate");
                return;
            }
            b.setFlags(1);
        }
        shell::GraphModel model(blocks, engine::workspaceSettings());
        model.sample();
        for (auto _ : state) {
            model.sample();
            benchmark::DoNotOptimize(model.curves()[0].y[0]);
        }
        if (model.curveCount() != 20) state.SkipWithError("not 20 curves");
        state.SetItemsProcessed(state.iterations() * 20 * 240);
        state.SetLabel(real ? "Scientific module" : "stand-in library");
    }
    engine::unloadKeypadLibraries();
    engine::resetLibraries();
}

}  // namespace

BENCHMARK(BM_ResampleTwentyBlocks)->Unit(benchmark::kMicrosecond);
