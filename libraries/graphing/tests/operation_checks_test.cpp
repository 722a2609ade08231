// Normal evaluation of the graphing operators: the answers they leave and
// every refusal of their parameter checks; numbers as text.
#include "graphing_test_support.h"

namespace graphing_testing {
namespace {

using Operations = GraphingTest;

struct Refusal {
    std::u16string_view line;
    uint16_t code;
};

TEST_F(Operations, ParameterChecksGiveTheirCodes) {
    setMatrix(u"m", 2, 3, {1, 2, 3, 4, 5, 6});
    const Refusal rows[] = {
        {u"text()", 6},
        {u"text(1,\"%g\",3)", 6},
        {u"text(\"a\")", 14},
        {u"text(1,2)", 14},
        {u"plot()", 6},
        {u"plot(m,\"-\",\"a\",\"b\")", 6},
        {u"plot(\"nosuch\")", 14},
        {u"plot(m,5)", 14},
        {u"plot(m,\"-\",5)", 14},
        {u"line(\"nosuch\")", 14},
        {u"polarplot()", 6},
        {u"polarplot(\"t\",0,1,\"-\",\"a\",\"b\")", 6},
        {u"polarplot(\"t\",1)", 14},
        {u"polarplot(\"t\",0,360,5)", 14},
        {u"polarplot(\"t\",0,360,\"-\",5)", 14},
        {u"polarplot(m)", 51},
        {u"polarplot(5)", 51},
        {u"polarplot(\"(t\")", 5},
        {u"label(1,2)", 6},
        {u"label(1,2,\"a\",\"r\",5)", 6},
        {u"label(m,2,\"a\")", 14},
        {u"label(1,\"b\",\"a\")", 14},
        {u"label(1,2,\"a\",4)", 14},
        {u"label(1,2,3)", 14},
        {u"title(1)", 6},
        {u"title({1,2},2,\"a\")", 14},
    };
    for (const Refusal& row : rows)
        EXPECT_EQ(run(row.line).status, routed(row.code)) << narrow(row.line);
    // A fixed parameter count is the parser's to check.
    EXPECT_EQ(run(u"line()").status, 6);
    EXPECT_EQ(run(u"line(1,2)").status, 6);
}

TEST_F(Operations, AcceptedCallsLeaveParameterOneAsTheAnswer) {
    setMatrix(u"m", 2, 3, {1, 2, 3, 4, 5, 6});
    setMatrix(u"pairs", 3, 2, {1, 0, 2, 90, 3, 180});
    const struct {
        std::u16string_view line;
        double first;
    } rows[] = {
        {u"plot(m)", 1},
        {u"plot({7,8},\"-\")", 7},
        {u"plot(m,\"#\",\"data\")", 1},
        {u"line({9,8,7})", 9},
        {u"polarplot(pairs)", 1},
        {u"polarplot(pairs,\"r\")", 1},
        {u"label(3,4,\"a\")", 3},
        {u"label(3,4,\"a\",\"g\")", 3},
        {u"title(5,6,\"b\",\"k\")", 5},
        {u"polarplot({2,3},0,1,\"-\",\"r\")", 2},
    };
    for (const auto& row : rows) {
        const Outcome o = run(row.line);
        ASSERT_EQ(o.status, 0) << narrow(row.line);
        EXPECT_EQ(o.re(), row.first) << narrow(row.line);
    }
    // A name stays a String answer; an expression is only compiled.
    EXPECT_EQ(run(u"plot(\"m\")").text(), u"m");
    EXPECT_EQ(run(u"line(\"m\")").text(), u"m");
    EXPECT_EQ(run(u"line(5)").re(), 5.0);
    EXPECT_EQ(run(u"polarplot(\"1/0\",\"-\",\"a\")").text(), u"1/0");
    EXPECT_EQ(run(u"polarplot(\"t\",0,90)").text(), u"t");
}

TEST_F(Operations, NumbersAsText) {
    const struct {
        std::u16string_view line;
        std::u16string_view text;
    } rows[] = {
        {u"text(3.14159)", u"3.142"},
        {u"text(1+2*i)", u"1.000+2.000i"},
        {u"text(1-2*i)", u"1.000-2.000i"},
        {u"text(100000)", u"1.000E+05"},
        {u"text(0)", u"0.000"},
        {u"text({2.5,7})", u"2.500"},
        {u"text(3.14159,\"%6.2f\")", u"  3.14"},
        {u"text(2,\"x = %g m\")", u"x = 2 m"},
        {u"text(255,\"%X\")", u"FF"},
        {u"text(-7.9,\"%d\")", u"-7"},
        {u"text(12,\"%05.1lf%%\")", u"012.0%"},
        {u"text(1+5*i,\"%g\")", u"1"},
        {u"text(1,\"%-+#08.3e\")", u"+1.000e+00"},
        {u"text(1,\"%f ............................\")", u"1.000000 ...................."},
    };
    for (const auto& row : rows) {
        const Outcome o = run(row.line);
        ASSERT_EQ(o.status, 0) << narrow(row.line);
        EXPECT_EQ(o.text(), row.text) << narrow(row.line);
    }
}

TEST_F(Operations, FormatsThatAreNotOneNumericConversionAreRefused) {
    for (const char16_t* format :
         {u"%s", u"%n", u"%c", u"%p", u"%*d", u"%.*f", u"%g %g", u"plain", u"", u"%",
          u"%123f", u"%.100f", u"%hd", u"%lld", u"%5", u"%g%s"}) {
        const std::u16string line = u"text(1,\"" + std::u16string(format) + u"\")";
        EXPECT_EQ(run(line).status, routed(14)) << narrow(line);
    }
    // A whole-number conversion needs a value with a whole-number form.
    EXPECT_EQ(run(u"text(1E30*1E30,\"%d\")").status, routed(14));
    EXPECT_EQ(run(u"text(-1E30*1E30,\"%x\")").status, routed(14));
    const Outcome cut = run(u"text(1E30*1E30,\"%.0f\")");
    EXPECT_EQ(cut.status, 0);
    EXPECT_EQ(cut.text(), u"10000000000000001277930968853") << "cut to 29 characters";
}

}  // namespace
}  // namespace graphing_testing
