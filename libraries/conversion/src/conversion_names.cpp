// The names and the operator character the Conversion library answers, and
// its string table of help texts.
#include <string_view>

#include "conversion_codes.h"
#include "keypad_support/name_table.h"
#include "keypad_support/name_export.h"
#include "platform/string_resources.h"
#include "unit_table.h"

using namespace conversion;

namespace {

constexpr keypad_support::Name kFunctions[] = {
    {u"FC", kFahrenheitToCelsius}, {u"CF", kCelsiusToFahrenheit}, {u"NOW", kNow},
    {u"MDY", kMonthDayYear},       {u"SDATE", kSerialDate},
};

}  // namespace

extern "C" {

PLATFORM_API extern const PlatformStringEntry orvanaStringTable[] = {
    {KEYPAD_HELP_ID(kConvert), u"x > y converts from x units to y units.  10FT>IN returns 120"},
    {KEYPAD_HELP_ID(kFahrenheitToCelsius), u"FC(x) converts x from degrees F to C"},
    {KEYPAD_HELP_ID(kCelsiusToFahrenheit), u"CF(x) converts x from degrees C to F"},
    {KEYPAD_HELP_ID(kNow), u"NOW returns elapsed seconds since Jan 1, 1601"},
    {KEYPAD_HELP_ID(kMonthDayYear),
     u"mdy(x) returns text describing the date corresponding to x.  x is number of seconds "
     u"since Jan1 1601"},
    {KEYPAD_HELP_ID(kSerialDate),
     u"SDATE(m,d,y) returns number of seconds since Jan 1, 1601 for date m/d/y  "
     u"(month/day/year).  Useful for date calculations"},
    {0, nullptr},
};

// Every name of this library is upper case; a name that does not start with
// an upper-case letter is not looked at.
PLATFORM_API OperatorCode GetStrOperator(const char16_t* name) {
    if (name == nullptr || name[0] < u'A' || name[0] > u'Z') return 0;
    const std::u16string_view text(name);
    for (const Unit& unit : units())
        if (unit.name == text) return unit.code;
    return keypad_support::findName(kFunctions, text);
}

// The units first, as GetStrOperator looks at them first.
PLATFORM_API int32_t KeypadNames(int32_t index, const char16_t** name, int32_t* length,
                                 OperatorCode* code) {
    const int32_t unitNames = keypad_support::namedCount(units());
    if (index < unitNames) return keypad_support::namedEntry(units(), index, name, length, code);
    return keypad_support::namedEntry(kFunctions, index - unitNames, name, length, code);
}

PLATFORM_API OperatorCode GetOperator(char16_t character) {
    return character == u'>' ? kConvert : 0;
}

}  // extern "C"
