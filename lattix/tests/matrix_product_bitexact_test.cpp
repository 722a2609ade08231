// The blocked product kernel against the plain triple loop, bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <tuple>

#include "lattix.h"
#include "literal_product.h"
#include "matrix_builders.h"

using namespace lattix::testing;

namespace {

class ProductBits : public ::testing::TestWithParam<std::tuple<int, int, int, bool>> {};

TEST_P(ProductBits, SameAsTheLiteralLoops) {
    auto [rows, inner, cols, complexValues] = GetParam();
    std::mt19937_64 rng(rows * 10007 + inner * 101 + cols);
    MatrixPtr a = randomMatrix(rng, rows, inner, complexValues);
    MatrixPtr b = randomMatrix(rng, inner, cols, complexValues);
    MatrixPtr expected(lattix::reference::literalProduct(a.get(), b.get()));
    ASSERT_NE(expected, nullptr);
    MatrixPtr product(newMatrix(0, 0));
    copyMatMatrix(product.get(), a.get());
    if (a->kind == LATTIX_KIND_MATRIX_VALUE && b->kind == LATTIX_KIND_MATRIX_VALUE) {
        ASSERT_EQ(multMatrix(product.get(), b.get(), 0), 0);
        EXPECT_TRUE(sameBits(product.get(), expected.get()))
            << rows << "x" << inner << " times " << inner << "x" << cols;
    }
}

INSTANTIATE_TEST_SUITE_P(OddSizes, ProductBits,
                         ::testing::Combine(::testing::Values(1, 2, 3, 7, 33, 100),
                                            ::testing::Values(2, 7, 33),
                                            ::testing::Values(1, 3, 17, 100),
                                            ::testing::Bool()));

TEST(ProductBitsSpecial, SignedZerosInfinitiesAndNans) {
    // Values that expose any difference in the sequence of operations.
    const double specials[] = {0.0, -0.0, 1.0, -1.0, std::numeric_limits<double>::infinity(),
                               -std::numeric_limits<double>::infinity(), NAN, 1e308, 1e-308,
                               3.0};
    std::mt19937_64 rng(99);
    std::uniform_int_distribution<int> pick(0, 9);
    for (int size : {3, 9, 21}) {
        MatrixPtr a(newMatrix(size, size)), b(newMatrix(size, size));
        for (int k = 0; k < size * size; ++k) {
            a->re[k] = specials[pick(rng)];
            a->im[k] = specials[pick(rng)];
            b->re[k] = specials[pick(rng)];
            b->im[k] = specials[pick(rng)];
        }
        MatrixPtr expected(lattix::reference::literalProduct(a.get(), b.get()));
        ASSERT_EQ(multMatrix(a.get(), b.get(), 0), 0);
        EXPECT_TRUE(sameBits(a.get(), expected.get())) << size;
    }
}

}  // namespace
