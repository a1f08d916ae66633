#include "platform/Paths.h"

#include <SDL.h>

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

}  // namespace platform
