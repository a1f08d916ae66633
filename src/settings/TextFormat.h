#pragma once

#include <array>
#include <concepts>
#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "settings/LanguageTexts.h"

// One argument of a formatted text, with the kind of value it carries.
class FormatArgument {
public:
    enum class Kind { Int, Double, String, Char };

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    FormatArgument(T value) : kind(Kind::Int), integer(static_cast<long long>(value)) {}
    FormatArgument(char value) : kind(Kind::Char), integer(static_cast<unsigned char>(value)) {}
    FormatArgument(double value) : kind(Kind::Double), real(value) {}
    FormatArgument(float value) : kind(Kind::Double), real(value) {}
    // A null text is formatted as "".
    FormatArgument(const char* value) : kind(Kind::String), text(value == nullptr ? "" : value) {}
    FormatArgument(const std::string& value) : kind(Kind::String), text(value) {}
    FormatArgument(std::string_view value) : kind(Kind::String), text(value) {}

    Kind kind;
    long long integer = 0;
    double real = 0.0;
    std::string_view text;
};

// One '%' conversion of a format text ("%%" is plain text, not a conversion).
struct FormatConversion {
    std::size_t begin = 0;  // position of the '%'
    std::size_t end = 0;    // one past the conversion character
    std::string flags;      // of "-+ #0"
    int width = -1;         // -1: none
    int precision = -1;     // -1: none
    char conversion = 0;
    FormatArgument::Kind kind = FormatArgument::Kind::Int;
    // False for what is never formatted: %n, positional arguments, '*',
    // unknown conversion characters, widths or precisions over 1000, and a
    // '%' at the end of the text.
    bool valid = false;
};

std::vector<FormatConversion> ParseConversions(std::string_view format);


// One letter per conversion: I int, F double, S text, C character, and '?' for
// one that is never formatted. "" for a text without conversions.
std::string FormatSignature(std::string_view format);

// Formats a text read from a file with typed arguments. Each valid conversion
// takes the next argument and prints it when its kind fits (an int or a
// character for d i u o x X c, a double for f F e E g G a A with the decimal
// mark of the language shown, a text for s);
// a missing or unfitting argument prints nothing, an invalid conversion is
// dropped without taking an argument, and "%%" prints '%'.
std::string FormatChecked(std::string_view format, std::span<const FormatArgument> arguments);

template <typename... Args>
std::string FormatText(std::string_view format, const Args&... args) {
    const std::array<FormatArgument, sizeof...(Args)> arguments{FormatArgument(args)...};
    return FormatChecked(format, arguments);
}

// Formats the language text at index ("" when there is none).
template <typename... Args>
std::string FormatText(int index, const Args&... args) {
    return FormatText(std::string_view(GetTextOrEmpty(index)), args...);
}

// The language text at index with one number, an average, or a dash in the
// number's place when nothing was there to average (count 0).
std::string FormatAverage(int index, double sum, int count);

// A help text laid out to be read left-aligned: each line without the blanks
// it starts or ends with, and an empty line between paragraphs (runs of empty
// lines become one).
std::string SpacedParagraphs(std::string_view text);
