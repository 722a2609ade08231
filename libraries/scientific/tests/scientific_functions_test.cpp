// The Scientific library through its entry points: names and codes, help
// texts, and the element functions with their real and complex paths.
#include <cmath>
#include <complex>
#include <limits>

#include "keypad_module_fixture.h"

namespace {

using keypad_testing::Element;
using keypad_testing::KeypadModule;
using keypad_testing::ValueStack;

constexpr double kPi = 3.141592653589793;

class Scientific : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { module = new KeypadModule(ORVANA_SCIENTIFIC_MODULE); }
    static void TearDownTestSuite() { delete module; }
    void SetUp() override { ASSERT_TRUE(module->complete()) << module->missing(); }

    static OperatorCode code(const char16_t* name) {
        return module->library().GetStrOperator(name);
    }
    int32_t apply(OperatorCode op, int32_t degrees, int32_t elementwise = 0) {
        return module->library().doOperation(op, degrees, elementwise, stack.base(), stack.top(),
                                             nullptr);
    }
    // Applies a one-parameter function to one scalar.
    Element one(const char16_t* name, Element z, int32_t degrees, int32_t* status = nullptr) {
        stack.push(z.re, z.im);
        const int32_t r = apply(code(name), degrees);
        if (status != nullptr) *status = r;
        EXPECT_EQ(*stack.top(), 5) << "top moved";
        const Element out{stack.topEntry().re[0], stack.topEntry().im[0]};
        --*stack.top();
        return out;
    }
    // Applies an operator of two scalars.
    Element two(OperatorCode op, Element x, Element y, int32_t degrees, int32_t* status = nullptr) {
        stack.push(x.re, x.im);
        stack.push(y.re, y.im);
        const int32_t r = apply(op, degrees);
        if (status != nullptr) *status = r;
        const Element out{stack.at(5).re[0], stack.at(5).im[0]};
        *stack.top() = 4;
        return out;
    }

    static KeypadModule* module;
    ValueStack stack;
};
KeypadModule* Scientific::module = nullptr;

TEST_F(Scientific, NamesAndCharacters) {
    const struct {
        const char16_t* name;
        OperatorCode code;
    } names[] = {
        {u"pi", 0x0100},    {u"asin", 0x0115},  {u"acos", 0x0215}, {u"atan", 0x0315},
        {u"sin", 0x0415},   {u"cos", 0x0515},   {u"tan", 0x0615},  {u"asinh", 0x0715},
        {u"acosh", 0x0815}, {u"atanh", 0x0915}, {u"sinh", 0x0A15}, {u"cosh", 0x0B15},
        {u"tanh", 0x0C15},  {u"deg", 0x0D15},   {u"rad", 0x0E15},  {u"sqrt", 0x0F15},
        {u"nrt", 0x0F25},   {u"log", 0x1015},   {u"ln", 0x1115},   {u"exp", 0x1215},
        {u"rect", 0x1325},  {u"polar", 0x1425}, {u"conj", 0x1515}, {u"atanyx", 0x1525},
        {u"abs", 0x1615},   {u"arg", 0x1715},   {u"Sin", 0},       {u"sinx", 0},
        {u"si", 0},         {u"", 0},           {u"AND", 0},       {u"re", 0},
    };
    for (const auto& n : names) EXPECT_EQ(code(n.name), n.code) << keypad_testing::narrow(n.name);
    const KeypadLibrary& lib = module->library();
    EXPECT_EQ(lib.GetStrOperator(nullptr), 0);
    EXPECT_EQ(lib.GetOperator(u'^'), 0x0103);
    EXPECT_EQ(lib.GetOperator(u'@'), 0x0203);
    EXPECT_EQ(lib.GetOperator(u'\u00B2'), 0x0104);
    EXPECT_EQ(lib.GetOperator(u'\u00B3'), 0x0204);
    for (char16_t c : {u'+', u'*', u'a', u'\u00BB', u'#', u'\0'}) EXPECT_EQ(lib.GetOperator(c), 0);
}

