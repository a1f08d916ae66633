#include "games/memory/KG_Quadrat_merken.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/Random.h"
#include "platform/KeyMap.h"
#include "support/GameFixture.h"

namespace {

const char* const kTexts =
    "ANZ_TEXTE: 80 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 25 Right %d of %d|<TEXT_START> 26 Perfect %d of %d|"
    "<TEXT_START> 50 Grade %.2f|<TEXT_START> 51 Watch %d/%d|<TEXT_START> 52 Turn %d/%d|<TEXT_START> 63 Time: %d:%02d|";

constexpr double kFrame = 0.05;

class QuadratMerkenTest : public GameFixture {
public:
    QuadratMerkenTest() : GameFixture(kTexts) {}
    void WatchPatterns(KG_Quadrat_merken& game) {
        for (int i = 0; i < 1000 && game.IsShowing(); ++i) RunFrames(game, 1, kFrame, kFrame);
        ASSERT_FALSE(game.IsShowing());
    }
    // Clicks the lit squares of a pattern into the answer grid being filled, then Enter.
    static void Rebuild(KG_Quadrat_merken& game, const SquareGrid& pattern) {
        const SquareGrid& answer = game.Answer(game.Position());
        for (int i = 0; i < pattern.Count(); ++i) {
            if (pattern.Square(i).IsLit() != answer.Square(i).IsLit()) {
                const Vec2 p = answer.Square(i).Position();
                game.OnLeftButtonDown(static_cast<int>(p.x) + 2, static_cast<int>(p.y) + 2);
            }
        }
        game.OnKeyUp(platform::vk::Return);
    }
    static void Skip(KG_Quadrat_merken& game) { game.OnKeyUp(platform::vk::Return); }
};

TEST_F(QuadratMerkenTest, EachPatternIsShownForItsTimeWhileInputIsIgnored) {
    KG_Quadrat_merken game(0);
    game.StartGame();
    RunFrames(game, 1, 1.99, 1.99);
    EXPECT_EQ(game.Position(), 0);
    game.OnKeyUp(platform::vk::Return);
    const Vec2 p = game.Answer(0).Square(0).Position();
    game.OnLeftButtonDown(static_cast<int>(p.x) + 2, static_cast<int>(p.y) + 2);
    EXPECT_EQ(game.Position(), 0);
    EXPECT_EQ(game.Answer(0).LitCount(), 0);
    RunFrames(game, 1, 0.02, 0.02);
    EXPECT_EQ(game.Position(), 1) << "the first pattern stays 2 seconds, the others 3";
    RunFrames(game, 1, 2.98, 2.98);
    EXPECT_EQ(game.Position(), 1);
    RunFrames(game, 1, 0.03, 0.03);
    EXPECT_EQ(game.Position(), 2);
    EXPECT_EQ(game.GetPlaySeconds(), 0.0) << "the clock waits for the answers";
}

TEST_F(QuadratMerkenTest, AnyAnswerGridMayHoldAnyShownPattern) {
    // rebuilt: the pattern rebuilt in each answer grid, -1 for none
    const struct { std::vector<int> rebuilt; int correct; } cases[] = {
        {{0, 1, 2, 3, 4}, 5}, {{4, 3, 2, 1, 0}, 5}, {{2, 2, 2, -1, -1}, 1}, {{-1, -1, 4, -1, 0}, 2}};
    for (const auto& c : cases) {
        SeedRandom(21);
        KG_Quadrat_merken game(0);
        // This seed gives five different patterns, none of them empty.
        for (int i = 0; i < game.PatternCount(); ++i) {
            ASSERT_GT(game.Pattern(i).LitCount(), 0);
            for (int j = 0; j < i; ++j) ASSERT_FALSE(game.Pattern(i).Equals(game.Pattern(j)));
        }
        game.StartGame();
        WatchPatterns(game);
        for (const int pattern : c.rebuilt) pattern < 0 ? Skip(game) : Rebuild(game, game.Pattern(pattern));
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        EXPECT_EQ(game.CorrectCount(), c.correct);
        const std::string line = (c.correct == 5 ? " Perfect " : " Right ") + std::to_string(c.correct) + " of 5";
        EXPECT_NE(game.GetResultText().find(line), std::string::npos) << game.GetResultText();
    }
}

TEST_F(QuadratMerkenTest, TheGradeCountsMissedPatternsAndWeighsTimeDoubleWhenEndedEarly) {
    // (5 - correct) / 5 * 5 + 1 + seconds / 120, or / 60 after an early end.
    const struct { int rebuiltBeforeEnd; bool aborted; double seconds, grade; } cases[] = {
        {5, false, 60.0, 1.5}, {3, false, 120.0, 4.0}, {3, true, 60.0, 4.0}};
    for (const auto& c : cases) {
        SeedRandom(21);
        KG_Quadrat_merken game(0);
        game.StartGame();
        WatchPatterns(game);
        RunFrames(game, 1, c.seconds - game.GetPlaySeconds(), 0.0);
        for (int i = 0; i < c.rebuiltBeforeEnd; ++i) Rebuild(game, game.Pattern(i));
        if (c.aborted) game.SetState(Knobel_Game::STATE_ABORTED);
        while (game.GetState() == Knobel_Game::STATE_RUNNING) Skip(game);
        game.ComputeGrade();
        EXPECT_NEAR(game.GetGrade(), c.grade, 1e-9);
        EXPECT_EQ(game.GetState(), c.aborted ? Knobel_Game::STATE_ABORTED : Knobel_Game::STATE_FINISHED);
    }
}

}  // namespace
