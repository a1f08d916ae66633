#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "games/puzzles/PictureFile.h"
#include "games/puzzles/PictureShape.h"

namespace {

TEST(PictureShapeTest, APieceFitsByTypeDistanceSizeAndTheAnglesItsShapeRepeatsAt) {
    struct Case {
        const char* what;
        int type, targetRotation, pieceRotation;
        float dx, dy;
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
        const PictureShape target{.sizeFactor = 1.5, .type = c.type, .rotation = c.targetRotation, .x = 400, .y = 300};
        PictureShape piece{.sizeFactor = c.pieceSize, .type = c.type, .rotation = c.pieceRotation,
                           .x = 400 + c.dx, .y = 300 + c.dy, .scaleY = c.pieceScaleY};
        EXPECT_EQ(PictureShape::Fits(target, piece), c.fits) << c.what;
        piece.type = (c.type + 1) % PictureShape::kTypes;
        EXPECT_FALSE(PictureShape::Fits(target, piece)) << c.what << " of another type";
    }
}

// "T" target or "E" extra piece, type, rotation, size factor, position, scale.
std::string Describe(const std::string& text) {
    std::istringstream in(text);
    std::ostringstream out;
    for (const PictureObject& o : ReadPictureFile(in)) {
        const PictureShape& s = o.shape;
        out << (o.target ? "T" : "E") << s.type << ' ' << s.rotation << ' ' << s.sizeFactor << ' ' << s.x << ','
            << s.y << ' ' << s.scaleX << ',' << s.scaleY << "; ";
    }
    return out.str();
}

TEST(PictureFileTest, ObjectsAreReadWithDefaultsAndValuesKeptInRange) {
    const std::string cases[][2] = {
        {"ZIELOBJEKT_START\r\nOBJEKT_START\tPOSITON:\t512\t300.5\tSCALE:\t1\t-1\tROT:\t60\tTYP:\t2\tSFACTOR:\t1.5\t"
         "OBJEKT_END\r\nZIELOBJEKT_END\r\n",
         "T2 60 1.5 512,300.5 1,-1; "},
        // Defaults; objects before any marker are extras; unknown words are skipped.
        {"junk OBJEKT_START FARBE: 3 OBJEKT_END BAUOBJEKT_START OBJEKT_START TYP: 1 OBJEKT_END",
         "E0 0 1 0,0 1,1; E1 0 1 0,0 1,1; "},
        // Angles into 0..359, sizes into 0.4..2.0, far positions held.
        {"ZIELOBJEKT_START OBJEKT_START ROT: -36030 SFACTOR: 3.5 POSITON: 1e300 -1e300 OBJEKT_END "
         "BAUOBJEKT_START OBJEKT_START ROT: 725 SFACTOR: 0.1 OBJEKT_END",
         "T0 330 2 100000,-100000 1,1; E0 5 0.4 0,0 1,1; "},
        // Types without an image are left out.
        {"OBJEKT_START TYP: 4 OBJEKT_END OBJEKT_START TYP: -1 OBJEKT_END OBJEKT_START TYP: 3 OBJEKT_END",
         "E3 0 1 0,0 1,1; "},
        // Reading stops at a number that cannot be read or is out of range,
        // and an object the text ends in is dropped.
        {"OBJEKT_START TYP: 1 OBJEKT_END OBJEKT_START ROT: x OBJEKT_END OBJEKT_START OBJEKT_END", "E1 0 1 0,0 1,1; "},
        {"OBJEKT_START OBJEKT_END OBJEKT_START ROT: 99999999999 SFACTOR: nan OBJEKT_END", "E0 0 1 0,0 1,1; "},
        {"ZIELOBJEKT_START OBJEKT_START TYP: 1", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(Describe(c[0]), c[1]) << c[0];
}

}  // namespace