TEST_F(Scientific, HelpTexts) {
    EXPECT_EQ(module->string(0x8100), u"3.1415926535   8979323846  2643383279  5028841971 ...");
    EXPECT_EQ(module->string(0x8315), u"atan(x).  Use atanyx(y,x) to preserve the quadrant");
    EXPECT_EQ(module->string(0x8D15), u"deg(x) converts x from radians to degrees");
    EXPECT_EQ(module->string(0x8E15), u"rad(x) converts x from degrees to radians");
    EXPECT_EQ(module->string(0x8F15), u"sqrt(x) returns square root x");
    EXPECT_EQ(module->string(0x8F25), u"nrt(x,m) returns the m-th root of x");
    EXPECT_EQ(module->string(0x9015), u"log(x) returns base 10 of x");
    EXPECT_EQ(module->string(0x9115), u"ln(x) returns the natural log of x");
    EXPECT_EQ(module->string(0x9215), u"e to a power");
    EXPECT_EQ(module->string(0x9325),
              u"rect(r,theta) converts polar coords r,theta to rectangular coordinates {x,y}");
    EXPECT_EQ(module->string(0x9425),
              u"polar(x,y) converts rectangular coords. x,y to polar {r, theta}");
    EXPECT_EQ(module->string(0x9515), u"conj(x) returns the complex conjugate of x");
    EXPECT_EQ(module->string(0x9525),
              u"atanyx(y,x) finds the arc-tangent of y/x accounting for the signs of x and y so "
              u"that the angle is in the correct quadrant");
    EXPECT_EQ(module->string(0x9615),
              u"abs(x) returns the absolute value of x, or the magnitude of x if it is complex");
    EXPECT_EQ(module->string(0x9715),
              u"arg(x) returns the argument of a complex value.  This is the angle from the real "
              u"axis in the complex plane");
    EXPECT_EQ(module->string(0x8103), u"x^y  raises x to the y power");
    EXPECT_EQ(module->string(0x8203),
              u"x@y computes x exp(yi) where y is real.  Use to enter complex values in polar "
              u"form.  x is the magnitude, y is the angle.");
    EXPECT_EQ(module->string(0x8104), u"x\u00B2");
    EXPECT_EQ(module->string(0x8204), u"x\u00B3");
    // Functions whose help is their bare name carry no string.
    for (uint32_t id : {0x8115u, 0x8415u, 0x8515u, 0x8A15u}) EXPECT_FALSE(module->hasString(id));
}

struct Row {
    const char16_t* name;
    int32_t degrees;
    Element in;
    Element out;
    double tolerance;  // 0: bit-exact
};

