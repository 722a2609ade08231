// The operator entry points: GetStrOperator and GetOperator name the
// library's functions, doOperation performs them, doGraph draws the curves
// of rk, lti and integ(..., "x").
#include "advanced_codes.h"
#include "graph_traces.h"
#include "keypad.h"
#include "keypad_support/name_table.h"
#include "operators.h"

namespace advanced {
namespace {

// Looked up in this order.
constexpr keypad_support::Name kNames[] = {
    {u"integ", kInteg}, {u"rk", kRk},     {u"lti", kLti},   {u"roots", kRoots}, {u"solve", kSolve},
    {u"ddt", kDdt},     {u"augc", kAugc}, {u"augr", kAugr}, {u"size", kSize},   {u"fill", kFill},
    {u"ones", kOnes},   {u"eig", kEig},   {u"aug", kAug},
};

using Operator = Status (*)(const Call&);

Operator operatorFor(OperatorCode op) {
    switch (op) {
        case kInteg:
            return integOperator;
        case kRoots:
            return rootsOperator;
        case kSolve:
            return solveOperator;
        case kDdt:
            return ddtOperator;
        case kAugc:
            return augcOperator;
        case kSize:
            return sizeOperator;
        case kOnes:
            return onesOperator;
        case kFill:
            return fillOperator;
        case kAugr:
            return augrOperator;
        case kEig:
            return eigOperator;
        case kAug:
            return augOperator;
        case kRk:
            return rkOperator;
        case kLti:
            return ltiOperator;
        default:
            return nullptr;
    }
}

}  // namespace
}  // namespace advanced

extern "C" {

PLATFORM_API OperatorCode GetStrOperator(const char16_t* name) {
    return name == nullptr ? 0 : keypad_support::findName(advanced::kNames, name);
}

PLATFORM_API OperatorCode GetOperator(char16_t) {
    return 0;
}

PLATFORM_API int32_t doOperation(OperatorCode op, int32_t angleMode, int32_t, Matrix* stack,
                                 int16_t* top, const HostServices* services) {
    using namespace advanced;
    const Operator perform = operatorFor(op);
    if (perform == nullptr || stack == nullptr || top == nullptr || services == nullptr) return 0;
    return perform(Call{stack, top, services, angleMode});
}

PLATFORM_API int32_t doGraph(double* samples, KeypadCurve* curves, int16_t* traceCount,
                             OperatorCode op, int32_t angleMode, int32_t, Matrix* stack,
                             int16_t* top, const HostServices* services) {
    using namespace advanced;
    if (stack == nullptr || top == nullptr || services == nullptr) return kNoTrace;
    return graphOperator(op,
                         GraphCall{samples, curves, traceCount, angleMode, stack, top, services});
}

}  // extern "C"
