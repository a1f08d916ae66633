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

void DrawTimePanel(double playSeconds, Font* font, const std::string& secondLine) {
    const AppState* app = GetAppState();
    const int left = app->screenWidth / 2 - kPanelWidth / 2;
    const SheetRegion region{"wide", {0, 700, kPanelWidth, 700 + kPanelHeight}};
    const Vec2 position{static_cast<float>(left), 0.0f};
    DrawSprite(app->textures[TEX_MENU2].get(), region, nullptr, nullptr, 0.0, &position, 0xFFFFFFFFu);

    std::string text = FormatMinutesSeconds(kTimeText, playSeconds);
    if (!secondLine.empty()) {
        text += "\n" + secondLine;
    }
    GetTextRenderer()->DrawText(text, left, 0, left + kPanelWidth, kPanelHeight, 0xFF000000u,
                                platform::dt::Center | platform::dt::VCenter, font);
}
