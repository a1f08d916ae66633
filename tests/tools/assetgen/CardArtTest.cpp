// The sets whose members the player tells apart (cards, pictures, symbols,
// money, puzzle tiles, backgrounds, operators), and the pieces the games draw
// over one another or as shadows, which must share one silhouette.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "ArtChecks.h"

namespace {

struct DistinctSet {
    std::string what;
    std::vector<RegionInfo> members;
    std::size_t count;
    bool clearPixels;  // count clearly different pixels, else the mean difference
    double threshold;
    // A property every member needs on its own.
    std::function<void(const Image&, const Rect&, const std::string&)> each = nullptr;
};

// The tiles a puzzle picture is cut into, n by n.
std::vector<RegionInfo> PuzzleTiles(int picture, int n) {
    const Rect whole = RegionRect("misc1.PNG", "puzzle " + std::to_string(picture));
    const int cell = 200 / n;
    std::vector<RegionInfo> tiles;
    for (int i = 0; i < n * n; ++i) {
        tiles.push_back({"misc1.PNG", "tile " + std::to_string(i),
                         Part(whole, i % n * cell, i / n * cell, (i % n + 1) * cell, (i / n + 1) * cell), Coverage::Free, true});
    }
    return tiles;
}

std::vector<DistinctSet> Sets() {
    std::vector<DistinctSet> sets = {
        {"card faces", Regions("MemoryCards", "face \\d+"), 52, true, 40},
        {"pair pictures", Regions("Memory_Muster", "picture \\d+"), 16, true, 800,
         [](const Image& image, const Rect& r, const std::string& what) { EXPECT_GT(MeanSaturation(image, r), 0.2) << what; }},
        {"symbols", Regions("misc3", "symbol \\d+"), 12, true, 40},
        {"operators", Regions("misc2", "operator [-+x/]"), 4, true, 30,
         [](const Image& image, const Rect& r, const std::string& what) {
             EXPECT_GT(image.Luminance(r.left + 10, r.top + 25), 0.8) << what << ": light plate";
         }},
        {"coins", Regions("misc4", "coin \\d+"), 8, false, 8},
        {"notes", Regions("misc4", "note \\d+"), 7, false, 10},
        {"backgrounds", Regions("back", "top|bottom"), 7, false, 2,
         [](const Image& image, const Rect& r, const std::string& what) {
             EXPECT_GT(image.MeanLuminance(r), 0.8) << what;    // light under black text
             EXPECT_LT(LuminanceSpread(image, r), 0.06) << what;  // low contrast
         }},
    };
    for (int k = 0; k < 3; ++k) {
        for (int n = 3; n <= 5; ++n) {
            sets.push_back({"puzzle " + std::to_string(k) + " in " + std::to_string(n) + "x" + std::to_string(n),
                            PuzzleTiles(k, n), static_cast<std::size_t>(n * n), false, 8,
                            [](const Image& image, const Rect& r, const std::string& what) {
                                EXPECT_GT(LuminanceSpread(image, r), 0.04) << what << ": detailed";
                            }});
        }
    }
    return sets;
}

}  // namespace

TEST(ArtSets, EveryMemberLooksClearlyDifferentFromTheOthers) {
    for (const DistinctSet& set : Sets()) {
        ASSERT_EQ(set.members.size(), set.count) << set.what;
        for (std::size_t i = 0; i < set.members.size(); ++i) {
            const RegionInfo& a = set.members[i];
            const Image& imageA = Generated(a.texture);
            if (set.each) {
                set.each(imageA, a.rect, set.what + ": " + a.texture + " " + a.name);
            }
            for (std::size_t j = i + 1; j < set.members.size(); ++j) {
                const RegionInfo& b = set.members[j];
                // members may differ in size: compare their common top-left part
                const int w = std::min(a.rect.Width(), b.rect.Width());
                const int h = std::min(a.rect.Height(), b.rect.Height());
                const Rect ra{a.rect.left, a.rect.top, a.rect.left + w, a.rect.top + h};
                const Rect rb{b.rect.left, b.rect.top, b.rect.left + w, b.rect.top + h};
                const Image& imageB = Generated(b.texture);
                const double difference = set.clearPixels ? ClearlyDifferentPixels(imageA, ra, imageB, rb)
                                                          : MeanDifference(imageA, ra, imageB, rb);
                EXPECT_GT(difference, set.threshold)
                    << set.what << ": " << a.texture << " " << a.name << " and " << b.texture << " " << b.name;
            }
        }
    }
}

TEST(ArtSets, FacesAndBacksShareOneSilhouetteButLookDifferent) {
    struct Pair { RegionInfo face, back; int maxAlphaDifference; double minDifference; };
    std::vector<Pair> pairs;
    for (const RegionInfo& face : Regions("MemoryCards", "face \\d+")) {
        pairs.push_back({face, FindRegion("MemoryCards2.png", "back"), 1, 40});
    }
    for (const RegionInfo& back : Regions("misc2", "card back \\d")) {
        pairs.push_back({FindRegion("misc2.PNG", "card face"), back, 1, 30});
    }
    pairs.push_back({FindRegion("splash.PNG", "bar empty"), FindRegion("splash.PNG", "bar full"), 2, 10});
    ASSERT_EQ(pairs.size(), 56u);
    for (const Pair& p : pairs) {
        const Image& a = Generated(p.face.texture);
        const Image& b = Generated(p.back.texture);
        ASSERT_EQ(p.face.rect.Width(), p.back.rect.Width()) << p.face.name;
        ASSERT_EQ(p.face.rect.Height(), p.back.rect.Height()) << p.face.name;
        EXPECT_LE(WorstAlphaDifference(a, p.face.rect, b, p.back.rect), p.maxAlphaDifference) << p.face.name << " / " << p.back.name;
        EXPECT_GT(MeanDifference(a, p.face.rect, b, p.back.rect), p.minDifference) << p.face.name << " / " << p.back.name;
    }
}
