// The names the scripting library answers, and its string table: the help
// texts of its operators.
#include "keypad_support/name_table.h"
#include "keypad_support/name_export.h"
#include "platform/string_resources.h"
#include "scripting_codes.h"

namespace scripting {
namespace {

// The comparisons are written "_LT_" and so on; the tokenizer looks up the
// name between the underscores.
constexpr keypad_support::Name kNames[] = {
    {u"LT", kLessThan},     {u"GT", kGreaterThan},    {u"EQ", kEqual},
    {u"LE", kLessOrEqual},  {u"GE", kGreaterOrEqual}, {u"NE", kNotEqual},
    {u"mod", kMod},         {u"frac", kFrac},         {u"int", kInt},
    {u"sign", kSign},       {u"ASK", kAsk},           {u"isvar", kIsvar},
    {u"angle", kAngle},     {u"EPS", kEps},
};

}  // namespace
}  // namespace scripting

using namespace scripting;

extern "C" {

PLATFORM_API extern const PlatformStringEntry orvanaStringTable[] = {
    {KEYPAD_HELP_ID(kLessThan), u"x_LT_y  is 1 if x < y otherwise 0"},
    {KEYPAD_HELP_ID(kGreaterThan), u"x_GT_y  is 1 if x > y otherwise 0"},
    {KEYPAD_HELP_ID(kEqual), u"x_EQ_y  is 1 if x = y otherwise 0"},
    {KEYPAD_HELP_ID(kLessOrEqual), u"x_LE_y  is 1 if x <= y otherwise 0"},
    {KEYPAD_HELP_ID(kGreaterOrEqual), u"x_GE_y  is 1 if x >= y otherwise 0"},
    {KEYPAD_HELP_ID(kNotEqual), u"x_NE_y  is 1 if  x not equal y  otherwise 0"},
    {KEYPAD_HELP_ID(kMod),
     u"mod(x,y) remainder from division x/y.  The sign of the answer matches the sign of x"},
    {KEYPAD_HELP_ID(kFrac), u"frac(x) returns fractional portion of x"},
    {KEYPAD_HELP_ID(kInt), u"int(x) returns integer portion of x"},
    {KEYPAD_HELP_ID(kSign), u"sign(x) return 1 if x>=0 and -1 if x<0"},
    {KEYPAD_HELP_ID(kAsk),
     u"ASK(\"text\") shows the text and returns 1.  A text ending in ? is a question: the "
     u"answer yes gives 1 and no gives 0.  ASK(\"prompt\",\"name\") with one, two or three "
     u"pairs of a prompt and a variable name shows each prompt over an edit line holding the "
     u"variable's value.  OK stores what was entered into the variables (each entry is "
     u"evaluated as an expression) and gives 1; Cancel leaves them and gives 0.  A variable "
     u"that does not exist, or an entry that is not a valid expression, is a syntax error."},
    {KEYPAD_HELP_ID(kIsvar),
     u"isvar(\"name\") tells whether a variable of that name exists: 0 if there is no such "
     u"variable, 1 if it is a global variable, 2 if it is a local variable of the running "
     u"script.  A value that is not a string gives 0."},
    {KEYPAD_HELP_ID(kAngle),
     u"angle(x)  If x is a value in degrees, angle(x) returns x if the block is in Degrees "
     u"mode, or x*pi/180 (x converted to radians) if it is in Radians mode"},
    {KEYPAD_HELP_ID(kEps),
     u"EPS = 2^-52 = 2.220446049250313E-16, the distance from 1 to the next larger number"},
    {0, nullptr},
};

PLATFORM_API OperatorCode GetStrOperator(const char16_t* name) {
    return name == nullptr ? 0 : keypad_support::findName(kNames, name);
}

PLATFORM_API int32_t KeypadNames(int32_t index, const char16_t** name, int32_t* length,
                                 OperatorCode* code) {
    return keypad_support::namedEntry(kNames, index, name, length, code);
}

// Every operator of this library is a name; no character belongs to it.
PLATFORM_API OperatorCode GetOperator(char16_t) {
    return 0;
}

}  // extern "C"
