#include "platform/SdlWindow.h"

#include <SDL.h>

namespace platform {

std::unique_ptr<SdlWindow> SdlWindow::Create(const std::string& title, int width, int height,
                                             bool fullscreen, std::string* error) {
    Uint32 flags = SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE;
    if (fullscreen) {
        flags |= SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    SDL_Window* window = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                          width, height, flags);
    if (window == nullptr) {
        if (error != nullptr) {
            *error = SDL_GetError();
        }
        return nullptr;
    }
    return std::unique_ptr<SdlWindow>(new SdlWindow(window, width, height));
}

SdlWindow::SdlWindow(SDL_Window* window, int width, int height)
    : window_(window), translator_(width, height) {}

SdlWindow::~SdlWindow() { SDL_DestroyWindow(window_); }

void SdlWindow::PumpEvents() {
    SDL_Event event;
    while (pending_.empty() && SDL_PollEvent(&event) != 0) {
        translator_.Translate(event, pending_);
    }
}

bool SdlWindow::PeekMessage(Message& out) {
    PumpEvents();
    if (pending_.empty()) {
        return false;
    }
    out = pending_.front();
    pending_.pop_front();
    return true;
}

void SdlWindow::WaitForMessages(int timeoutMs) {
    if (!pending_.empty()) {
        return;
    }
    SDL_Event event;
    if (SDL_WaitEventTimeout(&event, timeoutMs) != 0) {
        translator_.Translate(event, pending_);
    }
}

DeviceStatus SdlWindow::TestCooperativeLevel() { return translator_.Status(); }

void SdlWindow::ResetDevice() { translator_.DeviceWasReset(); }

void SdlWindow::SetFullscreen(bool fullscreen) {
    SDL_SetWindowFullscreen(window_, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
}

void SdlWindow::Show() { SDL_ShowWindow(window_); }

void SdlWindow::SetIcon(const Image& icon) {
    if (icon.width <= 0 || icon.height <= 0) {
        return;
    }
    // SDL copies the pixels; the surface only borrows the image's.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(
        const_cast<uint32_t*>(icon.pixels.data()), icon.width, icon.height, 32,
        icon.width * static_cast<int>(sizeof(uint32_t)), SDL_PIXELFORMAT_ARGB8888);
    if (surface != nullptr) {
        SDL_SetWindowIcon(window_, surface);
        SDL_FreeSurface(surface);
    }
}

void HideSystemCursor() { SDL_ShowCursor(SDL_DISABLE); }

}  // namespace platform
