// The eight sound effects as the game's WAV reader and a listener meet them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "AssetFiles.h"

namespace {

struct Expected { const char* file; double minSeconds, maxSeconds; };

// Lengths that fit each effect's role.
const Expected kEffects[] = {
    {"klick_menu.wav", 0.02, 0.1},  // crisp menu click
    {"klick_game.wav", 0.08, 0.22}, // soft game click, often repeated
    {"win.wav", 0.9, 2.0},          // "done" jingle
    {"lose.wav", 0.5, 2.0},         // failure jingle
    {"alarm.wav", 0.4, 1.0},        // buzzer
    {"lamp1.wav", 0.18, 0.42},      // wrong-answer buzz
    {"pop.wav", 0.06, 0.22},        // pop
    {"punch.wav", 0.08, 0.32},      // thud
};

Wave Load(const char* file) { return ReadWave(GeneratedFolder() + "/Sounds/" + file); }

}  // namespace

TEST(SoundEffects, ArePlainPcmOfFittingLengthAudibleUnclippedAndWithoutClicks) {
    for (const Expected& e : kEffects) {
        const Wave w = Load(e.file);
        ASSERT_TRUE(w.valid) << e.file;
        EXPECT_EQ(w.formatTag, 1) << e.file;
        EXPECT_EQ(w.bitsPerSample, 16) << e.file;
        EXPECT_TRUE(w.channels == 1 || w.channels == 2) << e.file;
        EXPECT_TRUE(w.sampleRate == 22050 || w.sampleRate == 44100) << e.file;
        EXPECT_GE(w.Seconds(), e.minSeconds) << e.file;
        EXPECT_LE(w.Seconds(), e.maxSeconds) << e.file;
        ASSERT_GT(w.samples.size(), 100u) << e.file;
        int peak = 0;
        for (std::int16_t s : w.samples) {
            peak = std::max(peak, std::abs(static_cast<int>(s)));
        }
        EXPECT_LT(peak, 32000) << e.file;
        EXPECT_GT(peak, 8000) << e.file;
        // No jump at either end: the first quarter millisecond and the last
        // millisecond start and end near zero and stay well below the peak.
        EXPECT_LE(std::abs(w.samples.front()), 64) << e.file;
        EXPECT_LE(std::abs(w.samples.back()), 64) << e.file;
        const std::size_t head = static_cast<std::size_t>(w.sampleRate / 4000);
        const std::size_t tail = static_cast<std::size_t>(w.sampleRate / 1000);
        for (std::size_t i = 0; i < tail; ++i) {
            EXPECT_TRUE(i >= head || std::abs(w.samples[i]) < peak / 4) << e.file << " sample " << i;
            EXPECT_LT(std::abs(w.samples[w.samples.size() - 1 - i]), peak / 4) << e.file << " from the end " << i;
        }
    }
}
