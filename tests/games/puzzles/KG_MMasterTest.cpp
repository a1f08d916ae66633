#include "games/puzzles/KG_MMaster.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "PuzzleGameFixture.h"
#include "app/Random.h"
#include "games/puzzles/CodeScore.h"

namespace {

struct Count {
    int blacks;
    int whites;
};

// Black and white counted without pools: equal places, and per colour the
// smaller of its two numbers, less the blacks.
Count CountByColour(const std::vector<int>& code, const std::vector<int>& guess) {
    Count count{0, 0};
    std::array<int, 6> inCode{};
    std::array<int, 6> inGuess{};
    for (size_t k = 0; k < code.size(); ++k) {
        count.blacks += code[k] == guess[k] ? 1 : 0;
        ++inCode[static_cast<size_t>(code[k])];
        ++inGuess[static_cast<size_t>(guess[k])];
    }
    for (size_t c = 0; c < inCode.size(); ++c) {
        count.whites += std::min(inCode[c], inGuess[c]);
    }
    count.whites -= count.blacks;
    return count;
}

// A colour the code does not use (6 colours, at most 5 pegs).
int MissingColour(const std::vector<int>& code) {
    for (int colour = 0;; ++colour) {
        if (std::find(code.begin(), code.end(), colour) == code.end()) {
            return colour;
        }
    }
}

class MMasterTest : public PuzzleGameFixture {
protected:
    // Lets every peg arrive; a peg new on the palette needs a second frame.
    void Settle(KG_MMaster& game) { Frames(game, 2); }

    static std::vector<int> Code(const KG_MMaster& game) {
        std::vector<int> code;
        for (int k = 0; k < game.CodeLength(); ++k) {
            code.push_back(game.CodeColour(k));
        }
        return code;
    }

    static const Peg* PalettePeg(const KG_MMaster& game, int colour) {
        for (const auto& peg : game.Palette()) {
            if (peg->Colour() == colour) {
                return peg.get();
            }
        }
        return nullptr;
    }

    static int PegsOnBoard(const KG_MMaster& game) {
        int count = static_cast<int>(game.Palette().size()) + (game.PegInHand() != nullptr ? 1 : 0);
        for (int r = 0; r < game.RowCount(); ++r) {
            for (int k = 0; k < game.CodeLength(); ++k) {
                count += game.Hole(r, k).IsFull() ? 1 : 0;
            }
        }
        return count;
    }

    // Picks up a palette peg of the colour and drops it at (x, y).
    void Carry(KG_MMaster& game, int colour, float x, float y) {
        const Peg* peg = PalettePeg(game, colour);
        ASSERT_NE(peg, nullptr) << "colour " << colour;
        game.OnLeftButtonDown(static_cast<int>(peg->X()), static_cast<int>(peg->Y()));
        game.OnMouseMove(static_cast<int>(x), static_cast<int>(y));
        game.OnLeftButtonUp(static_cast<int>(x), static_cast<int>(y));
        Settle(game);
    }

    void ClickScore(KG_MMaster& game, int row) {
        const PegScore& score = game.Score(row);
        game.OnLeftButtonDown(static_cast<int>(score.X()), static_cast<int>(score.Y()));
        game.OnLeftButtonUp(static_cast<int>(score.X()), static_cast<int>(score.Y()));
    }

    // Fills the current row with the colours and has it scored.
    void Guess(KG_MMaster& game, const std::vector<int>& colours) {
        const int row = game.CurrentRow();
        for (size_t k = 0; k < colours.size(); ++k) {
            const PegHole& hole = game.Hole(row, static_cast<int>(k));
            Carry(game, colours[k], hole.X(), hole.Y());
        }
        ClickScore(game, row);
        Settle(game);
    }

    KG_MMaster& Started(int level, uint32_t seed = 5) {
        SeedRandom(seed);
        game = std::make_unique<KG_MMaster>(level);
        game->StartGame();
        Settle(*game);
        return *game;
    }

