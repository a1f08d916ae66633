#pragma once

#include "games/base/GradeRecords.h"
#include "games/base/TestEntry.h"

// The statistics over all games of the program, kept in "stats.sav": plays,
// grades, the time the program ran outside pauses, and the best list of tests.
class GlobalStatistics : public GradeRecords<TestEntry> {
public:
    static constexpr const char* kFileName = "stats.sav";

    GlobalStatistics() : GradeRecords("GAME_ZEIT:") {}
};
