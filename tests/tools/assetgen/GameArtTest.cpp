// The pieces of misc1 against the way the games draw them: the points they
// turn things about, the symmetry the fit rule assumes, the faces text is
// written on.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "ArtChecks.h"
#include "RegionMap.h"

namespace {

constexpr const char* kMisc1 = "misc1.PNG";

// Turns a region-local point about (cx, cy) by `degrees`.
auto Turn(double cx, double cy, double degrees) {
    const double a = degrees * std::numbers::pi / 180;
    return [=](double& x, double& y) {
        const double dx = x - cx;
        const double dy = y - cy;
        x = cx + dx * std::cos(a) - dy * std::sin(a);
        y = cy + dx * std::sin(a) + dy * std::cos(a);
    };
}

}  // namespace

TEST(BuildingShapes, HaveTheSymmetryTheFitRuleAssumesAndNoMore) {
    const Image& misc1 = Generated(kMisc1);
    struct Turned { int shape; double degrees; bool symmetric; };
    // square, circle, triangle, two-fold shape
    const Turned cases[] = {{0, 90, true},   {1, 37, true},  {1, 90, true},   {2, 120, true},
                            {3, 180, true},  {0, 45, false}, {2, 60, false},  {3, 90, false}};
    for (const Turned& c : cases) {
        const int mismatches = AlphaMismatches(misc1, RegionRect(kMisc1, "shape " + std::to_string(c.shape)), Turn(50, 50, c.degrees));
        // anti-aliased edge pixels may differ
        EXPECT_TRUE(c.symmetric ? mismatches < 60 : mismatches > 500) << "shape " << c.shape << " turned " << c.degrees;
    }
}

TEST(BoardPieces, FacesAreLightWhereTheGamesWriteOrTintAndDarkWhereTheyShowLight) {
    const Image& misc1 = Generated(kMisc1);
    const struct { Rect part; double minLuminance, maxLuminance; const char* what; } cases[] = {
        {Part(RegionRect(kMisc1, "cell"), 5, 5, 45, 45), 0.9, 1, "cell face"},
        {Part(RegionRect(kMisc1, "cell"), 0, 24, 1, 26), 0, 0.7, "cell rim, where cells abut"},
        {RegionRect(kMisc1, "peg"), 0.65, 1, "peg"},
        {Part(RegionRect(kMisc1, "tile"), 12, 12, 38, 38), 0.8, 1, "tile"},
        {Part(RegionRect(kMisc1, "operator box"), 12, 12, 38, 38), 0.8, 1, "operator box"},
        {Part(RegionRect(kMisc1, "text box"), 20, 20, 30, 30), 0.95, 1, "text box, under black and pink text"},
        {Part(RegionRect(kMisc1, "text box"), 20, 1, 30, 2), 0, 0.6, "text box border"},
        {Part(RegionRect(kMisc1, "digital clock"), 40, 32, 160, 68), 0.8, 1, "digital clock face"},
        {Part(RegionRect(kMisc1, "clock dial"), 72, 135, 128, 176), 0.9, 1, "dial below the centre, under am/pm"},
        {Part(RegionRect(kMisc1, "card left"), 25, 30, 95, 120), 0, 0.15, "reaction card screen, under green and red digits"},
    };
    for (const auto& c : cases) {
        const double luminance = MeanOpaqueLuminance(misc1, c.part);
        EXPECT_TRUE(luminance >= c.minLuminance && luminance <= c.maxLuminance) << c.what << ": " << luminance;
    }
    // the operator box and the number box of the triangle game look different
    EXPECT_GT(MeanDifference(misc1, RegionRect(kMisc1, "operator box"), misc1, RegionRect(kMisc1, "text box")), 25);
}

TEST(Clock, HandsPointToTwelveAndTurnAboutTheCellCentre) {
    const Image& misc1 = Generated(kMisc1);
    int tips[2] = {0, 0};
    const char* names[] = {"hour hand", "minute hand"};
    for (int h = 0; h < 2; ++h) {
        const Rect r = RegionRect(kMisc1, names[h]);
        EXPECT_EQ(misc1.Alpha(r.left + 100, r.top + 100), 255) << names[h];
        int tip = 100;
        while (tip > 0 && misc1.Alpha(r.left + 100, r.top + tip - 1) >= 128) {
            --tip;
        }
        tips[h] = tip;
        EXPECT_LT(tip, 60) << names[h] << " reaches up from the centre";
        EXPECT_EQ(CountPixels(Part(r, 100, 125, 101, 200), [&](int x, int y) { return misc1.Alpha(x, y) >= 128; }), 0)
            << names[h] << " reaches down";
        // a straight hand: left and right of the vertical through the centre alike
        EXPECT_LT(AlphaMismatches(misc1, r, [](double& x, double&) { x = 200 - x; }), 10) << names[h];
    }
    EXPECT_LT(tips[1], tips[0] - 15);  // the minute hand is the longer one
}

TEST(Balance, TheBeamIsLevelAboutItsPivotAndTheWeightIsDarkUnderItsMass) {
    const Image& misc1 = Generated(kMisc1);
    // The pans stand on the bar's ends, on the pivot's row and as far from it on either side.
    const Rect beam = RegionRect(kMisc1, "beam");
    for (const int x : {10, 175, 340}) {
        EXPECT_EQ(misc1.Alpha(beam.left + x, beam.top + 14), 255) << x;
    }
    EXPECT_LT(AlphaMismatches(misc1, beam, [&](double& x, double&) { x = beam.Width() - x; }), 60);
    // The game writes the mass in light letters on the front: opaque there,
    // and dark enough for white to stand out at 4.5:1.
    const Rect label = Part(RegionRect(kMisc1, "weight"), 10, 34, 122, 90);
    const int opaque = CountPixels(label, [&](int x, int y) { return misc1.Alpha(x, y) == 255; });
    EXPECT_EQ(opaque, label.Width() * label.Height());
    const auto relativeLuminance = [&](int x, int y) {
        double sum = 0;
        const double weights[] = {0.2126, 0.7152, 0.0722};
        for (int c = 0; c < 3; ++c) {
            const double v = misc1.Channel(x, y, c) / 255.0;
            sum += weights[c] * (v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
        }
        return sum;
    };
    EXPECT_EQ(CountPixels(label, [&](int x, int y) { return (1.0 + 0.05) / (relativeLuminance(x, y) + 0.05) < 4.5; }),
              0);
}
