#pragma once

#include <memory>
#include <vector>

#include "Canvas.h"
#include "IntroArt.h"

// The intro's animated title: the toy box springs up from below, tiles fly
// out of it one after another and settle in an arc, the game's name springs
// up above them, the subtitle follows, and the picture fades to black. The still parts are
// painted once; each frame only places them.
class IntroScene {
public:
    static constexpr int kWidth = 1024;
    static constexpr int kHeight = 768;
    static constexpr int kFramesPerSecond = 25;
    static constexpr double kSeconds = 6.0;
    static constexpr int kFrameCount = static_cast<int>(kSeconds * kFramesPerSecond);

    IntroScene();

    // Draws the picture at `seconds` from the start onto a kWidth x kHeight canvas.
    void Draw(Canvas& frame, double seconds) const;

    // When the name has sprung up: the jingle's chord starts here.
    static constexpr double kLogoTime = 3.0;
    // When the box first reaches its place.
    static double BoxArrivalTime();
    // When tile `index` leaves the box.
    static double TileLaunchTime(int index);
    int TileCount() const { return static_cast<int>(tiles_.size()); }

private:
    struct Tile {
        std::unique_ptr<Canvas> canvas;
        double x, y, turn;  // where it comes to rest
    };

    void DrawTiles(cairo_t* cr, double seconds, double boxDrop) const;

    Canvas sky_;
    Canvas boxBack_;
    Canvas boxFront_;
    Canvas logo_;
    Canvas tag_;
    std::vector<Tile> tiles_;
};
