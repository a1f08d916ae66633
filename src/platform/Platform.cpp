#include "platform/Platform.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdlib>

#include "platform/LargePages.h"

namespace platform {

void SetApplicationIdentity(const std::string& id, const std::string& name) {
    // SDL reads the window class from these when its video starts (newer
    // versions from SDL_APP_ID).
    ::setenv("SDL_APP_ID", id.c_str(), 0);
    ::setenv("SDL_VIDEO_X11_WMCLASS", id.c_str(), 0);
    ::setenv("SDL_VIDEO_WAYLAND_WMCLASS", id.c_str(), 0);
    SDL_SetHintWithPriority(SDL_HINT_APP_NAME, name.c_str(), SDL_HINT_DEFAULT);
}

bool Initialize(std::string* error) {
    UseLargePagesForSdl();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        if (error != nullptr) {
            *error = SDL_GetError();
        }
        return false;
    }
    if (TTF_Init() != 0) {
        if (error != nullptr) {
            *error = TTF_GetError();
        }
        SDL_Quit();
        return false;
    }
    return true;
}

void Shutdown() {
    TTF_Quit();
    SDL_Quit();
}

}  // namespace platform
