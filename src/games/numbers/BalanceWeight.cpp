#include "games/numbers/BalanceWeight.h"

#include <algorithm>
#include <cmath>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"

namespace {

const SheetRegion kWeightRegion{"weight", {400, 300, 532, 400}};
// In the picture: the foot, the box on the front the mass is written in, and
// the row of the top face the next weight stands on.
constexpr float kFootX = 66.0f;
constexpr float kFootY = 98.0f;
constexpr ScreenBox kLabelInPicture{10.0f, 34.0f, 122.0f, 90.0f};
constexpr float kTopFaceY = 26.0f;

struct MassSize {
    int grams;
    double scale;
};

// From the lightest: each weight large enough for its mass to fit on its front.
constexpr MassSize kSizes[] = {{25, 0.44}, {50, 0.46}, {100, 0.54}, {250, 0.56}, {500, 0.58}, {1000, 0.6}};

// A box of the picture (in its pixels) on the screen for a foot at (x, y).
ScreenBox FromPicture(const ScreenBox& inPicture, double scale, float x, float y) {
    const float s = static_cast<float>(scale);
    return ScreenBox{x + (inPicture.left - kFootX) * s, y + (inPicture.top - kFootY) * s,
                     x + (inPicture.right - kFootX) * s, y + (inPicture.bottom - kFootY) * s};
}

}  // namespace

double BalanceWeight::ScaleOf(int grams) {
    for (const MassSize& size : kSizes) {
        if (grams <= size.grams) {
            return size.scale;
        }
    }
    return kSizes[std::size(kSizes) - 1].scale;
}

std::string BalanceWeight::MassLabel(int grams) {
    if (grams >= 1000 && grams % 1000 == 0) {
        return std::to_string(grams / 1000) + " kg";
    }
    return std::to_string(grams) + " g";
}

ScreenBox BalanceWeight::PictureAt(int grams, float x, float y) {
    const platform::Rect& r = kWeightRegion.rect;
    const ScreenBox picture{0.0f, 0.0f, static_cast<float>(r.right - r.left), static_cast<float>(r.bottom - r.top)};
    return FromPicture(picture, ScaleOf(grams), x, y);
}

ScreenBox BalanceWeight::LabelAt(int grams, float x, float y) {
    return FromPicture(kLabelInPicture, ScaleOf(grams), x, y);
}

float BalanceWeight::StackHeight(int grams) { return static_cast<float>((kFootY - kTopFaceY) * ScaleOf(grams)); }

BalanceWeight::BalanceWeight(int grams, float x, float y, bool movable)
    : movable(movable), positionX(x), positionY(y), targetX(x), targetY(y), grams(grams) {}

void BalanceWeight::SetTarget(float x, float y) {
    targetX = x;
    targetY = y;
}

void BalanceWeight::MoveTarget(float dx, float dy) {
    targetX += dx;
    targetY += dy;
}

void BalanceWeight::Glide(double seconds) {
    const double part = std::clamp(seconds * kGlideSpeed, 0.0, 1.0);
    positionX += static_cast<float>((targetX - positionX) * part);
    positionY += static_cast<float>((targetY - positionY) * part);
}

bool BalanceWeight::HitTest(int x, int y) const {
    return Bounds().Contains(static_cast<float>(x), static_cast<float>(y));
}

void BalanceWeight::Draw() const {
    const float s = static_cast<float>(ScaleOf(grams));
    const Vec2 scaling{s, s};
    const ScreenBox picture = Bounds();
    const Vec2 corner{picture.left, picture.top};
    DrawSprite(GetAppState()->textures[TEX_MISC1].get(), kWeightRegion, &scaling, nullptr, 0.0, &corner,
               movable ? kWhite : kFixedTint);
    // Centred on the front; the box may be a little lower than a line, so the
    // line is not clipped to it.
    const ScreenBox label = LabelBox();
    TextRenderer* text = GetTextRenderer();
    text->DrawText(MassLabel(grams), static_cast<int>(std::ceil(label.left)), static_cast<int>(std::ceil(label.top)),
                   static_cast<int>(std::floor(label.right)), static_cast<int>(std::floor(label.bottom)),
                   movable ? kMovableLabel : kFixedLabel,
                   platform::dt::Center | platform::dt::VCenter | platform::dt::NoClip,
                   text->AddFont("Arial", kLabelFontSize));
}
