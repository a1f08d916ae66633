#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "games/puzzles/PictureFile.h"
#include "games/puzzles/PictureShape.h"

namespace {

TEST(PictureShapeTest, APieceFitsByTypeDistanceSizeAndTheAnglesItsShapeRepeatsAt) {
    struct Case {
        const char* what;
        int type;
        int targetRotation;
        int pieceRotation;
        float dx;
        float dy;
        double pieceSize;  // against a target of 1.5
        float pieceScaleY;
        bool fits;
    };
    const Case cases[] = {
        {"square a quarter turn off", 0, 0, 90, 0, 0, 1.5, 1, true},
        {"square at 45 degrees", 0, 0, 45, 0, 0, 1.5, 1, false},
        {"circle at any angle", 1, 10, 255, 0, 0, 1.5, 1, true},
        {"triangle a third turn off", 2, 300, 60, 0, 0, 1.5, 1, true},
        {"triangle upside down", 2, 0, 60, 0, 0, 1.5, 1, false},
        {"triangle scaled otherwise", 2, 0, 0, 0, 0, 1.5, 2, false},
        {"bar half a turn off", 3, 30, 210, 0, 0, 1.5, 1, true},
        {"bar a quarter turn off", 3, 0, 90, 0, 0, 1.5, 1, false},
        {"ten pixels away", 0, 0, 0, 6, -8, 1.5, 1, true},
        {"eleven pixels away", 0, 0, 0, 0, 11, 1.5, 1, false},
        {"size 1.53", 1, 0, 0, 0, 0, 1.53, 1, true},
        {"size 1.56", 1, 0, 0, 0, 0, 1.56, 1, false},
    };
    for (const Case& c : cases) {
        PictureShape target{.sizeFactor = 1.5, .type = c.type, .rotation = c.targetRotation, .x = 400, .y = 300};
        PictureShape piece{.sizeFactor = c.pieceSize, .type = c.type, .rotation = c.pieceRotation,
                           .x = 400 + c.dx, .y = 300 + c.dy, .scaleY = c.pieceScaleY};
        EXPECT_EQ(PictureShape::Fits(target, piece), c.fits) << c.what;
        piece.type = (c.type + 1) % PictureShape::kTypes;
        EXPECT_FALSE(PictureShape::Fits(target, piece)) << c.what << " of another type";
    }
}

TEST(PictureShapeTest, TurningAndResizingStayInRange) {
    PictureShape shape;
    const int turns[][2] = {{-15, 345}, {-36015, 330}, {2147483647, 97}, {-2147483647 - 1, 329}};
    for (const auto& turn : turns) {
        shape.Rotate(turn[0]);
        EXPECT_EQ(shape.rotation, turn[1]) << "by " << turn[0];
    }
    for (int i = 0; i < 30; ++i) {
        shape.Resize(0.1);
    }
    EXPECT_EQ(shape.sizeFactor, PictureShape::kMaxSizeFactor);
    for (int i = 0; i < 30; ++i) {
        shape.Resize(-0.1);
    }
    EXPECT_EQ(shape.sizeFactor, PictureShape::kMinSizeFactor);
}

TEST(PictureFileTest, ObjectsAreReadWithDefaultsAndValuesKeptInRange) {
    struct Case {
        const char* what;
        std::string text;
        std::vector<PictureObject> objects;
    };
    const PictureShape plain;
    const Case cases[] = {
        {"a written line",
         "ZIELOBJEKT_START\r\nOBJEKT_START\tPOSITON:\t512\t300.5\tSCALE:\t1\t-1\tROT:\t60\tTYP:\t2\tSFACTOR:\t1.5\t"
         "OBJEKT_END\r\nZIELOBJEKT_END\r\n",
         {{true, {.sizeFactor = 1.5, .type = 2, .rotation = 60, .x = 512, .y = 300.5f, .scaleY = -1}}}},
        {"defaults, extras before any marker, unknown words skipped",
         "junk OBJEKT_START FARBE: 3 OBJEKT_END BAUOBJEKT_START OBJEKT_START TYP: 1 OBJEKT_END",
         {{false, plain}, {false, {.type = 1}}}},
        {"rotation normalised, sizes held to 0.4..2.0, far positions held",
         "ZIELOBJEKT_START OBJEKT_START ROT: -30 SFACTOR: 3.5 POSITON: 1e300 -1e300 OBJEKT_END "
         "BAUOBJEKT_START OBJEKT_START ROT: 725 SFACTOR: 0.1 OBJEKT_END",
         {{true, {.sizeFactor = 2.0, .rotation = 330, .x = 100000, .y = -100000}},
          {false, {.sizeFactor = 0.4, .rotation = 5}}}},
        {"types without an image left out",
         "ZIELOBJEKT_START OBJEKT_START TYP: 4 OBJEKT_END OBJEKT_START TYP: -1 OBJEKT_END "
         "OBJEKT_START TYP: 3 OBJEKT_END",
         {{true, {.type = 3}}}},
        {"reading stops at a number that cannot be read",
         "ZIELOBJEKT_START OBJEKT_START TYP: 1 OBJEKT_END OBJEKT_START ROT: x OBJEKT_END OBJEKT_START OBJEKT_END",
         {{true, {.type = 1}}}},
        {"or at one out of range", "OBJEKT_START OBJEKT_END OBJEKT_START ROT: 99999999999 OBJEKT_END",
         {{false, plain}}},
        {"an object the text ends in is dropped", "ZIELOBJEKT_START OBJEKT_START TYP: 1", {}},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        const std::vector<PictureObject> objects = ReadPictureFile(in);
        ASSERT_EQ(objects.size(), c.objects.size()) << c.what;
        for (size_t i = 0; i < objects.size(); ++i) {
            const PictureShape& got = objects[i].shape;
            const PictureShape& want = c.objects[i].shape;
            EXPECT_EQ(objects[i].target, c.objects[i].target) << c.what;
            EXPECT_EQ(got.type, want.type) << c.what;
            EXPECT_EQ(got.rotation, want.rotation) << c.what;
            EXPECT_DOUBLE_EQ(got.sizeFactor, want.sizeFactor) << c.what;
            EXPECT_EQ(got.x, want.x) << c.what;
            EXPECT_EQ(got.y, want.y) << c.what;
            EXPECT_EQ(got.scaleX, want.scaleX) << c.what;
            EXPECT_EQ(got.scaleY, want.scaleY) << c.what;
        }
    }
}

}  // namespace
