// After each answer every game of tasks says at once whether it was right:
// a tick beside a right answer and no cross; a cross beside a wrong one (and
// at most a tick for the right answer shown with it), in every frame the
// verdict shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "TaskGameRows.h"
#include "app/AppState.h"
#include "app/Random.h"
#include "support/RecordingRenderer.h"
#include "support/ScreenDriver.h"

namespace {

constexpr double kFrame = 0.05;

class VerdictMarksTest : public ::testing::TestWithParam<GameRow> {
protected:
    void SetUp() override {
        driver = std::make_unique<ScreenDriver>(ScreenDriver::Mode::Recording);
        ASSERT_TRUE(driver->Ready()) << driver->Problem();
    }

    // The marks the game draws in one frame.
    std::vector<std::string> Marks(Knobel_Game& game) {
        RecordingRenderer& renderer = *driver->Recorder();
        renderer.sprites.clear();
        game.Render();
        std::vector<std::string> marks;
        for (const auto& sprite : renderer.sprites) {
            if (sprite.name == "tick" || sprite.name == "cross") marks.push_back(sprite.name);
        }
        return marks;
    }

    std::unique_ptr<ScreenDriver> driver;
};

TEST_P(VerdictMarksTest, ATickFollowsARightAnswerAndACrossAWrongOne) {
    const GameRow& row = GetParam();
    SeedRandom(777u);
    auto game = row.create(1);
    game->StartGame();
    AppState& app = driver->App();
    app.frameTime = kFrame;
    app.rawFrameTime = kFrame;
    EXPECT_TRUE(Marks(*game).empty());
    for (const bool right : {false, true, false}) {
        SCOPED_TRACE(right ? "right" : "wrong");
        row.answer(*game, right);
        int frames = 0;
        for (; row.busy(*game) && game->GetState() == Knobel_Game::STATE_RUNNING; ++frames) {
            const std::vector<std::string> marks = Marks(*game);
            const auto count = [&](const char* mark) { return std::count(marks.begin(), marks.end(), mark); };
            if (right) {
                EXPECT_EQ(marks, std::vector<std::string>{"tick"}) << "frame " << frames;
            } else {
                EXPECT_EQ(count("cross"), 1) << "frame " << frames;
                EXPECT_LE(count("tick"), 1) << "frame " << frames;
            }
            game->Update();
        }
        EXPECT_GT(frames, 0);
        EXPECT_TRUE(Marks(*game).empty());
    }
}

std::vector<GameRow> MarkingRows() {
    std::vector<GameRow> rows;
    std::copy_if(TaskGameRows().begin(), TaskGameRows().end(), std::back_inserter(rows),
                 [](const GameRow& row) { return row.marksVerdict; });
    return rows;
}

INSTANTIATE_TEST_SUITE_P(EveryGameOfTasks, VerdictMarksTest, ::testing::ValuesIn(MarkingRows()), RowName);

}  // namespace
