#pragma once

#include <string>

namespace platform {

// Names the program to the desktop before Initialize: `id` becomes the
// window's class (X11 WM_CLASS, Wayland app_id), which the desktop matches
// against its menu entry of that name; `name` is shown where a readable name
// is wanted. Values the user set in SDL's environment variables are kept.
void SetApplicationIdentity(const std::string& id, const std::string& name);

// Starts the video, event and timer services; false (with the reason) when
// there is no display to run on. Window close, SIGINT and SIGTERM then arrive
// as Quit messages.
bool Initialize(std::string* error = nullptr);
void Shutdown();

}  // namespace platform
