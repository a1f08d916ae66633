#include "games/base/AnswerTally.h"

#include <algorithm>

#include "settings/TextFormat.h"

namespace {

constexpr int kRightText = 30;
constexpr int kWrongText = 31;
constexpr int kPercentText = 32;
constexpr double kNothingGraded = 6.0;

}  // namespace

int AnswerTally::PercentRight() const {
    if (Answered() <= 0) {
        return 0;
    }
    return static_cast<int>(static_cast<double>(right) / Answered() * 100.0);
}

double AnswerTally::Grade(bool finished, double seconds, double secondsPerPoint, double secondsPerPointEnded) const {
    const auto finishedGrade = [&](int wrongAnswers) {
        return static_cast<double>(wrongAnswers) / tasks * 5.0 + 1.0 + seconds / secondsPerPoint;
    };
    if (finished) {
        return finishedGrade(wrong);
    }
    if (Answered() <= 0) {
        return kNothingGraded;
    }
    const double endedGrade = static_cast<double>(wrong) / Answered() * 10.0 + 1.0 + seconds / secondsPerPointEnded;
    const int open = std::max(0, tasks - Answered());
    return std::max(endedGrade, finishedGrade(wrong + open));
}

std::string AnswerTally::RightWrongLines() const {
    return FormatText(kRightText, right) + "\n" + FormatText(kWrongText, wrong);
}

std::string AnswerTally::PercentLine() const { return FormatText(kPercentText, PercentRight()); }

std::string AnswerTally::ResultText(const std::string& timeLine, const std::string& gradeLine) const {
    return timeLine + "\n" + RightWrongLines() + "\n\n" + PercentLine() + "\n\n" + gradeLine;
}
