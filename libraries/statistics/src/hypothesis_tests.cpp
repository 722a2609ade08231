// Tests on data columns: equal means (pooled variance), equal variances, a
// mean against a given value, and paired samples. Each gives the row
// {statistic, two-sided p value}.
#include <algorithm>
#include <cmath>
#include <vector>

#include "data_source.h"
#include "distribution_kernel.h"
#include "operations.h"
#include "operator_codes.h"

namespace statistics {
namespace {

// One column of data: real parts at a stride.
struct Sample {
    const double* values = nullptr;
    uint32_t count = 0;
    uint32_t stride = 1;

    double at(uint32_t i) const { return values[i * stride]; }
    double mean() const {
        double sum = 0.0;
        for (uint32_t i = 0; i < count; ++i) sum += at(i);
        return sum / count;
    }
    // With n - 1 in the denominator; 0 for fewer than two values.
    double variance() const {
        if (count < 2) return 0.0;
        const double m = mean();
        double sum = 0.0;
        for (uint32_t i = 0; i < count; ++i) {
            const double d = at(i) - m;
            sum += d * d;
        }
        return sum / (count - 1.0);
    }
};

Sample columnOf(const Matrix& data, uint16_t column) {
    return Sample{data.re + column, data.rows, data.cols};
}

// The data a test parameter names: a String (else 55) naming a variable
// (else 56) with rows (else 101) and a second column (else 56).
int32_t namedData(const OperationCall& call, Matrix& parameter, Matrix** data) {
    if (!isString(parameter)) return errors::kNotSupported;
    if (const int32_t r = resolveData(parameter, call.services, data); r != 0) return r;
    if ((*data)->rows == 0 || (*data)->re == nullptr) return errors::kEmptyData;
    if ((*data)->cols < 2) return errors::kValueOutOfBounds;
    return 0;
}

// The two samples of ("m"): columns 1 and 2 of m; of ("m", "n"): column 2
// of m and column 2 of n.
int32_t twoSamples(const OperationCall& call, int* k, Sample* first, Sample* second) {
    *k = call.variableCount();
    if (*k != 1 && *k != 2) return errors::kWrongParameterCount;
    Matrix* m = nullptr;
    if (const int32_t r = namedData(call, call.variable(*k, 0), &m); r != 0) return r;
    if (*k == 1) {
        *first = columnOf(*m, 0);
        *second = columnOf(*m, 1);
        return 0;
    }
    Matrix* n = nullptr;
    if (const int32_t r = namedData(call, call.variable(*k, 1), &n); r != 0) return r;
    *first = columnOf(*m, 1);
    *second = columnOf(*n, 1);
    return 0;
}

int32_t writeResult(Matrix& entry, double statistic, double p) {
    if (!shapeResult(entry, 1, 2)) return errors::kMatrixTooBig;
    entry.re[0] = statistic;
    entry.re[1] = p;
    entry.im[0] = entry.im[1] = 0.0;
    return 0;
}

// Twice the upper tail of Student's t at |t|.
double twoSidedStudent(double t, double v) {
    return 2.0 * studentUpperTail(std::fabs(t), v);
}

int32_t finishTwoSample(const OperationCall& call, int k, double statistic, double p) {
    if (const int32_t r = writeResult(call.variable(k, 0), statistic, p); r != 0) return r;
    call.finishVariable(k);
    return 0;
}

}  // namespace

int32_t meansTest(const OperationCall& call) {
    int k = 0;
    Sample a, b;
    if (const int32_t r = twoSamples(call, &k, &a, &b); r != 0) return r;
    const double n1 = a.count, n2 = b.count;
    if (n1 + n2 == 2.0) return errors::kInsufficientData;
    const double pooled = ((n1 - 1.0) * a.variance() + (n2 - 1.0) * b.variance()) / (n1 + n2 - 2.0);
    if (!(pooled > 0.0)) return errors::kZeroVariance;
    const double t = (a.mean() - b.mean()) / std::sqrt(pooled * (1.0 / n1 + 1.0 / n2));
    return finishTwoSample(call, k, t, twoSidedStudent(t, n1 + n2 - 2.0));
}

int32_t pairedTest(const OperationCall& call) {
    int k = 0;
    Sample a, b;
    if (const int32_t r = twoSamples(call, &k, &a, &b); r != 0) return r;
    if (a.count != b.count) return errors::kIncompatibleMatrices;
    if (a.count < 2) return errors::kInsufficientData;
    std::vector<double> differences(a.count);
    for (uint32_t i = 0; i < a.count; ++i) differences[i] = a.at(i) - b.at(i);
    const Sample d{differences.data(), a.count, 1};
    const double n = d.count;
    const double variance = d.variance();
    if (!(variance > 0.0)) return errors::kZeroVariance;
    const double t = d.mean() / std::sqrt(variance / n);
    return finishTwoSample(call, k, t, twoSidedStudent(t, n - 1.0));
}

int32_t variancesTest(const OperationCall& call) {
    int k = 0;
    Sample a, b;
    if (const int32_t r = twoSamples(call, &k, &a, &b); r != 0) return r;
    if (a.count < 2 || b.count < 2) return errors::kInsufficientData;
    const double va = a.variance(), vb = b.variance();
    if (!(va > 0.0) || !(vb > 0.0)) return errors::kZeroVariance;
    // The smaller variance over the larger, degrees of freedom to match.
    const bool aSmaller = va <= vb;
    const double f = aSmaller ? va / vb : vb / va;
    const double v = (aSmaller ? a.count : b.count) - 1.0;
    const double w = (aSmaller ? b.count : a.count) - 1.0;
    // Two-sided: twice the nearer tail, so that p never passes 1.
    const double upper = fisherUpperTail(f, v, w);
    const double p = 2.0 * std::min(1.0 - upper, upper);
    return finishTwoSample(call, k, f, p);
}

int32_t meanTest(const OperationCall& call) {
    Matrix* z = nullptr;
    if (const int32_t r = namedData(call, call.fixed(2, 0), &z); r != 0) return r;
    const Matrix& target = call.fixed(2, 1);
    if (!isScalar(target)) return errors::kNotSupported;
    const Sample s = columnOf(*z, 1);
    if (s.count < 2) return errors::kInsufficientData;
    const double n = s.count;
    const double variance = s.variance();
    if (!(variance > 0.0)) return errors::kZeroVariance;
    const double t = (s.mean() - target.re[0]) / std::sqrt(variance / n);
    if (const int32_t r = writeResult(call.fixed(2, 0), t, twoSidedStudent(t, n - 1.0)); r != 0)
        return r;
    call.finishFixed(2);
    return 0;
}

}  // namespace statistics
