// The entry points the main program binds: doOperation dispatches to the
// operators, doGraph draws the least-squares line, LoadBMP hands out the
// legend; GetButtonRect and doDraw are bound but have nothing to do.
#include "platform/export.h"
#include "key_table.h"
#include "keypad.h"
#include "least_squares.h"
#include "operations.h"
#include "operator_codes.h"

namespace statistics {
namespace {

keypad_support::Legend& legend() noexcept {
    static keypad_support::Legend image(keyTable());
    return image;
}

}  // namespace
}  // namespace statistics

extern "C" {

PLATFORM_API int32_t doOperation(OperatorCode op, int32_t angleMode, int32_t elementwise,
                                      Matrix* stack, int16_t* top, const HostServices* services) {
    using namespace statistics;
    if (stack == nullptr || top == nullptr || services == nullptr) return 0;
    const OperationCall call{op, angleMode, elementwise, stack, top, services};
    try {
        const Operation operation = operationFor(op);
        return operation != nullptr ? operation(call) : 0;
    } catch (...) {
        // Only the working copies of large data can fail to be allocated.
        return errors::kMatrixTooBig;
    }
}

PLATFORM_API int32_t doGraph(double* samples, KeypadCurve* curves, int16_t* traceCount,
                                  OperatorCode op, int32_t angleMode, int32_t elementwise,
                                  Matrix* stack, int16_t* top, const HostServices* services) {
    using namespace statistics;
    if (op != codes::kLsq || stack == nullptr || top == nullptr || services == nullptr) return 0;
    const OperationCall call{op, angleMode, elementwise, stack, top, services};
    try {
        return graphLeastSquares(samples, curves, traceCount, call);
    } catch (...) {
        return 0;
    }
}

PLATFORM_API int32_t LoadBMP(KeypadSurface surface, KeypadLibrary* library) {
    (void)library;
    return statistics::legend().copyTo(surface);
}

PLATFORM_API int32_t GetButtonRect(int32_t row, int32_t column, KeypadRect* rect) {
    (void)row;
    (void)column;
    (void)rect;
    return 0;
}

PLATFORM_API int32_t doDraw(void) {
    return 0;
}

}  // extern "C"
