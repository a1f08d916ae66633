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
        } else if (region.coverage == Coverage::Pointer) {
            // the game clicks at the tip; at rest nothing lies above or left of it
            EXPECT_GE(image.Alpha(r.left + 8, r.top + 14), 200) << what;
            EXPECT_EQ(image.Alpha(r.left, r.top + 14), 0) << what;
            if (region.name == "pointer 9") {
                EXPECT_EQ(CountPixels(r, [&](int x, int y) { return (y < r.top + 13 || x < r.left + 7) && image.Alpha(x, y) > 0; }), 0);
            }
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
    EXPECT_EQ(tinted, 9);  // cell, peg, the four shapes and the three chart pieces
}

TEST(PaintedRegions, HighlightedCopiesStandOutFromTheNormalOnes) {
    struct Pair { std::string texture, normal, lit; double minDifference, minBrighter; };
    std::vector<Pair> pairs = {{"menu2.PNG", "language", "language on", 5, -1}};
    for (const char* button : {"wide", "short", "square", "reset", "scroll up", "scroll down"}) {
        pairs.push_back({"menu2.PNG", button, std::string(button) + " lit", 10, -1});
    }
    for (const char* op : {"+", "-", "x", "/"}) {
        pairs.push_back({"misc2.PNG", std::string("operator ") + op, std::string("operator ") + op + " lit", 30, -1});
    }
    // lit symbols must tell apart at ten pixels: clearly brighter
    for (int t = 0; t < 12; ++t) {
        pairs.push_back({"misc3.PNG", "symbol " + std::to_string(t), "symbol " + std::to_string(t) + " lit", 0, 0.35});
    }
    for (const Pair& p : pairs) {
        const Image& image = Generated(p.texture);
        const Rect normal = RegionRect(p.texture, p.normal);
        const Rect lit = RegionRect(p.texture, p.lit);
        EXPECT_GT(MeanDifference(image, normal, image, lit), p.minDifference) << p.normal;
        EXPECT_GT(image.MeanLuminance(lit) - image.MeanLuminance(normal), p.minBrighter) << p.normal;
    }
}
