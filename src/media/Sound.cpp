#include "media/Sound.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <iterator>

#include "app/AppState.h"
#include "app/Textures.h"
#include "media/Archive.h"
#include "media/Wave.h"

namespace {

struct SoundEntry {
    int id;
    const char* fileName;
};

// In loading order.
constexpr SoundEntry kSounds[] = {
    {SOUND_KLICK_GAME, "Sounds\\klick_game.wav"}, {SOUND_KLICK_MENU, "Sounds\\klick_menu.wav"},
    {SOUND_WIN, "Sounds\\win.wav"},               {SOUND_LOSE, "Sounds\\lose.wav"},
    {SOUND_ALARM, "Sounds\\alarm.wav"},           {SOUND_POP, "Sounds\\pop.wav"},
    {SOUND_PUNCH, "Sounds\\punch.wav"},           {SOUND_LAMP1, "Sounds\\lamp1.wav"},
};

// Fills the id's slot with its voices; the slot stays empty when the entry is
// missing or not a playable WAV.
void LoadSound(AppState& app, const SoundEntry& sound) {
    SoundSlot& slot = app.soundSlots[sound.id];
    slot.clear();
    std::vector<uint8_t> bytes;
    WaveData wave;
    if (!ArchiveRead(app.archive.get(), sound.fileName, bytes) || !ParseWave(bytes.data(), bytes.size(), wave) ||
        !IsPlayableWave(wave)) {
        return;
    }
    const platform::PcmFormat format{wave.format.channels, static_cast<int>(wave.format.samplesPerSecond),
                                     wave.format.bitsPerSample};
    slot = app.audioDevice->CreateVoices(format, wave.samples.data(), wave.samples.size(), kVoicesPerSound);
    if (slot.size() != kVoicesPerSound) {
        slot.clear();
    }
}

}  // namespace

const char* SoundFileName(int id) {
    for (const SoundEntry& sound : kSounds) {
        if (sound.id == id) {
            return sound.fileName;
        }
    }
    return nullptr;
}

bool StartSound(AppState& app, std::string* error) {
    app.musicPlayer = std::make_unique<MusicPlayer>();
    // A loading step that draws nothing.
    ++app.loadingStep;
    app.soundVolume = 100;
    app.audioDevice = platform::AudioDevice::Open(error);
    if (!app.audioDevice) {
        app.soundVolume = 0;
        return false;
    }
    LoadingStep(app, false);
    // The step that set the device's cooperation level; nothing is to be set here.
    LoadingStep(app, false);
    for (const SoundEntry& sound : kSounds) {
        LoadSound(app, sound);
        LoadingStep(app, &sound == &kSounds[std::size(kSounds) - 1]);
    }
    return true;
}

void PlaySound(int id, float factor) {
    AppState& app = *GetAppState();
    if (app.soundVolume == 0 || id < 0 || id >= kSoundSlotCount) {
        return;
    }
    for (const std::unique_ptr<platform::SoundBuffer>& voice : app.soundSlots[id]) {
        if (!voice->IsPlaying()) {
            voice->SetVolume(SoundVolumeHundredthsDb(app.soundVolume, factor));
            voice->Play();
            return;
        }
    }
}

int SoundVolumeHundredthsDb(int soundVolume, float factor) {
    const float level = static_cast<float>(soundVolume) * factor / 100.0f * 3000.0f - 3000.0f;
    if (std::isnan(level)) {
        return kSilentHundredthsDb;
    }
    return static_cast<int>(std::clamp(level, static_cast<float>(kSilentHundredthsDb), 0.0f));
}

void ReleaseSounds(AppState& app) {
    for (SoundSlot& slot : app.soundSlots) {
        slot.clear();
    }
    if (app.musicPlayer) {
        app.musicPlayer->Close();
    }
    app.audioDevice.reset();
}
