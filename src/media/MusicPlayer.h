#pragma once

#include <memory>
#include <string>

#include "platform/MusicTrack.h"

// The music player: one piece of music opened from a file, run, paused or
// stopped, with a volume. It is made at sound start-up; no screen plays music.
class MusicPlayer {
public:
    // Opens the file (closing what was open); false when it cannot be played.
    bool Open(const std::string& fileName);
    // Forgets the open file.
    void Close();
    void Run();
    void Stop();
    void Pause();
    // In hundredths of a decibel, held to -10000..0.
    void SetVolume(int hundredthsDb);
    // The music was run and has played to its end.
    bool IsComplete() const;

    bool IsOpen() const { return track_ != nullptr; }
    bool IsPlaying() const { return playing_; }
    const std::string& FileName() const { return fileName_; }
    int Volume() const { return volume_; }

private:
    std::unique_ptr<platform::MusicTrack> track_;
    std::string fileName_;
    bool playing_ = false;
    int volume_ = 0;
};
