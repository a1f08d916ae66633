#include "games/numbers/KG_Schiebe_Puzzle.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "SudokuPuzzleFixture.h"
#include "app/Random.h"

namespace {

const int kColumnStep[] = {1, -1, 0, 0};
const int kRowStep[] = {0, 0, 1, -1};
// A seed after which the plain 50-step walk of level 0 comes back to the
// solved picture (found by searching seeds for such walks).
constexpr uint32_t kSeedOfASolvedWalk = 47010;

struct Place { int column; int row; };

class SchiebePuzzleTest : public SudokuPuzzleFixture {
protected:
    // A click just inside the place's corner (once its tile has arrived).
    static void Click(KG_Schiebe_Puzzle& game, int column, int row) {
        const PuzzleTile& tile = game.PlayingTile(column, row);
        game.OnLeftButtonUp(static_cast<int>(tile.TargetX()) + 5, static_cast<int>(tile.TargetY()) + 5);
    }
    static Place Gap(const KG_Schiebe_Puzzle& game) {
        for (int i = 0; i < game.GridSize(); ++i) {
            for (int j = 0; j < game.GridSize(); ++j) if (game.PlayingTile(i, j).IsEmpty()) return {i, j};
        }
        return {-1, -1};
    }
    // Lets every tile arrive at its place in one slow frame that adds no play time.
    void Settle(KG_Schiebe_Puzzle& game) { Frame(game, 0.0, 1.0); }
    // Undoes the walk of the gap by clicks, all but its first `left` steps.
    void Undo(KG_Schiebe_Puzzle& game, size_t left) {
        const std::vector<int> walk = game.ShuffleWalk();
        for (size_t step = walk.size(); step-- > left;) {
            const Place gap = Gap(game);
            Click(game, gap.column - kColumnStep[walk[step]], gap.row - kRowStep[walk[step]]);
            Settle(game);
        }
    }
};

TEST_F(SchiebePuzzleTest, TheShuffleIsAWalkOfTheGapThatNeverEndsSolved) {
    const int sizes[] = {3, 4, 5};
    for (int level = 0; level < 3; ++level) {
        for (uint32_t seed = 1; seed <= 5; ++seed) {
            SeedRandom(seed * 7919u);
            KG_Schiebe_Puzzle game(level);
            ASSERT_EQ(game.GridSize(), sizes[level]);
            EXPECT_EQ(game.ShuffleWalk().size(), 50u * static_cast<size_t>(level + 1));
            EXPECT_FALSE(game.IsSolvedGrid());
            game.StartGame();
            Settle(game);
            Undo(game, 0);
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED) << "level " << level << " seed " << seed;
        }
    }
    // A walk that comes back to the picture after 50 steps goes on until it has left it.
    SeedRandom(kSeedOfASolvedWalk);
    KG_Schiebe_Puzzle game(0);
    ASSERT_GT(game.ShuffleWalk().size(), 50u);
    EXPECT_FALSE(game.IsSolvedGrid());
    game.StartGame();
    Settle(game);
    Undo(game, 50);
    EXPECT_TRUE(game.IsSolvedGrid());
}

TEST_F(SchiebePuzzleTest, OnlyATileNextToTheGapSlides) {
    SeedRandom(11);
    KG_Schiebe_Puzzle game(0);
    Place gap = Gap(game);
    const Place neighbour{gap.column == 0 ? 1 : gap.column - 1, gap.row};
    const Place far{gap.column == 0 ? 2 : (gap.column == 1 ? 1 : 0), gap.row == 0 ? 2 : 0};
    ASSERT_GT(std::abs(far.column - gap.column) + std::abs(far.row - gap.row), 1);
    game.StartGame();
    Settle(game);
    Click(game, far.column, far.row);
    EXPECT_EQ(game.Moves(), 0);
    EXPECT_EQ(game.InvalidClicks(), 1);
    EXPECT_TRUE(game.PlayingTile(gap.column, gap.row).IsEmpty());
    const PuzzleTile moved = game.PlayingTile(neighbour.column, neighbour.row);
    Click(game, neighbour.column, neighbour.row);
    EXPECT_EQ(game.Moves(), 1);
    EXPECT_TRUE(game.PlayingTile(neighbour.column, neighbour.row).IsEmpty());
    const PuzzleTile& arrived = game.PlayingTile(gap.column, gap.row);
    EXPECT_EQ(arrived.HomeColumn(), moved.HomeColumn());
    EXPECT_EQ(arrived.HomeRow(), moved.HomeRow());
    Settle(game);
    // Clicking the gap slides its first neighbour (column + 1, column - 1,
    // row + 1, row - 1) into it.
    gap = Gap(game);
    const Place first = gap.column + 1 < 3 ? Place{gap.column + 1, gap.row} : Place{gap.column - 1, gap.row};
    Click(game, gap.column, gap.row);
    EXPECT_EQ(game.Moves(), 2);
    EXPECT_TRUE(game.PlayingTile(first.column, first.row).IsEmpty());
}

TEST_F(SchiebePuzzleTest, UndoingTheWalkSolvesThePuzzleAndTheGradeWeighsMovesTimeAndInvalidClicksOrTheMisplaced) {
    // Solved with one invalid click: 50 / 100 + 1 + 120 / 240 + 1 / 10. Ended
    // with two steps left to undo: the gap and two tiles are off their places.
    const struct { size_t left; double seconds, grade; } cases[] = {
        {0, 120.0, 2.1}, {2, 12.0, 3.0 / 9.0 * 5 + 1 + 12.0 / 120.0}};
    for (const auto& c : cases) {
        SeedRandom(5);
        KG_Schiebe_Puzzle game(0);
        game.StartGame();
        Settle(game);
        if (c.left == 0) Click(game, Gap(game).column == 0 ? 2 : 0, Gap(game).row == 0 ? 2 : 0);
        Frame(game, c.seconds, 0.0);
        Undo(game, c.left);
        EXPECT_EQ(game.GetState() == Knobel_Game::STATE_FINISHED, c.left == 0);
        EXPECT_EQ(game.Moves(), 50 - static_cast<int>(c.left));
        game.SetState(Knobel_Game::STATE_ABORTED);
        game.ComputeGrade();
        EXPECT_DOUBLE_EQ(game.GetGrade(), c.grade) << c.left << " steps left";
    }
}

}  // namespace
