// Sampling a block for all columns in one run gives every column, the
// "imag data ignored" flag, the block's answer and x exactly what evaluating
// the block column by column gives, with the real Scientific module.
#include <cstring>
#include <string>
#include <vector>

#include "engine/column_run.h"
#include "engine/evaluator.h"
#include "engine/library_loader.h"
#include "engine/library_table.h"
#include "engine/variables.h"
#include "graph_test_support.h"

namespace shell::testing {
namespace {

uint64_t bitsOf(double v) {
    uint64_t u = 0;
    std::memcpy(&u, &v, sizeof u);
    return u;
}

class ColumnSampling : public GraphTest {
protected:
    void SetUp() override {
        GraphTest::SetUp();
        ASSERT_EQ(engine::loadKeypadLibraryFile(ORVANA_SCIENTIFIC_MODULE), 1);
    }
    void TearDown() override {
        GraphTest::TearDown();
        engine::unloadKeypadLibraries();
    }
    Matrix* x() { return engine::variableAt(engine::findVariable(u"x")); }
};

struct Expected {
    std::vector<uint64_t> y;
    bool imag = false;
    uint16_t status = 0;
    uint64_t answerRe = 0;
    uint64_t answerIm = 0;
};

// What the column-by-column loop gives for the block at the model's samples.
Expected columnByColumn(engine::EquationBlock& block, Matrix* x, const SampleBuffer& samples) {
    Expected e;
    for (int i = 0; i < samples.count(); ++i) {
        copyValMatrix(x, samples.x(i), 0.0);
        block.evaluate();
        const Matrix* a = block.answer();
        const bool numeric = (a->kind == LATTIX_KIND_SCALAR || a->kind == LATTIX_KIND_MATRIX_VALUE) &&
                             a->rows > 0 && a->cols > 0;
        if (block.status() != 0 || !numeric) {
            e.y.push_back(bitsOf(kCurveGap));
            continue;
        }
        if (a->im[0] != 0.0) e.imag = true;
        e.y.push_back(bitsOf(a->re[0]));
    }
    e.status = block.status();
    e.answerRe = bitsOf(block.answer()->re[0]);
    e.answerIm = bitsOf(block.answer()->im[0]);
    return e;
}

struct Case {
    const char16_t* text;
    bool degrees;
    bool columnwise;  // whether the list qualifies for the one-run path
};

TEST_F(ColumnSampling, EveryColumnMatchesColumnByColumnEvaluation) {
    const Case cases[] = {
        {u"sin(x)^2+cos(x)^2+x*3.5-2", false, true},
        {u"sin(x)^2+cos(x)^2+x*3.5-2", true, true},
        {u"x*3.5-2+x*x", false, true},
        {u"sqrt(x)", false, true},
        {u"ln(x)*exp(-x/4)", false, true},
        {u"tan(x)/x", false, true},
        {u"1/x", false, true},
        {u"asin(x/10)+acosh(x)", true, true},
        {u"x\u00B2-x\u00B3+nrt(x,3)", false, true},
        {u"(x+2i)*(x-i)/(1+i)", false, true},
        {u"abs(x-3i)+arg(x+i)+re(conj(x+i))-im(x*i)", true, true},
        {u"x@pi+sinh(x)-tanh(x)*cosh(x)", false, true},
        {u"x^x+2^x+(-x)^0.5", false, true},
        {u"atan(x)+deg(x)+rad(x)+log(x)", false, true},
        {u"c*x+c", false, true},
        {u"7", false, true},
        {u"V:x*2", false, true},
        {u"atanyx(x,1)", false, false},
        {u"polar(x,1)", false, false},
        {u"m*x", false, false},
        {u"round(x,3)", false, false},
        {u"{1,2}*x", false, false},
    };
    engine::BlockList& list = *blocks_;
    enter(u"c=1.25", 0);
    enter(u"m={1,2}", 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text, c.text + std::char_traits<char16_t>::length(c.text)));
        engine::EquationBlock& block = enter(c.text);
        block.setDegrees(c.degrees);
        ASSERT_NE(x(), nullptr);
        EXPECT_EQ(engine::runsColumnwise(block.parsed(), x()), c.columnwise);
        model().sample();
        const KeypadCurve& curve = model().curves()[0];
        std::vector<uint64_t> sampled;
        for (int i = 0; i < curve.pointCount; ++i) sampled.push_back(bitsOf(curve.y[i]));
        const bool imag = model().imagDataIgnored();
        const uint16_t status = block.status();
        const uint64_t answerRe = bitsOf(block.answer()->re[0]);
        const uint64_t xLast = bitsOf(x()->re[0]);

        const Expected e = columnByColumn(block, x(), model().samples());
        EXPECT_EQ(sampled, e.y);
        EXPECT_EQ(imag, e.imag);
        EXPECT_EQ(status, e.status);
        EXPECT_EQ(answerRe, e.answerRe);
        EXPECT_EQ(xLast, bitsOf(model().samples().x(model().samples().count() - 1)));
        block.setFlags(block.flags() & ~engine::kGraphColourMask);
    }
    EXPECT_GT(list.count(), 2);
}

// Rounding to significant digits after operators is not element-wise safe
// to assume, and libraries without the optional entry stay column by column.
TEST_F(ColumnSampling, RoundingAndLibrariesWithoutTheEntryStayColumnByColumn) {
    engine::EquationBlock& block = enter(u"sin(x)*2");
    EXPECT_TRUE(engine::runsColumnwise(block.parsed(), x()));
    engine::setEvaluationFlag(true);
    EXPECT_FALSE(engine::runsColumnwise(block.parsed(), x()));
    engine::setEvaluationFlag(false);

    engine::unloadKeypadLibraries();
    engine::resetLibraries();
    installFakeLibrary();
    engine::EquationBlock& fake = enter(u"sin(x)*2");
    EXPECT_FALSE(engine::runsColumnwise(fake.parsed(), x()));
    model().sample();
    ASSERT_EQ(model().curveCount(), 2);
}

}  // namespace
}  // namespace shell::testing
