#pragma once

#include <string>
#include <vector>

#include "games/base/Knobel_Game.h"
#include "games/base/SquareGrid.h"


// The square recall game: 5 or 6 random patterns of lit squares (3 x 3 or
// 4 x 4 by level) are shown one after another; then the player rebuilds them
// on empty grids, one grid per pattern, switching squares by clicking and
// going on with Enter. Every shown pattern that one of the answers
// reproduces, in any order, counts as right. Saves to "quadrate.sav".
class KG_Quadrat_merken : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "quadrate.sav";
    static constexpr int kEnterKey = 13;
    // How long the first pattern is shown; the others stay for the level's show time.
    static constexpr double kFirstShowSeconds = 2.0;

    explicit KG_Quadrat_merken(int level);

    // Switches a square of the answer grid being filled.
    void OnLeftButtonDown(int x, int y) override;
    // Enter takes the answer grid being filled and goes on to the next.
    void OnKeyUp(uint16_t key) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    int PatternCount() const { return static_cast<int>(patterns.size()); }
    const SquareGrid& Pattern(int index) const { return patterns.at(static_cast<size_t>(index)); }
    const SquareGrid& Answer(int index) const { return answers.at(static_cast<size_t>(index)); }
    int Position() const { return position; }
    bool IsShowing() const { return showing; }
    double ShowSeconds() const { return showSeconds; }
    // The patterns that at least one answer grid reproduces.
    int CorrectCount() const;

private:
    std::vector<SquareGrid> patterns;
    std::vector<SquareGrid> answers;
    int position = 0;
    bool showing = true;
    double stepTimer = kFirstShowSeconds;
    double showSeconds;
};
