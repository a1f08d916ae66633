#include "platform/VideoDecoder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <iterator>
#include <span>
#include <vector>

#include "support/TempFolder.h"

namespace {

// The intro the build makes, in the tests' working directory (the build folder).
constexpr const char* kShippedIntro = "intro.avi";

std::string ReadFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

// Decodes to the end; the number of frames.
int CountFrames(platform::VideoDecoder& decoder) {
    platform::VideoFrame frame;
    std::vector<int16_t> audio;
    int frames = 0;
    while (decoder.NextFrame(frame, audio)) {
        ++frames;
    }
    EXPECT_FALSE(decoder.NextFrame(frame, audio));
    return frames;
}

std::unique_ptr<platform::VideoDecoder> OpenBytes(const std::string& bytes) {
    return platform::VideoDecoder::OpenMemory(
        std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()));
}

// Decodes both to the end in step, frame against frame; the number of frames.
int ExpectSameDecoding(platform::VideoDecoder& fromFile, platform::VideoDecoder& fromMemory) {
    EXPECT_EQ(fromMemory.Width(), fromFile.Width());
    EXPECT_EQ(fromMemory.Height(), fromFile.Height());
    EXPECT_EQ(fromMemory.HasAudio(), fromFile.HasAudio());
    EXPECT_EQ(fromMemory.FrameDuration(), fromFile.FrameDuration());
    platform::VideoFrame fileFrame;
    platform::VideoFrame memoryFrame;
    std::vector<int16_t> fileAudio;
    std::vector<int16_t> memoryAudio;
    int frames = 0;
    for (;; ++frames) {
        const bool more = fromFile.NextFrame(fileFrame, fileAudio);
        EXPECT_EQ(fromMemory.NextFrame(memoryFrame, memoryAudio), more) << "frame " << frames;
        if (!more) {
            break;
        }
        EXPECT_EQ(memoryFrame.seconds, fileFrame.seconds) << "frame " << frames;
        EXPECT_EQ(memoryFrame.image.width, fileFrame.image.width) << "frame " << frames;
        EXPECT_TRUE(memoryFrame.image.pixels == fileFrame.image.pixels) << "frame " << frames;
    }
    EXPECT_TRUE(memoryAudio == fileAudio);
    EXPECT_FALSE(fromMemory.NextFrame(memoryFrame, memoryAudio));
    return frames;
}

// The intro whole, cut in the middle, and cut early: from memory every frame,
// every time stamp and every sample is the file's.
TEST(VideoDecoderTest, BytesInMemoryDecodeAsTheFileHoldingThem) {
    TempFolder folder;
    const std::string shipped = ReadFile(kShippedIntro);
    ASSERT_GT(shipped.size(), 100000u);
    const struct {
        const char* name;
        size_t size;
        int minimumFrames;
    } cuts[] = {{"whole.avi", shipped.size(), 20}, {"half.avi", shipped.size() / 2, 10}, {"head.avi", 50000, 1}};
    for (const auto& cut : cuts) {
        SCOPED_TRACE(cut.name);
        const std::string bytes = shipped.substr(0, cut.size);
        folder.Write(cut.name, bytes);
        auto fromFile = platform::VideoDecoder::Open(folder.Path(cut.name));
        auto fromMemory = OpenBytes(bytes);
        ASSERT_NE(fromFile, nullptr);
        ASSERT_NE(fromMemory, nullptr);
        EXPECT_GE(ExpectSameDecoding(*fromFile, *fromMemory), cut.minimumFrames);
    }
}

TEST(VideoDecoderTest, BytesThatAreNoVideoOpenNothingFromMemory) {
    const std::string shipped = ReadFile(kShippedIntro);
    ASSERT_GT(shipped.size(), 100000u);
    const std::string inputs[] = {"", std::string(100000, '\x33'), shipped.substr(0, 64)};
    for (size_t i = 0; i < std::size(inputs); ++i) {
        SCOPED_TRACE("input " + std::to_string(i));
        EXPECT_EQ(OpenBytes(inputs[i]), nullptr);
    }
    EXPECT_EQ(platform::VideoDecoder::OpenMemory({}), nullptr);
}

// The intro with every `from` in its header made `to`.
std::string Retagged(std::string bytes, const std::string& from, const std::string& to) {
    for (size_t at = bytes.find(from); at != std::string::npos && at < 8192; at = bytes.find(from, at + 1)) {
        bytes.replace(at, from.size(), to);
    }
    return bytes;
}

