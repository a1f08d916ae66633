#include "settings/FileLocations.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/TempFolder.h"

TEST(FileLocationsTest, DataFilesAreFoundInFolderOrderIgnoringLetterCase) {
    TempFolder folder;
    std::filesystem::create_directory(folder.Path("work"));
    std::filesystem::create_directory(folder.Path("exe"));
    const std::string work = folder.Path("work");
    const std::string exe = folder.Path("exe") + "/";
    folder.Write("exe/deutsch.lng", "exe");
    folder.Write("exe/Sport.GOB", "exe");
    folder.Write("work/SPORT.gob", "work");

    EXPECT_EQ(FindFileInFolders({work, exe}, "deutsch.lng"), exe + "deutsch.lng");
    EXPECT_EQ(FindFileInFolders({work, exe}, "sport.gob"), work + "/SPORT.gob");
    EXPECT_EQ(FindFileInFolders({exe, work}, "sport.gob"), exe + "Sport.GOB");
    EXPECT_EQ(FindFileInFolders({work, exe}, "english.lng"), "");
    // A folder of that name is no file.
    std::filesystem::create_directory(folder.Path("work/english.lng"));
    EXPECT_EQ(FindFileInFolders({work}, "english.lng"), "");

    WorkingDirectoryScope scope(work);
    EXPECT_EQ(FindDataFile("sport.GOB"), "SPORT.gob");
    EXPECT_EQ(FindDataFile("nirgends.lng"), "");
}

TEST(FileLocationsTest, SaveFilesGoToTheWorkingFolderWhileItCanBeWritten) {
    TempFolder folder;
    int asked = 0;
    auto fallback = [&]() {
        ++asked;
        return folder.Path("prefs/");
    };
    EXPECT_EQ(ChooseSaveFilePath(folder.Path(), fallback, "stats.sav", false), folder.Path("stats.sav"));
    EXPECT_EQ(ChooseSaveFilePath(folder.Path(), fallback, "stats.sav", true), folder.Path("stats.sav"));
    EXPECT_EQ(asked, 0);

    // A working folder that cannot be written (here: one that does not exist).
    const std::string readOnly = folder.Path("gone");
    EXPECT_EQ(ChooseSaveFilePath(readOnly, fallback, "stats.sav", false), folder.Path("prefs/stats.sav"));
    // Reading takes the working folder's copy until the fallback folder has one.
    EXPECT_EQ(ChooseSaveFilePath(readOnly, fallback, "stats.sav", true), readOnly + "/stats.sav");
    std::filesystem::create_directory(folder.Path("prefs"));
    folder.Write("prefs/stats.sav", "x");
    EXPECT_EQ(ChooseSaveFilePath(readOnly, fallback, "stats.sav", true), folder.Path("prefs/stats.sav"));
    // Without a fallback folder the working folder is all there is.
    EXPECT_EQ(ChooseSaveFilePath(readOnly, [] { return std::string(); }, "a.sav", false), readOnly + "/a.sav");
    // A path is used as it is.
    EXPECT_EQ(ChooseSaveFilePath(readOnly, fallback, "/x/y.sav", false), "/x/y.sav");
    EXPECT_EQ(asked, 3);
}
