#include "media/Sound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <map>
#include <utility>

#include "WaveBytes.h"
#include "app/AppState.h"
#include "support/ArchiveBytes.h"
#include "support/TempFolder.h"

namespace {

// The archive entries of every effect, each a quiet tone of `seconds` unless
// `replaced` gives it other bytes (no bytes: left out).
std::vector<ArchiveEntryBytes> AllSounds(double seconds, const std::map<int, std::string>& replaced = {}) {
    std::vector<ArchiveEntryBytes> entries;
    for (int id = 0; id < kSoundSlotCount; ++id) {
        const auto other = replaced.find(id);
        if (SoundFileName(id) != nullptr && (other == replaced.end() || !other->second.empty())) {
            entries.emplace_back(SoundFileName(id),
                                 other != replaced.end() ? other->second : Pcm16Wave(Tone(seconds), 22050));
        }
    }
    return entries;
}

class SoundTest : public ::testing::Test {
protected:
    void SetUp() override { app = GetAppState(); }
    void TearDown() override {
        ReleaseSounds(*app);
        DestroyAppState();
    }
    void UseArchive(const std::vector<ArchiveEntryBytes>& entries) {
        folder.Write("sport.gob", ArchiveBytes(entries));
        app->archive = ArchiveOpen(folder.Path("sport.gob"));
        ASSERT_NE(app->archive, nullptr);
    }
    int PlayingVoices(int id) const {
        int playing = 0;
        for (const auto& voice : app->soundSlots[id]) {
            playing += voice->IsPlaying() ? 1 : 0;
        }
        return playing;
    }
    TempFolder folder;
    AppState* app = nullptr;
};

TEST(SoundVolumeTest, HundredthsOfADecibelFromVolumeAndFactor) {
    const float inf = std::numeric_limits<float>::infinity();
    const struct { int volume; float factor; int hundredths; const char* what; } cases[] = {
        {100, 1.0f, 0, "full"},
        {50, 1.0f, -1500, "half volume"},
        {1, 1.0f, -2970, "lowest volume (one short in double precision)"},
        {77, 1.0f, -690, "one short in double precision"},
        {100, 0.5f, -1500, "half factor"},
        {50, 0.5f, -2250, "half of both"},
        {100, 0.0f, -3000, "factor zero"},
        {100, 2.0f, 0, "never louder than unattenuated"},
        {100, inf, 0, "infinite factor"},
        {100, -10.0f, kSilentHundredthsDb, "never below silence"},
        {100, std::numeric_limits<float>::quiet_NaN(), kSilentHundredthsDb, "no number"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SoundVolumeHundredthsDb(c.volume, c.factor), c.hundredths) << c.what;
    }
    // As the mixer hears it: 128 is unattenuated.
    const std::pair<int, int> mixer[] = {{0, 128}, {-1500, 23}, {-2970, 4}, {kSilentHundredthsDb, 0}, {600, 128}};
    for (const auto& [hundredths, volume] : mixer) {
        EXPECT_EQ(platform::MixerVolumeFromHundredthsDb(hundredths), volume) << hundredths;
    }
}

TEST_F(SoundTest, StartUpLoadsEveryEffectThatIsThereWithItsLoadingSteps) {
    const std::string unplayable = Riff(Chunk("fmt ", PcmFormatBody(1, 22050, 24)) + Chunk("data", "abcdef"));
    UseArchive(
        AllSounds(0.1, {{SOUND_LOSE, ""}, {SOUND_KLICK_GAME, "RIFF, but nothing more"}, {SOUND_ALARM, unplayable}}));
    app->soundVolume = 40;
    std::string error;
    ASSERT_TRUE(StartSound(*app, &error)) << error;
    EXPECT_EQ(app->soundVolume, 100);
    EXPECT_NE(app->musicPlayer, nullptr);
    EXPECT_NE(app->audioDevice, nullptr);
    // One step without drawing, two for the device, one per effect.
    EXPECT_EQ(app->loadingStep, 11);
    for (int id = 0; id < kSoundSlotCount; ++id) {
        const bool loaded = id == SOUND_KLICK_MENU || id == SOUND_WIN || id == SOUND_LAMP1 || id == SOUND_POP ||
                            id == SOUND_PUNCH;
        EXPECT_EQ(app->soundSlots[id].size(), loaded ? 10u : 0u) << id;
    }
    // The ten voices of an effect are ten channels.
    EXPECT_EQ(app->audioDevice->ChannelCount(), 50);
    EXPECT_NE(app->soundSlots[SOUND_WIN][0]->Channel(), app->soundSlots[SOUND_WIN][9]->Channel());
}

TEST_F(SoundTest, BeforeStartUpAndWithoutAnAudioDeviceTheProgramRunsSilent) {
    for (int id = -1; id <= kSoundSlotCount; ++id) {
        PlaySound(id, 1.0f);  // nothing loaded yet, nothing breaks
    }
    UseArchive(AllSounds(0.1));
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const std::string previous = driver != nullptr ? driver : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    std::string error;
    const bool started = StartSound(*app, &error);
    setenv("SDL_AUDIODRIVER", previous.c_str(), 1);
    EXPECT_FALSE(started);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(app->soundVolume, 0);
    EXPECT_EQ(app->audioDevice, nullptr);
    EXPECT_EQ(app->loadingStep, 1);
    EXPECT_NE(app->musicPlayer, nullptr);
    for (const SoundSlot& slot : app->soundSlots) {
        EXPECT_TRUE(slot.empty());
    }
    PlaySound(SOUND_WIN, 1.0f);
}

TEST_F(SoundTest, TenVoicesPlayAtOnceTheEleventhIsDroppedAndVolumeZeroIsSilent) {
    UseArchive(AllSounds(3.0));
    ASSERT_TRUE(StartSound(*app));
    app->soundVolume = 0;
    PlaySound(SOUND_KLICK_MENU, 100.0f);
    app->soundVolume = 100;
    for (int id : {-1, 2, 3, 4, 7, 8, 9, 14, 1000}) {
        PlaySound(id, 1.0f);  // no effect there
    }
    for (int id = 0; id < kSoundSlotCount; ++id) {
        EXPECT_EQ(PlayingVoices(id), 0) << id;
    }
    for (int i = 0; i < 10; ++i) {
        PlaySound(SOUND_POP, 1.0f);
        EXPECT_EQ(PlayingVoices(SOUND_POP), i + 1);
    }
    // An eleventh play at another volume changes none of the ten.
    PlaySound(SOUND_POP, 0.5f);
    EXPECT_EQ(PlayingVoices(SOUND_POP), 10);
    for (const auto& voice : app->soundSlots[SOUND_POP]) {
        EXPECT_EQ(voice->MixerVolume(), 128);
    }
    // Other effects have voices of their own.
    PlaySound(SOUND_PUNCH, 0.5f);
    EXPECT_EQ(PlayingVoices(SOUND_PUNCH), 1);
    EXPECT_EQ(app->soundSlots[SOUND_PUNCH][0]->MixerVolume(), platform::MixerVolumeFromHundredthsDb(-1500));
}

TEST_F(SoundTest, AFinishedVoiceIsTakenAgainAndReleaseSilencesAll) {
    UseArchive(AllSounds(3.0, {{SOUND_KLICK_GAME, Pcm16Wave(Tone(0.02), 22050)}}));
    ASSERT_TRUE(StartSound(*app));
    PlaySound(SOUND_KLICK_GAME, 1.0f);
    EXPECT_TRUE(app->soundSlots[SOUND_KLICK_GAME][0]->IsPlaying());
    for (int wait = 0; wait < 200 && app->soundSlots[SOUND_KLICK_GAME][0]->IsPlaying(); ++wait) {
        platform::SleepMilliseconds(10);
    }
    ASSERT_FALSE(app->soundSlots[SOUND_KLICK_GAME][0]->IsPlaying());
    app->soundVolume = 50;
    PlaySound(SOUND_KLICK_GAME, 1.0f);
    EXPECT_EQ(app->soundSlots[SOUND_KLICK_GAME][0]->MixerVolume(), platform::MixerVolumeFromHundredthsDb(-1500));
    EXPECT_EQ(PlayingVoices(SOUND_KLICK_GAME), 1);
    ReleaseSounds(*app);
    EXPECT_EQ(app->audioDevice, nullptr);
    for (const SoundSlot& slot : app->soundSlots) {
        EXPECT_TRUE(slot.empty());
    }
    PlaySound(SOUND_KLICK_GAME, 1.0f);
}

TEST_F(SoundTest, TheShippedEffectsAllLoad) {
    // The archive the build packs, in the tests' working directory.
    app->archive = ArchiveOpen("sport.gob");
    ASSERT_NE(app->archive, nullptr) << "build the game_assets target first";
    ASSERT_TRUE(StartSound(*app));
    for (int id = 0; id < kSoundSlotCount; ++id) {
        EXPECT_EQ(app->soundSlots[id].size(), SoundFileName(id) != nullptr ? 10u : 0u) << id;
    }
}

}  // namespace
