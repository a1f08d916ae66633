// The region table against itself and against the sheet sizes, and the
// painted regions' pixels against what the game needs from them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>

#include "AssetCatalog.h"
#include "AssetFiles.h"
#include "RegionMap.h"

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

bool AllOpaque(const Image& image, const Rect& r) {
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) {
            if (image.Alpha(x, y) != 255) {
                return false;
            }
        }
    }
    return true;
}

}  // namespace

TEST(RegionMap, EveryRegionLiesOnItsSheetAndNoneOverlap) {
    std::set<std::string> sheetsWithRegions;
    const auto& map = RegionMap();
    for (std::size_t i = 0; i < map.size(); ++i) {
        const RegionInfo& a = map[i];
        const TextureSheet* sheet = SheetOf(a.texture);
        ASSERT_NE(sheet, nullptr) << a.texture;
        sheetsWithRegions.insert(a.texture);
        EXPECT_TRUE(a.rect.left >= 0 && a.rect.top >= 0 && a.rect.right <= sheet->width &&
                    a.rect.bottom <= sheet->height && a.rect.Width() > 0 && a.rect.Height() > 0)
            << a.texture << " " << a.name;
        for (std::size_t j = i + 1; j < map.size(); ++j) {
            const RegionInfo& b = map[j];
            if (a.texture == b.texture) {
                EXPECT_FALSE(a.rect.Overlaps(b.rect)) << a.texture << ": " << a.name << " / " << b.name;
                EXPECT_NE(a.name, b.name) << a.texture;
            }
        }
    }
    EXPECT_EQ(sheetsWithRegions.size(), TextureSheets().size());
}

TEST(RegionMap, EveryRegionLiesInsideItsGeneratedImage) {
    std::set<std::string> checked;
    for (const RegionInfo& region : RegionMap()) {
        const Image image = Generated(region.texture);
        ASSERT_TRUE(image.Valid()) << region.texture;
        EXPECT_LE(region.rect.right, image.Width()) << region.texture << " " << region.name;
        EXPECT_LE(region.rect.bottom, image.Height()) << region.texture << " " << region.name;
        checked.insert(region.texture);
    }
    EXPECT_EQ(checked.size(), 16u);
}

TEST(RegionMap, FindsRegionsByNameAndRefusesUnknownOnes) {
    const Rect wide = RegionRect("menu2.PNG", "wide");
    const Rect lit = RegionRect("menu2.PNG", "wide lit");
    EXPECT_EQ(lit.top, wide.bottom);
    EXPECT_EQ(lit.Height(), wide.Height());
    EXPECT_THROW(RegionRect("menu2.PNG", "no such region"), std::out_of_range);
    EXPECT_THROW(RegionRect("menu9.PNG", "wide"), std::out_of_range);
}

TEST(PaintedRegions, MeetTheirCoverage) {
    int checked = 0;
    for (const RegionInfo& region : RegionMap()) {
        if (!region.painted || region.coverage == Coverage::Free || region.coverage == Coverage::Pointer) {
            continue;
        }
        const Image image = Generated(region.texture);
        ASSERT_TRUE(image.Valid()) << region.texture;
        const Rect& r = region.rect;
        const std::string what = region.texture + " " + region.name;
        switch (region.coverage) {
            case Coverage::Opaque:
                EXPECT_TRUE(AllOpaque(image, r)) << what;
                break;
            case Coverage::Body:
                EXPECT_TRUE(AllOpaque(image, Middle(r))) << what;
                break;
            case Coverage::Shape:
                EXPECT_EQ(image.Alpha(r.left, r.top), 0) << what;
                EXPECT_EQ(image.Alpha(r.right - 1, r.top), 0) << what;
                EXPECT_EQ(image.Alpha(r.left, r.bottom - 1), 0) << what;
                EXPECT_EQ(image.Alpha(r.right - 1, r.bottom - 1), 0) << what;
                EXPECT_EQ(image.Alpha((r.left + r.right) / 2, (r.top + r.bottom) / 2), 255) << what;
                break;
            default:
                break;
        }
        ++checked;
    }
    EXPECT_GT(checked, 30);
}

