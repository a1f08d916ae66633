#include "platform/TextLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

namespace dt = platform::dt;
using platform::LayoutText;
using platform::Rect;
using platform::TextLine;

constexpr int kLineHeight = 20;

// Every character 10 pixels wide.
int Measure(std::string_view text) { return static_cast<int>(text.size()) * 10; }

std::vector<TextLine> Layout(const std::string& text, Rect rect, uint32_t format) {
    return LayoutText(text, rect, format, kLineHeight, Measure);
}

std::vector<std::string> Texts(const std::vector<TextLine>& lines) {
    std::vector<std::string> texts;
    for (const TextLine& line : lines) {
        texts.push_back(line.text);
    }
    return texts;
}

// The left edges (x) or tops (y) of the lines.
std::vector<int> Edges(const std::vector<TextLine>& lines, int TextLine::*edge) {
    std::vector<int> edges;
    for (const TextLine& line : lines) {
        edges.push_back(line.*edge);
    }
    return edges;
}

std::vector<int> Tops(const std::vector<TextLine>& lines) { return Edges(lines, &TextLine::y); }

using Texts_ = std::vector<std::string>;
using Ints = std::vector<int>;

TEST(TextLayoutTest, LineBreaksStartLinesAndEmptyLinesKeepTheirPlace) {
    const auto lines = Layout("eins\r\nzwei\n\ndrei\n", Rect{5, 10, 500, 300}, dt::Left);
    EXPECT_EQ(Texts(lines), (Texts_{"eins", "zwei", "drei"}));
    EXPECT_EQ(Tops(lines), (Ints{10, 30, 70}));
    EXPECT_EQ(lines[0].x, 5);
    EXPECT_EQ(lines[0].width, 40);
    EXPECT_TRUE(Layout("", Rect{0, 0, 100, 100}, dt::Center | dt::VCenter).empty());
}

TEST(TextLayoutTest, SingleLineIgnoresLineBreaksAndWordBreak) {
    const auto lines = Layout("ab\ncd ef", Rect{0, 0, 500, 100}, dt::SingleLine | dt::WordBreak);
    EXPECT_EQ(Texts(lines), (Texts_{"abcd ef"}));
    // Without word break a long line is not wrapped (the rectangle clips it).
    EXPECT_EQ(Texts(Layout("aaa bbb ccc", Rect{0, 0, 50, 100}, dt::NoClip)), (Texts_{"aaa bbb ccc"}));
}

TEST(TextLayoutTest, WordBreakWrapsAtBlanksWhichVanishAtTheBreak) {
    const Rect rect{0, 0, 75, 200};
    EXPECT_EQ(Texts(Layout("aaa bbb ccc", rect, dt::WordBreak)), (Texts_{"aaa bbb", "ccc"}));
    EXPECT_EQ(Texts(Layout("aaa     bbbb  c", Rect{0, 0, 50, 200}, dt::WordBreak)), (Texts_{"aaa", "bbbb", "c"}));
    // A line that fits exactly stays whole; a paragraph's leading blanks stay.
    EXPECT_EQ(Texts(Layout("abcd efg", Rect{0, 0, 80, 200}, dt::WordBreak)), (Texts_{"abcd efg"}));
    EXPECT_EQ(Texts(Layout("abcd efg", Rect{0, 0, 79, 200}, dt::WordBreak)), (Texts_{"abcd", "efg"}));
    EXPECT_EQ(Texts(Layout("  ab cd", rect, dt::WordBreak)), (Texts_{"  ab cd"}));
    // Each paragraph wraps on its own.
    const auto lines = Layout("aaa bbb ccc\n\nddd", rect, dt::WordBreak);
    EXPECT_EQ(Texts(lines), (Texts_{"aaa bbb", "ccc", "ddd"}));
    EXPECT_EQ(Tops(lines), (Ints{0, 20, 60}));
}

