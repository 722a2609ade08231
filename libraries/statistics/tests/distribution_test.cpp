// The distribution functions through the engine: the documented values,
// agreement with scipy.stats on a grid, inverses that give their argument
// back, and the arguments refused before anything is computed.
#include <charconv>
#include <cmath>
#include <fstream>
#include <sstream>

#include "statistics_test_support.h"

namespace statistics::testing {
namespace {

// Shortest text that reads back as the same double, in the expression
// syntax (upper-case exponent).
std::u16string number(double v) {
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, v).ptr;
    std::u16string text;
    for (const char* p = buffer; p != end; ++p) text += *p == 'e' ? u'E' : char16_t(*p);
    return text;
}

std::u16string call(std::u16string_view name, std::initializer_list<double> args) {
    std::u16string text(name);
    text += u'(';
    bool first = true;
    for (double a : args) {
        if (!first) text += u',';
        text += number(a);
        first = false;
    }
    return text + u')';
}

// What the bisection can promise on [lo, hi]: the root lies within half
// the last interval of the last midpoint.
double resolution(double lo, double hi) {
    const int halvings = int(std::log((hi - lo) * 99999.99999999999) * 1.443);
    return (hi - lo) / std::ldexp(1.0, halvings);
}

class StatisticsDistributionTest : public StatisticsTest {
  protected:
    static double value(const std::u16string& line) {
        const Outcome out = run(line);
        EXPECT_EQ(out.status, 0) << narrow(line) << ": " << message(out.status);
        return out.re();
    }
};

TEST_F(StatisticsDistributionTest, DocumentedValues) {
    EXPECT_EQ(value(u"norm(0,0,1)"), 0.5);
    EXPECT_NEAR(value(u"invnorm(0.975,0,1)"), 1.959963984540054, 20.0 / 1048576.0);
    EXPECT_EQ(value(u"tdist(0,5)"), 0.5);
    EXPECT_EQ(value(u"chi(0,3)"), 0.0);
    EXPECT_EQ(value(u"bindist(2,4,0.5)"), 0.6875);
    EXPECT_EQ(value(u"invbindist(0.6875,4,0.5)"), 2.0);
    EXPECT_EQ(value(u"comb(5,2)"), 10.0);
    EXPECT_EQ(value(u"perm(5,2)"), 20.0);
    // invnorm scales and shifts the standard normal's inverse.
    EXPECT_NEAR(value(u"invnorm(0.975,10,2)"), 10.0 + 2.0 * 1.959963984540054,
                2.0 * 20.0 / 1048576.0);
}

TEST_F(StatisticsDistributionTest, TargetsBeyondTheFirstIntervalWidenIt) {
    // One degree of freedom: t is a Cauchy variable, F the square of one.
    const struct {
        std::u16string line;
        double expected;
        double relative;
    } rows[] = {
        {u"invtdist(0.9999,1)", 3183.098757116829, 1e-5},
        {u"invtdist(0.0001,1)", -3183.098757116829, 1e-5},
        {u"invtdist(0.9999999,1)", 3183098.8621300985, 1e-5},
        {u"invfdist(0.999,1,1)", 405284.0679028678, 1e-5},
        {u"invfdist(0.9999,1,1)", 40528472.79021897, 1e-5},
        // The median of chi-square with 1000 degrees of freedom.
        {u"invchi(0.5,1000)", 999.33348, 1e-6},
    };
    for (const auto& row : rows)
        EXPECT_NEAR(value(row.line), row.expected, row.relative * std::fabs(row.expected))
            << narrow(row.line);
    // Probabilities of 0 and 1 end where the kernel's values reach them (or
    // at the widest interval): far out, and at once.
    EXPECT_GT(value(u"invtdist(1,1)"), 1e9);
    EXPECT_LT(value(u"invtdist(0,1)"), -1e9);
    EXPECT_GT(value(u"invfdist(1,1,1)"), 1e9);
    EXPECT_NEAR(value(u"invnorm(0,0,1)"), -10.0, resolution(-10.0, 10.0));
    EXPECT_NEAR(value(u"invchi(0,3)"), 0.0, resolution(0.0, 400.0));
}

TEST_F(StatisticsDistributionTest, AgreesWithScipyOnAGrid) {
    std::ifstream file(STATISTICS_REFERENCE_TABLE);
    ASSERT_TRUE(file) << STATISTICS_REFERENCE_TABLE;
    std::string line;
    std::getline(file, line);  // header
    int rows = 0;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        std::string name, a, b, c, expected;
        std::getline(fields, name, ',');
        std::getline(fields, a, ',');
        std::getline(fields, b, ',');
        std::getline(fields, c, ',');
        std::getline(fields, expected, ',');
        const double x = std::stod(a), y = std::stod(b), z = std::stod(c);
        const std::u16string function(name.begin(), name.end());
        const std::u16string text =
            name == "tdist" || name == "chi" ? call(function, {x, y}) : call(function, {x, y, z});
        EXPECT_NEAR(value(text), std::stod(expected), 1e-6) << narrow(text);
        ++rows;
    }
    EXPECT_GT(rows, 400);
}

struct RoundTrip {
    std::u16string_view forward;
    std::u16string_view inverse;
    std::vector<double> points;
    std::vector<std::vector<double>> parameters;
};

