#include <gtest/gtest.h>

#include <string>

#include "ArithmeticGameFixture.h"
#include "app/Random.h"
#include "games/numbers/ArithmeticTerm.h"
#include "games/numbers/KG_Dreieck_rechnen.h"
#include "games/numbers/NumberTriangle.h"

namespace {

constexpr uint16_t kEnter = 13;
constexpr uint16_t kBackspace = 8;

class DreieckTest : public ArithmeticGameFixture {
protected:
    DreieckTest() : ArithmeticGameFixture("<TEXT_START> 42 Triangle|<TEXT_START> 66 Work it out.|") {}

    // Answers the current triangle, right or wrong, and lets the verdict run out.
    void Answer(KG_Dreieck_rechnen& game, bool right) {
        const int value = game.Triangle().Root().value;
        TypeNumber(game, right ? value : value + 1);
        Press(game, kEnter);
        RunFrames(game, 1, KG_Dreieck_rechnen::kFeedbackSeconds);
    }
};

TEST_F(DreieckTest, TheFirstApplicableOperationCombinesTwoValues) {
    struct Case {
        int left, right;
        char sign;
        int value;
    };
    const Case cases[] = {{12, 4, '/', 3},  {4, 12, '*', 48},  {20, 7, '-', 13}, {3, 20, '*', 60},
                          {7, 19, '+', 26}, {5, 5, '/', 1},    {10, 10, '/', 1}, {11, 10, '-', 1},
                          {20, 20, '/', 1}, {1, 20, '*', 20}, {19, 20, '+', 39}, {100, 50, '/', 2}};
    for (const Case& c : cases) {
        TriangleNode left;
        TriangleNode right;
        left.value = c.left;
        right.value = c.right;
        TriangleNode node;
        node.left = &left;
        node.right = &right;
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
                if (node->InTopRow()) {
                    EXPECT_GE(node->value, 1);
                    EXPECT_LE(node->value, 20);
                    continue;
                }
                const int a = node->left->value;
                const int b = node->right->value;
                const int value = node->value;
                EXPECT_GE(value, 1);
                switch (arithmetic::Sign(node->op)) {
                    case '/': EXPECT_EQ(value * b, a); break;
                    case '*': EXPECT_EQ(value, a * b); EXPECT_LE(value, 100); break;
                    case '-': EXPECT_EQ(value, a - b); break;
                    case '+': EXPECT_EQ(value, a + b); break;
                    default: ADD_FAILURE() << "no operation";
                }
                // A box stands below the middle of its two neighbours.
                EXPECT_EQ(node->x, (node->left->x + node->right->x) / 2);
                EXPECT_GT(node->y, node->left->y);
            }
            EXPECT_LE(triangle.Root().value, 999) << "seed " << seed;
            if (HasFailure()) {
                return;
            }
        }
    }
}

TEST_F(DreieckTest, TheLevelSetsRowSizeAndTrianglesAndFourNumbersStandLeftOfTheCentre) {
    const struct {
        int rowSize, tasks;
        float rootOffset;
    } levels[] = {{3, 10, 0.0f}, {3, 20, 0.0f}, {4, 20, -40.0f}};
    for (int level = 0; level < 3; ++level) {
        KG_Dreieck_rechnen game(level);
        EXPECT_EQ(game.RowSize(), levels[level].rowSize);
        EXPECT_EQ(game.Tally().tasks, levels[level].tasks);
        EXPECT_EQ(game.Triangle().Root().x, 512.0f + levels[level].rootOffset);
    }
}

TEST_F(DreieckTest, TypingTakesThreeDigitsAndEachAnswerShowsItsVerdictForTwoSeconds) {
    KG_Dreieck_rechnen game(0);
    game.StartGame();
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().Answered(), 0);
    TypeNumber(game, 1234);
    EXPECT_EQ(game.Input(), "123");
    Press(game, kBackspace);
    Press(game, 'A');
    EXPECT_EQ(game.Input(), "12");
    for (int i = 0; i < 3; ++i) {
        Press(game, kBackspace);
    }

    const int root = game.Triangle().Root().value;
    TypeNumber(game, root);
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().right, 1);
    TypeNumber(game, 5);
    Press(game, kEnter);
    EXPECT_EQ(game.Input(), std::to_string(root));
    EXPECT_EQ(game.Tally().Answered(), 1);
    RunFrames(game, 1, 1.5);
    EXPECT_EQ(game.Triangle().Root().value, root);
    EXPECT_EQ(game.Input(), std::to_string(root));
    RunFrames(game, 1, 0.5);
    EXPECT_EQ(game.Input(), "");

    TypeNumber(game, game.Triangle().Root().value + 1);
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().wrong, 1);
    EXPECT_DOUBLE_EQ(game.FeedbackTimer(), 2.0);
}

TEST_F(DreieckTest, GradeAndResultOfAWholePlayAndOfOneEndedEarly) {
    KG_Dreieck_rechnen game(0);
    game.StartGame();
    for (int task = 0; task < 10; ++task) {
        RunFrames(game, 1, 12.0);
        Answer(game, task >= 3);
    }
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
    game.ComputeGrade();
    // 3 of 10 wrong in two minutes.
    EXPECT_DOUBLE_EQ(game.GetGrade(), 3.5);
    EXPECT_EQ(game.GetResultText(), " Time 2:00\n Right 7\n Wrong 3\n\n Rate 70 %\n\n Grade 3.50");
    EXPECT_EQ(game.GetTitle(), " Triangle");
    EXPECT_EQ(game.GetHelpText(), " Work it out.");

    KG_Dreieck_rechnen early(2);
    early.StartGame();
    RunFrames(early, 1, 60.0);
    Answer(early, false);
    Answer(early, true);
    Answer(early, true);
    Answer(early, true);
    early.SetState(Knobel_Game::STATE_ABORTED);
    early.ComputeGrade();
    // A quarter wrong counts 2.5 when the play ends early.
    EXPECT_DOUBLE_EQ(early.GetGrade(), 4.0);
}

TEST_F(DreieckTest, ARightAnswerKeepsTheNumberWithATickAWrongOneBlinksTheResultInRed) {
    KG_Dreieck_rechnen game(0);
    Draw(game);
    EXPECT_TRUE(renderer->sprites.empty());
    game.StartGame();
    Draw(game);
    // One number box per top-row number drawn, one sign box per operation
    // (the middle number belongs to both boxes below it).
    EXPECT_EQ(SpritesFrom(TEX_MISC1, 100, 450).size(), 1u + 4u);
    EXPECT_EQ(SpritesFrom(TEX_MISC1, 50, 450).size(), 3u);

    const int root = game.Triangle().Root().value;
    TypeNumber(game, root);
    Press(game, kEnter);
    Draw(game);
    EXPECT_EQ(SpritesFrom(TEX_MISC1, 0, 450).size(), 1u);
    RunFrames(game, 1, 2.0);

    const int next = game.Triangle().Root().value;
    TypeNumber(game, next + 1);
    Press(game, kEnter);
    Draw(game);
    EXPECT_TRUE(SpritesFrom(TEX_MISC1, 0, 450).empty());
    EXPECT_TRUE(TextsReading(std::to_string(next + 1)).empty());
    auto shown = TextsReading(std::to_string(next));
    bool red = false;
    for (const auto& text : shown) {
        red = red || text.colour == 0xFFFF7F7Fu;
    }
    EXPECT_TRUE(red);
    RunFrames(game, 1, 0.55);
    Draw(game);
    for (const auto& text : TextsReading(std::to_string(next))) {
        EXPECT_NE(text.colour, 0xFFFF7F7Fu);
    }
}

}  // namespace