TEST_F(Scientific, ElementFunctions) {
    const Row rows[] = {
        // Snapping at right angles, in degrees and radians.
        {u"sin", 1, {180, 0}, {0, 0}, 0},
        {u"sin", 1, {90, 0}, {1, 0}, 0},
        {u"sin", 1, {-90, 0}, {-1, 0}, 0},
        {u"cos", 1, {90, 0}, {0, 0}, 0},
        {u"cos", 1, {180, 0}, {-1, 0}, 0},
        {u"sin", 0, {kPi, 0}, {0, 0}, 0},
        {u"cos", 0, {kPi / 2, 0}, {0, 0}, 0},
        {u"cos", 1, {270, 0}, {0, 0}, 0},
        {u"sin", 1, {-450, 0}, {-1, 0}, 0},
        {u"sin", 1, {90.5, 0}, {std::sin(90.5 * 0.017453292519943295), 0}, 0},
        // 2^60 degrees: the quotient by 90 is whole in doubles, yet 2^60 is
        // no multiple of 90.
        {u"sin", 1, {0x1p60, 0}, {std::sin(0x1p60 * 0.017453292519943295), 0}, 0},
        {u"sin", 1, {30, 0}, {std::sin(30 * 0.017453292519943295), 0}, 0},
        {u"sin", 1, {45, 0}, {std::sin(45 * 0.017453292519943295), 0}, 0},
        {u"sin", 0, {1, 0}, {std::sin(1.0), 0}, 0},
        {u"tan", 1, {45, 0}, {std::tan(45 * 0.017453292519943295), 0}, 0},
        // Complex arguments are radians whatever the mode.
        {u"sin", 1, {1, 1}, {std::sin(1.0) * std::cosh(1.0), std::cos(1.0) * std::sinh(1.0)}, 0},
        {u"cos", 1, {1, 1}, {std::cos(1.0) * std::cosh(1.0), -std::sin(1.0) * std::sinh(1.0)}, 0},
        {u"tan", 0, {0, 1}, {0, std::tanh(1.0)}, 1e-15},
        // Inverse functions: real inside the domain, complex outside.
        {u"asin", 1, {1, 0}, {90, 0}, 0},
        {u"asin", 0, {0.5, 0}, {std::asin(0.5), 0}, 0},
        {u"asin", 1, {2, 0}, {kPi / 2, -1.3169578969248166}, 1e-12},
        {u"acos", 1, {0, 0}, {90, 0}, 0},
        {u"acos", 0, {2, 0}, {0, 1.3169578969248166}, 1e-12},
        {u"atan", 1, {1, 0}, {45, 0}, 0},
        {u"atan", 0, {0, 0.5}, {0, std::atanh(0.5)}, 1e-15},
        // Hyperbolic functions.
        {u"sinh", 0, {1, 0}, {std::sinh(1.0), 0}, 1e-15},
        {u"cosh", 0, {1, 0}, {std::cosh(1.0), 0}, 1e-15},
        {u"tanh", 0, {1, 0}, {std::tanh(1.0), 0}, 0},
        // A purely imaginary argument turns into a real one for sin/cos, in
        // the angle mode, snapped: sinh(90i) in degrees is i.
        {u"sinh", 1, {0, 90}, {0, 1}, 0},
        {u"cosh", 1, {0, 90}, {0, 0}, 0},
        {u"asinh", 0, {1, 0}, {std::asinh(1.0), 0}, 1e-15},
        {u"acosh", 0, {2, 0}, {std::acosh(2.0), 0}, 1e-15},
        {u"atanh", 0, {0.5, 0}, {std::atanh(0.5), 0}, 1e-15},
        // Roots and logarithms.
        {u"sqrt", 0, {-4, 0}, {0, 2}, 0},
        {u"sqrt", 0, {9, 0}, {3, 0}, 0},
        {u"sqrt", 0, {0, 2}, {1, 1}, 1e-15},
        {u"log", 0, {1000, 0}, {3, 0}, 0},
        {u"log", 0, {-10, 0}, {1, kPi * 0.4342944819032518}, 1e-15},
        {u"ln", 0, {1, 0}, {0, 0}, 0},
        {u"ln", 0, {-1, 0}, {0, kPi}, 0},
        {u"ln", 0, {-1, -0.0}, {0, kPi}, 0},  // a negated real keeps the angle pi
        {u"exp", 0, {1, 0}, {std::exp(1.0), 0}, 0},
        {u"exp", 0, {0, kPi}, {-1, std::exp(0.0) * std::sin(kPi)}, 0},
        // Angle conversion leaves imaginary parts alone.
        {u"deg", 0, {kPi, 2}, {kPi * 57.29577951308232, 2}, 0},
        {u"rad", 0, {180, 3}, {180 * 0.017453292519943295, 3}, 0},
        {u"abs", 0, {3, 4}, {5, 0}, 0},
        {u"abs", 0, {-2, 0}, {2, 0}, 0},
        {u"arg", 1, {0, 1}, {90.0000000000, 0}, 1e-9},
        {u"arg", 1, {-1, -0.0}, {180 * (57.2957795131 / 57.29577951308232), 0}, 1e-9},
        {u"arg", 0, {-1, 0}, {kPi, 0}, 0},
        {u"conj", 0, {1, 2}, {1, -2}, 0},
    };
    for (const Row& row : rows) {
        int32_t status = -1;
        const Element out = one(row.name, row.in, row.degrees, &status);
        const std::string what = keypad_testing::narrow(row.name) + "(" +
                                 std::to_string(row.in.re) + "," + std::to_string(row.in.im) +
                                 ") deg=" + std::to_string(row.degrees);
        EXPECT_EQ(status, 0) << what;
        if (row.tolerance == 0) {
            EXPECT_EQ(out.re, row.out.re) << what;
            EXPECT_EQ(out.im, row.out.im) << what;
        } else {
            EXPECT_NEAR(out.re, row.out.re, row.tolerance) << what;
            EXPECT_NEAR(out.im, row.out.im, row.tolerance) << what;
        }
    }
    // arg(i) in degrees uses the rounded factor.
    EXPECT_EQ(one(u"arg", {0, 1}, 1).re, std::atan2(1.0, 0.0) * 57.2957795131);
}

