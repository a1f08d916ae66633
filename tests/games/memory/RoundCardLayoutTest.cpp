#include "games/memory/RoundCardLayout.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/Random.h"

namespace {

struct Level {
    int count;
    double size;
};

constexpr Level kLevels[] = {{16, 110.0}, {24, 85.0}, {32, 75.0}, {8, 100.0}};

// Every centre inside its band and no two discs overlapping.
void ExpectValid(const RoundCardLayout& layout, const Level& level) {
    ASSERT_EQ(layout.centres.size(), static_cast<size_t>(level.count));
    const double low = level.size + 75;
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

TEST(RoundCardLayoutTest, CentresDrawYThenXInTheirBands) {
    SeedRandom(4711);
    const int y = Random() % 398 + 185;
    const int x = Random() % 654 + 185;
    SeedRandom(4711);
    const RoundCardLayout layout(16, 110.0, 1024, 768);
    EXPECT_EQ(layout.centres[0].x, x);
    EXPECT_EQ(layout.centres[0].y, y);
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
    // With ten tries per card the 32 cards of the hardest level jam
    // often; each new start must forget the cards of the jammed one.
    const Level hardest = kLevels[2];
    int restarts = 0;
    for (uint32_t seed = 0; seed < 20; ++seed) {
        SeedRandom(seed);
        const RoundCardLayout layout(hardest.count, hardest.size, 1024, 768, 10);
        ExpectValid(layout, hardest);
        restarts += layout.restarts;
    }
    EXPECT_GT(restarts, 0);
}

TEST(RoundCardLayoutTest, AWiderMarginNarrowsTheBandAndAJamStillRestarts) {
    // The sequence game's 20 symbols of 40 px, 100 px from the edges, with
    // so few tries per symbol that layouts jam.
    int restarts = 0;
    for (uint32_t seed = 0; seed < 20; ++seed) {
        SeedRandom(seed);
        const RoundCardLayout layout(20, 40.0, 1024, 768, 2, 100);
        ASSERT_EQ(layout.centres.size(), 20u);
        for (const Vec2& c : layout.centres) {
            ASSERT_TRUE(c.x >= 140 && c.x < 1024 - 140 && c.y >= 140 && c.y < 768 - 140);
        }
        restarts += layout.restarts;
    }
    EXPECT_GT(restarts, 0);
}

}  // namespace
