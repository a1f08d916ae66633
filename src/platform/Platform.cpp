#include "platform/Platform.h"

#include <SDL.h>

namespace platform {

bool Initialize(std::string* error) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        if (error != nullptr) {
            *error = SDL_GetError();
        }
        return false;
    }
    return true;
}

void Shutdown() { SDL_Quit(); }

}  // namespace platform