TEST_F(Scientific, InverseHyperbolicFunctionsKeepTheirDigits) {
    using C = std::complex<double>;
    const double a2 = std::acosh(2.0);
    const C c34 = std::acosh(C(-3, 4));
    const struct {
        const char16_t* name;
        Element in;
        Element out;
    } rows[] = {
        // Large and small real arguments.
        {u"asinh", {1e5, 0}, {std::asinh(1e5), 0}},
        {u"asinh", {1e8, 0}, {std::asinh(1e8), 0}},
        {u"asinh", {1e200, 0}, {461.2101657793691, 0}},
        {u"asinh", {-1e200, 0}, {-461.2101657793691, 0}},
        {u"asinh", {1e-10, 0}, {1e-10, 0}},
        {u"acosh", {1e200, 0}, {461.2101657793691, 0}},
        {u"acosh", {1e8, 0}, {std::acosh(1e8), 0}},
        // Large complex arguments.
        {u"asinh", {1e200, 1e200}, {std::asinh(C(1e200, 1e200)).real(), kPi / 4}},
        {u"acosh", {1e200, -1e200}, {std::acosh(C(1e200, -1e200)).real(), -kPi / 4}},
        {u"asinh", {3, 4}, {std::asinh(C(3, 4)).real(), std::asinh(C(3, 4)).imag()}},
        // The values of -ln(sqrt(z²+1)-z) and ln(z+sqrt(z²-1)) where they
        // leave the usual principal branch.
        {u"asinh", {0, 2}, {a2, kPi / 2}},
        {u"asinh", {0, -2}, {-a2, -kPi / 2}},
        {u"asinh", {0, 0.5}, {0, std::asin(0.5)}},
        {u"asinh", {0, -1e200}, {-461.2101657793691, -kPi / 2}},
        {u"acosh", {-2, 0}, {-a2, kPi}},
        {u"acosh", {-1e200, 0}, {-461.2101657793691, kPi}},
        {u"acosh", {0.5, 0}, {0, std::acos(0.5)}},
        {u"acosh", {-0.5, 0}, {0, std::acos(-0.5)}},
        {u"acosh", {0, 2}, {std::asinh(2.0), kPi / 2}},
        {u"acosh", {0, -2}, {-std::asinh(2.0), kPi / 2}},
        {u"acosh", {-3, 4}, {-c34.real(), -c34.imag()}},
        {u"acosh", {3, -4}, {std::acosh(C(3, -4)).real(), std::acosh(C(3, -4)).imag()}},
    };
    for (const auto& row : rows) {
        int32_t status = -1;
        const Element out = one(row.name, row.in, 0, &status);
        const std::string what = keypad_testing::narrow(row.name) + "(" +
                                 std::to_string(row.in.re) + "," + std::to_string(row.in.im) + ")";
        EXPECT_EQ(status, 0) << what;
        EXPECT_NEAR(out.re, row.out.re, 4e-16 * std::fabs(row.out.re)) << what;
        EXPECT_NEAR(out.im, row.out.im, 4e-16 * std::fabs(row.out.im)) << what;
    }
}

TEST_F(Scientific, FailingElements) {
    const struct {
        const char16_t* name;
        Element in;
        int32_t code;
    } rows[] = {
        {u"ln", {0, 0}, 14},    {u"log", {0, 0}, 14},   {u"atan", {0, 1}, 10},
        {u"atan", {0, -1}, 14}, {u"atanh", {1, 0}, 10}, {u"tan", {kPi / 2, 1e308}, 0},
    };
    for (const auto& row : rows) {
        int32_t status = -1;
        one(row.name, row.in, 0, &status);
        EXPECT_EQ(status, row.code) << row.in.re << "," << row.in.im;
    }
}

