// The Hexadecimal library's operators in one table, which GetStrOperator and
// doOperation read, its operator characters and its string table. The underscores around AND, OR, XOR and NOT in expressions are the
// main program's syntax for named operators; the names themselves are bare.
#include "hexadecimal_codes.h"
#include "keypad_support/operator_table.h"
#include "keypad_support/name_export.h"
#include "platform/string_resources.h"

using namespace hexadecimal;

namespace {

// Every operator with its name and function; the shifts have characters only.
constexpr keypad_support::Operator<Operation> kOperators[] = {
    {kAnd, u"AND", combineTopTwo},     {kOr, u"OR", combineTopTwo},
    {kXor, u"XOR", combineTopTwo},     {kNot, u"NOT", complementTop},
    {kShiftRight, u"", combineTopTwo}, {kShiftLeft, u"", combineTopTwo},
};

}  // namespace

Operation hexadecimal::operationFor(OperatorCode op) {
    return keypad_support::handlerOf(kOperators, op);
}

extern "C" {

PLATFORM_API extern const PlatformStringEntry orvanaStringTable[] = {
    {KEYPAD_HELP_ID(kAnd), u"x_AND_y bitwise x AND y"},
    {KEYPAD_HELP_ID(kOr), u"x_OR_Y bitwise x OR y"},
    {KEYPAD_HELP_ID(kXor), u"x_XOR_y bitwise x exclusive-or y"},
    {KEYPAD_HELP_ID(kNot), u"_NOT_x bitwise  NOT x"},
    {KEYPAD_HELP_ID(kShiftRight), u"x \u00BB n  shift x by n bits to the right"},
    {KEYPAD_HELP_ID(kShiftLeft), u"x \u00AB  n  shift x by n bits to the left"},
    {0, nullptr},
};

PLATFORM_API OperatorCode GetStrOperator(const char16_t* name) {
    return name == nullptr ? 0 : keypad_support::codeOfName(kOperators, name);
}

PLATFORM_API int32_t KeypadNames(int32_t index, const char16_t** name, int32_t* length,
                                 OperatorCode* code) {
    return keypad_support::namedEntry(kOperators, index, name, length, code);
}

PLATFORM_API OperatorCode GetOperator(char16_t character) {
    if (character == u'\u00BB') return kShiftRight;
    if (character == u'\u00AB') return kShiftLeft;
    return 0;
}

}  // extern "C"
