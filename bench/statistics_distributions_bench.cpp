// The Statistics module's distribution functions, one scalar call at a time:
// straight into the module's doOperation (the library's own cost), and as a
// compiled expression through the engine (what a block pays).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <initializer_list>
#include <string>

#include "engine/evaluator.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/parser.h"
#include "engine/value_stack.h"

namespace {

constexpr OperatorCode kInvnorm = 0x0C35;
constexpr OperatorCode kTdist = 0x1225;
constexpr OperatorCode kInvtdist = 0x1325;
constexpr OperatorCode kFdist = 0x1335;

const KeypadLibrary* statistics() {
    static const KeypadLibrary* library = [] {
        const int number = engine::loadKeypadLibraryFile(STATISTICS_MODULE_PATH);
        return number == 0 ? nullptr : engine::libraryAt(number);
    }();
    return library;
}

// Puts the arguments on the value stack above a block's start and calls
// doOperation, as the evaluator does for one token.
void direct(benchmark::State& state, OperatorCode op, std::initializer_list<double> args) {
    const KeypadLibrary* library = statistics();
    if (library == nullptr) {
        state.SkipWithError("cannot load the Statistics module");
        return;
    }
    Matrix* stack = engine::valueStack();
    int16_t* top = engine::stackTopAddress();
    for (auto _ : state) {
        *top = engine::kBlockStartTop;
        for (double a : args) copyValMatrix(&stack[++*top], a, 0.0);
        const int32_t r = library->doOperation(op, 0, 0, stack, top, engine::hostServices());
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(stack[*top].re[0]);
    }
    *top = engine::kBlockStartTop;
}

// Runs a compiled line through the engine per iteration.
void expression(benchmark::State& state, const char16_t* line) {
    if (statistics() == nullptr) {
        state.SkipWithError("cannot load the Statistics module");
        return;
    }
    Token* list = nullptr;
    if (compileExpression(line, &list) != 0) {
        state.SkipWithError("does not compile");
        return;
    }
    Matrix* result = newMatrix(1, 1);
    engine::setStackTop(engine::kBlockStartTop);
    for (auto _ : state) {
        const uint16_t r = runCode(list, result, 0);
        benchmark::DoNotOptimize(r);
        benchmark::DoNotOptimize(result->re[0]);
    }
    delMatrix(result);
    freeCode(list);
}

void BM_InvnormDirect(benchmark::State& s) {
    direct(s, kInvnorm, {0.975, 0.0, 1.0});
}
void BM_TdistDirect(benchmark::State& s) {
    direct(s, kTdist, {1.7, 9.0});
}
void BM_InvtdistDirect(benchmark::State& s) {
    direct(s, kInvtdist, {0.95, 9.0});
}
void BM_FdistDirect(benchmark::State& s) {
    direct(s, kFdist, {2.3, 4.0, 12.0});
}

void BM_InvnormExpression(benchmark::State& s) {
    expression(s, u"invnorm(0.975,0,1)");
}
void BM_TdistExpression(benchmark::State& s) {
    expression(s, u"tdist(1.7,9)");
}
void BM_InvtdistExpression(benchmark::State& s) {
    expression(s, u"invtdist(0.95,9)");
}
void BM_FdistExpression(benchmark::State& s) {
    expression(s, u"fdist(2.3,4,12)");
}

BENCHMARK(BM_InvnormDirect);
BENCHMARK(BM_TdistDirect);
BENCHMARK(BM_InvtdistDirect);
BENCHMARK(BM_FdistDirect);
BENCHMARK(BM_InvnormExpression);
BENCHMARK(BM_TdistExpression);
BENCHMARK(BM_InvtdistExpression);
BENCHMARK(BM_FdistExpression);

}  // namespace
