// Inverse, determinant, transpose and reduced echelon form through the
// library's exports: results, status codes, and operands left alone on error.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "heap_failures.h"
#include "lattix.h"
#include "matrix_builders.h"
#include "scripted_backend.h"

using namespace lattix::testing;
using orvana::testing::HeapFailures;
using orvana::testing::ScriptedBackend;

namespace {

MatrixPtr copyOf(const Matrix* m) {
    MatrixPtr c(newMatrix(0, 0));
    copyMatMatrix(c.get(), m);
    return c;
}

void expectNear(const Matrix* m, std::initializer_list<double> re, double tolerance = 1e-14) {
    ASSERT_EQ(size_t(m->rows) * m->cols, re.size());
    size_t k = 0;
    for (double v : re) {
        EXPECT_NEAR(m->re[k], v, tolerance) << "slot " << k;
        EXPECT_EQ(m->im[k], 0.0) << "slot " << k;
        ++k;
    }
}

// The largest modulus of a x b - I, by the library's own product.
double distanceFromIdentity(const Matrix* a, const Matrix* b) {
    MatrixPtr p = copyOf(a);
    EXPECT_EQ(multMatrix(p.get(), const_cast<Matrix*>(b), 0), 0);
    double worst = 0.0;
    for (size_t i = 0; i < p->rows; ++i)
        for (size_t j = 0; j < p->cols; ++j) {
            std::complex<double> z(p->re[i * p->cols + j], p->im[i * p->cols + j]);
            worst = std::max(worst, std::abs(z - (i == j ? 1.0 : 0.0)));
        }
    return worst;
}

TEST(Inverse, KnownResults) {
    MatrixPtr a = real(2, 2, {4, 7, 2, 6});
    ASSERT_EQ(invMatrix(a.get()), 0);
    expectNear(a.get(), {0.6, -0.7, -0.2, 0.4});

    MatrixPtr s = scalar(4.0);
    ASSERT_EQ(invMatrix(s.get()), 0);
    EXPECT_EQ(s->kind, LATTIX_KIND_SCALAR);
    EXPECT_EQ(s->re[0], 0.25);
    EXPECT_EQ(s->im[0], 0.0);

    MatrixPtr z = scalar(0.0, 2.0);
    ASSERT_EQ(invMatrix(z.get()), 0);
    EXPECT_EQ(z->re[0], 0.0);
    EXPECT_EQ(z->im[0], -0.5);
}

TEST(Inverse, TimesTheOperandGivesTheIdentity) {
    std::mt19937_64 rng(8);
    for (int n : {3, 17, 50, 129}) {
        for (bool complexValues : {true, false}) {
            MatrixPtr a = randomMatrix(rng, n, n, complexValues);
            MatrixPtr inverse = copyOf(a.get());
            ASSERT_EQ(invMatrix(inverse.get()), 0) << n;
            EXPECT_LT(distanceFromIdentity(a.get(), inverse.get()), 1e-10) << n;
            EXPECT_LT(distanceFromIdentity(inverse.get(), a.get()), 1e-10) << n;
            if (!complexValues) {
                for (size_t k = 0; k < size_t(n) * n; ++k)
                    ASSERT_TRUE(inverse->im[k] == 0.0 && !std::signbit(inverse->im[k])) << k;
            }
        }
    }
}

TEST(Inverse, SingularAndFailedDecompositions) {
    MatrixPtr nearly = real(2, 2, {1, 2, 2, 4});
    EXPECT_EQ(invMatrix(nearly.get()), 53);
    EXPECT_TRUE(std::isfinite(nearly->re[0]));  // computed with the replaced pivot

    struct Case {
        MatrixPtr value;
        const char* what;
    };
    Case failing[] = {{real(2, 2, {1, 0, 0, 0}), "zero second column"},
                      {real(2, 2, {0, 1, 0, 0}), "zero first column"},
                      {real(3, 3, {1, 0, 2, 3, 0, 4, 5, 0, 6}), "zero middle column"}};
    for (Case& c : failing) {
        MatrixPtr before = copyOf(c.value.get());
        EXPECT_EQ(invMatrix(c.value.get()), 54) << c.what;
        EXPECT_TRUE(sameBits(c.value.get(), before.get())) << c.what;
    }
}

TEST(Inverse, RefusesWhatIsNotSquare) {
    MatrixPtr values[] = {real(2, 3, {1, 2, 3, 4, 5, 6}), real(3, 1, {1, 2, 3}), text(u"abc"),
                          MatrixPtr(newMatrix(0, 0))};
    for (MatrixPtr& v : values) {
        MatrixPtr before = copyOf(v.get());
        EXPECT_EQ(invMatrix(v.get()), 51);
        EXPECT_TRUE(sameBits(v.get(), before.get()));
    }
    EXPECT_EQ(invMatrix(nullptr), 51);
}

TEST(Determinant, KnownResults) {
    struct Case {
        MatrixPtr value;
        double re, im;
    };
    Case cases[] = {
        {real(2, 2, {1, 2, 3, 4}), -2.0, 0.0},
        {real(2, 2, {0, 1, 1, 0}), -1.0, 0.0},
        {real(2, 2, {1, 2, 2, 4}), 0.0, 0.0},  // replaced pivot
        {real(2, 2, {1, 0, 0, 0}), 0.0, 0.0},  // zero column
        {complexMatrix(2, 2, {{1, 1}, {0, 0}, {0, 0}, {1, -1}}), 2.0, 0.0},
        {real(3, 3, {2, 0, 0, 0, 3, 0, 0, 0, 4}), 24.0, 0.0},
    };
    for (Case& c : cases) {
        MatrixPtr before = copyOf(c.value.get());
        double re = 99.0, im = 99.0;
        EXPECT_EQ(detMatrix(c.value.get(), &re, &im), 0);
        EXPECT_NEAR(re, c.re, 1e-14);
        EXPECT_EQ(im, c.im);
        EXPECT_TRUE(sameBits(c.value.get(), before.get()));
    }
}

TEST(Determinant, ProductOfEigenvaluesOfATriangularProduct) {
    // L U with unit L: the determinant is the product of U's diagonal, for
    // every size the blocked decomposition splits differently.
    std::mt19937_64 rng(3);
    std::uniform_real_distribution<double> dist(-0.5, 0.5);
    for (int n : {5, 48, 49, 100}) {
        std::vector<std::complex<double>> l(n * n), u(n * n);
        std::complex<double> expected = 1.0;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                if (j < i) l[i * n + j] = {dist(rng), dist(rng)};
                if (j == i) {
                    l[i * n + j] = 1.0;
                    u[i * n + j] = {1.0 + dist(rng), dist(rng)};
                    expected *= u[i * n + j];
                }
                if (j > i) u[i * n + j] = {dist(rng), dist(rng)};
            }
        MatrixPtr a(newMatrix(n, n));
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                std::complex<double> s = 0.0;
                for (int k = 0; k < n; ++k) s += l[i * n + k] * u[k * n + j];
                a->re[i * n + j] = s.real();
                a->im[i * n + j] = s.imag();
            }
        double re, im;
        ASSERT_EQ(detMatrix(a.get(), &re, &im), 0);
        EXPECT_LT(std::abs(std::complex<double>(re, im) - expected), 1e-9 * std::abs(expected))
            << n;
    }
}

