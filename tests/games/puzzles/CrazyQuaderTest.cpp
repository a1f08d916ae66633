#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <vector>

#include "games/puzzles/KG_CrazyQuader.h"
#include "support/GameFixture.h"

namespace {

constexpr int kButtons[] = {9, 12, 30};
constexpr int kSides[] = {3, 4, 5};

class CrazyQuaderTest : public GameFixture {
protected:
    CrazyQuaderTest()
        : GameFixture(
              "ANZ_TEXTE: 110 <TEXT_START> 22 Time %d:%02d|<TEXT_START> 27 Moves %d|<TEXT_START> 29 Shuffle %d|"
              "<TEXT_START> 50 Grade %.2f|<TEXT_START> 63 Clock %d:%02d|") {}

    // The lit squares of a grid as bits by square index.
    static uint32_t Bits(const SquareGrid& grid) {
        uint32_t bits = 0;
        for (int i = 0; i < grid.Count(); ++i) {
            bits |= grid.Square(i).IsLit() ? 1u << i : 0u;
        }
        return bits;
    }

    // Clicks the middle of the first square of button k.
    static void Press(KG_CrazyQuader& game, size_t k) {
        const GridSquare& square = game.Buttons()[k].Square(0);
        const auto half = static_cast<float>(square.Size() / 2);
        game.OnLeftButtonDown(static_cast<int>(square.Position().x + half), static_cast<int>(square.Position().y + half));
    }

    // Buttons whose presses switch the board off (elimination over GF(2)),
    // or nothing when no set of buttons does.
    static std::optional<std::vector<size_t>> Solve(const KG_CrazyQuader& game) {
        struct Row {
            uint32_t bits;
            uint64_t presses;
        };
        std::vector<Row> basis;
        for (size_t k = 0; k < game.Buttons().size(); ++k) {
            Row row{Bits(game.Buttons()[k]), uint64_t{1} << k};
            for (const Row& b : basis) {
                if ((row.bits ^ b.bits) < row.bits) {
                    row = {row.bits ^ b.bits, row.presses ^ b.presses};
                }
            }
            if (row.bits != 0) {
                basis.push_back(row);
            }
        }
        Row target{Bits(game.Board()), 0};
        for (const Row& b : basis) {
            if ((target.bits ^ b.bits) < target.bits) {
                target = {target.bits ^ b.bits, target.presses ^ b.presses};
            }
        }
        if (target.bits != 0) {
            return std::nullopt;
        }
        std::vector<size_t> presses;
        for (size_t k = 0; k < game.Buttons().size(); ++k) {
            if ((target.presses >> k) & 1u) {
                presses.push_back(k);
            }
        }
        return presses;
    }
};

TEST_F(CrazyQuaderTest, TheLevelSetsBoardAndDistinctButtonsThatDoNotOverlap) {
    for (int level = 0; level < 3; ++level) {
        const KG_CrazyQuader game(level);
        EXPECT_EQ(game.Board().Side(), kSides[level]);
        ASSERT_EQ(static_cast<int>(game.Buttons().size()), kButtons[level]);
        std::set<uint32_t> patterns;
        std::vector<const SquareGrid*> grids{&game.Board()};
        for (const SquareGrid& button : game.Buttons()) {
            EXPECT_EQ(button.Side(), kSides[level]);
            EXPECT_NE(Bits(button), 0u);
            patterns.insert(Bits(button));
            grids.push_back(&button);
        }
        EXPECT_EQ(static_cast<int>(patterns.size()), kButtons[level]) << "level " << level;
        // No square of one grid lies under a corner of a square of another, and all lie on the screen.
        for (const SquareGrid* grid : grids) {
            for (int i = 0; i < grid->Count(); ++i) {
                const Vec2 p = grid->Square(i).Position();
                const auto size = static_cast<float>(grid->Square(i).Size());
                EXPECT_TRUE(p.x >= 0 && p.y >= 50 && p.x + size < 1024 && p.y + size < 768);
                for (const SquareGrid* other : grids) {
                    if (other != grid) {
                        EXPECT_FALSE(other->Hit(p.x, p.y) || other->Hit(p.x + size, p.y + size));
                    }
                }
            }
        }
    }
}

TEST_F(CrazyQuaderTest, AButtonSwitchesExactlyItsPatternAndTwiceRestoresTheBoard) {
    for (int level = 0; level < 3; ++level) {
        KG_CrazyQuader game(level);
        game.StartGame();
        const uint32_t scrambled = Bits(game.Board());
        for (size_t k = 0; k < game.Buttons().size(); ++k) {
            Press(game, k);
            EXPECT_EQ(Bits(game.Board()), scrambled ^ Bits(game.Buttons()[k])) << "level " << level << " button " << k;
            Press(game, k);
            EXPECT_EQ(Bits(game.Board()), scrambled);
        }
        EXPECT_EQ(game.Moves(), 2 * kButtons[level]);

        // On the board, beside the buttons and (at level 0) between the squares of a button nothing happens.
        const GridSquare& first = game.Buttons()[0].Square(0);
        const int gapX = static_cast<int>(first.Position().x + first.Size()) + 1;
        const int gapY = static_cast<int>(first.Position().y) + 5;
        game.OnLeftButtonDown(512, 234);
        game.OnLeftButtonDown(10, gapY);
        if (level == 0) {
            game.OnLeftButtonDown(gapX, gapY);
        }
        EXPECT_EQ(Bits(game.Board()), scrambled);
        EXPECT_EQ(game.Moves(), 2 * kButtons[level]);
    }
}

TEST_F(CrazyQuaderTest, EveryScrambledBoardIsSolvedByPressesAndTheLastPressWins) {
    for (int level = 0; level < 3; ++level) {
        for (int play = 0; play < 20; ++play) {
            KG_CrazyQuader game(level);
            game.StartGame();
            const auto presses = Solve(game);
            ASSERT_TRUE(presses) << "level " << level;
            for (const size_t k : *presses) {
                Press(game, k);
            }
            if (!presses->empty()) {
                EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED) << "level " << level;
                EXPECT_EQ(game.Board().LitCount(), 0);
            }
        }
    }
}

