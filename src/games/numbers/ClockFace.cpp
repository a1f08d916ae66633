#include "games/numbers/ClockFace.h"

#include <algorithm>
#include <cstdio>

#include "app/AppState.h"
#include "app/Colours.h"
#include "app/Random.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "platform/Renderer.h"
#include "settings/LanguageTexts.h"

namespace {

// The size the clock art is drawn for.
constexpr double kArtSize = 200.0;
constexpr double kRadiansPerDegree = 0.01745329238474369;

const SheetRegion kDial{"clock dial", {600, 500, 800, 700}};
const SheetRegion kMinuteHand{"minute hand", {800, 500, 1000, 700}};
const SheetRegion kHourHand{"hour hand", {800, 300, 1000, 500}};
const SheetRegion kDisplay{"digital clock", {600, 400, 800, 500}};
// Before or after noon, in the language's words ("am", "vorm."), small and
// between the dial's centre and its 6, as part of its radius.
constexpr int kBeforeNoonText = 198;
constexpr int kAfterNoonText = 199;
constexpr float kNoonMarkDrop = 0.3f;
constexpr double kNoonMarkSize = 18.0;

}  // namespace

ClockFace::ClockFace(Vec2 position, int displayMode, double size) : scale(size / kArtSize), position(position) {
    hours = Random() % 24;
    minutes = Random() % 60;
    analog = displayMode >= 2 ? Random() % 2 != 0 : displayMode != 0;
}

ClockFace::ClockFace(Vec2 position, int hours, int minutes, bool analog)
    : hours(hours), minutes(minutes), position(position), analog(analog) {}

std::string ClockFace::TimeText(int hours, int minutes, const char* separator) {
    char text[64];
    // Precision 0 prints no digit for the hour 0.
    std::snprintf(text, sizeof text, "%1.d%s%02d", hours, separator, minutes);
    return text;
}

void ClockFace::Draw(Font* font) const {
    if (analog) {
        DrawAnalog();
    } else {
        DrawDigital(font);
    }
}

void ClockFace::DrawAnalog() const {
    const AppState* app = GetAppState();
    const platform::Texture* misc1 = app->textures[TEX_MISC1].get();
    const float s = static_cast<float>(scale);
    const float half = static_cast<float>(kArtSize / 2.0) * s;
    const Vec2 scaling{s, s};
    const Vec2 corner{position.x - half, position.y - half};
    DrawSprite(misc1, kDial, &scaling, nullptr, 0.0, &corner, kWhite);
    // Language texts begin with the blank that parts them from their index.
    const std::string& noon = span ? std::string() : GetTextOrEmpty(hours < 12 ? kBeforeNoonText : kAfterNoonText);
    TextRenderer* text = GetTextRenderer();
    text->DrawTextAt(noon.substr(std::min(noon.find_first_not_of(' '), noon.size())), position.x,
                     position.y + kNoonMarkDrop * half, kBlack, platform::dt::Center,
                     text->AddFont("Arial", kNoonMarkSize));

    const double minuteDegrees = minutes / 60.0 * 360.0;
    const double hourDegrees = hours / 12.0 * 360.0 + minuteDegrees / 12.0;
    const Vec2 centre{half, half};
    DrawSprite(misc1, kHourHand, &scaling, &centre, hourDegrees * kRadiansPerDegree, &corner, kWhite);
    DrawSprite(misc1, kMinuteHand, &scaling, &centre, minuteDegrees * kRadiansPerDegree, &corner, kWhite);
}

void ClockFace::DrawDigital(Font* font) const {
    const AppState* app = GetAppState();
    const float s = static_cast<float>(scale);
    const Vec2 scaling{s, s};
    const Vec2 corner{position.x - static_cast<float>(kArtSize / 2.0) * s,
                      position.y - static_cast<float>(kArtSize / 4.0) * s};
    DrawSprite(app->textures[TEX_MISC1].get(), kDisplay, &scaling, nullptr, 0.0, &corner, kWhite);
    GetTextRenderer()->DrawTextAt(TimeText(hours, minutes), position.x, position.y, kBlack,
                                  platform::dt::Center | platform::dt::VCenter, font);
}
