#include "games/numbers/KG_Sudoku9x9.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "SudokuPuzzleFixture.h"

namespace {

// The solution before relabelling: rows top to bottom, columns left to right.
const char* const kPattern[9] = {"123456789", "564897231", "897231564", "231564897", "645978312",
                                 "978312645", "312645978", "456789123", "789123456"};

int PatternDigit(int column, int row) { return kPattern[row][column] - '0'; }

struct Place { int column; int row; };

// A grid's holes and the digit each hole takes.
struct Board {
    std::vector<Place> holes;
    std::array<int, 10> digitOf{};  // of each pattern digit
    int Right(Place p) const { return digitOf[PatternDigit(p.column, p.row)]; }
};

class SudokuTest : public SudokuPuzzleFixture {
protected:
    // Reads the relabelling of the pattern from the given digits; fails the
    // test when they do not fit one relabelling. Pattern digits without any
    // given take the digits left over.
    static Board Read(KG_Sudoku9x9& game) {
        Board board;
        std::set<int> unused{1, 2, 3, 4, 5, 6, 7, 8, 9};
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                const int value = game.Cell(c, r).GetValue();
                if (!game.Cell(c, r).GetFixed()) board.holes.push_back({c, r});
                if (value == SudokuCell::kEmpty) continue;
                int& mapped = board.digitOf[PatternDigit(c, r)];
                EXPECT_TRUE(mapped == 0 || mapped == value) << "cell " << c << "," << r;
                if (mapped == 0) {
                    EXPECT_EQ(unused.erase(value), 1u) << "digit used twice: " << value;
                }
                mapped = value;
            }
        }
        for (int p = 1; p <= 9; ++p) {
            if (board.digitOf[p] == 0 && !unused.empty()) board.digitOf[p] = unused.extract(unused.begin()).value();
        }
        return board;
    }
    // The first given cell in the row of place, or (-1, -1).
    static Place GivenInRow(KG_Sudoku9x9& game, Place place) {
        for (int c = 0; c < 9; ++c) if (game.Cell(c, place.row).GetFixed()) return Place{c, place.row};
        return Place{-1, -1};
    }
    static void Select(KG_Sudoku9x9& game, Place place) {
        const SudokuCell& cell = game.Cell(place.column, place.row);
        game.OnLeftButtonUp(static_cast<int>(cell.X()) + 25, static_cast<int>(cell.Y()) + 25);
    }
    static void Type(KG_Sudoku9x9& game, Place place, int digit) {
        Select(game, place);
        game.OnKeyUp(static_cast<uint16_t>('0' + digit));
    }
    // Types the right digit into holes [from, to).
    static void FillRight(KG_Sudoku9x9& game, const Board& board, size_t from, size_t to) {
        for (size_t i = from; i < to; ++i) Type(game, board.holes[i], board.Right(board.holes[i]));
    }
};

TEST_F(SudokuTest, ADigitTwiceInARowColumnOrBoxMarksBothCellsOnce) {
    KG_Sudoku9x9 game(0);
    const struct { std::vector<Place> fives; int conflicts; } cases[] = {
        {{{0, 4}, {8, 4}}, 2},          // one row
        {{{2, 0}, {2, 8}}, 2},          // one column
        {{{3, 3}, {5, 5}}, 2},          // one box only
        {{{0, 0}, {4, 4}}, 0},          // three different groups
        {{{0, 0}, {0, 8}, {8, 0}}, 3},  // the corner cell in two conflicts, listed once
    };
    for (const auto& test : cases) {
        for (int c = 0; c < 9; ++c) for (int r = 0; r < 9; ++r) game.Cell(c, r).SetValue(SudokuCell::kEmpty);
        for (const Place& place : test.fives) game.Cell(place.column, place.row).SetValue(5);
        game.CheckGrid();
        EXPECT_EQ(static_cast<int>(game.ConflictCells().size()), test.conflicts);
        EXPECT_FALSE(game.IsSolved());
        for (const Place& p : test.fives) EXPECT_EQ(game.Cell(p.column, p.row).IsValid(), test.conflicts == 0);
    }
    // A full grid with the pattern is solved; swapping two digits in a row is not.
    for (int c = 0; c < 9; ++c) for (int r = 0; r < 9; ++r) game.Cell(c, r).SetValue(PatternDigit(c, r));
    game.CheckGrid();
    EXPECT_TRUE(game.IsSolved());
    game.Cell(0, 0).SetValue(PatternDigit(1, 0));
    game.Cell(1, 0).SetValue(PatternDigit(0, 0));
    game.CheckGrid();
    EXPECT_FALSE(game.IsSolved());
    EXPECT_FALSE(game.IsConflictFree());
}