TEST(PaintedRegions, HaveInk) {
    int painted = 0;
    for (const RegionInfo& region : RegionMap()) {
        if (!region.painted) {
            continue;
        }
        ++painted;
        const Image image = Generated(region.texture);
        const Rect& r = region.rect;
        int inked = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                inked += image.Alpha(x, y) > 0;
            }
        }
        EXPECT_GT(inked, r.Width() * r.Height() / 50) << region.texture << " " << region.name;
    }
    EXPECT_EQ(painted, static_cast<int>(RegionMap().size()));
}

TEST(PaintedRegions, TintedOnesAreGrey) {
    // The game multiplies these by colours; any hue of their own would shift them.
    int tinted = 0;
    for (const RegionInfo& region : RegionMap()) {
        if (!region.tinted) {
            continue;
        }
        ++tinted;
        const Image image = Generated(region.texture);
        const Rect& r = region.rect;
        int coloured = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                if (image.Alpha(x, y) >= 64) {
                    const int red = image.Channel(x, y, 0);
                    const int green = image.Channel(x, y, 1);
                    const int blue = image.Channel(x, y, 2);
                    coloured += std::max({red, green, blue}) - std::min({red, green, blue}) > 4;
                }
            }
        }
        EXPECT_EQ(coloured, 0) << region.texture << " " << region.name;
    }
    EXPECT_EQ(tinted, 6);  // cell, peg and the four shapes
}

TEST(PaintedRegions, MenuFacesAreLightForBlackText) {
    // Panels and labelled buttons; the 50-px icon buttons carry no text.
    for (const RegionInfo& region : RegionMap()) {
        if (region.painted && region.coverage == Coverage::Body && region.texture.rfind("menu", 0) == 0 &&
            region.rect.Width() > 50) {
            const Image image = Generated(region.texture);
            EXPECT_GT(image.MeanLuminance(Middle(region.rect)), 0.8) << region.texture << " " << region.name;
        }
    }
}

TEST(PaintedRegions, HighlightedButtonsDifferFromTheirNormalCopy) {
    const Image menu2 = Generated("menu2.PNG");
    for (const char* name : {"wide", "short", "square", "reset", "scroll up", "scroll down"}) {
        const Rect normal = RegionRect("menu2.PNG", name);
        const Rect lit = RegionRect("menu2.PNG", std::string(name) + " lit");
        const int cx = normal.Width() / 2;
        const int cy = normal.Height() * 3 / 4;  // below icons, on the face
        int differing = 0;
        for (int c = 0; c < 3; ++c) {
            differing += std::abs(menu2.Channel(normal.left + 3, normal.top + cy, c) -
                                  menu2.Channel(lit.left + 3, lit.top + cy, c)) > 20;
            differing += std::abs(menu2.Channel(normal.left + cx, normal.top + cy, c) -
                                  menu2.Channel(lit.left + cx, lit.top + cy, c)) > 20;
        }
        EXPECT_GT(differing, 0) << name;
    }
    // the selected language button shows a mark in its middle, the other does not
    const Rect off = RegionRect("menu2.PNG", "language");
    const Rect on = RegionRect("menu2.PNG", "language on");
    EXPECT_LT(menu2.Luminance(on.left + 12, on.top + 12), menu2.Luminance(off.left + 12, off.top + 12) - 0.2);
}

TEST(Pointer, TipSitsOnPixel8_14OfEveryFrameWithTransparencyAround) {
    const Image misc1 = Generated("misc1.PNG");
    for (int f = 0; f < 10; ++f) {
        const Rect r = RegionRect("misc1.PNG", "pointer " + std::to_string(f));
        EXPECT_GE(misc1.Alpha(r.left + 8, r.top + 14), 200) << "frame " << f;
        for (const auto& [x, y] : {std::pair{0, 0}, {49, 0}, {0, 49}, {49, 49}, {0, 14}, {8, 5}, {2, 6}, {30, 2}, {2, 40}}) {
            EXPECT_EQ(misc1.Alpha(r.left + x, r.top + y), 0) << "frame " << f << " at " << x << "," << y;
        }
    }
    // At rest (frame 9) nothing lies above or left of the tip.
    const Rect rest = RegionRect("misc1.PNG", "pointer 9");
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 50; ++x) {
            if (y < 13 || x < 7) {
                ASSERT_EQ(misc1.Alpha(rest.left + x, rest.top + y), 0) << x << "," << y;
            }
        }
    }
}

