#pragma once

#include <memory>
#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "games/puzzles/Peg.h"
#include "games/puzzles/PegHole.h"
#include "games/puzzles/PegScore.h"

// The code-breaking game: a hidden row of 4 or 5 coloured pegs (6 colours,
// repeats allowed) is to be found in 8 guesses. The player carries pegs with
// the mouse from the palette at the bottom into the holes of the current row
// and clicks the row's score box; black score pegs count right colours in the
// right place, white ones right colours elsewhere. On the easy level each
// score peg sits at the place of the peg it judges. An all-black row wins;
// a row left unsolved after the last guess loses. For two seconds after the
// end the code is shown. Saves to "mindmaster.sav"; plays no sounds.
class KG_MMaster : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "mindmaster.sav";
    // Seconds the code is shown after the last scored row.
    static constexpr double kEndSeconds = 2.0;

    explicit KG_MMaster(int level);
    ~KG_MMaster() override = default;

    // Carries the peg in hand along with the mouse.
    void OnMouseMove(int x, int y) override;
    // Picks up a palette peg or a peg of the current row, or scores the row.
    void OnLeftButtonDown(int x, int y) override;
    // Drops the peg in hand into a free hole of the current row, else back
    // onto the palette.
    void OnLeftButtonUp(int x, int y) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    int CodeLength() const { return codeLength; }
    int RowCount() const { return rowCount; }
    bool IsPositional() const { return positional; }
    // The row being filled, which is also the number of guesses scored.
    int CurrentRow() const { return currentRow; }
    int CodeColour(int position) const { return codeHoles.at(static_cast<size_t>(position)).Colour(); }
    const PegHole& CodeHole(int position) const { return codeHoles.at(static_cast<size_t>(position)); }
    const PegHole& Hole(int row, int position) const {
        return guessRows.at(static_cast<size_t>(row)).at(static_cast<size_t>(position));
    }
    const PegScore& Score(int row) const { return scores.at(static_cast<size_t>(row)); }
    const std::vector<std::unique_ptr<Peg>>& Palette() const { return palette; }
    const Peg* PegInHand() const { return inHand.get(); }
    double EndTimer() const { return endTimer; }
    bool IsSolved() const { return solved; }

private:
    // Input counts only while the game runs and before the code is shown.
    bool AcceptsInput() const { return IsRunning() && endTimer == 0.0 && currentRow < rowCount; }
    // Puts the peg in hand (if any) back onto the palette.
    void ReturnPegInHand();
    // Lines the palette up at the bottom and adds a peg of each colour missing.
    void ArrangePalette();
    void ScoreCurrentRow();
    bool CurrentRowFull() const;

    int codeLength;
    int rowCount;
    bool positional;
    int currentRow = 0;
    int lastMouseX = 0;
    int lastMouseY = 0;
    double endTimer = 0.0;
    bool solved = false;
    std::vector<PegHole> codeHoles;
    // Row 0 is the lowest.
    std::vector<std::vector<PegHole>> guessRows;
    std::vector<PegScore> scores;
    std::vector<std::unique_ptr<Peg>> palette;
    // The peg being dragged, from a press on it to the release.
    std::unique_ptr<Peg> inHand;
};
