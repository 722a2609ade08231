// The operator entry points: GetStrOperator and GetOperator name the
// library's functions, doOperation performs them, doGraph draws the curves
// of rk, lti and integ(..., "x").
#include "advanced_codes.h"
#include "graph_traces.h"
#include "keypad.h"
#include "keypad_support/operator_table.h"
#include "keypad_support/name_export.h"
#include "operators.h"

namespace advanced {
namespace {

using Operator = Status (*)(const Call&);

// Every operator, its name and its function; names are looked up in this
// order.
constexpr keypad_support::Operator<Operator> kOperators[] = {
    {kInteg, u"integ", integOperator}, {kRk, u"rk", rkOperator},
    {kLti, u"lti", ltiOperator},       {kRoots, u"roots", rootsOperator},
    {kSolve, u"solve", solveOperator}, {kDdt, u"ddt", ddtOperator},
    {kAugc, u"augc", augcOperator},    {kAugr, u"augr", augrOperator},
    {kSize, u"size", sizeOperator},    {kFill, u"fill", fillOperator},
    {kOnes, u"ones", onesOperator},    {kEig, u"eig", eigOperator},
    {kAug, u"aug", augOperator},
};

}  // namespace
}  // namespace advanced

extern "C" {

PLATFORM_API OperatorCode GetStrOperator(const char16_t* name) {
    return name == nullptr ? 0 : keypad_support::codeOfName(advanced::kOperators, name);
}

PLATFORM_API int32_t KeypadNames(int32_t index, const char16_t** name, int32_t* length,
                                 OperatorCode* code) {
    return keypad_support::namedEntry(advanced::kOperators, index, name, length, code);
}

PLATFORM_API OperatorCode GetOperator(char16_t) {
    return 0;
}

PLATFORM_API int32_t doOperation(OperatorCode op, int32_t angleMode, int32_t, Matrix* stack,
                                 int16_t* top, const HostServices* services) {
    using namespace advanced;
    const Operator perform = keypad_support::handlerOf(kOperators, op);
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
