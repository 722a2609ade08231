// The complex matrix product: the blocked kernel beside the plain loops.
#include <benchmark/benchmark.h>

#include <random>

#include "lattix.h"
#include "literal_product.h"

namespace {

Matrix* randomComplex(int n, unsigned seed) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    Matrix* m = newMatrix(n, n);
    for (int k = 0; k < n * n; ++k) {
        m->re[k] = dist(rng);
        m->im[k] = dist(rng);
    }
    return m;
}

void BM_MultMatrix(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Matrix* a = randomComplex(n, 1);
    Matrix* b = randomComplex(n, 2);
    Matrix* work = newMatrix(n, n);
    for (auto _ : state) {
        state.PauseTiming();
        copyMatMatrix(work, a);
        state.ResumeTiming();
        benchmark::DoNotOptimize(multMatrix(work, b, 0));
    }
    delMatrix(work);
    delMatrix(a);
    delMatrix(b);
}

void BM_MultLiteral(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    Matrix* a = randomComplex(n, 1);
    Matrix* b = randomComplex(n, 2);
    for (auto _ : state) {
        Matrix* c = lattix::reference::literalProduct(a, b);
        benchmark::DoNotOptimize(c->re);
        delMatrix(c);
    }
    delMatrix(a);
    delMatrix(b);
}

}  // namespace

BENCHMARK(BM_MultMatrix)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MultLiteral)->Arg(100)->Arg(400)->Arg(800)->Unit(benchmark::kMillisecond);
