#include "games/base/ProgressChart.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr progress::Box kBox{100.0f, 50.0f, 600.0f, 550.0f};

history::Play At(const std::string& time, double grade, int level = 0, const std::string& game = "uhr.sav") {
    history::Play play;
    play.time = time;
    play.game = game;
    play.level = level;
    play.grade = grade;
    play.end = "finished";
    return play;
}

// One play a day (28 days a month) from 1 January on, grades cycling 1 to 6.
std::vector<history::Play> Daily(int count) {
    std::vector<history::Play> plays;
    for (int i = 0; i < count; ++i) {
        char time[32];
        std::snprintf(time, sizeof time, "2026-%02d-%02dT10:00:00", 1 + i / 28, 1 + i % 28);
        plays.push_back(At(time, 1.0 + i % 6, i % 3));
    }
    return plays;
}

TEST(ProgressChartTest, GradesRunFromOneAtTheTopToSixAtTheBottom) {
    EXPECT_FLOAT_EQ(progress::GradeY(1.0, kBox), 50.0f);
    EXPECT_FLOAT_EQ(progress::GradeY(6.0, kBox), 550.0f);
    EXPECT_FLOAT_EQ(progress::GradeY(progress::kSolvedGrade, kBox), 100.0f);
    EXPECT_FLOAT_EQ(progress::GradeY(0.2, kBox), 50.0f);
    EXPECT_FLOAT_EQ(progress::GradeY(9.0, kBox), 550.0f);
}

TEST(ProgressChartTest, TheLastHundredPlaysSpreadOverTheWidthWithTheirLevels) {
    const std::vector<history::Play> plays = Daily(130);
    const progress::Chart chart = progress::BuildChart(plays, kBox, 0.0f);
    EXPECT_EQ(chart.total, 130);
    ASSERT_EQ(chart.plays.size(), 100u);
    ASSERT_EQ(chart.average.size(), 100u);
    // Play 30 is the first shown, play 129 the last, each in the middle of its 5-pixel share.
    EXPECT_FLOAT_EQ(chart.plays.front().at.x, 102.5f);
    EXPECT_FLOAT_EQ(chart.plays.back().at.x, 597.5f);
    EXPECT_FLOAT_EQ(chart.plays.front().at.y, progress::GradeY(plays[30].grade, kBox));
    EXPECT_EQ(chart.plays.front().level, plays[30].level);
    EXPECT_EQ(chart.plays.back().level, plays[129].level);

    const progress::Chart one = progress::BuildChart(Daily(1), kBox, 0.0f);
    ASSERT_EQ(one.plays.size(), 1u);
    EXPECT_FLOAT_EQ(one.plays[0].at.x, 350.0f);
    EXPECT_TRUE(progress::BuildChart({}, kBox, 0.0f).plays.empty());
}

TEST(ProgressChartTest, TheAverageTakesTheLastFivePlaysAlsoFromBeforeTheShownOnes) {
    const std::vector<history::Play> plays = Daily(103);
    const progress::Chart chart = progress::BuildChart(plays, kBox, 0.0f);
    // The first shown play (3) averages plays 0..3; the next ones five plays each.
    EXPECT_FLOAT_EQ(chart.average[0].y, progress::GradeY((1 + 2 + 3 + 4) / 4.0, kBox));
    EXPECT_FLOAT_EQ(chart.average[1].y, progress::GradeY((1 + 2 + 3 + 4 + 5) / 5.0, kBox));
    EXPECT_FLOAT_EQ(chart.average[2].y, progress::GradeY((2 + 3 + 4 + 5 + 6) / 5.0, kBox));
    EXPECT_FLOAT_EQ(chart.average[3].y, progress::GradeY((3 + 4 + 5 + 6 + 1) / 5.0, kBox));
    EXPECT_FLOAT_EQ(chart.average[3].x, chart.plays[3].at.x);

    // Further on, the window before the first shown play is full: play 30 averages plays 26..30.
    const progress::Chart later = progress::BuildChart(Daily(130), kBox, 0.0f);
    EXPECT_FLOAT_EQ(later.average[0].y, progress::GradeY((3 + 4 + 5 + 6 + 1) / 5.0, kBox));

    const progress::Chart start = progress::BuildChart(Daily(2), kBox, 0.0f);
    EXPECT_FLOAT_EQ(start.average[0].y, progress::GradeY(1.0, kBox));
    EXPECT_FLOAT_EQ(start.average[1].y, progress::GradeY(1.5, kBox));
}

