#include "games/puzzles/KG_MMaster.h"

#include <algorithm>
#include <array>
#include <utility>

#include "app/AppState.h"
#include "app/Random.h"
#include "games/puzzles/CodeScore.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 125;
constexpr int kHelpText = 126;
// The rows guessed, on the result page.
constexpr int kGuessesText = 386;
// What to do, under the time.
constexpr int kPromptText = 376;
constexpr int kRows = 8;
constexpr int kCodeLengthByLevel[] = {4, 4, 5};
constexpr double kColumnStep = 52.0;
constexpr double kRowStep = 55.0;
// Room between the last hole of a row and its score box.
constexpr double kScoreGap = 10.0;
constexpr int kPaletteStep = 50;
constexpr int kPaletteAboveBottom = 70;
// Guesses that cost nothing in the grade of a solved code.
constexpr int kFreeGuesses = 3;

}  // namespace

KG_MMaster::KG_MMaster(int level)
    : Knobel_Game(level, kSaveFile),
      codeLength(kCodeLengthByLevel[this->level]),
      rowCount(kRows),
      positional(this->level == 0) {
    const double baseY = app->screenHeight / 2 + (rowCount / 2) * kRowStep - kRowStep / 2;
    const double baseX = app->screenWidth / 2 - (codeLength / 2) * kColumnStep - kColumnStep / 2;
    const auto holeX = [&](int j) { return static_cast<float>(baseX + kColumnStep * (j + 1)); };
    for (int r = 0; r < rowCount; ++r) {
        const float y = static_cast<float>(baseY - kRowStep * r);
        std::vector<PegHole> row;
        for (int j = 0; j < codeLength; ++j) {
            row.emplace_back(holeX(j), y);
        }
        guessRows.push_back(std::move(row));
        scores.emplace_back(static_cast<float>(baseX + kColumnStep * (codeLength + 1) + kScoreGap), y);
    }
    const float codeY = static_cast<float>(baseY - kRowStep * (rowCount + 0.5));
    for (int j = 0; j < codeLength; ++j) {
        codeHoles.emplace_back(holeX(j), codeY);
        codeHoles.back().Put(std::make_unique<Peg>(holeX(j), codeY, Random() % Peg::kCodeColours));
    }
}

void KG_MMaster::ReturnPegInHand() {
    if (inHand == nullptr) {
        return;
    }
    // The palette holds one peg of each colour: a peg taken out of a hole,
    // whose colour the palette has again, goes back to the heap.
    const int colour = inHand->Colour();
    if (std::none_of(palette.begin(), palette.end(), [&](const auto& peg) { return peg->Colour() == colour; })) {
        palette.push_back(std::move(inHand));
    }
    inHand.reset();
}

void KG_MMaster::OnMouseMove(int x, int y) {
    if (!AcceptsInput() || inHand == nullptr) {
        return;
    }
    inHand->MoveTarget(static_cast<float>(x - lastMouseX), static_cast<float>(y - lastMouseY));
    lastMouseX = x;
    lastMouseY = y;
}

void KG_MMaster::OnLeftButtonDown(int x, int y) {
    if (!AcceptsInput()) {
        return;
    }
    lastMouseX = x;
    lastMouseY = y;
    // A peg still held (its release went elsewhere) is never lost.
    ReturnPegInHand();

    const auto picked = std::find_if(palette.begin(), palette.end(), [&](const auto& peg) { return peg->HitTest(x, y); });
    if (picked != palette.end()) {
        inHand = std::move(*picked);
        palette.erase(picked);
        return;
    }
    std::vector<PegHole>& row = guessRows[static_cast<size_t>(currentRow)];
    for (PegHole& hole : row) {
        if (hole.HitTest(x, y)) {
            inHand = hole.Take();
            return;
        }
    }
    if (CurrentRowFull() && scores[static_cast<size_t>(currentRow)].HitTest(x, y)) {
        ScoreCurrentRow();
    }
}

void KG_MMaster::OnLeftButtonUp(int x, int y) {
    if (inHand == nullptr) {
        return;
    }
    if (AcceptsInput()) {
        for (PegHole& hole : guessRows[static_cast<size_t>(currentRow)]) {
            if (hole.HitTest(x, y)) {
                inHand = hole.Put(std::move(inHand));
                break;
            }
        }
    }
    ReturnPegInHand();
}

bool KG_MMaster::CurrentRowFull() const {
    const std::vector<PegHole>& row = guessRows[static_cast<size_t>(currentRow)];
    return std::all_of(row.begin(), row.end(), [](const PegHole& hole) { return hole.IsFull(); });
}