TEST(Determinant, RefusesWhatIsNotASquareMatrix) {
    double re = 7.0, im = 7.0;
    EXPECT_EQ(detMatrix(real(2, 3, {1, 2, 3, 4, 5, 6}).get(), &re, &im), 51);
    EXPECT_EQ(detMatrix(scalar(5.0).get(), &re, &im), 51);
    EXPECT_EQ(detMatrix(text(u"ab").get(), &re, &im), 51);
    EXPECT_EQ(re, 7.0);
    EXPECT_EQ(detMatrix(nullptr, &re, &im), 51);
}

TEST(Transpose, ShapesAndSlots) {
    MatrixPtr row = real(1, 3, {1, 2, 3});
    ASSERT_EQ(transMatrix(row.get()), 0);
    EXPECT_EQ(row->rows, 3);
    EXPECT_EQ(row->cols, 1);
    EXPECT_EQ(realParts(row.get()), (std::vector<double>{1, 2, 3}));

    MatrixPtr m = complexMatrix(2, 3, {{1, -1}, {2, -2}, {3, -3}, {4, -4}, {5, -5}, {6, -6}});
    ASSERT_EQ(transMatrix(m.get()), 0);
    EXPECT_EQ(m->rows, 3);
    EXPECT_EQ(m->cols, 2);
    EXPECT_EQ(m->kind, LATTIX_KIND_MATRIX_VALUE);
    EXPECT_EQ(realParts(m.get()), (std::vector<double>{1, 4, 2, 5, 3, 6}));
    EXPECT_EQ(imagParts(m.get()), (std::vector<double>{-1, -4, -2, -5, -3, -6}));

    MatrixPtr s = scalar(2.0, 3.0);
    ASSERT_EQ(transMatrix(s.get()), 0);
    EXPECT_EQ(s->kind, LATTIX_KIND_SCALAR);
    EXPECT_EQ(s->re[0], 2.0);

    std::mt19937_64 rng(1);
    MatrixPtr big = randomMatrix(rng, 70, 45, true);
    MatrixPtr twice = copyOf(big.get());
    ASSERT_EQ(transMatrix(twice.get()), 0);
    ASSERT_EQ(transMatrix(twice.get()), 0);
    EXPECT_TRUE(sameBits(big.get(), twice.get()));

    EXPECT_EQ(transMatrix(text(u"abc").get()), 51);
    EXPECT_EQ(transMatrix(MatrixPtr(newMatrix(0, 0)).get()), 51);
    EXPECT_EQ(transMatrix(nullptr), 51);
}

