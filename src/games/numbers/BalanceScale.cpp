#include "games/numbers/BalanceScale.h"

#include <algorithm>
#include <cmath>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/Sprite.h"
#include "app/Textures.h"

namespace {

constexpr double kRadiansPerDegree = 0.01745329238474369;
// The pans hang this far left and right of the beam's pivot.
constexpr float kArmLength = 100.0f;
// The beam eases towards its tilt without ever arriving exactly; this close
// (a tenth of a pixel at the pans) it is at rest.
constexpr double kRestingTilt = 0.05;
// Weights stand on a pan three to a layer, 40 apart, layers 50 apart.
constexpr float kWeightStep = 40.0f;
constexpr float kLayerWidth = 100.0f;
constexpr float kLayerHeight = 50.0f;
constexpr float kFirstWeightX = -40.0f;
constexpr float kFirstWeightY = -32.5f;

const SheetRegion kStandRegion{"stand", {800, 0, 884, 100}};
const SheetRegion kBeamRegion{"beam", {500, 320, 700, 360}};
const SheetRegion kPanRegion{"pan", {502, 445, 598, 498}};
constexpr float kStandHalfWidth = 42.0f;
constexpr float kStandBelowPivot = 22.5f;
const Vec2 kBeamPivot{100.0f, 22.5f};
const Vec2 kPanHook{48.0f, 30.5f};

bool Chance(double p) { return Random() / static_cast<double>(kRandMax) <= p; }

}  // namespace

BalanceScale::BalanceScale(int tableWeights, double fixedChance, double splitChance) {
    // Each pass adds a weight for the right pan and as much for the left, so
    // the whole set always balances.
    while (static_cast<int>(table.size()) < tableWeights) {
        const int k = Random() % kMassCount;
        const int grams = kMasses[k];
        AddWeight(grams, rightPan, fixedChance);
        if (k > 0 && Chance(splitChance)) {
            int rest = grams;
            int lighter = k - 1;
            while (rest != 0) {
                while (lighter > 0 && kMasses[lighter] > rest) {
                    --lighter;
                }
                AddWeight(kMasses[lighter], leftPan, fixedChance);
                rest -= kMasses[lighter];
            }
        } else {
            AddWeight(grams, leftPan, fixedChance);
        }
    }
    LayOut();
}

void BalanceScale::AddWeight(int grams, Weights& pan, double fixedChance) {
    const bool fixed = Chance(fixedChance);
    const float x = static_cast<float>(Random() % GetAppState()->screenWidth);
    (fixed ? pan : table).push_back(std::make_unique<BalanceWeight>(grams, x, 0.0f, !fixed));
}

int BalanceScale::Sum(const Weights& weights) {
    int sum = 0;
    for (const auto& weight : weights) {
        sum += weight->Grams();
    }
    return sum;
}

void BalanceScale::Update(double seconds) {
    for (Weights* list : {&leftPan, &rightPan, &table}) {
        for (const auto& weight : *list) {
            weight->Glide(seconds);
        }
    }
    const double left = LeftSum();
    const double right = RightSum();
    if (left > right) {
        targetTilt = -kFullTilt * left / (left + right);
    } else if (right > left) {
        targetTilt = kFullTilt * right / (left + right);
    } else {
        targetTilt = 0.0;
    }
    tilt += (targetTilt - tilt) * std::clamp(seconds, 0.0, 1.0);
    if (std::fabs(targetTilt - tilt) < kRestingTilt) {
        tilt = targetTilt;
    }
    LayOut();
    if (held != nullptr) {
        held->Glide(seconds);
    }
}

