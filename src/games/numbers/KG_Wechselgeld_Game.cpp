#include "games/numbers/KG_Wechselgeld_Game.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "games/numbers/MoneyLayout.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTitleText = 140;
constexpr int kHelpText = 141;
constexpr int kButtonText = 133;
constexpr int kRightText = 142;
constexpr int kOptimalText = 143;

constexpr int kPricePiecesByLevel[] = {5, 5, 10};
constexpr int kPaymentPiecesByLevel[] = {1, 3, 6};
constexpr int kDenominationsByLevel[] = {8, 12, 15};
constexpr int kTasksByLevel[] = {7, 6, 5};

// The price and the payment lie on the table in the upper half, left and
// right, below the time panel and this far from the screen's sides and its
// middle; the cash tray for the change stands under the check button. The
// supply of stacks fills the bottom of the screen under the cash tray.
constexpr float kTableTraysTop = 52.0f;
constexpr float kTableTraysMargin = 16.0f;
constexpr float kAboveButton = 13.0f;
constexpr float kBelowButton = 9.0f;
constexpr float kSupplyAboveBottom = 5.0f;
enum TrayLabel { kPriceLabel = 0, kPaymentLabel = 1, kChangeLabel = 2 };

// The check button: 200 x 50 in the middle of the screen.
constexpr int kButtonHalfWidth = 100;
constexpr int kButtonHalfHeight = 25;
const SheetRegion kButtonRegion{"plain", {400, 600, 600, 650}};

// Grade: wrong change costs up to 3 points, change in more pieces than
// needed up to 2; a finished play pays a point per 120 s, an early end one
// per 80 s.
constexpr double kRightWeight = 3.0;
constexpr double kOptimalWeight = 2.0;
constexpr double kSecondsPerPointFinished = 120.0;
constexpr double kSecondsPerPointEnded = 80.0;

// The trays' boxes on a screen of that size.
ScreenBox PriceTrayBox(float width, float height) {
    return ScreenBox{kTableTraysMargin, kTableTraysTop, width / 2.0f - kTableTraysMargin,
                     height / 2.0f - kButtonHalfHeight - kAboveButton};
}

ScreenBox PaymentTrayBox(float width, float height) {
    const ScreenBox price = PriceTrayBox(width, height);
    return ScreenBox{width - price.right, price.top, width - price.left, price.bottom};
}

ScreenBox ChangeTrayBox(float width, float height) {
    const float top = height / 2.0f + kButtonHalfHeight + kBelowButton;
    return ScreenBox{(width - MoneyTray::kCashTrayWidth) / 2.0f, top, (width + MoneyTray::kCashTrayWidth) / 2.0f,
                     top + MoneyTray::kCashTrayHeight};
}

}  // namespace

KG_Wechselgeld_Game::KG_Wechselgeld_Game(int level)
    : Knobel_Game(level, kSaveFile),
      pricePieces(kPricePiecesByLevel[this->level]),
      paymentPieces(kPaymentPiecesByLevel[this->level]),
      denominationsUsed(kDenominationsByLevel[this->level]),
      tasksPerPlay(kTasksByLevel[this->level]) {
    BuildTask();
}

KG_Wechselgeld_Game::~KG_Wechselgeld_Game() = default;

std::vector<int> KG_Wechselgeld_Game::FewestPieces(int cents, int used) {
    std::vector<int> pieces;
    used = std::clamp(used, 1, kDenominationCount);
    int remaining = cents;
    while (remaining > 0) {
        int k = used - 1;
        while (k > 0 && kDenominations[k] > remaining) {
            --k;
        }
        pieces.push_back(kDenominations[k]);
        remaining -= kDenominations[k];
    }
    return pieces;
}

int KG_Wechselgeld_Game::RandomDenomination() const { return kDenominations[Random() % denominationsUsed]; }

void KG_Wechselgeld_Game::BuildTask() {
    draggedFromStack.reset();
    draggedFromPrice.reset();
    draggedFromPayment.reset();
    const float w = static_cast<float>(app->screenWidth);
    const float h = static_cast<float>(app->screenHeight);
    priceTray = std::make_unique<MoneyTray>(PriceTrayBox(w, h), kPriceLabel, MoneyTray::Look::OnTable);
    paymentTray = std::make_unique<MoneyTray>(PaymentTrayBox(w, h), kPaymentLabel, MoneyTray::Look::OnTable);
    changeTray = std::make_unique<MoneyTray>(ChangeTrayBox(w, h), kChangeLabel, MoneyTray::Look::CashTray);
    stacks.clear();

    price = 0;
    for (int i = 0; i < pricePieces; ++i) {
        const int cents = RandomDenomination();
        AddToTray(*priceTray, cents);
        price += cents;
    }

    // The customer pays with random pieces; when these do not reach the price
    // by the last one, the last ones top the payment up: the largest piece
    // while the rest is at least that large, then the smallest piece above
    // the rest. The payment always exceeds the price.
    paid = 0;
    for (int i = 0; i < paymentPieces; ++i) {
        if (i == paymentPieces - 1 && paid < price) {
            for (int rest = price - paid; rest >= 0;) {
                int cents = kDenominations[denominationsUsed - 1];
                for (int k = 0; k < denominationsUsed; ++k) {
                    if (kDenominations[k] > rest) {
                        cents = kDenominations[k];
                        break;
                    }
                }
                AddToTray(*paymentTray, cents);
                paid += cents;
                rest -= cents;
            }
        } else {
            const int cents = RandomDenomination();
            AddToTray(*paymentTray, cents);
            paid += cents;
        }
    }

    // Laid out in rows, so that every value the player adds up shows.
    priceTray->Arrange();
    paymentTray->Arrange();

    const std::vector<int> supply(kDenominations, kDenominations + denominationsUsed);
    const std::vector<MoneySpot> spots = LayOutSupply(supply, w, h - kSupplyAboveBottom);
    stacks.reserve(supply.size());
    for (size_t k = 0; k < supply.size(); ++k) {
        stacks.emplace_back(supply[k], spots[k].x, spots[k].y, spots[k].scale);
    }
}

