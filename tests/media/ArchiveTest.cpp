#include "media/Archive.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/ArchiveBytes.h"
#include "support/TempFolder.h"

namespace fs = std::filesystem;

namespace {

class ArchiveTest : public ::testing::Test {
protected:
    ArchiveHandle OpenBytes(const std::string& bytes) {
        folder.Write("test.gob", bytes);
        return ArchiveOpen(folder.Path("test.gob"));
    }
    // The entry's content, or "<missing>".
    static std::string Content(ArchiveFile* archive, const char* name) {
        std::vector<uint8_t> out{'?'};
        if (!ArchiveRead(archive, name, out)) {
            EXPECT_TRUE(out.empty()) << name;
            return "<missing>";
        }
        return std::string(out.begin(), out.end());
    }
    TempFolder folder;
};

TEST_F(ArchiveTest, OpenAcceptsOnlyAWholeHeaderAndDirectory) {
    const std::string good = ArchiveBytes({{"a", "xyz"}, {"b", ""}});
    ArchiveHandle archive = OpenBytes(good);
    ASSERT_TRUE(archive);
    EXPECT_EQ(archive->entryCount, 2);
    EXPECT_EQ(archive->fileSize, good.size());
    EXPECT_FALSE(ArchiveOpen(folder.Path("missing.gob")));
    EXPECT_FALSE(ArchiveOpen(folder.Path()));  // a folder
    std::string magic = good;
    magic[3] = 'X';
    std::string lower = good;
    lower[0] = 'g';
    std::string noEntries = good;
    PatchNumber(noEntries, 4, 0);
    std::string negative = good;
    PatchNumber(negative, 4, 0xFFFFFFFF);
    std::string huge = good;
    PatchNumber(huge, 4, 0x7FFFFFFF);
    const struct { std::string bytes; const char* what; } cases[] = {
        {"", "empty"},
        {good.substr(0, 6), "header cut short"},
        {magic, "\"GOBX\" is not \"GOB\" and a zero"},
        {lower, "the magic is case-sensitive"},
        {noEntries, "no entries"},
        {negative, "a count of -1"},
        {huge, "a count whose directory cannot fit"},
        {good.substr(0, RecordPosition(2) - 1), "the directory is cut"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(OpenBytes(c.bytes)) << c.what;
    }
    // The directory must fit in the file, even where the data would not follow.
    EXPECT_TRUE(OpenBytes(good.substr(0, RecordPosition(2))));
}

TEST_F(ArchiveTest, FindComparesNamesIgnoringAsciiCaseTheFirstOfTwoWinsAndNoNameFindsNothing) {
    ArchiveHandle archive = OpenBytes(ArchiveBytes({{"misc1.PNG", "png bytes"},
                                                    {"Sounds\\klick_game.wav", "RIFF"},
                                                    {"dup", "first"},
                                                    {"DUP", "second"},
                                                    {"\xC4pfel", "umlaut"}}));
    ASSERT_TRUE(archive);
    const std::pair<const char*, const char*> lookups[] = {
        {"MISC1.png", "png bytes"}, {"sounds\\KLICK_GAME.WAV", "RIFF"}, {"Dup", "first"}, {"\xC4pfel", "umlaut"},
        {"\xE4pfel", "<missing>"},  // only ASCII letters fold: 0xE4 is not the same letter as 0xC4 here
        {"misc1", "<missing>"},     {"misc1.PNG2", "<missing>"},        {"Sounds/klick_game.wav", "<missing>"}, {"", "<missing>"},
    };
    for (const auto& [name, content] : lookups) {
        EXPECT_EQ(Content(archive.get(), name), content) << name;
    }
    uint32_t size = 0;
    EXPECT_EQ(ArchiveFind(archive.get(), "MISC1.png", &size), archive.get());
    EXPECT_EQ(size, 9u);
    EXPECT_EQ(ArchiveFind(archive.get(), "nothing", &size), nullptr);
    EXPECT_EQ(ArchiveFind(archive.get(), nullptr, &size), nullptr);
    EXPECT_EQ(ArchiveFind(nullptr, "a", &size), nullptr);
    std::vector<uint8_t> out;
    EXPECT_FALSE(ArchiveRead(nullptr, "a", out));
}

TEST_F(ArchiveTest, ReadGivesExactlyTheEntryBytesOneEntryAfterAnother) {
    const std::string binary("\x89PNG\0\r\n\x1A\0\xFF", 10);
    ArchiveHandle archive = OpenBytes(ArchiveBytes({{"empty", ""}, {"bin", binary}, {"text", "a\r\nb"}}));
    ASSERT_TRUE(archive);
    EXPECT_EQ(Content(archive.get(), "text"), "a\r\nb");  // bytes as stored
    EXPECT_EQ(Content(archive.get(), "bin"), binary);
    EXPECT_EQ(Content(archive.get(), "empty"), "");
    EXPECT_EQ(Content(archive.get(), "bin"), binary);
    ArchiveHandle closed = std::move(archive);
    ArchiveClose(closed);
    EXPECT_FALSE(closed);
    ArchiveClose(closed);  // an empty handle is left alone
}

TEST_F(ArchiveTest, DamagedRecordsAreMissingEntriesAndOthersStillServe) {
    std::string bytes = ArchiveBytes({{"beyond", "1111"},
                                      {"overlap", "2222"},
                                      {"wraps", "3333"},
                                      {"twice", "4444"},
                                      {"twice", "5555"},
                                      {"fine", "6666"},
                                      {"last", "7777"}});
    const auto fileSize = static_cast<uint32_t>(bytes.size());
    PatchNumber(bytes, OffsetField(0), fileSize);  // starts at the end of the file
    PatchNumber(bytes, SizeField(1), fileSize - static_cast<uint32_t>(RecordPosition(7) + 4) + 1);
    // Offset + size overflows 32 bits to a small number.
    PatchNumber(bytes, OffsetField(2), 0xFFFFFFF0);
    PatchNumber(bytes, SizeField(2), 0x20);
    PatchNumber(bytes, OffsetField(3), 0xFFFFFFFF);
    ArchiveHandle archive = OpenBytes(bytes);
    ASSERT_TRUE(archive);
    EXPECT_EQ(Content(archive.get(), "beyond"), "<missing>");
    EXPECT_EQ(Content(archive.get(), "overlap"), "<missing>");
    EXPECT_EQ(Content(archive.get(), "wraps"), "<missing>");
    EXPECT_EQ(Content(archive.get(), "twice"), "5555");  // the damaged first copy does not count
    EXPECT_EQ(Content(archive.get(), "fine"), "6666");
    EXPECT_EQ(Content(archive.get(), "last"), "7777");  // ends exactly at the end of the file
    ArchiveRecord record;
    ASSERT_TRUE(ArchiveReadRecord(archive.get(), 2, record));
    EXPECT_EQ(record.name, "wraps");
    EXPECT_EQ(record.offset, 0xFFFFFFF0u);
    EXPECT_FALSE(ArchiveRecordUsable(*archive, record));
    ASSERT_TRUE(ArchiveReadRecord(archive.get(), 6, record));
    EXPECT_EQ(record.name, "last");
    EXPECT_TRUE(ArchiveRecordUsable(*archive, record));
    EXPECT_FALSE(ArchiveReadRecord(archive.get(), 7, record));
    EXPECT_FALSE(ArchiveReadRecord(archive.get(), -1, record));
}

TEST_F(ArchiveTest, EntriesAboveTheSizeLimitAreMissingEvenWhenTheFileHoldsThem) {
    std::string bytes = ArchiveBytes({{"huge", ""}, {"small", "ok"}});
    PatchNumber(bytes, SizeField(0), kArchiveMaxEntrySize + 1);
    folder.Write("huge.gob", bytes);
    const std::string path = folder.Path("huge.gob");
    // A sparse tail makes the file long enough for the huge entry.
    fs::resize_file(path, bytes.size() + kArchiveMaxEntrySize + 16);
    ArchiveHandle archive = ArchiveOpen(path);
    ASSERT_TRUE(archive);
    EXPECT_EQ(ArchiveFind(archive.get(), "huge"), nullptr);
    EXPECT_EQ(Content(archive.get(), "small"), "ok");
}

TEST_F(ArchiveTest, NameFillingItsWholeFieldIsReadWithinTheField) {
    const std::string longName(260, 'x');
    std::string bytes = ArchiveBytes({{"placeholder", "long"}, {"next", "after"}});
    bytes.replace(NameField(0), 260, longName);  // no terminating zero
    ArchiveHandle archive = OpenBytes(bytes);
    ASSERT_TRUE(archive);
    ArchiveRecord record;
    ASSERT_TRUE(ArchiveReadRecord(archive.get(), 0, record));
    EXPECT_EQ(record.name, longName);
    EXPECT_EQ(Content(archive.get(), longName.c_str()), "long");
    EXPECT_EQ(Content(archive.get(), (longName + "next").c_str()), "<missing>");
    EXPECT_EQ(Content(archive.get(), "next"), "after");
}

TEST_F(ArchiveTest, FileCutShortAfterOpeningEndsLookupsWithoutData) {
    const std::string bytes = ArchiveBytes({{"a", "first"}, {"b", "second"}});
    folder.Write("cut.gob", bytes);
    const std::string path = folder.Path("cut.gob");
    ArchiveHandle archive = ArchiveOpen(path);
    ASSERT_TRUE(archive);
    // Data cut: the record still claims its bytes, the read comes up short.
    fs::resize_file(path, bytes.size() - 3);
    EXPECT_EQ(Content(archive.get(), "b"), "<missing>");
    EXPECT_EQ(Content(archive.get(), "a"), "first");
    // Directory cut in the second record: the scan stops there.
    fs::resize_file(path, RecordPosition(1) + 100);
    EXPECT_EQ(Content(archive.get(), "b"), "<missing>");
    ArchiveRecord record;
    EXPECT_FALSE(ArchiveReadRecord(archive.get(), 1, record));
}

}  // namespace
