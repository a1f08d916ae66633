#include "settings/TokenReader.h"

#include <charconv>
#include <climits>
#include <fstream>
#include <iterator>
#include <limits>

namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

}  // namespace

void TokenReader::SkipWhitespace() {
    while (position < text.size() && IsSpace(text[position])) {
        ++position;
    }
}

bool TokenReader::NextWord(std::string& word) {
    SkipWhitespace();
    const std::size_t start = position;
    while (position < text.size() && !IsSpace(text[position])) {
        ++position;
    }
    word.assign(text.substr(start, position - start));
    return position > start;
}

template <typename Number>
std::errc TokenReader::ParseNumber(Number& value) {
    SkipWhitespace();
    // from_chars takes no '+', a stream does.
    if (position < text.size() && text[position] == '+' && position + 1 < text.size() && text[position + 1] != '-') {
        ++position;
    }
    const char* begin = text.data() + position;
    const auto result = std::from_chars(begin, text.data() + text.size(), value);
    if (result.ec == std::errc() || result.ec == std::errc::result_out_of_range) {
        position += static_cast<std::size_t>(result.ptr - begin);
    }
    return result.ec;
}

bool TokenReader::ReadInt(int& value) { return ParseNumber(value) == std::errc(); }

bool TokenReader::ReadDouble(double& value) {
    const std::errc error = ParseNumber(value);
    if (error == std::errc::result_out_of_range) {
        value = std::numeric_limits<double>::infinity();
        return true;
    }
    return error == std::errc();
}

bool TokenReader::ReadChar(char& c) {
    if (AtEnd()) {
        return false;
    }
    c = text[position++];
    return true;
}

std::string NormalizeLineEnds(std::string_view text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            result.push_back(text[i]);
        } else {
            result.push_back('\n');
            if (i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        }
    }
    return result;
}

bool ReadTextFile(const std::string& path, std::string& contents) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::string raw((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    if (file.bad()) {
        return false;
    }
    contents = NormalizeLineEnds(raw);
    return true;
}

int ParseLeadingInt(std::string_view word) {
    std::size_t i = 0;
    bool negative = false;
    if (i < word.size() && (word[i] == '+' || word[i] == '-')) {
        negative = word[i] == '-';
        ++i;
    }
    long long magnitude = 0;
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    for (; i < word.size() && word[i] >= '0' && word[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (word[i] - '0');
        if (magnitude > limit) {
            magnitude = limit;
        }
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}
