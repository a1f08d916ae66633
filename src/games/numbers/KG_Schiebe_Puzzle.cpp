#include "games/numbers/KG_Schiebe_Puzzle.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/AppState.h"
#include "app/Random.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 17;
constexpr int kHelpText = 74;
// What to do, under the time.
constexpr int kPromptText = 378;
constexpr int kMovesText = 27;
constexpr int kInvalidClicksText = 28;
constexpr int kShuffleMovesText = 29;
constexpr int kGridSizeByLevel[] = {3, 4, 5};
constexpr int kShuffleMovesByLevel[] = {50, 100, 150};
constexpr int kGridWidth = 400;
constexpr int kSpacing = 3;
constexpr int kGridOffset = 20;
constexpr int kListShuffles = 10;
constexpr int kPictures = 3;
// Column and row steps of the gap for the four directions.
constexpr int kColumnStep[] = {1, -1, 0, 0};
constexpr int kRowStep[] = {0, 0, 1, -1};
// The direction that would undo each direction.
constexpr int kReverse[] = {1, 0, 3, 2};

}  // namespace

KG_Schiebe_Puzzle::KG_Schiebe_Puzzle(int level)
    : Knobel_Game(level, kSaveFile),
      gridSize(kGridSizeByLevel[this->level]),
      shuffleMoves(kShuffleMovesByLevel[this->level]) {
    const int n = gridSize;
    const int tileSize = (kGridWidth - kSpacing * n) / n;
    const int spacing = tileSize + kSpacing;
    const int picture = Random() % kPictures;
    const int w = app->screenWidth;
    const int h = app->screenHeight;
    playing.resize(n * n);
    model.resize(n * n);
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const bool empty = i == n - 1 && j == n - 1;
            const float y = static_cast<float>(h / 2 - kGridWidth / 2 + spacing * j);
            playing[Index(i, j)] = PuzzleTile(static_cast<float>(w / 2 - kGridWidth + spacing * i - kGridOffset), y,
                                              static_cast<float>(tileSize), i, j, n, picture, empty);
            model[Index(i, j)] = PuzzleTile(static_cast<float>(w / 2 + spacing * i + kGridOffset), y,
                                            static_cast<float>(tileSize), i, j, n, picture, empty);
        }
    }

    int gapColumn = n - 1;
    int gapRow = n - 1;
    int lastDirection = 1;
    for (int step = 0; step < shuffleMoves; ++step) {
        ShuffleStep(gapColumn, gapRow, lastDirection);
    }
    // A walk can lead back to the solved picture; it goes on until it leaves it.
    while (IsSolvedGrid()) {
        ShuffleStep(gapColumn, gapRow, lastDirection);
    }
}

void KG_Schiebe_Puzzle::ShuffleStep(int& gapColumn, int& gapRow, int& lastDirection) {
    std::array<int, kDirections> directions{0, 1, 2, 3};
    for (int i = 0; i < kListShuffles; ++i) {
        const int index = Random() % kDirections;
        std::rotate(directions.begin() + index, directions.begin() + index + 1, directions.end());
    }
    for (const int direction : directions) {
        const int column = gapColumn + kColumnStep[direction];
        const int row = gapRow + kRowStep[direction];
        if (kReverse[direction] == lastDirection || !Inside(column, row)) {
            continue;
        }
        Slide(gapColumn, gapRow, column, row);
        gapColumn = column;
        gapRow = row;
        lastDirection = direction;
        shuffleWalk.push_back(direction);
        return;
    }
}

bool KG_Schiebe_Puzzle::Inside(int column, int row) const {
    return column >= 0 && column < gridSize && row >= 0 && row < gridSize;
}

bool KG_Schiebe_Puzzle::Slide(int column, int row, int otherColumn, int otherRow) {
    if (!Inside(column, row) || !Inside(otherColumn, otherRow)) {
        return false;
    }
    PuzzleTile& a = playing[Index(column, row)];
    PuzzleTile& b = playing[Index(otherColumn, otherRow)];
    if (!a.IsEmpty() && !b.IsEmpty()) {
        return false;
    }
    const float aX = a.TargetX();
    const float aY = a.TargetY();
    a.SetTarget(b.TargetX(), b.TargetY(), PuzzleTile::kGlideSpeed);
    b.SetTarget(aX, aY, PuzzleTile::kGlideSpeed);
    std::swap(a, b);
    return true;
}

bool KG_Schiebe_Puzzle::IsSolvedGrid() const { return MisplacedCount() == 0; }

int KG_Schiebe_Puzzle::MisplacedCount() const {
    int misplaced = 0;
    for (int i = 0; i < gridSize; ++i) {
        for (int j = 0; j < gridSize; ++j) {
            if (!PlayingTile(i, j).IsHome(i, j)) {
                ++misplaced;
            }
        }
    }
    return misplaced;
}

void KG_Schiebe_Puzzle::OnLeftButtonUp(int x, int y) {
    if (!IsRunning()) {
        return;
    }
    for (int i = 0; i < gridSize; ++i) {
        for (int j = 0; j < gridSize; ++j) {
            if (!PlayingTile(i, j).HitTest(x, y)) {
                continue;
            }
            if (Slide(i, j, i + 1, j) || Slide(i, j, i - 1, j) || Slide(i, j, i, j + 1) || Slide(i, j, i, j - 1)) {
                ++moves;
            } else {
                ++invalidClicks;
            }
            return;
        }
    }
}

void KG_Schiebe_Puzzle::Update() {
    for (PuzzleTile& tile : playing) {
        tile.Glide(app->rawFrameTime);
    }
    if (IsSolvedGrid()) {
        SetState(STATE_FINISHED);
    }
    if (IsStarted()) {
        AddPlayTime(app->frameTime);
    }
    AddRecordsTime(app->frameTime);
}

void KG_Schiebe_Puzzle::Render() {
    for (int i = 0; i < gridSize; ++i) {
        for (int j = 0; j < gridSize; ++j) {
            PlayingTile(i, j).Draw();
            ModelTile(i, j).Draw();
        }
    }
    if (IsRunning()) {
        DrawTimePanel(GetTextOrEmpty(kPromptText));
    }
}

const std::string& KG_Schiebe_Puzzle::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Schiebe_Puzzle::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Schiebe_Puzzle::GetResultText() {
    resultText = PlayTimeText() + "\n" + FormatText(kShuffleMovesText, shuffleMoves) + "\n" +
                 FormatText(kMovesText, moves) + "\n" + FormatText(kInvalidClicksText, invalidClicks) + "\n\n" +
                 GradeText();
    return resultText;
}

void KG_Schiebe_Puzzle::ComputeGrade() {
    const double seconds = GetPlaySeconds();
    const double invalidTerm = invalidClicks / 10.0;
    // A finish needs at least the moves and the time spent so far.
    const double finishedGrade = moves / (2.0 * shuffleMoves) + 1.0 + seconds / 240.0 + invalidTerm;
    if (GetState() == STATE_FINISHED) {
        SetGrade(finishedGrade);
        return;
    }
    if (moves == 0) {
        // Nothing tried is nothing achieved, however few tiles the shuffle moved.
        SetGrade(kWorstGrade);
        return;
    }
    const double misplaced = static_cast<double>(MisplacedCount()) / (gridSize * gridSize);
    // Breaking off never grades better than a finish would.
    SetGrade(std::max(finishedGrade, misplaced * 5.0 + 1.0 + seconds / 120.0 + invalidTerm));
}
