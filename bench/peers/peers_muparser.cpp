// The graph resample and the short expression of bench_graph and
// bench_engine, timed with muparser: 20 expressions x 240 columns, and one
// parsed expression evaluated per x.
#include <muParser.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

namespace {

template <class F>
double bestSeconds(F fn, int repeats = 7) {
    double least = 1e30;
    for (int r = 0; r < repeats; ++r) {
        const auto start = std::chrono::steady_clock::now();
        fn();
        const std::chrono::duration<double> d = std::chrono::steady_clock::now() - start;
        least = std::min(least, d.count());
    }
    return least;
}

}  // namespace

int main() {
    double x = 0.0;
    std::vector<mu::Parser> blocks(20);
    for (mu::Parser& p : blocks) {
        p.DefineVar("x", &x);
        p.SetExpr("sin(x)^2+cos(x)^2+x*3.5-2");
    }
    volatile double sink = 0.0;
    const double resample = bestSeconds([&] {
        for (int n = 0; n < 100; ++n)
            for (mu::Parser& p : blocks)
                for (int i = 0; i < 240; ++i) {
                    x = -10.0 + 20.0 * i / 239;
                    sink = sink + p.Eval();
                }
    });
    std::printf("muparser graph resample    %8.3f ms\n", resample * 10.0);

    mu::Parser scalar;
    scalar.DefineVar("x", &x);
    scalar.SetExpr("x*3.5-2+x*x");
    const double each = bestSeconds([&] {
        for (int i = 0; i < 100000; ++i) {
            x = 0.25 + i * 1e-3;
            sink = sink + scalar.Eval();
        }
    });
    std::printf("muparser scalar expression %8.1f ns per evaluation\n", each / 100000 * 1e9);
    return 0;
}
