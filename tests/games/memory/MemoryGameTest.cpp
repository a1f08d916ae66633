#include <gtest/gtest.h>

#include <tuple>

#include "games/memory/MemoryCard.h"

namespace {

TEST(MemoryGameTest, ARoundCardIsHitOnItsDiscOnly) {
    const MemoryCard card(0, Vec2{300.0f, 200.0f}, 100.0, 0);
    // The corner of the square around the disc is off the card.
    for (const auto& [x, y, hit] : {std::tuple{300.0f, 200.0f, true}, {350.0f, 200.0f, true}, {300.0f, 150.0f, true},
                                    {351.0f, 200.0f, false}, {345.0f, 245.0f, false}}) {
        EXPECT_EQ(card.HitTest(x, y), hit) << x << "," << y;
    }
}

}  // namespace
