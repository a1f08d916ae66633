#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ArithmeticGameFixture.h"
#include "TermTree.h"
#include "app/Random.h"
#include "games/numbers/ArithmeticTerm.h"
#include "games/numbers/KG_Operation_einsetzen.h"

namespace {

constexpr uint16_t kEnter = 13;
// The key that chooses each operator (A, S, M, D).
constexpr uint16_t kOperatorKeys[] = {'A', 'S', 'M', 'D'};

class OperationEinsetzenTest : public ArithmeticGameFixture {
protected:
    // Seeds the generator with the first seed after which a level-0 game's
    // first task has expressions that pass the test (the game does not seed
    // the generator itself).
    static uint32_t SeedForTask(const std::function<bool(const ArithmeticTerm&, const ArithmeticTerm&)>& test) {
        for (uint32_t seed = 1; seed < 500000; ++seed) {
            SeedRandom(seed);
            const ArithmeticTerm left(0, 1, true, true);
            const ArithmeticTerm right(0, 1, true, true);
            if (test(left, right)) {
                SeedRandom(seed);
                return seed;
            }
        }
        ADD_FAILURE() << "no seed found";
        return 0;
    }

    // Chooses an operator and confirms it.
    static void Choose(KG_Operation_einsetzen& game, int op) {
        Press(game, kOperatorKeys[op]);
        Press(game, kEnter);
    }

    // Checks the task against its texts and the operator rule.
    static void ExpectSoundTask(const KG_Operation_einsetzen& game, int depth) {
        SCOPED_TRACE(game.LeftText() + " ? " + game.RightText() + " = " + std::to_string(game.Result()));
        for (const auto& [text, value] :
             {std::pair{game.LeftText(), game.LeftValue()}, std::pair{game.RightText(), game.RightValue()}}) {
            const auto tree = TermTree::Read(text);
            ASSERT_NE(tree, nullptr);
            EXPECT_EQ(tree->FirstFault(ArithmeticTerm::kLargestProduct), "");
            EXPECT_EQ(tree->Value(), value);
            EXPECT_LE(tree->Depth(), depth);
        }
        const int a = game.LeftValue();
        const int b = game.RightValue();
        // The operation on the two values follows the rule with products up to 100.
        const char sign = arithmetic::Sign(game.TaskOperator());
        EXPECT_EQ(TermTree::OperatorFault(sign, a, b, KG_Operation_einsetzen::kLargestProduct), "");
        EXPECT_EQ(TermTree::Read(std::to_string(a) + " " + sign + " " + std::to_string(b))->Value(), game.Result());
        EXPECT_GT(game.Result(), 0);
    }
};

TEST_F(OperationEinsetzenTest, EveryTaskFollowsTheOperatorRuleWithProductsUpTo100) {
    const int depths[] = {1, 2, 3};
    const int tasks[] = {10, 15, 20};
    for (int level = 0; level < 3; ++level) {
        for (uint32_t seed = 1; seed <= 10; ++seed) {
            SeedRandom(seed * 7919);
            KG_Operation_einsetzen game(level);
            ASSERT_EQ(game.Tally().tasks, tasks[level]);
            game.StartGame();
            while (game.GetState() == Knobel_Game::STATE_RUNNING) {
                ExpectSoundTask(game, depths[level]);
                if (HasFatalFailure()) {
                    return;
                }
                Choose(game, game.TaskOperator());
                RunFrames(game, 1, KG_Operation_einsetzen::kRightSeconds);
            }
            EXPECT_EQ(game.Tally().right, tasks[level]);
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        }
    }
}

TEST_F(OperationEinsetzenTest, AnOperatorGivingTheSameResultIsRightAndBecomesTheTasksOperator) {
    SeedForTask([](const ArithmeticTerm& a, const ArithmeticTerm& b) { return a.Value() == 4 && b.Value() == 2; });
    KG_Operation_einsetzen game(0);
    ASSERT_EQ(game.LeftValue(), 4);
    ASSERT_EQ(game.RightValue(), 2);
    EXPECT_EQ(game.TaskOperator(), arithmetic::kDivide);
    EXPECT_EQ(game.Result(), 2);
    game.StartGame();
    Choose(game, arithmetic::kSubtract);
    EXPECT_EQ(game.Tally().right, 1);
    EXPECT_EQ(game.TaskOperator(), arithmetic::kSubtract);
    EXPECT_EQ(game.FeedbackTimer(), KG_Operation_einsetzen::kRightSeconds);
    // The verdict shows the chosen sign with the tick.
    Draw(game);
    EXPECT_EQ(SpritesFrom(TEX_MISC2, 50, 350).size(), 1u);
    EXPECT_EQ(SpritesFrom(TEX_MISC1, 0, 450).size(), 1u);

    // Dividing by 1 is also multiplying by 1.
    SeedForTask([](const ArithmeticTerm& a, const ArithmeticTerm& b) { return b.Value() == 1 && a.Value() > 1; });
    KG_Operation_einsetzen byOne(0);
    byOne.StartGame();
    EXPECT_EQ(byOne.TaskOperator(), arithmetic::kDivide);
    Choose(byOne, arithmetic::kMultiply);
    EXPECT_EQ(byOne.Tally().right, 1);
    EXPECT_EQ(byOne.TaskOperator(), arithmetic::kMultiply);
}

TEST_F(OperationEinsetzenTest, EqualValuesAreADivisionAndTheirDifferenceIsWrong) {
    SeedForTask([](const ArithmeticTerm& a, const ArithmeticTerm& b) { return a.Value() == b.Value(); });
    KG_Operation_einsetzen game(0);
    EXPECT_EQ(game.TaskOperator(), arithmetic::kDivide);
    EXPECT_EQ(game.Result(), 1);
    game.StartGame();
    Choose(game, arithmetic::kSubtract);
    EXPECT_EQ(game.Tally().wrong, 1);
    EXPECT_EQ(game.TaskOperator(), arithmetic::kDivide);
    EXPECT_EQ(game.FeedbackTimer(), KG_Operation_einsetzen::kWrongSeconds);

    // The right sign blinks highlighted: on at 2.0 s left, off at 1.75 s
    // (trunc(17.5) mod 4 = 1 is still on), off at 1.45 s.
    Draw(game);
    EXPECT_EQ(SpritesFrom(TEX_MISC2, 150, 400).size(), 1u);
    EXPECT_TRUE(SpritesFrom(TEX_MISC1, 0, 450).empty());
    RunFrames(game, 1, 0.55);
    Draw(game);
    EXPECT_TRUE(SpritesFrom(TEX_MISC2, 150, 400).empty());
    RunFrames(game, 1, 1.45);
    EXPECT_EQ(game.FeedbackTimer(), 0.0);
    EXPECT_EQ(game.ChosenOperator(), KG_Operation_einsetzen::kNoOperator);
}

TEST_F(OperationEinsetzenTest, ChoosingTakesItsKeysOnlyWhileRunningAndEnterOnlyOncePerTask) {
    KG_Operation_einsetzen game(0);
    Press(game, 'A');
    EXPECT_EQ(game.ChosenOperator(), KG_Operation_einsetzen::kNoOperator);
    game.StartGame();
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().Answered(), 0);

