#include "games/numbers/KG_Sudoku9x9.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 14;
constexpr int kHelpText = 75;
// What to do, under the time.
constexpr int kPromptText = 377;
constexpr int kMistakesText = 40;
constexpr int kSecondsPerMoveText = 41;
constexpr int kHolesByLevel[] = {10, 20, 30};
constexpr int kPermutationShuffles = 20;
constexpr double kSecondsPerGradeStep = 180.0;

}  // namespace

KG_Sudoku9x9::KG_Sudoku9x9(int level) : Knobel_Game(level, kSaveFile), holes(kHolesByLevel[this->level]) {
    // The game's own font, shared through the renderer (the digits use the menu's first font).
    textRenderer->AddFont("Arial", 30);
    SeedRandom(TimeSeed());
    PlaceCells();
    FillSolution();
    MakeHoles();
}

void KG_Sudoku9x9::PlaceCells() {
    const int step = kCellSize;
    float x = static_cast<float>(static_cast<int>(app->screenWidth / 2.0 - 4 * step - kBoxGap - step / 2.0));
    for (int column = 0; column < kGridSize; ++column) {
        float y = static_cast<float>(static_cast<int>(app->screenHeight / 2.0 - 4 * step - kBoxGap - step / 2.0));
        for (int row = 0; row < kGridSize; ++row) {
            cells[column][row] = SudokuCell(x, y, kCellSize);
            y += step;
            if ((row + 1) % 3 == 0) {
                y += kBoxGap;
            }
        }
        x += step;
        if ((column + 1) % 3 == 0) {
            x += kBoxGap;
        }
    }
}

// Three triples of a shuffled 1..9 fill the rows in a shifting pattern: each
// row takes the triples one place further round, and after rows 0, 3 and 6
// every triple also turns its digits one place left.
void KG_Sudoku9x9::FillSolution() {
    std::vector<int> digits{1, 2, 3, 4, 5, 6, 7, 8, 9};
    for (int i = 0; i < kPermutationShuffles; ++i) {
        const int from = Random() % 9;
        const int moved = digits[from];
        digits.erase(digits.begin() + from);
        const int to = Random() % 8;
        digits.insert(digits.begin() + to, moved);
    }

    std::array<std::array<int, 3>, 3> triples{};
    for (int t = 0; t < 3; ++t) {
        for (int k = 0; k < 3; ++k) {
            triples[t][k] = digits[3 * t + k];
        }
    }
    std::array<int, 3> order{0, 1, 2};  // which triple X, Y and Z refer to
    for (int row = 0; row < kGridSize; ++row) {
        for (int column = 0; column < kGridSize; ++column) {
            cells[column][row].SetValue(triples[order[column / 3]][column % 3]);
        }
        std::rotate(order.begin(), order.begin() + 1, order.end());
        if (row % 3 == 0) {
            for (auto& triple : triples) {
                std::rotate(triple.begin(), triple.begin() + 1, triple.end());
            }
        }
    }
}

void KG_Sudoku9x9::MakeHoles() {
    int made = 0;
    while (made < holes) {
        const int column = Random() % 9;
        const int row = Random() % 9;
        SudokuCell& cell = cells[column][row];
        if (cell.GetValue() != SudokuCell::kEmpty) {
            cell.SetValue(SudokuCell::kEmpty);
            cell.SetFixed(false);
            ++made;
        }
    }
}

void KG_Sudoku9x9::OnLeftButtonUp(int x, int y) {
    if (!IsRunning()) {
        return;
    }
    for (auto& column : cells) {
        for (auto& cell : column) {
            if (cell.HitTest(x, y) && !cell.GetFixed()) {
                selectedCell = &cell;
            }
        }
    }
}

void KG_Sudoku9x9::OnKeyUp(uint16_t key) {
    if (selectedCell == nullptr || !IsRunning() || selectedCell->GetFixed()) {
        return;
    }
    selectedCell->SetValue(key >= '1' && key <= '9' ? key - '0' : SudokuCell::kEmpty);
    const bool wasConflictFree = IsConflictFree();
    CheckGrid();
    if (wasConflictFree && !IsConflictFree()) {
        ++mistakes;
    }
    ++moves;
}

