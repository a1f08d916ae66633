#pragma once

#include "games/base/RecordEntry.h"

// One named test result in the global best list.
struct TestEntry : RecordEntry {
    int difficulty = 0;  // the level the test was played at, 0..2
    double best = 6.0;   // best grade within the test
    double worst = 1.0;  // worst grade within the test

    void DescribeFields(RecordFields& fields);
};
