#include <gtest/gtest.h>

#include <chrono>

#include "games/numbers/Datum.h"

namespace {

namespace chr = std::chrono;

chr::year_month_day Ymd(const Datum& date) {
    return chr::year{date.year} / chr::month{static_cast<unsigned>(date.month)} /
           chr::day{static_cast<unsigned>(date.day)};
}

// A month or year step of the calendar library, its day kept where the month
// has it, else the month's last.
chr::year_month_day Clamped(chr::year_month_day moved) {
    return moved.ok() ? moved : chr::year_month_day(moved.year() / moved.month() / chr::last);
}

void ExpectSame(const Datum& date, const chr::year_month_day& expected) {
    EXPECT_EQ(Ymd(date), expected) << date.day << "." << date.month << "." << date.year;
    EXPECT_EQ(static_cast<unsigned>(date.weekday), chr::weekday(chr::sys_days(expected)).c_encoding());
}

const Datum kStarts[] = {
    Datum::Of(31, 1, 2024),  Datum::Of(29, 2, 2024), Datum::Of(28, 2, 2023),  Datum::Of(1, 3, 2000),
    Datum::Of(1, 3, 1900),   Datum::Of(31, 12, 1999), Datum::Of(1, 1, 2000),  Datum::Of(31, 3, 2100),
    Datum::Of(29, 2, 2000),  Datum::Of(15, 6, 1700),  Datum::Of(31, 10, 2026), Datum::Of(30, 4, 1926),
};

TEST(DatumTest, DayStepsCrossMonthsYearsAndCenturiesAsTheCalendarDoes) {
    for (const Datum& start : kStarts) {
        for (const int n : {-36500, -400, -366, -59, -31, -30, -28, -1, 0, 1, 28, 29, 30, 31, 365, 366, 36500}) {
            Datum date = start;
            date.AddDays(n);
            ExpectSame(date, chr::year_month_day(chr::sys_days(Ymd(start)) + chr::days{n}));
        }
    }
}

TEST(DatumTest, MonthAndYearStepsKeepTheDayOrTakeTheMonthsLastDay) {
    for (const Datum& start : kStarts) {
        for (const int n : {-25, -13, -12, -7, -2, -1, 1, 2, 7, 11, 12, 13}) {
            Datum date = start;
            date.AddMonths(n);
            ExpectSame(date, Clamped(Ymd(start) + chr::months{n}));
        }
        for (const int n : {-100, -51, -4, -1, 1, 3, 4, 51, 100}) {
            Datum date = start;
            date.AddYears(n);
            ExpectSame(date, Clamped(Ymd(start) + chr::years{n}));
        }
    }
    // Month and year steps never lead to a day the month does not have.
    Datum date = Datum::Of(31, 1, 2023);
    date.AddMonths(1);
    EXPECT_EQ(date.day, 28);
    date = Datum::Of(29, 2, 2024);
    date.AddYears(1);
    EXPECT_EQ(date.day, 28);
}

TEST(DatumTest, WeekdaysLeapYearsAndMonthLengthsFollowTheGregorianCalendar) {
    const chr::sys_days last = chr::sys_days(chr::year{2500} / 12 / 31);
    for (chr::sys_days day = chr::sys_days(chr::year{1583} / 1 / 1); day <= last; day += chr::days{1}) {
        const chr::year_month_day ymd(day);
        const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
        const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int y = static_cast<int>(ymd.year());
        ASSERT_EQ(static_cast<unsigned>(Datum::WeekdayOf(d, m, y)), chr::weekday(day).c_encoding())
            << d << "." << m << "." << y;
        if (d == 1) {
            ASSERT_EQ(static_cast<unsigned>(Datum::DaysInMonth(m, y)),
                      static_cast<unsigned>(chr::year_month_day_last(ymd.year() / ymd.month() / chr::last).day()));
        }
    }
    for (const int year : {1600, 1700, 1900, 2000, 2023, 2024, 2100, 2400}) {
        EXPECT_EQ(Datum::IsLeapYear(year), chr::year{year}.is_leap()) << year;
    }
}

}  // namespace
