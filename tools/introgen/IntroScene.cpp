#include "IntroScene.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "Decor.h"
#include "Text.h"

namespace {

using namespace palette;
using intro_art::TileLook;
constexpr double kPi = std::numbers::pi;

constexpr double kFadeInEnd = 0.5;
constexpr double kFadeOutStart = 5.3;
constexpr double kBoxRiseStart = 0.2;
constexpr double kBoxRiseLength = 0.8;
constexpr double kBoxRiseHeight = 420;
constexpr double kFirstLaunch = 1.1;
constexpr double kLaunchGap = 0.17;
constexpr double kFlightLength = 0.75;
constexpr double kLogoSpring = 0.7;
constexpr double kTagStart = 3.8;
constexpr double kTagLength = 0.5;

// The box's opening, where the tiles come out, on screen.
constexpr double kOpeningX = IntroScene::kWidth / 2.0;
constexpr double kOpeningY = 520;
constexpr double kLogoY = 138;
constexpr double kTagY = 236;
constexpr const char* kSubtitle = "Gehirnjogging \xC2\xB7 Brain training";

struct TilePlan {
    double x, y, turn;
    TileLook look;
};

// In launch order: the middle first, then outwards, alternating sides.
const TilePlan kTilePlans[] = {
    {512, 378, 0.0, {66, kBlue, "K", decor::Figure::Circle}},
    {430, 308, -0.1, {74, kOrange, nullptr, decor::Figure::Star}},
    {594, 308, 0.1, {74, kPurple, nullptr, decor::Figure::Puzzle}},
    {334, 362, -0.22, {72, kGreen, "A", decor::Figure::Circle}},
    {690, 362, 0.22, {72, kTeal, nullptr, decor::Figure::Plus}},
    {262, 452, -0.38, {70, kRed, "7", decor::Figure::Circle}},
    {762, 452, 0.38, {70, kPink, "?", decor::Figure::Circle}},
    {150, 330, -0.3, {56, kYellow.Mix(kOrange, 0.3), nullptr, decor::Figure::Circle}},
    {874, 330, 0.3, {56, kSky.Mix(kBlue, 0.4), nullptr, decor::Figure::Triangle}},
};

double Progress(double seconds, double start, double length) {
    return std::clamp((seconds - start) / length, 0.0, 1.0);
}

double EaseOutCubic(double p) { return 1 - std::pow(1 - p, 3); }

// Overshoots a little, then settles: a spring. It first reaches 1 at
// p = 1 - kSpring / (kSpring + 1).
constexpr double kSpring = 1.9;
double EaseOutBack(double p) { return 1 + (kSpring + 1) * std::pow(p - 1, 3) + kSpring * std::pow(p - 1, 2); }

// Paints a canvas with its centre at (cx, cy), scaled, turned and faded.
void Place(cairo_t* cr, const Canvas& layer, double cx, double cy, double scale, double turn, double alpha) {
    if (scale <= 0.001 || alpha <= 0) {
        return;
    }
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, turn);
    cairo_scale(cr, scale, scale);
    cairo_set_source_surface(cr, layer.Surface(), -layer.Width() / 2.0, -layer.Height() / 2.0);
    cairo_paint_with_alpha(cr, std::min(alpha, 1.0));
    cairo_restore(cr);
}

int TagWidth() {
    Canvas probe(1, 1);
    return static_cast<int>(text::Width(probe.Cr(), kSubtitle, text::Face::Label, 26)) + 70;
}

}  // namespace

IntroScene::IntroScene()
    : sky_(kWidth, kHeight),
      boxBack_(intro_art::kBoxCanvasWidth, intro_art::kBoxCanvasHeight),
      boxFront_(intro_art::kBoxCanvasWidth, intro_art::kBoxCanvasHeight),
      logo_(1000, 230),
      tag_(TagWidth(), 60) {
    intro_art::PaintSky(sky_);
    intro_art::PaintBoxBack(boxBack_);
    intro_art::PaintBoxFront(boxFront_);
    decor::Logo(logo_.Cr(), logo_.Width() / 2.0, logo_.Height() / 2.0, 118);
    intro_art::PaintTag(tag_, kSubtitle, 26);
    for (const TilePlan& plan : kTilePlans) {
        const int side = intro_art::TileCanvasSide(plan.look.size);
        Tile tile{std::make_unique<Canvas>(side, side), plan.x, plan.y, plan.turn};
        intro_art::PaintTile(*tile.canvas, plan.look);
        tiles_.push_back(std::move(tile));
    }
}

double IntroScene::TileLaunchTime(int index) { return kFirstLaunch + kLaunchGap * index; }

double IntroScene::BoxArrivalTime() { return kBoxRiseStart + kBoxRiseLength * (1 - kSpring / (kSpring + 1)); }

void IntroScene::DrawTiles(cairo_t* cr, double seconds, double boxDrop) const {
    for (int i = 0; i < TileCount(); ++i) {
        const Tile& tile = tiles_[static_cast<size_t>(i)];
        const double launch = TileLaunchTime(i);
        if (seconds < launch) {
            continue;  // still in the box
        }
        const double p = EaseOutCubic(Progress(seconds, launch, kFlightLength));
        const double startY = kOpeningY + 40 + boxDrop;
        double x = kOpeningX + (tile.x - kOpeningX) * p;
        double y = startY + (tile.y - startY) * p - 170 * std::sin(kPi * p);
        const double spin = (i % 2 == 0 ? 1.0 : -1.0) * 1.5 * kPi * (1 - p);
        const double landed = seconds - launch - kFlightLength;
        if (landed > 0) {
            y += 3.5 * std::sin(2 * kPi * 0.7 * landed + i);
            x += 1.5 * std::sin(2 * kPi * 0.45 * landed + 2 * i);
        }
        Place(cr, *tile.canvas, x, y, 0.55 + 0.45 * p, tile.turn + spin, 1.0);
    }
}

void IntroScene::Draw(Canvas& frame, double seconds) const {
    cairo_t* cr = frame.Cr();
    cairo_save(cr);
    cairo_set_source_surface(cr, sky_.Surface(), 0, 0);
    cairo_paint(cr);
    intro_art::PaintRays(cr, kOpeningX, kOpeningY - 20, 0.12 * seconds);

    const double drop = (1 - EaseOutBack(Progress(seconds, kBoxRiseStart, kBoxRiseLength))) * kBoxRiseHeight;
    const double boxCentreY = kOpeningY - intro_art::kBoxOpeningY + intro_art::kBoxCanvasHeight / 2.0 + drop;
    Place(cr, boxBack_, kOpeningX, boxCentreY, 1, 0, 1);
    DrawTiles(cr, seconds, drop);
    Place(cr, boxFront_, kOpeningX, boxCentreY, 1, 0, 1);

    const double logo = Progress(seconds, kLogoTime, kLogoSpring);
    Place(cr, logo_, kOpeningX, kLogoY, EaseOutBack(logo), 0, logo * 5);
    const double tag = EaseOutCubic(Progress(seconds, kTagStart, kTagLength));
    Place(cr, tag_, kOpeningX, kTagY + 24 * (1 - tag), 1, 0, tag);

    const double dark = std::max(1 - Progress(seconds, 0, kFadeInEnd), Progress(seconds, kFadeOutStart,
                                                                                 kSeconds - kFadeOutStart));
    if (dark > 0) {
        cairo_set_source_rgba(cr, 0, 0, 0, dark);
        cairo_paint(cr);
    }
    cairo_restore(cr);
    cairo_surface_flush(frame.Surface());
}
