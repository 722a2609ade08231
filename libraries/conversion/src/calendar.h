// Calendar arithmetic on file times: 100-nanosecond ticks since 00:00 on
// 1 January 1601, in the proleptic Gregorian calendar, with no time zone or
// daylight-saving shift.
#ifndef ORVANA_CONVERSION_CALENDAR_H
#define ORVANA_CONVERSION_CALENDAR_H

#include <cstdint>

namespace conversion {

inline constexpr int64_t kTicksPerMillisecond = 10000;
inline constexpr int64_t kTicksPerSecond = 10000000;
inline constexpr int64_t kTicksPerDay = 86400 * kTicksPerSecond;

// The years a date may have: a file time is a signed 64-bit count, which
// runs out in the year 30828.
inline constexpr int kFirstYear = 1601;
inline constexpr int kLastYear = 30827;

struct CalendarTime {
    int year;
    int month;  // 1-12
    int day;    // 1-31
    int hour;
    int minute;
    int second;
    int millisecond;
    int weekday;  // 0 Sunday to 6 Saturday
};

int daysInMonth(int year, int month);

// The file time of 00:00:00.000 on the date; false when there is no such
// date between kFirstYear and kLastYear.
bool fileTimeOfDate(int year, int month, int day, int64_t* ticks);

// The calendar date and time of a file time, cut to the millisecond; false
// for a negative count.
bool calendarTimeOf(int64_t ticks, CalendarTime* out);

}  // namespace conversion

#endif