void BalanceScale::LayOut() {
    const AppState* app = GetAppState();
    const float centreX = app->screenWidth / 2.0f;
    const float centreY = app->screenHeight / 2.0f;
    const double angle = tilt * kRadiansPerDegree;
    const float dx = static_cast<float>(kArmLength * std::cos(angle));
    const float dy = static_cast<float>(kArmLength * std::sin(angle));
    leftAnchor = {centreX - dx, centreY - dy};
    rightAnchor = {centreX + dx, centreY + dy};
    LayOutPan(rightPan, rightAnchor);
    LayOutPan(leftPan, leftAnchor);

    const float count = static_cast<float>(table.size());
    const float tableY = app->screenHeight * 3 / 4.0f;
    for (size_t i = 0; i < table.size(); ++i) {
        table[i]->SetTarget(centreX - count * kWeightStep / 2 + i * kWeightStep, tableY);
    }
}

void BalanceScale::LayOutPan(Weights& pan, Point anchor) {
    float offsetX = 0.0f;
    float offsetY = 0.0f;
    for (const auto& weight : pan) {
        weight->SetTarget(anchor.x + kFirstWeightX + offsetX, anchor.y + kFirstWeightY + offsetY);
        offsetX += kWeightStep;
        if (offsetX > kLayerWidth) {
            offsetX = 0.0f;
            offsetY -= kLayerHeight;
        }
    }
}

bool BalanceScale::PickUp(Weights& weights, int x, int y) {
    for (auto it = weights.begin(); it != weights.end(); ++it) {
        if ((*it)->Movable() && (*it)->HitTest(x, y)) {
            held = std::move(*it);
            weights.erase(it);
            return true;
        }
    }
    return false;
}

void BalanceScale::OnLeftButtonDown(int x, int y) {
    // A weight still held (its release went elsewhere) is put down first, so
    // that no weight is ever lost.
    PutDownHeld();
    lastMouseX = x;
    lastMouseY = y;
    buttonDown = true;
    if (!PickUp(leftPan, x, y) && !PickUp(rightPan, x, y)) {
        PickUp(table, x, y);
    }
}

void BalanceScale::OnMouseMove(int x, int y) {
    if (buttonDown && held != nullptr) {
        held->MoveTarget(static_cast<float>(x - lastMouseX), static_cast<float>(y - lastMouseY));
        lastMouseX = x;
        lastMouseY = y;
    }
}

void BalanceScale::OnLeftButtonUp() {
    buttonDown = false;
    PutDownHeld();
}

void BalanceScale::PutDownHeld() {
    if (held == nullptr) {
        return;
    }
    // Where the pointer is decides, not the weight's picture gliding after it.
    const AppState* app = GetAppState();
    if (lastMouseY > app->screenHeight * 2 / 3.0f) {
        table.push_back(std::move(held));
    } else if (lastMouseX <= app->screenWidth / 2.0f) {
        leftPan.push_back(std::move(held));
    } else {
        rightPan.push_back(std::move(held));
    }
}

bool BalanceScale::IsBalanced() const { return held == nullptr && table.empty() && LeftSum() == RightSum(); }

void BalanceScale::Draw() const {
    const AppState* app = GetAppState();
    const platform::Texture* texture = app->textures[TEX_MISC1].get();
    const float centreX = app->screenWidth / 2.0f;
    const float centreY = app->screenHeight / 2.0f;
    const Vec2 stand{centreX - kStandHalfWidth, centreY + kStandBelowPivot};
    DrawSprite(texture, kStandRegion, nullptr, nullptr, 0.0, &stand, kWhite);
    const Vec2 beam{centreX - kArmLength, centreY};
    DrawSprite(texture, kBeamRegion, nullptr, &kBeamPivot, tilt * kRadiansPerDegree, &beam, kWhite);
    for (const Point anchor : {leftAnchor, rightAnchor}) {
        const Vec2 pan{anchor.x - kPanHook.x, anchor.y - kPanHook.y};
        DrawSprite(texture, kPanRegion, nullptr, nullptr, 0.0, &pan, kWhite);
    }
    for (const Weights* list : {&rightPan, &leftPan, &table}) {
        for (const auto& weight : *list) {
            weight->Draw();
        }
    }
    if (held != nullptr) {
        held->Draw();
    }
}
