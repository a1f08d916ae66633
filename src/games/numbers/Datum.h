#pragma once

// A day of the Gregorian calendar with its weekday, and the steps of calendar
// arithmetic: days, months and years forward or back. Month and year steps
// keep the day number where the month has it and otherwise take the month's
// last day, so a step never leads to a day that does not exist.
struct Datum {
    static constexpr int kSunday = 0;

    // Today's date of the local clock.
    static Datum Today();
    // The date of day, month and year with its weekday.
    static Datum Of(int day, int month, int year);

    // n days forward (n > 0) or back.
    void AddDays(int n, bool recomputeWeekday = true);
    // n months forward (n > 0) or back.
    void AddMonths(int n, bool recomputeWeekday = true);
    // n years forward (n > 0) or back.
    void AddYears(int n, bool recomputeWeekday = true);

    // 0 Sunday, 1 Monday ... 6 Saturday.
    static int WeekdayOf(int day, int month, int year);
    static int DaysInMonth(int month, int year);
    static bool IsLeapYear(int year);

    bool SameDay(const Datum& other) const {
        return day == other.day && month == other.month && year == other.year;
    }

    int day = 1;      // 1 .. 31
    int month = 1;    // 1 .. 12
    int year = 2000;
    int weekday = 6;  // 0 Sunday .. 6 Saturday

private:
    // Moves month and year by n months, the day number unchanged.
    void ShiftMonths(int n);
    // The day number no further than the month's last day.
    void ClampDay();
    void Recompute(bool recomputeWeekday);
};
