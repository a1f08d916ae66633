// The pieces of misc1 and misc2 against the way the games draw them: the
// points they turn and stand things on, the symmetry the fit rule assumes,
// the nine-slice box, the faces text is written on.
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

TEST(BuildingShapes, HaveTheSymmetryTheFitRuleAssumes) {
    const Image misc1 = Generated(kMisc1);
    const Rect square = RegionRect(kMisc1, "shape 0");
    const Rect circle = RegionRect(kMisc1, "shape 1");
    const Rect triangle = RegionRect(kMisc1, "shape 2");
    const Rect twoFold = RegionRect(kMisc1, "shape 3");
    constexpr int kEdgeNoise = 60;  // anti-aliased edge pixels
    EXPECT_LT(AlphaMismatches(misc1, square, Turn(50, 50, 90)), kEdgeNoise);
    EXPECT_LT(AlphaMismatches(misc1, circle, Turn(50, 50, 37)), kEdgeNoise);
    EXPECT_LT(AlphaMismatches(misc1, circle, Turn(50, 50, 90)), kEdgeNoise);
    EXPECT_LT(AlphaMismatches(misc1, triangle, Turn(50, 50, 120)), kEdgeNoise);
    EXPECT_LT(AlphaMismatches(misc1, twoFold, Turn(50, 50, 180)), kEdgeNoise);
    // ... and no more symmetry than that: each type looks different turned
    EXPECT_GT(AlphaMismatches(misc1, square, Turn(50, 50, 45)), 500);
    EXPECT_GT(AlphaMismatches(misc1, triangle, Turn(50, 50, 60)), 500);
    EXPECT_GT(AlphaMismatches(misc1, twoFold, Turn(50, 50, 90)), 500);
    // the outline is dark, the face light, so same-grey silhouettes stay apart
    for (const Rect& r : {square, circle, triangle, twoFold}) {
        EXPECT_GT(misc1.Luminance(r.left + 50, r.top + 50), 0.9);
    }
    EXPECT_LT(misc1.Luminance(square.left + 50, square.top + 3), 0.3);
}

TEST(TextBox, StretchesCleanlyAsNineSlices) {
    const Image misc1 = Generated(kMisc1);
    const Rect box = RegionRect(kMisc1, "text box");
    auto same = [&](int x0, int y0, int x1, int y1) {
        for (int c = 0; c < 3; ++c) {
            if (std::abs(misc1.Channel(box.left + x0, box.top + y0, c) - misc1.Channel(box.left + x1, box.top + y1, c)) > 1) {
                return false;
            }
        }
        return misc1.Alpha(box.left + x0, box.top + y0) == misc1.Alpha(box.left + x1, box.top + y1);
    };
    // every edge is constant along its length, the middle is one flat colour
    for (int i = 0; i < 5; ++i) {
        for (int t = 5; t < 45; ++t) {
            EXPECT_TRUE(same(t, i, 5, i)) << "top edge row " << i << " at " << t;
            EXPECT_TRUE(same(t, 49 - i, 5, 49 - i)) << "bottom edge row " << 49 - i << " at " << t;
            EXPECT_TRUE(same(i, t, i, 5)) << "left edge column " << i << " at " << t;
            EXPECT_TRUE(same(49 - i, t, 49 - i, 5)) << "right edge column " << 49 - i << " at " << t;
        }
    }
    for (int y = 5; y < 45; ++y) {
        for (int x = 5; x < 45; ++x) {
            ASSERT_TRUE(same(x, y, 25, 25)) << x << "," << y;
        }
    }
    EXPECT_GT(misc1.Luminance(box.left + 25, box.top + 25), 0.95);  // black and pink text on it
    EXPECT_LT(misc1.Luminance(box.left + 25, box.top + 1), 0.6);    // a visible border
}

