#include "games/numbers/Datum.h"

#include <ctime>

namespace {

constexpr int kMonths = 12;
constexpr int kDaysInMonth[kMonths] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

// Division rounding toward minus infinity, for years before year 0.
int FloorDiv(int a, int b) { return a / b - ((a % b != 0 && (a < 0) != (b < 0)) ? 1 : 0); }

}  // namespace

Datum Datum::Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) {
        return Of(1, 1, 2000);
    }
    return Of(local.tm_mday, local.tm_mon + 1, local.tm_year + 1900);
}

Datum Datum::Of(int day, int month, int year) {
    Datum date;
    date.day = day;
    date.month = month;
    date.year = year;
    date.weekday = WeekdayOf(day, month, year);
    return date;
}

bool Datum::IsLeapYear(int year) { return year % 400 == 0 || (year % 4 == 0 && year % 100 != 0); }

int Datum::DaysInMonth(int month, int year) {
    if (month < 1 || month > kMonths) {
        return 31;
    }
    return (month == 2 && IsLeapYear(year)) ? 29 : kDaysInMonth[month - 1];
}

// Sakamoto's method: the year is counted from March, so that the leap day
// falls at its end.
int Datum::WeekdayOf(int day, int month, int year) {
    static constexpr int kMonthOffsets[kMonths] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (month < 1 || month > kMonths) {
        return kSunday;
    }
    const int y = month < 3 ? year - 1 : year;
    const int sum = y + FloorDiv(y, 4) - FloorDiv(y, 100) + FloorDiv(y, 400) + kMonthOffsets[month - 1] + day;
    return ((sum % 7) + 7) % 7;
}

void Datum::AddDays(int n, bool recomputeWeekday) {
    day += n;
    if (n <= 0) {
        while (day < 1) {
            ShiftMonths(-1);
            day += DaysInMonth(month, year);
        }
    } else {
        while (day > DaysInMonth(month, year)) {
            day -= DaysInMonth(month, year);
            ShiftMonths(1);
        }
    }
    Recompute(recomputeWeekday);
}

void Datum::AddMonths(int n, bool recomputeWeekday) {
    ShiftMonths(n);
    ClampDay();
    Recompute(recomputeWeekday);
}

void Datum::AddYears(int n, bool recomputeWeekday) {
    year += n;
    ClampDay();
    Recompute(recomputeWeekday);
}

void Datum::ShiftMonths(int n) {
    const int months = year * kMonths + (month - 1) + n;
    year = FloorDiv(months, kMonths);
    month = months - year * kMonths + 1;
}

void Datum::ClampDay() {
    const int last = DaysInMonth(month, year);
    if (day > last) {
        day = last;
    }
}

void Datum::Recompute(bool recomputeWeekday) {
    if (recomputeWeekday) {
        weekday = WeekdayOf(day, month, year);
    }
}
