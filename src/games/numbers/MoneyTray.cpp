#include "games/numbers/MoneyTray.h"

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Font.h"
#include "app/Random.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "settings/LanguageTexts.h"

namespace {

constexpr int kFirstLabelText = 144;
constexpr double kFontSize = 25.0;
// The frame: a 95 x 5 bar stretched along the top and bottom, a 5 x 95 bar
// stretched down the sides.
const SheetRegion kFrameAcross{"frame h", {505, 0, 600, 5}};
const SheetRegion kFrameDown{"frame v", {500, 5, 505, 100}};
constexpr float kFrameLength = 95.0f;
constexpr float kFrameThickness = 5.0f;
// A name above the tray stands in this band over its top edge, clear of the
// pieces lying along that edge.
constexpr int kNameAboveTop = 80;
constexpr int kNameAboveBottom = 38;

}  // namespace

MoneyTray::MoneyTray(float left, float top, float right, float bottom, int label, bool framed, bool nameAbove)
    : font(std::make_unique<Font>("Arial", kFontSize)),
      label(label),
      framed(framed),
      nameAbove(nameAbove),
      left(left),
      top(top),
      right(right),
      bottom(bottom) {}

MoneyTray::~MoneyTray() = default;

void MoneyTray::Add(std::unique_ptr<MoneyPiece> piece, float x, float y) {
    piece->SetTarget(x, y);
    pieces.push_back(std::move(piece));
}

int MoneyTray::Sum() const {
    int sum = 0;
    for (const auto& piece : pieces) {
        sum += piece->Cents();
    }
    return sum;
}

bool MoneyTray::HitTest(float x, float y) const { return left <= x && x <= right && top <= y && y <= bottom; }

void MoneyTray::RandomPoint(float& x, float& y) const {
    const double across = Random() / static_cast<double>(kRandMax);
    const double down = Random() / static_cast<double>(kRandMax);
    x = static_cast<float>(left + (right - left) * across);
    y = static_cast<float>(top + (bottom - top) * down);
}

std::unique_ptr<MoneyPiece> MoneyTray::TakeTopmost(int x, int y) {
    for (size_t i = pieces.size(); i-- > 0;) {
        if (pieces[i]->HitTest(x, y)) {
            std::unique_ptr<MoneyPiece> piece = std::move(pieces[i]);
            pieces.erase(pieces.begin() + static_cast<std::ptrdiff_t>(i));
            return piece;
        }
    }
    return nullptr;
}

void MoneyTray::Update(double seconds) {
    for (const auto& piece : pieces) {
        piece->Glide(seconds);
    }
}

void MoneyTray::Draw() const {
    const int nameTop = nameAbove ? static_cast<int>(top) - kNameAboveTop : static_cast<int>(top);
    const int nameBottom = nameAbove ? static_cast<int>(top) - kNameAboveBottom : static_cast<int>(bottom);
    GetTextRenderer()->DrawText(GetTextOrEmpty(kFirstLabelText + label), static_cast<int>(left), nameTop,
                                static_cast<int>(right), nameBottom, kBlack,
                                platform::dt::Center | platform::dt::VCenter, font.get());
    if (framed) {
        const platform::Texture* texture = GetAppState()->textures[TEX_MISC4].get();
        const Vec2 across{(right - left) / kFrameLength, 1.0f};
        const Vec2 down{1.0f, (bottom - top) / kFrameLength};
        const Vec2 topLeft{left, top};
        const Vec2 bottomLeft{left, bottom - kFrameThickness};
        const Vec2 topRight{right - kFrameThickness, top};
        DrawSprite(texture, kFrameAcross, &across, nullptr, 0.0, &topLeft, kWhite);
        DrawSprite(texture, kFrameAcross, &across, nullptr, 0.0, &bottomLeft, kWhite);
        DrawSprite(texture, kFrameDown, &down, nullptr, 0.0, &topLeft, kWhite);
        DrawSprite(texture, kFrameDown, &down, nullptr, 0.0, &topRight, kWhite);
    }
    for (const auto& piece : pieces) {
        piece->Draw();
    }
}
