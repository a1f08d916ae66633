#include "AviWriter.h"

#include <gtest/gtest.h>

#include <cmath>

#include "platform/VideoDecoder.h"
#include "support/TempFolder.h"

namespace {

constexpr int kWidth = 64;
constexpr int kHeight = 48;

std::vector<uint32_t> Solid(uint32_t argb) { return std::vector<uint32_t>(kWidth * kHeight, argb); }

std::vector<int16_t> Beep(double seconds, int rate) {
    std::vector<int16_t> samples(static_cast<size_t>(seconds * rate));
    for (size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<int16_t>(8000 * std::sin(static_cast<double>(i) * 2 * 3.14159265 * 440 / rate));
    }
    return samples;
}

AviWriter::Settings Settings(int width = kWidth, int sampleRate = 0) {
    AviWriter::Settings settings;
    settings.width = width;
    settings.height = kHeight;
    settings.sampleRate = sampleRate;
    return settings;
}

// Ten red frames, then ten blue ones, each with its share of 0.8 s of sound.
bool WriteClip(const std::string& path, std::string& error) {
    AviWriter writer;
    if (!writer.Open(path, Settings(kWidth, 44100), error)) {
        return false;
    }
    const std::vector<int16_t> beep = Beep(0.04, 44100);
    for (int i = 0; i < 20; ++i) {
        const std::vector<uint32_t> frame = Solid(i < 10 ? 0xFFE02020u : 0xFF2020E0u);
        if (!writer.AddFrame(reinterpret_cast<const uint8_t*>(frame.data()), kWidth * 4, error) ||
            !writer.AddSound(beep, error)) {
            return false;
        }
    }
    return writer.Finish(error);
}

uint32_t Centre(const platform::Image& image) { return image.At(image.width / 2, image.height / 2); }

int Channel(uint32_t argb, int shift) { return static_cast<int>((argb >> shift) & 0xFF); }

TEST(AviWriterTest, PicturesAndSoundComeBackFromTheFile) {
    TempFolder folder;
    std::string error;
    ASSERT_TRUE(WriteClip(folder.Path("clip.avi"), error)) << error;
    ASSERT_TRUE(WriteClip(folder.Path("again.avi"), error)) << error;
    EXPECT_EQ(folder.Read("clip.avi"), folder.Read("again.avi"));  // the same input gives the same bytes
    EXPECT_FALSE(folder.Exists("clip.avi.part"));
    auto decoder = platform::VideoDecoder::Open(folder.Path("clip.avi"));
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->Width(), kWidth);
    EXPECT_EQ(decoder->Height(), kHeight);
    EXPECT_TRUE(decoder->HasAudio());
    EXPECT_DOUBLE_EQ(decoder->FrameDuration(), 0.04);
    platform::VideoFrame frame;
    std::vector<int16_t> audio;
    int frames = 0;
    while (decoder->NextFrame(frame, audio)) {
        EXPECT_NEAR(frame.seconds, frames * 0.04, 1e-9);
        const uint32_t centre = Centre(frame.image);
        const bool red = frames < 10;
        EXPECT_NEAR(Channel(centre, red ? 16 : 0), 0xE0, 12) << frames;
        EXPECT_NEAR(Channel(centre, red ? 0 : 16), 0x20, 12) << frames;
        ++frames;
    }
    EXPECT_EQ(frames, 20);
    // Mono sound comes back as stereo.
    EXPECT_EQ(audio.size(), 20u * 1764u * 2u);
    EXPECT_EQ(audio[2 * 100], audio[2 * 100 + 1]);
    EXPECT_NE(audio[2 * 100], 0);
}

TEST(AviWriterTest, FailuresLeaveNoFileBehind) {
    TempFolder folder;
    std::string error;
    const std::vector<uint32_t> frame = Solid(0xFF000000u);
    const auto* bytes = reinterpret_cast<const uint8_t*>(frame.data());
    {
        AviWriter writer;
        EXPECT_FALSE(writer.Open(folder.Path("odd.avi"), Settings(63), error));  // the picture format needs even sides
        EXPECT_FALSE(error.empty());
        error.clear();
        EXPECT_FALSE(writer.Open(folder.Path("no/such/folder/x.avi"), Settings(), error));
        EXPECT_FALSE(error.empty());
        EXPECT_FALSE(writer.AddFrame(bytes, kWidth * 4, error));
        EXPECT_FALSE(writer.Finish(error));
    }
    {
        // Given up before Finish: the half-written file goes.
        AviWriter writer;
        ASSERT_TRUE(writer.Open(folder.Path("unfinished.avi"), Settings(), error));
        ASSERT_TRUE(writer.AddFrame(bytes, kWidth * 4, error));
        EXPECT_TRUE(folder.Exists("unfinished.avi.part"));
    }
    EXPECT_FALSE(folder.Exists("unfinished.avi.part"));
    EXPECT_FALSE(folder.Exists("unfinished.avi"));
    EXPECT_FALSE(folder.Exists("odd.avi"));
}

}  // namespace
