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
    // The grade of the play, before the cap at 6.0: when every task was done,
    // 1 + 5 x wrong / tasks; when the play ended early, 1 + 10 x wrong /
    // answers, or 6.0 without an answer. Each second adds 1 / secondsPerPoint.
    double Grade(bool finished, double seconds, double secondsPerPoint) const;
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
