#include "platform/VideoDecoder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

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
