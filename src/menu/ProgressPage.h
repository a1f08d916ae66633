#pragma once

#include <string>
#include <vector>

#include "games/base/PlayHistory.h"
#include "games/base/ProgressChart.h"
#include "menu/GameTable.h"

class Font;
class TextRenderer;
struct AppState;

// The content of the progress page: a chooser of the games and the tests, and
// the chosen one's grades over time as a chart with its figures below.
class ProgressPage {
public:
    // The games in the list's order, then the tests.
    static constexpr int kChoices = kGameCount + 1;
    static constexpr int kTestsChoice = kGameCount;
    // The chart's box on the 800 x 600 panel.
    static constexpr progress::Box kChartBox{90.0f, 145.0f, 740.0f, 415.0f};

    // Reads the history anew and chooses what was played last (the first game
    // while there is nothing).
    void Open();
    // Steps the chooser by delta, round the ends.
    void Step(int delta);

    int Choice() const { return choice; }
    // The history name of the choice: a game's save file or the tests' name.
    std::string ChoiceKey() const;
    // The plays of the choice and their figures.
    const std::vector<history::Play>& Plays() const { return plays; }
    const progress::Summary& Figures() const { return summary; }

    // Draws the content on the panel whose top-left corner is at (x, y).
    void Draw(AppState& app, TextRenderer& text, Font* font30, Font* font20, float x, float y) const;

private:
    void Choose(int index);
    void DrawChart(AppState& app, TextRenderer& text, Font* font20, float x, float y) const;
    void DrawFigures(AppState& app, TextRenderer& text, Font* font30, Font* font20, float x, float y) const;

    std::vector<history::Play> all;
    std::vector<history::Play> plays;
    progress::Summary summary;
    // In the panel's own coordinates: drawing only moves it to the panel.
    progress::Chart chart;
    std::string since;
    int choice = 0;
};
