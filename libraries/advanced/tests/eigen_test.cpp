// eig: eigenvalues against independently computed ones, eigenvectors by
// their residual, and the refusals.
#include <algorithm>
#include <cmath>
#include <fstream>

#include "advanced_test_support.h"
#include "engine/variables.h"

namespace advanced_testing {
namespace {

using Eigen = AdvancedTest;
using Complex = std::complex<double>;

struct ReferenceCase {
    int n = 0;
    std::vector<double> a;  // row by row
    std::vector<Complex> values;
};

std::vector<ReferenceCase> referenceCases() {
    std::ifstream in(ADVANCED_EIGEN_REFERENCE);
    std::vector<ReferenceCase> cases;
    ReferenceCase c;
    while (in >> c.n) {
        c.a.assign(size_t(c.n) * size_t(c.n), 0.0);
        for (double& v : c.a) in >> v;
        c.values.clear();
        for (int i = 0; i < c.n; ++i) {
            double re = 0.0;
            double im = 0.0;
            in >> re >> im;
            c.values.emplace_back(re, im);
        }
        cases.push_back(c);
    }
    return cases;
}

double frobenius(const std::vector<double>& a) {
    double s = 0.0;
    for (double v : a) s += v * v;
    return std::sqrt(s);
}

// Every reference value has its own computed value within the tolerance.
void expectSameValues(const std::vector<Complex>& expected, std::vector<Complex> computed,
                      double relative, int n) {
    ASSERT_EQ(computed.size(), expected.size());
    for (const Complex& e : expected) {
        auto best = std::min_element(computed.begin(), computed.end(), [&](Complex u, Complex v) {
            return std::abs(u - e) < std::abs(v - e);
        });
        EXPECT_LE(std::abs(*best - e), relative * std::abs(e))
            << "n=" << n << " eigenvalue " << e.real() << " " << e.imag();
        computed.erase(best);
    }
}

TEST_F(Eigen, ValuesAgreeWithTheReference) {
    const std::vector<ReferenceCase> cases = referenceCases();
    ASSERT_GE(cases.size(), 10u);
    for (const ReferenceCase& c : cases) {
        setMatrix(u"a", c.n, c.n, c.a);
        const Outcome out = run(u"eig(a)");
        ASSERT_EQ(out.status, 0) << "n=" << c.n;
        ASSERT_EQ(out.rows(), c.n);
        ASSERT_EQ(out.cols(), 1);
        std::vector<Complex> values;
        for (int i = 0; i < c.n; ++i) values.push_back(out.at(i));
        expectSameValues(c.values, values, 1e-9, c.n);
    }
}

TEST_F(Eigen, VectorsSatisfyTheirEquations) {
    for (const ReferenceCase& c : referenceCases()) {
        const int n = c.n;
        setMatrix(u"a", n, n, c.a);
        const Outcome out = run(u"eig(a,\"v\")");
        ASSERT_EQ(out.status, 0) << "n=" << n;
        const Outcome v = variable(u"v");
        ASSERT_EQ(v.rows(), n);
        ASSERT_EQ(v.cols(), n);
        const double norm = frobenius(c.a);
        // The values are the same with or without vectors.
        std::vector<Complex> values;
        for (int i = 0; i < n; ++i) values.push_back(out.at(i));
        expectSameValues(c.values, values, 1e-9, n);
        for (int j = 0; j < n; ++j) {
            const Complex lambda = out.at(j);
            double residual = 0.0;
            double length = 0.0;
            for (int i = 0; i < n; ++i) {
                Complex av = 0.0;
                for (int k = 0; k < n; ++k) av += c.a[size_t(i * n + k)] * v.at(k * n + j);
                residual += std::norm(av - lambda * v.at(i * n + j));
                length += std::norm(v.at(i * n + j));
            }
            EXPECT_LE(std::sqrt(residual), 1e-9 * norm) << "n=" << n << " column " << j;
            EXPECT_NEAR(length, 1.0, 1e-12) << "n=" << n << " column " << j;
        }
    }
}

TEST_F(Eigen, SmallCases) {
    const Outcome diagonal = run(u"eig({2,0|0,3})");
    ASSERT_EQ(diagonal.status, 0);
    EXPECT_EQ(diagonal.at(0), Complex(2, 0));
    EXPECT_EQ(diagonal.at(1), Complex(3, 0));

    const Outcome rotation = run(u"eig({0,-1|1,0},\"w\")");
    ASSERT_EQ(rotation.status, 0);
    EXPECT_NEAR(rotation.re(0), 0.0, 1e-15);
    EXPECT_NEAR(rotation.im(0), 1.0, 1e-15);
    EXPECT_NEAR(rotation.im(1), -1.0, 1e-15);
    const Outcome w = variable(u"w");
    ASSERT_EQ(w.rows(), 2);
    // Columns u + iv and u - iv, each of unit length.
    EXPECT_EQ(w.at(0), std::conj(w.at(1)));
    EXPECT_EQ(w.at(2), std::conj(w.at(3)));
    EXPECT_NEAR(std::norm(w.at(0)) + std::norm(w.at(2)), 1.0, 1e-15);

    EXPECT_EQ(run(u"eig(4)").re(), 4.0);
    // Imaginary parts of the argument are ignored.
    EXPECT_EQ(run(u"eig({2+i,0|0,3})").at(0), Complex(2, 0));
    // Triangular and zero matrices are isolated by balancing alone.
    const Outcome triangular = run(u"eig({1,2,3|0,4,5|0,0,6},\"t\")");
    std::vector<double> sorted = triangular.reals();
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::vector<double>{1, 4, 6}));
    EXPECT_EQ(run(u"eig(zero(3,3),\"t\")").reals(), (std::vector<double>{0, 0, 0}));
    // A defective matrix still gives its double eigenvalue.
    const Outcome jordan = run(u"eig({1,1|0,1})");
    EXPECT_EQ(jordan.reals(), (std::vector<double>{1, 1}));
}

TEST_F(Eigen, TheVariableIsCreatedOrReused) {
    ASSERT_EQ(::findVariable(u"vecs"), KEYPAD_NO_VARIABLE);
    runOk(u"eig({2,1|1,2},\"vecs\")");
    const Outcome v = variable(u"vecs");
    ASSERT_EQ(v.rows(), 2);
    EXPECT_NEAR(std::fabs(v.re(0)), std::sqrt(0.5), 1e-15);
    runOk(u"vecs=\"text\"");
    runOk(u"eig(5,\"vecs\")");
    EXPECT_EQ(variable(u"vecs").re(), 1.0);
}

TEST_F(Eigen, Refusals) {
    const struct {
        std::u16string_view line;
        uint16_t code;
    } rows[] = {
        {u"eig({1,2,3|4,5,6})", 51},
        {u"eig({1,2})", 51},
        {u"eig(\"abc\")", 51},
        {u"eig(ones(0,2))", 51},
        {u"eig()", 6},
        {u"eig(1,\"v\",2)", 6},
        {u"eig({1,2|3,4},5)", 8},
        {u"eig({1,2|3,4},\"\")", 14},
    };
    for (const auto& row : rows)
        EXPECT_EQ(run(row.line).status, routed(row.code)) << narrow(row.line);
    // Balancing and the iteration cannot work on infinities or NaN.
    setMatrix(u"a", 2, 2, {1, 0, 0, HUGE_VAL});
    EXPECT_EQ(run(u"eig(a)").status, routed(14));
    setMatrix(u"a", 2, 2, {1, NAN, 0, 1});
    EXPECT_EQ(run(u"eig(a,\"v\")").status, routed(14));
}

}  // namespace
}  // namespace advanced_testing
