#include "games/base/TimePanel.h"

#include <algorithm>

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "settings/TextFormat.h"

namespace {

constexpr int kTimeText = 63;
constexpr int kPanelWidth = 300;
constexpr int kPanelHeight = 50;
constexpr float kStatusScale = 0.8f;
constexpr int kStatusTop = kPanelHeight + 2;
constexpr int kStatusHeight = static_cast<int>(kPanelHeight * kStatusScale);
constexpr const char* kFace = "Arial";
constexpr double kTimeSize = 26.0;
constexpr double kStatusSize = 22.0;
// The status plate's width: room per character of the status and on its sides.
constexpr int kStatusCharacter = 11;
constexpr int kStatusPadding = 30;
// The plate's rounded ends, drawn unstretched.
constexpr int kCap = 20;
// Far beyond any time played, and safe to convert to an integer.
constexpr double kLongestTime = 1e15;

}  // namespace

long long WholeSeconds(double seconds) {
    if (!(seconds > 0.0)) {
        return 0;
    }
    return static_cast<long long>(seconds < kLongestTime ? seconds : kLongestTime);
}

std::string FormatMinutesSeconds(int textIndex, double seconds) {
    const long long whole = WholeSeconds(seconds);
    return FormatText(textIndex, whole / 60, whole % 60);
}

void DrawTimePanel(double playSeconds, const std::string& status) {
    const AppState* app = GetAppState();
    TextRenderer* text = GetTextRenderer();
    const int left = app->screenWidth / 2 - kPanelWidth / 2;
    const SheetRegion region{"wide", {0, 700, kPanelWidth, 700 + kPanelHeight}};
    const platform::Texture* sheet = app->textures[TEX_MENU2].get();
    const Vec2 position{static_cast<float>(left), 0.0f};
    DrawSprite(sheet, region, nullptr, nullptr, 0.0, &position, 0xFFFFFFFFu);
    text->DrawText(FormatMinutesSeconds(kTimeText, playSeconds), left, 0, left + kPanelWidth, kPanelHeight,
                   0xFF000000u, platform::dt::Center | platform::dt::VCenter, text->AddFont(kFace, kTimeSize));
    if (status.empty()) {
        return;
    }
    // As wide as the status needs, never narrower than the panel: the plate's
    // rounded ends keep their shape and its middle stretches.
    const int width = std::clamp(kStatusPadding + kStatusCharacter * static_cast<int>(status.size()), kPanelWidth,
                                 app->screenWidth - 2 * kStatusPadding);
    const int statusLeft = app->screenWidth / 2 - width / 2;
    const auto top = static_cast<float>(kStatusTop);
    const Vec2 capScale{1.0f, kStatusScale};
    const Vec2 leftAt{static_cast<float>(statusLeft), top};
    DrawSprite(sheet, SheetRegion{"wide", {0, 700, kCap, 700 + kPanelHeight}}, &capScale, nullptr, 0.0, &leftAt,
               0xFFFFFFFFu);
    const Vec2 middleScale{static_cast<float>(width - 2 * kCap) / static_cast<float>(kPanelWidth - 2 * kCap),
                           kStatusScale};
    const Vec2 middleAt{static_cast<float>(statusLeft + kCap), top};
    DrawSprite(sheet, SheetRegion{"wide", {kCap, 700, kPanelWidth - kCap, 700 + kPanelHeight}}, &middleScale,
               nullptr, 0.0, &middleAt, 0xFFFFFFFFu);
    const Vec2 rightAt{static_cast<float>(statusLeft + width - kCap), top};
    DrawSprite(sheet, SheetRegion{"wide", {kPanelWidth - kCap, 700, kPanelWidth, 700 + kPanelHeight}}, &capScale,
               nullptr, 0.0, &rightAt, 0xFFFFFFFFu);
    text->DrawText(status, statusLeft, kStatusTop, statusLeft + width, kStatusTop + kStatusHeight, 0xFF000000u,
                   platform::dt::Center | platform::dt::VCenter | platform::dt::SingleLine,
                   text->AddFont(kFace, kStatusSize));
}
