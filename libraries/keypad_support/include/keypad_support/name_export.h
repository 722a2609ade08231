// The optional KeypadNames export served from a module's own name table (an
// operator table or a name table), so that the names it lists are the names
// GetStrOperator answers. Entries without a name (operators reached only by
// their character) are left out.
#ifndef ORVANA_KEYPAD_SUPPORT_NAME_EXPORT_H
#define ORVANA_KEYPAD_SUPPORT_NAME_EXPORT_H

#include <cstddef>
#include <cstdint>
#include <span>

#include "keypad.h"

namespace keypad_support {

// Entry `index` among the named entries of `table`: 1 with the outputs set,
// 0 past the end (or for a negative index).
template <typename Entry>
int32_t namedEntry(std::span<const Entry> table, int32_t index, const char16_t** name,
                   int32_t* length, OperatorCode* code) {
    if (index < 0) return 0;
    for (const Entry& entry : table) {
        if (entry.name.empty()) continue;
        if (index-- > 0) continue;
        if (name != nullptr) *name = entry.name.data();
        if (length != nullptr) *length = int32_t(entry.name.size());
        if (code != nullptr) *code = entry.code;
        return 1;
    }
    return 0;
}

template <typename Entry, size_t N>
int32_t namedEntry(const Entry (&table)[N], int32_t index, const char16_t** name,
                   int32_t* length, OperatorCode* code) {
    return namedEntry(std::span<const Entry>(table), index, name, length, code);
}

// How many named entries `table` has.
template <typename Entry>
int32_t namedCount(std::span<const Entry> table) {
    int32_t n = 0;
    for (const Entry& entry : table) n += entry.name.empty() ? 0 : 1;
    return n;
}

}  // namespace keypad_support

#endif
