// Checks the two language files shipped in data/ against the rules the
// program relies on: Windows-1252 bytes, every index 0..386 present, and each
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

constexpr int kTextCount = 387;

// How the callers use the texts from `first` to `last`: "-" never as a format,
// "A" as an answer key (letters only, no format), "" as a format without
// arguments, else one letter per argument: I int, F double, S text.
struct TextUse {
    int first;
    int last;
    const char* signature;
};

const TextUse kUses[] = {
    {0, 1, "-"},      {3, 4, "-"},      {6, 21, "-"},     {22, 22, "II"},   {23, 24, "I"},    {25, 26, "II"},
    {27, 32, "I"},    {35, 36, "I"},    {37, 37, "II"},   {38, 38, ""},     {39, 39, "F"},    {40, 40, "I"},
    {41, 41, "F"},    {42, 42, "-"},    {43, 43, "III"},  {44, 44, "I"},    {45, 47, "F"},    {48, 48, "I"},
    {49, 49, "ISIIIF"}, {50, 50, "F"},  {51, 52, "II"},   {53, 53, "-"},    {54, 54, "S"},    {55, 55, "II"},
    {56, 56, "-"},    {57, 57, "I"},    {58, 61, "-"},    {62, 62, "ISFFF"}, {63, 63, "II"},  {64, 76, "-"},
    {98, 100, "-"},   {101, 101, ""},   {102, 102, "-"},  {105, 106, "-"},  {110, 111, "-"},  {115, 116, "-"},
    {117, 117, "II"}, {118, 119, "I"},  {120, 123, "-"},  {124, 124, "I"},  {125, 126, "-"},  {130, 131, "-"},  {132, 132, "II"},
    {133, 133, "-"},  {140, 141, "-"},  {142, 143, "II"}, {144, 146, "-"},  {150, 151, "-"},  {160, 161, "-"},
    {162, 163, "I"},  {170, 171, "-"},  {172, 172, ""},   {173, 173, "I"},  {174, 174, ""},   {175, 175, "I"},  {176, 176, ""},   {177, 177, "I"},
    {178, 178, ""},   {179, 179, "I"},  {180, 180, ""},   {181, 181, "I"},  {182, 182, ""},   {183, 183, "I"},
    {184, 184, ""},   {185, 185, "I"},  {186, 186, ""},   {187, 187, "I"},  {188, 189, "-"},  {190, 196, "A"},
    {197, 197, "SIII"}, {198, 199, "-"}, {200, 201, "-"}, {300, 308, "-"}, {310, 314, "-"},  {320, 325, "-"},  {330, 334, "-"},
    {340, 343, "-"},  {350, 355, "-"},  {356, 358, "-"},  {359, 359, "IFF"}, {360, 361, "IF"}, {362, 362, "I"},
    {363, 363, "II"}, {364, 365, "-"},  {366, 366, "I"},  {367, 382, "-"},  {383, 383, "II"}, {384, 385, "-"},  {386, 386, "I"},
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
        for (int index = use.first; index <= use.last; ++index) {
            const std::string text = GetText(table, index);
            const std::string what = name + " text " + std::to_string(index) + " \"" + text + "\"";
            const std::string signature = use.signature;
            EXPECT_GT(text.size(), 1u) << what << " is empty";
            if (signature == "-" || signature == "A") {
                EXPECT_EQ(text.find('%'), std::string::npos) << what << " is no format but holds '%'";
            } else {
                EXPECT_EQ(FormatSignature(text), signature) << what;
            }
            for (std::size_t i = 1; signature == "A" && i < text.size(); ++i) {
                const char c = text[i];
                EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) << what << " must hold letters A-Z only";
            }
        }
    }
}

}  // namespace

TEST(LanguageFilesTest, GermanFileIsComplete) { CheckLanguageFile("deutsch.lng"); }
TEST(LanguageFilesTest, EnglishFileIsComplete) { CheckLanguageFile("english.lng"); }
