#include "games/base/AnswerTally.h"

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

double AnswerTally::Grade(bool finished, double seconds, double secondsPerPoint) const {
    const double timePart = 1.0 + seconds / secondsPerPoint;
    if (finished) {
        return static_cast<double>(wrong) / tasks * 5.0 + timePart;
    }
    if (Answered() <= 0) {
        return kNothingGraded;
    }
    return static_cast<double>(wrong) / Answered() * 10.0 + timePart;
}

std::string AnswerTally::RightWrongLines() const {
    return FormatText(kRightText, right) + "\n" + FormatText(kWrongText, wrong);
}

std::string AnswerTally::PercentLine() const { return FormatText(kPercentText, PercentRight()); }

std::string AnswerTally::ResultText(const std::string& timeLine, const std::string& gradeLine) const {
    return timeLine + "\n" + RightWrongLines() + "\n\n" + PercentLine() + "\n\n" + gradeLine;
}
