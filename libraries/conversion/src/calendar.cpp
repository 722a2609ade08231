// Day counts use the shifted year that starts on 1 March, so that the leap
// day is the last day of its year and a year's days follow from its month
// with one linear formula; 400-year eras repeat exactly (146097 days).
#include "calendar.h"

namespace conversion {
namespace {

constexpr int64_t kDaysPerEra = 146097;

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days from 1 March of the year 0 to the date, for years from 0 on.
constexpr int64_t dayNumber(int year, int month, int day) {
    const int64_t y = month <= 2 ? year - 1 : year;
    const int64_t era = y / 400;
    const int64_t yearOfEra = y - era * 400;
    const int64_t shiftedMonth = month > 2 ? month - 3 : month + 9;  // March is 0
    const int64_t dayOfYear = (153 * shiftedMonth + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * kDaysPerEra + dayOfEra;
}

constexpr int64_t kEpochDay = dayNumber(1601, 1, 1);

}  // namespace

int daysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) return 0;
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

bool fileTimeOfDate(int year, int month, int day, int64_t* ticks) {
    if (year < kFirstYear || year > kLastYear) return false;
    if (day < 1 || day > daysInMonth(year, month)) return false;
    *ticks = (dayNumber(year, month, day) - kEpochDay) * kTicksPerDay;
    return true;
}

bool calendarTimeOf(int64_t ticks, CalendarTime* out) {
    if (ticks < 0) return false;
    const int64_t days = ticks / kTicksPerDay;
    const int64_t milliseconds = (ticks % kTicksPerDay) / kTicksPerMillisecond;

    const int64_t z = days + kEpochDay;
    const int64_t era = z / kDaysPerEra;
    const int64_t dayOfEra = z - era * kDaysPerEra;
    const int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int month = int(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);

    out->year = int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    out->month = month;
    out->day = int(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    out->hour = int(milliseconds / 3600000);
    out->minute = int(milliseconds / 60000 % 60);
    out->second = int(milliseconds / 1000 % 60);
    out->millisecond = int(milliseconds % 1000);
    // 1 January 1601 was a Monday.
    out->weekday = int((days + 1) % 7);
    return true;
}

}  // namespace conversion
