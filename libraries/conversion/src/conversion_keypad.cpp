// The Conversion keypad: unit names on pages 2 to 4, the conversion
// operator, the temperature functions, the squares and cubes of the
// Scientific library, and the two pop-up menus on page 2.
#include "keypad_menus.h"
#include "keypad_support/key_table.h"
#include "keypad_support/module_bitmaps.h"

namespace {

using keypad_support::Key;

constexpr uint32_t kUnitsMenuKey = 2u << 16 | u'.';
constexpr uint32_t kTablesMenuKey = 2u << 16 | u'0';

// The two menu keys insert nothing themselves; their entries give their
// labels on the legend.
constexpr Key kKeys[] = {
    {u'1', 2, u"M", 0, u"M"},
    {u'1', 3, u"CM", 0, u"CM"},
    {u'1', 4, u"MM", 0, u"MM"},
    {u'2', 2, u"YD", 0, u"YD"},
    {u'2', 3, u"FT", 0, u"FT"},
    {u'2', 4, u"IN", 0, u"IN"},
    {u'3', 2, u">", 0, u">"},
    {u'3', 3, u"MI", 0, u"MI"},
    {u'3', 4, u"KM", 0, u"KM"},
    {u'4', 2, u"N", 0, u"N"},
    {u'4', 3, u"LBF", 0, u"LBF"},
    {u'4', 4, u"OZF", 0, u"OZF"},
    {u'5', 2, u"KG", 0, u"KG"},
    {u'5', 3, u"LBM", 0, u"LBM"},
    {u'5', 4, u"OZ", 0, u"OZ"},
    {u'6', 2, u"L", 0, u"L"},
    {u'6', 3, u"QT", 0, u"QT"},
    {u'6', 4, u"GAL", 0, u"GAL"},
    {u'7', 2, u"J", 0, u"J"},
    {u'7', 3, u"BTU", 0, u"BTU"},
    {u'7', 4, u"KWH", 0, u"KWH"},
    {u'8', 2, u"FC()", 1, u"FC"},
    {u'8', 3, u"CF()", 1, u"CF"},
    {u'8', 4, u"CAL", 0, u"CAL"},
    {u'9', 2, u"SEC", 0, u"SEC"},
    {u'9', 3, u"MIN", 0, u"MIN"},
    {u'9', 4, u"HR", 0, u"HR"},
    {u'.', 2, nullptr, 0, u"Units"},
    {u'.', 3, u"\u00B2", 0, u"x\u00B2"},
    {u'.', 4, u"\u00B3", 0, u"x\u00B3"},
    {u'0', 2, nullptr, 0, u"Const"},
    {u'0', 3, u"PSI", 0, u"PSI"},
    {u'0', 4, u"ATM", 0, u"ATM"},
};

}  // namespace

KEYPAD_SUPPORT_MODULE_BITMAPS(kKeys, u"\u00B0F", 3)

extern "C" {

PLATFORM_API int32_t MapKeyboard(uint32_t keyCode, PlatformWindow editControl,
                                 const HostServices*) {
    if (keyCode == kUnitsMenuKey) {
        conversion::showUnitsMenu(editControl);
        return KEYPAD_ACTION_NONE;
    }
    if (keyCode == kTablesMenuKey) {
        conversion::showTablesMenu(editControl);
        return KEYPAD_ACTION_NONE;
    }
    return keypad_support::insertKey(kKeys, keyCode, editControl);
}

}  // extern "C"
