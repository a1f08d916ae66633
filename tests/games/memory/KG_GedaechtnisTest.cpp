#include "games/memory/KG_Gedaechtnis.h"

#include <gtest/gtest.h>

#include <string>
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
TEST_F(GedaechtnisTest, AWrongClickLosesAndTheGradeWeighsTheLengthRepeatedAndThePace) {
    // Level 0 (20 symbols): (1 - repeated / 20) * 5 + 1 + seconds per right click / 2.
    const struct { int repeatedSequences, endState; double seconds, grade; const char* longest; } cases[] = {
        {0, Knobel_Game::STATE_FAILED, 22.0, 6.0, " Longest 0"},
        // 4 + 5 + ... + 9 right clicks and one more of the sequence of 10.
        {6, Knobel_Game::STATE_FAILED, 50.0, 2.75 + 1.0 + 50.0 / 40.0 / 2.0, " Longest 9"},
        {6, Knobel_Game::STATE_ABORTED, 50.0, 2.75 + 1.0 + 50.0 / 40.0 / 2.0, " Longest 9"}};
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

// At any steady pace, repeating one more sequence never grades worse, and
// winning grades best; a quick flawless win on the easy level is solved.
TEST_F(GedaechtnisTest, AtTheSamePaceALongerSequenceNeverGradesWorse) {
    for (int level = 0; level < 3; ++level) {
        for (const double pace : {0.3, 0.6, 1.0, 1.5}) {
            SCOPED_TRACE("level " + std::to_string(level) + ", seconds per click " + std::to_string(pace));
            // Plays that fail at the first click of the sequence of each length,
            // then one that wins.
            const int symbols = KG_Gedächtnis(level).SymbolCount();
            double previous = Knobel_Game::kWorstGrade;
            for (const int failAt : {4, 5, symbols / 2, symbols / 2 + 1, symbols, symbols + 1}) {
                SeedRandom(11);
                KG_Gedächtnis game(level);
                game.StartGame();
                while (game.GetState() == Knobel_Game::STATE_RUNNING) {
                    WatchSequence(game);
                    if (static_cast<int>(game.Sequence().size()) == failAt) {
                        Click(game, WrongSymbol(game));
                        break;
                    }
                    for (const int symbol : std::vector<int>(game.Sequence())) {
                        RunFrames(game, 1, pace, 0.0);
                        Click(game, symbol);
                    }
                }
                game.ComputeGrade();
                if (failAt == 4) {
                    EXPECT_EQ(game.GetGrade(), Knobel_Game::kWorstGrade);
                }
                EXPECT_LE(game.GetGrade(), previous) << "failing at " << failAt;
                previous = game.GetGrade();
                if (failAt > symbols) {
                    EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
                    if (pace <= 0.6) {
                        EXPECT_LE(game.GetGrade(), Knobel_Game::kSolvedGrade);
                    }
                }
            }
        }
    }
}

}  // namespace
