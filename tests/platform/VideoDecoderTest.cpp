#include "platform/VideoDecoder.h"

#include <gtest/gtest.h>

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
