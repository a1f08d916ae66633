#include <gtest/gtest.h>

#include <string>

#include "ArithmeticGameFixture.h"
#include "app/Random.h"
#include "games/numbers/ArithmeticTerm.h"
#include "games/numbers/KG_Dreieck_rechnen.h"
#include "games/numbers/NumberTriangle.h"

namespace {

class DreieckTest : public ArithmeticGameFixture {
protected:
    // Answers the current triangle, right or wrong, and lets the verdict run out.
    void Answer(KG_Dreieck_rechnen& game, bool right) {
        AnswerNumber(game, game.Triangle().Root().value, right, KG_Dreieck_rechnen::kFeedbackSeconds);
    }
};

// The operator rule itself is the arithmetic terms' (see their test); here its use.
TEST_F(DreieckTest, TheFirstApplicableOperationCombinesTwoValues) {
    const struct { int left, right; char sign; int value; } cases[] = {
        {12, 4, '/', 3}, {3, 20, '*', 60}, {11, 10, '-', 1}, {19, 20, '+', 39}};
    for (const auto& c : cases) {
        TriangleNode left{.value = c.left}, right{.value = c.right}, node{.left = &left, .right = &right};
        NumberTriangle::Combine(node);
        EXPECT_EQ(arithmetic::Sign(node.op), c.sign) << c.left << " and " << c.right;
        EXPECT_EQ(node.value, c.value) << c.left << " and " << c.right;
    }
}

TEST_F(DreieckTest, EveryTriangleHoldsWholeValuesOfAtLeastOneWithAThreeDigitResult) {
    for (const int rowSize : {3, 4}) {
        for (uint32_t seed = 1; seed <= 3000; ++seed) {
            SeedRandom(seed);
            const NumberTriangle triangle(rowSize, 1024);
            ASSERT_EQ(triangle.Nodes().size(), static_cast<std::size_t>(rowSize * (rowSize + 1) / 2));
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

TEST_F(DreieckTest, ThreeDigitsAreTakenAndEachVerdictHoldsTheTriangleForTwoSeconds) {
    KG_Dreieck_rechnen game(0);
    game.StartGame();
    Press(game, platform::vk::Return);
    EXPECT_EQ(game.Tally().Answered(), 0);
    TypeNumber(game, 1234);
    EXPECT_EQ(game.Input(), "123");
    for (int i = 0; i < 3; ++i) Press(game, 8);
    const int root = game.Triangle().Root().value;
    TypeNumber(game, root);
    Press(game, platform::vk::Return);
    Press(game, platform::vk::Return);
    EXPECT_EQ(game.Tally().right, 1);
    EXPECT_EQ(game.Tally().Answered(), 1);
    RunFrames(game, 1, 1.5);
    EXPECT_EQ(game.Input(), std::to_string(root));
    RunFrames(game, 1, 0.5);
    EXPECT_EQ(game.Input(), "");
}

TEST_F(DreieckTest, TheGradeWeighsTheWrongShareDoubleWhenEndedEarlyAndTheTime) {
    // 3 of 10 wrong in two minutes; a quarter wrong in a minute, ended early.
    const struct { int level, answered, wrong; double secondsEach, grade; } cases[] = {
        {0, 10, 3, 12.0, 3.5}, {2, 4, 1, 15.0, 4.0}};
    for (const auto& c : cases) {
        KG_Dreieck_rechnen game(c.level);
        game.StartGame();
        for (int task = 0; task < c.answered; ++task) {
            RunFrames(game, 1, c.secondsEach);
            Answer(game, task >= c.wrong);
        }
        EXPECT_EQ(game.GetState() == Knobel_Game::STATE_FINISHED, c.answered == game.Tally().tasks);
        game.SetState(Knobel_Game::STATE_ABORTED);
        game.ComputeGrade();
        EXPECT_DOUBLE_EQ(game.GetGrade(), c.grade) << c.wrong << " of " << c.answered << " wrong";
    }
}

}  // namespace
