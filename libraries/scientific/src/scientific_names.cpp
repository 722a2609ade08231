// The Scientific library's operators in one table, which GetStrOperator and
// doOperation read, its operator characters and its string table (the help
// texts of its operators).
#include "keypad_support/operator_table.h"
#include "keypad_support/name_export.h"
#include "platform/string_resources.h"
#include "scientific_codes.h"

namespace scientific {
namespace {

// Every operator with its name and function; the operators written as
// characters have no name.
constexpr keypad_support::Operator<Operation> kOperators[] = {
    {kPi, u"pi", pushPi},
    {kAsin, u"asin", elementaryOnTop},
    {kAcos, u"acos", elementaryOnTop},
    {kAtan, u"atan", elementaryOnTop},
    {kSin, u"sin", elementaryOnTop},
    {kCos, u"cos", elementaryOnTop},
    {kTan, u"tan", elementaryOnTop},
    {kAsinh, u"asinh", elementaryOnTop},
    {kAcosh, u"acosh", elementaryOnTop},
    {kAtanh, u"atanh", elementaryOnTop},
    {kSinh, u"sinh", elementaryOnTop},
    {kCosh, u"cosh", elementaryOnTop},
    {kTanh, u"tanh", elementaryOnTop},
    {kDeg, u"deg", elementaryOnTop},
    {kRad, u"rad", elementaryOnTop},
    {kSqrt, u"sqrt", elementaryOnTop},
    {kNrt, u"nrt", topTwo},
    {kLog, u"log", elementaryOnTop},
    {kLn, u"ln", elementaryOnTop},
    {kExp, u"exp", elementaryOnTop},
    {kRect, u"rect", coordinatesOfTop},
    {kPolar, u"polar", coordinatesOfTop},
    {kConj, u"conj", wholeTop},
    {kAtanyx, u"atanyx", arcTangentOfTop},
    {kAbs, u"abs", wholeTop},
    {kArg, u"arg", wholeTop},
    {kPower, u"", topTwo},
    {kPolarEntry, u"", topTwo},
    {kSquare, u"", smallPowerOfTop},
    {kCube, u"", smallPowerOfTop},
};

}  // namespace

Operation operationFor(OperatorCode op) { return keypad_support::handlerOf(kOperators, op); }

}  // namespace scientific

using namespace scientific;

extern "C" {

PLATFORM_API extern const PlatformStringEntry orvanaStringTable[] = {
    {KEYPAD_HELP_ID(kPi), u"3.1415926535   8979323846  2643383279  5028841971 ..."},
    {KEYPAD_HELP_ID(kAtan), u"atan(x).  Use atanyx(y,x) to preserve the quadrant"},
    {KEYPAD_HELP_ID(kDeg), u"deg(x) converts x from radians to degrees"},
    {KEYPAD_HELP_ID(kRad), u"rad(x) converts x from degrees to radians"},
    {KEYPAD_HELP_ID(kSqrt), u"sqrt(x) returns square root x"},
    {KEYPAD_HELP_ID(kNrt), u"nrt(x,m) returns the m-th root of x"},
    {KEYPAD_HELP_ID(kLog), u"log(x) returns base 10 of x"},
    {KEYPAD_HELP_ID(kLn), u"ln(x) returns the natural log of x"},
    {KEYPAD_HELP_ID(kExp), u"e to a power"},
    {KEYPAD_HELP_ID(kRect),
     u"rect(r,theta) converts polar coords r,theta to rectangular coordinates {x,y}"},
    {KEYPAD_HELP_ID(kPolar), u"polar(x,y) converts rectangular coords. x,y to polar {r, theta}"},
    {KEYPAD_HELP_ID(kConj), u"conj(x) returns the complex conjugate of x"},
    {KEYPAD_HELP_ID(kAtanyx),
     u"atanyx(y,x) finds the arc-tangent of y/x accounting for the signs of x and y so that "
     u"the angle is in the correct quadrant"},
    {KEYPAD_HELP_ID(kAbs),
     u"abs(x) returns the absolute value of x, or the magnitude of x if it is complex"},
    {KEYPAD_HELP_ID(kArg),
     u"arg(x) returns the argument of a complex value.  This is the angle from the real axis "
     u"in the complex plane"},
    {KEYPAD_HELP_ID(kPower), u"x^y  raises x to the y power"},
    {KEYPAD_HELP_ID(kPolarEntry),
     u"x@y computes x exp(yi) where y is real.  Use to enter complex values in polar form.  x "
     u"is the magnitude, y is the angle."},
    {KEYPAD_HELP_ID(kSquare), u"x\u00B2"},
    {KEYPAD_HELP_ID(kCube), u"x\u00B3"},
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
    switch (character) {
        case u'^':
            return kPower;
        case u'@':
            return kPolarEntry;
        case u'\u00B2':
            return kSquare;
        case u'\u00B3':
            return kCube;
        default:
            return 0;
    }
}

}  // extern "C"
