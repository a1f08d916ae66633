#include <gtest/gtest.h>

#include <chrono>
#include <tuple>

#include "games/numbers/Datum.h"

namespace {

namespace chr = std::chrono;

chr::year_month_day Ymd(int d, int m, int y) {
    return chr::year{y} / chr::month(static_cast<unsigned>(m)) / chr::day(static_cast<unsigned>(d));
}

// Against the calendar library: day steps; month and year steps keeping the
// day where the month has it, else taking the month's last day; the weekday.
TEST(DatumTest, StepsAcrossMonthEndsLeapYearsAndCenturiesFollowTheGregorianCalendar) {
    const auto clamp = [](chr::year_month_day d) { return d.ok() ? d : chr::year_month_day(d.year() / d.month() / chr::last); };
    for (const auto& [d, m, y] : {std::tuple{31, 1, 2024}, {29, 2, 2024}, {28, 2, 2023}, {1, 3, 1900}, {31, 12, 1999},
                                  {31, 3, 2100}, {29, 2, 2000}, {15, 6, 1700}, {30, 4, 1926}}) {
        for (const int n : {-20000, -366, -59, -31, -13, -12, -1, 0, 1, 2, 7, 12, 13, 29, 31, 51, 366, 20000}) {
            Datum moved[] = {Datum::Of(d, m, y), Datum::Of(d, m, y), Datum::Of(d, m, y)};
            moved[0].AddDays(n);
            moved[1].AddMonths(n);
            moved[2].AddYears(n);
            const chr::year_month_day expected[] = {chr::sys_days(Ymd(d, m, y)) + chr::days{n},
                                                    clamp(Ymd(d, m, y) + chr::months{n}),
                                                    clamp(Ymd(d, m, y) + chr::years{n})};
            for (int unit = 0; unit < 3; ++unit) {
                EXPECT_EQ(Ymd(moved[unit].day, moved[unit].month, moved[unit].year), expected[unit]) << unit << " " << n;
                EXPECT_EQ(static_cast<unsigned>(moved[unit].weekday), chr::weekday(chr::sys_days(expected[unit])).c_encoding());
            }
        }
    }
}

}  // namespace
