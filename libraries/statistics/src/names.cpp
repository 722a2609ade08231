// The library's operators in one table, which GetStrOperator and doOperation
// read, and GetOperator's one operator character.
#include <string_view>

#include "keypad_support/operator_table.h"
#include "keypad_support/name_export.h"
#include "operations.h"
#include "operator_codes.h"
#include "platform/export.h"

namespace statistics {
namespace {

using namespace codes;

// The distributions share one entry function.
int32_t distributionOperator(const OperationCall& call) {
    bool known = false;
    return distribution(call, &known);
}

// Every operator with its name and function. Names are unique, so the whole
// name decides, in whatever group its first character puts it ("j" and on,
// or before).
constexpr keypad_support::Operator<Operation> kOperators[] = {
    {kAvg, u"avg", columnMeans},
    {kBindist, u"bindist", distributionOperator},
    {kChi, u"chi", distributionOperator},
    {kClrv, u"clrv", clearVariable},
    {kComb, u"comb", combinations},
    {kFdist, u"fdist", distributionOperator},
    {kInvnorm, u"invnorm", distributionOperator},
    {kInvtdist, u"invtdist", distributionOperator},
    {kInvfdist, u"invfdist", distributionOperator},
    {kInvchi, u"invchi", distributionOperator},
    {kInvbindist, u"invbindist", distributionOperator},
    {kStore, u"store", storeRow},
    {kSx, u"sx", columnSums},
    {kSxx, u"sxx", columnSquares},
    {kSxy, u"sxy", productSum},
    {kNum, u"num", rowCount},
    {kStd, u"std", columnDeviations},
    {kMm, u"mm", columnExtremes},
    {kSort, u"sort", sortRows},
    {kPerm, u"perm", permutations},
    {kMdtest, u"mdtest", meansTest},
    {kSdtest, u"sdtest", variancesTest},
    {kMtest, u"mtest", meanTest},
    {kPairtest, u"pairtest", pairedTest},
    {kLsq, u"lsq", leastSquares},
    {kNorm, u"norm", distributionOperator},
    {kTdist, u"tdist", distributionOperator},
    {kFactorial, u"", factorials},
};

}  // namespace

Operation operationFor(OperatorCode op) { return keypad_support::handlerOf(kOperators, op); }

}  // namespace statistics

extern "C" PLATFORM_API OperatorCode GetStrOperator(const char16_t* name) {
    if (name == nullptr) return 0;
    return keypad_support::codeOfName(statistics::kOperators, name);
}

extern "C" PLATFORM_API int32_t KeypadNames(int32_t index, const char16_t** name, int32_t* length,
                                 OperatorCode* code) {
    return keypad_support::namedEntry(statistics::kOperators, index, name, length, code);
}

extern "C" PLATFORM_API OperatorCode GetOperator(char16_t character) {
    return character == u'!' ? statistics::codes::kFactorial : 0;
}
