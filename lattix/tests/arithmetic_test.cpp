// Sums, differences, products and quotients of whole values.
#include <gtest/gtest.h>

#include <cmath>

#include "lattix.h"
#include "matrix_builders.h"

using namespace lattix::testing;

TEST(ArithmeticAdd, ScalarsMatricesAndTheElementwiseFlag) {
    MatrixPtr a = scalar(1, 2), b = scalar(3, -1);
    EXPECT_EQ(addMatrix(a.get(), b.get(), 0), 0);
    EXPECT_EQ(a->re[0], 4);
    EXPECT_EQ(a->im[0], 1);

    MatrixPtr m = real(2, 2, {1, 2, 3, 4});
    MatrixPtr five = scalar(5);
    EXPECT_EQ(addMatrix(m.get(), five.get(), 0), 51);
    EXPECT_EQ(five->kind, LATTIX_KIND_SCALAR);

    EXPECT_EQ(addMatrix(m.get(), five.get(), 1), 0);
    EXPECT_EQ(realParts(m.get()), (std::vector<double>{6, 7, 8, 9}));
    // The scalar operand itself has been expanded.
    EXPECT_EQ(five->kind, LATTIX_KIND_MATRIX_VALUE);
    EXPECT_EQ(realParts(five.get()), (std::vector<double>{5, 5, 5, 5}));

    // Only the low byte of the flag counts.
    MatrixPtr p = real(1, 2, {1, 2}), q = scalar(1);
    EXPECT_EQ(addMatrix(p.get(), q.get(), 0x100), 51);

    MatrixPtr x = real(2, 3, {1, 2, 3, 4, 5, 6}), y = real(3, 2, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(addMatrix(x.get(), y.get(), 0), 51);
    EXPECT_EQ(addMatrix(x.get(), y.get(), 1), 51);
}

TEST(ArithmeticAdd, StringsConcatenate) {
    MatrixPtr a = text(u"ab"), b = text(u"cd");
    EXPECT_EQ(addMatrix(a.get(), b.get(), 0), 0);
    EXPECT_EQ(a->kind, LATTIX_KIND_STRING);
    EXPECT_EQ(textOf(a.get()), u"abcd");
    EXPECT_EQ(textOf(b.get()), u"cd");

    MatrixPtr e = text(u"");
    EXPECT_EQ(addMatrix(e.get(), a.get(), 0), 0);
    EXPECT_EQ(textOf(e.get()), u"abcd");

    // A string grown past its room, and the element-wise flag refused.
    MatrixPtr s = text(u"x");
    for (int i = 0; i < 10; ++i) addMatrix(s.get(), a.get(), 0);
    EXPECT_EQ(textOf(s.get()).size(), 41u);
    EXPECT_EQ(addMatrix(s.get(), b.get(), 1), 51);

    MatrixPtr n = scalar(1);
    EXPECT_EQ(addMatrix(a.get(), n.get(), 0), 51);
}

TEST(ArithmeticSubtract, NumbersOnly) {
    MatrixPtr a = real(1, 2, {5, 7}), b = real(1, 2, {1, 10});
    EXPECT_EQ(subMatrix(a.get(), b.get(), 0), 0);
    EXPECT_EQ(realParts(a.get()), (std::vector<double>{4, -3}));

    MatrixPtr s = text(u"ab"), t = text(u"cd");
    EXPECT_EQ(subMatrix(s.get(), t.get(), 0), 51);
    MatrixPtr e1(newMatrix(0, 0)), e2(newMatrix(0, 0));
    EXPECT_EQ(subMatrix(e1.get(), e2.get(), 0), 51);

    MatrixPtr one = scalar(1);
    MatrixPtr m = real(2, 1, {3, 4});
    EXPECT_EQ(subMatrix(one.get(), m.get(), 1), 0);
    EXPECT_EQ(realParts(one.get()), (std::vector<double>{-2, -3}));
}

TEST(ArithmeticMultiply, ShapesOfTheProduct) {
    MatrixPtr row = real(1, 3, {1, 2, 3}), col = real(3, 1, {4, 5, 6});
    MatrixPtr r = real(1, 3, {1, 2, 3});
    EXPECT_EQ(multMatrix(row.get(), col.get(), 0), 0);
    EXPECT_EQ(row->kind, LATTIX_KIND_SCALAR);
    EXPECT_EQ(row->re[0], 32);

    MatrixPtr c = real(3, 1, {4, 5, 6});
    EXPECT_EQ(multMatrix(c.get(), r.get(), 0), 0);
    EXPECT_EQ(c->rows, 3);
    EXPECT_EQ(c->cols, 3);
    EXPECT_EQ(realParts(c.get()), (std::vector<double>{4, 8, 12, 5, 10, 15, 6, 12, 18}));

    MatrixPtr x = real(2, 3, {1, 2, 3, 4, 5, 6}), y = real(2, 3, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(multMatrix(x.get(), y.get(), 0), 51);
    EXPECT_EQ(multMatrix(x.get(), y.get(), 1), 0);
    EXPECT_EQ(realParts(x.get()), (std::vector<double>{1, 4, 9, 16, 25, 36}));

    MatrixPtr z = real(3, 2, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(multMatrix(x.get(), z.get(), 1), 9);
    MatrixPtr s = text(u"a"), n = scalar(2);
    EXPECT_EQ(multMatrix(s.get(), n.get(), 0), 51);
    EXPECT_EQ(multMatrix(s.get(), n.get(), 1), 9);
}

TEST(ArithmeticMultiply, ComplexProductsAndScaling) {
    MatrixPtr a = scalar(1, 2), b = scalar(3, -1);
    EXPECT_EQ(multMatrix(a.get(), b.get(), 0), 0);
    EXPECT_EQ(a->re[0], 5);
    EXPECT_EQ(a->im[0], 5);

    MatrixPtr two = scalar(2), three = scalar(3);
    multMatrix(two.get(), three.get(), 0);
    EXPECT_EQ(two->re[0], 6);
    EXPECT_EQ(two->im[0], 0.0);
    EXPECT_FALSE(std::signbit(two->im[0]));

    // A real scalar multiplies both parts; a complex one forms full products.
    MatrixPtr m = complexMatrix(1, 2, {{1, 1}, {2, -1}});
    MatrixPtr half = scalar(0.5);
    EXPECT_EQ(multMatrix(m.get(), half.get(), 0), 0);
    EXPECT_EQ(realParts(m.get()), (std::vector<double>{0.5, 1}));
    EXPECT_EQ(imagParts(m.get()), (std::vector<double>{0.5, -0.5}));
    MatrixPtr i = scalar(0, 1);
    EXPECT_EQ(multMatrix(m.get(), i.get(), 0), 0);
    EXPECT_EQ(realParts(m.get()), (std::vector<double>{-0.5, 0.5}));
    EXPECT_EQ(imagParts(m.get()), (std::vector<double>{0.5, 1}));

    // Scalar times matrix: the product is formed in the matrix operand too.
    MatrixPtr k = scalar(10), v = real(2, 1, {1, 2});
    EXPECT_EQ(multMatrix(k.get(), v.get(), 0), 0);
    EXPECT_EQ(k->kind, LATTIX_KIND_MATRIX_VALUE);
    EXPECT_EQ(realParts(k.get()), (std::vector<double>{10, 20}));
    EXPECT_EQ(realParts(v.get()), (std::vector<double>{10, 20}));
}

TEST(ArithmeticDivide, QuotientRuleAndZeroDivisors) {
    MatrixPtr a = scalar(1, 2), b = scalar(1, 1);
    EXPECT_EQ(divMatrix(a.get(), b.get(), 0), 0);
    EXPECT_DOUBLE_EQ(a->re[0], 1.5);
    EXPECT_DOUBLE_EQ(a->im[0], 0.5);

    MatrixPtr one = scalar(1), zero = scalar(0);
    EXPECT_EQ(divMatrix(one.get(), zero.get(), 0), 52);
    MatrixPtr c = scalar(1, 2);
    EXPECT_EQ(divMatrix(c.get(), zero.get(), 0), 52);
    MatrixPtr z = scalar(3);
    MatrixPtr cz = scalar(0, 0);
    EXPECT_EQ(divMatrix(z.get(), cz.get(), 1), 52);

    // Element-wise: the zero divisor stops at its element, earlier ones are divided.
    MatrixPtr v = real(1, 2, {1, 2}), w = real(1, 2, {4, 0});
    EXPECT_EQ(divMatrix(v.get(), w.get(), 1), 52);
    EXPECT_EQ(v->re[0], 0.25);
    EXPECT_EQ(v->re[1], 2);

    // Matrix by scalar: a reciprocal multiply.
    MatrixPtr m = real(1, 3, {1, 3, 10}), four = scalar(4);
    EXPECT_EQ(divMatrix(m.get(), four.get(), 0), 0);
    EXPECT_EQ(realParts(m.get()), (std::vector<double>{0.25, 0.75, 2.5}));
    MatrixPtr t = real(1, 1, {0});
    MatrixPtr three = real(1, 2, {3, 3}), tz = scalar(0);
    EXPECT_EQ(divMatrix(three.get(), tz.get(), 0), 52);
    MatrixPtr n = real(1, 2, {3, 3}), third = scalar(3);
    divMatrix(n.get(), third.get(), 0);
    EXPECT_EQ(n->re[0], 3 * (1.0 / 3));

    MatrixPtr cm = complexMatrix(1, 2, {{2, 2}, {0, 4}}), ci = scalar(0, 2);
    EXPECT_EQ(divMatrix(cm.get(), ci.get(), 0), 0);
    EXPECT_EQ(realParts(cm.get()), (std::vector<double>{1, 2}));
    EXPECT_EQ(imagParts(cm.get()), (std::vector<double>{-1, 0}));

    MatrixPtr x = real(2, 3, {1, 2, 3, 4, 5, 6}), y = real(2, 3, {1, 2, 3, 4, 5, 6});
    EXPECT_EQ(divMatrix(x.get(), y.get(), 0), 51);
    MatrixPtr s = scalar(1), mat = real(1, 2, {1, 2});
    EXPECT_EQ(divMatrix(s.get(), mat.get(), 0), 51);
    MatrixPtr str = text(u"a"), d = scalar(2);
    EXPECT_EQ(divMatrix(str.get(), d.get(), 0), 51);
    EXPECT_EQ(divMatrix(str.get(), d.get(), 1), 9);
}

TEST(ArithmeticSpecialValues, InfinityAndNanPassThrough) {
    MatrixPtr a = scalar(INFINITY), b = scalar(2);
    EXPECT_EQ(multMatrix(a.get(), b.get(), 0), 0);
    EXPECT_TRUE(std::isinf(a->re[0]));
    MatrixPtr n = scalar(NAN), d = scalar(2);
    EXPECT_EQ(divMatrix(n.get(), d.get(), 0), 0);
    EXPECT_TRUE(std::isnan(n->re[0]));
    MatrixPtr big = scalar(1e308), ten = scalar(10);
    EXPECT_EQ(multMatrix(big.get(), ten.get(), 0), 0);  // overflow is not reported
    EXPECT_TRUE(std::isinf(big->re[0]));
}

TEST(ArithmeticNull, RefusedWithoutTouchingTheOther) {
    MatrixPtr a = scalar(1);
    EXPECT_EQ(addMatrix(a.get(), nullptr, 0), 51);
    EXPECT_EQ(multMatrix(nullptr, a.get(), 1), 51);
    EXPECT_EQ(divMatrix(a.get(), nullptr, 0), 51);
    EXPECT_EQ(a->re[0], 1);
}