TEST(Pointer, FramesAnimateFromPressedToReleased) {
    const Image misc1 = Generated("misc1.PNG");
    // Count the pixels in which each frame differs from the resting frame: the
    // difference shrinks frame by frame towards rest.
    const Rect rest = RegionRect("misc1.PNG", "pointer 9");
    int previous = 1 << 30;
    for (int f = 0; f < 9; ++f) {
        const Rect r = RegionRect("misc1.PNG", "pointer " + std::to_string(f));
        int differing = 0;
        for (int y = 0; y < 50; ++y) {
            for (int x = 0; x < 50; ++x) {
                differing += std::abs(misc1.Alpha(r.left + x, r.top + y) - misc1.Alpha(rest.left + x, rest.top + y)) > 8;
            }
        }
        EXPECT_GT(differing, 0) << "frame " << f;
        EXPECT_LE(differing, previous) << "frame " << f;
        previous = differing;
    }
}

TEST(LoadingBar, FilledBarRegistersWithTheEmptyOne) {
    const Image splash = Generated("splash.PNG");
    const Rect empty = RegionRect("splash.PNG", "bar empty");
    const Rect full = RegionRect("splash.PNG", "bar full");
    ASSERT_EQ(empty.Width(), full.Width());
    ASSERT_EQ(empty.Height(), full.Height());
    int worst = 0;
    for (int y = 0; y < empty.Height(); ++y) {
        for (int x = 0; x < empty.Width(); ++x) {
            worst = std::max(worst, std::abs(splash.Alpha(empty.left + x, empty.top + y) -
                                             splash.Alpha(full.left + x, full.top + y)));
        }
    }
    EXPECT_LE(worst, 2);
    // ... and the two look different inside.
    const int cy = empty.Height() / 2;
    EXPECT_GT(std::abs(splash.Channel(empty.left + 40, empty.top + cy, 1) - splash.Channel(full.left + 40, full.top + cy, 1)) +
                  std::abs(splash.Channel(empty.left + 40, empty.top + cy, 0) - splash.Channel(full.left + 40, full.top + cy, 0)),
              40);
}

TEST(Backgrounds, SevenCalmLightAndDistinctOnes) {
    struct Mean {
        double r, g, b;
    };
    std::vector<Mean> means;
    for (int index = 0; index < 7; ++index) {
        const std::string entry = "back" + std::to_string(index / 2 + 1) + ".PNG";
        const Rect r = RegionRect(entry, index % 2 == 0 ? "top" : "bottom");
        const Image image = Generated(entry);
        double sum[3] = {0, 0, 0};
        double lum = 0;
        double lum2 = 0;
        const double n = static_cast<double>(r.Width()) * r.Height();
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) {
                for (int c = 0; c < 3; ++c) {
                    sum[c] += image.Channel(x, y, c);
                }
                const double l = image.Luminance(x, y);
                lum += l;
                lum2 += l * l;
            }
        }
        const double mean = lum / n;
        const double spread = std::sqrt(std::max(0.0, lum2 / n - mean * mean));
        EXPECT_GT(mean, 0.8) << "background " << index;    // light under black text
        EXPECT_LT(spread, 0.06) << "background " << index;  // low contrast
        means.push_back({sum[0] / n, sum[1] / n, sum[2] / n});
    }
    for (std::size_t i = 0; i < means.size(); ++i) {
        for (std::size_t j = i + 1; j < means.size(); ++j) {
            const double d = std::abs(means[i].r - means[j].r) + std::abs(means[i].g - means[j].g) +
                             std::abs(means[i].b - means[j].b);
            EXPECT_GT(d, 8) << "backgrounds " << i << " and " << j << " look alike";
        }
    }
}
