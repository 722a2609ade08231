// The long kernels stop part way through once the user asks, with status 65,
// and give the same bits as ever when nobody asks.
#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

#include "lattix.h"
#include "long_work_stop.h"
#include "matrix_builders.h"

using namespace lattix::testing;
using orvana::testing::LongWorkStop;

namespace {

struct LongOperation {
    std::string name;
    // Runs the operation on fresh operands; the status, and the result in
    // `out`.
    std::function<uint16_t(Matrix* out)> run;
};

MatrixPtr operand(uint16_t rows, uint16_t cols, uint64_t seed, bool complexValues = true) {
    std::mt19937_64 rng(seed);
    return randomMatrix(rng, rows, cols, complexValues);
}

// An operation in place on a copy of the operand.
uint16_t inPlace(Matrix* out, const MatrixPtr& operand, uint16_t (*op)(Matrix*)) {
    copyMatMatrix(out, operand.get());
    return op(out);
}

std::vector<LongOperation> operations() {
    return {
        {"product",
         [](Matrix* out) {
             MatrixPtr b = operand(64, 64, 2);
             copyMatMatrix(out, operand(64, 64, 1).get());
             return multMatrix(out, b.get(), 0);
         }},
        {"inverse", [](Matrix* out) { return inPlace(out, operand(96, 96, 3), invMatrix); }},
        {"determinant",
         [](Matrix* out) {
             double re = 0.0, im = 0.0;
             const uint16_t status = detMatrix(operand(96, 96, 4).get(), &re, &im);
             copyValMatrix(out, re, im);
             return status;
         }},
        {"reduced echelon form",
         [](Matrix* out) { return inPlace(out, operand(64, 65, 5), rrefMatrix); }},
        {"polynomial roots",
         [](Matrix* out) { return polyMatrix(operand(101, 1, 6, false).get(), out); }},
    };
}

TEST(LongWorkStop, EveryLongKernelStopsPartWayWithStatus65) {
    for (const LongOperation& op : operations()) {
        SCOPED_TRACE(op.name);
        MatrixPtr out(newMatrix(0, 0));
        const LongWorkStop stop(2);  // pressed at the second look
        EXPECT_EQ(op.run(out.get()), 65);
        // It went on after the first look and asked no more after the press.
        EXPECT_EQ(stop.pointerPolls(), 2);
        EXPECT_TRUE(stop.stopped());
    }
}

TEST(LongWorkStop, AStoppedPeriodStopsTheNextKernelAtOnce) {
    const LongWorkStop stop(1);
    MatrixPtr first(newMatrix(0, 0));
    EXPECT_EQ(operations()[0].run(first.get()), 65);
    for (const LongOperation& op : operations()) {
        SCOPED_TRACE(op.name);
        MatrixPtr out(newMatrix(0, 0));
        EXPECT_EQ(op.run(out.get()), 65);
    }
    EXPECT_EQ(stop.pointerPolls(), 1);
}

TEST(LongWorkStop, ResultsAreBitIdenticalWhenTheLongPeriodIsNotStopped) {
    for (const LongOperation& op : operations()) {
        SCOPED_TRACE(op.name);
        MatrixPtr plain(newMatrix(0, 0));
        const uint16_t plainStatus = op.run(plain.get());
        MatrixPtr polled(newMatrix(0, 0));
        {
            const LongWorkStop nobodyPresses(0);
            EXPECT_EQ(op.run(polled.get()), plainStatus);
            EXPECT_GT(nobodyPresses.pointerPolls(), 0);
        }
        EXPECT_TRUE(sameBits(plain.get(), polled.get()));
    }
}

}  // namespace
