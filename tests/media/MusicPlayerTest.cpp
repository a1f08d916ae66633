#include "media/MusicPlayer.h"

#include <gtest/gtest.h>

#include <utility>

#include "WaveBytes.h"
#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "support/TempFolder.h"

namespace {

TEST(MusicPlayerTest, OpensRunsAndCompletesAPiece) {
    auto device = platform::AudioDevice::Open();
    ASSERT_NE(device, nullptr);
    TempFolder folder;
    folder.Write("piece.wav", Pcm16Wave(Tone(0.2), 22050));
    MusicPlayer player;
    EXPECT_FALSE(player.Open(folder.Path("missing.wav")));
    EXPECT_FALSE(player.IsOpen());
    player.Run();  // nothing open: nothing runs
    EXPECT_FALSE(player.IsPlaying());
    ASSERT_TRUE(player.Open(folder.Path("piece.wav")));
    EXPECT_EQ(player.FileName(), folder.Path("piece.wav"));
    EXPECT_FALSE(player.IsComplete());
    player.Run();
    EXPECT_TRUE(player.IsPlaying());
    EXPECT_FALSE(player.IsComplete());
    for (int wait = 0; wait < 300 && !player.IsComplete(); ++wait) {
        platform::SleepMilliseconds(10);
    }
    EXPECT_TRUE(player.IsComplete());
    player.Run();
    player.Stop();
    EXPECT_FALSE(player.IsPlaying());
    EXPECT_FALSE(player.IsComplete());
    player.Close();
    EXPECT_FALSE(player.IsOpen());
    EXPECT_EQ(player.FileName(), "");
}

TEST(MusicPlayerTest, WithoutAnAudioDeviceNothingOpensAndTheVolumeStaysWithinItsRange) {
    TempFolder folder;
    folder.Write("piece.wav", Pcm16Wave(Tone(0.2), 22050));
    MusicPlayer player;
    EXPECT_FALSE(player.Open(folder.Path("piece.wav")));
    EXPECT_FALSE(player.IsOpen());
    for (const auto& [set, kept] : {std::pair{-2500, -2500}, {300, 0}, {-20000, -10000}}) {
        player.SetVolume(set);
        EXPECT_EQ(player.Volume(), kept) << set;
    }
}

}  // namespace