TEST(ReducedEchelon, KnownResults) {
    MatrixPtr a = real(2, 3, {2, 4, 6, 1, 3, 5});
    ASSERT_EQ(rrefMatrix(a.get()), 0);
    expectNear(a.get(), {1, 0, -1, 0, 1, 2});

    MatrixPtr noPivot = real(2, 3, {0, 0, 1, 0, 0, 2});
    EXPECT_EQ(rrefMatrix(noPivot.get()), 53);

    // After the exchange and the first elimination, column 1 has nothing
    // left below the first row: the reduction stops there.
    MatrixPtr later = real(2, 4, {1, 2, 3, 4, 2, 4, 6, 9});
    EXPECT_EQ(rrefMatrix(later.get()), 53);
    expectNear(later.get(), {1, 2, 3, 4.5, 0, 0, 0, -0.5});
}

TEST(ReducedEchelon, SolvesComplexSystems) {
    std::mt19937_64 rng(12);
    for (int n : {4, 33, 90}) {
        MatrixPtr system = randomMatrix(rng, n, n + 1, true);
        MatrixPtr reduced = copyOf(system.get());
        ASSERT_EQ(rrefMatrix(reduced.get()), 0);
        const int c = n + 1;
        for (int i = 0; i < n; ++i) {
            std::complex<double> residual(-system->re[i * c + n], -system->im[i * c + n]);
            for (int j = 0; j < n; ++j) {
                std::complex<double> a(system->re[i * c + j], system->im[i * c + j]);
                residual +=
                    a * std::complex<double>(reduced->re[j * c + n], reduced->im[j * c + n]);
                const double expected = i == j ? 1.0 : 0.0;
                ASSERT_EQ(reduced->re[i * c + j], expected) << i << "," << j;
                ASSERT_EQ(reduced->im[i * c + j], 0.0) << i << "," << j;
            }
            EXPECT_LT(std::abs(residual), 1e-9) << n << " row " << i;
        }
    }
}

TEST(ReducedEchelon, RefusesSystemsWithoutMoreColumnsThanRows) {
    MatrixPtr values[] = {real(2, 2, {1, 2, 3, 4}), real(3, 2, {1, 2, 3, 4, 5, 6}), scalar(1.0),
                          text(u"x")};
    for (MatrixPtr& v : values) {
        MatrixPtr before = copyOf(v.get());
        EXPECT_EQ(rrefMatrix(v.get()), 51);
        EXPECT_TRUE(sameBits(v.get(), before.get()));
    }
    EXPECT_EQ(rrefMatrix(nullptr), 51);
}

// Working storage that cannot be had ends the operation with 62 and leaves
// the operand as it was; the user has been told about the memory.
TEST(LinearAlgebraOutOfMemory, OperandsStayUnchanged) {
    std::mt19937_64 rng(6);
    MatrixPtr square = randomMatrix(rng, 20, 20, true);
    MatrixPtr wide = randomMatrix(rng, 20, 30, true);
    for (long first : {0L, 1L, 2L}) {
        ScriptedBackend ui;
        MatrixPtr a = copyOf(square.get()), b = copyOf(wide.get());
        double re = 5.0, im = 5.0;
        {
            HeapFailures failures(first);
            EXPECT_EQ(invMatrix(a.get()), 62) << first;
            EXPECT_EQ(detMatrix(a.get(), &re, &im), 62) << first;
            EXPECT_EQ(transMatrix(b.get()), 62) << first;
        }
        EXPECT_TRUE(sameBits(a.get(), square.get()));
        EXPECT_TRUE(sameBits(b.get(), wide.get()));
        EXPECT_EQ(re, 5.0);
        EXPECT_FALSE(ui.messageBoxes().empty());
    }
    // Once memory is back, the same operands work.
    MatrixPtr a = copyOf(square.get());
    EXPECT_EQ(invMatrix(a.get()), 0);
}

// The reduction needs no storage of its own to be done: without its block
// storage it still gives the same result, to the bit.
TEST(LinearAlgebraOutOfMemory, ReductionStillCompletes) {
    std::mt19937_64 rng(9);
    for (int rows : {5, 40, 70}) {
        MatrixPtr system = randomMatrix(rng, rows, rows + 3, true);
        MatrixPtr expected = copyOf(system.get());
        ASSERT_EQ(rrefMatrix(expected.get()), 0);
        ScriptedBackend ui;
        HeapFailures failures;
        EXPECT_EQ(rrefMatrix(system.get()), 0);
        EXPECT_TRUE(sameBits(system.get(), expected.get())) << rows;
    }
}

}  // namespace
