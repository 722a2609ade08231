// The Scientific library's stack discipline and operand rules: which kinds
// each operator accepts, how the element-wise flag widens them, where the
// result goes and what the top index does.
#include <cmath>

#include "keypad_module_fixture.h"

namespace {

using keypad_testing::Element;
using keypad_testing::elementsOf;
using keypad_testing::KeypadModule;
using keypad_testing::ValueStack;

constexpr OperatorCode kPi = 0x0100, kSin = 0x0415, kSqrt = 0x0F15, kLn = 0x1115, kNrt = 0x0F25,
                       kRect = 0x1325, kPolar = 0x1425, kConj = 0x1515, kAtanyx = 0x1525,
                       kAbs = 0x1615, kArg = 0x1715, kPower = 0x0103, kAt = 0x0203,
                       kSquare = 0x0104, kCube = 0x0204;

class ScientificStack : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { module = new KeypadModule(ORVANA_SCIENTIFIC_MODULE); }
    static void TearDownTestSuite() { delete module; }
    void SetUp() override { ASSERT_TRUE(module->complete()) << module->missing(); }

    int32_t apply(OperatorCode op, int32_t degrees = 0, int32_t elementwise = 0) {
        return module->library().doOperation(op, degrees, elementwise, stack.base(), stack.top(),
                                             nullptr);
    }

    static KeypadModule* module;
    ValueStack stack;
};
KeypadModule* ScientificStack::module = nullptr;

TEST_F(ScientificStack, PiPushesOneValue) {
    EXPECT_EQ(apply(kPi), 0);
    EXPECT_EQ(*stack.top(), 5);
    EXPECT_EQ(stack.at(5).re[0], 3.141592653589793);
    EXPECT_EQ(stack.at(5).kind, LATTIX_KIND_SCALAR);
    // The element-wise flag does not look at whatever stands below.
    copyStrMatrix(&stack.at(5), u"left over");
    EXPECT_EQ(apply(kPi, 0, 1), 0);
    EXPECT_EQ(*stack.top(), 6);
}

TEST_F(ScientificStack, FunctionsNeedScalarsUnlessElementwise) {
    stack.pushMatrix(1, 2, {{0, 0}, {90, 0}});
    EXPECT_EQ(apply(kSin, 1), 55);
    EXPECT_EQ(elementsOf(stack.topEntry())[1].re, 90);  // unchanged
    EXPECT_EQ(apply(kSin, 1, 1), 0);
    const auto out = elementsOf(stack.topEntry());
    EXPECT_EQ(out[0].re, 0);
    EXPECT_EQ(out[1].re, 1);
    EXPECT_EQ(*stack.top(), 5);
    stack.pushString(u"text");
    EXPECT_EQ(apply(kSin, 0, 0), 55);
    EXPECT_EQ(apply(kSin, 0, 1), 9);
    EXPECT_EQ(apply(kAbs, 0, 1), 9);
}

TEST_F(ScientificStack, AFailingElementKeepsTheOnesBefore) {
    stack.pushMatrix(1, 3, {{4, 0}, {0, 0}, {9, 0}});
    EXPECT_EQ(apply(kLn, 0, 1), 14);
    const auto out = elementsOf(stack.topEntry());
    EXPECT_EQ(out[0].re, std::log(4.0));
    EXPECT_EQ(out[1].re, 0);
    EXPECT_EQ(out[2].re, 9);
}

