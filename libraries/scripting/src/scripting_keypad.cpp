// The scripting keypad: the control-flow keywords and templates its keys
// insert on pages 2 to 4, the comparison pop-up of key 9, and the legend
// drawn from the same table.
#include <iterator>

#include "keypad_support/key_table.h"
#include "keypad_support/module_bitmaps.h"
#include "platform/edit_control.h"
#include "platform/popup_menu.h"

namespace {

using keypad_support::Key;

// Page 2 green, page 3 dark red, page 4 blue. caretBack 1 leaves the caret
// between the parentheses, 2 between the quotes of '("")'.
constexpr Key kKeys[] = {
    {u'1', 2, u"WHILE()", 1, u"WHILE"},
    {u'2', 2, u"IF()", 1, u"IF"},
    {u'2', 3, u"save(\"\"", 1, u"save"},
    {u'3', 2, u"ELSE", 0, u"ELSE"},
    {u'3', 3, u"load(\"\")", 2, u"load"},
    {u'4', 2, u"RETURN()", 1, u"RETURN"},
    {u'4', 3, u"LOCAL(\"\")", 2, u"LOCAL"},
    {u'5', 2, u"FOR(\"j\",)", 1, u"FOR"},
    {u'5', 3, u"GLOBAL(\"\"", 2, u"GLOBAL"},
    {u'6', 2, u"FUNC(\"\")", 2, u"FUNC"},
    {u'6', 3, u"ASK(\"\")", 2, u"ASK"},
    {u'7', 2, u"END", 0, u"END"},
    {u'7', 3, u"\"\")", 1, u"\"\")"},
    {u'8', 2, u"angle()", 1, u"angle"},
    {u'8', 3, u"round()", 1, u"round"},
    // Key 9 opens the comparison menu on every page.
    {u'9', 2, nullptr, 0, u"< = >"},
    {u'.', 2, u"int()", 1, u"int"},
    {u'.', 3, u"frac()", 1, u"frac"},
    {u'.', 4, u"isvar(\"\")", 2, u"isvar"},
    {u'0', 2, u"mod()", 1, u"mod"},
    {u'0', 3, u"sign()", 1, u"sign"},
    {u'0', 4, u"size()", 1, u"size"},
};

constexpr char16_t kMenuKey = u'9';

// The comparison menu's place, in the coordinates of the edit control's
// parent. "OR" and "AND" insert the Hexadecimal keypad's operators; each
// item's id is its index in kMenuTexts.
constexpr int32_t kMenuX = 88;
constexpr int32_t kMenuY = 170;
constexpr const char16_t* kMenuTexts[] = {
    u"_LT_", u"_LE_", u"_GT_", u"_GE_", u"_EQ_", u"_NE_", u"_OR_", u"_AND_",
};
constexpr int32_t kMenuTextCount = int32_t(std::size(kMenuTexts));
constexpr PlatformMenuItem kMenu[] = {
    {u"Less Than", 0, 0, nullptr, 0},
    {u"Less or Equal", 1, 0, nullptr, 0},
    {u"Greater Than", 2, 0, nullptr, 0},
    {u"Greater or Equal", 3, 0, nullptr, 0},
    {u"Equal", 4, 0, nullptr, 0},
    {u"Not Equal", 5, 0, nullptr, 0},
    {nullptr, -1, 0, nullptr, 0},
    {u"OR", 6, 0, nullptr, 0},
    {u"AND", 7, 0, nullptr, 0},
};

void comparisonMenu(PlatformWindow edit) {
    const int32_t chosen =
        platformTrackMenu(edit, kMenu, int32_t(std::size(kMenu)), kMenuX, kMenuY);
    if (chosen >= 0 && chosen < kMenuTextCount)
        platformEditReplaceSelection(edit, kMenuTexts[chosen]);
}

}  // namespace

KEYPAD_SUPPORT_MODULE_BITMAPS(kKeys, u"IF", 3)

extern "C" {

PLATFORM_API int32_t MapKeyboard(uint32_t keyCode, PlatformWindow editControl,
                                 const HostServices*) {
    const auto page = keyCode >> 16;
    if ((keyCode & 0xFFFFu) == kMenuKey && page >= 2 && page <= 4) {
        comparisonMenu(editControl);
        return KEYPAD_ACTION_NONE;
    }
    return keypad_support::insertKey(kKeys, keyCode, editControl);
}

}  // extern "C"
