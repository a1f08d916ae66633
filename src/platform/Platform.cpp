#include "platform/Platform.h"

#include <SDL.h>
#include <SDL_ttf.h>

namespace platform {

bool Initialize(std::string* error) {
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
