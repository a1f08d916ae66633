#include "games/base/SquareGrid.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

#include "app/Random.h"
#include "support/GameFixture.h"

namespace {

class SquareGridTest : public GameFixture {
public:
    SquareGridTest() : GameFixture("") {}
};

// An unlocked grid with a list of lit squares (column, row).
SquareGrid GridWith(int side, std::initializer_list<std::pair<int, int>> lit) {
    SquareGrid grid(false, side, 0, 100, Vec2{500, 500}, 3);
    for (const auto& [u, v] : lit) grid.SetSquare(u, v, true);
    return grid;
}

TEST_F(SquareGridTest, ALockedGridDrawsItsPatternAndIgnoresClicks) {
    std::set<int> litCounts;
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        SquareGrid locked(true, 4, 0, 200, std::nullopt, 3);
        litCounts.insert(locked.LitCount());
        // 100 switches: every square switched an even or odd number of times.
        EXPECT_EQ(locked.LitCount() % 2, 0);
        const Vec2 at = locked.Square(5).Position();
        EXPECT_FALSE(locked.Click(at.x + 1, at.y + 1));
        EXPECT_TRUE(locked.Hit(at.x + 1, at.y + 1));
    }
    EXPECT_GT(litCounts.size(), 2u);
    // About one 3 x 3 pattern in 250 would come out empty; none may.
    for (uint32_t seed = 1; seed <= 3000; ++seed) {
        SeedRandom(seed);
        EXPECT_GT(SquareGrid(true, 3, 0, 200, std::nullopt, 3).LitCount(), 0) << "seed " << seed;
    }
}

TEST_F(SquareGridTest, AClickSwitchesTheSquareUnderItButNotInTheGaps) {
    SquareGrid grid(false, 3, 0, 200, std::nullopt, 3);
    const GridSquare& square = grid.Square(1 * 3 + 2);
    const float right = square.Position().x + static_cast<float>(square.Size());
    const float bottom = square.Position().y + static_cast<float>(square.Size());
    struct Case { float x; float y; bool hits; };
    const Case cases[] = {{right, bottom, true}, {right + 1, bottom - 1, false}, {right - 1, bottom + 2, false}};
    for (const Case& c : cases) {
        EXPECT_EQ(grid.Hit(c.x, c.y), c.hits) << c.x << "," << c.y;
        EXPECT_EQ(grid.Click(c.x, c.y), c.hits);
        EXPECT_EQ(grid.IsLit(1, 2), c.hits);
        if (grid.IsLit(1, 2)) grid.Click(c.x, c.y);
    }
    EXPECT_EQ(grid.LitCount(), 0);
}

TEST_F(SquareGridTest, SetSquareLightsColumnAndRowAndIgnoresPlacesOutside) {
    SquareGrid grid = GridWith(3, {{2, 0}, {3, 0}, {0, 3}, {-1, 1}});
    EXPECT_EQ(grid.LitCount(), 1);
    EXPECT_TRUE(grid.IsLit(2, 0));
    EXPECT_TRUE(grid.Square(6).IsLit());
    grid.SetSquare(2, 0, false);
    EXPECT_EQ(grid.LitCount(), 0);
}

TEST_F(SquareGridTest, CombiningAndComparingGoSquareBySquare) {
    struct Case { bool exclusive; std::initializer_list<std::pair<int, int>> expected; };
    const Case cases[] = {{false, {{0, 0}, {1, 1}, {2, 2}}}, {true, {{0, 0}, {2, 2}}}};
    for (const Case& c : cases) {
        SquareGrid grid = GridWith(3, {{0, 0}, {1, 1}});
        const SquareGrid other = GridWith(3, {{1, 1}, {2, 2}});
        EXPECT_FALSE(grid.Equals(other));
        grid.Combine(other, c.exclusive);
        EXPECT_TRUE(grid.Equals(GridWith(3, c.expected))) << "exclusive " << c.exclusive;
    }
    EXPECT_TRUE(GridWith(3, {}).Equals(GridWith(3, {})));
    EXPECT_FALSE(GridWith(3, {}).Equals(GridWith(4, {})));
}

TEST_F(SquareGridTest, LitAndUnlitSquaresDrawDifferentTiles) {
    GridWith(2, {{1, 0}}).Draw();
    ASSERT_EQ(renderer->sprites.size(), 4u);
    EXPECT_EQ(renderer->sprites[0].region.top, renderer->sprites[1].region.top);
    EXPECT_NE(renderer->sprites[0].region.top, renderer->sprites[2].region.top);
}

}  // namespace
