#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "games/puzzles/KG_CrazyQuader.h"
#include "support/GameFixture.h"

namespace {

class CrazyQuaderTest : public GameFixture {
protected:
    CrazyQuaderTest() : GameFixture("ANZ_TEXTE: 110 <TEXT_START> 27 Moves %d|<TEXT_START> 29 Shuffle %d|") {}
    // The lit squares of a grid as bits by square index.
    static uint32_t Bits(const SquareGrid& grid) {
        uint32_t bits = 0;
        for (int i = 0; i < grid.Count(); ++i) bits |= grid.Square(i).IsLit() ? 1u << i : 0u;
        return bits;
    }
    // Clicks the middle of the first square of button k.
    static void Press(KG_CrazyQuader& game, size_t k) {
        const GridSquare& square = game.Buttons()[k].Square(0);
        const auto half = static_cast<float>(square.Size() / 2);
        game.OnLeftButtonDown(static_cast<int>(square.Position().x + half), static_cast<int>(square.Position().y + half));
    }
    // Buttons whose presses switch the board off, found by elimination over
    // GF(2); the board lit bits stay in the result when none do.
    static std::vector<size_t> Solve(const KG_CrazyQuader& game, uint32_t& unsolved) {
        std::vector<std::pair<uint32_t, uint64_t>> basis;  // pattern, buttons pressed for it
        auto reduce = [&basis](std::pair<uint32_t, uint64_t> row) {
            for (const auto& b : basis) {
                if ((row.first ^ b.first) < row.first) row = {row.first ^ b.first, row.second ^ b.second};
            }
            return row;
        };
        for (size_t k = 0; k < game.Buttons().size(); ++k) {
            const auto row = reduce({Bits(game.Buttons()[k]), uint64_t{1} << k});
            if (row.first != 0) basis.push_back(row);
        }
        const auto target = reduce({Bits(game.Board()), 0});
        unsolved = target.first;
        std::vector<size_t> presses;
        for (size_t k = 0; k < game.Buttons().size(); ++k) if ((target.second >> k) & 1u) presses.push_back(k);
        return presses;
    }
};

TEST_F(CrazyQuaderTest, EveryScrambledBoardIsSolvedByButtonPresses) {
    for (int level = 0; level < 3; ++level) {
        for (int play = 0; play < 20; ++play) {
            KG_CrazyQuader game(level);
            game.StartGame();
            uint32_t unsolved = 0;
            const std::vector<size_t> presses = Solve(game, unsolved);
            ASSERT_EQ(unsolved, 0u) << "level " << level;
            for (const size_t k : presses) Press(game, k);
            EXPECT_FALSE(presses.empty());
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        }
    }
    // Presses that cancel out leave about one level-0 board in 250 unlit; the
    // scramble goes on then.
    for (int play = 0; play < 1000; ++play) {
        EXPECT_GT(KG_CrazyQuader(0).Board().LitCount(), 0);
    }
}

TEST_F(CrazyQuaderTest, TheGradeWeighsMovesAgainstTheScrambleAndAddsTheTime) {
    // moves: the level-0 solution pressed last, after pairs that cancel
    struct Case { int moves; double seconds; bool abort; double grade; };
    const Case cases[] = {{10, 0.0, false, 1.25}, {10, 60.0, false, 1.5}, {40, 240.0, false, 3.0},
                          {200, 0.0, false, 6.0}, {10, 60.0, true, 6.0}};
    for (const Case& c : cases) {
        uint32_t unsolved = 0;
        auto game = std::make_unique<KG_CrazyQuader>(0);
        const std::vector<size_t> presses = Solve(*game, unsolved);
        // The one solution of level 0 undoes 40 presses: an even number of buttons.
        ASSERT_EQ(presses.size() % 2, 0u);
        game->StartGame();
        for (size_t pad = presses.size(); pad < static_cast<size_t>(c.moves); pad += 2) {
            Press(*game, 0);
            Press(*game, 0);
        }
        RunFrames(*game, 1, c.seconds, c.seconds);
        if (c.abort) game->SetState(Knobel_Game::STATE_ABORTED);
        for (const size_t k : presses) Press(*game, k);
        game->ComputeGrade();
        EXPECT_NEAR(game->GetGrade(), c.grade, 1e-9) << c.moves << " moves";
    }
}

}  // namespace
