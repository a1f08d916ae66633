#include "games/numbers/MoneyLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "games/numbers/MoneyPiece.h"

namespace {

std::vector<ScreenBox> BoxesOf(const std::vector<int>& cents, const std::vector<MoneySpot>& spots) {
    std::vector<ScreenBox> boxes;
    for (size_t i = 0; i < cents.size(); ++i) {
        boxes.push_back(MoneyBox(cents[i], spots[i].x, spots[i].y, spots[i].scale));
    }
    return boxes;
}

// The first two pieces that lie on each other, or "".
std::string Overlap(const std::vector<int>& cents, const std::vector<ScreenBox>& boxes) {
    for (size_t i = 0; i < boxes.size(); ++i) {
        for (size_t j = i + 1; j < boxes.size(); ++j) {
            if (boxes[i].Overlaps(boxes[j])) return std::to_string(cents[i]) + " on " + std::to_string(cents[j]);
        }
    }
    return "";
}

std::vector<int> Repeated(int cents, int count) { return std::vector<int>(count, cents); }

// The price and payment area of the change game, below their names.
constexpr ScreenBox kTableArea{16.0f, 90.0f, 496.0f, 346.0f};

TEST(MoneyRows, EveryPieceLiesInsideTheAreaAndOnNoOther) {
    const struct { const char* name; std::vector<int> cents; } cases[] = {
        {"a few coins", {1, 200, 5, 50}},
        {"notes and coins mixed", {2000, 5, 50000, 100, 1000, 200, 10000, 1, 500, 20}},
        {"ten of the largest note", Repeated(50000, 10)},
        {"a payment topped up with sixteen notes", Repeated(50000, 16)},
        {"thirty coins", Repeated(200, 30)},
        {"nothing", {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<MoneySpot> spots = LayOutInRows(c.cents, kTableArea, 8.0f);
        ASSERT_EQ(spots.size(), c.cents.size());
        const std::vector<ScreenBox> boxes = BoxesOf(c.cents, spots);
        for (const ScreenBox& box : boxes) EXPECT_TRUE(box.Inside(kTableArea));
        EXPECT_EQ(Overlap(c.cents, boxes), "");
    }
}

TEST(MoneyRows, NotesLieAboveTheCoinsLargestFirstAndShrinkOnlyWhenTheyMust) {
    const std::vector<int> cents = {5, 2000, 200, 50000, 1};
    const std::vector<MoneySpot> spots = LayOutInRows(cents, kTableArea, 8.0f);
    const std::vector<ScreenBox> boxes = BoxesOf(cents, spots);
    for (const size_t note : {1u, 3u}) {
        for (const size_t coin : {0u, 2u, 4u}) EXPECT_LE(boxes[note].bottom, boxes[coin].top);
        EXPECT_DOUBLE_EQ(spots[note].scale, kNoteScale) << "room enough at the usual scale";
    }
    EXPECT_LT(spots[3].x, spots[1].x) << "500 before 20 in its row";
    EXPECT_LT(spots[2].x, spots[0].x);
    EXPECT_LT(spots[0].x, spots[4].x);

    // Sixteen large notes need more rows than the area has at the usual scale:
    // all of them shrink alike.
    const std::vector<MoneySpot> many = LayOutInRows(Repeated(50000, 16), kTableArea, 8.0f);
    EXPECT_LT(many.front().scale, kNoteScale);
    for (const MoneySpot& spot : many) EXPECT_DOUBLE_EQ(spot.scale, many.front().scale);
}

TEST(MoneySupply, EveryLevelsStacksFitTheScreenApartFromEachOther) {
    for (const float width : {1024.0f, 640.0f}) {
        for (const int used : {8, 12, 15}) {
            SCOPED_TRACE(std::to_string(used) + " stacks on a screen " + std::to_string(width) + " wide");
            const std::vector<int> cents(kDenominations, kDenominations + used);
            const std::vector<MoneySpot> spots = LayOutSupply(cents, width, 763.0f);
            const std::vector<ScreenBox> boxes = BoxesOf(cents, spots);
            for (const ScreenBox& box : boxes) EXPECT_TRUE(box.Inside(ScreenBox{0.0f, 0.0f, width, 763.0f}));
            EXPECT_EQ(Overlap(cents, boxes), "");
            // Neighbours in a row keep a gap; the coins stand above the notes.
            for (size_t k = 1; k < cents.size(); ++k) {
                if (IsCoin(cents[k]) == IsCoin(cents[k - 1])) {
                    EXPECT_GE(boxes[k].left - boxes[k - 1].right, kSupplyLeastGap - 0.01f) << cents[k];
                } else {
                    EXPECT_LE(boxes[k - 1].bottom, boxes[k].top);
                }
            }
        }
    }
}

}  // namespace
