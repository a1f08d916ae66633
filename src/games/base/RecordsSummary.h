#pragma once

#include <string>

#include "games/base/GradeRecords.h"

// The totals under a statistics page's best list, one line each: the time
// played in whole hours, minutes and seconds (43), the solved plays (44), the
// best and worst grade (45, 46, only once a grade was recorded), the average
// grade (47, 0.0 before the first play) and the plays (48, no line break
// after it).
std::string RecordsSummary(double totalTime, int solvedCount, double bestGrade, double worstGrade, int gamesPlayed,
                           double gradeSum);

// The same for a game's records or the global statistics.
template <typename Entry>
std::string RecordsSummary(const GradeRecords<Entry>& records) {
    return RecordsSummary(records.totalTime, records.solvedCount, records.bestGrade, records.worstGrade,
                          records.gamesPlayed, records.gradeSum);
}
