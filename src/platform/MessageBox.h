#pragma once

#include <string>

namespace platform {

// Shows an error message box (when a display is there) and always writes the
// message to standard error, so that a headless run tells why it stopped.
// detail (the system's reason) goes to standard error only.
void ShowErrorMessage(const std::string& caption, const std::string& text, const std::string& detail = "");

}  // namespace platform
