#pragma once

#include <string>

// The count of a play of a fixed number of tasks, each answered right or
// wrong, with the grade and the result lines that go with it.
struct AnswerTally {
    explicit AnswerTally(int tasks) : tasks(tasks) {}

    int Answered() const { return right + wrong; }
    bool AllAnswered() const { return Answered() >= tasks; }
    // The right answers in percent of the answers, cut to a whole number; 0
    // before the first answer.
    int PercentRight() const;
    // The grade of the play, before it is held to the scale. When every task
    // was done: 1 + 5 x wrong / tasks, each second adding 1 / secondsPerPoint.
    // When the play ended early: 1 + 10 x wrong / answers, each second adding
    // 1 / secondsPerPointEnded, or 6.0 without an answer; but never better
    // than finishing at once with every task still open answered wrong, so
    // that breaking off after a good start never pays.
    double Grade(bool finished, double seconds, double secondsPerPoint, double secondsPerPointEnded) const;
    // The same where a second costs as much in a play ended early.
    double Grade(bool finished, double seconds, double secondsPerPoint) const {
        return Grade(finished, seconds, secondsPerPoint, secondsPerPoint);
    }
    // The lines of the right and of the wrong answers.
    std::string RightWrongLines() const;
    // The line of the percentage of right answers.
    std::string PercentLine() const;
    // The result text: the time line, the right and wrong answers, the
    // percentage, and the grade line.
    std::string ResultText(const std::string& timeLine, const std::string& gradeLine) const;

    int right = 0;
    int wrong = 0;
    const int tasks;
};
