// Exhausted memory: the message, and values built on the emergency reserve.
#include <gtest/gtest.h>

#include <cstring>

#include "heap_failures.h"
#include "lattix.h"
#include "matrix_builders.h"
#include "platform/message_box.h"
#include "scripted_backend.h"

using namespace lattix::testing;
using orvana::testing::HeapFailures;
using orvana::testing::ScriptedBackend;

namespace {

void expectOutOfMemoryMessage(const ScriptedBackend& ui, size_t count = 1) {
    ASSERT_EQ(ui.messageBoxes().size(), count);
    for (const auto& box : ui.messageBoxes()) {
        EXPECT_EQ(box.text, u"Out of memory.\nQuit Orvana immediately!");
        EXPECT_EQ(box.caption, u"Orvana");
        EXPECT_EQ(box.owner, nullptr);
        EXPECT_EQ(box.style & PLATFORM_MB_ICON_MASK, PLATFORM_MB_ICONSTOP);
        EXPECT_EQ(box.style & PLATFORM_MB_BUTTON_MASK, PLATFORM_MB_OK);
        EXPECT_NE(box.style & PLATFORM_MB_SETFOREGROUND, 0u);
    }
}

}  // namespace

TEST(OutOfMemory, SmallValueIsBuiltOnTheReserve) {
    ScriptedBackend ui;
    MatrixPtr m;
    {
        HeapFailures failures(0, -1, 64);  // arrays fail, records don't
        m.reset(newMatrix(10, 10));
    }
    expectOutOfMemoryMessage(ui);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->rows, 10);
    EXPECT_EQ(m->cols, 10);
    EXPECT_EQ(m->kind, LATTIX_KIND_MATRIX_VALUE);
    EXPECT_EQ(m->re, m->im);  // both on the shared reserve
    // The operation can go on writing its elements without a fault.
    for (int k = 0; k < 100; ++k) m->re[k] = m->im[k] = k;

    // A second value may share the reserve; freeing both must not free it.
    MatrixPtr n;
    {
        HeapFailures failures(0, -1, 64);
        n.reset(newMatrix(50, 100));
    }
    EXPECT_EQ(n->re, m->re);
    m.reset();
    n.reset();

    // The reserve is still there for the next failure, and normal
    // allocations work again.
    MatrixPtr fine(newMatrix(3, 3));
    EXPECT_NE(fine->re, fine->im);
    {
        HeapFailures failures(0, -1, 64);
        MatrixPtr again(newMatrix(20, 20));
        again->re[399] = 1.0;
    }
    expectOutOfMemoryMessage(ui, 3);
}

TEST(OutOfMemory, RequestsBeyondTheReserveGetNoStorage) {
    ScriptedBackend ui;
    MatrixPtr m = real(2, 2, {1, 2, 3, 4});
    {
        HeapFailures failures(0, -1, 64);
        EXPECT_EQ(resizeMatrix(m.get(), 100, 100), 1);  // 10000 slots > 5000
    }
    expectOutOfMemoryMessage(ui);
    EXPECT_EQ(m->kind, LATTIX_KIND_EMPTY);
    EXPECT_EQ(m->rows, 0);
    EXPECT_EQ(m->re, nullptr);

    MatrixPtr big;
    {
        HeapFailures failures(0, -1, 64);
        big.reset(newMatrix(200, 200));
    }
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->kind, LATTIX_KIND_EMPTY);
    EXPECT_EQ(big->re, nullptr);
}

TEST(OutOfMemory, ArithmeticWithoutRoomForItsResultReportsTooBig) {
    ScriptedBackend ui;
    std::mt19937_64 rng(7);
    MatrixPtr a = randomMatrix(rng, 80, 80, true);
    MatrixPtr b = randomMatrix(rng, 80, 80, true);
    HeapFailures failures(0, -1, 64);
    EXPECT_EQ(multMatrix(a.get(), b.get(), 0), 62);
    EXPECT_EQ(a->rows, 80);  // the operand keeps its value

    MatrixPtr s = scalar(2);
    EXPECT_EQ(addMatrix(s.get(), a.get(), 1), 62);
    EXPECT_GE(ui.messageBoxes().size(), 1u);
}

TEST(OutOfMemory, PackingKeepsTheOldArraysWhenNewOnesFail) {
    ScriptedBackend ui;
    MatrixPtr m(newMatrix(4, 4));
    m->re[0] = 3.0;
    m->im[1] = -2.0;
    resizeMatrix(m.get(), 1, 2);
    {
        HeapFailures failures;
        packMatrix(m.get());
    }
    expectOutOfMemoryMessage(ui);
    EXPECT_EQ(m->capacity, 16);
    EXPECT_EQ(m->re[0], 3.0);
    EXPECT_EQ(m->im[1], -2.0);
}

TEST(OutOfMemory, StringsOnTheReserveStayTerminated) {
    ScriptedBackend ui;
    MatrixPtr s(newMatrix(0, 0));
    {
        HeapFailures failures;
        copyStrMatrix(s.get(), u"kept");
    }
    EXPECT_EQ(s->kind, LATTIX_KIND_STRING);
    EXPECT_EQ(textOf(s.get()), u"kept");
    // Overwriting the whole reserve through another value removes every
    // terminator; reading the string must still stay inside the reserve.
    MatrixPtr filler;
    {
        HeapFailures failures(0, -1, 64);
        filler.reset(newMatrix(50, 100));
    }
    std::memset(filler->re, 0x41, 5000 * sizeof(double));
    MatrixPtr copy(newMatrix(0, 0));
    EXPECT_EQ(copyMatMatrix(copy.get(), s.get()), 1);
    EXPECT_EQ(copy->kind, LATTIX_KIND_STRING);
    EXPECT_EQ(textOf(copy.get()).size(), 5000u * 4 - 1);
}

TEST(OutOfMemory, RecordsComeFromAnEmergencyPool) {
    ScriptedBackend ui;
    std::vector<MatrixPtr> values;
    {
        HeapFailures failures;  // every allocation fails, records included
        for (int i = 0; i < 20; ++i) values.emplace_back(newMatrix(1, 1));
    }
    int made = 0;
    for (auto& v : values) {
        if (v == nullptr) continue;
        ++made;
        EXPECT_EQ(v->kind, LATTIX_KIND_SCALAR);
        v->re[0] = 1.0;
    }
    EXPECT_GT(made, 0);
    values.clear();  // pool records go back to the pool
    HeapFailures failures;
    MatrixPtr again(newMatrix(0, 0));
    EXPECT_NE(again, nullptr);
}
