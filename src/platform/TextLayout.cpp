#include "platform/TextLayout.h"

#include <algorithm>

namespace platform {

namespace {

// Division rounding toward minus infinity, so that centring shifts a block
// that is too large by the same half on both sides.
int HalfDown(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

// The paragraphs of the text: separated by "\n", without "\r"; a final line
// break ends the last paragraph instead of starting an empty one. With
// singleLine the line breaks are dropped and there is one paragraph.
std::vector<std::string> SplitParagraphs(std::string_view text, bool singleLine) {
    std::vector<std::string> paragraphs(1);
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            continue;
        }
        if (c == '\n') {
            if (!singleLine && i + 1 < text.size()) {
                paragraphs.emplace_back();
            }
            continue;
        }
        paragraphs.back() += c;
    }
    return paragraphs;
}

// The longest prefix of word (at least one character) no wider than width.
size_t FittingPrefix(std::string_view word, int width, const TextMeasure& measure) {
    size_t fits = 1;
    size_t tooLong = word.size();
    while (fits + 1 < tooLong) {
        const size_t middle = (fits + tooLong) / 2;
        if (measure(word.substr(0, middle)) <= width) {
            fits = middle;
        } else {
            tooLong = middle;
        }
    }
    return fits;
}

std::string WithoutTrailingBlanks(const std::string& line) {
    const size_t last = line.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : line.substr(0, last + 1);
}

// Wraps one paragraph at blanks to width. Blanks at a break and at the end
// vanish; a word that does not fit on a line of its own is broken where the
// line is full.
void WrapParagraph(std::string_view paragraph, int width, const TextMeasure& measure,
                   std::vector<std::string>& lines) {
    std::string line;
    bool continuation = false;  // the line follows a break inside the paragraph
    size_t i = 0;
    while (i < paragraph.size()) {
        size_t wordStart = i;
        while (wordStart < paragraph.size() && paragraph[wordStart] == ' ') {
            ++wordStart;
        }
        size_t wordEnd = wordStart;
        while (wordEnd < paragraph.size() && paragraph[wordEnd] != ' ') {
            ++wordEnd;
        }
        const std::string_view blanks = paragraph.substr(i, wordStart - i);
        const std::string_view word = paragraph.substr(wordStart, wordEnd - wordStart);

        std::string candidate = line;
        if (!(line.empty() && continuation)) {
            candidate += blanks;
        }
        candidate += word;
        if (word.empty() || measure(candidate) <= width) {
            line = std::move(candidate);
            i = wordEnd;
            continue;
        }
        if (!line.empty() && line.find_first_not_of(' ') != std::string::npos) {
            lines.push_back(WithoutTrailingBlanks(line));
            line.clear();
            continuation = true;
            i = wordStart;
            continue;
        }
        // The word alone is wider than the line.
        if (measure(word) <= width) {
            line = std::string(word);
            i = wordEnd;
            continue;
        }
        const size_t cut = FittingPrefix(word, width, measure);
        lines.emplace_back(word.substr(0, cut));
        line.clear();
        continuation = true;
        i = wordStart + cut;
    }
    if (!line.empty() || !continuation) {
        lines.push_back(WithoutTrailingBlanks(line));
    }
}

}  // namespace

std::vector<TextLine> LayoutText(std::string_view text, const Rect& rect, uint32_t format, int lineHeight,
                                 const TextMeasure& measure) {
    std::vector<TextLine> placed;
    if (text.empty()) {
        return placed;
    }
    const bool singleLine = (format & dt::SingleLine) != 0;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;

    std::vector<std::string> lines;
    for (const std::string& paragraph : SplitParagraphs(text, singleLine)) {
        if ((format & dt::WordBreak) != 0 && !singleLine) {
            WrapParagraph(paragraph, width, measure, lines);
        } else {
            lines.push_back(paragraph);
        }
    }

    const int blockHeight = static_cast<int>(lines.size()) * lineHeight;
    int y = rect.top;
    if ((format & dt::VCenter) != 0) {
        y = rect.top + HalfDown(height - blockHeight);
    } else if ((format & dt::Bottom) != 0) {
        y = rect.bottom - blockHeight;
    }
    const bool clip = (format & dt::NoClip) == 0;
    for (std::string& line : lines) {
        const int top = y;
        y += lineHeight;
        if (line.empty() || (clip && (top >= rect.bottom || top + lineHeight <= rect.top))) {
            continue;
        }
        const int lineWidth = measure(line);
        int x = rect.left;
        if ((format & dt::Center) != 0) {
            x = rect.left + HalfDown(width - lineWidth);
        } else if ((format & dt::Right) != 0) {
            x = rect.right - lineWidth;
        }
        if (clip && (x >= rect.right || x + lineWidth <= rect.left)) {
            continue;
        }
        placed.push_back(TextLine{std::move(line), x, top, lineWidth});
    }
    return placed;
}

bool ClipToRect(const Rect& clip, Rect& dest, Rect& source) {
    const int cutLeft = std::max(0, clip.left - dest.left);
    const int cutTop = std::max(0, clip.top - dest.top);
    const int cutRight = std::max(0, dest.right - clip.right);
    const int cutBottom = std::max(0, dest.bottom - clip.bottom);
    dest = Rect{dest.left + cutLeft, dest.top + cutTop, dest.right - cutRight, dest.bottom - cutBottom};
    source = Rect{source.left + cutLeft, source.top + cutTop, source.right - cutRight, source.bottom - cutBottom};
    return dest.left < dest.right && dest.top < dest.bottom;
}

}  // namespace platform
