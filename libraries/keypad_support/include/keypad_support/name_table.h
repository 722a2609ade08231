// A keypad module's function names and their operator codes, as
// GetStrOperator answers them: the whole name must match exactly, and the
// first matching entry in table order wins.
#ifndef ORVANA_KEYPAD_SUPPORT_NAME_TABLE_H
#define ORVANA_KEYPAD_SUPPORT_NAME_TABLE_H

#include <span>
#include <string_view>

#include "keypad.h"

namespace keypad_support {

struct Name {
    std::u16string_view name;
    OperatorCode code;
};

inline OperatorCode findName(std::span<const Name> names, std::u16string_view name) {
    for (const Name& entry : names)
        if (entry.name == name) return entry.code;
    return 0;
}

}  // namespace keypad_support

#endif
