// The shipped picture files: each reads whole, every target can be covered by
// its piece with the piece controls, lies on the board below the top panel and
// stays recognisable among the other silhouettes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "DataFiles.h"
#include "PictureFile.h"
#include "PictureShape.h"

namespace {

constexpr int kPictures = 13;
constexpr std::size_t kMinTargets = 3;
constexpr std::size_t kMaxTargets = 10;
// The board: 1024 x 768, the time panel and the count line above y = 110.
constexpr double kBoardWidth = 1024;
constexpr double kBoardHeight = 768;
constexpr double kBoardTop = 110;
// At most this share of a silhouette may lie under other silhouettes.
constexpr double kMaxHidden = 0.15;
constexpr double kSampleStep = 1.0;

std::string PictureName(int index) { return "bb_" + std::to_string(index); }

// Every size factor the piece controls reach from a start, stepping by 0.1
// within 0.4 to 2.0 with the game's arithmetic.
std::vector<double> ReachableSizes(double start) {
    std::vector<double> sizes{start};
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        for (double step : {-0.1, 0.1}) {
            const double next = std::clamp(sizes[i] + step, kMinSizeFactor, kMaxSizeFactor);
            const bool known = std::any_of(sizes.begin(), sizes.end(), [&](double s) { return std::fabs(s - next) < 1e-6; });
            if (!known) {
                sizes.push_back(next);
            }
        }
    }
    return sizes;
}

// Whether a piece made for the target (the target's type, angle plus a
// multiple of 45 degrees, a size of 0.6 to 1.9) can always be brought to fit.
void ExpectReachable(const PictureShape& target, const std::string& where) {
    for (int start = 6; start <= 19; ++start) {
        PictureShape piece = target;
        const auto sizes = ReachableSizes(start / 10.0);
        const bool sizeFits = std::any_of(sizes.begin(), sizes.end(), [&](double s) {
            piece.sizeFactor = s;
            return target.Fits(piece);
        });
        EXPECT_TRUE(sizeFits) << where << ": no size from " << start / 10.0;
    }
    for (int turns = 0; turns < 24; ++turns) {
        PictureShape piece = target;
        piece.Rotate(turns * 45);
        bool angleFits = false;
        for (int presses = 0; presses < 24 && !angleFits; ++presses) {
            angleFits = target.Fits(piece);
            piece.Rotate(15);
        }
        EXPECT_TRUE(angleFits) << where << ": no angle from " << turns * 45;
    }
}

// The share of the shape's area that other shapes cover.
double HiddenShare(const PictureShape& shape, const std::vector<PictureShape>& all) {
    const auto outline = shape.Outline();
    std::vector<std::vector<Point>> others;
    for (const PictureShape& other : all) {
        if (&other != &shape) {
            others.push_back(other.Outline());
        }
    }
    double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
    for (const Point& p : outline) {
        left = std::min(left, p.x);
        top = std::min(top, p.y);
        right = std::max(right, p.x);
        bottom = std::max(bottom, p.y);
    }
    int inside = 0;
    int hidden = 0;
    for (double y = top + kSampleStep / 2; y < bottom; y += kSampleStep) {
        for (double x = left + kSampleStep / 2; x < right; x += kSampleStep) {
            if (!PolygonContains(outline, {x, y})) {
                continue;
            }
            ++inside;
            hidden += std::any_of(others.begin(), others.end(), [&](const auto& o) { return PolygonContains(o, {x, y}); });
        }
    }
    return inside == 0 ? 1.0 : static_cast<double>(hidden) / inside;
}

class PictureFileFilesTest : public ::testing::TestWithParam<int> {};

TEST_P(PictureFileFilesTest, ReadsWholeAndEveryShapeIsReachableAndOnTheBoard) {
    const std::string text = ReadDataFile(PictureName(GetParam()));
    EXPECT_TRUE(text.rfind("ZIELOBJEKT_START\n", 0) == 0) << "targets come first";
    const PictureFile file = ReadPictureFile(text);
    EXPECT_TRUE(file.complete);
    std::size_t objects = 0;
    for (std::size_t at = text.find("OBJEKT_START\t"); at != std::string::npos; at = text.find("OBJEKT_START\t", at + 1)) {
        ++objects;
    }
    EXPECT_EQ(file.objects.size(), objects);
    std::size_t targets = 0;
    for (std::size_t i = 0; i < file.objects.size(); ++i) {
        const PictureObject& object = file.objects[i];
        const std::string where = PictureName(GetParam()) + " object " + std::to_string(i);
        const auto shape = ToShape(object);
        ASSERT_TRUE(shape) << where << ": type " << object.values.type;
        EXPECT_TRUE(object.hasScale && object.values.scaleX == 1 && object.values.scaleY == 1) << where;
        EXPECT_EQ(object.values.rotation, shape->rotation) << where << ": rotation written within 0..359";
        EXPECT_GE(object.values.sizeFactor, kMinSizeFactor - 1e-9) << where;
        EXPECT_LE(object.values.sizeFactor, kMaxSizeFactor + 1e-9) << where;
        EXPECT_NEAR(object.values.sizeFactor * 10, std::round(object.values.sizeFactor * 10), 1e-9) << where << ": steps of 0.1";
        for (const Point& p : shape->Outline()) {
            EXPECT_TRUE(p.x >= 0 && p.x <= kBoardWidth && p.y >= kBoardTop && p.y <= kBoardHeight)
                << where << " reaches (" << p.x << ", " << p.y << ")";
        }
        if (object.target) {
            ++targets;
            ExpectReachable(*shape, where);
        }
    }
    EXPECT_GE(targets, kMinTargets);
    EXPECT_LE(targets, kMaxTargets);
}

TEST_P(PictureFileFilesTest, TargetsStayApartAndVisible) {
    const PictureFile file = ReadPictureFile(ReadDataFile(PictureName(GetParam())));
    std::vector<PictureShape> targets;
    for (const PictureObject& object : file.objects) {
        if (object.target) {
            targets.push_back(*ToShape(object));
        }
    }
    for (std::size_t i = 0; i < targets.size(); ++i) {
        const std::string where = PictureName(GetParam()) + " target " + std::to_string(i);
        // The piece that suits two targets best lies between them with the
        // mean size and the first one's angle; it must not fit both.
        for (std::size_t j = i + 1; j < targets.size(); ++j) {
            PictureShape between = targets[i];
            between.x = (targets[i].x + targets[j].x) / 2;
            between.y = (targets[i].y + targets[j].y) / 2;
            between.sizeFactor = (targets[i].sizeFactor + targets[j].sizeFactor) / 2;
            EXPECT_FALSE(targets[i].Fits(between) && targets[j].Fits(between)) << where << " and " << j;
        }
        EXPECT_LE(HiddenShare(targets[i], targets), kMaxHidden) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(Shipped, PictureFileFilesTest, ::testing::Range(0, kPictures));

}  // namespace
