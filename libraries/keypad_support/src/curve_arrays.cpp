// The arrays of a curve record, which the graph view and every module that
// draws a trace allocate from the platform heap.
#include "keypad_support/stack_values.h"
#include "platform/heap.h"

namespace keypad_support {

void releaseCurveArrays(KeypadCurve& c) {
    platformHeapFree(c.x);
    platformHeapFree(c.y);
    platformHeapFree(c.auxiliary);
    platformHeapFree(c.penUp);
    c.x = nullptr;
    c.y = nullptr;
    c.auxiliary = nullptr;
    c.penUp = nullptr;
    c.capacity = 0;
}

}  // namespace keypad_support
