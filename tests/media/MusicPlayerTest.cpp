#include "media/MusicPlayer.h"

#include <gtest/gtest.h>

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

TEST(MusicPlayerTest, TheVolumeStaysWithinItsRange) {
    MusicPlayer player;
    player.SetVolume(-2500);
    EXPECT_EQ(player.Volume(), -2500);
    player.SetVolume(300);
    EXPECT_EQ(player.Volume(), 0);
    player.SetVolume(-20000);
    EXPECT_EQ(player.Volume(), -10000);
}

TEST(MusicPlayerTest, WithoutAnAudioDeviceNothingOpens) {
    TempFolder folder;
    folder.Write("piece.wav", Pcm16Wave(Tone(0.2), 22050));
    MusicPlayer player;
    EXPECT_FALSE(player.Open(folder.Path("piece.wav")));
    EXPECT_FALSE(player.IsOpen());
}

}  // namespace
