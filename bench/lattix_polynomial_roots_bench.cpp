// Polynomial roots at degree 18: a polynomial with random coefficients, and
// one with the integer roots 1 to 18, whose clustered, sensitive zeros make
// the iterations work harder.
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "lattix.h"

namespace {

constexpr int kDegree = 18;

Matrix* randomCoefficients(unsigned seed) {
    std::mt19937_64 rng(seed);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    Matrix* m = newMatrix(kDegree + 1, 1);
    for (int i = 0; i <= kDegree; ++i) m->re[i] = dist(rng);
    return m;
}

Matrix* integerRootCoefficients() {
    std::vector<double> c{1.0};
    for (int r = 1; r <= kDegree; ++r) {
        c.push_back(0.0);
        for (size_t i = c.size() - 1; i >= 1; --i) c[i] -= r * c[i - 1];
    }
    Matrix* m = newMatrix(kDegree + 1, 1);
    for (int i = 0; i <= kDegree; ++i) m->re[i] = c[i];
    return m;
}

void runRoots(benchmark::State& state, Matrix* coefficients) {
    Matrix* roots = newMatrix(kDegree, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(polyMatrix(coefficients, roots));
        benchmark::DoNotOptimize(roots->re[0]);
    }
    delMatrix(roots);
    delMatrix(coefficients);
}

void BM_PolyMatrixRandomDegree18(benchmark::State& state) {
    runRoots(state, randomCoefficients(18));
}

void BM_PolyMatrixIntegerRootsDegree18(benchmark::State& state) {
    runRoots(state, integerRootCoefficients());
}

}  // namespace

BENCHMARK(BM_PolyMatrixRandomDegree18);
BENCHMARK(BM_PolyMatrixIntegerRootsDegree18);
