#include "games/memory/RoundCardLayout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/Random.h"

namespace {

struct Level { int count; double size; };

constexpr Level kLevels[] = {{16, 110.0}, {24, 85.0}, {32, 75.0}, {8, 100.0}};

// Every centre inside its band and no two discs overlapping.
void ExpectValid(const RoundCardLayout& layout, const Level& level, int margin = 75) {
    ASSERT_EQ(layout.centres.size(), static_cast<size_t>(level.count));
    const double low = level.size + margin;
    for (size_t i = 0; i < layout.centres.size(); ++i) {
        const Vec2 c = layout.centres[i];
        ASSERT_GE(c.x, low);
        ASSERT_LT(c.x, 1024 - low);
        ASSERT_GE(c.y, low);
        ASSERT_LT(c.y, 768 - low);
        for (size_t j = 0; j < i; ++j) {
            const Vec2 d = layout.centres[j];
            ASSERT_GE(std::hypot(c.x - d.x, c.y - d.y), level.size) << "cards " << j << " and " << i;
        }
    }
}

TEST(RoundCardLayoutTest, EveryLevelFitsWithoutOverlapForManySeeds) {
    int restarts = 0;
    for (const Level& level : kLevels) {
        for (uint32_t seed = 0; seed < 1500; ++seed) {
            SeedRandom(seed);
            const RoundCardLayout layout(level.count, level.size, 1024, 768);
            ExpectValid(layout, level);
            if (HasFatalFailure()) {
                FAIL() << "level of " << level.count << " cards, seed " << seed;
            }
            restarts += layout.restarts;
        }
    }
    // A jam is rare enough that the normal limit practically never restarts.
    EXPECT_LT(restarts, 5);
}

TEST(RoundCardLayoutTest, AJammedLayoutStartsAgainAndStillFinishes) {
    // So few tries per card that layouts jam often; each new start must
    // forget the cards of the jammed one. The second row is the sequence
    // game's 20 symbols of 40 px, kept 100 px from the edges.
    const struct { Level level; int tries; int margin; } cases[] = {{kLevels[2], 10, 75}, {{20, 40.0}, 2, 100}};
    for (const auto& c : cases) {
        int restarts = 0;
        for (uint32_t seed = 0; seed < 20; ++seed) {
            SeedRandom(seed);
            const RoundCardLayout layout(c.level.count, c.level.size, 1024, 768, c.tries, c.margin);
            ExpectValid(layout, c.level, c.margin);
            restarts += layout.restarts;
        }
        EXPECT_GT(restarts, 0) << c.level.count << " cards";
    }
}

}  // namespace
