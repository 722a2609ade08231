// eig(a) and eig(a, "name"): the eigenvalues of a real square matrix as a
// complex column, and with a name, its unit-length eigenvectors as the
// columns of that variable.
#include <cmath>
#include <optional>

#include "eigen_system.h"
#include "formula.h"
#include "operators.h"
#include "platform/long_work.h"
#include "stack_arguments.h"

namespace advanced {
namespace {

using eigen::Square;
using eigen::Vector;

// The complex eigenvector columns: a pair j, j+1 of real columns u, v of a
// complex eigenvalue becomes u + iv and u - iv; then every column is scaled
// to unit length.
void storeVectors(const Square& z, const Vector& wi, Matrix& out) {
    const int n = z.order();
    for (int j = 1; j <= n; ++j) {
        if (wi(j) != 0.0 && j < n) {
            for (int i = 1; i <= n; ++i) {
                const size_t at = size_t(i - 1) * size_t(n);
                out.re[at + size_t(j - 1)] = z(i, j);
                out.im[at + size_t(j - 1)] = z(i, j + 1);
                out.re[at + size_t(j)] = z(i, j);
                out.im[at + size_t(j)] = -z(i, j + 1);
            }
            ++j;
        } else {
            for (int i = 1; i <= n; ++i) {
                const size_t at = size_t(i - 1) * size_t(n) + size_t(j - 1);
                out.re[at] = z(i, j);
                out.im[at] = 0.0;
            }
        }
    }
    for (int j = 0; j < n; ++j) {
        double sum = 0.0;
        for (int i = 0; i < n; ++i) {
            const size_t at = size_t(i) * size_t(n) + size_t(j);
            sum += out.re[at] * out.re[at] + out.im[at] * out.im[at];
        }
        const double length = std::sqrt(sum);
        if (length == 0.0) continue;
        for (int i = 0; i < n; ++i) {
            const size_t at = size_t(i) * size_t(n) + size_t(j);
            out.re[at] = out.re[at] / length;
            out.im[at] = out.im[at] / length;
        }
    }
}

}  // namespace

Status eigOperator(const Call& call) {
    Arguments args(call.stack, 0, 0);
    if (const Status s = variableArguments(call.stack, call.top, args); s != kOk) return s;
    if (args.count() != 1 && args.count() != 2) return kWrongParameterCount;
    Matrix& a = args[0];
    // Only a numeric square matrix has eigenvalues.
    if (!isNumeric(a) || a.rows != a.cols) return kIncompatibleMatrices;
    const int n = a.rows;

    Square m(n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) {
            const double v = a.re[size_t(i - 1) * size_t(n) + size_t(j - 1)];
            // Balancing and the iteration cannot work on infinities or NaN.
            if (!std::isfinite(v)) return kInvalidParameter;
            m(i, j) = v;
        }

    Matrix* vectors = nullptr;
    // A stopped computation leaves the vectors' variable as it was.
    std::optional<SavedValue> vectorsBefore;
    if (args.count() == 2) {
        if (!isString(args[1])) return kRequiresString;
        Variable v;
        const Status s =
            Variable::find(call.services, reinterpret_cast<const char16_t*>(args[1].re), v);
        if (s != kOk) return s;
        vectors = v.value();
        vectorsBefore.emplace(v);
        resizeMatrix(vectors, uint16_t(n), uint16_t(n));
        if (!hasShape(*vectors, n, n)) {
            vectorsBefore->keepCurrent();
            return kMatrixTooBig;
        }
        for (int i = 0; i < n * n; ++i) vectors->re[i] = vectors->im[i] = 0.0;
    }

    Vector wr(n);
    Vector wi(n);
    Square z(vectors != nullptr ? n : 0);
    const bool done =
        vectors != nullptr ? eigen::eigenvectorsOf(m, wr, wi, z) : eigen::eigenvaluesOf(m, wr, wi);
    *call.top = int16_t(args.firstSlot());
    if (!done && platformLongWorkStopped() != 0) return kInterrupted;
    if (vectorsBefore) vectorsBefore->keepCurrent();
    if (!done) {
        copyValMatrix(&a, 0.0, 0.0);
        return kTooManyIterations;
    }
    resizeMatrix(&a, uint16_t(n), 1);
    if (!hasShape(a, n, 1)) return kMatrixTooBig;
    for (int i = 1; i <= n; ++i) {
        a.re[i - 1] = wr(i);
        a.im[i - 1] = wi(i);
    }
    if (vectors != nullptr) storeVectors(z, wi, *vectors);
    return kOk;
}

}  // namespace advanced