void KG_Wechselgeld_Game::AddToTray(MoneyTray& tray, int cents) {
    const ScreenBox area = tray.PieceArea();
    tray.Add(std::make_unique<MoneyPiece>(cents, area.CentreX(), area.CentreY(), false), area.CentreX(),
             area.CentreY());
}

MoneyStack* KG_Wechselgeld_Game::StackOf(int cents) {
    for (MoneyStack& stack : stacks) {
        if (stack.Cents() == cents) {
            return &stack;
        }
    }
    return nullptr;
}

void KG_Wechselgeld_Game::HandBack(std::unique_ptr<MoneyPiece> piece) {
    MoneyStack* stack = StackOf(piece->Cents());
    if (stack != nullptr) {
        piece = stack->TakeBack(std::move(piece));
    }
}

void KG_Wechselgeld_Game::PutBack(MoneyTray& tray, std::unique_ptr<MoneyPiece> piece, int x, int y) {
    if (tray.HitTest(static_cast<float>(x), static_cast<float>(y))) {
        tray.Add(std::move(piece), static_cast<float>(x), static_cast<float>(y));
    } else {
        tray.Add(std::move(piece), takenFromX, takenFromY);
    }
}

bool KG_Wechselgeld_Game::Dragging() const {
    return draggedFromStack != nullptr || draggedFromPrice != nullptr || draggedFromPayment != nullptr;
}

void KG_Wechselgeld_Game::ReturnDragged() {
    if (draggedFromStack != nullptr) {
        HandBack(std::move(draggedFromStack));
    }
    if (draggedFromPrice != nullptr) {
        const int x = static_cast<int>(draggedFromPrice->X());
        const int y = static_cast<int>(draggedFromPrice->Y());
        PutBack(*priceTray, std::move(draggedFromPrice), x, y);
    }
    if (draggedFromPayment != nullptr) {
        const int x = static_cast<int>(draggedFromPayment->X());
        const int y = static_cast<int>(draggedFromPayment->Y());
        PutBack(*paymentTray, std::move(draggedFromPayment), x, y);
    }
}

ScreenBox KG_Wechselgeld_Game::ButtonBox() const {
    const float x = static_cast<float>(app->screenWidth / 2);
    const float y = static_cast<float>(app->screenHeight / 2);
    return ScreenBox{x - kButtonHalfWidth, y - kButtonHalfHeight, x + kButtonHalfWidth, y + kButtonHalfHeight};
}

bool KG_Wechselgeld_Game::ButtonHit(int x, int y) const {
    return ButtonBox().Contains(static_cast<float>(x), static_cast<float>(y));
}

void KG_Wechselgeld_Game::OnMouseMove(int x, int y) {
    if (!IsStarted()) {
        return;
    }
    for (auto* dragged : {&draggedFromStack, &draggedFromPrice, &draggedFromPayment}) {
        if (*dragged != nullptr) {
            (*dragged)->SetTarget(static_cast<float>(x), static_cast<float>(y));
        }
    }
}

void KG_Wechselgeld_Game::OnLeftButtonDown(int x, int y) {
    if (!IsStarted()) {
        return;
    }
    // A piece still held (its release went elsewhere) goes back first, so
    // that no piece is ever lost.
    ReturnDragged();
    // A press on the check button is for the button, whatever lies under it.
    if (!IsRunning() || ButtonHit(x, y)) {
        return;
    }
    // Each stack is drawn over the one before it: the last one hit is on top.
    for (auto stack = stacks.rbegin(); stack != stacks.rend(); ++stack) {
        if (stack->HitTest(x, y)) {
            draggedFromStack = stack->TakePiece();
            return;
        }
    }
    if ((draggedFromStack = changeTray->TakeTopmost(x, y)) != nullptr) {
        return;
    }
    if ((draggedFromPrice = priceTray->TakeTopmost(x, y)) == nullptr) {
        draggedFromPayment = paymentTray->TakeTopmost(x, y);
    }
    for (const auto* taken : {&draggedFromPrice, &draggedFromPayment}) {
        if (*taken != nullptr) {
            takenFromX = (*taken)->TargetX();
            takenFromY = (*taken)->TargetY();
        }
    }
}

