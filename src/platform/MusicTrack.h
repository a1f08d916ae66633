#pragma once

#include <memory>
#include <string>

struct _Mix_Music;

namespace platform {

// A piece of music streamed from a file through the open audio device (WAV,
// and whatever else the mixer reads). One track plays at a time.
class MusicTrack {
public:
    // Null when no audio device is open or the file cannot be read.
    static std::unique_ptr<MusicTrack> Load(const std::string& path);
    // Stops the track if it is the one playing.
    ~MusicTrack();
    MusicTrack(const MusicTrack&) = delete;
    MusicTrack& operator=(const MusicTrack&) = delete;

    // Starts from the beginning, once; resumes when paused.
    void Play();
    void Pause();
    void Stop();
    // In hundredths of a decibel, -10000..0.
    void SetVolume(int hundredthsDb);
    // Whether the track is playing now (a paused track counts as playing).
    bool IsPlaying() const;

private:
    explicit MusicTrack(_Mix_Music* music) : music_(music) {}

    _Mix_Music* music_;
    bool paused_ = false;
};

}  // namespace platform
