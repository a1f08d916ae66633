#include "games/base/RecordsSummary.h"

#include "games/base/TimePanel.h"
#include "settings/TextFormat.h"

std::string RecordsSummary(double totalTime, int solvedCount, double bestGrade, double worstGrade, int gamesPlayed,
                           double gradeSum) {
    const long long t = WholeSeconds(totalTime);
    // Whole hours: a total of 61 hours shows as 61, not 1.
    std::string text = FormatText(43, t / 3600, (t / 60) % 60, t % 60) + "\n";
    text += FormatText(44, solvedCount) + "\n";
    // Best and worst start crossed; they only mean something after a play.
    if (worstGrade >= bestGrade) {
        text += FormatText(45, bestGrade) + "\n";
        text += FormatText(46, worstGrade) + "\n";
    }
    const double average = gamesPlayed > 0 ? gradeSum / gamesPlayed : 0.0;
    text += FormatText(47, average) + "\n";
    text += FormatText(48, gamesPlayed);
    return text;
}
