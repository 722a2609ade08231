// Inverse, determinant and reduced echelon form of random complex matrices:
// the library's kernels beside the element-at-a-time literal loops.
#include <benchmark/benchmark.h>

#include <random>

#include "lattix.h"
#include "literal_linear_algebra.h"

namespace {

Matrix* randomComplex(int rows, int cols, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    Matrix* m = newMatrix(rows, cols);
    for (int k = 0; k < rows * cols; ++k) {
        m->re[k] = dist(rng);
        m->im[k] = dist(rng);
    }
    return m;
}

// Times op on a fresh copy of a random rows x cols value in every iteration.
template <typename Op>
void inPlace(benchmark::State& state, int rows, int cols, Op op) {
    Matrix* source = randomComplex(rows, cols, 11);
    Matrix* work = newMatrix(rows, cols);
    for (auto _ : state) {
        state.PauseTiming();
        copyMatMatrix(work, source);
        state.ResumeTiming();
        benchmark::DoNotOptimize(op(work));
        benchmark::ClobberMemory();
    }
    delMatrix(work);
    delMatrix(source);
}

template <typename Op>
void determinant(benchmark::State& state, Op op) {
    const int n = static_cast<int>(state.range(0));
    Matrix* a = randomComplex(n, n, 12);
    double re = 0.0, im = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(op(a, &re, &im));
        benchmark::DoNotOptimize(re);
    }
    delMatrix(a);
}

void BM_InvMatrix(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    inPlace(state, n, n, invMatrix);
}
void BM_InvLiteral(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    inPlace(state, n, n, lattix::reference::literalInvMatrix);
}
void BM_DetMatrix(benchmark::State& state) {
    determinant(state, detMatrix);
}
void BM_DetLiteral(benchmark::State& state) {
    determinant(state, lattix::reference::literalDetMatrix);
}
// A system with one right-hand side: n x (n + 1).
void BM_RrefMatrix(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    inPlace(state, n, n + 1, rrefMatrix);
}
void BM_RrefLiteral(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    inPlace(state, n, n + 1, lattix::reference::literalRrefMatrix);
}

}  // namespace

BENCHMARK(BM_InvMatrix)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InvLiteral)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetMatrix)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DetLiteral)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RrefMatrix)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RrefLiteral)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);
