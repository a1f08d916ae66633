#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "ArithmeticGameFixture.h"
#include "games/base/GameRecords.h"
#include "games/numbers/KG_Rechenspiel.h"

namespace {

constexpr uint16_t kEnter = 13;
constexpr uint16_t kBackspace = 8;

class RechenspielTest : public ArithmeticGameFixture {
protected:
    // Answers the current expression, right or wrong, and lets the verdict run out.
    void Answer(KG_Rechenspiel& game, bool right) {
        const int value = game.CurrentTerm().Value();
        TypeNumber(game, right ? value : value + 1);
        Press(game, kEnter);
        RunFrames(game, 1, KG_Rechenspiel::kFeedbackSeconds);
    }

    // A whole play: each task is thought about for secondsEach, the first
    // `wrong` of them answered wrong.
    void Play(KG_Rechenspiel& game, int wrong, double secondsEach) {
        for (int task = 0; task < game.Tally().tasks; ++task) {
            RunFrames(game, 1, secondsEach);
            Answer(game, task >= wrong);
        }
    }
};

TEST_F(RechenspielTest, TheLevelSetsTheTasksAndTheFirstExpressionExistsBeforeTheStart) {
    const int tasks[] = {10, 15, 20};
    for (int level = 0; level < 3; ++level) {
        KG_Rechenspiel game(level);
        EXPECT_EQ(game.Tally().tasks, tasks[level]);
        EXPECT_FALSE(game.IsStarted());
        EXPECT_GT(game.CurrentTerm().Value(), 0);
        EXPECT_NE(game.CurrentTerm().Text().find(' '), std::string::npos);
    }
}

TEST_F(RechenspielTest, TypingTakesNineDigitsOnlyWhileRunningAndEnterNeedsADigit) {
    KG_Rechenspiel game(0);
    // In the countdown nothing is typed or confirmed.
    TypeNumber(game, 12);
    EXPECT_EQ(game.Input(), "");
    game.StartGame();

    Press(game, kEnter);
    EXPECT_EQ(game.Tally().Answered(), 0);
    EXPECT_EQ(game.FeedbackTimer(), 0.0);

    TypeNumber(game, 1234567890);
    EXPECT_EQ(game.Input(), "123456789");
    Press(game, kBackspace);
    EXPECT_EQ(game.Input(), "12345678");
    for (uint16_t other : {65, 106, 107, 32, 96}) {
        Press(game, other);
    }
    EXPECT_EQ(game.Input(), "12345678");
    for (int i = 0; i < 10; ++i) {
        Press(game, kBackspace);
    }
    EXPECT_EQ(game.Input(), "");
    TypeNumber(game, 7);
    EXPECT_EQ(game.Input(), "7");

    // Paused (the menu's pause page): no typing.
    game.SetState(Knobel_Game::STATE_PAUSED);
    TypeNumber(game, 3);
    Press(game, kEnter);
    EXPECT_EQ(game.Input(), "7");
    EXPECT_EQ(game.Tally().Answered(), 0);
}

TEST_F(RechenspielTest, AVerdictHoldsTheInputForTwoSecondsOfPlayThatDoNotCount) {
    KG_Rechenspiel game(0);
    game.StartGame();
    RunFrames(game, 4, 0.5);
    EXPECT_DOUBLE_EQ(game.GetPlaySeconds(), 2.0);

    const std::string first = game.CurrentTerm().Text();
    const int value = game.CurrentTerm().Value();
    TypeNumber(game, value);
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().right, 1);
    EXPECT_EQ(game.FeedbackTimer(), 2.0);

    // Keys are not taken during the verdict.
    TypeNumber(game, 5);
    Press(game, kBackspace);
    Press(game, kEnter);
    EXPECT_EQ(game.Input(), std::to_string(value));
    EXPECT_EQ(game.Tally().Answered(), 1);

    RunFrames(game, 3, 0.5);
    EXPECT_EQ(game.CurrentTerm().Text(), first);
    EXPECT_DOUBLE_EQ(game.FeedbackTimer(), 0.5);
    RunFrames(game, 1, 0.5);
    EXPECT_EQ(game.FeedbackTimer(), 0.0);
    EXPECT_EQ(game.Input(), "");
    EXPECT_DOUBLE_EQ(game.GetPlaySeconds(), 2.0);

    // A wrong value counts as wrong.
    TypeNumber(game, game.CurrentTerm().Value() + 1);
    Press(game, kEnter);
    EXPECT_EQ(game.Tally().wrong, 1);
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
}

TEST_F(RechenspielTest, TenRightIn120SecondsGrade2AndTwoWrongIn60Seconds2Point5) {
    {
        KG_Rechenspiel game(0);
        game.StartGame();
        Play(game, 0, 12.0);
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        game.ComputeGrade();
        EXPECT_DOUBLE_EQ(game.GetGrade(), 2.0);
    }
    KG_Rechenspiel game(0);
    game.StartGame();
    Play(game, 2, 6.0);
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
    game.ComputeGrade();
    EXPECT_DOUBLE_EQ(game.GetGrade(), 2.5);
    // Every language text is stored behind one blank.
    EXPECT_EQ(game.GetResultText(), " Time 1:00\n Right 8\n Wrong 2\n\n Rate 80 %\n\n Grade 2.50");
    EXPECT_EQ(game.GetTitle(), " Arithmetic");
    EXPECT_EQ(game.GetHelpText(), " Type the value.");

    // The last verdict ended the play: no more typing or time.
    const std::string lastAnswer = game.Input();
    TypeNumber(game, 4);
    RunFrames(game, 2, 1.0);
    EXPECT_EQ(game.Input(), lastAnswer);
    EXPECT_DOUBLE_EQ(game.GetPlaySeconds(), 60.0);
}

