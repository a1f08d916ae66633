#include "platform/Cp1252.h"

#include <gtest/gtest.h>

namespace {

using platform::Cp1252ToUtf8;

TEST(Cp1252Test, AsciiAndLatinLettersKeepTheirCharacters) {
    EXPECT_EQ(Cp1252ToUtf8("Zeit: 3:05\n"), "Zeit: 3:05\n");
    EXPECT_EQ(Cp1252ToUtf8("GEL\xD6ST: \xC4pfel, \xFC und \xDF"), "GEL\u00D6ST: \u00C4pfel, \u00FC und \u00DF");
    EXPECT_EQ(Cp1252ToUtf8("\xA0\xFF"), "\u00A0\u00FF");
    EXPECT_EQ(Cp1252ToUtf8(""), "");
}

TEST(Cp1252Test, TheBytes80To9FAreTheCodePagesOwnCharactersNotControls) {
    EXPECT_EQ(Cp1252ToUtf8("5 \x80"), "5 \u20AC");
    EXPECT_EQ(Cp1252ToUtf8("\x84Hallo\x93"), "\u201EHallo\u201C");
    EXPECT_EQ(Cp1252ToUtf8("\x91\x92\x94"), "\u2018\u2019\u201D");
    EXPECT_EQ(Cp1252ToUtf8("a\x96z\x85"), "a\u2013z\u2026");
    EXPECT_EQ(Cp1252ToUtf8("\x8A\x9A\x8E\x9E\x9F\x99"), "\u0160\u0161\u017D\u017E\u0178\u2122");
}

TEST(Cp1252Test, UndefinedBytesAreDropped) {
    EXPECT_EQ(Cp1252ToUtf8("a\x81" "b\x8D\x8F\x90\x9D" "c"), "abc");
    EXPECT_EQ(Cp1252ToUtf8("\x81"), "");
}

}  // namespace
