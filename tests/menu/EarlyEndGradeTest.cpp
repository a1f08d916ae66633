// Breaking off a game of tasks never pays: a play ended early grades no
// better than the same play finished at once with every task still open
// answered wrong. Checked over every game of a fixed number of tasks at every
// level, for a play of one right answer and for one of half the tasks right,
// each answer given as the player gives it.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "TaskGameRows.h"
#include "app/AppState.h"
#include "app/Random.h"
#include "support/ScreenDriver.h"

namespace {

constexpr double kFrame = 0.05;
constexpr double kThinkSeconds = 4.0;

class EarlyEndGradeTest : public ::testing::TestWithParam<GameRow> {
protected:
    void SetUp() override {
        driver = std::make_unique<ScreenDriver>(ScreenDriver::Mode::Recording);
        ASSERT_TRUE(driver->Ready()) << driver->Problem();
    }

    std::unique_ptr<Knobel_Game> Create(int level) {
        SeedRandom(4242u + static_cast<unsigned>(level));
        auto game = GetParam().create(level);
        game->StartGame();
        return game;
    }

    void Frames(Knobel_Game& game, double seconds) {
        AppState& app = driver->App();
        app.frameTime = kFrame;
        app.rawFrameTime = kFrame;
        for (double t = 0.0; t < seconds - 1e-9; t += kFrame) game.Update();
    }

    // Answers one task after thinking for the given seconds, and waits out
    // the verdict, which costs no play time.
    void AnswerTask(Knobel_Game& game, bool right, double thinkSeconds) {
        Frames(game, thinkSeconds);
        GetParam().answer(game, right);
        while (GetParam().busy(game) && game.GetState() == Knobel_Game::STATE_RUNNING) Frames(game, kFrame);
    }

    std::unique_ptr<ScreenDriver> driver;
};

TEST_P(EarlyEndGradeTest, EndingEarlyNeverGradesBetterThanFinishingWithTheRestWrong) {
    for (int level = 0; level < 3; ++level) {
        // The level's number of tasks: answered wrong until the play ends.
        int tasks = 0;
        for (auto game = Create(level); game->GetState() == Knobel_Game::STATE_RUNNING; ++tasks) {
            AnswerTask(*game, false, 0.0);
        }
        ASSERT_GT(tasks, 1);
        for (const int answered : {1, tasks / 2}) {
            SCOPED_TRACE("level " + std::to_string(level) + ", " + std::to_string(answered) + " right of " +
                         std::to_string(tasks));
            auto ended = Create(level);
            auto finished = Create(level);
            for (int task = 0; task < answered; ++task) {
                AnswerTask(*ended, true, kThinkSeconds);
                AnswerTask(*finished, true, kThinkSeconds);
            }
            ended->SetState(Knobel_Game::STATE_ABORTED);
            ended->ComputeGrade();
            while (finished->GetState() == Knobel_Game::STATE_RUNNING) AnswerTask(*finished, false, 0.0);
            ASSERT_EQ(finished->GetState(), Knobel_Game::STATE_FINISHED);
            finished->ComputeGrade();
            EXPECT_NEAR(finished->GetPlaySeconds(), ended->GetPlaySeconds(), kFrame);
            EXPECT_GE(ended->GetGrade(), finished->GetGrade() - 0.01);
            EXPECT_GT(ended->GetGrade(), Knobel_Game::kSolvedGrade);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGameOfTasks, EarlyEndGradeTest, ::testing::ValuesIn(TaskGameRows()), RowName);

}  // namespace
