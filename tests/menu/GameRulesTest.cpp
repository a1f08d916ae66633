// The rules every game keeps, checked once over the whole game table at every
// level: input has no effect before the start, while paused or after the end;
// a play with nothing done grades 6.0; any play grades within 1.0 to 6.0 and
// ends in a state the base defines; destroying the game writes its save file.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "app/AppState.h"
#include "app/Random.h"
#include "games/base/Knobel_Game.h"
#include "menu/GameTable.h"
#include "support/InputBurst.h"
#include "support/RecordingRenderer.h"
#include "support/ScreenDriver.h"

namespace {

constexpr double kFrame = 1.0 / 60.0;
// Where the pointer rests before and after a burst of input, so that a hover
// effect cannot tell the two draw lists apart.
constexpr int kRestX = 2;
constexpr int kRestY = 2;

void Burst(Knobel_Game& game) { InputBurst(game, kRestX, kRestY); }

// One Render of the game as text: every sprite and every text it draws.
std::string DrawList(RecordingRenderer& recorder, Knobel_Game& game) {
    recorder.sprites.clear();
    recorder.texts.clear();
    game.Render();
    std::ostringstream out;
    for (const auto& s : recorder.sprites) {
        const auto& t = s.transform;
        out << "sprite " << s.texture << ' ' << s.region.left << ',' << s.region.top << ',' << s.region.right << ','
            << s.region.bottom << ' ' << t.m11 << ',' << t.m12 << ',' << t.m21 << ',' << t.m22 << ',' << t.dx
            << ',' << t.dy << ' ' << std::hex << s.colour << std::dec << '\n';
    }
    for (const auto& t : recorder.texts) {
        out << "text '" << t.text << "' " << t.rect.left << ',' << t.rect.top << ',' << t.rect.right << ','
            << t.rect.bottom << ' ' << std::hex << t.colour << ' ' << t.format << std::dec << ' ' << t.face << ' '
            << t.height << '\n';
    }
    return out.str();
}

std::set<std::string> SaveFiles(const std::string& folder) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().extension() == ".sav" && entry.file_size() > 0) {
            names.insert(entry.path().filename().string());
        }
    }
    return names;
}

class GameRulesTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        driver = std::make_unique<ScreenDriver>(ScreenDriver::Mode::Recording);
        ASSERT_TRUE(driver->Ready()) << driver->Problem();
        recorder = driver->Recorder();
    }

    std::unique_ptr<Knobel_Game> Create(int level) {
        SeedRandom(1234u + static_cast<unsigned>(level));
        auto game = CreateGameAt(GetParam(), level);
        if (game) {
            game->OnMouseMove(kRestX, kRestY);
        }
        return game;
    }

    void RunFrames(Knobel_Game& game, double seconds) {
        AppState& app = driver->App();
        app.frameTime = kFrame;
        app.rawFrameTime = kFrame;
        for (double t = 0.0; t < seconds; t += kFrame) {
            game.Update();
        }
    }

    void InputHasNoEffectBeforeTheStartWhilePausedOrAfterTheEnd();
    void APlayWithNothingDoneGradesSix();
    void AnyPlayGradesWithinTheScaleAndWritesTheSaveFile();

    std::unique_ptr<ScreenDriver> driver;
    RecordingRenderer* recorder = nullptr;
};