    const std::pair<uint16_t, int> keys[] = {{'A', arithmetic::kAdd},      {107, arithmetic::kAdd},
                                             {'S', arithmetic::kSubtract}, {109, arithmetic::kSubtract},
                                             {'M', arithmetic::kMultiply}, {106, arithmetic::kMultiply},
                                             {'D', arithmetic::kDivide},   {111, arithmetic::kDivide}};
    for (const auto& [key, op] : keys) {
        Press(game, key);
        EXPECT_EQ(game.ChosenOperator(), op) << key;
    }
    Press(game, 'Q');
    EXPECT_EQ(game.ChosenOperator(), arithmetic::kDivide);

    Choose(game, game.TaskOperator());
    const int chosen = game.ChosenOperator();
    // During the verdict neither another Enter nor another choice is taken.
    Press(game, kEnter);
    Press(game, kEnter);
    Press(game, kOperatorKeys[(chosen + 1) % 4]);
    EXPECT_EQ(game.Tally().right, 1);
    EXPECT_EQ(game.ChosenOperator(), chosen);
    RunFrames(game, 1, 0.5);
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().Answered(), 1);
    RunFrames(game, 1, 0.5);
    EXPECT_EQ(game.ChosenOperator(), KG_Operation_einsetzen::kNoOperator);
    EXPECT_EQ(game.GetPlaySeconds(), 0.0);
}

