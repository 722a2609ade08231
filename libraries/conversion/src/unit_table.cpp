// The factors are data the results depend on and stay exactly as written:
// '1KWH>J' is 2655225.595 / 0.7375621493 = 3600002.518458956, not 3600000.
#include "unit_table.h"

namespace conversion {
namespace {

constexpr Unit kUnits[] = {
    // Length, in feet.
    {u"M", 0x0400, 3.2808398950131235},
    {u"MM", 0x0500, 0.0032808398950131233},
    {u"CM", 0x0600, 0.03280839895013123},
    {u"KM", 0x0700, 3280.839895013123},
    {u"FT", 0x0800, 1},
    {u"IN", 0x0900, 0.08333333333333333},
    {u"YD", 0x0A00, 3},
    {u"MI", 0x0B00, 5280},
    // Time, in seconds.
    {u"SEC", 0x0100, 1},
    {u"HR", 0x0200, 3600},
    {u"MIN", 0x0300, 60},
    {u"DAY", 0x2200, 86400},
    // Force, in pounds-force.
    {u"N", 0x0C00, 0.22480893997945417},
    {u"LBF", 0x0D00, 1},
    {u"OZF", 0x0E00, 0.0625},
    {u"DYNE", 0x0F00, 2.2480892366e-06},
    // Mass, in pounds.
    {u"KG", 0x1000, 2.2046226218},
    {u"LBM", 0x1100, 1},
    {u"OZ", 0x1200, 0.0625},
    {u"G", 0x1300, 0.0022046226218},
    // Volume, in cubic feet.
    {u"L", 0x1400, 0.035314666721489},
    {u"CC", 0x1500, 3.5314666721489e-05},
    {u"CIN", 0x1600, 0.0005787037037037037},
    {u"GAL", 0x1700, 0.1336805555555555},
    {u"PT", 0x1800, 0.01671006942},
    {u"QT", 0x1900, 0.03342013883},
    // Energy, in foot-pounds.
    {u"CAL", 0x1A00, 3.0859600326},
    {u"BTU", 0x1B00, 777.6491958},
    {u"J", 0x1C00, 0.7375621493},
    {u"FTLB", 0x1D00, 1},
    {u"KWH", 0x1E00, 2655225.595},
    // Pressure, in pounds per square foot.
    {u"PSI", 0x1F00, 144},
    {u"PA", 0x2000, 0.0208855472},
    {u"ATM", 0x2100, 2116.2167136576},
};

}  // namespace

std::span<const Unit> units() {
    return kUnits;
}

const Unit* unitWithCode(OperatorCode code) {
    for (const Unit& unit : kUnits)
        if (unit.code == code) return &unit;
    return nullptr;
}

}  // namespace conversion
