// doOperation of the Scientific library: the stack discipline of each kind
// of operator around the element routines.
#include <cmath>
#include <cstddef>

#include "complex_math.h"
#include "elementary_functions.h"
#include "power.h"
#include "scientific_codes.h"

namespace scientific {
namespace {

size_t elementCount(const Matrix& m) {
    return size_t(m.rows) * size_t(m.cols);
}

Complex elementAt(const Matrix& m, size_t i) {
    return {m.re[i], m.im[i]};
}
void setElement(Matrix& m, size_t i, Complex z) {
    m.re[i] = z.re;
    m.im[i] = z.im;
}

// A one-parameter function on the top entry: one scalar, or every element
// under the element-wise flag.
int32_t elementary(OperatorCode op, Matrix& top, bool elementwise, bool degrees) {
    if (!elementwise && top.kind != LATTIX_KIND_SCALAR) return kNotSupported;
    const size_t n = elementwise ? elementCount(top) : 1;
    for (size_t i = 0; i < n; ++i) {
        Complex z = elementAt(top, i);
        if (const int32_t r = applyElementary(op, z, degrees)) return r;
        setElement(top, i, z);
    }
    return 0;
}

// conj, abs and arg work on every element whatever the flag.
int32_t wholeValue(OperatorCode op, Matrix& top, bool degrees) {
    if (top.kind == LATTIX_KIND_STRING) return kIncompatibleDataTypes;
    const size_t n = elementCount(top);
    for (size_t i = 0; i < n; ++i) {
        const Complex z = elementAt(top, i);
        switch (op) {
            case kConj:
                top.im[i] = -z.im;
                break;
            case kAbs:
                setElement(
                    top, i,
                    {z.im == 0.0 ? std::fabs(z.re) : std::sqrt(z.re * z.re + z.im * z.im), 0.0});
                break;
            default: {
                const double a = angleOf(z.re, z.im);
                setElement(top, i, {degrees ? a * kArgRadiansToDegrees : a, 0.0});
            }
        }
    }
    return 0;
}

// x@y: x·e^(iy) with y's real part, exact at the quarter turns.
Complex polarEntry(Complex x, double y, bool degrees) {
    if (degrees) {
        if (y == 90.0) return timesI(x);
        if (y == -90.0 || y == 270.0) return timesMinusI(x);
        if (y == 180.0 || y == -180.0) return {-x.re, -x.im};
        if (y == 0.0 || y == 360.0) return x;
        y = y * kDegreesToRadians;
    } else {
        if (y == kHalfPi) return timesI(x);
        if (y == -kHalfPi) return timesMinusI(x);
        if (y == kPiValue) return {-x.re, -x.im};
        if (y == 0.0 || y == kTwoPi) return x;
    }
    return multiply(x, {std::cos(y), std::sin(y)});
}

int32_t pairElement(OperatorCode op, Complex x, Complex y, bool degrees, Complex* out) {
    switch (op) {
        case kPower:
            return power(x, y, out);
        case kNrt:
            return nthRoot(x, y, out);
        default:
            *out = polarEntry(x, y.re, degrees);
            return 0;
    }
}

// An operator of two operands (^, @, nrt): left at top - 1, right at top,
// the result in the left entry. Scalars only, or matched shapes under the
// element-wise flag.
int32_t pairwise(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise, bool degrees) {
    Matrix& left = stack[*top - 1];
    Matrix& right = stack[*top];
    size_t n = 1;
    if (elementwise) {
        n = makeCompatibleVector(&left, &right);
        if (n == 0) return kIncompatibleDataTypes;
    } else if (left.kind != LATTIX_KIND_SCALAR || right.kind != LATTIX_KIND_SCALAR) {
        return kNotSupported;
    }
    for (size_t i = 0; i < n; ++i) {
        Complex z;
        if (const int32_t r = pairElement(op, elementAt(left, i), elementAt(right, i), degrees, &z))
            return r;
        setElement(left, i, z);
    }
    --*top;
    return 0;
}

// rect and polar: two real scalars to a 2 x 1 column in the first entry.
int32_t coordinates(OperatorCode op, Matrix* stack, int16_t* top, bool degrees) {
    Matrix& first = stack[*top - 1];
    const Matrix& second = stack[*top];
    if (first.kind != LATTIX_KIND_SCALAR || second.kind != LATTIX_KIND_SCALAR) return kNotSupported;
    const double p = first.re[0], q = second.re[0];
    double u, v;
    if (op == kRect) {
        const double theta = degrees ? q * kDegreesToRadians : q;
        u = p * std::cos(theta);
        v = p * std::sin(theta);
    } else {
        u = std::sqrt(p * p + q * q);
        const double angle = std::atan2(q, p);
        v = degrees ? angle * kRadiansToDegrees : angle;
    }
    resizeMatrix(&first, 2, 1);
    if (elementCount(first) != 2) return kMatrixTooBig;
    setElement(first, 0, {u, 0.0});
    setElement(first, 1, {v, 0.0});
    --*top;
    return 0;
}

// atanyx(y, x): the angle of each pair of elements' real parts, quadrant
// kept, into y's entry; y and x must have one shape.
int32_t arcTangentOf(Matrix* stack, int16_t* top, bool degrees) {
    Matrix& y = stack[*top - 1];
    const Matrix& x = stack[*top];
    if (y.kind == LATTIX_KIND_STRING || x.kind == LATTIX_KIND_STRING || elementCount(y) == 0 ||
        elementCount(x) == 0)
        return kNotSupported;
    if (y.rows != x.rows || y.cols != x.cols) return kIncompatibleMatrices;
    for (size_t i = 0; i < elementCount(y); ++i) {
        const double a = std::atan2(y.re[i], x.re[i]);
        setElement(y, i, {degrees ? a * kRadiansToDegrees : a, 0.0});
    }
    --*top;
    return 0;
}

// x² and x³ through Lattix's product, so a matrix without the element-wise
// flag is squared as a matrix.
int32_t smallPower(OperatorCode op, Matrix& top, bool elementwise) {
    Matrix* copy = newMatrix(0, 0);
    if (copy == nullptr) return kMatrixTooBig;
    copyMatMatrix(copy, &top);
    const int flag = elementwise ? 1 : 0;
    int32_t r;
    if (op == kSquare) {
        r = multMatrix(&top, copy, flag);
    } else {
        r = multMatrix(copy, &top, flag);              // x·x
        if (r == 0) r = multMatrix(&top, copy, flag);  // x·(x·x)
    }
    delMatrix(copy);
    return r;
}

}  // namespace

int32_t pushPi(OperatorCode, Matrix* stack, int16_t* top, bool, bool) {
    ++*top;
    copyValMatrix(&stack[*top], kPiValue, 0.0);
    return 0;
}

int32_t elementaryOnTop(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise,
                        bool degrees) {
    return elementary(op, stack[*top], elementwise, degrees);
}

int32_t wholeTop(OperatorCode op, Matrix* stack, int16_t* top, bool, bool degrees) {
    return wholeValue(op, stack[*top], degrees);
}

int32_t topTwo(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise, bool degrees) {
    return pairwise(op, stack, top, elementwise, degrees);
}

int32_t coordinatesOfTop(OperatorCode op, Matrix* stack, int16_t* top, bool, bool degrees) {
    return coordinates(op, stack, top, degrees);
}

int32_t arcTangentOfTop(OperatorCode, Matrix* stack, int16_t* top, bool, bool degrees) {
    return arcTangentOf(stack, top, degrees);
}

int32_t smallPowerOfTop(OperatorCode op, Matrix* stack, int16_t* top, bool elementwise, bool) {
    return smallPower(op, stack[*top], elementwise);
}

}  // namespace scientific