TEST_F(StatisticsDistributionTest, InversesGiveTheirArgumentBack) {
    const RoundTrip trips[] = {
        {u"norm", u"invnorm", {-3, -1.2, -0.1, 0.4, 2, 3.5}, {{0, 1}}},
        {u"tdist", u"invtdist", {-3, -1, -0.2, 0.5, 2, 4}, {{1}, {2}, {5}, {20}}},
        {u"fdist", u"invfdist", {0.2, 0.8, 1.5, 3}, {{2, 5}, {5, 10}, {10, 20}}},
        {u"chi", u"invchi", {0.5, 2, 5, 15}, {{1}, {3}, {10}}},
    };
    for (const RoundTrip& t : trips)
        for (const auto& parameters : t.parameters)
            for (double x : t.points) {
                std::vector<double> args{x};
                args.insert(args.end(), parameters.begin(), parameters.end());
                auto list = [&](const std::vector<double>& v) {
                    std::u16string text;
                    for (double a : v) {
                        if (!text.empty()) text += u',';
                        text += number(a);
                    }
                    return text;
                };
                const double p = value(std::u16string(t.forward) + u"(" + list(args) + u")");
                args[0] = p;
                const std::u16string back = std::u16string(t.inverse) + u"(" + list(args) + u")";
                // Each inverse's own interval.
                double lo = 0.0, hi = 0.0;
                if (t.inverse == u"invnorm") lo = -10.0, hi = 10.0;
                if (t.inverse == u"invfdist") lo = 0.0, hi = 7000.0;
                if (t.inverse == u"invchi") lo = 0.0, hi = 400.0;
                if (t.inverse == u"invtdist") {
                    const double v = parameters[0];
                    const double k = v == 1 ? 400.0 : v == 2 ? 100.0 : 50.0;
                    lo = p < 0.5 ? -k : -0.001 * k;
                    hi = p < 0.5 ? 0.001 * k : k;
                }
                EXPECT_NEAR(value(back), x, resolution(lo, hi) + 1e-7) << narrow(back);
            }
}

TEST_F(StatisticsDistributionTest, BinomialEdges) {
    EXPECT_EQ(value(u"bindist(-1,4,0.5)"), 0.0);
    EXPECT_EQ(value(u"bindist(10,4,0.5)"), 1.0);
    EXPECT_EQ(value(u"bindist(2.9,4,0.5)"), 0.6875);
    EXPECT_EQ(value(u"bindist(3,4,1)"), 0.0);
    EXPECT_EQ(value(u"bindist(4,4,1)"), 1.0);
    EXPECT_EQ(value(u"bindist(0,4,0)"), 1.0);
    EXPECT_EQ(value(u"invbindist(0.5,4,1)"), 4.0);
    EXPECT_EQ(value(u"invbindist(0,4,0.5)"), 0.0);
    EXPECT_EQ(value(u"invbindist(1,4,0.5)"), 4.0);
    EXPECT_EQ(value(u"invbindist(0.3125,4,0.5)"), 1.0);
    // q^N underflows here; the terms then come from their logarithms.
    EXPECT_NEAR(value(u"bindist(1000,2000,0.5)"), 0.5089195055729268, 1e-9);
    EXPECT_NEAR(value(u"bindist(30,2000,0.01)"), 0.9869406641812161, 1e-9);
    EXPECT_EQ(value(u"invbindist(0.5089,2000,0.5)"), 1000.0);
}

TEST_F(StatisticsDistributionTest, FBelowZeroAndChiBelowZeroAreZero) {
    EXPECT_EQ(value(u"fdist(-1,2,3)"), 0.0);
    EXPECT_EQ(value(u"chi(-1,2)"), 0.0);
    EXPECT_EQ(value(u"fdist(0,2,3)"), 0.0);
}

TEST_F(StatisticsDistributionTest, RefusedArguments) {
    struct Refusal {
        std::u16string_view line;
        int code;
    };
    const Refusal refusals[] = {
        {u"norm(0,0,0)", 14},           {u"norm(0,0,-1)", 14},
        {u"invnorm(1.5,0,1)", 14},      {u"invnorm(-0.1,0,1)", 14},
        {u"invnorm(0.5,0,0)", 14},      {u"tdist(1,0)", 14},
        {u"tdist(1,-2)", 14},           {u"invtdist(2,3)", 14},
        {u"invtdist(0.5,0)", 14},       {u"fdist(1,0,3)", 14},
        {u"fdist(1,3,-1)", 14},         {u"invfdist(1.2,2,3)", 14},
        {u"invfdist(0.5,2,0)", 14},     {u"chi(1,0)", 14},
        {u"invchi(-1,2)", 14},          {u"invchi(0.5,0)", 14},
        {u"bindist(1,4,1.5)", 14},      {u"bindist(1,-4,0.5)", 14},
        {u"bindist(1,4.5,0.5)", 14},    {u"bindist(1,2E7,0.5)", 14},
        {u"invbindist(1.1,4,0.5)", 14}, {u"invbindist(0.5,4,-0.5)", 14},
        {u"norm(1E308*10,0,1)", 14},    {u"tdist(1,1E308*10)", 14},
        {u"norm({1,2},0,1)", 9},        {u"tdist(\"x\",3)", 9},
        {u"chi(1,{2|3})", 9},           {u"bindist(1,4,\"p\")", 9},
    };
    for (const Refusal& r : refusals) {
        const Outcome out = run(r.line);
        EXPECT_EQ(out.status, libraryNumber() * 256 + r.code) << narrow(r.line);
    }
}

}  // namespace
}  // namespace statistics::testing
