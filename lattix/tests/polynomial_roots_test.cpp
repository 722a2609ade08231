// Polynomial roots: small polynomials with exact answers and slot order,
// harder ones checked against their known roots and by their residual, and
// refused input, failed searches and exhausted memory.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "heap_failures.h"
#include "lattix.h"
#include "matrix_builders.h"
#include "scripted_backend.h"

using namespace lattix::testing;
using orvana::testing::HeapFailures;
using orvana::testing::ScriptedBackend;

namespace {

using Complex = std::complex<double>;
using Coefficients = std::vector<double>;

MatrixPtr column(const Coefficients& c) {
    MatrixPtr m(newMatrix(uint16_t(c.size()), 1));
    for (size_t i = 0; i < c.size(); ++i) m->re[i] = c[i];
    return m;
}

std::vector<Complex> rootsIn(const Matrix* r) {
    std::vector<Complex> roots;
    for (size_t i = 0; i < size_t(r->rows) * r->cols; ++i) roots.emplace_back(r->re[i], r->im[i]);
    return roots;
}

std::vector<Complex> solve(const Coefficients& c) {
    MatrixPtr in = column(c);
    MatrixPtr out(newMatrix(0, 0));
    EXPECT_EQ(polyMatrix(in.get(), out.get()), 0);
    return rootsIn(out.get());
}

// Multiplies c (highest power first) by z^2 + u z + v, or by z - r.
Coefficients timesQuadratic(Coefficients c, double u, double v) {
    c.push_back(0.0);
    c.push_back(0.0);
    for (size_t i = c.size() - 1; i >= 1; --i) {
        c[i] += u * c[i - 1];
        if (i >= 2) c[i] += v * c[i - 2];
    }
    return c;
}
Coefficients timesLinear(Coefficients c, double r) {
    c.push_back(0.0);
    for (size_t i = c.size() - 1; i >= 1; --i) c[i] -= r * c[i - 1];
    return c;
}

// |p(z)| relative to the size of the terms summed, the backward error of z.
double relativeResidual(const Coefficients& c, Complex z) {
    Complex value = 0.0;
    double terms = 0.0;
    for (double a : c) {
        value = value * z + a;
        terms = terms * std::abs(z) + std::fabs(a);
    }
    return std::abs(value) / terms;
}

// Each expected root is matched with the nearest found one not matched yet;
// the distance is relative to the root's modulus (absolute for a zero root).
void expectSameRoots(const std::vector<Complex>& found, const std::vector<Complex>& expected,
                     double tolerance, const std::string& label) {
    ASSERT_EQ(found.size(), expected.size()) << label;
    std::vector<bool> used(found.size(), false);
    for (Complex want : expected) {
        size_t best = found.size();
        for (size_t i = 0; i < found.size(); ++i)
            if (!used[i] &&
                (best == found.size() || std::abs(found[i] - want) < std::abs(found[best] - want)))
                best = i;
        used[best] = true;
        EXPECT_LE(std::abs(found[best] - want), tolerance * (want == 0.0 ? 1.0 : std::abs(want)))
            << label << ": root " << want << " came out as " << found[best];
    }
}

}  // namespace

TEST(PolyMatrixBasics, SmallPolynomialsAndTheirSlotOrder) {
    // The last two roots come from the quadratic formula, smaller first, the
    // root with positive imaginary part first.
    auto r = solve({1, -3, 2});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_DOUBLE_EQ(r[0].real(), 1.0);
    EXPECT_DOUBLE_EQ(r[1].real(), 2.0);
    EXPECT_EQ(r[0].imag(), 0.0);
    r = solve({4, 5, 6});
    ASSERT_EQ(r.size(), 2u);
    EXPECT_DOUBLE_EQ(r[0].real(), -0.625);
    EXPECT_NEAR(r[0].imag(), std::sqrt(71.0) / 8.0, 1e-15);
    EXPECT_EQ(r[1], std::conj(r[0]));

    expectSameRoots(solve({1, 0, 0, -8}), {2.0, {-1, std::sqrt(3.0)}, {-1, -std::sqrt(3.0)}}, 1e-14,
                    "z^3 - 8");
    expectSameRoots(solve({2, -4}), {2.0}, 0.0, "linear");

    // Leading zeros lower the degree; zeros at the origin fill the first slots.
    MatrixPtr in = column({0, 0, 1, -5});
    MatrixPtr out(newMatrix(0, 0));
    EXPECT_EQ(polyMatrix(in.get(), out.get()), 0);
    EXPECT_EQ(out->rows, 1);
    EXPECT_EQ(out->cols, 1);
    EXPECT_EQ(out->kind, LATTIX_KIND_SCALAR);
    EXPECT_EQ(out->re[0], 5.0);
    EXPECT_EQ(solve({1, 0, 0}), (std::vector<Complex>{0.0, 0.0}));
    r = solve({0, 1, -2, -3, 0, 0});  // z^2 (z - 3)(z + 1)
    ASSERT_EQ(r.size(), 4u);
    EXPECT_EQ(r[0], 0.0);
    EXPECT_EQ(r[1], 0.0);
    expectSameRoots({r[2], r[3]}, {3.0, -1.0}, 1e-15, "after the origin");

    // A non-zero constant has no roots.
    in = column({0, 5});
    out = real(2, 2, {1, 2, 3, 4});
    EXPECT_EQ(polyMatrix(in.get(), out.get()), 0);
    EXPECT_EQ(out->rows, 0);
    EXPECT_EQ(out->kind, LATTIX_KIND_EMPTY);
    EXPECT_EQ(eigMatrix(), 1);
}

