// The names and characters the Hexadecimal library answers, and its string
// table. The underscores around AND, OR, XOR and NOT in expressions are the
// main program's syntax for named operators; the names themselves are bare.
#include <string_view>

#include "hexadecimal_codes.h"
#include "platform/string_resources.h"

using namespace hexadecimal;

namespace {
constexpr uint32_t help(OperatorCode code) {
    return KEYPAD_HELP_ID_BASE + code;
}
}  // namespace

extern "C" {

PLATFORM_API extern const PlatformStringEntry orvanaStringTable[] = {
    {help(kAnd), u"x_AND_y bitwise x AND y"},
    {help(kOr), u"x_OR_Y bitwise x OR y"},
    {help(kXor), u"x_XOR_y bitwise x exclusive-or y"},
    {help(kNot), u"_NOT_x bitwise  NOT x"},
    {help(kShiftRight), u"x \u00BB n  shift x by n bits to the right"},
    {help(kShiftLeft), u"x \u00AB  n  shift x by n bits to the left"},
    {0, nullptr},
};

PLATFORM_API OperatorCode GetStrOperator(const char16_t* name) {
    if (name == nullptr) return 0;
    const std::u16string_view n(name);
    if (n == u"AND") return kAnd;
    if (n == u"OR") return kOr;
    if (n == u"XOR") return kXor;
    if (n == u"NOT") return kNot;
    return 0;
}

PLATFORM_API OperatorCode GetOperator(char16_t character) {
    if (character == u'\u00BB') return kShiftRight;
    if (character == u'\u00AB') return kShiftLeft;
    return 0;
}

}  // extern "C"
