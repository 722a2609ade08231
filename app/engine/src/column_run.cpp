#include "engine/column_run.h"

#include <array>

#include "builtins.h"
#include "engine/code_list.h"
#include "engine/evaluator.h"
#include "engine/library_table.h"
#include "platform/module.h"
#include "scalar_run.h"

namespace engine {
namespace {

// Each library's KeypadColumnwise, looked up by name once per loaded module.
struct ColumnwiseEntry {
    const PlatformModule* module = nullptr;
    KeypadColumnwiseFn columnwise = nullptr;
};
std::array<ColumnwiseEntry, kMaxLibraries + 1> entries;

KeypadColumnwiseFn columnwiseEntryOf(uint32_t number) {
    const KeypadLibrary* library = libraryAt(int(number));
    if (library == nullptr || library->module == nullptr || number >= entries.size())
        return nullptr;
    ColumnwiseEntry& entry = entries[number];
    if (entry.module != library->module) {
        entry.module = library->module;
        entry.columnwise = reinterpret_cast<KeypadColumnwiseFn>(
            platformModuleSymbol(library->module, kColumnwiseEntryName));
    }
    return entry.columnwise;
}

bool libraryTokenColumnwise(uint32_t routed) {
    const KeypadColumnwiseFn columnwise = columnwiseEntryOf(keypadRoutedLibrary(routed));
    return columnwise != nullptr && columnwise(keypadRoutedOperator(routed)) != 0;
}

bool builtinColumnwise(const Token& t, const Matrix* variable) {
    if (isScalarArithmetic(t.code)) return true;
    switch (Code(t.code)) {
        case Code::RealPart:
        case Code::ImaginaryPart: return true;
        case Code::Variable: {
            const Matrix* value = variableOfToken(t);
            return value != nullptr &&
                   (value == variable || value->kind == LATTIX_KIND_SCALAR);
        }
        default: return false;
    }
}

}  // namespace

bool runsColumnwise(const Token* list, const Matrix* variable) {
    if (list == nullptr || variable == nullptr || evaluationFlag()) return false;
    for (const Token* t = list; t->code != 0; ++t) {
        const bool columnwise = keypadRoutedLibrary(t->code) != 0
                                    ? libraryTokenColumnwise(t->code)
                                    : builtinColumnwise(*t, variable);
        if (!columnwise) return false;
    }
    return true;
}

bool runColumns(const Token* list, Matrix* variable, const double* values, int count,
                int32_t angleMode, Matrix* result, Status* status) {
    if (count < 2 || count > kMatrixDimensionLimit || values == nullptr || result == nullptr ||
        status == nullptr || !runsColumnwise(list, variable))
        return false;
    resizeMatrix(variable, 1, uint16_t(count));
    if (variable->kind != LATTIX_KIND_MATRIX_VALUE || variable->cols != count) return false;
    for (int i = 0; i < count; ++i) {
        variable->re[i] = values[i];
        variable->im[i] = 0.0;
    }
    *status = runCodeElementwise(list, result, angleMode);
    return true;
}

}  // namespace engine
