#include "games/memory/KG_Quadrat_addieren.h"

#include <algorithm>
#include <cstddef>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "games/base/VerdictMark.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 100;
constexpr int kLegendText = 101;
constexpr int kHelpText = 102;
constexpr int kRightText = 30;
constexpr int kWrongText = 31;
constexpr int kPercentText = 32;
constexpr int kAverageText = 41;
constexpr double kSecondsPerGradePoint = 120.0;
constexpr int kGridSize = 100;
constexpr int kGap = 3;
constexpr int kLabelDrop = 75;
constexpr int kLegendY = 105;
constexpr float kSampleSize = 30.0f;
constexpr float kSampleY = 90.0f;
constexpr float kMarkGap = 8.0f;
// The plus and equals signs between the patterns.
constexpr double kSignSize = 40.0;

struct LevelSet {
    int side;
    int addends;
};

constexpr LevelSet kLevels[] = {{3, 2}, {3, 3}, {4, 3}};

// A wrong answer moves up to this many squares of the sum; it is drawn up to
// this many times to differ from the other answers too.
constexpr int kMostDecoyMoves = 2;
constexpr int kDecoyAttempts = 50;

Vec2 Offset(Vec2 base, double dx, double dy) {
    return Vec2{static_cast<float>(base.x + dx), static_cast<float>(base.y + dy)};
}

}  // namespace

KG_Quadrat_addieren::KG_Quadrat_addieren(int level)
    : Knobel_Game(level, kSaveFile),
      side(kLevels[this->level].side),
      addendCount(kLevels[this->level].addends),
      type(Random() % GridSquare::kTypes),
      litSample(kSampleSize, Vec2{static_cast<float>(app->screenWidth / 2 - 80), kSampleY}, type, true),
      unlitSample(kSampleSize, Vec2{static_cast<float>(app->screenWidth / 2 + 50), kSampleY}, type, false) {
    SetUpTask();
}

void KG_Quadrat_addieren::SetUpTask() {
    const int w = app->screenWidth;
    const int h = app->screenHeight;
    addends.clear();
    answers.clear();
    plusPositions.clear();
    labelPositions.clear();

    const int answerStep = (w * 3 / 4) / (kAnswerCount - 1);
    const Vec2 answerBase{static_cast<float>(w / 8), static_cast<float>(2 * h / 3)};
    sumIndex = Random() % kAnswerCount;
    for (int j = 0; j < kAnswerCount; ++j) {
        const Vec2 centre = Offset(answerBase, j * answerStep, 0);
        answers.emplace_back(false, side, type, kGridSize, centre, kGap);
        labelPositions.push_back(Offset(answerBase, j * answerStep, kLabelDrop));
    }

    SquareGrid& sum = answers[static_cast<size_t>(sumIndex)];
    const double addendStep = static_cast<double>(2 * w / 4) / (addendCount - 1);
    const Vec2 addendBase{static_cast<float>(w / 4), static_cast<float>(h / 3)};
    for (int i = 0; i < addendCount - 1; ++i) {
        plusPositions.push_back(Offset(addendBase, (i + 0.5) * addendStep, 0));
    }
    // Patterns that light every square together would give the answer away
    // (the only full one): they are drawn again.
    do {
        addends.clear();
        sum.Combine(sum, true);  // every square unlit
        for (int i = 0; i < addendCount; ++i) {
            addends.emplace_back(true, side, type, kGridSize, Offset(addendBase, i * addendStep, 0), kGap);
            sum.Combine(addends.back(), false);
        }
    } while (sum.LitCount() == sum.Count());

    MakeDecoys();
}

// Each wrong answer is the sum with one or two of its lit squares moved to
// unlit places, drawn
// again while it equals the sum or an answer before it. So the wrong answers
// light as many squares as the right one, and counting tells nothing.
void KG_Quadrat_addieren::MakeDecoys() {
    const SquareGrid& sum = answers[static_cast<size_t>(sumIndex)];
    for (size_t j = 0; j < answers.size(); ++j) {
        if (static_cast<int>(j) == sumIndex) {
            continue;
        }
        SquareGrid& decoy = answers[j];
        for (int attempt = 0;; ++attempt) {
            for (int i = 0; i < decoy.Count(); ++i) {
                decoy.SetSquare(i / side, i % side, sum.Square(i).IsLit());
            }
            const int moves = 1 + Random() % kMostDecoyMoves;
            for (int move = 0; move < moves; ++move) {
                MoveSquare(decoy);
            }
            const auto same = [&](const SquareGrid& other) { return &other != &decoy && decoy.Equals(other); };
            // Past the attempts a decoy need only differ from the sum.
            const auto last = answers.begin() + static_cast<std::ptrdiff_t>(j);
            if (!decoy.Equals(sum) && (attempt >= kDecoyAttempts || std::none_of(answers.begin(), last, same))) {
                break;
            }
        }
    }
}

