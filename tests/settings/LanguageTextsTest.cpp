#include "settings/LanguageTexts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/AppState.h"
#include "support/TempFolder.h"

namespace {

// The table as plain strings.
std::vector<std::string> Texts(SyncList<std::string>& table) {
    std::vector<std::string> texts;
    for (int i = 0; i < table.Count(); ++i) {
        texts.push_back(GetText(table, i));
    }
    return texts;
}

std::vector<std::string> Load(std::string_view file) {
    SyncList<std::string> table;
    ReadLanguageTexts(file, table);
    return Texts(table);
}

using TextList = std::vector<std::string>;

}  // namespace

TEST(LanguageTextsTest, DeclaredCountGivesEmptyPlaceholdersAndEntriesReplaceThem) {
    SyncList<std::string> table;
    ReadLanguageTexts("ANZ_TEXTE: 3\n<TEXT_START> 0 Zeit|\n<TEXT_START> 2\nzwei\nZeilen|", table);
    ASSERT_EQ(table.Count(), 3);
    EXPECT_STREQ(GetText(table, 0), " Zeit");
    ASSERT_NE(GetText(table, 1), nullptr);  // declared but never filled: empty, not null
    EXPECT_STREQ(GetText(table, 1), "");
    EXPECT_STREQ(GetText(table, 2), " zwei\nZeilen");  // the line end after the index is the separator
    EXPECT_EQ(GetText(table, 3), nullptr);
    EXPECT_EQ(GetText(table, -1), nullptr);
}

TEST(LanguageTextsTest, EntryEdgesIndicesAndUnreadableNumbers) {
    const struct { const char* file; TextList expected; const char* what; } cases[] = {
        {"<TEXT_START> 0  a|", {"  a"}, "only the one separator blank is dropped"},
        {"<TEXT_START> 0 |<TEXT_START> 1 b|", {" ", " b"}, "'|' right after the separator"},
        {"<TEXT_START> 0|<TEXT_START> 1 b|", {" ", " b"}, "no separator: the next entry stays whole"},
        {"<TEXT_START> 0 offen\n", {" offen\n"}, "the file ends inside a text"},
        {"<TEXT_START> 0", {" "}, "the file ends after the index"},
        {"Kommentar <TEXT_START> 0 100 %% & \\n|", {" 100 %% & \\n"}, "stray words; nothing else is special"},
        {"ANZ_TEXTE: 2 <TEXT_START> 7 sieben| <TEXT_START> 1 eins|", {"", " eins", " sieben"},
         "an index beyond the count appends"},
        {"ANZ_TEXTE: 1 <TEXT_START> -1 minus| <TEXT_START> 0 null|", {" null"}, "a negative index is ignored"},
        {"ANZ_TEXTE: -4 <TEXT_START> 0 a|", {" a"}, "a negative count"},
        {"<TEXT_START> 0 a| ANZ_TEXTE: viele <TEXT_START> 1 b|", {" a"}, "an unreadable count ends reading"},
        {"<TEXT_START> 0 a| <TEXT_START> x b| <TEXT_START> 1 c|", {" a"}, "an unreadable index ends reading"},
        {"ANZ_TEXTE: 99999999999999 <TEXT_START> 0 a|", {}, "an overflowing count ends reading"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Load(c.file), c.expected) << c.what;
    }
}

TEST(LanguageTextsTest, CountsAndLengthsAreBounded) {
    SyncList<std::string> table;
    ReadLanguageTexts("ANZ_TEXTE: 2000000000 ANZ_TEXTE: 5", table);
    EXPECT_EQ(table.Count(), kMaxLanguageTexts);
    const std::string longText(20000, 'x');
    const std::vector<std::string> texts = Load("<TEXT_START> 0 " + longText + "| <TEXT_START> 1 y|");
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].size(), kMaxLanguageTextLength);
    EXPECT_EQ(texts[0], " " + std::string(kMaxLanguageTextLength - 1, 'x'));
    EXPECT_EQ(texts[1], " y");
}

TEST(LanguageTextsTest, LoadLanguageReadsTheChosenFileWithWindowsLineEnds) {
    TempFolder folder;
    WorkingDirectoryScope scope(folder.Path());
    folder.Write("deutsch.lng", "ANZ_TEXTE: 2\r\n<TEXT_START> 0\r\nZeit\r\nbis|\r\n<TEXT_START> 1 Ende|\r\n");
    // Found whatever the letter case of its name.
    folder.Write("English.LNG", "ANZ_TEXTE: 1\r<TEXT_START> 0 Time|");
    AppState app;
    LoadLanguage(app, 0);
    EXPECT_EQ(app.language, 0);
    const std::vector<std::string> german = Texts(app.texts);
    EXPECT_EQ(german, (TextList{" Zeit\nbis", " Ende"}));
    LoadLanguage(app, 1);
    EXPECT_EQ(app.language, 1);
    EXPECT_EQ(Texts(app.texts), (TextList{" Time"}));
    // Switching back gives exactly the first table again.
    LoadLanguage(app, 0);
    EXPECT_EQ(Texts(app.texts), german);
    // No file for a language: the table is emptied all the same.
    LoadLanguage(app, 2);
    EXPECT_EQ(app.language, 2);
    EXPECT_EQ(app.texts.Count(), 0);
}
