#include "GobCommand.h"
#include "GobPacker.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "media/Archive.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result Gobpack(const std::vector<std::string>& args) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunGobpack(args, out, err);
    return {status, out.str(), err.str()};
}

// Writes a file below the folder, creating the folders on the way.
std::string WriteBelow(const TempFolder& folder, const std::string& relative, std::string_view bytes) {
    fs::create_directories(fs::path(folder.Path(relative)).parent_path());
    folder.Write(relative, bytes);
    return folder.Path(relative);
}

std::string AllBytes() {
    std::string bytes;
    for (int i = 0; i < 256; ++i) {
        bytes += static_cast<char>(i);
    }
    return bytes;
}

class GobpackTest : public ::testing::Test {
protected:
    std::string Archive(const std::string& name = "sport.gob") const { return output.Path(name); }
    TempFolder assets;
    TempFolder output;
};

TEST_F(GobpackTest, PackedFilesComeBackByteForByteUnderBackslashNames) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"misc1.PNG", AllBytes() + AllBytes()},
        {"Sounds/klick_game.wav", std::string("RIFF\0\0WAVE", 10)},
        {"Sounds/deep/inner.bin", std::string(1000, '\xAB')},
        {"words_d", "HAUS\r\nMAUS\r\n"},
        {"leer", ""},
    };
    for (const auto& [name, content] : files) {
        WriteBelow(assets, name, content);
    }
    const Result packed = Gobpack({"pack", assets.Path(), Archive()});
    ASSERT_EQ(packed.status, 0) << packed.err;
    EXPECT_FALSE(fs::exists(Archive() + ".tmp"));
    ArchiveHandle archive = ArchiveOpen(Archive());
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->entryCount, 5);
    std::vector<uint8_t> out;
    for (const auto& [name, content] : files) {
        std::string entryName = name;
        std::replace(entryName.begin(), entryName.end(), '/', '\\');
        ASSERT_TRUE(ArchiveRead(archive.get(), entryName.c_str(), out)) << entryName;
        EXPECT_EQ(std::string(out.begin(), out.end()), content) << entryName;
    }
    // The listing: sorted names, data packed one entry after another behind the directory.
    const std::vector<std::pair<std::string, size_t>> sorted = {
        {"Sounds\\deep\\inner.bin", 1000}, {"Sounds\\klick_game.wav", 10}, {"leer", 0},
        {"misc1.PNG", 512},                {"words_d", 12},
    };
    std::string expected;
    size_t offset = kArchiveHeaderSize + 5 * kArchiveRecordSize;
    for (const auto& [name, size] : sorted) {
        expected += name + "\t" + std::to_string(offset) + "\t" + std::to_string(size) + "\n";
        offset += size;
    }
    const Result listed = Gobpack({"list", Archive()});
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, expected);
    EXPECT_EQ(fs::file_size(Archive()), offset);
    const Result extract = Gobpack({"extract", Archive(), "SOUNDS\\DEEP\\INNER.BIN", output.Path("inner.bin")});
    EXPECT_EQ(extract.status, 0) << extract.err;
    EXPECT_EQ(output.Read("inner.bin"), files[2].second);
}

TEST_F(GobpackTest, PackRefusesWhatAReaderCouldNotFindAndKeepsTheOldArchive) {
    output.Write("sport.gob", "old archive");
    const auto refused = [&](const std::string& folder) {
        const Result result = Gobpack({"pack", folder, Archive()});
        EXPECT_EQ(result.status, 1) << folder;
        EXPECT_NE(result.err.find("gobpack: "), std::string::npos) << folder;
        EXPECT_EQ(output.Read("sport.gob"), "old archive") << folder;
    };
    refused(assets.Path("missing"));
    refused(assets.Path());  // empty
    // Entry names are limited to 259 bytes; folder names count with their separators.
    WriteBelow(assets, std::string(200, 'd') + "/" + std::string(58, 'f'), "fits");
    ASSERT_EQ(Gobpack({"pack", assets.Path(), Archive("fits.gob")}).status, 0);
    WriteBelow(assets, std::string(200, 'd') + "/" + std::string(59, 'g'), "too long");
    refused(assets.Path());
    TempFolder huge;
    fs::resize_file(WriteBelow(huge, "huge.wav", ""), kArchiveMaxEntrySize + 1);
    refused(huge.Path());
    // An output that cannot be written leaves nothing behind.
    TempFolder small;
    WriteBelow(small, "a", "1");
    EXPECT_EQ(Gobpack({"pack", small.Path(), output.Path("no/such/folder.gob")}).status, 1);
    fs::create_directory(output.Path("taken.gob"));
    EXPECT_EQ(Gobpack({"pack", small.Path(), output.Path("taken.gob")}).status, 1);
    EXPECT_FALSE(output.Exists("taken.gob.tmp"));
}

TEST_F(GobpackTest, BuildArchiveRefusesNamesAndSetsTheReaderCannotUse) {
    std::vector<uint8_t> out;
    std::string error;
    EXPECT_FALSE(BuildArchive({{"", {1}}}, out, error));
    EXPECT_FALSE(BuildArchive({{"Sounds\\A", {1}}, {"sounds\\a", {2}}}, out, error));
    EXPECT_TRUE(out.empty());
}

TEST_F(GobpackTest, ListMarksDamagedRecordsAndExtractFailsOnMissingEntries) {
    WriteBelow(assets, "a", "1234");
    WriteBelow(assets, "b", "5678");
    ASSERT_EQ(Gobpack({"pack", assets.Path(), Archive()}).status, 0);
    // Let entry "b" claim one byte more than the file holds.
    std::string bytes = output.Read("sport.gob");
    bytes[kArchiveHeaderSize + kArchiveRecordSize + 4] = 5;
    output.Write("sport.gob", bytes);
    const Result listed = Gobpack({"list", Archive()});
    EXPECT_EQ(listed.status, 0);
    const size_t data = kArchiveHeaderSize + 2 * kArchiveRecordSize;
    EXPECT_EQ(listed.out, "a\t" + std::to_string(data) + "\t4\nb\t" + std::to_string(data + 4) + "\t5\tdamaged\n");
    const std::string target = output.Path("b.out");
    const Result damaged = Gobpack({"extract", Archive(), "b", target});
    EXPECT_EQ(damaged.status, 1);
    EXPECT_NE(damaged.err.find("\"b\""), std::string::npos);
    EXPECT_FALSE(output.Exists("b.out"));
    EXPECT_EQ(Gobpack({"extract", Archive(), "c", target}).status, 1);
    EXPECT_EQ(Gobpack({"extract", Archive(), "", target}).status, 1);
    output.Write("text.gob", "not an archive");
    EXPECT_EQ(Gobpack({"list", Archive("text.gob")}).status, 1);
    EXPECT_EQ(Gobpack({"list", Archive("missing.gob")}).status, 1);
}

TEST_F(GobpackTest, WrongCommandLinesShowTheUsage) {
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {}, {"pack"}, {"pack", "a"}, {"list"}, {"list", "a", "b"}, {"extract", "a", "b"}, {"unpack", "a", "b"}}) {
        const Result result = Gobpack(args);
        EXPECT_EQ(result.status, 2) << args.size();
        EXPECT_NE(result.err.find("usage"), std::string::npos) << args.size();
    }
}

}  // namespace
