// Sums, moments, means, deviations and extremes down the columns of data.
#include <cmath>
#include <vector>

#include "data_source.h"
#include "operations.h"
#include "operator_codes.h"

namespace statistics {
namespace {

struct Complex {
    double re = 0.0;
    double im = 0.0;
};

// The data of a one-parameter operator, refused with 101 when it has no rows.
int32_t dataOf(const OperationCall& call, Matrix** data) {
    if (const int32_t r = resolveData(call.fixed(1, 0), call.services, data); r != 0) return r;
    return (*data)->rows == 0 || (*data)->re == nullptr ? errors::kEmptyData : 0;
}

// Writes one row of complex values as the result (one value: a scalar).
int32_t writeRow(const OperationCall& call, const std::vector<Complex>& values) {
    Matrix& result = call.fixed(1, 0);
    if (!shapeResult(result, 1, uint16_t(values.size()))) return errors::kMatrixTooBig;
    for (size_t c = 0; c < values.size(); ++c) {
        result.re[c] = values[c].re;
        result.im[c] = values[c].im;
    }
    call.finishFixed(1);
    return 0;
}

template <typename Term>
int32_t sumDownColumns(const OperationCall& call, Term term) {
    Matrix* data = nullptr;
    if (const int32_t r = dataOf(call, &data); r != 0) return r;
    const ColumnView view(*data, false);
    std::vector<Complex> sums(view.columns());
    for (uint16_t c = 0; c < view.columns(); ++c)
        for (uint32_t i = 0; i < view.length(); ++i) {
            const Complex t = term(view.re(c, i), view.im(c, i));
            sums[c].re += t.re;
            sums[c].im += t.im;
        }
    return writeRow(call, sums);
}

}  // namespace

int32_t columnSums(const OperationCall& call) {
    return sumDownColumns(call, [](double re, double im) { return Complex{re, im}; });
}

int32_t columnSquares(const OperationCall& call) {
    return sumDownColumns(call, [](double re, double im) {
        return Complex{re * re - im * im, 2.0 * re * im};
    });
}

int32_t productSum(const OperationCall& call) {
    Matrix* data = nullptr;
    if (const int32_t r = dataOf(call, &data); r != 0) return r;
    if (data->cols < 2) return errors::kValueOutOfBounds;
    Complex sum;
    for (uint32_t i = 0; i < data->rows; ++i) {
        const uint32_t s = i * data->cols;
        const double ar = data->re[s], ai = data->im[s];
        const double br = data->re[s + 1], bi = data->im[s + 1];
        sum.re += ar * br - ai * bi;
        sum.im += ar * bi + ai * br;
    }
    return writeRow(call, {sum});
}

int32_t rowCount(const OperationCall& call) {
    Matrix* data = nullptr;
    if (const int32_t r = resolveData(call.fixed(1, 0), call.services, &data); r != 0) return r;
    copyValMatrix(&call.fixed(1, 0), double(data->rows), 0.0);
    call.finishFixed(1);
    return 0;
}

int32_t columnMeans(const OperationCall& call) {
    Matrix* data = nullptr;
    if (const int32_t r = dataOf(call, &data); r != 0) return r;
    const ColumnView view(*data, true);
    const double inverse = 1.0 / view.length();
    std::vector<Complex> means(view.columns());
    for (uint16_t c = 0; c < view.columns(); ++c) {
        Complex sum;
        for (uint32_t i = 0; i < view.length(); ++i) {
            sum.re += view.re(c, i);
            sum.im += view.im(c, i);
        }
        means[c] = Complex{sum.re * inverse, sum.im * inverse};
    }
    return writeRow(call, means);
}

int32_t columnDeviations(const OperationCall& call) {
    Matrix* data = nullptr;
    if (const int32_t r = dataOf(call, &data); r != 0) return r;
    const ColumnView view(*data, true);
    const double n = view.length();
    std::vector<Complex> deviations(view.columns());
    if (view.length() >= 2) {
        for (uint16_t c = 0; c < view.columns(); ++c) {
            double sum = 0.0;
            for (uint32_t i = 0; i < view.length(); ++i) sum += view.re(c, i);
            const double mean = sum / n;
            // Squares about the mean, so large values with a small spread
            // keep their digits; the sum of the deviations corrects the
            // rounding of the mean.
            double squares = 0.0, deviation = 0.0;
            for (uint32_t i = 0; i < view.length(); ++i) {
                const double d = view.re(c, i) - mean;
                squares += d * d;
                deviation += d;
            }
            const double spread = (squares - deviation * deviation / n) / (n - 1.0);
            deviations[c].re = spread > 0.0 ? std::sqrt(spread) : 0.0;
        }
    }
    return writeRow(call, deviations);
}

int32_t columnExtremes(const OperationCall& call) {
    Matrix* data = nullptr;
    if (const int32_t r = dataOf(call, &data); r != 0) return r;
    const ColumnView view(*data, true);
    std::vector<double> smallest(view.columns()), largest(view.columns());
    for (uint16_t c = 0; c < view.columns(); ++c) {
        smallest[c] = largest[c] = view.re(c, 0);
        for (uint32_t i = 1; i < view.length(); ++i) {
            const double x = view.re(c, i);
            if (x < smallest[c]) smallest[c] = x;
            if (x > largest[c]) largest[c] = x;
        }
    }
    Matrix& result = call.fixed(1, 0);
    const uint16_t cols = view.columns();
    if (!shapeResult(result, 2, cols)) return errors::kMatrixTooBig;
    for (uint16_t c = 0; c < cols; ++c) {
        result.re[c] = smallest[c];
        result.re[cols + c] = largest[c];
        result.im[c] = result.im[cols + c] = 0.0;
    }
    call.finishFixed(1);
    return 0;
}

}  // namespace statistics
