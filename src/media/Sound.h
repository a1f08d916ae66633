#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/SoundBuffer.h"

struct AppState;

// Sound ids: what screens pass to PlaySound. Ids 2, 3, 4, 7, 8 and 9 have no
// sound and play nothing.
enum SoundId {
    SOUND_KLICK_MENU = 0,   // a menu element took a click
    SOUND_KLICK_GAME = 1,   // a click in a game, a right answer
    SOUND_WIN = 5,          // a game has ended
    SOUND_LOSE = 6,
    SOUND_ALARM = 10,
    SOUND_LAMP1 = 11,       // a wrong answer
    SOUND_POP = 12,
    SOUND_PUNCH = 13,
};

inline constexpr int kSoundSlotCount = 14;
// How often one effect can sound at the same time.
inline constexpr int kVoicesPerSound = 10;

// The voices of one sound id: empty, or kVoicesPerSound voices of the same effect.
using SoundSlot = std::vector<std::unique_ptr<platform::SoundBuffer>>;

// The archive entry of a sound id ("Sounds\klick_menu.wav"), or null.
const char* SoundFileName(int id);

// Sound start-up: makes the music player, sets soundVolume to 100, opens the
// audio device and loads every effect from the archive, with loading steps.
// False (with the reason in error) when there is no audio device; then
// soundVolume is 0. An effect missing from the archive or not playable only
// leaves its id silent.
bool StartSound(AppState& app, std::string* error = nullptr);

// Plays an effect once on its first voice that is not playing; with all ten
// playing, the play is dropped. Nothing happens at soundVolume 0, for ids
// without a sound, and before or without sound start-up. Callers pass 1.0.
void PlaySound(int id, float factor);

// The volume of a play in hundredths of a decibel: soundVolume x factor / 100
// x 3000 - 3000, cut toward zero, held to kSilentHundredthsDb..0 (0 is
// unattenuated; a factor that is not a number gives silence).
inline constexpr int kSilentHundredthsDb = -10000;
int SoundVolumeHundredthsDb(int soundVolume, float factor);

// Releases every voice, the music player's file and then the audio device.
void ReleaseSounds(AppState& app);
