// Compile once, run many: the cost of one evaluation of a short expression,
// and whether evaluating allocates once the stack slots have grown.
#include <benchmark/benchmark.h>

#include <atomic>
#include <cmath>
#include <cstdlib>
#include <new>

#include "engine/evaluator.h"
#include "engine/library_table.h"
#include "engine/parser.h"
#include "engine/variables.h"
#include "platform/heap.h"

namespace {

// Every allocation of the process, through new or the platform heap.
std::atomic<long> allocations{0};

int countPlatformAllocation(size_t, void*) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    return 0;
}

// A keypad library of two one-argument functions.
constexpr OperatorCode kSine = 0x0115;
constexpr OperatorCode kCosine = 0x0215;

OperatorCode fakeNames(const char16_t* name) {
    const std::u16string_view n(name);
    if (n == u"sin") return kSine;
    if (n == u"cos") return kCosine;
    return 0;
}
OperatorCode fakeCharacters(char16_t) { return 0; }
int32_t fakeOperation(OperatorCode op, int32_t, int32_t, Matrix* stack, int16_t* top,
                      const HostServices*) {
    Matrix* x = &stack[*top];
    const double v = x->re[0];
    copyValMatrix(x, op == kSine ? std::sin(v) : std::cos(v), 0.0);
    return 0;
}

void installFakeLibrary() {
    engine::resetLibraries();
    KeypadLibrary library{};
    library.GetStrOperator = fakeNames;
    library.GetOperator = fakeCharacters;
    library.doOperation = fakeOperation;
    engine::addLibrary(library, u"Fake");
}

Token* compile(const char16_t* text) {
    Token* list = nullptr;
    if (compileExpression(text, &list) != 0 || list == nullptr) std::abort();
    return list;
}

void evaluateMany(benchmark::State& state, const char16_t* text) {
    engine::resetVariables();
    installFakeLibrary();
    Token* list = compile(text);
    Matrix* x = variableAt(findVariable(u"x"));
    Matrix* result = newMatrix(1, 1);
    double value = 0.25;
    copyValMatrix(x, value, 0.0);
    runCode(list, result, 0);  // the slots grow once
    platformHeapSetFailureHook(countPlatformAllocation, nullptr);
    const long before = allocations.load();
    for (auto _ : state) {
        value += 1e-3;
        copyValMatrix(x, value, 0.0);
        benchmark::DoNotOptimize(runCode(list, result, 0));
    }
    const long after = allocations.load();
    platformHeapSetFailureHook(nullptr, nullptr);
    state.counters["allocations_per_evaluation"] =
        benchmark::Counter(double(after - before) / double(state.iterations()));
    freeCode(list);
    delMatrix(result);
    engine::resetLibraries();
}

void BM_ScalarExpression(benchmark::State& state) { evaluateMany(state, u"x*3.5-2+x*x"); }

void BM_LibraryExpression(benchmark::State& state) {
    evaluateMany(state, u"sin(x)*sin(x)+cos(x)*cos(x)+x*3.5-2");
}

// A running sum over a million values of k, one evaluation of 's=s+k*k' each.
void BM_SumLoop(benchmark::State& state) {
    engine::resetVariables();
    createVariable(u"s");
    createVariable(u"k");
    Token* list = compile(u"s=s+k*k");
    const uint16_t k = findVariable(u"k");
    Matrix* s = variableAt(findVariable(u"s"));
    Matrix* kValue = variableAt(k);
    Matrix* result = newMatrix(1, 1);
    const int64_t count = state.range(0);
    for (auto _ : state) {
        copyValMatrix(s, 0.0, 0.0);
        for (int64_t i = 1; i <= count; ++i) {
            copyValMatrix(kValue, double(i), 0.0);
            runCode(list, result, 0);
        }
        benchmark::DoNotOptimize(s->re[0]);
    }
    state.SetItemsProcessed(state.iterations() * count);
    freeCode(list);
    delMatrix(result);
}

}  // namespace

void* operator new(size_t size) {
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }

BENCHMARK(BM_ScalarExpression);
BENCHMARK(BM_LibraryExpression);
BENCHMARK(BM_SumLoop)->Arg(1000000)->Unit(benchmark::kMillisecond);
