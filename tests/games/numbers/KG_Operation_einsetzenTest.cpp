#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "ArithmeticGameFixture.h"
#include "TermTree.h"
#include "app/Random.h"
#include "games/numbers/ArithmeticTerm.h"
#include "games/numbers/KG_Operation_einsetzen.h"

namespace {

// The key that chooses each operator (A, S, M, D).
constexpr uint16_t kOperatorKeys[] = {'A', 'S', 'M', 'D'};

class OperationEinsetzenTest : public ArithmeticGameFixture {
protected:
    // Seeds the generator with the first seed after which a level-0 game's
    // first task has expressions that pass the test (the game does not seed
    // the generator itself).
    static void SeedForTask(const std::function<bool(const ArithmeticTerm&, const ArithmeticTerm&)>& test) {
        for (uint32_t seed = 1; seed < 500000; ++seed) {
            SeedRandom(seed);
            const ArithmeticTerm left(0, 1, true, true);
            const ArithmeticTerm right(0, 1, true, true);
            if (test(left, right)) return SeedRandom(seed);
        }
        ADD_FAILURE() << "no seed found";
    }
    // Chooses an operator and confirms it.
    static void Choose(KG_Operation_einsetzen& game, int op) {
        Press(game, kOperatorKeys[op]);
        Press(game, platform::vk::Return);
    }
    // Checks the task against the operator rule (its two terms are the
    // arithmetic terms', checked in their test).
    static void ExpectSoundTask(const KG_Operation_einsetzen& game) {
        SCOPED_TRACE(game.LeftText() + " ? " + game.RightText() + " = " + std::to_string(game.Result()));
        const int a = game.LeftValue();
        const int b = game.RightValue();
        // The operation on the two values follows the rule with products up to 100.
        EXPECT_EQ(game.TaskOperator(), arithmetic::FirstAllowedOperator(a, b, KG_Operation_einsetzen::kLargestProduct));
        const char sign = arithmetic::Sign(game.TaskOperator());
        EXPECT_EQ(TermTree::Read(std::to_string(a) + " " + sign + " " + std::to_string(b))->Value(), game.Result());
        EXPECT_GT(game.Result(), 0);
    }
};

TEST_F(OperationEinsetzenTest, EveryTaskFollowsTheOperatorRuleWithProductsUpTo100) {
    const int tasks[] = {10, 15, 20};
    for (int level = 0; level < 3; ++level) {
        for (uint32_t seed = 1; seed <= 10; ++seed) {
            SeedRandom(seed * 7919);
            KG_Operation_einsetzen game(level);
            ASSERT_EQ(game.Tally().tasks, tasks[level]);
            game.StartGame();
            while (game.GetState() == Knobel_Game::STATE_RUNNING) {
                ExpectSoundTask(game);
                Choose(game, game.TaskOperator());
                RunFrames(game, 1, KG_Operation_einsetzen::kRightSeconds);
            }
            EXPECT_EQ(game.Tally().right, tasks[level]);
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        }
    }
}

// 4 - 2 = 4 / 2 and x * 1 = x / 1 are right and become the task's operator;
// equal values divide to 1, their difference 0 is wrong.
TEST_F(OperationEinsetzenTest, AnOperatorGivingTheSameResultIsRightAndBecomesTheTasksOperator) {
    using Task = std::function<bool(const ArithmeticTerm&, const ArithmeticTerm&)>;
    const struct { Task task; int chosen; bool right; } cases[] = {
        {[](auto& a, auto& b) { return a.Value() == 4 && b.Value() == 2; }, arithmetic::kSubtract, true},
        {[](auto& a, auto& b) { return b.Value() == 1 && a.Value() > 1; }, arithmetic::kMultiply, true},
        {[](auto& a, auto& b) { return a.Value() == b.Value(); }, arithmetic::kSubtract, false}};
    for (const auto& c : cases) {
        SeedForTask(c.task);
        KG_Operation_einsetzen game(0);
        EXPECT_EQ(game.TaskOperator(), arithmetic::kDivide);
        game.StartGame();
        Choose(game, c.chosen);
        EXPECT_EQ(game.Tally().right, c.right ? 1 : 0);
        EXPECT_EQ(game.TaskOperator(), c.right ? c.chosen : arithmetic::kDivide);
        EXPECT_EQ(game.FeedbackTimer(), c.right ? KG_Operation_einsetzen::kRightSeconds
                                                : KG_Operation_einsetzen::kWrongSeconds);
    }
}

TEST_F(OperationEinsetzenTest, ChoosingTakesItsKeysAndEnterOnlyOncePerTask) {
    KG_Operation_einsetzen game(0);
    game.StartGame();
    Press(game, platform::vk::Return);
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
    Press(game, platform::vk::Return);
    Press(game, platform::vk::Return);
    Press(game, kOperatorKeys[(chosen + 1) % 4]);
    EXPECT_EQ(game.Tally().right, 1);
    EXPECT_EQ(game.ChosenOperator(), chosen);
}

}  // namespace
