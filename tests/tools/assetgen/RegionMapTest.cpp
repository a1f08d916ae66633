// The region table against itself and against the sheet sizes, and the
// painted regions' pixels against what the game needs from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "ArtChecks.h"
#include "AssetCatalog.h"

namespace {

const TextureSheet* SheetOf(const std::string& entry) {
    for (const TextureSheet& s : TextureSheets()) {
        if (s.entry == entry) {
            return &s;
        }
    }
    return nullptr;
}

// The middle third of a rectangle.
Rect Middle(const Rect& r) {
    return {r.left + r.Width() / 3, r.top + r.Height() / 3, r.right - r.Width() / 3, r.bottom - r.Height() / 3};
}

}  // namespace

TEST(RegionMap, EveryRegionLiesOnItsSheetAndImageAndNoneOverlap) {
    std::set<std::string> sheetsWithRegions;
    const auto& map = RegionMap();
    for (std::size_t i = 0; i < map.size(); ++i) {
        const RegionInfo& a = map[i];
        const TextureSheet* sheet = SheetOf(a.texture);
        ASSERT_NE(sheet, nullptr) << a.texture;
        const Image& image = Generated(a.texture);
        ASSERT_TRUE(image.Valid()) << a.texture;
        sheetsWithRegions.insert(a.texture);
        EXPECT_TRUE(a.rect.left >= 0 && a.rect.top >= 0 && a.rect.right <= std::min(sheet->width, image.Width()) &&
                    a.rect.bottom <= std::min(sheet->height, image.Height()) && a.rect.Width() > 0 && a.rect.Height() > 0)
            << a.texture << " " << a.name;
        for (std::size_t j = i + 1; j < map.size(); ++j) {
            if (a.texture == map[j].texture) {
                EXPECT_FALSE(a.rect.Overlaps(map[j].rect)) << a.texture << ": " << a.name << " / " << map[j].name;
                EXPECT_NE(a.name, map[j].name) << a.texture;
            }
        }
    }
    EXPECT_EQ(sheetsWithRegions.size(), TextureSheets().size());
    EXPECT_EQ(sheetsWithRegions.size(), 16u);
}

TEST(RegionMap, FindsRegionsByNameAndRefusesUnknownOnes) {
    EXPECT_EQ(RegionRect("menu2.PNG", "wide lit").top, RegionRect("menu2.PNG", "wide").bottom);
    EXPECT_THROW(RegionRect("menu2.PNG", "no such region"), std::out_of_range);
    EXPECT_THROW(RegionRect("menu9.PNG", "wide"), std::out_of_range);
}

TEST(PaintedRegions, MeetTheirCoverageHaveInkAndTintedOnesAreGrey) {
    int tinted = 0;
    for (const RegionInfo& region : RegionMap()) {
        ASSERT_TRUE(region.painted) << region.name;
        const Image& image = Generated(region.texture);
        const Rect& r = region.rect;
        const std::string what = region.texture + " " + region.name;
        auto opaque = [&](int x, int y) { return image.Alpha(x, y) == 255; };
        EXPECT_GT(CountPixels(r, [&](int x, int y) { return image.Alpha(x, y) > 0; }), r.Width() * r.Height() / 50) << what;
        if (region.coverage == Coverage::Opaque) {
            EXPECT_EQ(CountPixels(r, opaque), r.Width() * r.Height()) << what;
        } else if (region.coverage == Coverage::Body) {
            const Rect middle = Middle(r);
            EXPECT_EQ(CountPixels(middle, opaque), middle.Width() * middle.Height()) << what;
            // panels and labelled buttons are light under black text; 50-px icon buttons carry none
            if (region.texture.rfind("menu", 0) == 0 && r.Width() > 50) {
                EXPECT_GT(image.MeanLuminance(middle), 0.8) << what;
            }
        } else if (region.coverage == Coverage::Shape) {
            for (const auto& [x, y] : {std::pair{r.left, r.top}, {r.right - 1, r.top}, {r.left, r.bottom - 1}, {r.right - 1, r.bottom - 1}}) {
                EXPECT_EQ(image.Alpha(x, y), 0) << what;
            }
            EXPECT_EQ(image.Alpha((r.left + r.right) / 2, (r.top + r.bottom) / 2), 255) << what;
        }
        // The game multiplies tinted regions by colours; any hue of their own would shift them.
        if (region.tinted) {
            ++tinted;
            EXPECT_EQ(CountPixels(r, [&](int x, int y) {
                          const int c[3] = {image.Channel(x, y, 0), image.Channel(x, y, 1), image.Channel(x, y, 2)};
                          return image.Alpha(x, y) >= 64 && std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]}) > 4;
                      }),
                      0)
                << what;
        }
    }
    EXPECT_EQ(tinted, 6);  // cell, peg and the four shapes
}

TEST(PaintedRegions, HighlightedCopiesDifferFromTheNormalOnes) {
    struct Pair {
        const char* texture;
        const char* normal;
        const char* lit;
        double minDifference;
    };
    const Pair pairs[] = {
        {"menu2.PNG", "wide", "wide lit", 10},           {"menu2.PNG", "short", "short lit", 10},
        {"menu2.PNG", "square", "square lit", 10},       {"menu2.PNG", "reset", "reset lit", 10},
        {"menu2.PNG", "scroll up", "scroll up lit", 10}, {"menu2.PNG", "scroll down", "scroll down lit", 10},
        {"menu2.PNG", "language", "language on", 5},     {"misc2.PNG", "operator +", "operator + lit", 30},
        {"misc2.PNG", "operator -", "operator - lit", 30}, {"misc2.PNG", "operator x", "operator x lit", 30},
        {"misc2.PNG", "operator /", "operator / lit", 30},
    };
    for (const Pair& p : pairs) {
        const Image& image = Generated(p.texture);
        EXPECT_GT(MeanDifference(image, RegionRect(p.texture, p.normal), image, RegionRect(p.texture, p.lit)), p.minDifference)
            << p.normal;
    }
}

TEST(Pointer, TipSitsOnPixel8_14AndFramesAnimateFromPressedToReleased) {
    const Image& misc1 = Generated("misc1.PNG");
    const Rect rest = RegionRect("misc1.PNG", "pointer 9");
    int previous = 1 << 30;
    for (int f = 0; f < 10; ++f) {
        const Rect r = RegionRect("misc1.PNG", "pointer " + std::to_string(f));
        EXPECT_GE(misc1.Alpha(r.left + 8, r.top + 14), 200) << "frame " << f;
        EXPECT_EQ(misc1.Alpha(r.left, r.top + 14), 0) << "frame " << f;
        if (f < 9) {
            // each frame differs from the resting one, less so frame by frame
            const int differing = CountPixels(r, [&](int x, int y) {
                return std::abs(misc1.Alpha(x, y) - misc1.Alpha(x - r.left + rest.left, y - r.top + rest.top)) > 8;
            });
            EXPECT_GT(differing, 0) << "frame " << f;
            EXPECT_LE(differing, previous) << "frame " << f;
            previous = differing;
        }
    }
    // At rest nothing lies above or left of the tip.
    EXPECT_EQ(CountPixels(rest, [&](int x, int y) { return (y < rest.top + 13 || x < rest.left + 7) && misc1.Alpha(x, y) > 0; }),
              0);
}
