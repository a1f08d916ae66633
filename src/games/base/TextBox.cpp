#include "games/base/TextBox.h"

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/Textures.h"

namespace {

// The box in misc1, its border and its middle.
constexpr int kLeft = 100;
constexpr int kTop = 450;
constexpr int kSize = 50;
constexpr int kBorder = 5;
constexpr int kMiddle = kSize - 2 * kBorder;

void DrawPart(const platform::Rect& region, float x, float y, float scaleX, float scaleY) {
    const Vec2 scaling{scaleX, scaleY};
    const Vec2 position{x, y};
    DrawSprite(GetAppState()->textures[TEX_MISC1].get(), SheetRegion{"text box", region}, &scaling, nullptr, 0.0, &position, 0xFFFFFFFFu);
}

}  // namespace

void DrawTextBox(float left, float top, float width, float height) {
    constexpr int inner = kLeft + kBorder;
    constexpr int right = kLeft + kSize - kBorder;
    constexpr int innerTop = kTop + kBorder;
    constexpr int bottom = kTop + kSize - kBorder;
    const float stretchX = (width - 2 * kBorder) / kMiddle;
    const float stretchY = (height - 2 * kBorder) / kMiddle;
    const float farX = left + width - kBorder;
    const float farY = top + height - kBorder;
    const float nearX = left + kBorder;
    const float nearY = top + kBorder;

    DrawPart({kLeft, kTop, inner, innerTop}, left, top, 1.0f, 1.0f);
    DrawPart({right, kTop, kLeft + kSize, innerTop}, farX, top, 1.0f, 1.0f);
    DrawPart({kLeft, bottom, inner, kTop + kSize}, left, farY, 1.0f, 1.0f);
    DrawPart({right, bottom, kLeft + kSize, kTop + kSize}, farX, farY, 1.0f, 1.0f);

    DrawPart({inner, kTop, right, innerTop}, nearX, top, stretchX, 1.0f);
    DrawPart({inner, bottom, right, kTop + kSize}, nearX, farY, stretchX, 1.0f);
    DrawPart({kLeft, innerTop, inner, bottom}, left, nearY, 1.0f, stretchY);
    DrawPart({right, innerTop, kLeft + kSize, bottom}, farX, nearY, 1.0f, stretchY);

    DrawPart({inner, innerTop, right, bottom}, nearX, nearY, stretchX, stretchY);
}

void DrawCentredTextBox(float centreX, float centreY, float width, float height) {
    DrawTextBox(centreX - width / 2, centreY - height / 2, width, height);
}