void GameRulesTest::InputHasNoEffectBeforeTheStartWhilePausedOrAfterTheEnd() {
    for (int level = 0; level < 3; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        auto game = Create(level);
        ASSERT_NE(game, nullptr);

        // Input in the countdown: what it draws then, and, for a game that
        // sets up the same play from the same seed, what the play draws once
        // it runs, against a twin that had no input.
        auto twin = Create(level);
        const std::string beforeStart = DrawList(*recorder, *game);
        Burst(*game);
        EXPECT_EQ(beforeStart, DrawList(*recorder, *game)) << "input in the countdown";
        EXPECT_EQ(game->GetState(), Knobel_Game::STATE_RUNNING);
        auto untouched = Create(level);
        for (Knobel_Game* started : {game.get(), twin.get(), untouched.get()}) {
            started->StartGame();
            RunFrames(*started, 0.5);
        }
        if (DrawList(*recorder, *twin) == DrawList(*recorder, *untouched)) {
            EXPECT_EQ(DrawList(*recorder, *untouched), DrawList(*recorder, *game)) << "input in the countdown";
        }

        // Input in the pause: drawn paused, and once running again.
        const std::string running = DrawList(*recorder, *game);
        game->SetState(Knobel_Game::STATE_PAUSED);
        const std::string paused = DrawList(*recorder, *game);
        Burst(*game);
        EXPECT_EQ(paused, DrawList(*recorder, *game)) << "input in the pause";
        EXPECT_EQ(game->GetState(), Knobel_Game::STATE_PAUSED);
        game->SetState(Knobel_Game::STATE_RUNNING);
        EXPECT_EQ(running, DrawList(*recorder, *game)) << "input in the pause";

        // Input after the end: drawn, graded and told alike.
        for (const int end : {Knobel_Game::STATE_FINISHED, Knobel_Game::STATE_FAILED, Knobel_Game::STATE_ABORTED}) {
            auto ended = Create(level);
            ended->StartGame();
            RunFrames(*ended, 0.5);
            ended->SetState(end);
            const std::string atEnd = DrawList(*recorder, *ended);
            ended->ComputeGrade();
            const double grade = ended->GetGrade();
            const std::string result = ended->GetResultText();
            Burst(*ended);
            EXPECT_EQ(atEnd, DrawList(*recorder, *ended)) << "input after end state " << end;
            ended->ComputeGrade();
            EXPECT_EQ(grade, ended->GetGrade()) << "input after end state " << end;
            EXPECT_EQ(result, ended->GetResultText()) << "input after end state " << end;
            ended->SetState(Knobel_Game::STATE_RUNNING);
            RunFrames(*ended, 1.0);
            EXPECT_EQ(ended->GetState(), end) << "an end state must stay";
        }
    }
}

void GameRulesTest::APlayWithNothingDoneGradesSix() {
    for (int level = 0; level < 3; ++level) {
        auto game = Create(level);
        game->StartGame();
        RunFrames(*game, 3.0);
        game->SetState(Knobel_Game::STATE_ABORTED);
        game->ComputeGrade();
        EXPECT_EQ(game->GetGrade(), Knobel_Game::kWorstGrade) << "level " << level;
    }
}

void GameRulesTest::AnyPlayGradesWithinTheScaleAndWritesTheSaveFile() {
    const std::string folder = driver->Folder().Path();
    for (int level = 0; level < 3; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        for (const auto& name : SaveFiles(folder)) {
            std::filesystem::remove(std::filesystem::path(folder) / name);
        }
        auto game = Create(level);
        game->StartGame();
        // Long enough for the plays that run a fixed time (the reaction games) to finish.
        for (int round = 0; round < 80 && game->GetState() == Knobel_Game::STATE_RUNNING; ++round) {
            Burst(*game);
            RunFrames(*game, 1.0);
            const int state = game->GetState();
            EXPECT_TRUE(state == Knobel_Game::STATE_RUNNING || state == Knobel_Game::STATE_FINISHED ||
                        state == Knobel_Game::STATE_FAILED)
                << "state " << state;
        }
        game->ComputeGrade();
        EXPECT_TRUE(std::isfinite(game->GetGrade()));
        EXPECT_GE(game->GetGrade(), 1.0);
        EXPECT_LE(game->GetGrade(), Knobel_Game::kWorstGrade);
        EXPECT_FALSE(game->GetResultText().empty());

        game.reset();
        std::set<std::string> written = SaveFiles(folder);
        written.erase("stats.sav");
        EXPECT_EQ(written.size(), 1u) << "one save file of the game";
    }
}

// One test per game: the rules share the game's start-up.
TEST_P(GameRulesTest, KeepsTheRulesEveryGameShares) {
    {
        SCOPED_TRACE("input before the start, in the pause and after the end");
        InputHasNoEffectBeforeTheStartWhilePausedOrAfterTheEnd();
    }
    {
        SCOPED_TRACE("a play with nothing done");
        APlayWithNothingDoneGradesSix();
    }
    {
        SCOPED_TRACE("a random play");
        AnyPlayGradesWithinTheScaleAndWritesTheSaveFile();
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGame, GameRulesTest, ::testing::Range(0, kGameCount));

}  // namespace
