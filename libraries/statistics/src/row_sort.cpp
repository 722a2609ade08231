// Sorting the rows of data by one column: ascending and stable, on the real
// parts of the key column, moving whole elements (real and imaginary parts).
#include <algorithm>
#include <cmath>
#include <vector>

#include "data_source.h"
#include "operations.h"
#include "operator_codes.h"
#include "platform/long_work.h"

namespace statistics {
namespace {

struct Key {
    double value;
    uint32_t row;
};

// The order of the rows after a stable insertion sort, in which only a
// strictly greater key moves a row. Without NaN keys every stable sort by
// "less" gives that same order, so a merge sort stands in for long data; a
// NaN key (which no comparison moves past) needs the insertion sort itself.
std::vector<uint32_t> insertionOrder(const ColumnView& view, uint16_t keyColumn) {
    std::vector<Key> keys(view.length());
    bool anyNaN = false;
    for (uint32_t i = 0; i < view.length(); ++i) {
        keys[i] = Key{view.re(keyColumn, i), i};
        anyNaN = anyNaN || std::isnan(keys[i].value);
    }
    if (!anyNaN) {
        std::stable_sort(keys.begin(), keys.end(),
                         [](const Key& a, const Key& b) { return a.value < b.value; });
    } else {
        for (size_t i = 1; i < keys.size(); ++i) {
            // Quadratic on long data: the caller asks whether it was stopped.
            if (platformLongWorkPoll(i) != 0) break;
            const Key key = keys[i];
            size_t j = i;
            while (j > 0 && keys[j - 1].value > key.value) {
                keys[j] = keys[j - 1];
                --j;
            }
            keys[j] = key;
        }
    }
    std::vector<uint32_t> order(keys.size());
    for (size_t i = 0; i < keys.size(); ++i) order[i] = keys[i].row;
    return order;
}

}  // namespace

int32_t sortRows(const OperationCall& call) {
    Matrix& parameter = call.fixed(2, 0);
    const Matrix& columnParameter = call.fixed(2, 1);
    const bool named = isString(parameter);
    Matrix* data = nullptr;
    if (const int32_t r = resolveData(parameter, call.services, &data); r != 0) return r;
    if (data->rows == 0 || data->re == nullptr) return errors::kEmptyData;
    const ColumnView view(*data, true);
    if (!isScalar(columnParameter)) return errors::kInvalidParameter;
    const double n = std::trunc(columnParameter.re[0]);
    if (!(n >= 1.0 && n <= double(view.columns()))) return errors::kInvalidParameter;

    const std::vector<uint32_t> order = insertionOrder(view, uint16_t(n - 1.0));
    if (platformLongWorkStopped() != 0) return errors::kInterrupted;
    // Rows move through a copy, each element with its imaginary part.
    const size_t width = view.columns();
    std::vector<double> re(width * view.length()), im(width * view.length());
    for (uint32_t i = 0; i < view.length(); ++i)
        for (uint16_t c = 0; c < view.columns(); ++c) {
            re[i * width + c] = view.re(c, i);
            im[i * width + c] = view.im(c, i);
        }
    for (uint32_t i = 0; i < view.length(); ++i)
        for (uint16_t c = 0; c < view.columns(); ++c) {
            data->re[view.slot(c, i)] = re[order[i] * width + c];
            data->im[view.slot(c, i)] = im[order[i] * width + c];
        }

    if (named) copyValMatrix(&parameter, double(view.length()), 0.0);
    call.finishFixed(2);
    return 0;
}

}  // namespace statistics