void KG_Sudoku9x9::CheckGrid() {
    solved = true;
    conflictCells.clear();
    for (auto& column : cells) {
        for (auto& cell : column) {
            cell.SetValid(true);
        }
    }
    std::array<SudokuCell*, kGridSize> group{};
    for (int i = 0; i < kGridSize; ++i) {
        for (int k = 0; k < kGridSize; ++k) {
            group[k] = &cells[i][k];
        }
        CheckGroup(group);
        for (int k = 0; k < kGridSize; ++k) {
            group[k] = &cells[k][i];
        }
        CheckGroup(group);
    }
    for (int box = 0; box < kGridSize; ++box) {
        const int left = 3 * (box % 3);
        const int top = 3 * (box / 3);
        for (int k = 0; k < kGridSize; ++k) {
            group[k] = &cells[left + k % 3][top + k / 3];
        }
        CheckGroup(group);
    }
}

void KG_Sudoku9x9::CheckGroup(const std::array<SudokuCell*, kGridSize>& group) {
    std::array<int, kGridSize + 1> counts{};
    for (const SudokuCell* cell : group) {
        const int value = cell->GetValue();
        if (value >= 1 && value <= kGridSize) {
            ++counts[value];
        } else {
            solved = false;
        }
    }
    for (SudokuCell* cell : group) {
        const int value = cell->GetValue();
        if (value < 1 || value > kGridSize || counts[value] < 2) {
            continue;
        }
        cell->SetValid(false);
        if (std::find(conflictCells.begin(), conflictCells.end(), cell) == conflictCells.end()) {
            conflictCells.push_back(cell);
        }
        solved = false;
    }
}

void KG_Sudoku9x9::Update() {
    if (IsStarted()) {
        if (solved) {
            SetState(STATE_FINISHED);
        }
        AddPlayTime(app->frameTime);
    }
    AddRecordsTime(app->frameTime);
}

void KG_Sudoku9x9::Render() {
    if (IsRunning()) {
        DrawTimePanel(GetTextOrEmpty(kPromptText));
    }
    for (const auto& column : cells) {
        for (const auto& cell : column) {
            cell.Draw(&cell == selectedCell);
        }
    }
}

const std::string& KG_Sudoku9x9::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Sudoku9x9::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Sudoku9x9::GetResultText() {
    const double secondsPerMove = moves > 0 ? GetPlaySeconds() / moves : 0.0;
    resultText = PlayTimeText() + "\n" + FormatText(kMistakesText, mistakes) + "\n" +
                 FormatText(kSecondsPerMoveText, secondsPerMove) + "\n\n" + GradeText();
    return resultText;
}

int KG_Sudoku9x9::EmptyCellCount() const {
    int empty = 0;
    for (const auto& column : cells) {
        empty += static_cast<int>(std::count_if(column.begin(), column.end(), [](const SudokuCell& cell) {
            return cell.GetValue() == SudokuCell::kEmpty;
        }));
    }
    return empty;
}

void KG_Sudoku9x9::ComputeGrade() {
    const double timeTerm = GetPlaySeconds() / kSecondsPerGradeStep;
    const auto finishedGrade = [&](int mistakeCount) {
        return static_cast<double>(mistakeCount) / holes + 1.0 + timeTerm;
    };
    if (GetState() == STATE_FINISHED) {
        SetGrade(finishedGrade(mistakes));
        return;
    }
    const int open = EmptyCellCount() + static_cast<int>(conflictCells.size());
    const double unsolved = std::clamp(static_cast<double>(open) / holes, 0.0, 1.0);
    // Breaking off never grades better than finishing with a mistake in every
    // cell still empty or in conflict.
    SetGrade(std::max(unsolved * 5.0 + 1.0 + timeTerm, finishedGrade(mistakes + open)));
}
