// Cards, pair pictures, symbols and money: the sets whose members the player
// tells apart, and the silhouettes the games draw as shadows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ArtChecks.h"
#include "RegionMap.h"

namespace {

struct Piece {
    std::string texture;
    Rect rect;
};

// The regions whose texture and name start as given, in map order.
std::vector<Piece> Regions(const std::string& texture, const std::string& prefix) {
    std::vector<Piece> out;
    for (const RegionInfo& r : RegionMap()) {
        if (r.texture.rfind(texture, 0) == 0 && r.name.rfind(prefix, 0) == 0) {
            out.push_back({r.texture, r.rect});
        }
    }
    return out;
}

}  // namespace

TEST(PlayingCards, FiftyTwoDistinctFacesShareTheBacksSilhouette) {
    const Image sheets[2] = {Generated("MemoryCards1.png"), Generated("MemoryCards2.png")};
    const Rect back = RegionRect("MemoryCards2.png", "back");
    const std::vector<Piece> faces = Regions("MemoryCards", "face ");
    ASSERT_EQ(faces.size(), 52u);
    auto sheetOf = [&](const Piece& p) -> const Image& { return sheets[p.texture == "MemoryCards1.png" ? 0 : 1]; };
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const Image& a = sheetOf(faces[i]);
        EXPECT_LE(WorstAlphaDifference(a, faces[i].rect, sheets[1], back), 1) << "face " << i;
        EXPECT_GT(MeanDifference(a, faces[i].rect, sheets[1], back), 40) << "face " << i << " looks like the back";
        for (std::size_t j = i + 1; j < faces.size(); ++j) {
            EXPECT_GT(ClearlyDifferentPixels(a, faces[i].rect, sheetOf(faces[j]), faces[j].rect), 40)
                << "faces " << i << " and " << j;
        }
    }
    // the corners are rounded off, the body opaque: a clean shadow shape
    EXPECT_EQ(sheets[1].Alpha(back.left, back.top), 0);
    EXPECT_EQ(sheets[1].Alpha(back.left + 44, back.top + 1), 255);
}

TEST(PairPictures, SixteenDistinctColourfulPictures) {
    const Image muster = Generated("Memory_Muster.PNG");
    const std::vector<Piece> pictures = Regions("Memory_Muster", "picture ");
    ASSERT_EQ(pictures.size(), 16u);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_GT(MeanSaturation(muster, pictures[i].rect), 0.2) << "picture " << i;
        for (std::size_t j = i + 1; j < pictures.size(); ++j) {
            EXPECT_GT(ClearlyDifferentPixels(muster, pictures[i].rect, muster, pictures[j].rect), 800)
                << "pictures " << i << " and " << j;
        }
    }
}

TEST(Symbols, LitAndUnlitTellApartAtAnySizeAndTypesDiffer) {
    const Image misc3 = Generated("misc3.PNG");
    for (int t = 0; t < 12; ++t) {
        const Rect normal = RegionRect("misc3.PNG", "symbol " + std::to_string(t));
        const Rect lit = RegionRect("misc3.PNG", "symbol " + std::to_string(t) + " lit");
        // At ten pixels a tile is little more than its average brightness.
        EXPECT_GT(misc3.MeanLuminance(lit) - misc3.MeanLuminance(normal), 0.35) << "type " << t;
        for (int u = t + 1; u < 12; ++u) {
            const Rect other = RegionRect("misc3.PNG", "symbol " + std::to_string(u));
            const Rect otherLit = RegionRect("misc3.PNG", "symbol " + std::to_string(u) + " lit");
            EXPECT_GT(ClearlyDifferentPixels(misc3, normal, misc3, other), 40) << "types " << t << " and " << u;
            EXPECT_GT(ClearlyDifferentPixels(misc3, lit, misc3, otherLit), 300) << "lit types " << t << " and " << u;
        }
    }
}

TEST(Money, EveryPieceLooksDifferentAndTheFrameRunsStraight) {
    const Image misc4 = Generated("misc4.PNG");
    std::vector<Piece> pieces = Regions("misc4", "coin ");
    const std::vector<Piece> notes = Regions("misc4", "note ");
    ASSERT_EQ(pieces.size(), 8u);
    ASSERT_EQ(notes.size(), 7u);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        for (std::size_t j = i + 1; j < pieces.size(); ++j) {
            EXPECT_GT(MeanDifference(misc4, pieces[i].rect, misc4, pieces[j].rect), 8) << "coins " << i << ", " << j;
        }
    }
    for (std::size_t i = 0; i < notes.size(); ++i) {
        for (std::size_t j = i + 1; j < notes.size(); ++j) {
            // notes differ in size; compare their common top-left part
            const Rect a = notes[i].rect;
            const Rect b = notes[j].rect;
            const int w = std::min(a.Width(), b.Width());
            const int h = std::min(a.Height(), b.Height());
            EXPECT_GT(MeanDifference(misc4, {a.left, a.top, a.left + w, a.top + h}, misc4, {b.left, b.top, b.left + w, b.top + h}), 10)
                << "notes " << i << ", " << j;
        }
    }
    // the frame bars are stretched along their length by about five and two
    const Rect h = RegionRect("misc4.PNG", "frame h");
    const Rect v = RegionRect("misc4.PNG", "frame v");
    for (int i = 0; i < 5; ++i) {
        for (int t = 0; t < 95; ++t) {
            for (int c = 0; c < 3; ++c) {
                EXPECT_EQ(misc4.Channel(h.left + t, h.top + i, c), misc4.Channel(h.left, h.top + i, c));
                EXPECT_EQ(misc4.Channel(v.left + i, v.top + t, c), misc4.Channel(v.left + i, v.top, c));
            }
        }
    }
}
