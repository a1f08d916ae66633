#include "media/Wave.h"

#include <gtest/gtest.h>

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

TEST(WaveTest, PcmIsReadWhereverItsChunksLie) {
    const std::string samples = "\x01\x02\x03\x04\x05\x06";
    WaveData wave;
    ASSERT_TRUE(Parse(Riff(Chunk("fmt ", PcmFormatBody(2, 22050, 16)) + Chunk("data", samples)), wave));
    EXPECT_EQ(wave.format.formatTag, kWaveFormatPcm);
    EXPECT_EQ(wave.format.channels, 2);
    EXPECT_EQ(wave.format.samplesPerSecond, 22050u);
    EXPECT_EQ(wave.format.averageBytesPerSecond, 88200u);
    EXPECT_EQ(wave.format.blockAlign, 4);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_TRUE(wave.format.extra.empty());
    EXPECT_EQ(wave.samples, Bytes(samples));
    EXPECT_TRUE(IsPlayableWave(wave));

    // Other chunks before and between, one of odd size with its pad byte, and
    // the data before the format: both are looked for from the start.
    const std::string odd = Chunk("LIST", "abc");
    ASSERT_EQ(odd.size(), 12u);
    ASSERT_TRUE(Parse(Riff(odd + Chunk("data", samples) + Chunk("junk", "12345") + Chunk("fmt ", PcmFormatBody(1, 8000, 8))),
                      wave));
    EXPECT_EQ(wave.format.channels, 1);
    EXPECT_EQ(wave.format.bitsPerSample, 8);
    EXPECT_EQ(wave.samples, Bytes(samples));

    // The first "data" chunk counts.
    ASSERT_TRUE(Parse(Riff(Chunk("fmt ", PcmFormatBody(1, 8000, 8)) + Chunk("data", "AB") + Chunk("data", "CDEF")),
                      wave));
    EXPECT_EQ(wave.samples, Bytes("AB"));
}

TEST(WaveTest, OtherFormatsKeepTheirExtraBytesButAreNotPlayable) {
    const std::string extra = std::string("\xF4\x01\x07\x00", 4);
    WaveData wave;
    ASSERT_TRUE(Parse(Riff(Chunk("fmt ", CompressedFormatBody(2, extra, 4)) + Chunk("data", "xxxx")), wave));
    EXPECT_EQ(wave.format.formatTag, 2);
    EXPECT_EQ(wave.format.blockAlign, 512);
    EXPECT_EQ(wave.format.extra, Bytes(extra));
    EXPECT_FALSE(IsPlayableWave(wave));

    // PCM takes no extra bytes, even when its chunk is longer.
    ASSERT_TRUE(Parse(Riff(Chunk("fmt ", PcmFormatBody(1, 8000, 8) + "\x09\x00zz") + Chunk("data", "ab")), wave));
    EXPECT_TRUE(wave.format.extra.empty());
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
    struct Case {
        std::string file;
        const char* what;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
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
    struct Case {
        int channels;
        int rate;
        int bits;
        const char* data;
        bool plays;
    };
    const Case cases[] = {{1, 8000, 8, "a", true},         {2, 44100, 8, "ab", true},   {2, 48000, 16, "abcd", true},
                          {2, 48000, 16, "abc", false},    {1, 44100, 8, "", false},    {1, 44100, 24, "abc", false},
                          {3, 44100, 16, "abcdef", false}, {0, 44100, 16, "ab", false}, {1, 0, 16, "ab", false},
                          {1, 999999, 16, "ab", false}};
    for (const Case& c : cases) {
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
