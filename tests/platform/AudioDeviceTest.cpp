#include "platform/AudioDevice.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(AudioDeviceTest, OnlyWholeFramesOfKnownFormatsBecomeVoices) {
    auto device = platform::AudioDevice::Open();
    ASSERT_NE(device, nullptr);
    const platform::PcmFormat stereo8{2, 11025, 8};
    const std::vector<uint8_t> someStereo8(200, 128);  // 100 frames of 8-bit stereo silence
    EXPECT_EQ(device->CreateVoices(stereo8, someStereo8.data(), someStereo8.size(), 2).size(), 2u);
    // One byte short of a 16-bit stereo frame: nothing to play.
    const platform::PcmFormat stereo16{2, 44100, 16};
    EXPECT_TRUE(device->CreateVoices(stereo16, someStereo8.data(), 3, 1).empty());
    EXPECT_TRUE(device->CreateVoices(stereo16, nullptr, 400, 1).empty());
    EXPECT_TRUE(device->CreateVoices(stereo16, someStereo8.data(), someStereo8.size(), 0).empty());
    EXPECT_TRUE(device->CreateVoices({2, 44100, 24}, someStereo8.data(), someStereo8.size(), 1).empty());
    EXPECT_TRUE(device->CreateVoices({3, 44100, 16}, someStereo8.data(), someStereo8.size(), 1).empty());
    EXPECT_TRUE(device->CreateVoices({1, 0, 16}, someStereo8.data(), someStereo8.size(), 1).empty());
    EXPECT_EQ(device->ChannelCount(), 2);
}

}  // namespace
