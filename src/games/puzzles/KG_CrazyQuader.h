#pragma once

#include <memory>
#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "games/base/SquareGrid.h"

// Pattern switching: a large grid of squares (the board) with some squares
// lit, and below it small grids, the buttons, each showing a fixed pattern.
// Clicking a button switches every board square that is lit in its pattern;
// the play is won when no board square is lit. The board is scrambled by
// random presses of the buttons, so it can always be solved. Save file
// "crazy.sav".
class KG_CrazyQuader : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "crazy.sav";

    explicit KG_CrazyQuader(int level);
    ~KG_CrazyQuader() override;

    void OnLeftButtonDown(int x, int y) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    const SquareGrid& Board() const { return *board; }
    // In the order built: row by row, from the left.
    const std::vector<SquareGrid>& Buttons() const { return buttons; }
    // Buttons the player clicked.
    int Moves() const { return moves; }
    // Random button presses that made the starting board.
    int ScramblePresses() const { return scramblePresses; }

private:
    void SetUpLevel();

    const int side;
    const int scramblePresses;
    // The picture of every square, 0 .. GridSquare::kTypes - 1.
    int type = 0;
    std::unique_ptr<SquareGrid> board;
    std::vector<SquareGrid> buttons;
    int moves = 0;
};
