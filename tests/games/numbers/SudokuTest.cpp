#include "games/numbers/KG_Sudoku9x9.h"

#include <gtest/gtest.h>

#include <algorithm>
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

struct Place {
    int column;
    int row;
};

class SudokuTest : public SudokuPuzzleFixture {
protected:
    // The relabelling of the pattern that the given digits show; fails the
    // test when the givens do not fit one relabelling. Pattern digits without
    // any given take the digits left over.
    std::array<int, 10> Relabelling(KG_Sudoku9x9& game) {
        std::array<int, 10> digitOf{};
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                const int value = game.Cell(c, r).GetValue();
                if (value == SudokuCell::kEmpty) {
                    continue;
                }
                int& mapped = digitOf[PatternDigit(c, r)];
                EXPECT_TRUE(mapped == 0 || mapped == value) << "cell " << c << "," << r;
                mapped = value;
            }
        }
        std::set<int> unused{1, 2, 3, 4, 5, 6, 7, 8, 9};
        for (int p = 1; p <= 9; ++p) {
            if (digitOf[p] != 0) {
                EXPECT_EQ(unused.erase(digitOf[p]), 1u) << "digit used twice: " << digitOf[p];
            }
        }
        for (int p = 1; p <= 9; ++p) {
            if (digitOf[p] == 0 && !unused.empty()) {
                digitOf[p] = *unused.begin();
                unused.erase(unused.begin());
            }
        }
        return digitOf;
    }

    static std::vector<Place> HolePlaces(KG_Sudoku9x9& game) {
        std::vector<Place> places;
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                if (!game.Cell(c, r).GetFixed()) {
                    places.push_back({c, r});
                }
            }
        }
        return places;
    }

    // The first given cell in the row of place, or (-1, -1).
    static Place GivenInRow(KG_Sudoku9x9& game, Place place) {
        for (int c = 0; c < 9; ++c) {
            if (game.Cell(c, place.row).GetFixed()) {
                return Place{c, place.row};
            }
        }
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

    static void ClearGrid(KG_Sudoku9x9& game) {
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                game.Cell(c, r).SetValue(SudokuCell::kEmpty);
                game.Cell(c, r).SetFixed(false);
            }
        }
    }

    static int InvalidCount(KG_Sudoku9x9& game) {
        int invalid = 0;
        for (int c = 0; c < 9; ++c) {
            for (int r = 0; r < 9; ++r) {
                invalid += game.Cell(c, r).IsValid() ? 0 : 1;
            }
        }
        return invalid;
    }
};

TEST_F(SudokuTest, EveryGridIsTheShiftedPatternRelabelledWithExactlyTheHolesOfItsLevel) {
    const int holesByLevel[] = {10, 20, 30};
    for (int level = 0; level < 3; ++level) {
        for (int play = 0; play < 12; ++play) {
            KG_Sudoku9x9 game(level);
            EXPECT_EQ(game.Holes(), holesByLevel[level]);
            const std::vector<Place> holes = HolePlaces(game);
            EXPECT_EQ(static_cast<int>(holes.size()), holesByLevel[level]);
            for (const Place& hole : holes) {
                EXPECT_EQ(game.Cell(hole.column, hole.row).GetValue(), SudokuCell::kEmpty);
            }
            // Given cells hold a digit, and all of them fit one relabelling.
            const std::array<int, 10> digitOf = Relabelling(game);
            for (const Place& hole : holes) {
                game.Cell(hole.column, hole.row).SetValue(digitOf[PatternDigit(hole.column, hole.row)]);
            }
            game.CheckGrid();
            EXPECT_TRUE(game.IsSolved()) << "level " << level;
            EXPECT_TRUE(game.ConflictCells().empty());
        }
    }
}

