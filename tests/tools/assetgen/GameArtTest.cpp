// The pieces of misc1 and misc2 against the way the games draw them: the
// points they turn things about, the symmetry the fit rule assumes, the
// nine-slice box, the faces text is written on.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "ArtChecks.h"
#include "RegionMap.h"

namespace {

constexpr const char* kMisc1 = "misc1.PNG";
constexpr const char* kMisc2 = "misc2.PNG";

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
    struct Turned {
        int shape;
        double degrees;
        bool symmetric;
    };
    // square, circle, triangle, two-fold shape
    const Turned cases[] = {{0, 90, true},   {1, 37, true},  {1, 90, true},   {2, 120, true},
                            {3, 180, true},  {0, 45, false}, {2, 60, false},  {3, 90, false}};
    for (const Turned& c : cases) {
        const Rect r = RegionRect(kMisc1, "shape " + std::to_string(c.shape));
        const int mismatches = AlphaMismatches(misc1, r, Turn(50, 50, c.degrees));
        if (c.symmetric) {
            EXPECT_LT(mismatches, 60) << "shape " << c.shape << " turned " << c.degrees;  // anti-aliased edge pixels
        } else {
            EXPECT_GT(mismatches, 500) << "shape " << c.shape << " turned " << c.degrees;
        }
    }
}

TEST(TextBox, StretchesCleanlyAsNineSlices) {
    const Image& misc1 = Generated(kMisc1);
    const Rect box = RegionRect(kMisc1, "text box");
    // Every edge is constant along its length, the middle one flat colour:
    // each pixel outside the corners matches its row's or column's pixel at 5 (or the centre).
    const int differing = CountPixels(box, [&](int x, int y) {
        const int lx = x - box.left;
        const int ly = y - box.top;
        const bool midX = lx >= 5 && lx < 45;
        const bool midY = ly >= 5 && ly < 45;
        if (!midX && !midY) {
            return false;
        }
        const int rx = box.left + (midX ? (midY ? 25 : 5) : lx);
        const int ry = box.top + (midY ? (midX ? 25 : 5) : ly);
        bool differs = misc1.Alpha(x, y) != misc1.Alpha(rx, ry);
        for (int c = 0; c < 3; ++c) {
            differs = differs || std::abs(misc1.Channel(x, y, c) - misc1.Channel(rx, ry, c)) > 1;
        }
        return differs;
    });
    EXPECT_EQ(differing, 0);
    EXPECT_GT(misc1.Luminance(box.left + 25, box.top + 25), 0.95);  // black and pink text on it
    EXPECT_LT(misc1.Luminance(box.left + 25, box.top + 1), 0.6);    // a visible border
}

TEST(BoardPieces, LightFacesWhereTheGamesWriteOrTint) {
    const Image& misc1 = Generated(kMisc1);
    const Rect cell = RegionRect(kMisc1, "cell");
    EXPECT_GT(MeanOpaqueLuminance(misc1, Part(cell, 5, 5, 45, 45)), 0.9);
    EXPECT_LT(misc1.Luminance(cell.left, cell.top + 25), 0.7);  // a rim where cells abut
    EXPECT_GT(MeanOpaqueLuminance(misc1, RegionRect(kMisc1, "peg")), 0.65);
    EXPECT_GT(MeanOpaqueLuminance(misc1, Part(RegionRect(kMisc1, "tile"), 12, 12, 38, 38)), 0.8);
    EXPECT_GT(MeanOpaqueLuminance(misc1, Part(RegionRect(kMisc1, "operator box"), 12, 12, 38, 38)), 0.8);
    EXPECT_GT(MeanOpaqueLuminance(misc1, Part(RegionRect(kMisc1, "digital clock"), 40, 32, 160, 68)), 0.8);
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

    // "am" / "pm" go below the centre: that part of the dial is plain and light
    const Rect dial = RegionRect(kMisc1, "clock dial");
    EXPECT_GT(MeanOpaqueLuminance(misc1, Part(dial, 72, 135, 128, 176)), 0.9);
    EXPECT_LT(LuminanceSpread(misc1, Part(dial, 72, 135, 128, 176)), 0.04);
    EXPECT_EQ(misc1.Alpha(dial.left + 100, dial.top + 6), 255);  // the rim reaches up to the top
}

TEST(ReactionCards, MirrorEachOtherAndCarryADarkScreen) {
    const Image& misc1 = Generated(kMisc1);
    const Rect left = RegionRect(kMisc1, "card left");
    const Rect right = RegionRect(kMisc1, "card right");
    ASSERT_EQ(left.Width(), right.Width());
    EXPECT_EQ(CountPixels(left, [&](int x, int y) {
                  const int mx = right.right - 1 - (x - left.left);
                  const int my = y - left.top + right.top;
                  bool differs = std::abs(misc1.Alpha(x, y) - misc1.Alpha(mx, my)) > 2;
                  for (int c = 0; c < 3; ++c) {
                      differs = differs || std::abs(misc1.Channel(x, y, c) - misc1.Channel(mx, my, c)) > 2;
                  }
                  return differs;
              }),
              0);
    // green and red digits both stand out on a dark screen
    EXPECT_LT(MeanOpaqueLuminance(misc1, Part(left, 25, 30, 95, 120)), 0.15);
}

TEST(RoundCards, TheFaceIsACleanDisc) {
    // opaque inside, clear outside, nothing half-transparent within (the backs share its alpha)
    const Image& misc2 = Generated(kMisc2);
    const Rect face = RegionRect(kMisc2, "card face");
    EXPECT_EQ(CountPixels(face, [&](int x, int y) {
                  const double d = std::hypot(x - face.left + 0.5 - 50, y - face.top + 0.5 - 50);
                  const int a = misc2.Alpha(x, y);
                  return (d < 46 && a != 255) || (d > 49 && a != 0);
              }),
              0);
}
