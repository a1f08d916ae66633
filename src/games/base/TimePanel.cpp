#include "games/base/TimePanel.h"

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
    const Vec2 scale{1.0f, kStatusScale};
    const Vec2 below{static_cast<float>(left), static_cast<float>(kStatusTop)};
    DrawSprite(sheet, region, &scale, nullptr, 0.0, &below, 0xFFFFFFFFu);
    text->DrawText(status, left, kStatusTop, left + kPanelWidth, kStatusTop + kStatusHeight, 0xFF000000u,
                   platform::dt::Center | platform::dt::VCenter | platform::dt::SingleLine,
                   text->AddFont(kFace, kStatusSize));
}
