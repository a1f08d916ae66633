#include "platform/Cp1252.h"

#include <gtest/gtest.h>

// Letters keep their characters, the bytes 80 to 9F are the code page's own
// characters (not controls), and its five undefined bytes are dropped.
TEST(Cp1252Test, EveryByteBecomesItsCharacterOrNothing) {
    const struct { const char* cp1252; const char* utf8; } cases[] = {
        {"", ""},
        {"Zeit: 3:05\n", "Zeit: 3:05\n"},
        {"GEL\xD6ST: \xC4pfel, \xFC und \xDF", "GEL\u00D6ST: \u00C4pfel, \u00FC und \u00DF"},
        {"\xA0\xFF", "\u00A0\u00FF"},
        {"5 \x80", "5 \u20AC"},
        {"\x84Hallo\x93", "\u201EHallo\u201C"},
        {"\x8A\x9F", "\u0160\u0178"},
        {"a\x81" "b\x8D\x8F\x90\x9D" "c", "abc"},
        {"\x81", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::Cp1252ToUtf8(c.cp1252), c.utf8) << c.utf8;
    }
}
