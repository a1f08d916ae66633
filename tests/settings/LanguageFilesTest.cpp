// Checks the two language files shipped in data/ against the rules the
// program relies on: Windows-1252 bytes, every index 0..355 present, and each
// text's printf conversions matching the arguments its callers pass.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"
#include "settings/TokenReader.h"

namespace {

constexpr int kTextCount = 356;

// How a text is used. RAW, COPY, ANSWER and ARG texts are never formats;
// FMT0 and FMT? go through the formatter without arguments. The signature
// has one letter per argument: I int, F double, S text; "-" for no format,
// "0" for a format without arguments.
struct TextUse {
    int index;
    const char* use;
    const char* signature;
};

const TextUse kUses[] = {
    {0, "RAW", "-"},
    {1, "RAW", "-"},
    {3, "RAW", "-"},
    {4, "RAW", "-"},
    {6, "RAW", "-"},
    {7, "RAW", "-"},
    {8, "RAW", "-"},
    {9, "RAW", "-"},
    {10, "RAW", "-"},
    {11, "RAW", "-"},
    {12, "RAW", "-"},
    {13, "RAW", "-"},
    {14, "RAW", "-"},
    {15, "RAW", "-"},
    {16, "RAW", "-"},
    {17, "RAW", "-"},
    {18, "RAW", "-"},
    {19, "RAW", "-"},
    {20, "RAW", "-"},
    {21, "RAW", "-"},
    {22, "FMT", "II"},
    {23, "FMT", "I"},
    {24, "FMT", "I"},
    {25, "FMT", "II"},
    {26, "FMT", "II"},
    {27, "FMT", "I"},
    {28, "FMT", "I"},
    {29, "FMT", "I"},
    {30, "FMT", "I"},
    {31, "FMT", "I"},
    {32, "FMT", "I"},
    {35, "FMT", "I"},
    {36, "FMT", "I"},
    {37, "FMT", "II"},
    {38, "FMT0", "0"},
    {39, "FMT", "F"},
    {40, "FMT", "I"},
    {41, "FMT", "F"},
    {42, "RAW", "-"},
    {43, "FMT", "III"},
    {44, "FMT", "I"},
    {45, "FMT", "F"},
    {46, "FMT", "F"},
    {47, "FMT", "F"},
    {48, "FMT", "I"},
    {49, "FMT", "ISIIIF"},
    {50, "FMT", "F"},
    {51, "FMT", "II"},
    {52, "FMT", "II"},
    {53, "RAW", "-"},
    {54, "FMT", "S"},
    {55, "FMT", "II"},
    {56, "RAW", "-"},
    {57, "FMT", "I"},
    {58, "RAW", "-"},
    {59, "RAW", "-"},
    {60, "RAW", "-"},
    {61, "RAW", "-"},
    {62, "FMT", "ISFFF"},
    {63, "FMT", "II"},
    {64, "RAW", "-"},
    {65, "RAW", "-"},
    {66, "RAW", "-"},
    {67, "RAW", "-"},
    {68, "RAW", "-"},
    {69, "RAW", "-"},
    {70, "RAW", "-"},
    {71, "RAW", "-"},
    {72, "RAW", "-"},
    {73, "RAW", "-"},
    {74, "RAW", "-"},
    {75, "RAW", "-"},
    {76, "RAW", "-"},
    {98, "RAW", "-"},
    {99, "RAW", "-"},
    {100, "RAW", "-"},
    {101, "FMT0", "0"},
    {102, "RAW", "-"},
    {105, "RAW", "-"},
    {106, "RAW", "-"},
    {110, "RAW", "-"},
    {111, "RAW", "-"},
    {115, "RAW", "-"},
    {116, "RAW", "-"},
    {117, "FMT", "II"},
    {120, "RAW", "-"},
    {121, "RAW", "-"},
    {122, "RAW", "-"},
    {123, "RAW", "-"},
    {124, "FMT", "I"},
    {125, "RAW", "-"},
    {126, "RAW", "-"},
    {130, "RAW", "-"},
    {131, "RAW", "-"},
    {132, "FMT", "II"},
    {133, "RAW", "-"},
    {140, "RAW", "-"},
    {141, "RAW", "-"},
    {142, "FMT", "II"},
    {143, "FMT", "II"},
    {144, "RAW", "-"},
    {145, "RAW", "-"},
    {146, "RAW", "-"},
    {150, "RAW", "-"},
    {151, "RAW", "-"},
    {160, "RAW", "-"},
    {161, "RAW", "-"},
    {162, "FMT", "I"},
    {163, "FMT", "I"},
    {170, "RAW", "-"},
    {171, "RAW", "-"},
    {173, "FMT", "I"},
    {175, "FMT", "I"},
    {176, "FMT?", "0"},
    {177, "FMT", "I"},
    {178, "FMT?", "0"},
    {179, "FMT", "I"},
    {180, "FMT?", "0"},
    {181, "FMT", "I"},
    {182, "FMT?", "0"},
    {183, "FMT", "I"},
    {184, "FMT?", "0"},
    {185, "FMT", "I"},
    {186, "FMT?", "0"},
    {187, "FMT", "I"},
    {188, "COPY", "-"},
    {189, "COPY", "-"},
    {190, "ANSWER", "-"},
    {191, "ANSWER", "-"},
    {192, "ANSWER", "-"},
    {193, "ANSWER", "-"},
    {194, "ANSWER", "-"},
    {195, "ANSWER", "-"},
    {196, "ANSWER", "-"},
    {197, "FMT", "SIII"},
    {200, "RAW", "-"},
    {201, "RAW", "-"},
    {300, "ARG", "-"},
    {301, "ARG", "-"},
    {302, "ARG", "-"},
    {303, "ARG", "-"},
    {304, "ARG", "-"},
    {305, "ARG", "-"},
    {306, "ARG", "-"},
    {307, "ARG", "-"},
    {308, "ARG", "-"},
    {310, "ARG", "-"},
    {311, "ARG", "-"},
    {312, "ARG", "-"},
    {313, "ARG", "-"},
    {314, "ARG", "-"},
    {320, "ARG", "-"},
    {321, "ARG", "-"},
    {322, "ARG", "-"},
    {323, "ARG", "-"},
    {324, "ARG", "-"},
    {325, "ARG", "-"},
    {330, "ARG", "-"},
    {331, "ARG", "-"},
    {332, "ARG", "-"},
    {333, "ARG", "-"},
    {334, "ARG", "-"},
    {340, "ARG", "-"},
    {341, "ARG", "-"},
    {342, "ARG", "-"},
    {343, "ARG", "-"},
    {350, "ARG", "-"},
    {351, "ARG", "-"},
    {352, "ARG", "-"},
    {353, "ARG", "-"},
    {354, "ARG", "-"},
    {355, "ARG", "-"},
};

// The file in the repository's data folder, else the copy that configuring
// put into the build folder (the working directory of the tests).
std::string ReadDataFile(const std::string& name, bool& found) {
    const char* root = std::getenv("KNOBEL_SOURCE_DIR");
    std::ifstream file;
    if (root != nullptr) {
        file.open(std::string(root) + "/data/" + name, std::ios::binary);
    }
    if (!file.is_open()) {
        file.open(name, std::ios::binary);
    }
    found = file.is_open();
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Bytes that show the file was saved in another encoding, or that are no
// Windows-1252 characters at all.
void ExpectWindows1252(const std::string& bytes, const std::string& name) {
    ASSERT_FALSE(bytes.rfind("\xEF\xBB\xBF", 0) == 0) << name << " starts with a byte-order mark";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(bytes[i]);
        const unsigned char next = i + 1 < bytes.size() ? static_cast<unsigned char>(bytes[i + 1]) : 0;
        EXPECT_FALSE((c == 0xC2 || c == 0xC3) && next >= 0x80 && next <= 0xBF)
            << name << ": UTF-8 sequence at byte " << i;
        EXPECT_FALSE(c == 0xE2 && (next == 0x80 || next == 0x82)) << name << ": UTF-8 sequence at byte " << i;
        EXPECT_FALSE(c == 0x81 || c == 0x8D || c == 0x8F || c == 0x90 || c == 0x9D)
            << name << ": byte " << i << " is no Windows-1252 character";
        EXPECT_FALSE(c < 0x20 && c != '\n' && c != '\r') << name << ": control byte at " << i;
    }
}

// The indices of all "<TEXT_START>" entries of the file.
std::set<int> EntryIndices(const std::string& contents) {
    std::set<int> indices;
    TokenReader reader(contents);
    std::string word;
    while (reader.NextWord(word)) {
        int index = 0;
        if (word == "<TEXT_START>" && reader.ReadInt(index)) {
            indices.insert(index);
        }
    }
    return indices;
}

void CheckLanguageFile(const std::string& name) {
    bool found = false;
    const std::string bytes = ReadDataFile(name, found);
    if (!found) {
        GTEST_SKIP() << "data/" << name << " is not there yet";
    }
    ExpectWindows1252(bytes, name);

    const std::string contents = NormalizeLineEnds(bytes);
    const std::set<int> indices = EntryIndices(contents);
    for (int i = 0; i < kTextCount; ++i) {
        EXPECT_TRUE(indices.count(i)) << name << " has no entry for index " << i;
    }

    SyncList<std::string> table;
    ReadLanguageTexts(contents, table);
    ASSERT_GE(table.Count(), kTextCount) << name;
    for (int i = 0; i < table.Count(); ++i) {
        const std::string text = GetText(table, i);
        EXPECT_EQ(text.find('&'), std::string::npos) << name << " text " << i << " holds '&'";
    }
    for (const TextUse& use : kUses) {
        const std::string text = GetText(table, use.index);
        const std::string what = name + " text " + std::to_string(use.index) + " \"" + text + "\"";
        EXPECT_GT(text.size(), 1u) << what << " is empty";
        const std::string signature = use.signature;
        if (signature == "-") {
            EXPECT_EQ(text.find('%'), std::string::npos) << what << " is no format but holds '%'";
        } else {
            EXPECT_EQ(FormatSignature(text), signature == "0" ? "" : signature) << what;
        }
        if (std::string(use.use) == "ANSWER") {
            for (std::size_t i = 1; i < text.size(); ++i) {
                const char c = text[i];
                EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) << what << " must hold letters A-Z only";
            }
        }
    }
}

}  // namespace

TEST(LanguageFilesTest, GermanFileIsComplete) { CheckLanguageFile("deutsch.lng"); }

TEST(LanguageFilesTest, EnglishFileIsComplete) { CheckLanguageFile("english.lng"); }
