#pragma once

#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "games/numbers/PuzzleTile.h"

// The sliding puzzle: a picture cut into n x n tiles (n = 3, 4 or 5 by level)
// with the bottom-right tile missing. The playing grid on the left is shuffled
// by a random walk of the gap; the model grid on the right shows the picture
// in order. Clicking a tile next to the gap slides it there (it glides); the
// play ends when every tile is back at its home place.
class KG_Schiebe_Puzzle : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "puzzle.sav";
    // Gap moves: 0 to column + 1, 1 to column - 1, 2 to row + 1, 3 to row - 1.
    static constexpr int kDirections = 4;

    explicit KG_Schiebe_Puzzle(int level);
    ~KG_Schiebe_Puzzle() override = default;

    // Slides the tile under the point into the gap next to it while the game runs.
    void OnLeftButtonUp(int x, int y) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    int GridSize() const { return gridSize; }
    int ShuffleMoves() const { return shuffleMoves; }
    int Moves() const { return moves; }
    int InvalidClicks() const { return invalidClicks; }
    // The tile at place (column, row) of the playing grid and of the model.
    const PuzzleTile& PlayingTile(int column, int row) const { return playing[Index(column, row)]; }
    const PuzzleTile& ModelTile(int column, int row) const { return model[Index(column, row)]; }
    // The directions the gap took while shuffling, in order.
    const std::vector<int>& ShuffleWalk() const { return shuffleWalk; }
    // Whether every place holds the tile that belongs there.
    bool IsSolvedGrid() const;

private:
    int Index(int column, int row) const { return column * gridSize + row; }
    bool Inside(int column, int row) const;
    // Moves the gap one step of the random walk, never straight back.
    void ShuffleStep(int& gapColumn, int& gapRow, int& lastDirection);
    // Swaps the tiles of two places when both lie inside the grid and one of
    // them is the gap: each glides to the other's place.
    bool Slide(int column, int row, int otherColumn, int otherRow);
    int MisplacedCount() const;

    int gridSize;
    int shuffleMoves;
    int moves = 0;
    int invalidClicks = 0;
    std::vector<PuzzleTile> playing;
    std::vector<PuzzleTile> model;
    std::vector<int> shuffleWalk;
};