TEST(ProgressChartTest, ADateStandsWhereADayStartsAndNotTooCloseToTheLast) {
    const std::vector<history::Play> plays = {At("2026-12-01T09:00:00", 2), At("2026-12-01T18:00:00", 2),
                                              At("2026-12-02T09:00:00", 2), At("2026-12-03T09:00:00", 2),
                                              At("2026-12-24T09:00:00", 2)};
    // Shares of 100 pixels: plays at 150, 250, 350, 450, 550.
    const progress::Chart all = progress::BuildChart(plays, kBox, 100.0f);
    ASSERT_EQ(all.dates.size(), 4u);
    EXPECT_FLOAT_EQ(all.dates[0].x, 150.0f);
    EXPECT_EQ(all.dates[0].day, 1);
    EXPECT_EQ(all.dates[0].month, 12);
    EXPECT_FLOAT_EQ(all.dates[1].x, 350.0f);
    EXPECT_EQ(all.dates[3].day, 24);

    const progress::Chart thinned = progress::BuildChart(plays, kBox, 250.0f);
    ASSERT_EQ(thinned.dates.size(), 2u);
    EXPECT_FLOAT_EQ(thinned.dates[1].x, 450.0f);
}

TEST(ProgressChartTest, FiguresCountAverageBestAndTheMoveOfTheAverage) {
    const std::vector<history::Play> plays = {At("2026-10-01T10:00:00", 3.0), At("2026-10-05T10:00:00", 4.0),
                                              At("2026-11-20T10:00:00", 1.5), At("2026-12-01T10:00:00", 1.5)};
    const progress::Summary summary = progress::Summarise(plays, "2026-11-07T12:00:00");
    EXPECT_EQ(summary.plays, 4);
    EXPECT_DOUBLE_EQ(summary.average, 2.5);
    EXPECT_DOUBLE_EQ(summary.best, 1.5);
    ASSERT_TRUE(summary.change.has_value());
    EXPECT_DOUBLE_EQ(*summary.change, 2.5 - 3.5);  // better: the average fell

    // No play from before, or none since: there is no change to tell.
    EXPECT_FALSE(progress::Summarise(plays, "2026-01-01T00:00:00").change.has_value());
    EXPECT_FALSE(progress::Summarise(plays, "2027-01-01T00:00:00").change.has_value());
    EXPECT_EQ(progress::Summarise({}, "2026-11-07T12:00:00").plays, 0);
}

TEST(ProgressChartTest, PlaysOfOneGameAndDatesInALanguagesPattern) {
    const std::vector<history::Play> plays = {At("2026-12-01T10:00:00", 2, 0, "uhr.sav"),
                                              At("2026-12-01T11:00:00", 3, 0, history::kTestGame),
                                              At("2026-12-01T12:00:00", 4, 0, "uhr.sav")};
    const std::vector<history::Play> clock = progress::PlaysOf(plays, "uhr.sav");
    ASSERT_EQ(clock.size(), 2u);
    EXPECT_EQ(clock[1].grade, 4.0);
    EXPECT_EQ(progress::PlaysOf(plays, history::kTestGame).size(), 1u);
    EXPECT_EQ(progress::FormatDate("D.M.", 7, 12), "7.12.");
    EXPECT_EQ(progress::FormatDate("M/D", 7, 12), "12/7");
}

}  // namespace
