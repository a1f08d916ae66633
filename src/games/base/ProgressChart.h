#pragma once

#include <optional>
#include <string>
#include <vector>

#include "games/base/PlayHistory.h"

// The progress page's chart of one game's (or the tests') grades over time,
// worked out from the history as positions in the chart's box: the page only
// draws what this computes.
namespace progress {

// The chart shows at most this many plays, the latest ones.
inline constexpr int kShownPlays = 100;
// The average line runs over this many plays (fewer at the start).
inline constexpr int kAverageWindow = 5;
// The grade at and above which a play counts as solved.
inline constexpr double kSolvedGrade = 1.5;
// The span the change of the average is measured over.
inline constexpr int kChangeDays = 30;

struct Box {
    float left;
    float top;
    float right;
    float bottom;
};

struct Point {
    float x;
    float y;
};

struct PlayPoint {
    Point at;
    int level;
};

// Where a new day starts on the time axis.
struct DateMark {
    float x;
    int day;
    int month;
};

struct Chart {
    int total = 0;                 // plays in all
    std::vector<PlayPoint> plays;  // the shown ones, oldest first
    std::vector<Point> average;    // the moving average at each shown play
    std::vector<DateMark> dates;   // no two closer than the spacing asked for
};

// The height of a grade in the box: 1.0 at the top, 6.0 at the bottom; grades
// outside the scale sit on its edge.
float GradeY(double grade, const Box& box);

// The chart of the plays (in the order they were played). The shown plays
// spread evenly over the box's width, each in the middle of its share; the
// average at a play is that of it and the plays just before it, shown or not.
// A date mark stands at the first shown play of each day, left out where it
// would come closer than dateSpacing to the one before.
Chart BuildChart(const std::vector<history::Play>& plays, const Box& box, float dateSpacing);

struct Summary {
    int plays = 0;
    double average = 0.0;
    double best = 6.0;
    // How much the average moved within the last kChangeDays days: the average
    // now less the average of the plays before then (negative: better). None
    // while there is no play from before or none since.
    std::optional<double> change;
};

// The figures under the chart; `since` is the time kChangeDays days ago, as
// the history writes times (the times compare as text).
Summary Summarise(const std::vector<history::Play>& plays, const std::string& since);

// The plays of one game (its save-file name, or history::kTestGame for the
// whole tests), in the file's order.
std::vector<history::Play> PlaysOf(const std::vector<history::Play>& all, const std::string& game);

// A date in a language's pattern: "D" becomes the day, "M" the month.
std::string FormatDate(const std::string& pattern, int day, int month);

}  // namespace progress
