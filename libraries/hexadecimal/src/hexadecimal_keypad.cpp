// The Hexadecimal keypad: hexadecimal digits and the prefix on page 2, the
// operator words on page 3; page 4 has no keys.
#include "keypad_support/key_table.h"
#include "keypad_support/module_bitmaps.h"

namespace {

using keypad_support::Key;

constexpr Key kKeys[] = {
    {u'1', 2, u"0x", 0, u"0x"},
    {u'2', 2, u"A", 0, u"A"},
    {u'2', 3, u"_AND_", 0, u"AND"},
    {u'3', 2, u"B", 0, u"B"},
    {u'3', 3, u"_OR_", 0, u"OR"},
    {u'4', 2, u"C", 0, u"C"},
    {u'5', 2, u"D", 0, u"D"},
    {u'5', 3, u"_XOR_", 0, u"XOR"},
    {u'6', 2, u"E", 0, u"E"},
    {u'6', 3, u"_NOT_", 0, u"NOT"},
    {u'7', 2, u"F", 0, u"F"},
    // The shifts are drawn as two angle brackets.
    {u'8', 2, u"\u00BB", 0, u">>"},
    {u'9', 2, u"\u00AB", 0, u"<<"},
};

}  // namespace

KEYPAD_SUPPORT_MODULE_BITMAPS(kKeys, u"0x", 4)

extern "C" {

PLATFORM_API int32_t MapKeyboard(uint32_t keyCode, PlatformWindow editControl,
                                 const HostServices*) {
    return keypad_support::insertKey(kKeys, keyCode, editControl);
}

}  // extern "C"
