#pragma once

namespace platform {

// Lets the calling thread run only on what the program's other threads (and
// other programs) leave of the cores: for background work that must not slow
// the thread it serves. Where the system offers no such thing, nothing changes.
void LowerThisThreadsPriority();

}  // namespace platform
