#include "data_source.h"

#include "operation_call.h"
#include "operator_codes.h"

namespace statistics {
namespace {

// Variable names are at most this long; the engine keeps no longer ones.
constexpr size_t kNameLimit = 10;

size_t lengthOf(const char16_t* text) {
    size_t n = 0;
    while (text[n] != 0) ++n;
    return n;
}

}  // namespace

int32_t resolveData(Matrix& parameter, const HostServices* services, Matrix** data) {
    if (!isString(parameter)) {
        *data = &parameter;
        return 0;
    }
    const uint16_t handle = services->findVariable(textOf(parameter));
    Matrix* variable = handle == KEYPAD_NO_VARIABLE ? nullptr : services->variableAt(handle);
    if (variable == nullptr) return errors::kValueOutOfBounds;
    *data = variable;
    return 0;
}

int32_t findOrCreateVariable(const char16_t* name, const HostServices* services,
                             Matrix** variable) {
    const size_t length = name == nullptr ? 0 : lengthOf(name);
    if (length == 0 || length > kNameLimit) return errors::kIncompatibleDataTypes;
    uint16_t handle = services->findVariable(name);
    if (handle == KEYPAD_NO_VARIABLE) handle = services->createVariable(name);
    *variable = services->variableAt(handle);
    return *variable == nullptr ? errors::kIncompatibleDataTypes : 0;
}

ColumnView::ColumnView(const Matrix& data, bool singleRowIsOneSample)
    : data_(data), columns_(data.cols), length_(data.rows), stride_(data.cols) {
    if (data.rows == 0 || data.re == nullptr) {
        columns_ = 0;
        length_ = 0;
    } else if (singleRowIsOneSample && data.rows == 1 && data.cols > 1) {
        columns_ = 1;
        length_ = data.cols;
        stride_ = 1;
    }
}

}  // namespace statistics
