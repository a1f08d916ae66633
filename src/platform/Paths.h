#pragma once

#include <string>

namespace platform {

// The folder holding the running executable, ending in '/'; "" when unknown.
std::string ExecutableDirectory();

}  // namespace platform