TEST_F(ScientificStack, WholeValueFunctionsIgnoreTheFlag) {
    stack.pushMatrix(1, 2, {{3, 4}, {-2, 0}});
    EXPECT_EQ(apply(kAbs), 0);
    auto out = elementsOf(stack.topEntry());
    EXPECT_EQ(out[0].re, 5);
    EXPECT_EQ(out[1].re, 2);
    EXPECT_EQ(out[0].im, 0);
    stack.pushMatrix(2, 1, {{1, 2}, {3, -4}});
    EXPECT_EQ(apply(kConj), 0);
    out = elementsOf(stack.topEntry());
    EXPECT_EQ(out[0].im, -2);
    EXPECT_EQ(out[1].im, 4);
    stack.pushMatrix(1, 2, {{0, 1}, {-1, 0}});
    EXPECT_EQ(apply(kArg, 1), 0);
    out = elementsOf(stack.topEntry());
    EXPECT_EQ(out[0].re, std::atan2(1.0, 0.0) * 57.2957795131);
    EXPECT_EQ(out[1].re, std::atan2(0.0, -1.0) * 57.2957795131);
    EXPECT_EQ(*stack.top(), 7);
    stack.pushString(u"s");
    EXPECT_EQ(apply(kConj), 9);
    EXPECT_EQ(apply(kAbs), 9);
    EXPECT_EQ(apply(kArg), 9);
}

TEST_F(ScientificStack, InfixOperatorsPopTheRightOperand) {
    stack.push(2);
    stack.push(10);
    EXPECT_EQ(apply(kPower), 0);
    EXPECT_EQ(*stack.top(), 5);
    EXPECT_NEAR(stack.at(5).re[0], 1024, 1e-12);

    stack.pushMatrix(1, 3, {{1, 0}, {2, 0}, {4, 0}});
    stack.push(2);
    EXPECT_EQ(apply(kPower), 55);
    EXPECT_EQ(*stack.top(), 7);
    EXPECT_EQ(apply(kPower, 0, 1), 0);  // the scalar is widened
    EXPECT_EQ(*stack.top(), 6);
    const auto out = elementsOf(stack.topEntry());
    ASSERT_EQ(out.size(), 3u);
    EXPECT_NEAR(out[2].re, 16, 1e-12);

    stack.pushMatrix(1, 2, {{1, 0}, {2, 0}});
    stack.pushMatrix(2, 1, {{1, 0}, {2, 0}});
    EXPECT_EQ(apply(kAt, 1, 1), 9);
    EXPECT_EQ(*stack.top(), 8);
}

TEST_F(ScientificStack, NrtFollowsThePowerRules) {
    stack.pushMatrix(1, 2, {{-8, 0}, {27, 0}});
    stack.push(3);
    EXPECT_EQ(apply(kNrt), 55);
    EXPECT_EQ(apply(kNrt, 0, 1), 0);
    const auto out = elementsOf(stack.topEntry());
    EXPECT_NEAR(out[0].re, -2, 1e-15);
    EXPECT_NEAR(out[1].re, 3, 1e-14);
    EXPECT_EQ(*stack.top(), 5);
}

TEST_F(ScientificStack, RectAndPolarMakeAColumn) {
    stack.push(2, 5);  // imaginary parts are ignored
    stack.push(90);
    EXPECT_EQ(apply(kRect, 1), 0);
    EXPECT_EQ(*stack.top(), 5);
    ASSERT_EQ(stack.at(5).rows, 2);
    ASSERT_EQ(stack.at(5).cols, 1);
    EXPECT_NEAR(stack.at(5).re[0], 0, 1e-15);
    EXPECT_EQ(stack.at(5).re[1], 2);
    EXPECT_EQ(stack.at(5).im[0], 0);
    EXPECT_EQ(stack.at(5).im[1], 0);

    stack.push(-1);
    stack.push(1);
    EXPECT_EQ(apply(kPolar, 1), 0);
    ASSERT_EQ(stack.at(6).rows, 2);
    EXPECT_EQ(stack.at(6).re[0], std::sqrt(2.0));
    EXPECT_EQ(stack.at(6).re[1], std::atan2(1.0, -1.0) * 57.29577951308232);
    EXPECT_EQ(*stack.top(), 6);

    stack.pushMatrix(1, 2, {{1, 0}, {2, 0}});
    stack.push(1);
    EXPECT_EQ(apply(kRect), 55);
    EXPECT_EQ(apply(kPolar), 55);
    EXPECT_EQ(*stack.top(), 8);
}