TEST(BoardPieces, LightFacesWhereTheGamesWriteOrTint) {
    const Image misc1 = Generated(kMisc1);
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
    const Image misc1 = Generated(kMisc1);
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
        for (int y = 125; y < 200; ++y) {
            EXPECT_LT(misc1.Alpha(r.left + 100, r.top + y), 128) << names[h] << " reaches down to row " << y;
        }
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

TEST(Balance, PiecesMeetAtPivotAnchorsAndFeet) {
    const Image misc1 = Generated(kMisc1);
    const Rect stand = RegionRect(kMisc1, "stand");
    EXPECT_EQ(misc1.Alpha(stand.left + 42, stand.top), 255);  // the pivot on its top centre
    EXPECT_EQ(misc1.Alpha(stand.left + 42, stand.top + 95), 255);
    const Rect beam = RegionRect(kMisc1, "beam");
    EXPECT_EQ(misc1.Alpha(beam.left + 100, beam.top + 22), 255);  // the pivot
    EXPECT_EQ(misc1.Alpha(beam.left + 8, beam.top + 5), 255);     // the bar runs out to both pan anchors
    EXPECT_EQ(misc1.Alpha(beam.left + 191, beam.top + 5), 255);
    const Rect pan = RegionRect(kMisc1, "pan");
    EXPECT_EQ(misc1.Alpha(pan.left + 48, pan.top + 30), 255);  // rests on the beam end
    for (const int x : {6, 48, 89}) {
        EXPECT_EQ(misc1.Alpha(pan.left + x, pan.top + 3), 255) << "plate at " << x;
    }
    const Rect weight = RegionRect(kMisc1, "weight");
    EXPECT_EQ(misc1.Alpha(weight.left + 33, weight.top + 100), 255);  // the foot point
    EXPECT_EQ(misc1.Alpha(weight.left + 33, weight.top + 110), 0);
    EXPECT_LT(MeanOpaqueLuminance(misc1, Part(weight, 14, 60, 52, 95)), 0.3);  // white label rows
}

TEST(ReactionCards, MirrorEachOtherAndCarryADarkScreen) {
    const Image misc1 = Generated(kMisc1);
    const Rect left = RegionRect(kMisc1, "card left");
    const Rect right = RegionRect(kMisc1, "card right");
    ASSERT_EQ(left.Width(), right.Width());
    int differing = 0;
    for (int y = 0; y < left.Height(); ++y) {
        for (int x = 0; x < left.Width(); ++x) {
            for (int c = 0; c < 3; ++c) {
                differing += std::abs(misc1.Channel(left.left + x, left.top + y, c) -
                                      misc1.Channel(right.right - 1 - x, right.top + y, c)) > 2;
            }
            differing += std::abs(misc1.Alpha(left.left + x, left.top + y) - misc1.Alpha(right.right - 1 - x, right.top + y)) > 2;
        }
    }
    EXPECT_EQ(differing, 0);
    // green and red digits both stand out on a dark screen
    EXPECT_LT(MeanOpaqueLuminance(misc1, Part(left, 25, 30, 95, 120)), 0.15);
}

TEST(PuzzlePictures, EveryTileIsDetailedAndDistinct) {
    const Image misc1 = Generated(kMisc1);
    for (int k = 0; k < 3; ++k) {
        const Rect picture = RegionRect(kMisc1, "puzzle " + std::to_string(k));
        for (int n = 3; n <= 5; ++n) {
            const int cell = 200 / n;
            auto tile = [&](int i) { return Part(picture, i % n * cell, i / n * cell, (i % n + 1) * cell, (i / n + 1) * cell); };
            for (int i = 0; i < n * n; ++i) {
                EXPECT_GT(LuminanceSpread(misc1, tile(i)), 0.04) << "picture " << k << ", " << n << "x" << n << ", tile " << i;
                for (int j = i + 1; j < n * n; ++j) {
                    EXPECT_GT(MeanDifference(misc1, tile(i), misc1, tile(j)), 8)
                        << "picture " << k << ", " << n << "x" << n << ", tiles " << i << " and " << j;
                }
            }
        }
    }
}

TEST(Operators, EachSignAndItsHighlightedCopyDiffer) {
    const Image misc2 = Generated(kMisc2);
    const char* names[] = {"operator +", "operator -", "operator x", "operator /"};
    for (int a = 0; a < 4; ++a) {
        const Rect normal = RegionRect(kMisc2, names[a]);
        EXPECT_GT(MeanDifference(misc2, normal, misc2, RegionRect(kMisc2, std::string(names[a]) + " lit")), 30) << names[a];
        EXPECT_GT(misc2.Luminance(normal.left + 10, normal.top + 25), 0.8) << names[a] << ": light plate";
        for (int b = a + 1; b < 4; ++b) {
            EXPECT_GT(ClearlyDifferentPixels(misc2, normal, misc2, RegionRect(kMisc2, names[b])), 30)
                << names[a] << " / " << names[b];
        }
    }
}

TEST(RoundCards, FaceAndBacksShareOneDiscSilhouette) {
    const Image misc2 = Generated(kMisc2);
    const Rect face = RegionRect(kMisc2, "card face");
    for (int b = 0; b < 3; ++b) {
        const Rect back = RegionRect(kMisc2, "card back " + std::to_string(b));
        EXPECT_LE(WorstAlphaDifference(misc2, face, misc2, back), 1) << "back " << b;
        EXPECT_GT(MeanDifference(misc2, face, misc2, back), 30) << "back " << b;
    }
    // a clean disc: opaque inside, clear outside, nothing half-transparent within
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 100; ++x) {
            const double d = std::hypot(x + 0.5 - 50, y + 0.5 - 50);
            const int a = misc2.Alpha(face.left + x, face.top + y);
            if (d < 46) {
                ASSERT_EQ(a, 255) << x << "," << y;
            } else if (d > 49) {
                ASSERT_EQ(a, 0) << x << "," << y;
            }
        }
    }
}
