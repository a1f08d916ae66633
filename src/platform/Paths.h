#pragma once

#include <string>

namespace platform {

// The folder holding the running executable, ending in '/'; "" when unknown.
std::string ExecutableDirectory();

// The per-user folder for files the program writes
// ($XDG_DATA_HOME/knobelkiste/ or ~/.local/share/knobelkiste/), ending in '/'
// and created when missing; "" when there is none.
std::string PreferencesDirectory();

}  // namespace platform