TEST_F(SudokuTest, TypingChecksAtOnceAndOnlyTheFirstConflictCountsAsAMistake) {
    KG_Sudoku9x9 game(2);
    const std::vector<Place> holes = Read(game).holes;
    // A hole and a given digit in its row, and a second hole in another row
    // and column with a given digit in its row.
    const Place first = holes.front();
    const Place clash = GivenInRow(game, first);
    ASSERT_GE(clash.column, 0);
    Place second{-1, -1};
    for (const Place& hole : holes) {
        if (hole.row != first.row && hole.column != first.column && GivenInRow(game, hole).column >= 0) second = hole;
    }
    ASSERT_GE(second.column, 0);
    const int clashDigit = game.Cell(clash.column, clash.row).GetValue();
    game.StartGame();
    Type(game, first, clashDigit);
    EXPECT_EQ(game.Cell(first.column, first.row).GetValue(), clashDigit);
    EXPECT_FALSE(game.Cell(first.column, first.row).IsValid());
    EXPECT_FALSE(game.Cell(clash.column, clash.row).IsValid());
    EXPECT_EQ(game.Mistakes(), 1);
    // A second clash while the first stands is no further mistake.
    Type(game, second, game.Cell(GivenInRow(game, second).column, second.row).GetValue());
    EXPECT_EQ(game.Mistakes(), 1);
    EXPECT_EQ(game.Moves(), 2);
    // Any other key empties the cell and still counts; a given cell or a
    // click beside the grid keeps the selection.
    game.OnKeyUp('A');
    EXPECT_EQ(game.Cell(second.column, second.row).GetValue(), SudokuCell::kEmpty);
    EXPECT_EQ(game.Moves(), 3);
    Select(game, clash);
    game.OnLeftButtonUp(10, 10);
    EXPECT_EQ(game.SelectedCell(), &game.Cell(second.column, second.row));
    // Clearing the first clash leaves the grid conflict-free; a new clash counts again.
    Type(game, first, 0);
    EXPECT_TRUE(game.IsConflictFree());
    Type(game, first, clashDigit);
    EXPECT_EQ(game.Mistakes(), 2);
}

TEST_F(SudokuTest, ThePlayEndsExactlyWhenTheGridIsFullAndValid) {
    for (const int mistakes : {0, 1}) {
        KG_Sudoku9x9 game(0);
        const Board board = Read(game);
        game.StartGame();
        FillRight(game, board, 0, board.holes.size() - 1);
        Frame(game, 90.0, 90.0);
        const Place last = board.holes.back();
        if (mistakes > 0) {  // full but with a clash: the play goes on
            Type(game, last, board.Right(last) % 9 + 1);
            Frame(game, 0.0, 0.0);
            EXPECT_FALSE(game.IsSolved());
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
        }
        Frame(game, 90.0, 90.0);
        Type(game, last, board.Right(last));
        EXPECT_TRUE(game.IsSolved());
        Frame(game, 5.0, 5.0);
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        // Level 0 in three minutes: 2.0, and a tenth more per mistake.
        game.ComputeGrade();
        EXPECT_DOUBLE_EQ(game.GetGrade(), 2.0 + 0.1 * mistakes);
        EXPECT_EQ(game.GetResultText(), mistakes == 0 ? " Time 3:00\n Mistakes 0\n Per move 18.0\n\n Grade 2.00"
                                                      : " Time 3:00\n Mistakes 1\n Per move 16.4\n\n Grade 2.10");
    }
}

TEST_F(SudokuTest, EndingEarlyGradesTheShareOfEmptyAndClashingCells) {
    KG_Sudoku9x9 untouched(0);  // no move yet: no division by zero moves
    untouched.StartGame();
    untouched.SetState(Knobel_Game::STATE_ABORTED);
    EXPECT_NE(untouched.GetResultText().find(" Per move 0.0\n"), std::string::npos);
    // Clashing cells count with the empty ones: eight holes filled right,
    // one left empty, one clashing with a given digit of its row.
    KG_Sudoku9x9 clashing(0);
    const Board board = Read(clashing);
    const Place given = GivenInRow(clashing, board.holes[0]);
    ASSERT_GE(given.column, 0);
    clashing.StartGame();
    FillRight(clashing, board, 1, 9);
    Type(clashing, board.holes[0], clashing.Cell(given.column, given.row).GetValue());
    clashing.SetState(Knobel_Game::STATE_ABORTED);
    clashing.ComputeGrade();
    const size_t conflicts = clashing.ConflictCells().size();
    EXPECT_TRUE(conflicts >= 2 && conflicts <= 4) << conflicts;
    EXPECT_DOUBLE_EQ(clashing.GetGrade(), (1.0 + static_cast<double>(conflicts)) / 10.0 * 5 + 1);
}

}  // namespace