void KG_Quadrat_addieren::MoveSquare(SquareGrid& grid) const {
    std::vector<int> lit;
    std::vector<int> unlit;
    for (int i = 0; i < grid.Count(); ++i) {
        (grid.Square(i).IsLit() ? lit : unlit).push_back(i);
    }
    // A pattern of the game is never empty, and a sum never full.
    if (lit.empty() || unlit.empty()) {
        return;
    }
    const int from = lit[static_cast<size_t>(Random()) % lit.size()];
    const int to = unlit[static_cast<size_t>(Random()) % unlit.size()];
    grid.SetSquare(from / side, from % side, false);
    grid.SetSquare(to / side, to % side, true);
}

void KG_Quadrat_addieren::OnLeftButtonDown(int x, int y) {
    if (!IsRunning() || resultTimer > 0.0) {
        return;
    }
    for (size_t j = 0; j < answers.size(); ++j) {
        const SquareGrid& answer = answers[j];
        if (!answer.Hit(static_cast<float>(x), static_cast<float>(y))) {
            continue;
        }
        chosenIndex = static_cast<int>(j);
        lastAnswerRight = answers[static_cast<size_t>(sumIndex)].Equals(answer);
        ++(lastAnswerRight ? tally.right : tally.wrong);
        resultTimer = kResultSeconds;
        return;
    }
}

void KG_Quadrat_addieren::Update() {
    if (IsStarted()) {
        if (resultTimer > 0.0) {
            resultTimer -= app->frameTime;
            if (resultTimer <= 0.0) {
                if (tally.AllAnswered()) {
                    SetState(STATE_FINISHED);
                } else {
                    SetUpTask();
                }
            }
        } else {
            AddPlayTime(app->frameTime);
        }
    }
    AddRecordsTime(app->frameTime);
}

void KG_Quadrat_addieren::Render() {
    if (!IsRunning()) {
        return;
    }
    const float w = static_cast<float>(app->screenWidth);
    const float h = static_cast<float>(app->screenHeight);
    DrawTimePanel();
    textRenderer->DrawTextAt(FormatText(kLegendText), w / 2, static_cast<float>(kLegendY), kBlack, kCentred,
                             smallFont);
    Font* signs = textRenderer->AddFont("Arial", kSignSize);
    textRenderer->DrawTextAt("=", w / 2, h / 2, kBlack, kCentred, signs);
    for (const Vec2& plus : plusPositions) {
        textRenderer->DrawTextAt("+", plus.x, plus.y, kBlack, kCentred, signs);
    }
    const bool choosing = resultTimer <= 0.0;
    if (choosing) {
        for (size_t j = 0; j < labelPositions.size(); ++j) {
            const std::string label{'(', static_cast<char>('a' + j), ')'};
            textRenderer->DrawTextAt(label, labelPositions[j].x, labelPositions[j].y, kBlack, kCentred, smallFont);
        }
    }
    litSample.Draw();
    unlitSample.Draw();
    for (const SquareGrid& addend : addends) {
        addend.Draw();
    }
    if (choosing) {
        for (const SquareGrid& answer : answers) {
            answer.Draw();
        }
    } else {
        // The right answer with the tick; a wrong choice stays beside it with the cross.
        const SquareGrid& sum = answers[static_cast<size_t>(sumIndex)];
        sum.Draw();
        DrawMarkBesideGrid(true, sum);
        if (!lastAnswerRight) {
            const SquareGrid& chosen = answers[static_cast<size_t>(chosenIndex)];
            chosen.Draw();
            DrawMarkBesideGrid(false, chosen);
        }
    }
}

void KG_Quadrat_addieren::DrawMarkBesideGrid(bool right, const SquareGrid& grid) {
    const GridSquare& first = grid.Square(0);
    const GridSquare& last = grid.Square(grid.Count() - 1);
    const auto size = static_cast<float>(last.Size());
    verdict::DrawMarkBeside(right, first.Position().x, first.Position().y, last.Position().x + size,
                            last.Position().y + size, kMarkGap);
}

const std::string& KG_Quadrat_addieren::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Quadrat_addieren::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Quadrat_addieren::GetResultText() {
    resultText = PlayTimeText() + "\n" + FormatText(kRightText, tally.right) + "\n" +
                 FormatText(kWrongText, tally.wrong) + "\n" + FormatText(kPercentText, tally.PercentRight()) +
                 "\n\n" + FormatAverage(kAverageText, GetPlaySeconds(), tally.Answered()) + "\n" + GradeText();
    return resultText;
}

void KG_Quadrat_addieren::ComputeGrade() {
    SetGrade(tally.Grade(GetState() == STATE_FINISHED, GetPlaySeconds(), kSecondsPerGradePoint));
}
