// The graphing keypad: what its keys insert on pages 2 to 4 and the legend
// drawn from the same table, the title bitmap, and the entry points it has
// no use for.
#include "keypad_support/key_table.h"
#include "keypad_support/module_bitmaps.h"

namespace {

using keypad_support::Key;

// Page 2 green, page 3 dark red, page 4 blue. caretBack 1 leaves the caret
// between the parentheses or the quotes. Page 2's key 9 has no text: it
// puts "V:" in front of the line (see MapKeyboard).
constexpr Key kKeys[] = {
    {u'1', 2, u"plot()", 1, u"plot"},
    {u'1', 3, u"line()", 1, u"line"},
    {u'2', 2, u"polarplot()", 1, u"polar"},
    {u'2', 3, u"moveto()", 1, u"moveto"},
    {u'3', 2, u"label()", 1, u"label"},
    {u'3', 3, u"title()", 1, u"title"},
    {u'3', 4, u"p", 0, u"p"},
    {u'4', 2, u"\"\"", 1, u"\"\""},
    {u'4', 3, u"w", 0, u"w"},
    {u'5', 2, u"-", 0, u"-"},
    {u'5', 3, u"#", 0, u"#"},
    {u'5', 4, u"o", 0, u"o"},
    {u'6', 2, u"g", 0, u"g"},
    {u'6', 3, u"r", 0, u"r"},
    {u'6', 4, u"b", 0, u"b"},
    {u'7', 2, u"fill()", 1, u"fill"},
    {u'7', 3, u"cleargraph()", 1, u"clear"},
    {u'8', 2, u"ones()", 1, u"ones"},
    {u'8', 3, u"drawgraph()", 1, u"draw"},
    {u'9', 2, nullptr, 0, u"V:"},
    {u'9', 3, u"CONTIFGRAPHING()", 1, u"CONTIF"},
    {u'.', 2, u"x", 0, u"x"},
    {u'.', 3, u"t", 0, u"t"},
    {u'0', 2, u"y", 0, u"y"},
    {u'0', 3, u":", 0, u":"},
};

constexpr uint32_t kElementwiseKey = (2u << 16) | u'9';

}  // namespace

KEYPAD_SUPPORT_MODULE_BITMAPS(kKeys, u"xy", 4)

extern "C" {

PLATFORM_API int32_t MapKeyboard(uint32_t keyCode, PlatformWindow editControl,
                                 const HostServices*) {
    if (keyCode == kElementwiseKey) {
        keypad_support::insertAtLineStart(editControl, u"V:");
        return KEYPAD_ACTION_NONE;
    }
    return keypad_support::insertKey(kKeys, keyCode, editControl);
}

PLATFORM_API int32_t GetButtonRect(int32_t, int32_t, KeypadRect*) {
    return 1;
}

PLATFORM_API int32_t doDraw(void) {
    return 0;
}

}  // extern "C"
