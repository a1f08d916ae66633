#pragma once

#include <string>

#include "platform/Clock.h"

namespace platform {

// How a full-screen video ended.
enum class VideoEnd {
    Finished,  // the end of the file, or a decoding error on the way
    Escape,    // the player pressed Escape
    Quit,      // the window was closed, or the program was told to stop
    Failed,    // the file could not be opened or held no picture: nothing was shown
};

// Plays a video file in a full-screen window of its own, with its sound when
// it has any, and closes the window again. Frames are shown at their time
// stamps, but never more than half a second after the previous one, so the
// playing time is bounded by the number of frames; a display too slow to keep
// up skips pictures rather than falling behind the sound. Events are read
// while it plays; the Escape key's press ends the video at once. The clock
// paces it (null: the system's).
VideoEnd PlayVideoFullscreen(const std::string& path, Clock* clock = nullptr);

}  // namespace platform
