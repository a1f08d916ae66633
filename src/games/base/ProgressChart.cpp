#include "games/base/ProgressChart.h"

#include <algorithm>
#include <charconv>
#include <string_view>

namespace progress {

namespace {

constexpr double kTopGrade = 1.0;
constexpr double kBottomGrade = 6.0;

// The day and month of an ISO 8601 time ("2026-12-07T..."); false when the
// text does not start with a date.
bool DayAndMonth(std::string_view time, int& day, int& month) {
    if (time.size() < 10 || time[4] != '-' || time[7] != '-') {
        return false;
    }
    const auto read = [](std::string_view digits, int& value) {
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
        return error == std::errc() && end == digits.data() + digits.size();
    };
    return read(time.substr(5, 2), month) && read(time.substr(8, 2), day);
}

}  // namespace

float GradeY(double grade, const Box& box) {
    const double share = (std::clamp(grade, kTopGrade, kBottomGrade) - kTopGrade) / (kBottomGrade - kTopGrade);
    return box.top + static_cast<float>(share) * (box.bottom - box.top);
}

Chart BuildChart(const std::vector<history::Play>& plays, const Box& box, float dateSpacing) {
    Chart chart;
    chart.total = static_cast<int>(plays.size());
    const int first = std::max(0, chart.total - kShownPlays);
    const int shown = chart.total - first;
    const float step = shown > 0 ? (box.right - box.left) / static_cast<float>(shown) : 0.0f;

    double windowSum = 0.0;
    // The window before the first shown play; each play then enters it and
    // pushes the oldest out.
    for (int i = std::max(0, first - kAverageWindow); i < first; ++i) {
        windowSum += plays[i].grade;
    }
    std::string_view lastDay;
    for (int i = first; i < chart.total; ++i) {
        const history::Play& play = plays[i];
        windowSum += play.grade;
        if (i - kAverageWindow >= 0) {
            windowSum -= plays[i - kAverageWindow].grade;
        }
        const int inWindow = std::min(i + 1, kAverageWindow);
        const float x = box.left + step * (static_cast<float>(i - first) + 0.5f);
        chart.plays.push_back({{x, GradeY(play.grade, box)}, play.level});
        chart.average.push_back({x, GradeY(windowSum / inWindow, box)});

        const std::string_view day = std::string_view(play.time).substr(0, 10);
        int dayOfMonth = 0;
        int month = 0;
        if (day != lastDay && DayAndMonth(play.time, dayOfMonth, month)) {
            lastDay = day;
            if (chart.dates.empty() || x - chart.dates.back().x >= dateSpacing) {
                chart.dates.push_back({x, dayOfMonth, month});
            }
        }
    }
    return chart;
}

Summary Summarise(const std::vector<history::Play>& plays, const std::string& since) {
    Summary summary;
    double sum = 0.0;
    double sumBefore = 0.0;
    int before = 0;
    for (const history::Play& play : plays) {
        sum += play.grade;
        summary.best = std::min(summary.best, play.grade);
        if (play.time < since) {
            sumBefore += play.grade;
            before += 1;
        }
    }
    summary.plays = static_cast<int>(plays.size());
    if (summary.plays > 0) {
        summary.average = sum / summary.plays;
    }
    if (before > 0 && before < summary.plays) {
        summary.change = summary.average - sumBefore / before;
    }
    return summary;
}

std::vector<history::Play> PlaysOf(const std::vector<history::Play>& all, const std::string& game) {
    std::vector<history::Play> plays;
    std::copy_if(all.begin(), all.end(), std::back_inserter(plays),
                 [&](const history::Play& play) { return play.game == game; });
    return plays;
}

std::string FormatDate(const std::string& pattern, int day, int month) {
    std::string text;
    for (const char c : pattern) {
        if (c == 'D') {
            text += std::to_string(day);
        } else if (c == 'M') {
            text += std::to_string(month);
        } else {
            text += c;
        }
    }
    return text;
}

}  // namespace progress
