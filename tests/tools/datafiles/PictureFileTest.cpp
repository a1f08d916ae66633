#include "PictureFile.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(PictureFileTest, SectionsDecideTargetsAndKeysComeInAnyOrder) {
    const PictureFile file = ReadPictureFile(
        "OBJEKT_START TYP: 1 OBJEKT_END\n"
        "ZIELOBJEKT_START\r\n"
        "OBJEKT_START\tSFACTOR:\t1.5\tcolour: red\tROT:\t-30\tPOSITON:\t512\t234.5\tTYP:\t2\tSCALE:\t1\t1\tOBJEKT_END\n"
        "ZIELOBJEKT_END stray words BAUOBJEKT_START\n"
        "OBJEKT_START POSITON: 10 20 OBJEKT_END\n"
        "BAUOBJEKT_END\n");
    ASSERT_TRUE(file.complete);
    ASSERT_EQ(file.objects.size(), 3u);

    EXPECT_FALSE(file.objects[0].target);
    EXPECT_EQ(file.objects[0].values.type, 1);

    const PictureObject& t = file.objects[1];
    EXPECT_TRUE(t.target);
    EXPECT_DOUBLE_EQ(t.values.x, 512);
    EXPECT_DOUBLE_EQ(t.values.y, 234.5);
    EXPECT_TRUE(t.hasScale);
    EXPECT_DOUBLE_EQ(t.values.scaleX, 1);
    EXPECT_EQ(t.values.rotation, -30);
    EXPECT_EQ(t.values.type, 2);
    EXPECT_DOUBLE_EQ(t.values.sizeFactor, 1.5);

    const PictureObject& extra = file.objects[2];
    EXPECT_FALSE(extra.target);
    EXPECT_DOUBLE_EQ(extra.values.x, 10);
    EXPECT_FALSE(extra.hasScale);
    EXPECT_DOUBLE_EQ(extra.values.scaleX, 0);
    EXPECT_EQ(extra.values.type, 0);
    EXPECT_DOUBLE_EQ(extra.values.sizeFactor, 1.0);
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

TEST(PictureFileTest, NumbersEndWhereTheirDigitsEnd) {
    // As a stream reads it: "12.5" gives the rotation 12, ".5" is a word of its own.
    const PictureFile file = ReadPictureFile("OBJEKT_START ROT: 12.5 TYP: 3 OBJEKT_END");
    ASSERT_EQ(file.objects.size(), 1u);
    EXPECT_EQ(file.objects[0].values.rotation, 12);
    EXPECT_EQ(file.objects[0].values.type, 3);
}

TEST(PictureFileTest, ShapesAreGuardedAgainstValuesTheGameCannotShow) {
    PictureObject object;
    object.target = true;
    object.values.rotation = INT_MIN;
    object.values.sizeFactor = 2.7;
    auto shape = ToShape(object);
    ASSERT_TRUE(shape);
    EXPECT_EQ(shape->rotation, 232);  // -2147483648 = -5965233 * 360 + 232
    EXPECT_DOUBLE_EQ(shape->sizeFactor, 2.0);
    EXPECT_DOUBLE_EQ(shape->scaleX, 1);  // no scale given: drawn at its size, not invisible
    EXPECT_DOUBLE_EQ(shape->scaleY, 1);

    object.values.sizeFactor = 0.1;
    EXPECT_DOUBLE_EQ(ToShape(object)->sizeFactor, 0.4);
    object.target = false;
    EXPECT_DOUBLE_EQ(ToShape(object)->sizeFactor, 0.1);

    object.hasScale = true;
    object.values.scaleX = 0.5;
    object.values.scaleY = 2;
    EXPECT_DOUBLE_EQ(ToShape(object)->scaleY, 2);

    for (int type : {-1, 4, 1000}) {
        object.values.type = type;
        EXPECT_FALSE(ToShape(object)) << type;
    }
}

}  // namespace
