// The parameter conventions of the value stack for this library's operators.
#include "stack_arguments.h"

#include <cmath>

namespace graphing {

Status variableParameters(Matrix* stack, const int16_t* top, Parameters& out) {
    const int t = *top;
    if (t < kFirstParameterSlot || !isScalar(stack[t])) return kWrongParameterCount;
    const double k = stack[t].re[0];
    if (!(k >= 0.0) || k > double(t - kFirstParameterSlot) || k != std::floor(k))
        return kWrongParameterCount;
    const int count = int(k);
    out = Parameters(stack, t - count, count);
    return kOk;
}

Status fixedParameters(Matrix* stack, const int16_t* top, int n, Parameters& out) {
    const int first = *top - n + 1;
    if (first < kFirstParameterSlot) return kNotEnoughParameters;
    out = Parameters(stack, first, n);
    return kOk;
}

bool isScalar(const Matrix& m) {
    return m.kind == LATTIX_KIND_SCALAR && m.re != nullptr && m.im != nullptr;
}

std::u16string_view textOf(const Matrix& m) {
    if (!isString(m)) return {};
    const auto* text = reinterpret_cast<const char16_t*>(m.re);
    const size_t reach = size_t(m.capacity) * (sizeof(double) / sizeof(char16_t));
    size_t n = 0;
    while (n < reach && text[n] != 0) ++n;
    return {text, n};
}

const Matrix* resolveData(const Matrix& m, const HostServices* services) {
    if (!isString(m)) return &m;
    if (services == nullptr || services->findVariable == nullptr || services->variableAt == nullptr)
        return nullptr;
    const std::u16string name(textOf(m));
    const uint16_t handle = services->findVariable(name.c_str());
    if (handle == KEYPAD_NO_VARIABLE) return nullptr;
    return services->variableAt(handle);
}

}  // namespace graphing
