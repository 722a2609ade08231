// The fast inverse, determinant and reduced echelon form against the
// element-at-a-time literal loops, bit for bit (any NaN matches any NaN).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "lattix.h"
#include "literal_linear_algebra.h"
#include "matrix_builders.h"

using namespace lattix::testing;
using lattix::reference::literalDetMatrix;
using lattix::reference::literalInvMatrix;
using lattix::reference::literalRrefMatrix;
using lattix::reference::literalTransMatrix;

namespace {

MatrixPtr copyOf(const Matrix* m) {
    MatrixPtr c(newMatrix(0, 0));
    copyMatMatrix(c.get(), m);
    return c;
}

// Both implementations on copies of `m`; statuses and every bit must agree.
void expectSameInverse(const Matrix* m, const std::string& what) {
    MatrixPtr fast = copyOf(m), literal = copyOf(m);
    uint16_t fastStatus = invMatrix(fast.get());
    uint16_t literalStatus = literalInvMatrix(literal.get());
    EXPECT_EQ(fastStatus, literalStatus) << what;
    EXPECT_TRUE(sameBits(fast.get(), literal.get())) << what;
}

void expectSameDeterminant(const Matrix* m, const std::string& what) {
    double fastRe = 7.0, fastIm = 7.0, literalRe = 7.0, literalIm = 7.0;
    EXPECT_EQ(detMatrix(m, &fastRe, &fastIm), literalDetMatrix(m, &literalRe, &literalIm)) << what;
    EXPECT_TRUE(sameBits(fastRe, literalRe) && sameBits(fastIm, literalIm))
        << what << ": " << fastRe << "," << fastIm << " vs " << literalRe << "," << literalIm;
}

void expectSameRref(const Matrix* m, const std::string& what) {
    MatrixPtr fast = copyOf(m), literal = copyOf(m);
    EXPECT_EQ(rrefMatrix(fast.get()), literalRrefMatrix(literal.get())) << what;
    EXPECT_TRUE(sameBits(fast.get(), literal.get())) << what;
}

// A random value in which about one element in `realEvery` is real, so
// both forms of the complex product meet inside every kernel.
MatrixPtr mixedMatrix(std::mt19937_64& rng, uint16_t rows, uint16_t cols, int realEvery) {
    MatrixPtr m = randomMatrix(rng, rows, cols, true);
    std::uniform_int_distribution<int> pick(0, realEvery - 1);
    for (size_t k = 0; k < size_t(rows) * cols; ++k)
        if (pick(rng) == 0) m->im[k] = (pick(rng) & 1) ? 0.0 : -0.0;
    return m;
}

class SquareBits : public ::testing::TestWithParam<std::tuple<int, int>> {};

// Kind 0 complex, 1 real, 2 mixed real and complex elements.
MatrixPtr squareFor(int n, int kind) {
    std::mt19937_64 rng(n * 31 + kind);
    if (kind == 2) return mixedMatrix(rng, n, n, 3);
    return randomMatrix(rng, n, n, kind == 0);
}

std::string describe(int n, int kind) {
    static const char* kinds[] = {"complex", "real", "mixed"};
    return std::to_string(n) + "x" + std::to_string(n) + " " + kinds[kind];
}

TEST_P(SquareBits, InverseAndDeterminant) {
    auto [n, kind] = GetParam();
    MatrixPtr m = squareFor(n, kind);
    expectSameInverse(m.get(), describe(n, kind));
    if (n > 1) expectSameDeterminant(m.get(), describe(n, kind));
}

TEST_P(SquareBits, ReducedEchelonForm) {
    auto [n, kind] = GetParam();
    std::mt19937_64 rng(n * 17 + kind);
    for (int extra : {1, 5}) {
        MatrixPtr m = kind == 2 ? mixedMatrix(rng, n, n + extra, 3)
                                : randomMatrix(rng, n, n + extra, kind == 0);
        expectSameRref(m.get(), describe(n, kind) + " +" + std::to_string(extra));
    }
}

INSTANTIATE_TEST_SUITE_P(OddSizes, SquareBits,
                         ::testing::Combine(::testing::Values(1, 2, 3, 7, 33, 100, 131),
                                            ::testing::Values(0, 1, 2)));

// Values that expose any change in the sequence of operations: signed zeros
// decide the shortcut and the sign of results, infinities and NaNs show
// skipped or extra terms, tiny and huge values reach the pivot replacement
// and overflow.
TEST(SpecialValueBits, EveryOperationMatchesTheLiteralLoops) {
    const double inf = std::numeric_limits<double>::infinity();
    const double specials[] = {0.0, -0.0, 1.0, -1.0, 2.5, inf, -inf, NAN, 1e300, 1e-20, 3.0, -7.0};
    std::mt19937_64 rng(2024);
    std::uniform_int_distribution<int> pick(0, 11);
    std::uniform_int_distribution<int> odds(0, 9);
    for (int n : {2, 3, 9, 34, 70}) {
        for (int round = 0; round < 6; ++round) {
            // Mostly ordinary values with a sprinkling of specials, so that
            // decompositions get far before the specials take over.
            MatrixPtr m = randomMatrix(rng, n, n + 1, round % 2 == 0);
            for (size_t k = 0; k < size_t(n) * (n + 1); ++k) {
                if (odds(rng) < round) m->re[k] = specials[pick(rng)];
                if (odds(rng) < round) m->im[k] = specials[pick(rng)];
            }
            const std::string what = std::to_string(n) + " round " + std::to_string(round);
            expectSameRref(m.get(), what);
            resizeMatrix(m.get(), n, n);
            expectSameInverse(m.get(), what);
            expectSameDeterminant(m.get(), what);
        }
    }
}

// A single infinite or overflowing element leaves most of the result finite,
// so a term added or left out, or a product formed the other way, shows as
// an infinity or NaN in the wrong place.
TEST(SpecialValueBits, OneInfiniteElement) {
    const double inf = std::numeric_limits<double>::infinity();
    std::mt19937_64 rng(4);
    for (int n : {2, 5, 9, 40, 70}) {
        for (int kind = 0; kind < 3; ++kind) {
            for (double value : {inf, -inf, 1e300}) {
                MatrixPtr m = squareFor(n, kind);
                std::uniform_int_distribution<int> slot(0, n * n - 1);
                int k = slot(rng);
                m->re[k] = value;
                if (kind == 0 && value == 1e300) m->im[k] = -value;
                const std::string what = describe(n, kind) + " at " + std::to_string(k);
                expectSameInverse(m.get(), what);
                expectSameDeterminant(m.get(), what);
                MatrixPtr wide = squareFor(n, kind);
                resizeMatrix(wide.get(), n, n + 1);
                for (int i = 0; i < n; ++i) wide->re[i * (n + 1) + n] = 1.0;
                wide->re[k] = value;
                expectSameRref(wide.get(), what);
            }
        }
    }
}

TEST(SpecialValueBits, SingularAndNearlySingularMatrices) {
    std::mt19937_64 rng(77);
    for (int n : {3, 8, 40, 97}) {
        // Two equal columns: a pivot collapses to rounding noise or zero.
        MatrixPtr m = randomMatrix(rng, n, n, true);
        for (int i = 0; i < n; ++i) {
            m->re[i * n + n - 1] = m->re[i * n + 1];
            m->im[i * n + n - 1] = m->im[i * n + 1];
        }
        expectSameInverse(m.get(), "equal columns " + std::to_string(n));
        expectSameDeterminant(m.get(), "equal columns " + std::to_string(n));
        // Small integers with repeated rows give exact zero pivots.
        std::uniform_int_distribution<int> digit(-2, 2);
        MatrixPtr z(newMatrix(n, n + 2));
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n + 2; ++j) z->re[i * (n + 2) + j] = digit(rng);
        for (int j = 0; j < n + 2; ++j) z->re[(n - 1) * (n + 2) + j] = z->re[j];
        expectSameRref(z.get(), "repeated row " + std::to_string(n));
        resizeMatrix(z.get(), n, n);
        expectSameInverse(z.get(), "small integers " + std::to_string(n));
        expectSameDeterminant(z.get(), "small integers " + std::to_string(n));
    }
}

TEST(TransposeBits, SameAsTheLiteralLoops) {
    std::mt19937_64 rng(5);
    for (auto [rows, cols] : {std::pair{1, 1}, {1, 9}, {9, 1}, {2, 3}, {33, 70}, {100, 7}}) {
        MatrixPtr m = randomMatrix(rng, rows, cols, true);
        MatrixPtr fast = copyOf(m.get()), literal = copyOf(m.get());
        EXPECT_EQ(transMatrix(fast.get()), literalTransMatrix(literal.get()));
        EXPECT_TRUE(sameBits(fast.get(), literal.get())) << rows << "x" << cols;
    }
}

}  // namespace