TEST_F(ScientificStack, AtanyxKeepsTheQuadrant) {
    stack.push(1);
    stack.push(-1);
    EXPECT_EQ(apply(kAtanyx, 1), 0);
    EXPECT_EQ(stack.at(5).re[0], 135);
    EXPECT_EQ(*stack.top(), 5);
    stack.push(-1, 3);
    stack.push(-1);
    EXPECT_EQ(apply(kAtanyx, 0), 0);
    EXPECT_EQ(stack.at(6).re[0], std::atan2(-1.0, -1.0));
    EXPECT_EQ(stack.at(6).im[0], 0);
    stack.pushString(u"y");
    stack.push(1);
    EXPECT_EQ(apply(kAtanyx), 55);
}

TEST_F(ScientificStack, AtanyxTakesEveryElementOfMatchingShapes) {
    stack.pushMatrix(1, 2, {{1, 0}, {2, 0}});
    stack.pushMatrix(1, 2, {{-1, 0}, {5, 7}});
    EXPECT_EQ(apply(kAtanyx), 0);
    EXPECT_EQ(*stack.top(), 5);
    const auto out = elementsOf(stack.at(5));
    ASSERT_EQ(out.size(), 2u);
    EXPECT_EQ(out[0].re, std::atan2(1.0, -1.0));
    EXPECT_EQ(out[1].re, std::atan2(2.0, 5.0));
    EXPECT_EQ(out[1].im, 0);
    // Other shapes are refused.
    const std::vector<Element> three{{1, 0}, {2, 0}, {3, 0}};
    stack.pushMatrix(1, 3, three);
    stack.pushMatrix(3, 1, three);
    EXPECT_EQ(apply(kAtanyx), 51);
    stack.pushMatrix(1, 3, three);
    stack.push(1);
    EXPECT_EQ(apply(kAtanyx), 51);
}

TEST_F(ScientificStack, SquareAndCubeAreProducts) {
    stack.push(3);
    EXPECT_EQ(apply(kSquare), 0);
    EXPECT_EQ(stack.topEntry().re[0], 9);
    EXPECT_EQ(apply(kCube), 0);
    EXPECT_EQ(stack.topEntry().re[0], 729);
    EXPECT_EQ(*stack.top(), 5);

    stack.pushMatrix(2, 2, {{1, 0}, {2, 0}, {3, 0}, {4, 0}});
    EXPECT_EQ(apply(kSquare), 0);  // a matrix product
    auto out = elementsOf(stack.topEntry());
    EXPECT_EQ(out[0].re, 7);
    EXPECT_EQ(out[3].re, 22);
    stack.pushMatrix(1, 2, {{2, 0}, {3, 0}});
    EXPECT_NE(apply(kCube), 0);  // not square
    EXPECT_EQ(apply(kCube, 0, 1), 0);
    out = elementsOf(stack.topEntry());
    EXPECT_EQ(out[0].re, 8);
    EXPECT_EQ(out[1].re, 27);
    stack.push(0, 1);
    EXPECT_EQ(apply(kSquare), 0);
    EXPECT_EQ(stack.topEntry().re[0], -1);
}

TEST_F(ScientificStack, UnknownCodesChangeNothing) {
    stack.push(7);
    for (OperatorCode op : {0x0000, 0x9915, 0x0105, 0x0101}) {
        EXPECT_EQ(apply(OperatorCode(op)), 0);
        EXPECT_EQ(*stack.top(), 5);
        EXPECT_EQ(stack.topEntry().re[0], 7);
    }
    EXPECT_EQ(module->library().doOperation(kSqrt, 0, 0, nullptr, stack.top(), nullptr), 0);
    // A top index outside the records is refused, not followed.
    *stack.top() = 0;
    EXPECT_EQ(apply(kPower), 11);
    *stack.top() = 89;
    EXPECT_EQ(apply(kPi), 13);
    *stack.top() = 5;
}

}  // namespace