using namespace scientific;

extern "C" PLATFORM_API int32_t doOperation(OperatorCode op, int32_t angleMode, int32_t elementwise,
                                            Matrix* stack, int16_t* top, const HostServices*) {
    const Operation perform = operationFor(op);
    if (stack == nullptr || top == nullptr || perform == nullptr) return 0;
    // The main program keeps the top index inside its 90 records; a top
    // index outside them is refused before anything is read.
    if (*top < 1 || *top > 88) return *top < 1 ? kNotEnoughParameters : kStackOverflow;
    // "pi" has no operand; every other operator refuses an element-wise
    // operand without elements.
    if (op != kPi && elementwise != 0 && elementCount(stack[*top]) == 0)
        return kIncompatibleDataTypes;
    return perform(op, stack, top, elementwise != 0, angleMode != 0);
}

// Optional entry: the operators that, under the element-wise flag, give each
// element what they give it as a lone scalar and change nothing else, so the
// graph may evaluate a block for all its columns in one run. rect, polar and
// atanyx change the shape or need matching shapes and are left out.
extern "C" PLATFORM_API int32_t KeypadColumnwise(OperatorCode op) {
    const Operation perform = operationFor(op);
    return perform == elementaryOnTop || perform == wholeTop || perform == topTwo ||
                   perform == smallPowerOfTop || perform == pushPi
               ? 1
               : 0;
}