TEST_F(SudokuTest, ADigitTwiceInARowColumnOrBoxMarksBothCellsOnce) {
    KG_Sudoku9x9 game(0);
    struct Case {
        std::vector<Place> fives;
        int conflicts;
    };
    const Case cases[] = {
        {{{0, 4}, {8, 4}}, 2},          // one row
        {{{2, 0}, {2, 8}}, 2},          // one column
        {{{3, 3}, {5, 5}}, 2},          // one box only
        {{{0, 0}, {4, 4}}, 0},          // three different groups
        {{{0, 0}, {0, 8}, {8, 0}}, 3},  // the corner cell in two conflicts, listed once
    };
    for (const Case& test : cases) {
        ClearGrid(game);
        for (const Place& place : test.fives) {
            game.Cell(place.column, place.row).SetValue(5);
        }
        game.CheckGrid();
        EXPECT_EQ(static_cast<int>(game.ConflictCells().size()), test.conflicts);
        EXPECT_EQ(InvalidCount(game), test.conflicts);
        EXPECT_EQ(game.IsConflictFree(), test.conflicts == 0);
        EXPECT_FALSE(game.IsSolved());
        for (const Place& place : test.fives) {
            EXPECT_EQ(game.Cell(place.column, place.row).IsValid(), test.conflicts == 0);
        }
    }
    // A full grid with the pattern is solved; swapping two digits in a row is not.
    for (int c = 0; c < 9; ++c) {
        for (int r = 0; r < 9; ++r) {
            game.Cell(c, r).SetValue(PatternDigit(c, r));
        }
    }
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
    const std::vector<Place> holes = HolePlaces(game);
    // A hole and a given digit in its row, and a second hole in another row
    // with a given digit in that row.
    auto givenInRow = [&](Place hole) { return GivenInRow(game, hole); };
    const Place first = holes.front();
    const Place clash = givenInRow(first);
    ASSERT_GE(clash.column, 0);
    Place second{-1, -1};
    for (const Place& hole : holes) {
        if (hole.row != first.row && hole.column != first.column && givenInRow(hole).column >= 0) {
            second = hole;
        }
    }
    ASSERT_GE(second.column, 0);
    const int clashDigit = game.Cell(clash.column, clash.row).GetValue();

    game.StartGame();
    Type(game, first, clashDigit);
    EXPECT_EQ(game.Cell(first.column, first.row).GetValue(), clashDigit);
    EXPECT_FALSE(game.Cell(first.column, first.row).IsValid());
    EXPECT_FALSE(game.Cell(clash.column, clash.row).IsValid());
    EXPECT_EQ(game.Mistakes(), 1);
    EXPECT_EQ(game.Moves(), 1);

    // The given digit in conflict draws red, the selected cell tinted.
    game.Render();
    const SudokuCell& given = game.Cell(clash.column, clash.row);
    bool givenDrawnRed = false;
    for (const auto& text : renderer->texts) {
        const int centreX = (text.rect.left + text.rect.right) / 2;
        const int centreY = (text.rect.top + text.rect.bottom) / 2;
        if (centreX == static_cast<int>(given.X()) + 25 && centreY == static_cast<int>(given.Y()) + 25) {
            givenDrawnRed = text.colour == 0xFFFF0000u && text.text == std::to_string(clashDigit);
        }
    }
    EXPECT_TRUE(givenDrawnRed);
    int tinted = 0;
    for (const auto& sprite : renderer->sprites) {
        tinted += sprite.colour == 0xFFFFAFAFu ? 1 : 0;
    }
    EXPECT_EQ(tinted, 1);

    // A second clash while the first stands is no further mistake.
    Type(game, second, game.Cell(givenInRow(second).column, second.row).GetValue());
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
        const std::array<int, 10> digitOf = Relabelling(game);
        const std::vector<Place> holes = HolePlaces(game);
        game.StartGame();
        for (size_t i = 0; i + 1 < holes.size(); ++i) {
            Type(game, holes[i], digitOf[PatternDigit(holes[i].column, holes[i].row)]);
        }
        Frame(game, 90.0, 90.0);
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
        const Place last = holes.back();
        const int right = digitOf[PatternDigit(last.column, last.row)];
        if (mistakes > 0) {
            // Full but with a clash: the play goes on.
            Type(game, last, right % 9 + 1);
            Frame(game, 0.0, 0.0);
            EXPECT_FALSE(game.IsSolved());
            EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
        }
        Frame(game, 90.0, 90.0);
        Type(game, last, right);
        EXPECT_TRUE(game.IsSolved());
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_RUNNING);
        Frame(game, 5.0, 5.0);
        EXPECT_EQ(game.GetState(), Knobel_Game::STATE_FINISHED);
        EXPECT_DOUBLE_EQ(game.GetPlaySeconds(), 180.0);

        // Level 0 in three minutes: 2.0, and a tenth more per mistake.
        game.ComputeGrade();
        EXPECT_DOUBLE_EQ(game.GetGrade(), 2.0 + 0.1 * mistakes);
        EXPECT_EQ(game.Mistakes(), mistakes);
        EXPECT_EQ(game.Moves(), 10 + mistakes);
        EXPECT_EQ(game.GetResultText(), mistakes == 0 ? " Time 3:00\n Mistakes 0\n Per move 18.0\n\n Grade 2.00"
                                                      : " Time 3:00\n Mistakes 1\n Per move 16.4\n\n Grade 2.10");
    }
}

TEST_F(SudokuTest, EndingEarlyGradesTheShareOfEmptyAndClashingCells) {
    KG_Sudoku9x9 untouched(0);  // no move yet: no division by zero moves
    untouched.StartGame();
    untouched.SetState(Knobel_Game::STATE_ABORTED);
    EXPECT_EQ(untouched.GetResultText(), " Time 0:00\n Mistakes 0\n Per move 0.0\n\n Grade 6.00");

    KG_Sudoku9x9 half(0);
    const std::array<int, 10> digitOf = Relabelling(half);
    const std::vector<Place> holes = HolePlaces(half);
    half.StartGame();
    for (int i = 0; i < 5; ++i) {
        Type(half, holes[i], digitOf[PatternDigit(holes[i].column, holes[i].row)]);
    }
    Frame(half, 60.0, 60.0);
    half.SetState(Knobel_Game::STATE_ABORTED);
    half.ComputeGrade();
    EXPECT_DOUBLE_EQ(half.GetGrade(), 0.5 * 5 + 1 + 60.0 / 180.0);

    // Clashing cells count with the empty ones: eight holes filled right,
    // one left empty, one clashing with a given digit of its row.
    KG_Sudoku9x9 clashing(0);
    const std::array<int, 10> clashDigitOf = Relabelling(clashing);
    const std::vector<Place> clashHoles = HolePlaces(clashing);
    const Place given = GivenInRow(clashing, clashHoles[0]);
    ASSERT_GE(given.column, 0);
    clashing.StartGame();
    for (int i = 1; i < 9; ++i) {
        Type(clashing, clashHoles[i], clashDigitOf[PatternDigit(clashHoles[i].column, clashHoles[i].row)]);
    }
    Type(clashing, clashHoles[0], clashing.Cell(given.column, given.row).GetValue());
    clashing.SetState(Knobel_Game::STATE_ABORTED);
    clashing.ComputeGrade();
    const size_t conflicts = clashing.ConflictCells().size();
    EXPECT_GE(conflicts, 2u);
    EXPECT_LE(conflicts, 4u);
    EXPECT_DOUBLE_EQ(clashing.GetGrade(), (1.0 + static_cast<double>(conflicts)) / 10.0 * 5 + 1);
}

}  // namespace