TEST(PolyMatrixBasics, ResultMayBeTheCoefficientRecordAndRowsReadLikeColumns) {
    MatrixPtr m = column({1, -6, 11, -6});
    EXPECT_EQ(polyMatrix(m.get(), m.get()), 0);
    expectSameRoots(rootsIn(m.get()), {1.0, 2.0, 3.0}, 1e-13, "in place");
    MatrixPtr row = real(1, 4, {1, -6, 11, -6});
    MatrixPtr out(newMatrix(0, 0));
    EXPECT_EQ(polyMatrix(row.get(), out.get()), 0);
    expectSameRoots(rootsIn(out.get()), {1.0, 2.0, 3.0}, 1e-13, "row");
}

TEST(PolyMatrixFailures, RefusedInputLeavesTheResultUnchanged) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    MatrixPtr out = real(2, 2, {1, 2, 3, 4});
    MatrixPtr before(newMatrix(0, 0));
    copyMatMatrix(before.get(), out.get());
    for (const Coefficients& c : {Coefficients{0, 0, 0}, Coefficients{0}, Coefficients{1, nan, 2},
                                  Coefficients{inf, 1}, Coefficients{1, 2, -inf}}) {
        MatrixPtr in = column(c);
        EXPECT_EQ(polyMatrix(in.get(), out.get()), 14);
        EXPECT_TRUE(sameBits(out.get(), before.get()));
    }
    MatrixPtr empty(newMatrix(0, 0));
    MatrixPtr str = text(u"1,2,3");
    EXPECT_EQ(polyMatrix(empty.get(), out.get()), 14);
    EXPECT_EQ(polyMatrix(str.get(), out.get()), 14);
    EXPECT_EQ(polyMatrix(nullptr, out.get()), 14);
    MatrixPtr in = column({1, 2});
    EXPECT_EQ(polyMatrix(in.get(), nullptr), 14);
    EXPECT_TRUE(sameBits(out.get(), before.get()));
}

TEST(PolyMatrixFailures, SlotsOfRootsNotFoundHoldZero) {
    // Zeros near 1e-70 i and 1e25 i with coefficients too far apart to be
    // scaled: every fixed-shift try fails. The result's old storage held
    // other values, which must not show through.
    MatrixPtr in = column({1e-200, 0, 1e-150, 0, 1e-290});
    MatrixPtr out = real(3, 3, {7, 7, 7, 7, 7, 7, 7, 7, 7});
    for (int i = 0; i < 9; ++i) out->im[i] = 7;
    EXPECT_EQ(polyMatrix(in.get(), out.get()), 0);
    ASSERT_EQ(out->rows, 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(out->re[i], 0.0);
        EXPECT_EQ(out->im[i], 0.0);
    }
}

TEST(PolyMatrixAccuracy, KnownRootsOfHarderPolynomials) {
    for (int n : {10, 14, 18}) {
        Coefficients c{1.0};
        std::vector<Complex> expected;
        for (int k = 1; k <= n; ++k) {
            c = timesLinear(c, k);
            expected.emplace_back(k);
        }
        // The zeros of the Wilkinson polynomials are notoriously sensitive.
        double tolerance = n == 10 ? 1e-9 : (n == 14 ? 1e-6 : 1e-4);
        auto found = solve(c);
        expectSameRoots(found, expected, tolerance, "Wilkinson " + std::to_string(n));
        for (Complex z : found) EXPECT_LT(relativeResidual(c, z), 1e-12) << n << ": " << z;
    }

    // Repeated roots: a fourfold one is good to about a quarter of the digits.
    Coefficients repeated{1.0};
    for (int i = 0; i < 4; ++i) repeated = timesLinear(repeated, 1.0);
    repeated = timesQuadratic(timesQuadratic(repeated, 4, 4), 0, 1);
    expectSameRoots(solve(repeated), {1.0, 1.0, 1.0, 1.0, -2.0, -2.0, {0, 1}, {0, -1}}, 1e-3,
                    "repeated");

    // Complex pairs and a real root.
    Coefficients pairs = timesQuadratic(timesQuadratic(timesQuadratic({1.0}, 0, 1), 2, 5), -2, 10);
    pairs = timesLinear(pairs, 0.5);
    const std::vector<Complex> pairRoots{{0, 1}, {0, -1}, {-1, 2}, {-1, -2}, {1, 3}, {1, -3}, 0.5};
    expectSameRoots(solve(pairs), pairRoots, 1e-12, "pairs");

    // Scaling the coefficients leaves the roots alone, far beyond the range
    // where the iterations could run unscaled.
    for (double scale : {1e30, 1e-30, 1e305, 1e-305}) {
        Coefficients scaled = pairs;
        for (double& a : scaled) a *= scale;
        expectSameRoots(solve(scaled), pairRoots, 1e-12, "scaled by " + std::to_string(scale));
    }

    // Roots of very different sizes keep their relative accuracy.
    Coefficients spread = timesLinear(timesLinear(timesLinear({1.0}, 1e-10), -1.0), 1e10);
    expectSameRoots(solve(spread), {1e-10, -1.0, 1e10}, 1e-12, "spread");
    expectSameRoots(solve({1e-200, 0, 1, 0, 1e-200}),
                    {{0, 1e-100}, {0, -1e-100}, {0, 1e100}, {0, -1e100}}, 1e-12,
                    "pairs 200 orders of magnitude apart");
}

