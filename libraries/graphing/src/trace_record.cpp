// The curve-record side of every trace this library draws.
#include "trace_record.h"

#include <algorithm>
#include <cstring>

#include "keypad_support/stack_values.h"
#include "platform/heap.h"

namespace graphing {

KeypadCurve* nextTrace(KeypadCurve* curves, const int16_t* traceCount) {
    if (curves == nullptr || traceCount == nullptr) return nullptr;
    const int16_t index = *traceCount;
    if (index < 0 || index >= KEYPAD_CURVE_COUNT) return nullptr;
    return &curves[index];
}

bool reserveXY(KeypadCurve& c, int n) {
    platformHeapFree(c.auxiliary);
    platformHeapFree(c.penUp);
    c.auxiliary = nullptr;
    c.penUp = nullptr;
    if (c.capacity >= n && c.x != nullptr && c.y != nullptr) return true;
    keypad_support::releaseCurveArrays(c);
    const size_t slots = size_t(std::max(n, 1));
    c.x = static_cast<double*>(platformHeapAlloc(slots * sizeof(double)));
    c.y = static_cast<double*>(platformHeapAlloc(slots * sizeof(double)));
    if (c.x == nullptr || c.y == nullptr) {
        keypad_support::releaseCurveArrays(c);
        return false;
    }
    c.capacity = uint16_t(slots);
    return true;
}

bool reserveWithPens(KeypadCurve& c, int n) {
    if (!reserveXY(c, n)) return false;
    c.penUp = static_cast<uint8_t*>(platformHeapAlloc(c.capacity));
    if (c.penUp == nullptr) {
        keypad_support::releaseCurveArrays(c);
        return false;
    }
    return true;
}

void beginTrace(KeypadCurve& c, TraceStyle style) {
    c.pointsAtSamples = 0;
    c.fitRange = 0;
    c.pointCount = 0;
    setStyle(c, style);
    c.label[0] = 0;
}

TraceStyle styleOf(const KeypadCurve& c) {
    return TraceStyle{c.lineFlag, c.markStyle, c.colour};
}

void setStyle(KeypadCurve& c, TraceStyle style) {
    c.lineFlag = style.lineFlag;
    c.markStyle = style.markStyle;
    c.colour = style.colour;
}

void setLabel(KeypadCurve& c, std::u16string_view text) {
    const size_t n = std::min(text.size(), kLabelUnits);
    std::memcpy(c.label, text.data(), n * sizeof(char16_t));
    c.label[n] = 0;
}

bool isGap(double y) {
    const double gap = KEYPAD_CURVE_GAP;
    return std::memcmp(&y, &gap, sizeof y) == 0;
}

void setWidenedRanges(KeypadCurve& c, int n) {
    double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
    for (int i = 0; i < n; ++i) {
        if (isGap(c.y[i])) continue;
        xmin = std::min(xmin, c.x[i]);
        xmax = std::max(xmax, c.x[i]);
        ymin = std::min(ymin, c.y[i]);
        ymax = std::max(ymax, c.y[i]);
    }
    c.firstX = xmin - 0.1 * (xmax - xmin);
    c.lastX = xmax + 0.1 * (xmax - xmin);
    c.smallestY = ymin - 0.1 * (ymax - ymin);
    c.largestY = ymax + 0.1 * (ymax - ymin);
}

void finishTrace(KeypadCurve& c, int n, int16_t* traceCount) {
    c.pointCount = int16_t(n);
    ++*traceCount;
}

}  // namespace graphing
