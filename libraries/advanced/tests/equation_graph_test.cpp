// roots, rk and lti, and the curves doGraph draws for rk, lti and the
// running integral of integ, reached through the engine's graph run.
#include <cmath>
#include <functional>

#include "advanced_test_support.h"
#include "engine/evaluator.h"
#include "engine/parser.h"
#include "engine/value_stack.h"
#include "platform/heap.h"

namespace advanced_testing {
namespace {

using Equations = AdvancedTest;

TEST_F(Equations, PolynomialRoots) {
    const Outcome quadratic = run(u"roots(1,-3,2)");
    ASSERT_EQ(quadratic.status, 0);
    ASSERT_EQ(quadratic.rows(), 2);
    EXPECT_NEAR(quadratic.re(0), 1.0, 1e-14);
    EXPECT_NEAR(quadratic.re(1), 2.0, 1e-14);

    const Outcome complexPair = run(u"roots({4,5,6})");
    ASSERT_EQ(complexPair.status, 0);
    ASSERT_EQ(complexPair.rows(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_NEAR(complexPair.re(i), -0.625, 1e-12);
        EXPECT_NEAR(std::fabs(complexPair.im(i)), std::sqrt(71.0) / 8.0, 1e-12);
    }
    const Outcome single = run(u"roots(2,-10)");
    EXPECT_EQ(single.value->kind, LATTIX_KIND_SCALAR);
    EXPECT_EQ(single.re(), 5.0);
    EXPECT_EQ(run(u"roots({1,0,0})").reals(), (std::vector<double>{0, 0}));
    EXPECT_EQ(run(u"roots(0,5)").value->kind, LATTIX_KIND_EMPTY);
    // Only real parts count.
    EXPECT_EQ(run(u"roots(1+5*i,-3,2*i+2)").reals(), (std::vector<double>{1, 2}));
}

TEST_F(Equations, PolynomialRootRefusals) {
    std::u16string twentyOne = u"roots(1";
    for (int i = 0; i < 20; ++i) twentyOne += u",1";
    twentyOne += u")";
    std::u16string twenty = u"roots(1";
    for (int i = 0; i < 19; ++i) twenty += u",1";
    twenty += u")";
    const struct {
        std::u16string line;
        uint16_t code;
    } rows[] = {
        {u"roots(5)", 102},     {twentyOne, 104},      {u"roots(ones(1,20))", 104},
        {u"roots()", 14},       {u"roots(0,0,0)", 14}, {u"roots(\"abc\")", 9},
        {u"roots(1,\"a\")", 9},
    };
    for (const auto& row : rows)
        EXPECT_EQ(run(row.line).status, routed(row.code)) << narrow(row.line);
    EXPECT_EQ(run(twenty).status, 0);
    EXPECT_EQ(run(u"roots(ones(1,19))").rows(), 18);
}

TEST_F(Equations, AnswersOutsideTheGraph) {
    EXPECT_EQ(run(u"rk(\"y\",1)").re(), 1.0);
    EXPECT_EQ(run(u"rk(\"y\",{1,2})").reals(), (std::vector<double>{1, 2}));
    EXPECT_EQ(run(u"lti(1,0,1,\"0\",{0,1})").re(), 1.0);
    EXPECT_EQ(run(u"lti({1,0,1},\"0\",{0,1})").reals(), (std::vector<double>{1, 0, 1}));
    EXPECT_EQ(run(u"lti(2,3,\"x\")").re(), 2.0);
    const struct {
        std::u16string_view line;
        uint16_t code;
    } rows[] = {
        {u"rk(5,1)", 14},
        {u"lti(1,0,1,\"0\",{1})", 105},
        {u"lti({1,0,1},\"0\",{1,2,3})", 105},
        {u"lti(1,0,1,5)", 8},
        {u"lti(1,0,1,5,{0,1})", 8},
        {u"lti(1,1,1,1,1,1,1,1,1,1,\"0\")", 104},
        {u"lti(\"0\")", 6},
        {u"lti(2,\"x\")", 6},
        {u"lti(ones(1,14),\"0\")", 104},
        {u"lti(0,1,\"x\")", 14},
        {u"lti(\"a\",1,\"x\")", 9},
    };
    for (const auto& row : rows)
        EXPECT_EQ(run(row.line).status, routed(row.code)) << narrow(row.line);
    EXPECT_EQ(run(u"lti(ones(1,13),\"0\")").status, 0);
    EXPECT_EQ(run(u"lti(1,1,1,1,1,1,1,1,1,\"0\")").status, 0);
}

// A graph view stand-in: the sample buffer and the curve table.
class GraphedEquations : public AdvancedTest {
protected:
    void TearDown() override {
        for (KeypadCurve& c : curves_) {
            platformHeapFree(c.x);
            platformHeapFree(c.y);
            platformHeapFree(c.auxiliary);
            platformHeapFree(c.penUp);
        }
        AdvancedTest::TearDown();
    }

    void setGrid(double first, double spacing, int count) {
        buffer_.assign(size_t(count) + 1, 0.0);
        buffer_[0] = count;
        for (int i = 0; i < count; ++i) buffer_[size_t(i) + 1] = first + spacing * i;
    }
    double gridX(int i) const { return buffer_[size_t(i) + 1]; }
    int points() const { return int(buffer_.size()) - 1; }

    uint16_t graph(std::u16string_view line) {
        const std::u16string text(line);
        Token* list = nullptr;
        EXPECT_EQ(compileExpression(text.c_str(), &list), 0) << narrow(line);
        engine::setStackTop(engine::kBlockStartTop);
        const uint16_t r =
            runCodeForGraph(buffer_.data() + 1, curves_.data(), &traceCount_, list, 1, 0);
        freeCode(list);
        EXPECT_EQ(engine::stackTop(), engine::kBlockStartTop);
        return r;
    }

    // The curve drawn last follows f at every grid point.
    void expectCurve(const std::function<double(double)>& f, double tolerance, const char* what) {
        ASSERT_GE(traceCount_, 1) << what;
        const KeypadCurve& c = curves_[size_t(traceCount_ - 1)];
        ASSERT_EQ(c.pointCount, points()) << what;
        EXPECT_EQ(c.pointsAtSamples, 1) << what;
        double smallest = 1e300;
        double largest = -1e300;
        for (int i = 0; i < points(); ++i) {
            EXPECT_NEAR(c.y[i], f(gridX(i)), tolerance) << what << " at x=" << gridX(i);
            smallest = std::min(smallest, c.y[i]);
            largest = std::max(largest, c.y[i]);
        }
        EXPECT_EQ(c.firstX, gridX(0));
        EXPECT_EQ(c.lastX, gridX(points() - 1));
        EXPECT_DOUBLE_EQ(c.smallestY, smallest - 0.1 * (largest - smallest));
        EXPECT_DOUBLE_EQ(c.largestY, largest + 0.1 * (largest - smallest));
    }

    std::vector<double> buffer_;
    std::array<KeypadCurve, KEYPAD_CURVE_COUNT> curves_{};
    int16_t traceCount_ = 0;
};

constexpr uint16_t kDrawn = 0xFFFF;

TEST_F(GraphedEquations, FirstOrderEquationFollowsExp) {
    setGrid(0.0, 0.01, 101);
    runOk(u"x=5");
    runOk(u"y=6");
    ASSERT_EQ(graph(u"rk(\"y\",1)"), kDrawn);
    EXPECT_EQ(traceCount_, 1);
    // Each point shows the solution one step beyond it.
    expectCurve([](double x) { return std::exp(x + 0.01); }, 1e-8, "rk y'=y");
    EXPECT_EQ(curves_[0].capacity, 106);
    EXPECT_EQ(curves_[0].x, nullptr);
    EXPECT_EQ(variable(u"x").re(), 5.0);
    EXPECT_EQ(variable(u"y").re(), 6.0);
}

TEST_F(GraphedEquations, NothingLeftOfZero) {
    setGrid(-1.0, 0.02, 101);
    ASSERT_EQ(graph(u"rk(\"x\",0)"), kDrawn);
    // y' = x from the first point at or beyond 0 (x = 0 up to rounding).
    const double start = gridX(50);
    expectCurve(
        [&](double x) {
            if (x < 0.0) return 0.0;
            const double at = x + 0.02;
            return (at * at - start * start) / 2.0;
        },
        1e-12, "rk y'=x");
}

TEST_F(GraphedEquations, GridAboveZeroIsReachedFromZero) {
    setGrid(0.5, 0.01, 51);
    ASSERT_EQ(graph(u"rk(\"y\",1)"), kDrawn);
    expectCurve([](double x) { return std::exp(x + 0.01); }, 1e-7, "rk from 0.5");
}

TEST_F(GraphedEquations, SecondOrderEquationDrawsCosine) {
    setGrid(0.0, 0.05, 121);
    ASSERT_EQ(graph(u"lti(1,0,1,\"0\",{0,1})"), kDrawn);
    expectCurve([](double x) { return std::cos(x + 0.05); }, 1e-6, "lti separate");
    ASSERT_EQ(graph(u"lti({1,0,1},\"0\",{0,1})"), kDrawn);
    expectCurve([](double x) { return std::cos(x + 0.05); }, 1e-6, "lti matrix");
    EXPECT_EQ(traceCount_, 2);
    for (int i = 0; i < points(); ++i) EXPECT_EQ(curves_[0].y[i], curves_[1].y[i]);
    // A forcing term and a leading coefficient: 2y' + 2y = 2 from y(0) = 0.
    ASSERT_EQ(graph(u"lti(2,2,\"2\")"), kDrawn);
    expectCurve([](double x) { return 1.0 - std::exp(-(x + 0.05)); }, 1e-6, "lti forced");
}

TEST_F(GraphedEquations, RunningIntegral) {
    setGrid(0.0, 0.03, 101);  // 100 intervals
    ASSERT_EQ(graph(u"integ(\"x*x\",0,x,\"x\")"), kDrawn);
    expectCurve([](double x) { return x * x * x / 3.0; }, 1e-9, "even count");
    setGrid(0.0, 0.03, 100);  // 99 intervals: the last point needs one more step
    ASSERT_EQ(graph(u"integ(\"x*x\",0,x,\"x\")"), kDrawn);
    expectCurve([](double x) { return x * x * x / 3.0; }, 1e-9, "odd count");
    setGrid(-1.0, 0.02, 101);  // from a = 0.5: zeros before it
    ASSERT_EQ(graph(u"integ(\"1\",0.5,0,\"x\")"), kDrawn);
    expectCurve([](double x) { return x < 0.5 ? 0.0 : x - 0.5; }, 1e-9, "from 0.5");
}

TEST_F(GraphedEquations, CallsWithoutACurve) {
    setGrid(0.0, 0.1, 11);
    // No "x" option, a formula that is no string, arguments lti refuses:
    // doOperation answers, the graph view samples the block itself.
    EXPECT_EQ(graph(u"integ(\"x*x\",0,3)"), 0);
    EXPECT_EQ(graph(u"rk(5,1)"), 0);
    EXPECT_EQ(graph(u"lti(1,0,1,\"0\",{1})"), 0);
    EXPECT_EQ(graph(u"roots(1,-3,2)"), 0);
    EXPECT_EQ(traceCount_, 0);
    // A formula that does not compile ends the block without a curve.
    EXPECT_EQ(graph(u"rk(\"(y\",1)"), kDrawn);
    EXPECT_EQ(graph(u"lti(1,1,\"(x\")"), kDrawn);
    EXPECT_EQ(traceCount_, 0);
    // So does one whose evaluation fails somewhere on the grid (1/0 at x = 0).
    EXPECT_EQ(graph(u"rk(\"1/x\",1)"), kDrawn);
    EXPECT_EQ(graph(u"lti(1,1,\"1/x\")"), kDrawn);
    EXPECT_EQ(graph(u"integ(\"1/x\",0,x,\"x\")"), kDrawn);
    EXPECT_EQ(traceCount_, 0);
    // The table is full.
    traceCount_ = KEYPAD_CURVE_COUNT;
    EXPECT_EQ(graph(u"rk(\"y\",1)"), 0);
    // A grid of one point cannot be integrated.
    traceCount_ = 0;
    setGrid(0.0, 0.1, 1);
    EXPECT_EQ(graph(u"rk(\"y\",1)"), 0);
    EXPECT_EQ(traceCount_, 0);
}

TEST_F(GraphedEquations, CurveArraysAreReplacedOnlyWhenTooSmall) {
    curves_[0].capacity = 3;
    curves_[0].y = static_cast<double*>(platformHeapAlloc(3 * sizeof(double)));
    curves_[0].x = static_cast<double*>(platformHeapAlloc(3 * sizeof(double)));
    curves_[0].penUp = static_cast<uint8_t*>(platformHeapAlloc(3));
    setGrid(0.0, 0.1, 11);
    ASSERT_EQ(graph(u"rk(\"y\",1)"), kDrawn);
    EXPECT_EQ(curves_[0].capacity, 16);
    EXPECT_EQ(curves_[0].x, nullptr);
    EXPECT_EQ(curves_[0].penUp, nullptr);
    const double* kept = curves_[0].y;
    traceCount_ = 0;
    setGrid(0.0, 0.1, 8);
    ASSERT_EQ(graph(u"rk(\"y\",2)"), kDrawn);
    EXPECT_EQ(curves_[0].y, kept);
    EXPECT_EQ(curves_[0].pointCount, 8);
}

}  // namespace
}  // namespace advanced_testing
