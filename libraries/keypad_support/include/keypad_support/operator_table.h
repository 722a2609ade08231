// A keypad module's operators in one table: each operator's code, the name
// GetStrOperator answers for it (empty for an operator reached only by its
// character), and the function doOperation calls for it. The module's
// GetStrOperator and doOperation both read the table, so an operator is
// added in one place.
#ifndef ORVANA_KEYPAD_SUPPORT_OPERATOR_TABLE_H
#define ORVANA_KEYPAD_SUPPORT_OPERATOR_TABLE_H

#include <cstddef>
#include <string_view>

#include "keypad.h"

namespace keypad_support {

template <typename Handler>
struct Operator {
    OperatorCode code;
    std::u16string_view name;
    Handler handler;
};

// The code of the first entry whose whole name matches; 0 for none.
template <typename Handler, size_t N>
OperatorCode codeOfName(const Operator<Handler> (&table)[N], std::u16string_view name) {
    if (name.empty()) return 0;
    for (const Operator<Handler>& entry : table)
        if (entry.name == name) return entry.code;
    return 0;
}

// The handler of an operator; null for a code the table does not hold.
template <typename Handler, size_t N>
Handler handlerOf(const Operator<Handler> (&table)[N], OperatorCode code) {
    for (const Operator<Handler>& entry : table)
        if (entry.code == code) return entry.handler;
    return nullptr;
}

}  // namespace keypad_support

#endif