TEST_F(Scientific, PowersAndRoots) {
    const OperatorCode power = 0x0103, nrt = 0x0F25;
    const struct {
        OperatorCode op;
        Element x, y, out;
        double tolerance;
    } rows[] = {
        {power, {-8, 0}, {1.0 / 3, 0}, {-2, 0}, 1e-15},
        {power, {-8, -0.0}, {1.0 / 3, 0}, {-2, 0}, 1e-15},
        {power, {-2, 0}, {3, 0}, {-8, 0}, 1e-14},  // e^(3 ln 2), negated
        {power, {-2, 0}, {2, 0}, {4, 0}, 1e-15},
        {power, {-2, 0}, {-1, 0}, {-0.5, 0}, 1e-16},
        // The parity of large whole exponents: 2^51 + 1 is odd, 2^53 + 2 even.
        {power, {-1, 0}, {2251799813685249.0, 0}, {-1, 0}, 0},
        {power, {-1, 0}, {9007199254740994.0, 0}, {1, 0}, 0},
        {power, {-1, 0}, {-2251799813685249.0, 0}, {-1, 0}, 0},
        {power, {2, 0}, {10, 0}, {1024, 0}, 1e-12},
        {power, {-1, 0}, {0.5, 0}, {0, 1}, 0},
        {power,
         {-8, 0},
         {0.25, 0},
         {std::cos(kPi / 4) * std::pow(8, 0.25), std::sin(kPi / 4) * std::pow(8, 0.25)},
         1e-15},
        {power, {-8, -0.0}, {0.25, 0}, {1.189207115002721, 1.189207115002721}, 1e-15},
        {power, {0, 1}, {2, 0}, {-1, 0}, 1e-15},
        {power, {0, 0}, {0, 0}, {1, 0}, 0},
        {power, {0, 0}, {0.5, 0}, {0, 0}, 0},
        {power, {0, 0}, {3, 0}, {0, 0}, 0},
        {nrt, {-8, 0}, {3, 0}, {-2, 0}, 1e-15},
        {nrt, {-32, 0}, {-5, 0}, {-0.5, 0}, 1e-15},
        {nrt, {16, 0}, {4, 0}, {2, 0}, 1e-15},
        {nrt, {-16, 0}, {2, 0}, {0, 4}, 1e-14},
        {nrt, {-1, 0}, {0, 1}, {std::exp(kPi), 0}, 1e-12},
    };
    for (const auto& row : rows) {
        int32_t status = -1;
        const Element out = two(row.op, row.x, row.y, 0, &status);
        EXPECT_EQ(status, 0);
        const std::string what = std::to_string(row.x.re) + "," + std::to_string(row.x.im) + " ^ " +
                                 std::to_string(row.y.re) + "," + std::to_string(row.y.im);
        EXPECT_NEAR(out.re, row.out.re, row.tolerance) << what;
        EXPECT_NEAR(out.im, row.out.im, row.tolerance) << what;
    }
    int32_t status = 0;
    two(nrt, {8, 0}, {0, 0}, 0, &status);
    EXPECT_EQ(status, 14);
}

TEST_F(Scientific, PolarEntryIsExactAtQuarterTurns) {
    const OperatorCode at = 0x0203;
    const struct {
        int32_t degrees;
        double angle;
        Element out;
    } exact[] = {
        {1, 90, {0, 2}},        {1, -90, {0, -2}}, {1, 270, {0, -2}}, {1, 180, {-2, 0}},
        {1, -180, {-2, 0}},     {1, 0, {2, 0}},    {1, 360, {2, 0}},  {0, kPi / 2, {0, 2}},
        {0, -kPi / 2, {0, -2}}, {0, kPi, {-2, 0}}, {0, 0, {2, 0}},    {0, 2 * kPi, {2, 0}},
    };
    for (const auto& row : exact) {
        const Element out = two(at, {2, 0}, {row.angle, 0}, row.degrees);
        EXPECT_EQ(out.re, row.out.re) << row.angle;
        EXPECT_EQ(out.im, row.out.im) << row.angle;
    }
    const Element diagonal = two(at, {2, 0}, {45, 7}, 1);  // y's imaginary part is ignored
    EXPECT_NEAR(diagonal.re, std::sqrt(2.0), 1e-15);
    EXPECT_NEAR(diagonal.im, std::sqrt(2.0), 1e-15);
    const Element complexBase = two(at, {1, 1}, {90, 0}, 1);
    EXPECT_EQ(complexBase.re, -1);
    EXPECT_EQ(complexBase.im, 1);
}

}  // namespace
