#include "platform/MusicTrack.h"

#include <SDL_mixer.h>

#include "platform/SoundBuffer.h"

namespace platform {

namespace {

// The track the mixer plays now, if any (the mixer plays one at a time).
MusicTrack* current = nullptr;

}  // namespace

std::unique_ptr<MusicTrack> MusicTrack::Load(const std::string& path) {
    if (Mix_QuerySpec(nullptr, nullptr, nullptr) == 0) {
        return nullptr;
    }
    Mix_Music* music = Mix_LoadMUS(path.c_str());
    if (music == nullptr) {
        return nullptr;
    }
    return std::unique_ptr<MusicTrack>(new MusicTrack(music));
}

MusicTrack::~MusicTrack() {
    Stop();
    Mix_FreeMusic(music_);
}

void MusicTrack::Play() {
    if (current == this && paused_) {
        Mix_ResumeMusic();
    } else if (Mix_PlayMusic(music_, 1) == 0) {
        current = this;
    }
    paused_ = false;
}

void MusicTrack::Pause() {
    if (current == this) {
        Mix_PauseMusic();
        paused_ = true;
    }
}

void MusicTrack::Stop() {
    if (current == this) {
        Mix_HaltMusic();
        current = nullptr;
    }
    paused_ = false;
}

void MusicTrack::SetVolume(int hundredthsDb) {
    Mix_VolumeMusic(MixerVolumeFromHundredthsDb(hundredthsDb));
}

bool MusicTrack::IsPlaying() const { return current == this && Mix_PlayingMusic() != 0; }

}  // namespace platform
