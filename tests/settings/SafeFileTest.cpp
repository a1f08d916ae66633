#include "settings/SafeFile.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempFolder.h"

TEST(SafeFileTest, WritesAndReplacesWithoutLeavingTheTemporaryFile) {
    TempFolder folder;
    ASSERT_TRUE(WriteFileSafely(folder.Path("a.sav"), "first"));
    ASSERT_TRUE(WriteFileSafely(folder.Path("a.sav"), std::string("x\0y", 3)));
    EXPECT_EQ(folder.Read("a.sav"), std::string("x\0y", 3));
    EXPECT_FALSE(folder.Exists("a.sav.tmp"));
}

TEST(SafeFileTest, AFailedWriteLeavesTheOldFileAsItWas) {
    TempFolder folder;
    folder.Write("stats.sav", "old contents");
    // The temporary file cannot be created: a folder has its name.
    std::filesystem::create_directory(folder.Path("stats.sav.tmp"));
    EXPECT_FALSE(WriteFileSafely(folder.Path("stats.sav"), "new"));
    EXPECT_EQ(folder.Read("stats.sav"), "old contents");
    // The rename fails: the target is a folder. The temporary file is removed.
    std::filesystem::create_directory(folder.Path("target"));
    folder.Write("target/inside", "kept");
    EXPECT_FALSE(WriteFileSafely(folder.Path("target"), "new"));
    EXPECT_EQ(folder.Read("target/inside"), "kept");
    EXPECT_FALSE(folder.Exists("target.tmp"));
    EXPECT_FALSE(WriteFileSafely(folder.Path("missing/knobel.cfg"), "new"));
}
