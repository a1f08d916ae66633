#pragma once

#include <string>

namespace platform {

// Starts the video, event and timer services; false (with the reason) when
// there is no display to run on. Window close, SIGINT and SIGTERM then arrive
// as Quit messages.
bool Initialize(std::string* error = nullptr);
void Shutdown();

}  // namespace platform
