// The unit names: each is a named value worth the size of the unit in the
// base unit of its category, and ">" divides two of them.
#ifndef ORVANA_CONVERSION_UNIT_TABLE_H
#define ORVANA_CONVERSION_UNIT_TABLE_H

#include <span>
#include <string_view>

#include "keypad.h"

namespace conversion {

struct Unit {
    std::u16string_view name;
    OperatorCode code;
    double factor;  // size of the unit in its category's base unit
};

// Every unit, grouped by category.
std::span<const Unit> units();

// The unit with this code, or null.
const Unit* unitWithCode(OperatorCode code);

}  // namespace conversion

#endif
