// roots(a, b, c, ...) and roots({a, b, c, ...}): the zeros of a polynomial
// with the given coefficients, highest power first, found by the value
// library.
#include <memory>

#include "operators.h"
#include "stack_arguments.h"

namespace advanced {
namespace {

// More than 19 coefficients (order 18 and beyond) are refused.
constexpr int kMaxDegree = 19;

}  // namespace

Status rootsOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = variableArguments(call.stack, call.top, args); s != kOk) return s;
    const int k = args.count();
    const int d = k - 1;
    if (d > kMaxDegree) return kOrderTooHigh;
    if (d < 0) return kInvalidParameter;

    const Matrix& first = args[0];
    int count = k;
    if (d == 0) {
        if (first.kind == LATTIX_KIND_SCALAR) return kNoRoot;
        if (first.kind != LATTIX_KIND_MATRIX_VALUE || !isNumeric(first))
            return kIncompatibleDataTypes;
        count = elementCount(first);
        if (count > kMaxDegree) return kOrderTooHigh;
    } else {
        for (int i = 0; i < k; ++i)
            if (!isNumeric(args[i])) return kIncompatibleDataTypes;
    }

    std::unique_ptr<Matrix, int (*)(Matrix*)> column(newMatrix(uint16_t(count), 1), delMatrix);
    if (column == nullptr || !hasShape(*column, count, 1)) return kMatrixTooBig;
    for (int i = 0; i < count; ++i) {
        column->re[i] = d == 0 ? first.re[i] : args[i].re[0];
        column->im[i] = 0.0;
    }
    // Every coefficient 0: every number is a root, and nothing is stored.
    const uint16_t status = polyMatrix(column.get(), &args[0]);
    if (status != 0) return Status(status);
    *call.top = int16_t(args.firstSlot());
    return kOk;
}

}  // namespace advanced
