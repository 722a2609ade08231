// Creating, reshaping, packing and copying values.
#include <gtest/gtest.h>

#include "lattix.h"
#include "matrix_builders.h"

using namespace lattix::testing;

TEST(StorageNew, KindFollowsShapeAndElementsStartAtZero) {
    MatrixPtr one(newMatrix(1, 1));
    EXPECT_EQ(one->kind, LATTIX_KIND_SCALAR);
    EXPECT_EQ(one->capacity, 1);

    MatrixPtr m(newMatrix(2, 3));
    EXPECT_EQ(m->kind, LATTIX_KIND_MATRIX_VALUE);
    EXPECT_EQ(m->capacity, 6);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(m->re[k], 0.0);
        EXPECT_EQ(m->im[k], 0.0);
    }

    MatrixPtr empty(newMatrix(0, 5));
    EXPECT_EQ(empty->kind, LATTIX_KIND_EMPTY);
    EXPECT_EQ(empty->capacity, 0);
    EXPECT_EQ(empty->re, nullptr);
    EXPECT_EQ(empty->im, nullptr);
    EXPECT_EQ(empty->rows * empty->cols, 0);
}

TEST(StorageNew, CapacityIsKeptModulo65536) {
    MatrixPtr big(newMatrix(300, 300));  // 90000 elements
    EXPECT_EQ(big->capacity, 90000 % 65536);
    EXPECT_EQ(big->re[89999], 0.0);
    // Room is always allocated anew, so growing past the wrapped capacity
    // gives a fresh, larger array.
    EXPECT_EQ(resizeMatrix(big.get(), 301, 300), 1);
    big->re[301 * 300 - 1] = 7.0;
    EXPECT_EQ(big->capacity, (301 * 300) % 65536);
}

TEST(StorageResize, KeepsSlotOrderAndCapacity) {
    MatrixPtr m = real(2, 2, {1, 2, 3, 4});
    ASSERT_EQ(resizeMatrix(m.get(), 1, 4), 1);
    EXPECT_EQ(m->kind, LATTIX_KIND_MATRIX_VALUE);
    EXPECT_EQ(realParts(m.get()), (std::vector<double>{1, 2, 3, 4}));

    ASSERT_EQ(resizeMatrix(m.get(), 1, 1), 1);
    EXPECT_EQ(m->kind, LATTIX_KIND_SCALAR);
    EXPECT_EQ(m->capacity, 4);

    ASSERT_EQ(resizeMatrix(m.get(), 3, 2), 1);  // grows: old slots first, new ones 0
    EXPECT_EQ(m->capacity, 6);
    EXPECT_EQ(realParts(m.get()), (std::vector<double>{1, 2, 3, 4, 0, 0}));

    ASSERT_EQ(resizeMatrix(m.get(), 0, 0), 1);
    EXPECT_EQ(m->kind, LATTIX_KIND_EMPTY);
    EXPECT_EQ(m->capacity, 0);
    EXPECT_EQ(m->re, nullptr);
    EXPECT_EQ(m->im, nullptr);

    EXPECT_EQ(resizeMatrix(nullptr, 2, 2), 0);
}

TEST(StoragePack, FreesOnlyWhenFiveSlotsWouldBeGained) {
    MatrixPtr m(newMatrix(2, 4));  // capacity 8
    resizeMatrix(m.get(), 2, 2);
    EXPECT_EQ(packMatrix(m.get()), 1);
    EXPECT_EQ(m->capacity, 8);  // 4 is not below 8 - 4

    MatrixPtr n(newMatrix(3, 3));  // capacity 9
    n->re[0] = 1;
    n->re[3] = 4;
    n->im[3] = -4;
    resizeMatrix(n.get(), 2, 2);
    packMatrix(n.get());
    EXPECT_EQ(n->capacity, 4);
    EXPECT_EQ(n->re[0], 1);
    EXPECT_EQ(n->re[3], 4);
    EXPECT_EQ(n->im[3], -4);

    MatrixPtr s(newMatrix(2, 2));
    copyValMatrix(s.get(), 2.5, -1);
    packMatrix(s.get());
    EXPECT_EQ(s->capacity, 1);
    EXPECT_EQ(s->re[0], 2.5);
    EXPECT_EQ(s->im[0], -1);

    EXPECT_EQ(packMatrix(nullptr), 1);
}

TEST(StoragePack, StringsKeepTheirText) {
    MatrixPtr m(newMatrix(4, 4));  // 16 slots
    copyStrMatrix(m.get(), u"abc");
    EXPECT_EQ(m->capacity, 16);
    packMatrix(m.get());
    EXPECT_EQ(m->capacity, 2);  // (3 + 1) div 4 + 1
    EXPECT_EQ(textOf(m.get()), u"abc");
}

TEST(StorageStrings, SlotCountIncludesTerminatorAndOneMore) {
    MatrixPtr m(newMatrix(0, 0));
    EXPECT_EQ(copyStrMatrix(m.get(), u""), 1);
    EXPECT_EQ(m->capacity, 1);
    EXPECT_EQ(m->kind, LATTIX_KIND_STRING);
    EXPECT_EQ(m->rows + m->cols, 0);
    EXPECT_EQ(textOf(m.get()), u"");

    EXPECT_EQ(copyStrMatrix(m.get(), u"seven77"), 1);
    EXPECT_EQ(m->capacity, 3);
    EXPECT_EQ(textOf(m.get()), u"seven77");

    EXPECT_EQ(copyStrMatrix(nullptr, u"x"), 0);
    EXPECT_EQ(copyStrMatrix(m.get(), nullptr), 0);
    EXPECT_EQ(textOf(m.get()), u"seven77");
}

