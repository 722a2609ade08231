// The Advanced library through the engine, as a block would call it:
// eigenvalues of a random real 200 x 200 matrix, with and without vectors,
// and one integ and one solve call of a Scientific formula.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <random>

#include "engine/evaluator.h"
#include "engine/library_loader.h"
#include "engine/parser.h"
#include "engine/variables.h"

namespace {

void loadLibraries() {
    static const bool loaded = [] {
        engine::unloadKeypadLibraries();
        if (engine::loadKeypadLibraryFile(ADVANCED_MODULE_PATH) == 0) std::abort();
        if (engine::loadKeypadLibraryFile(SCIENTIFIC_MODULE_PATH) == 0) std::abort();
        return true;
    }();
    (void)loaded;
}

Token* compile(const char16_t* text) {
    Token* list = nullptr;
    if (compileExpression(text, &list) != 0 || list == nullptr) std::abort();
    return list;
}

void setRandomMatrix(const char16_t* name, int n) {
    uint16_t handle = ::findVariable(name);
    if (handle == KEYPAD_NO_VARIABLE) handle = ::createVariable(name);
    Matrix* m = ::variableAt(handle);
    resizeMatrix(m, uint16_t(n), uint16_t(n));
    std::mt19937_64 random(20261207);
    std::normal_distribution<double> normal;
    for (int i = 0; i < n * n; ++i) {
        m->re[i] = normal(random);
        m->im[i] = 0.0;
    }
}

void runMany(benchmark::State& state, const char16_t* text) {
    loadLibraries();
    setRandomMatrix(u"a", 200);
    Token* list = compile(text);
    Matrix* result = newMatrix(1, 1);
    for (auto _ : state) {
        if (runCode(list, result, 0) != 0) std::abort();
        benchmark::DoNotOptimize(result->re[0]);
    }
    delMatrix(result);
    freeCode(list);
}

void BM_EigenvaluesOf200(benchmark::State& state) {
    runMany(state, u"eig(a)");
}
void BM_EigenvectorsOf200(benchmark::State& state) {
    runMany(state, u"eig(a,\"v\")");
}
void BM_IntegScientificFormula(benchmark::State& state) {
    runMany(state, u"integ(\"sin(x)^2+x\",0,3)");
}
void BM_SolveScientificFormula(benchmark::State& state) {
    runMany(state, u"solve(\"cos(x)-x\",0,2)");
}

BENCHMARK(BM_EigenvaluesOf200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EigenvectorsOf200)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_IntegScientificFormula)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveScientificFormula)->Unit(benchmark::kMicrosecond);

}  // namespace
