#include "platform/MessageBox.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

namespace platform {

namespace {

bool IsHeadless() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr) {
        driver = SDL_getenv("SDL_VIDEODRIVER");
    }
    return driver != nullptr && (std::strcmp(driver, "dummy") == 0 || std::strcmp(driver, "offscreen") == 0);
}

}  // namespace

void ShowErrorMessage(const std::string& caption, const std::string& text, const std::string& detail) {
    if (detail.empty()) {
        std::fprintf(stderr, "%s %s\n", caption.c_str(), text.c_str());
    } else {
        std::fprintf(stderr, "%s %s (%s)\n", caption.c_str(), text.c_str(), detail.c_str());
    }
    std::fflush(stderr);
    if (!IsHeadless()) {
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, caption.c_str(), text.c_str(), nullptr);
    }
}

}  // namespace platform
