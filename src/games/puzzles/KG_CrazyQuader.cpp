#include "games/puzzles/KG_CrazyQuader.h"

#include <span>

#include "app/AppState.h"
#include "app/Random.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 105;
constexpr int kHelpText = 106;
// What to do, under the time.
constexpr int kPromptText = 379;
constexpr int kScrambleText = 29;
constexpr int kMovesText = 27;
constexpr double kSecondsPerGradePoint = 240.0;

// The board: 300 pixels wide, 150 above the screen centre, 3 pixels between squares.
constexpr int kBoardSize = 300;
constexpr float kBoardRaise = 150.0f;
constexpr int kBoardGap = 3;

// Whether the square of column u, row v is lit in a button's pattern.
using Pattern = bool (*)(int u, int v);

bool Is(int u, int v, int pu, int pv) { return u == pu && v == pv; }

constexpr Pattern kPatterns3[] = {
    [](int u, int) { return u == 0; },
    [](int u, int) { return u == 2; },
    [](int, int v) { return v == 0; },
    [](int, int v) { return v == 2; },
    [](int u, int v) { return u < 2 && v < 2; },
    [](int u, int v) { return u >= 1 && v < 2; },
    [](int u, int v) { return u < 2 && v >= 1; },
    [](int u, int v) { return u >= 1 && v >= 1; },
    [](int, int) { return true; },
};

constexpr Pattern kPatterns4[] = {
    [](int u, int) { return u == 0; },
    [](int u, int) { return u == 3; },
    [](int, int v) { return v == 0; },
    [](int, int v) { return v == 3; },
    [](int u, int v) { return u < 2 && v < 2; },
    [](int u, int v) { return u >= 2 && v < 2; },
    [](int u, int v) { return u < 2 && v >= 2; },
    [](int u, int v) { return u >= 2 && v >= 2; },
    [](int u, int v) { return u >= 1 && u <= 2 && v >= 1 && v <= 2; },
    [](int u, int v) { return u == v; },
    [](int u, int v) { return u + v == 3; },
    [](int, int) { return true; },
};

constexpr Pattern kPatterns5[] = {
    [](int u, int) { return u == 0; },
    [](int u, int) { return u == 4; },
    [](int, int v) { return v == 0; },
    [](int, int v) { return v == 4; },
    [](int u, int v) { return u < 2 && v < 2; },
    [](int u, int v) { return u >= 3 && v < 2; },
    [](int u, int v) { return u < 2 && v >= 3; },
    [](int u, int v) { return u >= 3 && v >= 3; },
    [](int u, int v) { return Is(u, v, 0, 0) || Is(u, v, 4, 4); },
    [](int u, int v) { return Is(u, v, 4, 0) || Is(u, v, 0, 4); },
    [](int u, int v) { return u == 1 && v >= 1 && v <= 3; },
    [](int u, int v) { return u == 3 && v >= 1 && v <= 3; },
    [](int u, int v) { return v == 1 && u >= 1 && u <= 3; },
    [](int u, int v) { return v == 3 && u >= 1 && u <= 3; },
    [](int u, int v) { return (u == 2 && v >= 1 && v <= 3) || Is(u, v, 1, 2); },
    [](int u, int v) { return (u == 2 && v >= 1 && v <= 3) || Is(u, v, 3, 2); },
    [](int u, int v) { return (v == 2 && u >= 1 && u <= 3) || Is(u, v, 2, 1); },
    [](int u, int v) { return (v == 2 && u >= 1 && u <= 3) || Is(u, v, 2, 3); },
    [](int u, int v) { return Is(u, v, 2, 1) || Is(u, v, 2, 3) || Is(u, v, 1, 2) || Is(u, v, 3, 2); },
    [](int u, int v) { return Is(u, v, 1, 1) || Is(u, v, 3, 3) || Is(u, v, 1, 3) || Is(u, v, 3, 1); },
    [](int u, int v) { return Is(u, v, 1, 1) || Is(u, v, 3, 3); },
    [](int u, int v) { return Is(u, v, 1, 3) || Is(u, v, 3, 1); },
    [](int u, int) { return u == 2; },
    [](int, int v) { return v == 2; },
    [](int u, int v) { return u < 3 && v < 3; },
    [](int u, int v) { return u >= 2 && v < 3; },
    [](int u, int v) { return u < 3 && v >= 2; },
    [](int u, int v) { return u >= 2 && v >= 2; },
    [](int u, int v) {
        return ((u == 1 || u == 3) && (v == 0 || v == 4)) || ((v == 1 || v == 3) && (u == 0 || u == 4));
    },
    [](int, int) { return true; },
};

