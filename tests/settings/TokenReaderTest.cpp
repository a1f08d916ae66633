#include "settings/TokenReader.h"

#include <gtest/gtest.h>

#include <climits>

TEST(TokenReaderTest, NormalisesLineEndsAndParsesLeadingIntegers) {
    EXPECT_EQ(NormalizeLineEnds("a\r\nb\rc\n\r\r\n"), "a\nb\nc\n\n\n");
    EXPECT_EQ(ParseLeadingInt("42"), 42);
    EXPECT_EQ(ParseLeadingInt("12abc"), 12);
    EXPECT_EQ(ParseLeadingInt("abc"), 0);
    EXPECT_EQ(ParseLeadingInt("-15"), -15);
    EXPECT_EQ(ParseLeadingInt("+7"), 7);
    EXPECT_EQ(ParseLeadingInt(""), 0);
    EXPECT_EQ(ParseLeadingInt("99999999999999999999"), INT_MAX);
    EXPECT_EQ(ParseLeadingInt("-99999999999999999999"), INT_MIN);
}
