#include <gtest/gtest.h>

#include <string>

#include "ArithmeticGameFixture.h"
#include "games/base/VerdictMark.h"
#include "games/numbers/KG_Rechenspiel.h"

namespace {

class RechenspielTest : public ArithmeticGameFixture {
protected:
    // Answers the current expression, right or wrong, and lets the verdict run out.
    void Answer(KG_Rechenspiel& game, bool right) {
        TypeNumber(game, game.CurrentTerm().Value() + (right ? 0 : 1));
        Press(game, platform::vk::Return);
        RunFrames(game, 1, KG_Rechenspiel::kFeedbackSeconds);
    }
};

TEST_F(RechenspielTest, TypingTakesNineDigitsAndEnterNeedsADigit) {
    KG_Rechenspiel game(0);
    game.StartGame();
    Press(game, platform::vk::Return);
    EXPECT_EQ(game.Tally().Answered(), 0);
    TypeNumber(game, 1234567890);
    EXPECT_EQ(game.Input(), "123456789");
    Press(game, platform::vk::Back);
    EXPECT_EQ(game.Input(), "12345678");
    for (uint16_t other : {65, 106, 107, 32, 96}) Press(game, other);
    EXPECT_EQ(game.Input(), "12345678");
    for (int i = 0; i < 10; ++i) Press(game, platform::vk::Back);
    EXPECT_EQ(game.Input(), "");
    TypeNumber(game, 7);
    EXPECT_EQ(game.Input(), "7");
}

TEST_F(RechenspielTest, AVerdictHoldsTheInputForTwoSecondsOfPlayThatDoNotCount) {
    KG_Rechenspiel game(0);
    game.StartGame();
    RunFrames(game, 4, 0.5);
    const std::string first = game.CurrentTerm().Text();
    const int value = game.CurrentTerm().Value();
    TypeNumber(game, value);
    Press(game, platform::vk::Return);
    EXPECT_EQ(game.Tally().right, 1);
    // Keys are not taken during the verdict.
    TypeNumber(game, 5);
    Press(game, platform::vk::Back);
    Press(game, platform::vk::Return);
    EXPECT_EQ(game.Input(), std::to_string(value));
    EXPECT_EQ(game.Tally().Answered(), 1);
    RunFrames(game, 3, 0.5);
    EXPECT_EQ(game.CurrentTerm().Text(), first);
    RunFrames(game, 1, 0.5);
    EXPECT_EQ(game.Input(), "");
    EXPECT_DOUBLE_EQ(game.GetPlaySeconds(), 2.0);
    // A wrong value counts as wrong and the right value shows instead of it, as a solution.
    const int next = game.CurrentTerm().Value();
    TypeNumber(game, next + 10);
    Press(game, platform::vk::Return);
    EXPECT_EQ(game.Tally().wrong, 1);
    Draw(game);
    EXPECT_TRUE(TextsReading(std::to_string(next + 10)).empty());
    const auto shown = TextsReading(std::to_string(next));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].colour, verdict::kSolutionColour);
}

TEST_F(RechenspielTest, TheGradeWeighsTheWrongShareDoubleWhenEndedEarlyAndTheTime) {
    const struct {
        int level;
        int answered;  // of the level's tasks; fewer ends the play early
        int wrong;
        double secondsEach;
        double grade;
        const char* result;  // every language text is stored behind one blank
    } cases[] = {
        {0, 10, 0, 12.0, 2.0, " Time 2:00\n Right 10\n Wrong 0\n\n Rate 100 %\n\n Grade 2.00"},
        {0, 10, 2, 6.0, 2.5, " Time 1:00\n Right 8\n Wrong 2\n\n Rate 80 %\n\n Grade 2.50"},
        // Ended early: the wrong share counts double (2 / 9 x 10), but never
        // better than the tasks left answered wrong (13 of 15 wrong).
        {0, 9, 2, 6.0, 2.0 / 9.0 * 10.0 + 1.0 + 0.45, " Time 0:54\n Right 7\n Wrong 2\n\n Rate 77 %\n\n Grade 3.67"},
        {1, 3, 1, 10.0, 13.0 / 15.0 * 5.0 + 1.0 + 0.25, " Time 0:30\n Right 2\n Wrong 1\n\n Rate 66 %\n\n Grade 5.58"},
    };
    for (const auto& c : cases) {
        KG_Rechenspiel game(c.level);
        game.StartGame();
        for (int task = 0; task < c.answered; ++task) {
            RunFrames(game, 1, c.secondsEach);
            Answer(game, task >= c.wrong);
        }
        if (c.answered < game.Tally().tasks) {
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
            game.SetState(Knobel_Game::STATE_ABORTED);
        } else {
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        }
        game.ComputeGrade();
        EXPECT_NEAR(game.GetGrade(), c.grade, 1e-9) << c.wrong << " of " << c.answered << " wrong";
        EXPECT_EQ(game.GetResultText(), c.result);
    }
}

}  // namespace
