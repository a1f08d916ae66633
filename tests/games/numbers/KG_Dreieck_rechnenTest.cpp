#include <gtest/gtest.h>

#include <string>

#include "ArithmeticGameFixture.h"
#include "app/Random.h"
#include "games/numbers/ArithmeticTerm.h"
#include "games/numbers/KG_Dreieck_rechnen.h"
#include "games/numbers/NumberTriangle.h"

namespace {

using DreieckTest = ArithmeticGameFixture;

TEST_F(DreieckTest, EveryTriangleHoldsWholeValuesOfAtLeastOneWithAThreeDigitResult) {
    for (const int rowSize : {3, 4}) {
        for (uint32_t seed = 1; seed <= 3000; ++seed) {
            SeedRandom(seed);
            const NumberTriangle triangle(rowSize, 1024);
            ASSERT_EQ(triangle.Nodes().size(), static_cast<std::size_t>(rowSize * (rowSize + 1) / 2));
            // The triangle stands in the middle of the screen.
            ASSERT_FLOAT_EQ(triangle.Root().x, 512.0f) << rowSize;
            for (const auto& node : triangle.Nodes()) {
                const int top = node->InTopRow() ? 20 : 999;
                ASSERT_TRUE(node->value >= 1 && node->value <= top) << node->value << ", seed " << seed;
                if (!node->InTopRow() && arithmetic::Sign(node->op) == '/') {
                    ASSERT_EQ(node->value * node->right->value, node->left->value) << "seed " << seed;
                }
            }
        }
    }
}

TEST_F(DreieckTest, ThreeDigitsAreTakenAndEnterNeedsOne) {
    KG_Dreieck_rechnen game(0);
    game.StartGame();
    Press(game, platform::vk::Return);
    EXPECT_EQ(game.Tally().Answered(), 0);
    TypeNumber(game, 1234);
    EXPECT_EQ(game.Input(), "123");
    for (int i = 0; i < 3; ++i) Press(game, 8);
    TypeNumber(game, game.Triangle().Root().value);
    Press(game, platform::vk::Return);
    Press(game, platform::vk::Return);
    EXPECT_EQ(game.Tally().right, 1);
    EXPECT_EQ(game.Tally().Answered(), 1) << "no second answer while the verdict shows";
}

}  // namespace
