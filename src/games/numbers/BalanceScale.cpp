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
// The beam turns about a pivot this far below the middle of the screen, and
// the pans stand on its ends this far left and right of the pivot.
constexpr float kPivotBelowCentre = 56.0f;
constexpr float kArmLength = 165.0f;
// The beam eases towards its tilt without ever arriving exactly; this close
// (under a sixth of a pixel at the pans) it is at rest.
constexpr double kRestingTilt = 0.05;
// Weights stand on a pan's plate, this far above the beam end, in layers
// centred over the pan, each on the top faces of the layer below; a layer is
// no wider than keeps it clear of the other pan's at the fullest tilt.
constexpr float kPlateAboveAnchor = 29.5f;
constexpr float kWeightGap = 6.0f;
constexpr float kLayerWidth = 266.0f;
// The table's weights stand in rows centred on the screen, the first this far
// above its bottom, the others above it; no row is wider than the screen
// less its margins.
constexpr float kTableAboveBottom = 26.0f;
constexpr float kTableMargin = 40.0f;
constexpr float kTableGap = 12.0f;
constexpr float kTableRowGap = 8.0f;

const SheetRegion kStandRegion{"stand", {800, 50, 910, 200}};
const SheetRegion kBeamRegion{"beam", {0, 60, 350, 100}};
const SheetRegion kPanRegion{"pan", {360, 60, 610, 116}};
// The stand's top centre, the beam's pivot and the pan's bearing in their pictures.
constexpr float kStandHalfWidth = 55.0f;
const Vec2 kBeamPivot{175.0f, 14.0f};
const Vec2 kPanHook{125.0f, 30.5f};

float WidthOf(const BalanceWeight& weight) { return BalanceWeight::PictureAt(weight.Grams(), 0.0f, 0.0f).Width(); }

float HeightOf(const BalanceWeight& weight) {
    return BalanceWeight::PictureAt(weight.Grams(), 0.0f, 0.0f).Height();
}

// How many weights from `first` on stand side by side in a row no wider than
// `most` (at least one), and that row's width.
size_t RowOf(const BalanceScale::Weights& weights, size_t first, float most, float gap, float& width) {
    size_t end = first;
    width = 0.0f;
    while (end < weights.size()) {
        const float wider = width + (end > first ? gap : 0.0f) + WidthOf(*weights[end]);
        if (end > first && wider > most) {
            break;
        }
        width = wider;
        ++end;
    }
    return end;
}

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

BalanceScale::Point BalanceScale::Pivot() {
    const AppState* app = GetAppState();
    return Point{app->screenWidth / 2.0f, app->screenHeight / 2.0f + kPivotBelowCentre};
}

void BalanceScale::LayOut() {
    const Point pivot = Pivot();
    const double angle = tilt * kRadiansPerDegree;
    const float dx = static_cast<float>(kArmLength * std::cos(angle));
    const float dy = static_cast<float>(kArmLength * std::sin(angle));
    leftAnchor = {pivot.x - dx, pivot.y - dy};
    rightAnchor = {pivot.x + dx, pivot.y + dy};
    LayOutPan(rightPan, rightAnchor);
    LayOutPan(leftPan, leftAnchor);

    const AppState* app = GetAppState();
    const float centreX = app->screenWidth / 2.0f;
    float foot = app->screenHeight - kTableAboveBottom;
    for (size_t first = 0; first < table.size();) {
        float width = 0.0f;
        const size_t end = RowOf(table, first, app->screenWidth - 2.0f * kTableMargin, kTableGap, width);
        float left = centreX - width / 2.0f;
        float height = 0.0f;
        for (size_t i = first; i < end; ++i) {
            table[i]->SetTarget(left + WidthOf(*table[i]) / 2.0f, foot);
            left += WidthOf(*table[i]) + kTableGap;
            height = std::max(height, HeightOf(*table[i]));
        }
        foot -= height + kTableRowGap;
        first = end;
    }
}

void BalanceScale::LayOutPan(Weights& pan, Point anchor) {
    float foot = anchor.y - kPlateAboveAnchor;
    for (size_t first = 0; first < pan.size();) {
        float width = 0.0f;
        const size_t end = RowOf(pan, first, kLayerWidth, kWeightGap, width);
        float left = anchor.x - width / 2.0f;
        float step = 0.0f;
        for (size_t i = first; i < end; ++i) {
            pan[i]->SetTarget(left + WidthOf(*pan[i]) / 2.0f, foot);
            left += WidthOf(*pan[i]) + kWeightGap;
            step = std::max(step, BalanceWeight::StackHeight(pan[i]->Grams()));
        }
        foot -= step;
        first = end;
    }
}

bool BalanceScale::PickUp(Weights& weights, int x, int y) {
    for (size_t i = weights.size(); i-- > 0;) {
        if (weights[i]->Movable() && weights[i]->HitTest(x, y)) {
            held = std::move(weights[i]);
            weights.erase(weights.begin() + static_cast<std::ptrdiff_t>(i));
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
    // The table's weights are drawn over the pans', the left pan's over the right's.
    if (!PickUp(table, x, y) && !PickUp(leftPan, x, y)) {
        PickUp(rightPan, x, y);
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
    const platform::Texture* texture = GetAppState()->textures[TEX_MISC1].get();
    const Point pivot = Pivot();
    const Vec2 stand{pivot.x - kStandHalfWidth, pivot.y};
    DrawSprite(texture, kStandRegion, nullptr, nullptr, 0.0, &stand, kWhite);
    const Vec2 beam{pivot.x - kBeamPivot.x, pivot.y - kBeamPivot.y};
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
