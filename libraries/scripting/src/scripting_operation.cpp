// doOperation of the scripting library: which routine each operator goes
// to, isvar, and the named value EPS.
#include "operations.h"
#include "scripting_codes.h"

namespace scripting {
namespace {

// Handles from 0x1000 on are the running script's locals.
constexpr uint16_t kFirstLocal = 0x1000;

bool isComparison(OperatorCode op) {
    switch (op) {
        case kLessThan:
        case kGreaterThan:
        case kEqual:
        case kLessOrEqual:
        case kGreaterOrEqual:
        case kNotEqual:
            return true;
        default:
            return false;
    }
}

bool isKnown(OperatorCode op) {
    switch (op) {
        case kMod:
        case kFrac:
        case kInt:
        case kSign:
        case kAngle:
        case kIsvar:
        case kAsk:
        case kEps:
            return true;
        default:
            return isComparison(op);
    }
}

}  // namespace

int32_t variableKind(const Operation& call) {
    Matrix& m = call.at(0);
    double kind = 0.0;
    if (m.kind == LATTIX_KIND_STRING && m.re != nullptr && call.services != nullptr) {
        const uint16_t handle =
            call.services->findVariable(reinterpret_cast<const char16_t*>(m.re));
        if (handle != KEYPAD_NO_VARIABLE) kind = handle >= kFirstLocal ? 2.0 : 1.0;
    }
    copyValMatrix(&m, kind, 0.0);
    return 0;
}

}  // namespace scripting

using namespace scripting;

extern "C" PLATFORM_API int32_t doOperation(OperatorCode op, int32_t angleMode, int32_t elementwise,
                                            Matrix* stack, int16_t* top,
                                            const HostServices* services) {
    if (stack == nullptr || top == nullptr || !isKnown(op)) return 0;
    const Operation call{op, angleMode != 0, elementwise != 0, stack, top, services};
    const bool infix = isComparison(op) || op == kMod;
    // The main program keeps the top index inside its 90 records, with the
    // operands in place; anything else is refused before it is read.
    if (*top < (infix ? 2 : 1)) return kNotEnoughParameters;
    if (*top > 88) return kStackOverflow;
    if (isComparison(op)) return compare(call);
    switch (op) {
        case kMod:
            return remainderOf(call);
        case kFrac:
        case kInt:
        case kSign:
            return roundingHelper(call);
        case kAngle:
            return angleOf(call);
        case kIsvar:
            return variableKind(call);
        case kAsk:
            return ask(call);
        default:  // EPS
            ++*top;
            copyValMatrix(&stack[*top], kEpsilon, 0.0);
            return 0;
    }
}
