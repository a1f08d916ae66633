#include "PictureFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace {

// An object as "target|piece x,y scale sx,sy|none rot r type t size f".
std::string Describe(const PictureObject& o) {
    std::ostringstream out;
    out << (o.target ? "target " : "piece ") << o.values.x << ',' << o.values.y << " scale ";
    (o.hasScale ? out << o.values.scaleX << ',' << o.values.scaleY : out << "none");
    out << " rot " << o.values.rotation << " type " << o.values.type << " size " << o.values.sizeFactor;
    return out.str();
}

TEST(PictureFileTest, SectionsDecideTargetsAndKeysComeInAnyOrder) {
    const PictureFile file = ReadPictureFile(
        "OBJEKT_START TYP: 1 OBJEKT_END\n"
        "ZIELOBJEKT_START\r\n"
        "OBJEKT_START\tSFACTOR:\t1.5\tcolour: red\tROT:\t-30\tPOSITON:\t512\t234.5\tTYP:\t2\tSCALE:\t1\t1\tOBJEKT_END\n"
        "ZIELOBJEKT_END stray words BAUOBJEKT_START\n"
        "OBJEKT_START POSITON: 10 20 OBJEKT_END\n"
        "BAUOBJEKT_END\n"
        "OBJEKT_START ROT: 12.5 TYP: 3 OBJEKT_END");  // as a stream reads it: rotation 12, ".5" a word of its own
    ASSERT_TRUE(file.complete);
    std::vector<std::string> objects;
    for (const PictureObject& o : file.objects) {
        objects.push_back(Describe(o));
    }
    EXPECT_EQ(objects, (std::vector<std::string>{"piece 0,0 scale none rot 0 type 1 size 1",
                                                 "target 512,234.5 scale 1,1 rot -30 type 2 size 1.5",
                                                 "piece 10,20 scale none rot 0 type 0 size 1",
                                                 "piece 0,0 scale none rot 12 type 3 size 1"}));
}

TEST(PictureFileTest, ReadingStopsAtANumberThatCannotBeRead) {
    for (const char* bad : {"POSITON: 5 x", "ROT: left", "SFACTOR: nan", "SFACTOR: 1e999", "TYP:"}) {
        const PictureFile file = ReadPictureFile(std::string("ZIELOBJEKT_START OBJEKT_START TYP: 1 OBJEKT_END ") +
                                                 "OBJEKT_START " + bad + " OBJEKT_END OBJEKT_START OBJEKT_END");
        EXPECT_FALSE(file.complete) << bad;
        EXPECT_EQ(file.objects.size(), 1u) << bad;
    }
    const PictureFile unclosed = ReadPictureFile("ZIELOBJEKT_START OBJEKT_START TYP: 1");
    EXPECT_FALSE(unclosed.complete);
    EXPECT_TRUE(unclosed.objects.empty());
}

TEST(PictureFileTest, ShapesAreGuardedAgainstValuesTheGameCannotShow) {
    PictureObject object{.target = true, .values = {.sizeFactor = 2.7, .rotation = INT_MIN}};
    const auto shape = ToShape(object);
    ASSERT_TRUE(shape);
    EXPECT_EQ(shape->rotation, 232);  // -2147483648 = -5965233 * 360 + 232
    EXPECT_DOUBLE_EQ(shape->sizeFactor, 2.0);
    EXPECT_TRUE(shape->scaleX == 1 && shape->scaleY == 1);  // no scale given: drawn at its size, not invisible
    object.values.sizeFactor = 0.1;
    EXPECT_DOUBLE_EQ(ToShape(object)->sizeFactor, 0.4);
    object.target = false;  // extra pieces keep their size
    EXPECT_DOUBLE_EQ(ToShape(object)->sizeFactor, 0.1);
    object.hasScale = true;
    object.values.scaleY = 2;
    EXPECT_DOUBLE_EQ(ToShape(object)->scaleY, 2);
    for (const int type : {-1, static_cast<int>(kShapeTypes)}) {
        object.values.type = type;
        EXPECT_FALSE(ToShape(object)) << type;
    }
}

}  // namespace
