#include "app/Random.h"

#include <gtest/gtest.h>

namespace {

TEST(RandomTest, FollowsTheClassicSequenceWithin0To32767) {
    // The first numbers of the classic generator from seed 1.
    SeedRandom(1);
    EXPECT_EQ(Random(), 41);
    EXPECT_EQ(Random(), 18467);
    EXPECT_EQ(Random(), 6334);
    EXPECT_EQ(Random(), 26500);
    SeedRandom(12345);
    int lowest = kRandMax;
    int highest = 0;
    for (int i = 0; i < 200000; ++i) {
        const int value = Random();
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
    }
    EXPECT_EQ(lowest, 0);
    EXPECT_EQ(highest, kRandMax);
    SeedRandom(7);
    const int first = Random();
    SeedRandom(7);
    EXPECT_EQ(Random(), first);
}

}  // namespace