TEST_F(CrazyQuaderTest, TheGradeWeighsMovesAgainstTheScrambleAndAddsTheTime) {
    struct Case {
        int moves;  // at least 10; the level-0 solution is pressed last
        double seconds;
        bool abort;
        double grade;
    };
    const Case cases[] = {{10, 0.0, false, 1.25}, {10, 60.0, false, 1.5}, {40, 240.0, false, 3.0},
                          {200, 0.0, false, 6.0}, {10, 60.0, true, 6.0}};
    for (const Case& c : cases) {
        std::optional<KG_CrazyQuader> game;
        std::vector<size_t> presses;
        // A board scrambled back to all unlit would be won by the first pair of presses.
        do {
            game.emplace(0);
            presses = *Solve(*game);
        } while (presses.empty());
        game->StartGame();
        // The one solution of level 0 undoes 40 presses: an even number of buttons.
        ASSERT_EQ(presses.size() % 2, 0u);
        for (size_t pad = presses.size(); pad < static_cast<size_t>(c.moves); pad += 2) {
            Press(*game, 0);
            Press(*game, 0);
        }
        RunFrames(*game, 1, c.seconds, c.seconds);
        if (c.abort) {
            game->SetState(Knobel_Game::STATE_ABORTED);
        }
        for (const size_t k : presses) {
            Press(*game, k);
        }
        EXPECT_EQ(game->GetState(), c.abort ? Knobel_Game::STATE_ABORTED : Knobel_Game::STATE_FINISHED);
        game->ComputeGrade();
        EXPECT_NEAR(game->GetGrade(), c.grade, 1e-9) << c.moves << " moves";
        if (!c.abort) {
            EXPECT_NE(game->GetResultText().find("Moves " + std::to_string(c.moves)), std::string::npos);
            EXPECT_NE(game->GetResultText().find("Shuffle 40"), std::string::npos);
        }
    }
}

}  // namespace
