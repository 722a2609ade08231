#include "least_squares.h"

#include <cmath>
#include <cstring>

#include "data_source.h"
#include "operations.h"
#include "operator_codes.h"
#include "platform/heap.h"

namespace statistics {
namespace {

// The graph never has more columns than a curve record can count.
constexpr double kLargestSampleCount = 32767.0;

// Gives the curve room for `count` y values. The line's points lie at the
// sample positions, so the x array and the per-point data of other curves
// the record held go; a pen-up array that stays marks every point pen down.
// The arrays come from, and go back to, the process heap, like every curve
// array of the graph view.
bool reserve(KeypadCurve& curve, uint16_t count) {
    if (curve.y == nullptr || curve.capacity < count) {
        auto* y = static_cast<double*>(platformHeapAlloc(sizeof(double) * count));
        if (y == nullptr) return false;
        platformHeapFree(curve.y);
        platformHeapFree(curve.penUp);
        curve.y = y;
        curve.penUp = nullptr;
        curve.capacity = count;
    }
    platformHeapFree(curve.x);
    platformHeapFree(curve.auxiliary);
    curve.x = nullptr;
    curve.auxiliary = nullptr;
    if (curve.penUp != nullptr) std::memset(curve.penUp, 0, count);
    return true;
}

}  // namespace

int32_t fitLine(const Matrix& data, LineFit* fit) {
    if (data.rows == 0 || data.re == nullptr) return errors::kEmptyData;
    if (data.rows == 1) return errors::kSingleValue;
    if (data.cols < 2) return errors::kValueOutOfBounds;
    const double n = data.rows;
    double sx = 0.0, sy = 0.0;
    bool allEqual = true;
    const double x0 = data.re[0];
    for (uint32_t i = 0; i < data.rows; ++i) {
        sx += data.re[i * data.cols];
        sy += data.re[i * data.cols + 1];
        allEqual = allEqual && data.re[i * data.cols] == x0;
    }
    // Sums of squares and products about the means, so that data far from
    // zero keep their digits.
    const double mx = sx / n, my = sy / n;
    double sxx = 0.0, syy = 0.0, sxy = 0.0;
    for (uint32_t i = 0; i < data.rows; ++i) {
        const double dx = data.re[i * data.cols] - mx;
        const double dy = data.re[i * data.cols + 1] - my;
        sxx += dx * dx;
        syy += dy * dy;
        sxy += dx * dy;
    }
    // Equal x values are a vertical line even when rounding leaves a trace
    // of spread.
    if (!(sxx > 0.0) || allEqual) return errors::kInfiniteSlope;
    fit->a = sxy / sxx;
    fit->b = my - fit->a * mx;
    // A horizontal line has no correlation to measure.
    fit->r = syy > 0.0 ? sxy / std::sqrt(sxx * syy) : 0.0;
    return 0;
}

int32_t leastSquares(const OperationCall& call) {
    Matrix* data = nullptr;
    if (const int32_t r = resolveData(call.fixed(1, 0), call.services, &data); r != 0) return r;
    LineFit fit;
    if (const int32_t r = fitLine(*data, &fit); r != 0) return r;
    Matrix& result = call.fixed(1, 0);
    if (!shapeResult(result, 1, 3)) return errors::kMatrixTooBig;
    result.re[0] = fit.a;
    result.re[1] = fit.b;
    result.re[2] = fit.r;
    result.im[0] = result.im[1] = result.im[2] = 0.0;
    call.finishFixed(1);
    return 0;
}

int32_t graphLeastSquares(const double* samples, KeypadCurve* curves, int16_t* traceCount,
                          const OperationCall& call) {
    if (samples == nullptr || curves == nullptr || traceCount == nullptr) return 0;
    if (*traceCount < 0 || *traceCount >= KEYPAD_CURVE_COUNT) return 0;
    const double count = samples[-1];
    if (!(count >= 1.0 && count <= kLargestSampleCount) || std::trunc(count) != count) return 0;
    Matrix* data = nullptr;
    if (resolveData(call.stack[*call.top], call.services, &data) != 0) return 0;
    LineFit fit;
    if (fitLine(*data, &fit) != 0) return 0;

    KeypadCurve& curve = curves[*traceCount];
    const uint16_t n = uint16_t(count);
    if (!reserve(curve, n)) return 0;
    for (uint16_t i = 0; i < n; ++i) curve.y[i] = fit.a * samples[i] + fit.b;
    curve.pointsAtSamples = 1;
    curve.pointCount = int16_t(n);
    curve.firstX = samples[0];
    curve.lastX = samples[n - 1];
    // The ends of a straight line are its extremes.
    const bool rising = fit.a >= 0.0;
    curve.smallestY = rising ? curve.y[0] : curve.y[n - 1];
    curve.largestY = rising ? curve.y[n - 1] : curve.y[0];
    ++*traceCount;
    return -1;
}

}  // namespace statistics
