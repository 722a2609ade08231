// Calendar dates: SDATE and MDY through the engine, their round trip over
// the years the calendar covers, the locale's names, and NOW.
#include <cstdlib>
#include <string>

#include "calendar.h"
#include "conversion_test_support.h"
#include "date_text.h"

namespace conversion::testing {
namespace {

// Sets an environment variable for the life of the object.
class ScopedEnvironment {
  public:
    ScopedEnvironment(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, hadOld_ = true;
        setenv(name, value, 1);
    }
    ~ScopedEnvironment() {
        if (hadOld_)
            setenv(name_, old_.c_str(), 1);
        else
            unsetenv(name_);
    }

  private:
    const char* name_;
    std::string old_;
    bool hadOld_ = false;
};

class DateTest : public ConversionTest {
  protected:
    // The C locale's names, whatever the machine is set to.
    ScopedEnvironment locale_{"LC_ALL", "C"};
};

TEST_F(DateTest, MdyOfSdateInTheCLocale) {
    const Outcome out = run(u"MDY(SDATE(1,1,2000))");
    ASSERT_EQ(out.status, 0) << message(out.status);
    EXPECT_EQ(narrow(out.text()), "00:00:00 on Sat Jan 1, 2000");
    EXPECT_EQ(out.value->kind, LATTIX_KIND_STRING);
}

TEST_F(DateTest, SecondsAreCountedFromThe1601Epoch) {
    const struct {
        std::u16string_view line;
        double seconds;
    } cases[] = {
        {u"SDATE(1,1,1601)", 0},
        {u"SDATE(1,2,1601)", 86400},
        {u"SDATE(1,1,1970)", 11644473600.0},
        {u"SDATE(1,1,2000)", double(125911584000000000LL) * 1e-07},
    };
    for (const auto& c : cases) {
        const Outcome out = run(c.line);
        ASSERT_EQ(out.status, 0) << narrow(c.line);
        EXPECT_EQ(out.re(), c.seconds) << narrow(c.line);
    }
    EXPECT_EQ(run(u"SDATE(3,1,2000)-SDATE(2,28,2000)").re(), 2 * 86400);
    EXPECT_EQ(run(u"SDATE(3,1,1900)-SDATE(2,28,1900)").re(), 86400);
}

TEST_F(DateTest, MdyShowsTheTimeOfDay) {
    const struct {
        std::u16string_view line;
        const char* text;
    } cases[] = {
        {u"MDY(0)", "00:00:00 on Mon Jan 1, 1601"},
        {u"MDY(SDATE(7,4,1776)+13*3600+5*60+9)", "13:05:09 on Thu Jul 4, 1776"},
        {u"MDY(SDATE(2,29,2024)+86399)", "23:59:59 on Thu Feb 29, 2024"},
        {u"MDY(SDATE(12,31,9999)+86399.4)", "23:59:59 on Fri Dec 31, 9999"},
        {u"MDY(SDATE(12,31,30827))", "00:00:00 on Fri Dec 31, 30827"},
    };
    for (const auto& c : cases) {
        const Outcome out = run(c.line);
        ASSERT_EQ(out.status, 0) << narrow(c.line) << ": " << message(out.status);
        EXPECT_EQ(narrow(out.text()), c.text) << narrow(c.line);
    }
}

// Every first and last day of a month, and the leap days, from 1601 to
// 9999: SDATE gives the day's midnight, which MDY reads back as that date.
TEST_F(DateTest, SdateAndMdyRoundTrip) {
    static const char* const kMonths[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    int64_t previous = -1;
    for (int year = 1601; year <= 9999; year += year < 1700 || year > 9900 ? 1 : 37) {
        for (int month = 1; month <= 12; ++month) {
            for (int day : {1, daysInMonth(year, month)}) {
                const std::string line = "MDY(SDATE(" + std::to_string(month) + "," +
                                         std::to_string(day) + "," + std::to_string(year) + "))";
                const Outcome out = run(std::u16string(line.begin(), line.end()));
                ASSERT_EQ(out.status, 0) << line;
                const std::string text = narrow(out.text());
                const std::string expected = std::string(kMonths[month - 1]) + " " +
                                             std::to_string(day) + ", " + std::to_string(year);
                EXPECT_EQ(text.substr(0, 12), "00:00:00 on ") << line;
                EXPECT_EQ(text.substr(16), expected) << line;
                int64_t ticks = 0;
                ASSERT_TRUE(fileTimeOfDate(year, month, day, &ticks));
                EXPECT_GT(ticks, previous);
                previous = ticks;
            }
        }
    }
}

TEST(CalendarTest, WeekdaysAndDaysFollowTheGregorianCalendar) {
    const struct {
        int year, month, day, weekday;
    } cases[] = {
        {1601, 1, 1, 1}, {1752, 9, 14, 4}, {1900, 3, 1, 4},   {2000, 2, 29, 2},
        {2000, 1, 1, 6}, {2026, 12, 8, 2}, {9999, 12, 31, 5}, {30827, 12, 31, 5},
    };
    for (const auto& c : cases) {
        int64_t ticks = 0;
        ASSERT_TRUE(fileTimeOfDate(c.year, c.month, c.day, &ticks)) << c.year;
        CalendarTime time{};
        ASSERT_TRUE(calendarTimeOf(ticks + 5 * kTicksPerSecond + 7 * kTicksPerMillisecond, &time));
        EXPECT_EQ(time.year, c.year);
        EXPECT_EQ(time.month, c.month);
        EXPECT_EQ(time.day, c.day);
        EXPECT_EQ(time.weekday, c.weekday) << c.year << "-" << c.month << "-" << c.day;
        EXPECT_EQ(time.second, 5);
        EXPECT_EQ(time.millisecond, 7);
    }
    // Every day of four centuries comes back as itself.
    int64_t ticks = 0;
    ASSERT_TRUE(fileTimeOfDate(1601, 1, 1, &ticks));
    for (int64_t day = 0; day < 146097; ++day) {
        CalendarTime time{};
        ASSERT_TRUE(calendarTimeOf(day * kTicksPerDay, &time));
        int64_t back = -1;
        ASSERT_TRUE(fileTimeOfDate(time.year, time.month, time.day, &back));
        ASSERT_EQ(back, day * kTicksPerDay) << day;
    }
}

TEST_F(DateTest, ImpossibleDatesAreRefused) {
    const struct {
        std::u16string_view line;
        int code;
    } cases[] = {
        {u"SDATE(13,1,2000)", 14},
        {u"SDATE(0,1,2000)", 14},
        {u"SDATE(2,30,2000)", 14},
        {u"SDATE(2,29,1900)", 14},
        {u"SDATE(1,0,2000)", 14},
        {u"SDATE(1,1,1600)", 14},
        {u"SDATE(1,1,30828)", 14},
        {u"SDATE(1.5,1,2000)", 14},
        {u"SDATE(1,1,1000000000000)", 14},
        {u"SDATE({1,2},1,2000)", 55},
        {u"SDATE(1,\"a\",2000)", 55},
        {u"MDY(-1)", 14},
        {u"MDY(1000000000000000)", 14},
        {u"MDY(\"a\")", 55},
        {u"MDY({1,2})", 55},
        {u"SDATE(1,2)", 6},
    };
    for (const auto& c : cases) {
        const Outcome out = run(c.line);
        EXPECT_EQ(code(out), c.code) << narrow(c.line) << ": " << message(out.status);
    }
}

TEST(DateTextTest, NamesComeFromTheEnvironmentsLocale) {
    CalendarTime time{2000, 1, 1, 9, 5, 7, 0, 6};
    {
        ScopedEnvironment c("LC_ALL", "C");
        EXPECT_EQ(narrow(dateTimeText(time)), "09:05:07 on Sat Jan 1, 2000");
    }
    {
        // A locale that is not installed falls back to the C locale's names.
        ScopedEnvironment missing("LC_ALL", "xx_NOWHERE.UTF-8");
        EXPECT_EQ(narrow(dateTimeText(time)), "09:05:07 on Sat Jan 1, 2000");
    }
    time.month = 12;
    time.weekday = 0;
    time.year = 12345;
    ScopedEnvironment c("LC_ALL", "C");
    EXPECT_EQ(narrow(dateTimeText(time)), "09:05:07 on Sun Dec 1, 12345");
}

}  // namespace
}  // namespace conversion::testing
