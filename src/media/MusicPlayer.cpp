#include "media/MusicPlayer.h"

#include <algorithm>

bool MusicPlayer::Open(const std::string& fileName) {
    Close();
    track_ = platform::MusicTrack::Load(fileName);
    if (!track_) {
        return false;
    }
    fileName_ = fileName;
    track_->SetVolume(volume_);
    return true;
}

void MusicPlayer::Close() {
    track_.reset();
    fileName_.clear();
    playing_ = false;
}

void MusicPlayer::Run() {
    if (track_) {
        track_->Play();
        playing_ = true;
    }
}

void MusicPlayer::Stop() {
    if (track_) {
        track_->Stop();
    }
    playing_ = false;
}

void MusicPlayer::Pause() {
    if (track_) {
        track_->Pause();
    }
}

void MusicPlayer::SetVolume(int hundredthsDb) {
    volume_ = std::clamp(hundredthsDb, -10000, 0);
    if (track_) {
        track_->SetVolume(volume_);
    }
}

bool MusicPlayer::IsComplete() const { return playing_ && track_ && !track_->IsPlaying(); }
