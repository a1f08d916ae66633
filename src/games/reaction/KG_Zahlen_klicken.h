#pragma once

#include <string>
#include <vector>

#include "games/base/AnswerTally.h"
#include "games/base/Knobel_Game.h"
#include "games/reaction/NumberTile.h"

// Number clicking: a square grid of tiles with different numbers from 0 to
// 19, to be clicked in ascending or descending order as the line at the top
// says. A tile clicked in turn leaves the board; one clicked out of turn turns
// red and stays until its turn. A round without a wrong click is perfect. After
// each round the empty board rests for a second; the play has 10 rounds.
class KG_Zahlen_klicken : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "zahlenklicken.sav";
    static constexpr int kRounds = 10;
    // The numbers on the tiles are 0 .. kNumberRange - 1.
    static constexpr int kNumberRange = 20;

    explicit KG_Zahlen_klicken(int level);

    void OnLeftButtonDown(int x, int y) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    int GridSize() const { return gridSize; }
    bool Ascending() const { return ascending; }
    // The tiles still on the board, in the order they are to be clicked.
    const std::vector<NumberTile>& Tiles() const { return tiles; }
    int PerfectRounds() const { return rounds.right; }
    int FailedRounds() const { return rounds.wrong; }
    int WrongClicks() const { return wrongClicks; }
    // The board is empty and rests before the next round.
    bool Resting() const { return pauseTimer > 0.0; }

private:
    // Which order the rounds ask for.
    enum OrderMode { ALWAYS_ASCENDING, ALWAYS_DESCENDING, RANDOM_ORDER };

    void SetUpRound();

    const OrderMode orderMode;
    const int gridSize;
    std::vector<NumberTile> tiles;
    bool ascending = true;
    // Perfect rounds count as right, the others as wrong.
    AnswerTally rounds{kRounds};
    int wrongClicks = 0;
    bool roundClean = true;
    double pauseTimer = 0.0;
};
