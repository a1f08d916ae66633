// The generator's output as a whole: every entry the game loads, the colour
// key, determinism.
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "AssetFiles.h"
#include "AssetWriter.h"
#include "support/TempFolder.h"

namespace {

// The sixteen textures the game loads at start-up (their sizes are checked
// against the region map) and the window's icon; beside them the sound effects.
const char* const kTextures[] = {"splash.PNG", "misc1.PNG", "misc2.PNG", "misc3.PNG", "misc4.PNG", "menu1.PNG",
                                 "menu2.PNG",  "menu3.PNG", "back1.PNG", "back2.PNG", "back3.PNG", "back4.PNG",
                                 "MemoryCards1.png", "MemoryCards2.png", "Memory_Muster.PNG", "bg.PNG",
                                 "icon.PNG"};
constexpr std::size_t kSoundCount = 8;

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

TEST(AssetSet, WritesEveryTextureWithoutTheColourKey) {
    // The game's loader would turn opaque R0 G255 B100 into a hole.
    for (const char* entry : kTextures) {
        const Image& image = Generated(entry);
        ASSERT_TRUE(image.Valid()) << entry;
        int keyed = 0;
        for (int y = 0; y < image.Height(); ++y) {
            for (int x = 0; x < image.Width(); ++x) {
                keyed += image.Alpha(x, y) == 255 && image.Channel(x, y, 0) == 0 && image.Channel(x, y, 1) == 255 &&
                         image.Channel(x, y, 2) == 100;
            }
        }
        EXPECT_EQ(keyed, 0) << entry;
    }
}

TEST(AssetSet, TwoRunsWriteIdenticalBytes) {
    TempFolder second;
    std::string error;
    ASSERT_TRUE(WriteAllAssets(second.Path(), error)) << error;
    // The build's folder also holds the word lists and pictures packed beside the art.
    const auto first = FilesBelow(GeneratedFolder());
    const auto again = FilesBelow(second.Path());
    ASSERT_EQ(again.size(), std::size(kTextures) + kSoundCount);
    for (const auto& [name, bytes] : again) {
        ASSERT_TRUE(first.count(name)) << name;
        EXPECT_TRUE(first.at(name) == bytes) << name << " differs between runs";
    }
}
