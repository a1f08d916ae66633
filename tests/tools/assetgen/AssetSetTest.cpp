// The generator's output as a whole: every entry the game loads, sizes,
// the colour key, determinism.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "AssetFiles.h"
#include "AssetWriter.h"
#include "support/TempFolder.h"

namespace {

struct Texture {
    const char* entry;
    int minWidth;
    int minHeight;
};

// The sixteen textures the game loads at start-up, with the smallest size
// that holds every region it draws from them.
const Texture kTextures[] = {
    {"splash.PNG", 1024, 1124},     {"misc1.PNG", 1000, 700},         {"misc2.PNG", 550, 600},
    {"misc3.PNG", 550, 400},        {"misc4.PNG", 600, 850},          {"menu1.PNG", 1000, 1000},
    {"menu2.PNG", 800, 800},        {"menu3.PNG", 400, 700},          {"back1.PNG", 600, 900},
    {"back2.PNG", 600, 900},        {"back3.PNG", 600, 900},          {"back4.PNG", 600, 450},
    {"MemoryCards1.png", 352, 896}, {"MemoryCards2.png", 352, 896},   {"Memory_Muster.PNG", 520, 130},
    {"bg.PNG", 1024, 768},
};

// The sound effects the game loads (archive names "Sounds\<file>").
const char* const kSounds[] = {"klick_game.wav", "klick_menu.wav", "win.wav",   "lose.wav",
                               "alarm.wav",      "pop.wav",        "punch.wav", "lamp1.wav"};

std::string InFolder(const std::string& name) { return GeneratedFolder() + "/" + name; }

// Every file below `root`, by path relative to it.
std::map<std::string, std::string> FilesBelow(const std::string& root) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            files[std::filesystem::relative(entry.path(), root).string()] = ReadBytes(entry.path().string());
        }
    }
    return files;
}

}  // namespace

TEST(AssetSet, WritesEveryTextureAtLeastAtItsMinimumSize) {
    for (const Texture& t : kTextures) {
        const Image image(InFolder(t.entry));
        ASSERT_TRUE(image.Valid()) << t.entry;
        EXPECT_GE(image.Width(), t.minWidth) << t.entry;
        EXPECT_GE(image.Height(), t.minHeight) << t.entry;
    }
}

TEST(AssetSet, WritesEverySoundEffectInTheSoundsFolder) {
    for (const char* name : kSounds) {
        EXPECT_TRUE(ReadWave(InFolder(std::string("Sounds/") + name)).valid) << name;
    }
}

TEST(AssetSet, NoPixelHasTheColourKey) {
    // The game's loader would turn opaque R0 G255 B100 into a hole.
    for (const Texture& t : kTextures) {
        const Image image(InFolder(t.entry));
        int keyed = 0;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                keyed += image.Alpha(x, y) == 255 && image.Channel(x, y, 0) == 0 &&
                         image.Channel(x, y, 1) == 255 && image.Channel(x, y, 2) == 100;
            }
        }
        EXPECT_EQ(keyed, 0) << t.entry;
    }
}

TEST(AssetSet, TwoRunsWriteIdenticalBytes) {
    TempFolder second;
    std::string error;
    ASSERT_TRUE(WriteAllAssets(second.Path(), error)) << error;
    // The build's folder also holds the word lists and pictures packed beside the art.
    const auto first = FilesBelow(GeneratedFolder());
    const auto again = FilesBelow(second.Path());
    ASSERT_EQ(again.size(), std::size(kTextures) + std::size(kSounds));
    for (const auto& [name, bytes] : again) {
        ASSERT_TRUE(first.count(name)) << name;
        EXPECT_TRUE(first.at(name) == bytes) << name << " differs between runs";
    }
}

TEST(AssetSet, ReportsAFolderItCannotCreate) {
    TempFolder folder;
    folder.Write("plain-file", "x");
    std::string error;
    EXPECT_FALSE(WriteAllAssets(folder.Path("plain-file/assets"), error));
    EXPECT_NE(error.find("plain-file"), std::string::npos) << error;
}