// A row of buttons: how far below the first row it lies, and how many it holds.
struct ButtonRow {
    float below;
    int count;
};

struct LevelLayout {
    int side;
    int scramblePresses;
    int buttonSize;  // the side of a button in pixels
    int buttonGap;   // pixels between the squares of a button
    std::span<const ButtonRow> rows;
    std::span<const Pattern> patterns;  // row by row, from the left
};

constexpr ButtonRow kRows3[] = {{0.0f, 5}, {150.0f, 4}};
constexpr ButtonRow kRows4[] = {{0.0f, 6}, {100.0f, 6}};
constexpr ButtonRow kRows5[] = {{0.0f, 10}, {75.0f, 10}, {150.0f, 10}};

constexpr LevelLayout kLayouts[] = {
    {3, 40, 100, 3, kRows3, kPatterns3},
    {4, 30, 75, 0, kRows4, kPatterns4},
    {5, 20, 50, 0, kRows5, kPatterns5},
};

}  // namespace

KG_CrazyQuader::KG_CrazyQuader(int level)
    : Knobel_Game(level, kSaveFile),
      side(kLayouts[this->level].side),
      scramblePresses(kLayouts[this->level].scramblePresses) {
    SeedRandom(TimeSeed());
    type = Random() % GridSquare::kTypes;
    SetUpLevel();
}

KG_CrazyQuader::~KG_CrazyQuader() = default;

// The board and the buttons of the level, then the board scrambled by random
// presses of the buttons.
void KG_CrazyQuader::SetUpLevel() {
    const LevelLayout& layout = kLayouts[level];
    const float width = static_cast<float>(app->screenWidth);
    const Vec2 boardCentre{width / 2, static_cast<float>(app->screenHeight) / 2 - kBoardRaise};
    board = std::make_unique<SquareGrid>(false, side, type, kBoardSize, boardCentre, kBoardGap);

    // Every row spans from an eighth of the screen width to seven eighths.
    const float firstX = width / 8;
    const float firstY = static_cast<float>(2 * app->screenHeight / 3);
    buttons.clear();
    size_t next = 0;
    for (const ButtonRow& row : layout.rows) {
        const float step = width * 3 / 4 / static_cast<float>(row.count - 1);
        Vec2 centre{firstX, firstY + row.below};
        for (int i = 0; i < row.count && next < layout.patterns.size(); ++i, ++next) {
            SquareGrid& button = buttons.emplace_back(false, side, type, layout.buttonSize, centre, layout.buttonGap);
            for (int u = 0; u < side; ++u) {
                for (int v = 0; v < side; ++v) {
                    button.SetSquare(u, v, layout.patterns[next](u, v));
                }
            }
            centre.x += step;
        }
    }

    // Presses that undo each other can leave the board solved: then it is
    // scrambled on until it is not.
    for (int i = 0; i < scramblePresses || board->LitCount() == 0; ++i) {
        const size_t k = static_cast<size_t>(Random()) % buttons.size();
        board->Combine(buttons[k], true);
    }
}

void KG_CrazyQuader::OnLeftButtonDown(int x, int y) {
    if (!IsRunning()) {
        return;
    }
    const float px = static_cast<float>(x);
    const float py = static_cast<float>(y);
    for (const SquareGrid& button : buttons) {
        if (button.Hit(px, py)) {
            board->Combine(button, true);
            ++moves;
            // Only a click can win: a board scrambled back to all unlit plays on.
            if (board->LitCount() == 0) {
                SetState(STATE_FINISHED);
            }
            return;
        }
    }
}

void KG_CrazyQuader::Update() {
    if (IsStarted()) {
        AddPlayTime(app->frameTime);
    }
    AddRecordsTime(app->frameTime);
}

void KG_CrazyQuader::Render() {
    if (!IsRunning()) {
        return;
    }
    DrawTimePanel(GetTextOrEmpty(kPromptText));
    for (const SquareGrid& button : buttons) {
        button.Draw();
    }
    board->Draw();
}

const std::string& KG_CrazyQuader::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_CrazyQuader::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_CrazyQuader::GetResultText() {
    resultText = PlayTimeText() + "\n" + FormatText(kScrambleText, scramblePresses) + "\n" +
                 FormatText(kMovesText, moves) + "\n\n" + GradeText();
    return resultText;
}

void KG_CrazyQuader::ComputeGrade() {
    if (GetState() != STATE_FINISHED) {
        SetGrade(kWorstGrade);
        return;
    }
    SetGrade(static_cast<double>(moves) / scramblePresses + 1.0 + GetPlaySeconds() / kSecondsPerGradePoint);
}