void KG_Wechselgeld_Game::OnLeftButtonUp(int x, int y) {
    if (!IsStarted()) {
        return;
    }
    // Ending a drag is always honoured; the button acts only while the game runs.
    if (!Dragging()) {
        if (IsRunning() && ButtonHit(x, y)) {
            EvaluateTask();
            if (tasksDone < tasksPerPlay) {
                BuildTask();
            } else {
                SetState(STATE_FINISHED);
            }
        }
        return;
    }
    if (draggedFromStack != nullptr) {
        if (changeTray->HitTest(static_cast<float>(x), static_cast<float>(y))) {
            changeTray->Add(std::move(draggedFromStack), static_cast<float>(x), static_cast<float>(y));
        } else {
            HandBack(std::move(draggedFromStack));
        }
    }
    if (draggedFromPrice != nullptr) {
        PutBack(*priceTray, std::move(draggedFromPrice), x, y);
    }
    if (draggedFromPayment != nullptr) {
        PutBack(*paymentTray, std::move(draggedFromPayment), x, y);
    }
}

void KG_Wechselgeld_Game::EvaluateTask() {
    const int change = paid - price;
    const bool isRight = changeTray->Sum() == change;
    bool isOptimal = isRight;
    if (isRight) {
        std::vector<int> inTray;
        for (const auto& piece : changeTray->Pieces()) {
            inTray.push_back(piece->Cents());
        }
        for (const int cents : FewestPieces(change, denominationsUsed)) {
            const auto found = std::find(inTray.begin(), inTray.end(), cents);
            if (found == inTray.end()) {
                isOptimal = false;
                break;
            }
            inTray.erase(found);
        }
    }
    right += isRight ? 1 : 0;
    optimal += isOptimal ? 1 : 0;
    ++tasksDone;
}

void KG_Wechselgeld_Game::Update() {
    const double seconds = app->frameTime;
    if (IsStarted()) {
        priceTray->Update(seconds);
        paymentTray->Update(seconds);
        changeTray->Update(seconds);
        for (MoneyStack& stack : stacks) {
            stack.Update(seconds);
        }
        for (auto* dragged : {&draggedFromStack, &draggedFromPrice, &draggedFromPayment}) {
            if (*dragged != nullptr) {
                (*dragged)->Glide(seconds);
            }
        }
        AddPlayTime(seconds);
    }
    AddRecordsTime(seconds);
}

void KG_Wechselgeld_Game::Render() {
    if (!IsStarted()) {
        return;
    }
    if (IsRunning()) {
        DrawTimePanel();
    }
    changeTray->Draw();
    priceTray->Draw();
    paymentTray->Draw();
    for (const MoneyStack& stack : stacks) {
        stack.Draw();
    }
    // The button takes every press on it; no tray reaches under it.
    if (IsRunning()) {
        const ScreenBox button = ButtonBox();
        const Vec2 corner{button.left, button.top};
        DrawSprite(app->textures[TEX_MENU2].get(), kButtonRegion, nullptr, nullptr, 0.0, &corner, kWhite);
        textRenderer->DrawText(GetTextOrEmpty(kButtonText), static_cast<int>(button.left),
                               static_cast<int>(button.top), static_cast<int>(button.right),
                               static_cast<int>(button.bottom), kBlack, platform::dt::Center | platform::dt::VCenter,
                               smallFont);
    }
    for (const auto* dragged : {&draggedFromStack, &draggedFromPayment, &draggedFromPrice}) {
        if (*dragged != nullptr) {
            (*dragged)->Draw();
        }
    }
}

const std::string& KG_Wechselgeld_Game::GetHelpText() { return GetTextOrEmpty(kHelpText); }

const std::string& KG_Wechselgeld_Game::GetTitle() { return GetTextOrEmpty(kTitleText); }

const std::string& KG_Wechselgeld_Game::GetResultText() {
    resultText = PlayTimeText() + "\n" + FormatText(kRightText, right, tasksPerPlay) + "\n" +
                 FormatText(kOptimalText, optimal, tasksPerPlay) + "\n\n" + GradeText();
    return resultText;
}

void KG_Wechselgeld_Game::ComputeGrade() {
    // A finished play is weighed over all its tasks, one ended early over
    // those done, but never better than finishing at once with every task
    // still open done wrong.
    const auto weighed = [&](double tasks, double secondsPerPoint) {
        return (1.0 - right / tasks) * kRightWeight + 1.0 + (1.0 - optimal / tasks) * kOptimalWeight +
               GetPlaySeconds() / secondsPerPoint;
    };
    const double finishedGrade = weighed(tasksPerPlay, kSecondsPerPointFinished);
    if (GetState() == STATE_FINISHED) {
        SetGrade(finishedGrade);
    } else if (tasksDone == 0) {
        SetGrade(kWorstGrade);
    } else {
        SetGrade(std::max(weighed(tasksDone, kSecondsPerPointEnded), finishedGrade));
    }
}
