// The "Units" pop-up: one sub-menu per category. Choosing a unit inserts its
// name; the two date functions are inserted as calls with the caret between
// their parentheses.
#include <iterator>

#include "keypad_menus.h"
#include "keypad_support/key_table.h"
#include "platform/popup_menu.h"

namespace conversion {
namespace {

// Every item's text is also what it inserts; an item's id is its place in
// this list.
constexpr const char16_t* kItems[] = {
    u"KM",  u"M",    u"CM",  u"MM",  u"MI",   u"YD",    u"FT",  u"IN",  // 0-7 Length
    u"DAY", u"HR",   u"MIN", u"SEC", u"NOW",  u"SDATE", u"MDY",         // 8-14 Time
    u"N",   u"DYNE", u"LBF", u"OZF",                                    // 15-18 Force
    u"KG",  u"G",    u"LBM", u"OZ",                                     // 19-22 Mass
    u"L",   u"CC",   u"GAL", u"QT",  u"PT",   u"CIN",                   // 23-28 Volume
    u"J",   u"KWH",  u"CAL", u"BTU", u"FTLB",                           // 29-33 Energy
    u"PA",  u"ATM",  u"PSI",                                            // 34-36 Pressure
};
constexpr int32_t kItemCount = int32_t(std::size(kItems));
constexpr int32_t kSerialDateItem = 13;
constexpr int32_t kMonthDayYearItem = 14;

constexpr PlatformMenuItem item(int32_t id) {
    return {kItems[id], id, 0, nullptr, 0};
}
constexpr PlatformMenuItem kSeparator{nullptr, -1, 0, nullptr, 0};

constexpr PlatformMenuItem kLength[] = {item(0), item(1), item(2), item(3),
                                        item(4), item(5), item(6), item(7)};
constexpr PlatformMenuItem kTime[] = {item(8),    item(9),  item(10), item(11),
                                      kSeparator, item(12), item(13), item(14)};
constexpr PlatformMenuItem kForce[] = {item(15), item(16), item(17), item(18)};
constexpr PlatformMenuItem kMass[] = {item(19), item(20), item(21), item(22)};
constexpr PlatformMenuItem kVolume[] = {item(23), item(24), item(25), item(26), item(27), item(28)};
constexpr PlatformMenuItem kEnergy[] = {item(29), item(30), item(31), item(32), item(33)};
constexpr PlatformMenuItem kPressure[] = {item(34), item(35), item(36)};

template <size_t N>
constexpr PlatformMenuItem submenu(const char16_t* text, const PlatformMenuItem (&items)[N]) {
    return {text, -1, 0, items, int32_t(N)};
}

constexpr PlatformMenuItem kUnitsMenu[] = {
    submenu(u"Length", kLength),     submenu(u"Time", kTime),     submenu(u"Force", kForce),
    submenu(u"Mass", kMass),         submenu(u"Volume", kVolume), submenu(u"Energy", kEnergy),
    submenu(u"Pressure", kPressure),
};

}  // namespace

void showUnitsMenu(PlatformWindow editControl) {
    const int32_t chosen = platformTrackMenu(editControl, kUnitsMenu,
                                             int32_t(std::size(kUnitsMenu)), kMenuX, kUnitsMenuY);
    if (chosen < 0 || chosen >= kItemCount) return;
    if (chosen == kSerialDateItem)
        keypad_support::insertText(editControl, u"SDATE()", 1);
    else if (chosen == kMonthDayYearItem)
        keypad_support::insertText(editControl, u"MDY()", 1);
    else
        keypad_support::insertText(editControl, kItems[chosen], 0);
}

}  // namespace conversion
