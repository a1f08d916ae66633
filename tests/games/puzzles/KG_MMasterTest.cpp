#include "games/puzzles/KG_MMaster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "PuzzleGameFixture.h"
#include "app/Random.h"
#include "games/puzzles/CodeScore.h"

namespace {

using Colours = std::vector<int>;

struct Count { int blacks; int whites; bool operator==(const Count&) const = default; };

class MMasterTest : public PuzzleGameFixture {
protected:
    // The game goes before the application state it records into.
    void TearDown() override { game.reset(); PuzzleGameFixture::TearDown(); }
    // Lets every peg arrive; a peg new on the palette needs a second frame.
    void Settle() { Frames(*game, 2); }
    void Start(int level, uint32_t seed) {
        SeedRandom(seed);
        game = std::make_unique<KG_MMaster>(level);
        game->StartGame();
        Settle();
    }
    Colours Code() const {
        Colours code;
        for (int k = 0; k < game->CodeLength(); ++k) code.push_back(game->CodeColour(k));
        return code;
    }
    const Peg* PalettePeg(int colour) const {
        const auto& palette = game->Palette();
        const auto peg = std::find_if(palette.begin(), palette.end(), [&](auto& p) { return p->Colour() == colour; });
        return peg != palette.end() ? peg->get() : nullptr;
    }
    void Press(float x, float y) { game->OnLeftButtonDown(static_cast<int>(x), static_cast<int>(y)); }
    void Release(float x, float y) { game->OnLeftButtonUp(static_cast<int>(x), static_cast<int>(y)); }
    // Picks up a palette peg of the colour and drops it at (x, y).
    void Carry(int colour, float x, float y) {
        const Peg* peg = PalettePeg(colour);
        ASSERT_NE(peg, nullptr) << "colour " << colour;
        Press(peg->X(), peg->Y());
        game->OnMouseMove(static_cast<int>(x), static_cast<int>(y));
        Release(x, y);
        Settle();
    }
    void Fill(const Colours& colours) {
        const int row = game->CurrentRow();
        for (size_t k = 0; k < colours.size(); ++k) {
            Carry(colours[k], game->Hole(row, static_cast<int>(k)).X(), game->Hole(row, static_cast<int>(k)).Y());
        }
    }
    void ClickScore(int row) {
        Press(game->Score(row).X(), game->Score(row).Y());
        Release(game->Score(row).X(), game->Score(row).Y());
    }
    std::unique_ptr<KG_MMaster> game;
};

TEST_F(MMasterTest, ScoringGivesOneMarkPerGuessPegBlackOnlyInPlace) {
    const struct { Colours code; Colours guess; Count expected; } cases[] = {
        {{0, 1, 2, 2}, {0, 0, 1, 1}, {1, 1}},  // red red blue blue against red blue green green
        {{0, 1, 2, 3}, {3, 2, 1, 0}, {0, 4}},  {{0, 0, 0, 0}, {0, 1, 0, 2}, {2, 0}},
        {{1, 2, 1, 2}, {2, 1, 2, 1}, {0, 4}},  {{5, 5, 4, 3}, {4, 5, 5, 5}, {1, 2}},
        {{0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {5, 0}}, {{2, 2, 3, 3, 2}, {3, 2, 2, 5, 3}, {1, 3}},
        {{0, 1, 2, 3, 4}, {5, 5, 5, 5, 5}, {0, 0}},
    };
    for (const auto& c : cases) {
        Count got{0, 0};
        std::vector<bool> judged(c.code.size(), false);
        for (const ScoreMark& mark : ScoreGuess(c.code, c.guess)) {
            (mark.black ? got.blacks : got.whites)++;
            const size_t k = static_cast<size_t>(mark.position);
            EXPECT_FALSE(judged[k]) << "one mark per guess peg";
            judged[k] = true;
            EXPECT_EQ(mark.black, c.code[k] == c.guess[k]);
        }
        EXPECT_EQ(got, c.expected);
    }
}

TEST_F(MMasterTest, AnAllBlackRowWinsAndTheLastRowLoses) {
    // wrongGuesses: before the code, 8 never finds it; seconds: played when the play ends
    const struct { int level, wrongGuesses, blacksInWrongGuess; double seconds; int state; double grade; } cases[] = {
        {0, 0, 0, 30.0, Knobel_Game::STATE_FINISHED, 1.25}, {1, 3, 2, 60.0, Knobel_Game::STATE_FINISHED, 2.1},
        {2, 7, 4, 120.0, Knobel_Game::STATE_FINISHED, 5.0}, {1, 8, 1, 60.0, Knobel_Game::STATE_FAILED, 5.75},
        // 2 / 5 x 5 + 1 + 0.5 alone, but a win with the last guess would grade 4.25.
        {2, 8, 3, 30.0, Knobel_Game::STATE_FAILED, 4.25},   {0, 8, 2, 240.0, Knobel_Game::STATE_FAILED, 6.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + ", wrong guesses " + std::to_string(c.wrongGuesses));
        Start(c.level, 7 + static_cast<uint32_t>(c.wrongGuesses));
        const Colours code = Code();
        ASSERT_EQ(code.size(), c.level == 2 ? 5u : 4u);
        // A colour the code lacks, then the last places of the code: only blacks.
        Colours wrong = code;
        int missing = 0;
        while (std::count(code.begin(), code.end(), missing) > 0) ++missing;
        std::fill(wrong.begin(), wrong.end() - c.blacksInWrongGuess, missing);
        ClickScore(0);  // the score box takes no click while a hole is empty
        EXPECT_EQ(game->CurrentRow(), 0);
        const int guesses = std::min(c.wrongGuesses + 1, game->RowCount());
        for (int g = 0; g < guesses; ++g) {
            const int row = game->CurrentRow();
            Fill(g < c.wrongGuesses ? wrong : code);
            if (g == guesses - 1) {
                // The code shows for two seconds; the frame that ends the play adds no time.
                const double atScore = c.seconds - KG_MMaster::kEndSeconds + kFrame;
                Frames(*game, static_cast<int>((atScore - game->GetPlaySeconds()) / kFrame));
                ASSERT_DOUBLE_EQ(game->GetPlaySeconds(), atScore);
            }
            ClickScore(row);
            EXPECT_EQ(game->EndTimer() > 0.0, g == guesses - 1);
            const Count scored{game->Score(row).Blacks(), game->Score(row).Whites()};
            const Count expected = g < c.wrongGuesses ? Count{c.blacksInWrongGuess, 0} : Count{game->CodeLength(), 0};
            EXPECT_EQ(scored, expected);
        }
        EXPECT_EQ(game->IsSolved(), c.state == Knobel_Game::STATE_FINISHED);
        // While the code shows, no peg is taken.
        Carry(0, game->Hole(0, 0).X(), game->Hole(0, 0).Y());
        EXPECT_EQ(game->PegInHand(), nullptr);
        Frames(*game, static_cast<int>(KG_MMaster::kEndSeconds / kFrame) - 3);
        EXPECT_EQ(game->GetState(), Knobel_Game::STATE_RUNNING);
        Frames(*game, 1);
        EXPECT_EQ(game->GetState(), c.state);
        game->ComputeGrade();
        EXPECT_DOUBLE_EQ(game->GetGrade(), c.grade);
    }
}

TEST_F(MMasterTest, ACodeNotFoundNeverGradesBetterThanOneFoundWithTheLastGuess) {
    for (int level = 0; level < 3; ++level) {
        for (const double seconds : {20.0, 60.0, 150.0, 300.0}) {
            SCOPED_TRACE("level " + std::to_string(level) + ", " + std::to_string(seconds) + " s");
            double grades[2] = {};  // found with the last guess, missed by one peg
            for (const bool found : {true, false}) {
                Start(level, 21);
                Colours nearly = Code();
                nearly[0] = (nearly[0] + 1) % Peg::kCodeColours;
                for (int guess = 0; guess < game->RowCount(); ++guess) {
                    const bool last = guess == game->RowCount() - 1;
                    Fill(last && found ? Code() : nearly);
                    if (last) Frames(*game, static_cast<int>((seconds - game->GetPlaySeconds()) / kFrame));
                    ClickScore(guess);
                }
                Frames(*game, static_cast<int>(KG_MMaster::kEndSeconds / kFrame) + 1);
                EXPECT_EQ(game->GetState(), found ? Knobel_Game::STATE_FINISHED : Knobel_Game::STATE_FAILED);
                game->ComputeGrade();
                grades[found ? 0 : 1] = game->GetGrade();
            }
            EXPECT_GE(grades[1], grades[0]);
        }
    }
    // Ended while the code found is shown, the play grades as won.
    Start(1, 4);
    Fill(Code());
    Frames(*game, 8);
    ClickScore(0);
    Frames(*game, 4);
    game->SetState(Knobel_Game::STATE_ABORTED);
    game->ComputeGrade();
    EXPECT_DOUBLE_EQ(game->GetGrade(), 1.0 + game->GetPlaySeconds() / 120.0);
}

TEST_F(MMasterTest, PegsAreNeverLost) {
    Start(1, 5);
    ASSERT_EQ(game->Palette().size(), 6u);
    const Peg* red = PalettePeg(0);
    Press(red->X(), red->Y());
    ASSERT_EQ(game->PegInHand(), red);
    // Dropped into a hole of the current row it glides there and stays; the
    // palette gets a new red peg.
    const PegHole& first = game->Hole(0, 0);
    Release(first.X(), first.Y());
    Settle();
    EXPECT_EQ(red->X(), first.X());
    EXPECT_EQ(first.Colour(), 0);
    EXPECT_NE(PalettePeg(0), nullptr);
    // Dropped on a full hole, on another row or outside the board, a peg joins the palette.
    for (const PegHole* miss : {&first, &game->Hole(1, 1)}) Carry(2, miss->X(), miss->Y());
    Carry(2, 20.0f, 300.0f);
    EXPECT_EQ(game->Palette().size(), 6u);
    EXPECT_EQ(first.Colour(), 0);
    // A peg taken out of its hole and dropped outside goes back to the heap:
    // the palette keeps one peg of each colour.
    Press(first.X(), first.Y());
    Release(20.0f, 300.0f);
    Settle();
    EXPECT_FALSE(first.IsFull());
    EXPECT_EQ(game->Palette().size(), 6u);
    for (int colour = 0; colour < Peg::kCodeColours; ++colour) EXPECT_NE(PalettePeg(colour), nullptr);
    // A press while a peg is held (its release went elsewhere) returns it first.
    Press(PalettePeg(1)->X(), PalettePeg(1)->Y());
    const Peg* green = PalettePeg(2);
    Press(green->X(), green->Y());
    EXPECT_EQ(game->PegInHand(), green);
    EXPECT_EQ(game->Palette().size(), 5u);
    // A release in the pause ends the carrying: the peg goes back to the palette.
    game->SetState(Knobel_Game::STATE_PAUSED);
    Release(first.X(), first.Y());
    EXPECT_EQ(game->PegInHand(), nullptr);
    EXPECT_FALSE(first.IsFull());
    EXPECT_EQ(game->Palette().size(), 6u);
}

}  // namespace
