#pragma once

#include <string>

#include "app/Sprite.h"

class Font;

// One clock of the clock reading game: a random time of day, shown as a dial
// with hands or as a digital display, centred on its position.
class ClockFace {
public:
    static constexpr int kMinutesPerDay = 24 * 60;
    // displayMode 0: digital, 1: analog, 2 or more: either, at random.
    // Draws the hours, the minutes and then, for mode 2, the kind.
    ClockFace(Vec2 position, int displayMode, double size);
    // A clock of the given time and kind.
    ClockFace(Vec2 position, int hours, int minutes, bool analog);

    // The time of day in minutes, 0 .. 1439.
    int TimeValue() const { return hours * 60 + minutes; }
    int Hours() const { return hours; }
    int Minutes() const { return minutes; }
    bool IsAnalog() const { return analog; }
    // The clock shows a span of time, not a time of day: no before or after noon.
    void ShowSpan() { span = true; }
    Vec2 Position() const { return position; }

    // Draws the clock with its time in the font.
    void Draw(Font* font) const;

    // "h:mm" as a clock shows it; the hour 0 shows no digit.
    static std::string TimeText(int hours, int minutes, const char* separator = ":");

private:
    void DrawAnalog() const;
    void DrawDigital(Font* font) const;

    double scale = 1.0;
    int hours = 0;
    int minutes = 0;
    Vec2 position;
    bool analog = false;
    bool span = false;
};
