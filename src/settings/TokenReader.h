#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <system_error>

// Reads a text the way a C++ input stream in the classic locale reads words
// and numbers: whitespace separates words, a number is read from the start of
// the next word and whatever follows its digits is the next word. Unlike a
// stream it never depends on the global locale, and a caller can tell a
// number that could not be read from the end of the text.
class TokenReader {
public:
    explicit TokenReader(std::string_view text) : text(text) {}

    // The next whitespace-separated word; false at the end of the text.
    bool NextWord(std::string& word);

    // A decimal integer with optional sign; false (position unspecified) when
    // no digits follow or the value does not fit an int.
    bool ReadInt(int& value);

    // A decimal floating-point number with optional sign. Non-finite spellings
    // ("nan", "inf") and out-of-range values are read as words that hold a
    // number but yield a non-finite value; false when no number follows.
    bool ReadDouble(double& value);

    // The next character, whitespace included; false at the end.
    bool ReadChar(char& c);

    bool AtEnd() const { return position >= text.size(); }

private:
    void SkipWhitespace();
    // Reads a number at the start of the next word and moves past it.
    template <typename Number>
    std::errc ParseNumber(Number& value);

    std::string_view text;
    std::size_t position = 0;
};

// Turns CR LF and lone CR into LF, as a text-mode read on Windows does.
std::string NormalizeLineEnds(std::string_view text);

// The whole file with normalised line ends; false when it cannot be read.
bool ReadTextFile(const std::string& path, std::string& contents);

// The usual decimal conversion of a word: optional sign, then digits up to
// the first non-digit; 0 without leading digits. Saturates at the int range.
int ParseLeadingInt(std::string_view word);