TEST_F(RechenspielTest, EndedEarlyTheWrongShareCountsDoubleAndNothingAnsweredIsSix) {
    KG_Rechenspiel game(1);
    game.StartGame();
    game.ComputeGrade();
    EXPECT_EQ(game.GetGrade(), 6.0);

    Answer(game, false);
    Answer(game, true);
    RunFrames(game, 1, 30.0);
    Answer(game, true);
    game.SetState(Knobel_Game::STATE_ABORTED);
    game.ComputeGrade();
    EXPECT_NEAR(game.GetGrade(), 1.0 / 3.0 * 10.0 + 1.0 + 0.25, 1e-9);

    // A long play is capped at 6.0.
    KG_Rechenspiel slow(0);
    slow.StartGame();
    RunFrames(slow, 1, 1000.0);
    Answer(slow, true);
    slow.SetState(Knobel_Game::STATE_ABORTED);
    slow.ComputeGrade();
    EXPECT_EQ(slow.GetGrade(), 6.0);
}

TEST_F(RechenspielTest, AnAbortDuringAVerdictFreezesThePlayAndTheRecordsCountEveryFrame) {
    {
        KG_Rechenspiel game(0);
        game.StartGame();
        RunFrames(game, 1, 3.0);
        const std::string term = game.CurrentTerm().Text();
        TypeNumber(game, game.CurrentTerm().Value());
        Press(game, kEnter);
        game.SetState(Knobel_Game::STATE_ABORTED);
        // The menu goes on updating behind the result page.
        RunFrames(game, 3, 1.0);
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_ABORTED);
        EXPECT_EQ(game.CurrentTerm().Text(), term);
        EXPECT_DOUBLE_EQ(game.GetPlaySeconds(), 3.0);
        game.ComputeGrade();
        EXPECT_NEAR(game.GetGrade(), 1.025, 1e-9);
    }
    GameRecords saved;
    saved.Read(folder.Read(KG_Rechenspiel::kSaveFile));
    EXPECT_DOUBLE_EQ(saved.totalTime, 6.0);
    EXPECT_EQ(saved.gamesPlayed, 1);
    EXPECT_EQ(saved.solvedCount, 1);
}

TEST_F(RechenspielTest, DrawsTheExpressionTheGrowingBoxAndTheTimeInArial30) {
    KG_Rechenspiel game(0);
    Draw(game);
    // Before the start: the expression and the box, no time.
    EXPECT_EQ(TextsReading(" Clock 0:00").size(), 0u);
    auto term = TextsReading(game.CurrentTerm().Text());
    ASSERT_EQ(term.size(), 1u);
    EXPECT_EQ(term[0].rect.left, 212);
    EXPECT_EQ(term[0].rect.top, 284);
    EXPECT_EQ(term[0].rect.right, 812);
    EXPECT_EQ(term[0].rect.bottom, 384);
    EXPECT_EQ(term[0].format, 0x15u);
    EXPECT_EQ(term[0].face, "Arial");
    EXPECT_EQ(term[0].height, 30);
    EXPECT_EQ(TextsReading("=").size(), 1u);

    game.StartGame();
    RunFrames(game, 1, 65.5);
    TypeNumber(game, 1234);
    Draw(game);
    auto time = TextsReading(" Clock 1:05");
    ASSERT_EQ(time.size(), 1u);
    EXPECT_EQ(time[0].height, 30);
    EXPECT_EQ(time[0].rect.left, 362);
    // Four digits stretch the box to twice its width, centred on (512, 484).
    auto box = SpritesFrom(TEX_MISC1, 100, 450);
    ASSERT_EQ(box.size(), 1u);
    EXPECT_FLOAT_EQ(box[0].transform.m11, 2.0f);
    EXPECT_FLOAT_EQ(box[0].transform.m22, 1.0f);
    EXPECT_FLOAT_EQ(box[0].transform.dx, 462.0f);
    EXPECT_FLOAT_EQ(box[0].transform.dy, 459.0f);
    EXPECT_EQ(TextsReading("1234").size(), 1u);
    EXPECT_EQ(box[0].colour, 0xFFFFFFFFu);
}

TEST_F(RechenspielTest, ARightVerdictShowsTheTickAWrongOneBlinksTheValueInRed) {
    KG_Rechenspiel game(0);
    game.StartGame();
    const int value = game.CurrentTerm().Value();
    TypeNumber(game, value);
    Press(game, kEnter);
    Draw(game);
    const float scale = std::max(1.0f, 0.5f * static_cast<float>(std::to_string(value).size()));
    auto tick = SpritesFrom(TEX_MISC1, 0, 450);
    ASSERT_EQ(tick.size(), 1u);
    EXPECT_FLOAT_EQ(tick[0].transform.dx, 512.0f + 25.0f * scale);
    EXPECT_FLOAT_EQ(tick[0].transform.dy, 459.0f);
    EXPECT_EQ(TextsReading(std::to_string(value)).size(), 1u);
    RunFrames(game, 1, 2.0);

    const int next = game.CurrentTerm().Value();
    TypeNumber(game, next + 10);
    Press(game, kEnter);
    Draw(game);
    EXPECT_TRUE(SpritesFrom(TEX_MISC1, 0, 450).empty());
    EXPECT_TRUE(TextsReading(std::to_string(next + 10)).empty());
    auto shown = TextsReading(std::to_string(next));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].colour, 0xFFFF7F7Fu);
    // 1.45 s left: the blink is off; 1.3 s left: on again.
    RunFrames(game, 1, 0.55);
    Draw(game);
    EXPECT_TRUE(TextsReading(std::to_string(next)).empty());
    RunFrames(game, 1, 0.15);
    Draw(game);
    EXPECT_EQ(TextsReading(std::to_string(next)).size(), 1u);
}

}  // namespace