TEST(TextLayoutTest, AWordWiderThanTheLineIsBrokenWhereTheLineIsFull) {
    EXPECT_EQ(Texts(Layout("abcdefghijkl", Rect{0, 0, 50, 200}, dt::WordBreak)),
              (Texts_{"abcde", "fghij", "kl"}));
    EXPECT_EQ(Texts(Layout("xy abcdefghijkl mn", Rect{0, 0, 50, 200}, dt::WordBreak)),
              (Texts_{"xy", "abcde", "fghij", "kl mn"}));
    // Even a rectangle narrower than one character makes progress.
    EXPECT_EQ(Texts(Layout("abc", Rect{0, 0, 5, 200}, dt::WordBreak | dt::NoClip)), (Texts_{"a", "b", "c"}));
}

TEST(TextLayoutTest, LinesAreAlignedOneByOne) {
    const Rect rect{100, 0, 200, 100};
    EXPECT_EQ(Edges(Layout("abc\nabcdef", rect, dt::Center), &TextLine::x), (Ints{135, 120}));
    EXPECT_EQ(Edges(Layout("abc\nabcdef", rect, dt::Right), &TextLine::x), (Ints{170, 140}));
    // A line wider than the rectangle overhangs both sides evenly.
    EXPECT_EQ(Edges(Layout("abcdefghijkl", rect, dt::Center), &TextLine::x), (Ints{90}));
}

TEST(TextLayoutTest, VerticalCentringAndBottomPlaceTheWholeBlock) {
    const Rect rect{0, 100, 300, 200};
    EXPECT_EQ(Tops(Layout("a\nb\nc", rect, dt::VCenter)), (Ints{120, 140, 160}));
    EXPECT_EQ(Tops(Layout("a\nb", rect, dt::VCenter)), (Ints{130, 150}));
    EXPECT_EQ(Tops(Layout("a\n", rect, dt::VCenter)), (Ints{140}));
    EXPECT_EQ(Tops(Layout("a\nb", rect, dt::Bottom)), (Ints{160, 180}));
    // Wrapped lines count as lines of the block.
    EXPECT_EQ(Tops(Layout("aaa bbb ccc", Rect{0, 0, 40, 100}, dt::VCenter | dt::WordBreak)), (Ints{20, 40, 60}));
    // A block taller than the rectangle sticks out evenly above and below.
    EXPECT_EQ(Tops(Layout("a\nb\nc", Rect{0, 0, 300, 20}, dt::VCenter | dt::NoClip)), (Ints{-20, 0, 20}));
}

TEST(TextLayoutTest, LinesWhollyOutsideTheRectangleAreLeftOutUnlessNoClip) {
    const Rect rect{0, 0, 100, 30};
    EXPECT_EQ(Texts(Layout("a\nb\nc", rect, dt::Left)), (Texts_{"a", "b"}));
    EXPECT_EQ(Texts(Layout("a\nb\nc", rect, dt::NoClip)), (Texts_{"a", "b", "c"}));
    EXPECT_EQ(Texts(Layout("a\nb\nc", rect, dt::Bottom)), (Texts_{"b", "c"}));
    EXPECT_TRUE(Layout("a", Rect{0, 0, 0, 30}, dt::Right).empty());
    EXPECT_EQ(Layout("a", Rect{0, 0, 0, 30}, dt::Right | dt::NoClip)[0].x, -10);
}

TEST(TextLayoutTest, ClippingCutsTheSameEdgesFromImageAndSource) {
    Rect dest{90, 5, 150, 25};
    Rect source{0, 0, 60, 20};
    ASSERT_TRUE(platform::ClipToRect(Rect{100, 10, 140, 100}, dest, source));
    EXPECT_EQ((Ints{dest.left, dest.top, dest.right, dest.bottom}), (Ints{100, 10, 140, 25}));
    EXPECT_EQ((Ints{source.left, source.top, source.right, source.bottom}), (Ints{10, 5, 50, 20}));
    Rect outside{0, 0, 10, 10};
    Rect outsideSource{0, 0, 10, 10};
    EXPECT_FALSE(platform::ClipToRect(Rect{10, 0, 20, 10}, outside, outsideSource));
}

}  // namespace
