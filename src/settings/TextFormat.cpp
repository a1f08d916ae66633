#include "settings/TextFormat.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/AppState.h"

namespace {

constexpr int kMaxFieldSize = 1000;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool OneOf(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }

// Digits at pos as a number that stops growing past kMaxFieldSize + 1.
int ReadNumber(std::string_view format, std::size_t& pos) {
    int value = 0;
    while (pos < format.size() && IsDigit(format[pos])) {
        value = value > kMaxFieldSize ? value : value * 10 + (format[pos] - '0');
        ++pos;
    }
    return value;
}

void ReadFlags(std::string_view format, std::size_t& pos, std::string& flags) {
    while (pos < format.size() && OneOf(format[pos], "-+ #0")) {
        flags.push_back(format[pos++]);
    }
}

// Classifies the conversion character; false for one that is never formatted.
bool KindOf(char conversion, FormatArgument::Kind& kind) {
    if (OneOf(conversion, "diuoxX")) {
        kind = FormatArgument::Kind::Int;
    } else if (OneOf(conversion, "fFeEgGaA")) {
        kind = FormatArgument::Kind::Double;
    } else if (conversion == 's') {
        kind = FormatArgument::Kind::String;
    } else if (conversion == 'c') {
        kind = FormatArgument::Kind::Char;
    } else {
        return false;
    }
    return true;
}

// Parses the conversion whose '%' is at begin (not followed by another '%').
FormatConversion ParseConversion(std::string_view format, std::size_t begin) {
    FormatConversion c;
    c.begin = begin;
    std::size_t pos = begin + 1;
    bool valid = true;
    ReadFlags(format, pos, c.flags);
    if (pos < format.size() && IsDigit(format[pos])) {
        c.width = ReadNumber(format, pos);
        if (pos < format.size() && format[pos] == '$') {
            // A positional argument: never formatted; parse on to find its end.
            valid = false;
            ++pos;
            c.width = -1;
            ReadFlags(format, pos, c.flags);
            if (pos < format.size() && IsDigit(format[pos])) {
                c.width = ReadNumber(format, pos);
            }
        }
    }
    if (pos < format.size() && format[pos] == '*') {
        valid = false;
        ++pos;
    }
    if (pos < format.size() && format[pos] == '.') {
        ++pos;
        if (pos < format.size() && format[pos] == '*') {
            valid = false;
            ++pos;
        }
        c.precision = ReadNumber(format, pos);
    }
    // Length modifiers change nothing here: the value's own type decides.
    while (pos < format.size() && OneOf(format[pos], "hlLjzt")) {
        ++pos;
    }
    if (pos < format.size()) {
        c.conversion = format[pos++];
        valid = KindOf(c.conversion, c.kind) && valid;
    } else {
        valid = false;
    }
    c.end = pos;
    c.valid = valid && c.width <= kMaxFieldSize && c.precision <= kMaxFieldSize;
    return c;
}

template <typename Value>
std::string PrintNumber(const FormatConversion& c, const char* length, Value value) {
    std::string pattern = "%";
    pattern += c.flags;
    if (c.width >= 0) {
        pattern += std::to_string(c.width);
    }
    if (c.precision >= 0) {
        pattern += '.';
        pattern += std::to_string(c.precision);
    }
    pattern += length;
    pattern += c.conversion;
    const int size = std::snprintf(nullptr, 0, pattern.c_str(), value);
    if (size <= 0) {
        return std::string();
    }
    std::string out(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(out.data(), out.size(), pattern.c_str(), value);
    out.resize(static_cast<std::size_t>(size));
    return out;
}

// %s and %c: the precision limits the bytes of a text, the width pads with
// blanks on the left, or on the right with the '-' flag.
std::string PrintText(const FormatConversion& c, std::string_view text) {
    if (c.conversion == 's' && c.precision >= 0 && text.size() > static_cast<std::size_t>(c.precision)) {
        text = text.substr(0, static_cast<std::size_t>(c.precision));
    }
    std::string out(text);
    if (c.width > 0 && out.size() < static_cast<std::size_t>(c.width)) {
        const std::string padding(static_cast<std::size_t>(c.width) - out.size(), ' ');
        out = c.flags.find('-') != std::string::npos ? out + padding : padding + out;
    }
    return out;
}

std::string PrintInteger(FormatConversion c, long long value) {
    // printf defines '#' only for o, x and X.
    if (c.conversion == 'd' || c.conversion == 'i' || c.conversion == 'u') {
        std::erase(c.flags, '#');
    }
    if (c.conversion == 'd' || c.conversion == 'i') {
        return PrintNumber(c, "ll", value);
    }
    // Unsigned conversions see a negative int as printf sees it: modulo 2^32.
    const unsigned long long bits = value < 0 && value >= INT_MIN
                                        ? static_cast<unsigned long long>(static_cast<unsigned int>(value))
                                        : static_cast<unsigned long long>(value);
    return PrintNumber(c, "ll", bits);
}

std::string PrintDouble(const FormatConversion& c, double value) {
    std::string out = PrintNumber(c, "", value);
    // Hexadecimal floats (%a) keep their point: it is no decimal one.
    if (c.conversion != 'a' && c.conversion != 'A') {
        std::replace(out.begin(), out.end(), '.', GetAppState()->decimalMark);
    }
    return out;
}

std::string Convert(const FormatConversion& c, const FormatArgument& argument) {
    using Kind = FormatArgument::Kind;
    const bool integral = argument.kind == Kind::Int || argument.kind == Kind::Char;
    switch (c.kind) {
        case Kind::Int:
            return integral ? PrintInteger(c, argument.integer) : std::string();
        case Kind::Char:
            return integral ? PrintText(c, std::string(1, static_cast<char>(argument.integer))) : std::string();
        case Kind::Double:
            return argument.kind == Kind::Double ? PrintDouble(c, argument.real) : std::string();
        case Kind::String:
            return argument.kind == Kind::String ? PrintText(c, argument.text) : std::string();
    }
    return std::string();
}

}  // namespace

std::vector<FormatConversion> ParseConversions(std::string_view format) {
    std::vector<FormatConversion> conversions;
    std::size_t pos = 0;
    while ((pos = format.find('%', pos)) != std::string_view::npos) {
        if (pos + 1 < format.size() && format[pos + 1] == '%') {
            pos += 2;
            continue;
        }
        conversions.push_back(ParseConversion(format, pos));
        pos = conversions.back().end;
    }
    return conversions;
}

std::string FormatSignature(std::string_view format) {
    std::string signature;
    for (const FormatConversion& c : ParseConversions(format)) {
        if (!c.valid) {
            signature += '?';
            continue;
        }
        switch (c.kind) {
            case FormatArgument::Kind::Int:
                signature += 'I';
                break;
            case FormatArgument::Kind::Double:
                signature += 'F';
                break;
            case FormatArgument::Kind::String:
                signature += 'S';
                break;
            case FormatArgument::Kind::Char:
                signature += 'C';
                break;
        }
    }
    return signature;
}

std::string FormatChecked(std::string_view format, std::span<const FormatArgument> arguments) {
    std::string out;
    std::size_t next = 0;  // the next argument
    std::size_t pos = 0;   // the next character of the format
    auto appendPlain = [&out](std::string_view plain) {
        // "%%" stands for one '%'.
        for (std::size_t i = 0; i < plain.size(); ++i) {
            out.push_back(plain[i]);
            if (plain[i] == '%') {
                ++i;
            }
        }
    };
    for (const FormatConversion& c : ParseConversions(format)) {
        appendPlain(format.substr(pos, c.begin - pos));
        pos = c.end;
        if (!c.valid) {
            continue;
        }
        if (next < arguments.size()) {
            out += Convert(c, arguments[next]);
        }
        ++next;
    }
    appendPlain(format.substr(pos));
    return out;
}

std::string FormatAverage(int index, double sum, int count) {
    const std::string_view format = GetTextOrEmpty(index);
    if (count > 0) {
        return FormatText(format, sum / count);
    }
    // The number's conversion gives way to an en dash (Windows-1252 0x96).
    for (const FormatConversion& c : ParseConversions(format)) {
        if (c.valid && c.kind == FormatArgument::Kind::Double) {
            const std::string dashed = std::string(format.substr(0, c.begin)) + '\x96' + std::string(format.substr(c.end));
            return FormatChecked(dashed, {});
        }
    }
    return FormatChecked(format, {});
}

std::string SpacedParagraphs(std::string_view text) {
    std::string spaced;
    bool pendingBreak = false;
    while (!text.empty()) {
        const size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        while (!line.empty() && (line.back() == ' ' || line.back() == '\t' || line.back() == '\r')) line.remove_suffix(1);
        if (line.empty()) {
            continue;
        }
        if (pendingBreak) {
            spaced += "\n\n";
        }
        spaced += line;
        pendingBreak = true;
    }
    return spaced;
}
