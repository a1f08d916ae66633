#include "media/ArchiveStream.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <locale>
#include <string>
#include <tuple>
#include <vector>

#include "support/ArchiveBytes.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

std::vector<std::string> Lines(std::istream& in) {
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// A decimal comma, as a German locale would have it.
struct DecimalComma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

class ArchiveStreamTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.Write("test.gob", ArchiveBytes({
            {"words_d", "HAUS\r\nMAUS\rBAUM\nSTR\xC4UCHER\r\n\r\nENDE"},
            {"bb_0", "POSITON: 3 -2\r\nROT: 1.5\r\n"},
            {"words_e", "house\nmouse\n"},
        }));
        archive = ArchiveOpen(folder.Path("test.gob"));
        ASSERT_TRUE(archive);
    }
    TempFolder folder;
    ArchiveHandle archive;
};

TEST_F(ArchiveStreamTest, EveryLineEndArrivesAsALineFeed) {
    ArchiveStream stream(archive.get(), "WORDS_D");
    ASSERT_TRUE(stream.IsOpen());
    EXPECT_EQ(Lines(*stream.GetStream()),
              (std::vector<std::string>{"HAUS", "MAUS", "BAUM", "STR\xC4UCHER", "", "ENDE"}));
    EXPECT_EQ(ToPlainLineEnds("a\r"), "a\n");
    EXPECT_EQ(ToPlainLineEnds("\r\r\n\n"), "\n\n\n");
    EXPECT_EQ(ToPlainLineEnds(std::string("x\0\ry", 4)), std::string("x\0\ny", 4));
}

TEST_F(ArchiveStreamTest, TokensAndNumbersReadInTheClassicLocale) {
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new DecimalComma));
    ArchiveStream stream(archive.get(), "bb_0");
    std::locale::global(previous);
    ASSERT_TRUE(stream.IsOpen());
    std::istream& in = *stream.GetStream();
    std::string position, rotation, after;
    int x = 0, y = 0;
    double angle = 0;
    in >> position >> x >> y >> rotation >> angle;
    EXPECT_EQ(std::tuple(position, x, y, rotation, angle), std::tuple("POSITON:", 3, -2, "ROT:", 1.5));
    EXPECT_FALSE(in >> after);
}

TEST_F(ArchiveStreamTest, OpenReplacesWhatWasHeldAndAMissingEntryLeavesNoStream) {
    ArchiveStream stream;
    EXPECT_FALSE(stream.IsOpen());
    EXPECT_EQ(stream.GetStream(), nullptr);
    ASSERT_TRUE(stream.Open(archive.get(), "words_e"));
    EXPECT_EQ(Lines(*stream.GetStream()), (std::vector<std::string>{"house", "mouse"}));
    ASSERT_TRUE(stream.Open(archive.get(), "words_d"));
    std::string first;
    *stream.GetStream() >> first;
    EXPECT_EQ(first, "HAUS");
    EXPECT_FALSE(stream.Open(archive.get(), "words_x"));
    EXPECT_FALSE(stream.IsOpen());
    EXPECT_EQ(stream.GetStream(), nullptr);
    EXPECT_FALSE(stream.Open(nullptr, "words_e"));
    ASSERT_TRUE(stream.Open(archive.get(), "words_e"));
    stream.Close();
    EXPECT_EQ(stream.GetStream(), nullptr);
}

TEST_F(ArchiveStreamTest, NothingIsWrittenToTheWorkingDirectory) {
    TempFolder workingFolder;
    WorkingDirectoryScope inside(workingFolder.Path());
    ArchiveStream stream(archive.get(), "words_d");
    ASSERT_TRUE(stream.IsOpen());
    EXPECT_TRUE(fs::is_empty(workingFolder.Path()));
    stream.Close();
    EXPECT_TRUE(fs::is_empty(workingFolder.Path()));
}

}  // namespace
