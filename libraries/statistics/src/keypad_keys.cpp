// MapKeyboard: the texts the keys of pages 2 to 4 insert, the key that
// stores the typed line as the next row of m, and the two pop-up menus.
#include <cstdio>
#include <string>

#include "platform/export.h"
#include "key_table.h"
#include "platform/edit_control.h"
#include "platform/popup_menu.h"
#include "resources.h"

namespace statistics {
namespace {

using keypad_support::Key;

constexpr Key kKeys[] = {
    {u'1', 2, u"avg()", 1, u"avg"},
    {u'2', 2, u"std()", 1, u"std"},
    {u'3', 2, u"mm()", 1, u"mm"},
    {u'4', 2, u"sx()", 1, u"sx"},
    {u'5', 2, u"sxx()", 1, u"sxx"},
    {u'6', 2, u"sxy()", 1, u"sxy"},
    {u'7', 2, nullptr, 0, u"add row"},
    {u'8', 2, u"store(,\"m\",)", 6, u"store"},
    {u'9', 2, u"m", 0, u"m"},
    {u'.', 2, nullptr, 0, u"tests"},
    {u'0', 2, nullptr, 0, u"distrib"},
    {u'1', 3, u"perm()", 1, u"perm"},
    {u'2', 3, u"comb()", 1, u"comb"},
    {u'3', 3, u"!", 0, u"!"},
    {u'4', 3, u"plot(\"m\")", 0, u"plot m"},
    {u'5', 3, u"plot(\"m\",\"-#\")", 0, u"plot m -#"},
    {u'6', 3, u"lsq(\"m\")", 0, u"lsq plot"},
    {u'8', 3, u"clrv(\"m\")", 0, u"clrv m"},
    {u'9', 3, u"\"\"", 1, u"\"\""},
    {u'1', 4, u"num()", 1, u"num"},
    {u'2', 4, u"sort()", 1, u"sort"},
    {u'3', 4, u"lsq()", 1, u"lsq"},
    {u'9', 4, u"n", 0, u"n"},
};

constexpr uint32_t keyOf(char16_t key, uint32_t page) {
    return page << 16 | key;
}

constexpr uint32_t kStoreLineKey = keyOf(u'7', 2);
constexpr uint32_t kTestsMenuKey = keyOf(u'.', 2);
constexpr uint32_t kDistributionsMenuKey = keyOf(u'0', 2);

// The menus' places, in the coordinates of the edit control's parent.
constexpr int32_t kMenuX = 20;
constexpr int32_t kTestsMenuY = 204;
constexpr int32_t kDistributionsMenuY = 184;

void insert(PlatformWindow edit, const char16_t* text, int32_t caretBack) {
    platformEditReplaceSelection(edit, text);
    if (caretBack == 0) return;
    int32_t start = 0, end = 0;
    platformEditGetSelection(edit, &start, &end);
    platformEditSetSelection(edit, end - caretBack, end - caretBack);
}

// The typed line becomes the last parameter of store(rows + 1,"m",...),
// which the main program then evaluates: so each press appends one row.
void storeLine(PlatformWindow edit, const HostServices* services) {
    platformEditSetSelection(edit, 0, 0);
    uint16_t rows = 0;
    if (services != nullptr) {
        uint16_t handle = services->findVariable(u"m");
        if (handle == KEYPAD_NO_VARIABLE) handle = services->createVariable(u"m");
        const Matrix* m = services->variableAt(handle);
        if (m != nullptr && (m->kind == LATTIX_KIND_SCALAR || m->kind == LATTIX_KIND_MATRIX_VALUE))
            rows = m->rows;
    }
    char prefix[32];
    std::snprintf(prefix, sizeof prefix, "store(%d,\"m\",", int(rows) + 1);
    const std::u16string text(prefix, prefix + std::char_traits<char>::length(prefix));
    platformEditReplaceSelection(edit, text.c_str());
    const auto length = int32_t(platformEditTextLength(edit));
    platformEditSetSelection(edit, length, length);
    platformEditReplaceSelection(edit, u")");
}

// Shows a menu; the chosen item's text is inserted, a dismissed menu
// inserts nothing.
void menu(PlatformWindow edit, const char16_t* const* items, const char16_t* const* texts,
          int32_t count, int32_t y, int32_t caretBack) {
    const int32_t chosen = platformPopupMenu(edit, items, count, kMenuX, y);
    if (chosen >= 0 && chosen < count) insert(edit, texts[chosen], caretBack);
}

// The follow-up action of a key after doing what it does.
int32_t mapKey(uint32_t keyCode, PlatformWindow editControl, const HostServices* services) {
    switch (keyCode) {
        case kStoreLineKey:
            storeLine(editControl, services);
            return KEYPAD_ACTION_EXECUTE;
        case kTestsMenuKey:
            menu(editControl, kTestsMenu, kTestsMenuTexts, kTestsMenuItems, kTestsMenuY, 0);
            return KEYPAD_ACTION_NONE;
        case kDistributionsMenuKey:
            menu(editControl, kDistributionsMenu, kDistributionsMenuTexts, kDistributionsMenuItems,
                 kDistributionsMenuY, 1);
            return KEYPAD_ACTION_NONE;
        case keyOf(u'4', 3):
        case keyOf(u'5', 3):
        case keyOf(u'6', 3):
            keypad_support::insertKey(keyTable(), keyCode, editControl);
            return KEYPAD_ACTION_GRAPH;
        default:
            return keypad_support::insertKey(keyTable(), keyCode, editControl);
    }
}

}  // namespace

keypad_support::KeyTable keyTable() {
    return kKeys;
}

}  // namespace statistics

extern "C" PLATFORM_API int32_t MapKeyboard(uint32_t keyCode, PlatformWindow editControl,
                                                 const HostServices* services) {
    try {
        return statistics::mapKey(keyCode, editControl, services);
    } catch (...) {
        return KEYPAD_ACTION_NONE;
    }
}
