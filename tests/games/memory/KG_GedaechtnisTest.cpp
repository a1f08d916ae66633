#include "games/memory/KG_Gedaechtnis.h"

#include <gtest/gtest.h>

#include <vector>

#include "app/Random.h"
#include "support/GameFixture.h"

namespace {

const char* const kTexts =
    "ANZ_TEXTE: 80 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 36 Longest %d|<TEXT_START> 38 All repeated|"
    "<TEXT_START> 50 Grade %.2f|<TEXT_START> 51 Watch %d/%d|<TEXT_START> 52 Turn %d/%d|<TEXT_START> 63 Time: %d:%02d|";

constexpr double kFrame = 0.05;

class GedaechtnisTest : public GameFixture {
public:
    GedaechtnisTest() : GameFixture(kTexts) {}
    // Runs frames until the sequence has been shown and the player's turn begins.
    void WatchSequence(KG_Gedächtnis& game) {
        for (int i = 0; i < 1000 && game.IsShowing(); ++i) RunFrames(game, 1, kFrame, kFrame);
        ASSERT_FALSE(game.IsShowing());
    }
    static void Click(KG_Gedächtnis& game, int symbol) {
        const Vec2 c = game.Symbol(symbol).Centre();
        game.OnLeftButtonDown(static_cast<int>(c.x), static_cast<int>(c.y));
    }
    // Watches the sequence, then clicks it back.
    void RepeatSequence(KG_Gedächtnis& game) {
        WatchSequence(game);
        const std::vector<int> sequence = game.Sequence();
        for (const int symbol : sequence) Click(game, symbol);
    }
    // Starts the play, repeats the given number of sequences and watches the
    // next one, so that the player's turn begins.
    void StartAtTurn(KG_Gedächtnis& game, int repeatedSequences) {
        game.StartGame();
        for (int i = 0; i < repeatedSequences; ++i) RepeatSequence(game);
        WatchSequence(game);
    }
    // A symbol other than the one expected next.
    static int WrongSymbol(const KG_Gedächtnis& game) {
        const int expected = game.Sequence()[static_cast<size_t>(game.Position())];
        return (expected + 1) % game.SymbolCount();
    }
};

TEST_F(GedaechtnisTest, EachRepeatedSequenceComesBackOneLongerUntilEverySymbolIsInIt) {
    SeedRandom(7);
    KG_Gedächtnis game(0);
    game.StartGame();
    // Clicks while the sequence is shown count for nothing.
    Click(game, WrongSymbol(game));
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
    for (size_t length = 4; length < 20; ++length) {
        const std::vector<int> before = game.Sequence();
        ASSERT_EQ(before.size(), length);
        RepeatSequence(game);
        ASSERT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
        EXPECT_TRUE(game.IsShowing());
        EXPECT_EQ(game.Position(), 0);
        ASSERT_EQ(game.Sequence().size(), length + 1);
        EXPECT_TRUE(std::equal(before.begin(), before.end(), game.Sequence().begin()));
    }
    RepeatSequence(game);
    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
    EXPECT_NE(game.GetResultText().find(" All repeated"), std::string::npos);
}

// A wrong click loses at once, also after right ones.
TEST_F(GedaechtnisTest, AWrongClickLosesAndTheGradeWeighsTheLengthReachedAndTheTime) {
    // Level 0 (20 symbols): (1 - length / 20) * 5 + 1 + seconds / (length + 40).
    const struct { int repeatedSequences, endState; double seconds, grade; const char* longest; } cases[] = {
        {0, Knobel_Game::STATE_FAILED, 22.0, 5.5, " Longest 0"},    // length 4
        {6, Knobel_Game::STATE_FAILED, 50.0, 4.5, " Longest 9"},    // length 10
        {6, Knobel_Game::STATE_ABORTED, 50.0, 4.5, " Longest 9"}};  // length 10
    for (const auto& c : cases) {
        SeedRandom(5);
        KG_Gedächtnis game(0);
        StartAtTurn(game, c.repeatedSequences);
        const double before = game.GetPlaySeconds();
        RunFrames(game, 1, c.seconds - before, 0.0);
        EXPECT_NEAR(game.GetPlaySeconds(), c.seconds, 1e-9);
        Click(game, game.Sequence()[0]);
        c.endState == Knobel_Game::STATE_FAILED ? Click(game, WrongSymbol(game)) : game.SetState(c.endState);
        EXPECT_EQ(game.GetState(), c.endState);
        EXPECT_NE(game.GetResultText().find(c.longest), std::string::npos) << game.GetResultText();
        game.ComputeGrade();
        EXPECT_NEAR(game.GetGrade(), c.grade, 1e-9) << c.repeatedSequences << " state " << c.endState;
    }
}

}  // namespace
