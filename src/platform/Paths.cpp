#include "platform/Paths.h"

#include <SDL.h>

#include <cstdlib>

namespace platform {

namespace {

// Takes over a string SDL allocated.
std::string TakeSdlString(char* text) {
    if (text == nullptr) {
        return std::string();
    }
    std::string result(text);
    SDL_free(text);
    return result;
}

}  // namespace

std::string ExecutableDirectory() { return TakeSdlString(SDL_GetBasePath()); }

std::string PreferencesDirectory() {
    std::string folder = TakeSdlString(SDL_GetPrefPath("", "knobelkiste"));
    if (!folder.empty()) {
        return folder;
    }
    // SDL could not create it; name it anyway, the writer reports the failure.
    if (const char* dataHome = std::getenv("XDG_DATA_HOME"); dataHome != nullptr && *dataHome != '\0') {
        return std::string(dataHome) + "/knobelkiste/";
    }
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return std::string(home) + "/.local/share/knobelkiste/";
    }
    return std::string();
}

}  // namespace platform
