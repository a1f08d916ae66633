#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "games/numbers/SudokuCell.h"

// A 9 x 9 Sudoku. The solution is a fixed shifting pattern of three digit
// triples, relabelled by a random permutation of 1..9; 10, 20 or 30 cells
// (by level) are emptied. The player selects an empty cell with the mouse and
// types a digit; each entry checks the whole grid, cells in conflict draw red,
// and the play ends when every cell is filled without a conflict.
class KG_Sudoku9x9 : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "sudoku.sav";
    static constexpr int kGridSize = 9;
    static constexpr int kCellSize = 50;
    static constexpr int kBoxGap = 10;

    explicit KG_Sudoku9x9(int level);
    ~KG_Sudoku9x9() override = default;

    // Selects the editable cell under the point (in every state).
    void OnLeftButtonUp(int x, int y) override;
    // Enters the digit of the keys 1..9 into the selected cell (any other key
    // empties it) while the game runs.
    void OnKeyUp(uint16_t key) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    // Checks every row, column and box: marks the cells whose digit occurs
    // twice in one of their groups, and finds whether the grid is solved.
    void CheckGrid();

    // The cell of column (0 left) and row (0 top).
    SudokuCell& Cell(int column, int row) { return cells[column][row]; }
    const SudokuCell* SelectedCell() const { return selectedCell; }
    int Mistakes() const { return mistakes; }
    int Moves() const { return moves; }
    int Holes() const { return holes; }
    bool IsSolved() const { return solved; }
    bool IsConflictFree() const { return conflictCells.empty(); }
    const std::vector<SudokuCell*>& ConflictCells() const { return conflictCells; }

private:
    void PlaceCells();
    void FillSolution();
    void MakeHoles();
    // Marks the cells of one group whose digit occurs more than once in it.
    void CheckGroup(const std::array<SudokuCell*, kGridSize>& group);
    int EmptyCellCount() const;

    int mistakes = 0;
    int moves = 0;
    int holes;
    SudokuCell* selectedCell = nullptr;
    std::array<std::array<SudokuCell, kGridSize>, kGridSize> cells{};
    // The cells the last check found in conflict (the grid owns them).
    std::vector<SudokuCell*> conflictCells;
    bool solved = false;
};