void KG_MMaster::ScoreCurrentRow() {
    std::vector<int> code;
    std::vector<int> guess;
    for (int j = 0; j < codeLength; ++j) {
        code.push_back(CodeColour(j));
        guess.push_back(Hole(currentRow, j).Colour());
    }
    PegScore& score = scores[static_cast<size_t>(currentRow)];
    for (const ScoreMark& mark : ScoreGuess(code, guess)) {
        const int place = positional ? mark.position : -1;
        if (mark.black) {
            score.AddBlack(place);
        } else {
            score.AddWhite(place);
        }
    }
    ++currentRow;
    if (score.Blacks() == codeLength) {
        endTimer = kEndSeconds;
        solved = true;
    } else if (currentRow >= rowCount) {
        endTimer = kEndSeconds;
        solved = false;
    }
}

void KG_MMaster::ArrangePalette() {
    std::array<bool, Peg::kCodeColours> present{};
    const auto mark = [&](const Peg* peg) {
        if (peg != nullptr && peg->Colour() >= 0 && peg->Colour() < Peg::kCodeColours) {
            present[static_cast<size_t>(peg->Colour())] = true;
        }
    };
    for (const auto& peg : palette) {
        mark(peg.get());
    }
    mark(inHand.get());

    const int count = static_cast<int>(palette.size());
    const float y = static_cast<float>(app->screenHeight - kPaletteAboveBottom);
    for (int i = 0; i < count; ++i) {
        const int x = app->screenWidth / 2 - (count / 2) * kPaletteStep + kPaletteStep * i;
        palette[static_cast<size_t>(i)]->SetTarget(static_cast<float>(x), y);
    }
    for (int colour = 0; colour < Peg::kCodeColours; ++colour) {
        if (!present[static_cast<size_t>(colour)]) {
            palette.push_back(std::make_unique<Peg>(static_cast<float>(app->screenWidth / 2),
                                                    static_cast<float>(app->screenHeight), colour));
        }
    }
}

void KG_MMaster::Update() {
    const double seconds = app->frameTime;
    AddRecordsTime(seconds);
    if (!IsStarted()) {
        return;
    }
    if (endTimer > 0.0) {
        endTimer -= seconds;
        if (endTimer <= 0.0) {
            SetState(solved ? STATE_FINISHED : STATE_FAILED);
        }
    }
    AddPlayTime(seconds);

    ArrangePalette();
    for (const auto& peg : palette) {
        peg->Glide(seconds);
    }
    if (inHand != nullptr) {
        inHand->Glide(seconds);
    }
    for (std::vector<PegHole>& row : guessRows) {
        for (PegHole& hole : row) {
            hole.Glide(seconds);
        }
    }
    for (PegScore& score : scores) {
        score.Glide(seconds);
    }
}

void KG_MMaster::Render() {
    if (!IsStarted()) {
        return;
    }
    if (GetState() == STATE_RUNNING) {
        DrawTimePanel(GetTextOrEmpty(kPromptText));
    }
    if (endTimer > 0.0) {
        for (const PegHole& hole : codeHoles) {
            hole.Draw(true);
        }
    }
    // Once the code is found or the rows are used up, no row waits for a guess.
    const int openRow = endTimer > 0.0 || GetState() != STATE_RUNNING ? -1 : currentRow;
    for (int r = 0; r < rowCount; ++r) {
        for (const PegHole& hole : guessRows[static_cast<size_t>(r)]) {
            hole.Draw(r == openRow);
        }
    }
    for (int r = 0; r < rowCount; ++r) {
        scores[static_cast<size_t>(r)].Draw(r == openRow);
    }
    for (const auto& peg : palette) {
        peg->Draw();
    }
    if (inHand != nullptr) {
        inHand->Draw();
    }
}

const std::string& KG_MMaster::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_MMaster::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_MMaster::GetResultText() {
    resultText = PlayTimeText() + "\n" + FormatText(kGuessesText, currentRow) + "\n\n" + GradeText();
    return resultText;
}

void KG_MMaster::ComputeGrade() {
    const double seconds = GetPlaySeconds();
    const auto wonGrade = [&](int guesses) {
        const double extraGuesses = std::max(0, guesses - kFreeGuesses);
        return extraGuesses / (rowCount - kFreeGuesses) * 3.0 + 1.0 + seconds / 120.0;
    };
    // A code found stays found, also when the play is ended while it is shown.
    if (solved) {
        SetGrade(wonGrade(currentRow));
        return;
    }
    if (currentRow == 0) {
        SetGrade(kWorstGrade);
        return;
    }
    // A code not found grades by the pegs of the last guess, but never better
    // than finding it with the last guess.
    const double blacks = Score(currentRow - 1).Blacks();
    SetGrade(std::max((codeLength - blacks) / codeLength * 5.0 + 1.0 + seconds / 60.0, wonGrade(rowCount)));
}