TEST(PolyMatrixAccuracy, RootsArePinnedToTheBit) {
    // A change in the path through the stages, or in any order of operations,
    // shows in the last bits even where the roots stay as accurate.
    const std::vector<Complex> pinned{{0x1.a3c7d159944bap-1, 0x1.8d2204b72e9a4p-1},
                                      {0x1.a3c7d159944bap-1, -0x1.8d2204b72e9a4p-1},
                                      {-0x1.fcd48f4f3c018p-2, 0x1.8656ae4c6c57ap-1},
                                      {-0x1.fcd48f4f3c018p-2, -0x1.8656ae4c6c57ap-1},
                                      {-0x1.6f63091585cc5p+0, 0.0},
                                      {0x1.e502bfb1c7c0cp+0, 0x1.88e4f456b5e53p+0},
                                      {0x1.e502bfb1c7c0cp+0, -0x1.88e4f456b5e53p+0}};
    auto found = solve({1, -3, 2.5, 7, -4, 1.5, -0.25, 9});
    ASSERT_EQ(found.size(), pinned.size());
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_TRUE(sameBits(found[i].real(), pinned[i].real())) << i << ": " << found[i];
        EXPECT_TRUE(sameBits(found[i].imag(), pinned[i].imag())) << i << ": " << found[i];
    }
}

TEST(PolyMatrixAccuracy, RandomPolynomialsGiveFiniteRootsWithSmallResiduals) {
    std::mt19937_64 rng(2024);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    for (int trial = 0; trial < 300; ++trial) {
        Coefficients c(3 + rng() % 20);
        for (double& a : c) a = dist(rng);
        auto found = solve(c);
        ASSERT_EQ(found.size(), c.size() - 1);
        for (Complex z : found) {
            ASSERT_TRUE(std::isfinite(z.real()) && std::isfinite(z.imag())) << trial;
            EXPECT_LT(relativeResidual(c, z), 1e-6) << trial << ": " << z;
        }
    }
}

TEST(PolyMatrixAccuracy, HighDegreesNeverStoreOverflowedRoots) {
    // At high degrees the real iteration can diverge until evaluating the
    // polynomial overflows; such a value must not pass for a converged zero.
    // Up to degree 200 every root is then found; far beyond, the search may
    // run out of tries, and the roots it did not find read as 0.
    std::mt19937_64 rng(150);
    std::uniform_real_distribution<double> dist(-1.0, 1.0);
    for (int degree : {150, 200, 400}) {
        Coefficients c(degree + 1);
        for (double& a : c) a = dist(rng);
        auto found = solve(c);
        ASSERT_EQ(found.size(), size_t(degree));
        int good = 0;
        for (Complex z : found) {
            ASSERT_TRUE(std::isfinite(z.real()) && std::isfinite(z.imag())) << degree;
            if (relativeResidual(c, z) < 1e-5) ++good;
        }
        if (degree <= 200) {
            EXPECT_EQ(good, degree) << "degree " << degree;
        }
    }
}

TEST(PolyMatrixOutOfMemory, NoWorkingStorageMeansTooBigAndNoRoots) {
    ScriptedBackend ui;
    Coefficients c(6001, 1.0);  // working arrays beyond the reserve
    MatrixPtr in = column(c);
    MatrixPtr out = real(2, 2, {1, 2, 3, 4});
    MatrixPtr before(newMatrix(0, 0));
    copyMatMatrix(before.get(), out.get());
    {
        HeapFailures failures(0, -1, 40000);
        EXPECT_EQ(polyMatrix(in.get(), out.get()), 62);
    }
    EXPECT_TRUE(sameBits(out.get(), before.get()));
    EXPECT_GE(ui.messageBoxes().size(), 1u);

    // The working arrays are had, the result's are not: it stays empty.
    {
        HeapFailures failures(7, -1, 40000);
        EXPECT_EQ(polyMatrix(in.get(), out.get()), 62);
    }
    EXPECT_EQ(out->kind, LATTIX_KIND_EMPTY);
    EXPECT_EQ(out->re, nullptr);
}
