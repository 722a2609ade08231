// The Scientific keypad: what its keys insert on pages 2 to 4 and the legend
// drawn from the same table, and the entry points it has no use for.
#include "keypad_support/key_table.h"
#include "keypad_support/module_bitmaps.h"

namespace {

using keypad_support::Key;

// Page 2 green, page 3 dark red, page 4 blue. caretBack 1 leaves the caret
// between the parentheses; rect and polar put it just after "(".
constexpr Key kKeys[] = {
    {u'1', 2, u"sin()", 1, u"sin"},
    {u'1', 3, u"asin()", 1, u"asin"},
    {u'1', 4, nullptr, 1, nullptr},
    {u'2', 2, u"cos()", 1, u"cos"},
    {u'2', 3, u"acos()", 1, u"acos"},
    {u'2', 4, u"rect(,)", 2, u"rect"},
    {u'3', 2, u"tan()", 1, u"tan"},
    {u'3', 3, u"atan()", 1, u"atan"},
    {u'3', 4, u"polar(,)", 2, u"polar"},
    {u'4', 2, u"ln()", 1, u"ln"},
    {u'4', 3, u"sinh()", 1, u"sinh"},
    {u'4', 4, u"asinh()", 1, u"asinh"},
    {u'5', 2, u"log()", 1, u"log"},
    {u'5', 3, u"cosh()", 1, u"cosh"},
    {u'5', 4, u"acosh()", 1, u"acosh"},
    {u'6', 2, u"pi", 0, u"\u03C0"},
    {u'6', 3, u"tanh()", 1, u"tanh"},
    {u'6', 4, u"atanh()", 1, u"atanh"},
    {u'7', 2, u"exp()", 1, u"e^x"},
    {u'7', 3, u"10^()", 1, u"10^x"},
    {u'7', 4, u"@", 0, u"@"},
    {u'8', 2, u"^", 0, u"x^y"},
    {u'8', 3, u"\u00B2", 0, u"x\u00B2"},
    {u'8', 4, u"deg()", 1, u"deg"},
    {u'9', 2, u"sqrt()", 1, u"\u221Ax"},
    {u'9', 3, u"nrt()", 1, u"nrt"},
    {u'9', 4, u"rad()", 1, u"rad"},
    {u'.', 2, u"i", 0, u"i"},
    {u'.', 3, u"abs()", 1, u"abs"},
    {u'.', 4, u"conj()", 1, u"conj"},
    {u'0', 2, u"re()", 1, u"re"},
    {u'0', 3, u"im()", 1, u"im"},
    {u'0', 4, u"arg()", 1, u"arg"},
};

}  // namespace

KEYPAD_SUPPORT_MODULE_BITMAPS(kKeys, u"f(x)", 2)

extern "C" {

PLATFORM_API int32_t MapKeyboard(uint32_t keyCode, PlatformWindow editControl,
                                 const HostServices*) {
    return keypad_support::insertKey(kKeys, keyCode, editControl);
}

}  // extern "C"
