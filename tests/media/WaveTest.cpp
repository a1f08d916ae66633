#include "media/Wave.h"

#include <gtest/gtest.h>

#include <sstream>

#include "WaveBytes.h"

namespace {

bool Parse(const std::string& file, WaveData& wave) {
    const std::vector<uint8_t> bytes = Bytes(file);
    return ParseWave(bytes.data(), bytes.size(), wave);
}

// The body of a "fmt " chunk for a format other than PCM, with its extra bytes.
std::string CompressedFormatBody(uint16_t tag, const std::string& extra, uint16_t declaredExtra) {
    return LittleEndian(tag, 2) + LittleEndian(1, 2) + LittleEndian(22050, 4) + LittleEndian(11100, 4) +
           LittleEndian(512, 2) + LittleEndian(4, 2) + LittleEndian(declaredExtra, 2) + extra;
}

// What was read: "tag channels rate bytes/s align bits +extra bytes 'samples' plays|silent".
std::string Describe(const WaveData& w) {
    std::ostringstream out;
    out << w.format.formatTag << ' ' << w.format.channels << ' ' << w.format.samplesPerSecond << ' '
        << w.format.averageBytesPerSecond << ' ' << w.format.blockAlign << ' ' << w.format.bitsPerSample << " +"
        << w.format.extra.size() << " '" << std::string(w.samples.begin(), w.samples.end()) << "' "
        << (IsPlayableWave(w) ? "plays" : "silent");
    return out.str();
}

TEST(WaveTest, FormatAndDataAreReadWhereverTheirChunksLie) {
    const std::string pcm8 = Chunk("fmt ", PcmFormatBody(1, 8000, 8));
    ASSERT_EQ(Chunk("LIST", "abc").size(), 12u);  // an odd chunk is padded
    const struct {
        std::string file;
        const char* read;
        const char* what;
    } cases[] = {
        {Riff(Chunk("fmt ", PcmFormatBody(2, 22050, 16)) + Chunk("data", "abcdef")), "1 2 22050 88200 4 16 +0 'abcdef' plays",
         "plain PCM"},
        {Riff(Chunk("LIST", "abc") + Chunk("data", "abcd") + Chunk("junk", "12345") + pcm8), "1 1 8000 8000 1 8 +0 'abcd' plays",
         "other chunks around, the data before the format"},
        {Riff(pcm8 + Chunk("data", "AB") + Chunk("data", "CDEF")), "1 1 8000 8000 1 8 +0 'AB' plays", "the first data chunk counts"},
        {Riff(Chunk("fmt ", CompressedFormatBody(2, std::string("\xF4\x01\x07\x00", 4), 4)) + Chunk("data", "xxxx")),
         "2 1 22050 11100 512 4 +4 'xxxx' silent", "another format keeps its extra bytes but does not play"},
        {Riff(Chunk("fmt ", PcmFormatBody(1, 8000, 8) + "\x09\x00zz") + Chunk("data", "ab")), "1 1 8000 8000 1 8 +0 'ab' plays",
         "PCM takes no extra bytes, even from a longer chunk"},
    };
    for (const auto& c : cases) {
        WaveData wave;
        ASSERT_TRUE(Parse(c.file, wave)) << c.what;
        EXPECT_EQ(Describe(wave), c.read) << c.what;
    }
}

TEST(WaveTest, DamagedFilesAreRefusedWithoutReadingPastTheirEnd) {
    const std::string format = Chunk("fmt ", PcmFormatBody(1, 8000, 8));
    const std::string whole = Riff(format + Chunk("data", "0123456789"));
    WaveData wave;
    ASSERT_TRUE(Parse(whole, wave));
    for (size_t length = 0; length < whole.size(); ++length) {
        EXPECT_FALSE(Parse(whole.substr(0, length), wave)) << "cut to " << length;
        EXPECT_TRUE(wave.samples.empty());
    }
    // A RIFF size beyond the file is cut to the file.
    std::string longRiff = whole;
    longRiff.replace(4, 4, LittleEndian(0xFFFFFFFFu, 4));
    EXPECT_TRUE(Parse(longRiff, wave));
    std::string shortRiff = whole;
    shortRiff.replace(4, 4, LittleEndian(static_cast<uint32_t>(4 + format.size() + 8 + 5), 4));
    std::string notWave = whole;
    notWave.replace(8, 4, "AVI ");
    std::string notRiff = whole;
    notRiff.replace(0, 4, "RIFX");
    const std::string extra("\xF4\x01\x07\x00", 4);
    const struct { std::string file; const char* what; } cases[] = {
        {Riff(format + ChunkDeclaring("data", 11, "0123456789")), "data claims one byte more"},
        {Riff(format + ChunkDeclaring("data", 0xFFFFFFF0u, "0123456789")), "data claims far more"},
        {Riff(ChunkDeclaring("fmt ", 0xFFFFFFFFu, PcmFormatBody(1, 8000, 8)) + Chunk("data", "01")),
         "format claims more"},
        {shortRiff, "the RIFF size ends before the data"},
        {Riff(format + ChunkDeclaring("junk", 0x7FFFFFFFu, "x") + Chunk("data", "01")), "a skipped chunk jumps past"},
        {Riff(format), "no data"},
        {Riff(Chunk("data", "0123")), "no format"},
        {Riff(Chunk("fmt ", PcmFormatBody(1, 8000, 8).substr(0, 14)) + Chunk("data", "01")), "short format"},
        {Riff(Chunk("fmt ", CompressedFormatBody(2, extra, 5)) + Chunk("data", "xxxx")), "extra count too large"},
        {Riff(Chunk("fmt ", CompressedFormatBody(2, "", 0).substr(0, 16)) + Chunk("data", "xxxx")), "no extra count"},
        {notWave, "not WAVE"},
        {notRiff, "not RIFF"},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(Parse(c.file, wave)) << c.what;
    }
    EXPECT_FALSE(ParseWave(nullptr, 100, wave));
}

TEST(WaveTest, OnlyPlainPcmOfOneOrTwoChannelsAnd8Or16BitsPlays) {
    auto playable = [](int channels, int rate, int bits, const std::string& data) {
        WaveData wave;
        return Parse(Riff(Chunk("fmt ", PcmFormatBody(channels, rate, bits)) + Chunk("data", data)), wave) &&
               IsPlayableWave(wave);
    };
    const struct { int channels; int rate; int bits; const char* data; bool plays; } cases[] = {
        {1, 8000, 8, "a", true},         {2, 44100, 8, "ab", true},   {2, 48000, 16, "abcd", true},
        {2, 48000, 16, "abc", false},    {1, 44100, 8, "", false},    {1, 44100, 24, "abc", false},
        {3, 44100, 16, "abcdef", false}, {0, 44100, 16, "ab", false}, {1, 0, 16, "ab", false},
        {1, 999999, 16, "ab", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(playable(c.channels, c.rate, c.bits, c.data), c.plays)
            << c.channels << " channels " << c.rate << " Hz " << c.bits << " bits, " << c.data;
    }
    WaveData wave;
    std::string body = PcmFormatBody(2, 22050, 16);
    body.replace(12, 2, LittleEndian(3, 2));  // a block that is not one sample per channel
    ASSERT_TRUE(Parse(Riff(Chunk("fmt ", body) + Chunk("data", "abcdef")), wave));
    EXPECT_FALSE(IsPlayableWave(wave));
}

}  // namespace
