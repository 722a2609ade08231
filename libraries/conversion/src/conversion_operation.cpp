// doOperation of the Conversion library: unit factors, the conversion
// operator, temperatures and calendar dates.
#include <cmath>
#include <cstddef>

#include "calendar.h"
#include "conversion_codes.h"
#include "date_text.h"
#include "keypad_support/stack_values.h"
#include "platform/clock.h"
#include "unit_table.h"

namespace conversion {
namespace {

// Converts file times to the seconds the library works in. The product is
// kept as it is (not an exact division), so results match to the bit.
constexpr double kSecondsPerTick = 1e-07;

size_t elementCount(const Matrix& m) {
    return size_t(m.rows) * size_t(m.cols);
}

void pushValue(Matrix* stack, int16_t* top, double value) {
    ++*top;
    copyValMatrix(&stack[*top], value, 0.0);
}

// x > y: x / y element by element, after bringing both to one shape whether
// or not the expression is element-wise. A unit factor is real, so the
// divisor is y's real part; x's imaginary part scales with its real part.
int32_t convert(Matrix* stack, int16_t* top) {
    Matrix& x = stack[*top - 1];
    Matrix& y = stack[*top];
    const size_t n = makeCompatibleVector(&x, &y);
    if (n == 0) return kIncompatibleDataTypes;
    for (size_t i = 0; i < n; ++i) {
        const double divisor = y.re[i];
        if (divisor == 0.0) return kDivideByZero;
        x.re[i] = x.re[i] / divisor;
        x.im[i] = x.im[i] / divisor;
    }
    --*top;
    return 0;
}

// FC and CF change every element, whatever the element-wise flag; complex
// values follow complex arithmetic (the offset touches the real part only).
int32_t convertTemperature(Matrix& x, bool toCelsius) {
    if (!keypad_support::isNumeric(x)) return kNotSupported;
    const size_t n = elementCount(x);
    for (size_t i = 0; i < n; ++i) {
        if (toCelsius) {
            x.re[i] = (x.re[i] - 32) * 0.5555555555555556;
            x.im[i] = x.im[i] * 0.5555555555555556;
        } else {
            x.re[i] = x.re[i] * 1.8 + 32;
            x.im[i] = x.im[i] * 1.8;
        }
    }
    return 0;
}

// A date part: a scalar holding a whole number.
bool wholeNumber(const Matrix& m, int* out) {
    if (m.kind != LATTIX_KIND_SCALAR) return false;
    const double v = m.re[0];
    if (!(std::fabs(v) < 1e9) || std::trunc(v) != v) return false;
    *out = int(v);
    return true;
}

// SDATE(m, d, y): seconds from 1 January 1601 to 00:00:00 on that date.
int32_t serialDate(Matrix* stack, int16_t* top) {
    Matrix& month = stack[*top - 2];
    const Matrix& day = stack[*top - 1];
    const Matrix& year = stack[*top];
    if (month.kind != LATTIX_KIND_SCALAR || day.kind != LATTIX_KIND_SCALAR ||
        year.kind != LATTIX_KIND_SCALAR)
        return kNotSupported;
    int m = 0, d = 0, y = 0;
    int64_t ticks = 0;
    if (!wholeNumber(month, &m) || !wholeNumber(day, &d) || !wholeNumber(year, &y) ||
        !fileTimeOfDate(y, m, d, &ticks))
        return kInvalidParameter;
    copyValMatrix(&month, double(ticks) * kSecondsPerTick, 0.0);
    *top -= 2;
    return 0;
}

// MDY(x): the time and date x seconds after 1 January 1601 as text; the
// file time is the product cut to whole ticks.
int32_t monthDayYear(Matrix& x) {
    if (x.kind != LATTIX_KIND_SCALAR) return kNotSupported;
    const double product = x.re[0] * 10000000;
    if (!(product >= 0.0 && product < 9223372036854775808.0)) return kInvalidParameter;
    CalendarTime time{};
    if (!calendarTimeOf(int64_t(product), &time)) return kInvalidParameter;
    copyStrMatrix(&x, dateTimeText(time).c_str());
    return 0;
}

}  // namespace
}  // namespace conversion

using namespace conversion;

extern "C" PLATFORM_API int32_t doOperation(OperatorCode op, int32_t, int32_t, Matrix* stack,
                                            int16_t* top, const HostServices*) {
    if (stack == nullptr || top == nullptr) return 0;
    const Unit* unit = unitWithCode(op);
    const bool known = unit != nullptr || op == kConvert || op == kFahrenheitToCelsius ||
                       op == kCelsiusToFahrenheit || op == kNow || op == kMonthDayYear ||
                       op == kSerialDate;
    if (!known) return 0;
    // The main program keeps the top index inside its 90 records, with room
    // for one push and three operands; anything else is refused unread.
    if (*top < 2 || *top > 88) return *top < 2 ? 11 : 13;
    if (unit != nullptr) {
        pushValue(stack, top, unit->factor);
        return 0;
    }
    switch (op) {
        case kConvert:
            return convert(stack, top);
        case kFahrenheitToCelsius:
            return convertTemperature(stack[*top], true);
        case kCelsiusToFahrenheit:
            return convertTemperature(stack[*top], false);
        case kNow:
            pushValue(stack, top, double(platformLocalFileTime()) * kSecondsPerTick);
            return 0;
        case kMonthDayYear:
            return monthDayYear(stack[*top]);
        default:
            return serialDate(stack, top);
    }
}
