// The rounding helpers mod, frac, int and sign, and angle, which reads a
// value given in degrees in the block's angle unit.
#include <cmath>
#include <cstddef>

#include "operations.h"
#include "scripting_codes.h"

namespace scripting {
namespace {

// A fraction beyond this in magnitude is taken for a whole number that
// rounding errors left just short of it.
constexpr double kSnapLimit = 0.9999999999999;
// frac gives 0 for a fraction smaller than this in magnitude: 2^-51, the
// spacing of doubles between 2 and 4.
constexpr double kTinyFraction = 4.440892098500626e-16;
constexpr double kRadiansPerDegree = 0.017453292519943295;

size_t elementCount(const Matrix& m) {
    return m.re == nullptr ? 0 : size_t(m.rows) * size_t(m.cols);
}

bool isString(const Matrix& m) {
    return m.kind == LATTIX_KIND_STRING;
}

double snappedFraction(double v) {
    const double f = fractionOf(v);
    return std::fabs(f) < kTinyFraction ? 0.0 : f;
}

}  // namespace

double fractionOf(double v) {
    double whole = 0.0;
    const double f = std::modf(v, &whole);
    return f > kSnapLimit || f < -kSnapLimit ? 0.0 : f;
}

int32_t remainderOf(const Operation& call) {
    Matrix& x = call.at(-1);
    const Matrix& y = call.at(0);
    if (isString(x) || isString(y) || elementCount(x) == 0 || elementCount(y) == 0)
        return kInvalidParameter;
    const double divisor = y.re[0];
    if (divisor == 0.0) return kDivideByZero;
    copyValMatrix(&x, std::fmod(x.re[0], divisor), 0.0);
    --*call.top;
    return 0;
}

int32_t roundingHelper(const Operation& call) {
    Matrix& m = call.at(0);
    if (isString(m)) return kInvalidParameter;
    const size_t n = elementCount(m);
    for (size_t i = 0; i < n; ++i) {
        const double re = m.re[i], im = m.im[i];
        switch (call.op) {
            case kFrac:
                m.re[i] = snappedFraction(re);
                m.im[i] = snappedFraction(im);
                break;
            case kInt:
                m.re[i] = re - fractionOf(re);
                m.im[i] = im - fractionOf(im);
                break;
            default:  // sign
                m.re[i] = re < 0.0 ? -1.0 : 1.0;
                m.im[i] = 0.0;
        }
    }
    return 0;
}

int32_t angleOf(const Operation& call) {
    Matrix& m = call.at(0);
    if (isString(m)) return kInvalidParameter;
    if (call.degrees) return 0;
    const size_t n = elementCount(m);
    for (size_t i = 0; i < n; ++i) {
        m.re[i] *= kRadiansPerDegree;
        m.im[i] *= kRadiansPerDegree;
    }
    return 0;
}

}  // namespace scripting