TEST(StorageStrings, TextFromTheValueItself) {
    MatrixPtr m = text(u"ab");
    // A text taken from the value's own storage, needing more room than it has.
    std::u16string longer = u"abcdefghijklmnopqrstuvwxyz";
    copyStrMatrix(m.get(), longer.c_str());
    copyStrMatrix(m.get(), reinterpret_cast<const char16_t*>(m->re) + 2);
    EXPECT_EQ(textOf(m.get()), u"cdefghijklmnopqrstuvwxyz");
}

TEST(StorageCopy, IndependentCopiesOfEveryKind) {
    MatrixPtr src = complexMatrix(2, 2, {{1, 1}, {2, 0}, {3, -3}, {4, 0}});
    MatrixPtr dst(newMatrix(0, 0));
    EXPECT_EQ(copyMatMatrix(dst.get(), src.get()), 1);
    EXPECT_TRUE(sameBits(dst.get(), src.get()));
    src->re[0] = 99;
    EXPECT_EQ(dst->re[0], 1);

    MatrixPtr big(newMatrix(5, 5));  // a larger destination keeps its arrays
    double* arrays = big->re;
    copyMatMatrix(big.get(), src.get());
    EXPECT_EQ(big->re, arrays);
    EXPECT_EQ(big->capacity, 25);
    EXPECT_EQ(big->kind, LATTIX_KIND_MATRIX_VALUE);

    MatrixPtr s = text(u"hello world");
    copyMatMatrix(dst.get(), s.get());
    EXPECT_EQ(dst->kind, LATTIX_KIND_STRING);
    EXPECT_EQ(textOf(dst.get()), u"hello world");

    MatrixPtr code(newMatrix(0, 0));
    copyRPNMatrix(code.get(), 42);
    copyMatMatrix(dst.get(), code.get());
    EXPECT_EQ(dst->kind, LATTIX_KIND_RPN_CODE);
    EXPECT_EQ(dst->re[0], 42.0);

    EXPECT_EQ(copyMatMatrix(nullptr, src.get()), 0);
    EXPECT_EQ(copyMatMatrix(dst.get(), nullptr), 0);
    EXPECT_EQ(copyMatMatrix(dst.get(), dst.get()), 1);
    EXPECT_EQ(dst->re[0], 42.0);
}

TEST(StorageCopy, ValueIntoAMatrixKeepsItsArrays) {
    MatrixPtr m(newMatrix(3, 3));
    double* arrays = m->re;
    EXPECT_EQ(copyValMatrix(m.get(), 0, 1), 1);
    EXPECT_EQ(m->kind, LATTIX_KIND_SCALAR);
    EXPECT_EQ(m->rows, 1);
    EXPECT_EQ(m->cols, 1);
    EXPECT_EQ(m->capacity, 9);
    EXPECT_EQ(m->re, arrays);
    EXPECT_EQ(m->im[0], 1.0);

    MatrixPtr e(newMatrix(0, 0));
    EXPECT_EQ(copyValMatrix(e.get(), -1, 0), 1);
    EXPECT_EQ(e->capacity, 1);
    EXPECT_EQ(e->re[0], -1.0);
    EXPECT_EQ(copyValMatrix(nullptr, 1, 1), 0);
}

TEST(StorageCompatible, ScalarsExpandToTheMatrixShape) {
    MatrixPtr s = scalar(2, 1);
    MatrixPtr m(newMatrix(2, 3));
    EXPECT_EQ(makeCompatibleVector(s.get(), m.get()), 6u);
    EXPECT_EQ(s->rows, 2);
    EXPECT_EQ(s->cols, 3);
    EXPECT_EQ(s->kind, LATTIX_KIND_MATRIX_VALUE);
    for (int k = 0; k < 6; ++k) {
        EXPECT_EQ(s->re[k], 2.0);
        EXPECT_EQ(s->im[k], 1.0);
    }

    MatrixPtr t = scalar(5);
    EXPECT_EQ(makeCompatibleVector(m.get(), t.get()), 6u);
    EXPECT_EQ(t->rows, 2);
    EXPECT_EQ(t->re[5], 5.0);

    MatrixPtr a(newMatrix(2, 3)), b(newMatrix(3, 2));
    EXPECT_EQ(makeCompatibleVector(a.get(), b.get()), 0u);
    MatrixPtr x = scalar(1), y = scalar(2);
    EXPECT_EQ(makeCompatibleVector(x.get(), y.get()), 1u);
    MatrixPtr p = text(u"a"), q = text(u"b");
    EXPECT_EQ(makeCompatibleVector(p.get(), q.get()), 0u);
    MatrixPtr e(newMatrix(0, 0));
    EXPECT_EQ(makeCompatibleVector(e.get(), x.get()), 0u);
}

TEST(StorageRpn, CodeInFirstSlot) {
    MatrixPtr m(newMatrix(0, 0));
    EXPECT_EQ(copyRPNMatrix(m.get(), 7), 1);
    EXPECT_EQ(m->kind, LATTIX_KIND_RPN_CODE);
    EXPECT_EQ(m->capacity, 1);
    EXPECT_EQ(m->re[0], 7.0);
    EXPECT_EQ(copyRPNMatrix(nullptr, 7), 0);
}

TEST(StorageDelete, NullIsRefused) { EXPECT_EQ(delMatrix(nullptr), 0); }
