// Units, the conversion operator and the temperature functions, evaluated
// as a block evaluates them.
#include <cmath>

#include "conversion_test_support.h"
#include "platform/string_resources.h"
#include "unit_table.h"

namespace conversion::testing {
namespace {

class UnitConversionTest : public ConversionTest {};

struct ValueCase {
    std::u16string_view line;
    double expected;
};

TEST_F(UnitConversionTest, ConversionsGiveTheRatioOfTheListedFactors) {
    const ValueCase cases[] = {
        {u"10FT>IN", 120},
        {u"1MI>KM", 1.609344},
        {u"1ATM>PSI", 2116.2167136576 / 144},
        {u"1KWH>J", 3600002.518458956},
        {u"2DAY>HR", 48},
        {u"1KG>G", 2.2046226218 / 0.0022046226218},
        {u"1GAL>L", 0.1336805555555555 / 0.035314666721489},
        {u"10>2", 5},
        {u"FT", 1},
        {u"CC", 3.5314666721489e-05},
    };
    for (const ValueCase& c : cases) {
        const Outcome out = run(c.line);
        ASSERT_EQ(out.status, 0) << narrow(c.line) << ": " << message(out.status);
        EXPECT_EQ(out.re(), c.expected) << narrow(c.line);
    }
    EXPECT_NEAR(run(u"1ATM>PSI").re(), 14.6959494004, 1e-10);
    EXPECT_NE(run(u"1KWH>J").re(), 3600000.0);
}

TEST_F(UnitConversionTest, EveryUnitNameIsItsFactor) {
    for (const Unit& unit : units()) {
        const Outcome out = run(unit.name);
        ASSERT_EQ(out.status, 0) << narrow(unit.name);
        EXPECT_EQ(out.re(), unit.factor) << narrow(unit.name);
        EXPECT_EQ(library().GetStrOperator(std::u16string(unit.name).c_str()), unit.code);
    }
    EXPECT_EQ(units().size(), 34u);
}

TEST_F(UnitConversionTest, NamesAreUpperCaseAndWhole) {
    for (const char16_t* name : {u"ft", u"Ft", u"fc", u"now", u"mdy", u"FTX", u"F", u"", u"1M"})
        EXPECT_EQ(library().GetStrOperator(name), 0) << narrow(name);
    EXPECT_EQ(library().GetStrOperator(u"SDATE"), 0x2435);
    EXPECT_EQ(library().GetStrOperator(u"MDY"), 0x2315);
    EXPECT_EQ(library().GetOperator(u'>'), 0x0301);
    EXPECT_EQ(library().GetOperator(u'<'), 0);
    EXPECT_NE(run(u"10ft>IN").status, 0);
}

TEST_F(UnitConversionTest, ConvertsEveryElementWithOrWithoutTheElementwiseFlag) {
    const Outcome plain = run(u"{1,2|3,4}FT>IN");
    ASSERT_EQ(plain.status, 0) << message(plain.status);
    EXPECT_EQ(reals(plain), (std::vector<double>{12, 24, 36, 48}));
    EXPECT_EQ(plain.value->rows, 2);

    const Outcome flagged = run(u"V:{1,2}>{4,8}");
    ASSERT_EQ(flagged.status, 0) << message(flagged.status);
    EXPECT_EQ(reals(flagged), (std::vector<double>{0.25, 0.25}));

    const Outcome scalarOverMatrix = run(u"12>{1,2,3}");
    ASSERT_EQ(scalarOverMatrix.status, 0);
    EXPECT_EQ(reals(scalarOverMatrix), (std::vector<double>{12, 6, 4}));

    const Outcome complex = run(u"(1+2i)FT>IN");
    ASSERT_EQ(complex.status, 0);
    EXPECT_EQ(reals(complex), (std::vector<double>{12}));
    EXPECT_EQ(imaginaries(complex), (std::vector<double>{24}));
}

struct FailureCase {
    std::u16string_view line;
    int code;
    const char* message;
};

TEST_F(UnitConversionTest, RefusedOperands) {
    const FailureCase cases[] = {
        {u"x>0", 10, "Divide by zero"},
        {u"1FT>0", 10, "Divide by zero"},
        {u"{1,2,3}>{1,0,3}", 10, "Divide by zero"},
        {u"{1,2}>{1,2,3}", 9, "Incompatible data types"},
        {u"\"ab\">FT", 9, "Incompatible data types"},
        {u"FC(\"ab\")", 55, nullptr},
        {u"CF(\"ab\")", 55, nullptr},
    };
    for (const FailureCase& c : cases) {
        const Outcome out = run(c.line);
        EXPECT_EQ(code(out), c.code) << narrow(c.line) << ": " << message(out.status);
        if (c.message != nullptr) {
            EXPECT_EQ(message(out.status), c.message) << narrow(c.line);
        }
    }
}

TEST_F(UnitConversionTest, Temperatures) {
    const ValueCase cases[] = {
        {u"FC(212)", 100},
        {u"FC(32)", 0},
        {u"CF(-40)", -40},
        {u"FC(-40)", -40},
        {u"CF(100)", 212},
        {u"CF(37)", 37 * 1.8 + 32},
        {u"FC(98.6)", (98.6 - 32) * 0.5555555555555556},
    };
    for (const ValueCase& c : cases) {
        const Outcome out = run(c.line);
        ASSERT_EQ(out.status, 0) << narrow(c.line);
        EXPECT_EQ(out.re(), c.expected) << narrow(c.line);
    }
    const Outcome vector = run(u"CF({0,100})");
    ASSERT_EQ(vector.status, 0);
    EXPECT_EQ(reals(vector), (std::vector<double>{32, 212}));
    const Outcome back = run(u"FC(CF({-10,0|25,100}))");
    ASSERT_EQ(back.status, 0);
    for (double v : reals(back)) EXPECT_TRUE(std::isfinite(v));
    EXPECT_NEAR(reals(back)[2], 25, 1e-12);
}

TEST_F(UnitConversionTest, EveryOperatorHasItsHelpText) {
    for (uint32_t code : {0x0301, 0x0115, 0x0215, 0x2300, 0x2315, 0x2435}) {
        char16_t text[300] = {};
        EXPECT_GT(platformLoadString(library().module, KEYPAD_HELP_ID(code), text, 300), 20u)
            << code;
    }
}

}  // namespace
}  // namespace conversion::testing
