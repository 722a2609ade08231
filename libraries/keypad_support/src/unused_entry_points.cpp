// GetButtonRect, doGraph and doDraw for the keypad modules that have no use
// for them: the main program binds all eight entry points, so each module
// exports these, leaving the rectangle alone and contributing no trace.
#include "keypad.h"

extern "C" {

PLATFORM_API int32_t GetButtonRect(int32_t, int32_t, KeypadRect*) {
    return 0;
}

PLATFORM_API int32_t doGraph(double*, KeypadCurve*, int16_t*, OperatorCode, int32_t, int32_t,
                             Matrix*, int16_t*, const HostServices*) {
    return 0;
}

PLATFORM_API int32_t doDraw(void) {
    return 0;
}

}  // extern "C"