    std::unique_ptr<KG_MMaster> game;
};

TEST_F(MMasterTest, ScoringAgreesWithACountByColour) {
    const struct {
        std::vector<int> code;
        std::vector<int> guess;
        Count expected;
    } cases[] = {
        {{0, 1, 2, 2}, {0, 0, 1, 1}, {1, 1}},  // red red blue blue against red blue green green
        {{0, 1, 2, 3}, {3, 2, 1, 0}, {0, 4}},
        {{0, 0, 0, 0}, {0, 1, 0, 2}, {2, 0}},
        {{1, 2, 1, 2}, {2, 1, 2, 1}, {0, 4}},
        {{5, 5, 4, 3}, {4, 5, 5, 5}, {1, 2}},
        {{0, 1, 2, 3, 4}, {0, 1, 2, 3, 4}, {5, 0}},
        {{2, 2, 3, 3, 2}, {3, 2, 2, 5, 3}, {1, 3}},
        {{0, 1, 2, 3, 4}, {5, 5, 5, 5, 5}, {0, 0}},
    };
    for (const auto& c : cases) {
        const std::vector<ScoreMark> marks = ScoreGuess(c.code, c.guess);
        const Count independent = CountByColour(c.code, c.guess);
        ASSERT_EQ(independent.blacks, c.expected.blacks);
        ASSERT_EQ(independent.whites, c.expected.whites);
        Count got{0, 0};
        std::vector<bool> judged(c.code.size(), false);
        for (const ScoreMark& mark : marks) {
            (mark.black ? got.blacks : got.whites)++;
            const size_t k = static_cast<size_t>(mark.position);
            EXPECT_FALSE(judged[k]) << "one mark per guess peg";
            judged[k] = true;
            EXPECT_EQ(mark.black, c.code[k] == c.guess[k]);
        }
        EXPECT_EQ(got.blacks, c.expected.blacks);
        EXPECT_EQ(got.whites, c.expected.whites);
    }
}

TEST_F(MMasterTest, ScorePegsSitAtTheJudgedPegOnlyOnTheEasyLevel) {
    for (int level = 0; level < 3; ++level) {
        SCOPED_TRACE("level " + std::to_string(level));
        KG_MMaster& game = Started(level, 40 + static_cast<uint32_t>(level));
        EXPECT_EQ(game.CodeLength(), level == 2 ? 5 : 4);
        EXPECT_EQ(game.RowCount(), 8);
        const std::vector<int> code = Code(game);
        // Two guesses: the code turned by one place, and the first colour
        // three times followed by the last.
        std::vector<std::vector<int>> guesses(2, code);
        std::rotate(guesses[0].begin(), guesses[0].begin() + 1, guesses[0].end());
        std::fill(guesses[1].begin(), guesses[1].end() - 1, code.front());
        for (int row = 0; row < 2; ++row) {
            const std::vector<int>& guess = guesses[static_cast<size_t>(row)];
            Guess(game, guess);
            ASSERT_EQ(game.CurrentRow(), row + 1);
            const Count expected = CountByColour(code, guess);
            const PegScore& score = game.Score(row);
            EXPECT_EQ(score.Blacks(), expected.blacks);
            EXPECT_EQ(score.Whites(), expected.whites);

            std::vector<int> colours;
            for (const auto& peg : score.Pegs()) {
                colours.push_back(peg->Colour());
            }
            if (game.IsPositional()) {
                ASSERT_EQ(colours.size(), 5u);
                for (size_t k = 0; k < code.size(); ++k) {
                    if (code[k] == guess[k]) {
                        EXPECT_EQ(colours[k], Peg::kBlack) << "place " << k;
                    } else {
                        EXPECT_NE(colours[k], Peg::kBlack) << "place " << k;
                    }
                }
                EXPECT_EQ(std::count(colours.begin(), colours.end(), Peg::kWhite), expected.whites);
            } else {
                std::vector<int> order(static_cast<size_t>(expected.whites), Peg::kWhite);
                order.insert(order.end(), static_cast<size_t>(expected.blacks), Peg::kBlack);
                order.insert(order.end(), 5, Peg::kEmpty);
                EXPECT_EQ(colours, order);
            }
        }
    }
}

TEST_F(MMasterTest, AnAllBlackRowWinsAndTheLastRowLoses) {
    const struct {
        int level;
        int wrongGuesses;  // before the code is guessed; 8: never
        int blacksInWrongGuess;
        double seconds;  // played when the play ends
        int state;
        double grade;
    } cases[] = {
        {0, 0, 0, 30.0, Knobel_Game::STATE_FINISHED, 1.25},
        {1, 3, 2, 60.0, Knobel_Game::STATE_FINISHED, 2.1},   // the fourth guess costs 3 / 5
        {2, 7, 4, 120.0, Knobel_Game::STATE_FINISHED, 5.0},  // the last row adds 3
        {1, 8, 1, 60.0, Knobel_Game::STATE_FAILED, 5.75},
        {2, 8, 3, 30.0, Knobel_Game::STATE_FAILED, 3.5},
        {0, 8, 0, 240.0, Knobel_Game::STATE_FAILED, 6.0},    // never worse than 6
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("level " + std::to_string(c.level) + ", wrong guesses " + std::to_string(c.wrongGuesses));
        KG_MMaster& game = Started(c.level, 7 + static_cast<uint32_t>(c.wrongGuesses));
        const std::vector<int> code = Code(game);
        std::vector<int> wrong = code;
        std::fill(wrong.begin() + c.blacksInWrongGuess, wrong.end(), MissingColour(code));

        // The score box takes no click while a hole of the row is empty.
        ClickScore(game, 0);
        EXPECT_EQ(game.CurrentRow(), 0);

        const int guesses = std::min(c.wrongGuesses + 1, game.RowCount());
        for (int g = 0; g < guesses; ++g) {
            const bool last = g == guesses - 1;
            const std::vector<int>& colours = g < c.wrongGuesses ? wrong : code;
            const int row = game.CurrentRow();
            for (size_t k = 0; k < colours.size(); ++k) {
                Carry(game, colours[k], game.Hole(row, static_cast<int>(k)).X(),
                      game.Hole(row, static_cast<int>(k)).Y());
            }
            if (last) {
                // The code shows for two seconds; the frame that ends the
                // play adds no more time.
                const double atScore = c.seconds - KG_MMaster::kEndSeconds + kFrame;
                Frames(game, static_cast<int>((atScore - game.GetPlaySeconds()) / kFrame));
                ASSERT_DOUBLE_EQ(game.GetPlaySeconds(), atScore);
            }
            ClickScore(game, row);
            EXPECT_EQ(game.EndTimer() > 0.0, last);
        }
        EXPECT_EQ(game.IsSolved(), c.state == Knobel_Game::STATE_FINISHED);

        // While the code shows, nothing more is taken.
        const int before = PegsOnBoard(game);
        Carry(game, 0, game.Hole(0, 0).X(), game.Hole(0, 0).Y());
        EXPECT_EQ(game.PegInHand(), nullptr);
        EXPECT_EQ(PegsOnBoard(game), before);
        Frames(game, static_cast<int>(2.0 / kFrame) - 3);
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
        Frames(game, 1);
        EXPECT_EQ(game.GetState(), c.state);
        game.ComputeGrade();
        EXPECT_DOUBLE_EQ(game.GetGrade(), c.grade);
    }
}

TEST_F(MMasterTest, PegsGlideAndAreNeverLost) {
    KG_MMaster& game = Started(1);
    ASSERT_EQ(game.Palette().size(), 6u);
    const int total = PegsOnBoard(game);

    // A carried peg follows the mouse, half the way in a twentieth of a second.
    const Peg* red = PalettePeg(game, 0);
    const float startX = red->X();
    const float startY = red->Y();
    game.OnLeftButtonDown(static_cast<int>(startX), static_cast<int>(startY));
    ASSERT_EQ(game.PegInHand(), red);
    game.OnMouseMove(static_cast<int>(startX) + 100, static_cast<int>(startY) - 60);
    RunFrames(game, 1, 0.05, 0.05);
    EXPECT_FLOAT_EQ(red->X(), startX + 50.0f);
    EXPECT_FLOAT_EQ(red->Y(), startY - 30.0f);

    // Dropped into a hole of the current row it stays there, and the palette
    // gets a new red peg.
    const PegHole& first = game.Hole(0, 0);
    game.OnMouseMove(static_cast<int>(first.X()), static_cast<int>(first.Y()));
    game.OnLeftButtonUp(static_cast<int>(first.X()), static_cast<int>(first.Y()));
    Settle(game);
    EXPECT_EQ(first.Colour(), 0);
    EXPECT_EQ(red->X(), first.X());
    EXPECT_NE(PalettePeg(game, 0), nullptr);
    EXPECT_EQ(PegsOnBoard(game), total + 1);

    // A peg dropped on a full hole, on another row or outside the board joins
    // the palette.
    const float misses[][2] = {{first.X(), first.Y()},
                               {game.Hole(1, 1).X(), game.Hole(1, 1).Y()},
                               {20.0f, 300.0f}};
    size_t palette = game.Palette().size();
    for (const auto& miss : misses) {
        Carry(game, 2, miss[0], miss[1]);
        EXPECT_EQ(game.Palette().size(), palette);
        EXPECT_EQ(PegsOnBoard(game), total + 1);
    }
    // A peg taken out of its hole and dropped outside makes the palette grow.
    game.OnLeftButtonDown(static_cast<int>(first.X()), static_cast<int>(first.Y()));
    game.OnLeftButtonUp(20, 300);
    Settle(game);
    EXPECT_FALSE(first.IsFull());
    EXPECT_EQ(game.Palette().size(), palette + 1);
    palette = game.Palette().size();

    // A press while a peg is held (its release went elsewhere) returns it first.
    const Peg* blue = PalettePeg(game, 1);
    game.OnLeftButtonDown(static_cast<int>(blue->X()), static_cast<int>(blue->Y()));
    const Peg* green = PalettePeg(game, 2);
    game.OnLeftButtonDown(static_cast<int>(green->X()), static_cast<int>(green->Y()));
    EXPECT_EQ(game.PegInHand(), green);
    EXPECT_EQ(PegsOnBoard(game), static_cast<int>(palette));

    // A release in the pause ends the carrying: the peg goes back to the palette.
    game.SetState(Knobel_Game::STATE_PAUSED);
    game.OnLeftButtonUp(static_cast<int>(first.X()), static_cast<int>(first.Y()));
    EXPECT_EQ(game.PegInHand(), nullptr);
    EXPECT_FALSE(first.IsFull());
    EXPECT_EQ(game.Palette().size(), palette);
}

}  // namespace
