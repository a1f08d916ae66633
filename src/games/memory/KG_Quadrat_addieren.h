#pragma once

#include <string>
#include <vector>

#include "games/base/AnswerTally.h"
#include "games/base/GridSquare.h"
#include "games/base/Knobel_Game.h"
#include "games/base/SquareGrid.h"

// The square adding game: two or three random patterns of lit squares stand
// side by side with "+" between them; below them four answers (a) to (d). The
// player clicks the answer that lights every square lit in any of the
// patterns, never all of them; the wrong answers light as many squares,
// placed otherwise. After each answer the right one is shown alone for a second, then
// the next task comes; a play has 10 tasks. Saves to "addieren.sav".
class KG_Quadrat_addieren : public Knobel_Game {
public:
    static constexpr const char* kSaveFile = "addieren.sav";
    static constexpr int kAnswerCount = 4;
    static constexpr int kRounds = 10;
    // How long the right answer is shown after a click.
    static constexpr double kResultSeconds = 1.0;

    explicit KG_Quadrat_addieren(int level);

    // Takes the answer grid under the point.
    void OnLeftButtonDown(int x, int y) override;
    void Update() override;
    void Render() override;

    const std::string& GetHelpText() override;
    const std::string& GetResultText() override;
    const std::string& GetTitle() override;
    void ComputeGrade() override;

    int AddendCount() const { return static_cast<int>(addends.size()); }
    const SquareGrid& Addend(int index) const { return addends.at(static_cast<size_t>(index)); }
    const SquareGrid& Answer(int index) const { return answers.at(static_cast<size_t>(index)); }
    // The index of the right answer among the four.
    int SumIndex() const { return sumIndex; }
    const std::vector<Vec2>& PlusPositions() const { return plusPositions; }
    int Right() const { return tally.right; }
    int Wrong() const { return tally.wrong; }
    double ResultTimer() const { return resultTimer; }
    bool LastAnswerRight() const { return lastAnswerRight; }

private:
    // Builds a new task: the four answers (the right one the union of the
    // addends, built with them), then the addends left to right.
    void SetUpTask();
    // The wrong answers, made from the sum.
    void MakeDecoys();
    // Moves a random lit square of the grid to a random unlit place.
    void MoveSquare(SquareGrid& grid) const;
    // The verdict's tick or cross beside an answer.
    static void DrawMarkBesideGrid(bool right, const SquareGrid& grid);

    std::vector<SquareGrid> addends;
    std::vector<SquareGrid> answers;
    std::vector<Vec2> plusPositions;
    std::vector<Vec2> labelPositions;
    int sumIndex = 0;
    int side;
    int addendCount;
    int type = 0;
    AnswerTally tally{kRounds};
    double resultTimer = 0.0;
    bool lastAnswerRight = false;
    int chosenIndex = 0;
    GridSquare litSample;
    GridSquare unlitSample;
};
