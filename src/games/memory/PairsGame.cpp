#include "games/memory/PairsGame.h"

#include <algorithm>

#include "app/AppState.h"
#include "media/Sound.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kMistakesText = 23;
constexpr int kTurnsText = 24;
// Seconds of play that cost one grade.
constexpr double kSecondsPerGrade = 120.0;
// What a play ended with every card still open adds to its grade.
constexpr double kUnfinishedPenalty = 5.0;

}  // namespace

PairsGame::PairsGame(int level, const std::string& saveFileName) : Knobel_Game(level, saveFileName) {}

PairsGame::~PairsGame() = default;

void PairsGame::AddCard(std::unique_ptr<PairCard> card) {
    openCards.push_back(card.get());
    allCards.push_back(std::move(card));
}

void PairsGame::OnLeftButtonUp(int x, int y) {
    if (flipBackTimer > 0.0 || !IsRunning()) {
        return;
    }
    PairCard* card = OpenCardAt(static_cast<float>(x), static_cast<float>(y));
    if (card == nullptr) {
        return;
    }
    card->TurnUp();
    if (firstCard == nullptr) {
        firstCard = card;
        return;
    }
    secondCard = card;
    ++turns;
    if (secondCard->SamePair(*firstCard)) {
        KeepPair();
        PlaySound(SOUND_POP, 1.0f);
    } else {
        flipBackTimer = kFlipBackSeconds;
        ++mistakes;
    }
}

PairCard* PairsGame::OpenCardAt(float x, float y) const {
    const auto hit = std::find_if(openCards.begin(), openCards.end(), [&](const PairCard* card) {
        return card != firstCard && card->HitTest(x, y);
    });
    return hit != openCards.end() ? *hit : nullptr;
}

void PairsGame::KeepPair() {
    for (PairCard* card : {firstCard, secondCard}) {
        card->MarkFound();
        openCards.erase(std::remove(openCards.begin(), openCards.end(), card), openCards.end());
    }
    firstCard = nullptr;
    secondCard = nullptr;
    flipBackTimer = -1.0;
}

void PairsGame::Update() {
    if (IsStarted()) {
        AddPlayTime(app->frameTime);
    }
    // The wrong pair turns back in the frames the game is updated, which the
    // pause and help pages stop.
    if (firstCard != nullptr && secondCard != nullptr) {
        flipBackTimer -= app->rawFrameTime;
        if (flipBackTimer <= 0.0) {
            PlaySound(SOUND_PUNCH, 1.0f);
            firstCard->TurnDown();
            secondCard->TurnDown();
            firstCard = nullptr;
            secondCard = nullptr;
        }
    }
    if (openCards.empty()) {
        SetState(STATE_FINISHED);
    }
    AddRecordsTime(app->frameTime);
}

void PairsGame::Render() {
    if (IsRunning()) {
        DrawTimePanel();
    }
    for (const auto& card : allCards) {
        card->Draw();
    }
}

const std::string& PairsGame::GetResultText() {
    resultText = PlayTimeText() + "\n" + FormatText(kMistakesText, mistakes) + "\n" + FormatText(kTurnsText, turns) +
                 "\n\n" + GradeText();
    return resultText;
}

void PairsGame::ComputeGrade() {
    const double total = FoundCards() + OpenCards();
    double value = GetPlaySeconds() / kSecondsPerGrade + 1.0 + mistakes / total;
    if (GetState() != STATE_FINISHED) {
        value += OpenCards() / total * kUnfinishedPenalty;
    }
    SetGrade(value);
}