TEST_F(OperationEinsetzenTest, GradesCountASecondAsOne240thAndTheResultTextListsTheAnswers) {
    KG_Operation_einsetzen game(0);
    game.StartGame();
    game.ComputeGrade();
    EXPECT_EQ(game.GetGrade(), 6.0);
    for (int task = 0; task < 10; ++task) {
        RunFrames(game, 1, 12.0);
        const int op = task < 2 ? (game.TaskOperator() + 1) % 4 : game.TaskOperator();
        Choose(game, op);
        RunFrames(game, 1, KG_Operation_einsetzen::kWrongSeconds);
    }
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
    game.ComputeGrade();
    // 2 wrong of 10 in 120 s: 2 / 10 x 5 + 1 + 0.5.
    EXPECT_DOUBLE_EQ(game.GetGrade(), 2.5);
    EXPECT_EQ(game.GetResultText(), " Time 2:00\n Right 8\n Wrong 2\n\n Rate 80 %\n\n Grade 2.50");
    EXPECT_EQ(game.GetTitle(), " Operator");
    EXPECT_EQ(game.GetHelpText(), " Choose the sign.");
}

TEST_F(OperationEinsetzenTest, EndedEarlyOneWrongOfFourAt60SecondsGrades3Point75) {
    KG_Operation_einsetzen game(1);
    game.StartGame();
    for (int task = 0; task < 4; ++task) {
        RunFrames(game, 1, 15.0);
        Choose(game, task == 0 ? (game.TaskOperator() + 1) % 4 : game.TaskOperator());
        RunFrames(game, 1, KG_Operation_einsetzen::kWrongSeconds);
    }
    game.SetState(Knobel_Game::STATE_ABORTED);
    RunFrames(game, 2, 1.0);
    EXPECT_DOUBLE_EQ(game.GetPlaySeconds(), 60.0);
    game.ComputeGrade();
    EXPECT_DOUBLE_EQ(game.GetGrade(), 1.0 / 4.0 * 10.0 + 1.0 + 0.25);
}

TEST_F(OperationEinsetzenTest, DrawsNothingBeforeTheStartThenBoxedTextsAndTheOperatorPlace) {
    SeedForTask([](const ArithmeticTerm& a, const ArithmeticTerm& b) { return a.Text() == "12" && b.Text() == "3"; });
    KG_Operation_einsetzen game(0);
    Draw(game);
    EXPECT_TRUE(renderer->sprites.empty());
    EXPECT_TRUE(renderer->texts.empty());

    game.StartGame();
    Draw(game);
    EXPECT_EQ(TextsReading(" Clock 0:00").size(), 1u);
    EXPECT_EQ(TextsReading(" Clock 0:00")[0].height, 20);
    for (const char* text : {"12", "3", "4", "="}) {
        auto drawn = TextsReading(text);
        ASSERT_EQ(drawn.size(), 1u) << text;
        EXPECT_EQ(drawn[0].height, 40);
        EXPECT_EQ(drawn[0].format, 5u);
    }
    // Three text boxes of nine parts; the result's box is 50 wide around
    // (512, 614.4): its top-left corner unscaled, its middle stretched by 1.
    auto corners = SpritesFrom(TEX_MISC1, 100, 450);
    ASSERT_EQ(corners.size(), 3u);
    EXPECT_FLOAT_EQ(corners[2].transform.dx, 487.0f);
    EXPECT_FLOAT_EQ(corners[2].transform.dy, 0.8f * 768.0f - 25.0f);
    EXPECT_FLOAT_EQ(corners[2].transform.m11, 1.0f);
    auto middles = SpritesFrom(TEX_MISC1, 105, 455);
    ASSERT_EQ(middles.size(), 3u);
    EXPECT_FLOAT_EQ(middles[2].transform.m11, 1.0f);
    EXPECT_FLOAT_EQ(middles[2].transform.dx, 492.0f);
    // The plate under "=" and the empty operator place.
    auto plates = SpritesFrom(TEX_MISC1, 50, 450);
    ASSERT_EQ(plates.size(), 2u);
    EXPECT_FLOAT_EQ(plates[0].transform.dy, 0.7f * 768.0f - 25.0f);
    EXPECT_FLOAT_EQ(plates[1].transform.dx, 487.0f);
    EXPECT_FLOAT_EQ(plates[1].transform.dy, 359.0f);

    Press(game, 'M');
    Draw(game);
    EXPECT_EQ(SpritesFrom(TEX_MISC1, 50, 450).size(), 1u);
    auto sign = SpritesFrom(TEX_MISC2, 100, 350);
    ASSERT_EQ(sign.size(), 1u);
    EXPECT_EQ(sign[0].region.right, 150);
    EXPECT_EQ(sign[0].region.bottom, 400);
}

}  // namespace
