#include "settings/TextFormat.h"

#include <gtest/gtest.h>

#include <string>

#include "app/AppState.h"

TEST(TextFormatTest, FormatsMatchingArguments) {
    EXPECT_EQ(FormatText(" Zeit: %d:%02d", 3, 7), " Zeit: 3:07");
    EXPECT_EQ(FormatText("%.2f / %g / %5.1f", 2.5, 6.0, 1.25), "2.50 / 6 /   1.2");
    const std::string name = "Anna Lena";
    const char* weekday = "Montag";
    EXPECT_EQ(FormatText("%d. %s %s", 1, name, weekday), "1. Anna Lena Montag");
    EXPECT_EQ(FormatText("[%5s|%-5s|%.3s]", "ab", "cd", "abcdef"), "[   ab|cd   |abc]");
    EXPECT_EQ(FormatText("(%c)", 'a'), "(a)");
    EXPECT_EQ(FormatText("%x %u %+d %05d", -1, -1, 4, -42), "ffffffff 4294967295 +4 -0042");
    EXPECT_EQ(FormatText("100%% %ld %lf", 5L, 0.5), "100% 5 0.500000");
    // Windows-1252 bytes pass through untouched.
    EXPECT_EQ(FormatText("Gr\xF6\xDF" "e %s", "\xC4rger"), "Gr\xF6\xDF" "e \xC4rger");
    EXPECT_EQ(FormatText("ohne"), "ohne");
}

TEST(TextFormatTest, MismatchedAndMissingArgumentsPrintNothing) {
    EXPECT_EQ(FormatText("[%s]", 5), "[]");
    EXPECT_EQ(FormatText("[%d]", 2.5), "[]");
    EXPECT_EQ(FormatText("[%f]", 2), "[]");
    EXPECT_EQ(FormatText("[%s]", 'x'), "[]");
    EXPECT_EQ(FormatText("[%c]", "x"), "[]");
    // A mismatch still uses up its argument: the order of the rest is kept.
    EXPECT_EQ(FormatText("%s-%d", 1, 2), "-2");
    EXPECT_EQ(FormatText("%d %d %d", 1), "1  ");
    EXPECT_EQ(FormatText("%d", 1, "extra", 3.0), "1");
    EXPECT_EQ(FormatText("[%s]", static_cast<const char*>(nullptr)), "[]");
}

TEST(TextFormatTest, DangerousAndUnknownConversionsAreDropped) {
    EXPECT_EQ(FormatText("a%nb", 5), "ab");
    // A dropped conversion takes no argument.
    EXPECT_EQ(FormatText("%n%d", 5), "5");
    EXPECT_EQ(FormatText("[%1$d]", 5), "[]");
    EXPECT_EQ(FormatText("[%2$s %1$d]", 5, "x"), "[ ]");
    EXPECT_EQ(FormatText("[%*d][%.*f]", 5, 2.0), "[][]");
    EXPECT_EQ(FormatText("[%q][%k]", 1), "[][]");
    EXPECT_EQ(FormatText("100 % richtig %d", 7), "100 ichtig 7");
    EXPECT_EQ(FormatText("Ende %", 1), "Ende ");
    EXPECT_EQ(FormatText("[%99999d][%.5000f]", 1, 1.0), "[][]");
    EXPECT_EQ(FormatText("[%1000d]", 1).size(), 1002u);
}

TEST(TextFormatTest, SignatureNamesEachConversion) {
    EXPECT_EQ(FormatSignature(" %d. %s %02d.%02d.%d %.2f"), "ISIIIF");
    EXPECT_EQ(FormatSignature("%c %i %x %e %G"), "CIIFF");
    EXPECT_EQ(FormatSignature("100%% ohne"), "");
    EXPECT_EQ(FormatSignature("%n %1$d %*d %y %"), "?????");
}

TEST(TextFormatTest, FormatsTheLanguageTextAtAnIndex) {
    AppState& app = *GetAppState();
    app.texts.Add(new std::string(" %d:%02d"));
    EXPECT_EQ(FormatText(0, 4, 5), " 4:05");
    EXPECT_EQ(FormatText(1, 4, 5), "");  // no text there
    DestroyAppState();
}

// German texts show decimal commas; only the numbers shown change, never the
// files (their writers do not format through here).
TEST(TextFormatTest, DoublesTakeTheDecimalMarkOfTheLanguageShown) {
    LoadLanguage(0);
    EXPECT_EQ(FormatText("Note %.2f, %g s, %d", 1.4, 0.25, 3), "Note 1,40, 0,25 s, 3");
    LoadLanguage(1);
    EXPECT_EQ(FormatText("Grade %.2f", 1.4), "Grade 1.40");
    DestroyAppState();
}

// An average of nothing shows a dash, not a zero that reads as a result.
TEST(TextFormatTest, AnAverageOfNothingIsADash) {
    AppState& app = *GetAppState();
    app.texts.Add(new std::string(" Zeit im Schnitt: %.1f s"));
    EXPECT_EQ(FormatAverage(0, 7.5, 3), " Zeit im Schnitt: 2.5 s");
    EXPECT_EQ(FormatAverage(0, 0.0, 0), " Zeit im Schnitt: \x96 s");
    DestroyAppState();
}

TEST(TextFormatTest, HelpParagraphsStandApartWithoutTheirLeadingBlanks) {
    EXPECT_EQ(SpacedParagraphs(" Lay the pieces.\n Drag one.\r\n\n\n  A and D turn it. \n"),
              "Lay the pieces.\n\nDrag one.\n\nA and D turn it.");
    EXPECT_EQ(SpacedParagraphs(" \n"), "");
}