// The intro with its sound's stream format changed: `bytes` written at
// `offset` after the format's start (tag at 8, channels at 10, rate at 12).
std::string WithSoundFormat(std::string intro, size_t offset, const std::string& bytes) {
    const size_t format = intro.find("strf", intro.find("auds"));
    EXPECT_LT(format, 8192u);
    intro.replace(format + offset, bytes.size(), bytes);
    return intro;
}

// Only what the intro holds is decoded: an AVI with MPEG-4 pictures and PCM
// sound. Pictures of another codec refuse the file. Sound of another codec, or
// claiming a rate or channel count no sound has, is left out and the pictures play.
TEST(VideoDecoderTest, OnlyTheIntrosCodecsAndUsableSoundAreDecoded) {
    const std::string shipped = ReadFile(kShippedIntro);
    ASSERT_GT(shipped.size(), 100000u);
    auto intro = OpenBytes(shipped);
    ASSERT_NE(intro, nullptr);
    EXPECT_TRUE(intro->HasAudio());
    EXPECT_EQ(OpenBytes(Retagged(shipped, "FMP4", "MJPG")), nullptr);
    const struct {
        const char* name;
        size_t offset;
        std::string bytes;
    } sounds[] = {
        {"MP3", 8, std::string("\x55\0", 2)},
        {"99 channels", 10, std::string("\x63\0", 2)},
        {"a billion samples a second", 12, std::string("\0\xCA\x9A\x3B", 4)},
        {"1,000 samples a second", 12, std::string("\xE8\x03\0\0", 4)},
    };
    for (const auto& sound : sounds) {
        SCOPED_TRACE(sound.name);
        auto silent = OpenBytes(WithSoundFormat(shipped, sound.offset, sound.bytes));
        ASSERT_NE(silent, nullptr);
        EXPECT_FALSE(silent->HasAudio());
        EXPECT_GT(CountFrames(*silent), 20);
    }
}

// A header stating a smaller picture than the stream holds: no picture
// larger than the stated size comes out (the decoding ends instead).
TEST(VideoDecoderTest, NoPictureIsLargerThanTheHeaderStates) {
    std::string shrunk = ReadFile(kShippedIntro);
    ASSERT_GT(shrunk.size(), 100000u);
    // The picture format after the video's stream header: size, then width and height.
    const size_t format = shrunk.find("strf", shrunk.find("vids"));
    ASSERT_LT(format, 8192u);
    int32_t side[2];
    std::memcpy(side, shrunk.data() + format + 12, sizeof side);
    ASSERT_GT(side[0], 100);
    side[0] /= 2;
    side[1] /= 2;
    std::memcpy(shrunk.data() + format + 12, side, sizeof side);
    auto decoder = OpenBytes(shrunk);
    ASSERT_NE(decoder, nullptr);
    EXPECT_EQ(decoder->Width(), side[0]);
    platform::VideoFrame frame;
    std::vector<int16_t> audio;
    while (decoder->NextFrame(frame, audio)) {
        EXPECT_LE(frame.image.width, side[0]);
        EXPECT_LE(frame.image.height, side[1]);
    }
}

TEST(VideoDecoderTest, DamagedFilesEndTheDecoding) {
    TempFolder folder;
    EXPECT_EQ(platform::VideoDecoder::Open(folder.Path("missing.avi")), nullptr);
    folder.Write("noise.avi", std::string(100000, '\x33'));
    EXPECT_EQ(platform::VideoDecoder::Open(folder.Path("noise.avi")), nullptr);
    const std::string shipped = ReadFile(kShippedIntro);
    ASSERT_GT(shipped.size(), 100000u);
    auto whole = platform::VideoDecoder::Open(kShippedIntro);
    ASSERT_NE(whole, nullptr);
    const int allFrames = CountFrames(*whole);
    // Cut in the middle: the first half plays, then the decoding ends.
    folder.Write("half.avi", shipped.substr(0, shipped.size() / 2));
    auto half = platform::VideoDecoder::Open(folder.Path("half.avi"));
    ASSERT_NE(half, nullptr);
    const int halfFrames = CountFrames(*half);
    EXPECT_GT(halfFrames, 0);
    EXPECT_LT(halfFrames, allFrames);
    // Scribbled over in the middle: the decoding still comes to an end.
    std::string scribbled = shipped;
    for (size_t i = scribbled.size() / 3; i < scribbled.size() / 3 + 60000; ++i) {
        scribbled[i] = static_cast<char>(i * 7919 % 251);
    }
    folder.Write("scribbled.avi", scribbled);
    auto damaged = platform::VideoDecoder::Open(folder.Path("scribbled.avi"));
    ASSERT_NE(damaged, nullptr);
    EXPECT_LE(CountFrames(*damaged), allFrames);
}

}  // namespace
