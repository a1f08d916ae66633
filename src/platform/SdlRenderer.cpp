#include "platform/SdlRenderer.h"

#include <SDL.h>

#include "platform/Clock.h"
#include "platform/SdlWindow.h"

namespace platform {

namespace {

constexpr double kMinimumFrameSeconds = 1.0 / 60.0;

void SetError(std::string* error) {
    if (error != nullptr) {
        *error = SDL_GetError();
    }
}

}  // namespace

std::unique_ptr<SdlRenderer> SdlRenderer::CreateForWindow(SdlWindow& window, int logicalWidth,
                                                          int logicalHeight, std::string* error) {
    SDL_Renderer* renderer =
        SDL_CreateRenderer(window.Handle(), -1, SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC);
    if (renderer == nullptr) {
        renderer = SDL_CreateRenderer(window.Handle(), -1, SDL_RENDERER_SOFTWARE);
    }
    if (renderer == nullptr) {
        SetError(error);
        return nullptr;
    }
    SDL_RendererInfo info{};
    SDL_GetRendererInfo(renderer, &info);
    const bool vsync = (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    SDL_RenderSetLogicalSize(renderer, logicalWidth, logicalHeight);
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    return std::unique_ptr<SdlRenderer>(
        new SdlRenderer(renderer, nullptr, logicalWidth, logicalHeight, vsync, !vsync));
}

std::unique_ptr<SdlRenderer> SdlRenderer::CreateOffscreen(int width, int height, std::string* error) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    if (surface == nullptr) {
        SetError(error);
        return nullptr;
    }
    SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
    if (renderer == nullptr) {
        SetError(error);
        SDL_FreeSurface(surface);
        return nullptr;
    }
    SDL_SetRenderDrawBlendMode(renderer, SDL_BLENDMODE_BLEND);
    return std::unique_ptr<SdlRenderer>(new SdlRenderer(renderer, surface, width, height, false, false));
}

SdlRenderer::SdlRenderer(SDL_Renderer* renderer, SDL_Surface* target, int width, int height, bool vsync,
                         bool paced)
    : renderer_(renderer), target_(target), width_(width), height_(height), vsync_(vsync), paced_(paced) {}

SdlRenderer::~SdlRenderer() {
    SDL_DestroyRenderer(renderer_);
    if (target_ != nullptr) {
        SDL_FreeSurface(target_);
    }
}

void SdlRenderer::Clear(uint32_t argb) {
    SDL_SetRenderDrawColor(renderer_, static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8),
                           static_cast<Uint8>(argb), static_cast<Uint8>(argb >> 24));
    SDL_RenderClear(renderer_);
}

void SdlRenderer::Present() {
    SDL_RenderPresent(renderer_);
    if (!paced_) {
        return;
    }
    const double now = SecondsNow();
    const double wait = kMinimumFrameSeconds - (now - lastPresent_);
    if (wait > 0.0 && wait <= kMinimumFrameSeconds) {
        SleepMilliseconds(static_cast<int>(wait * 1000.0));
    }
    lastPresent_ = SecondsNow();
}

std::vector<uint32_t> SdlRenderer::ReadPixels() {
    std::vector<uint32_t> pixels(static_cast<size_t>(width_) * static_cast<size_t>(height_));
    SDL_Rect area{0, 0, width_, height_};
    if (SDL_RenderReadPixels(renderer_, &area, SDL_PIXELFORMAT_ARGB8888, pixels.data(),
                             width_ * static_cast<int>(sizeof(uint32_t))) != 0) {
        pixels.clear();
    }
    return pixels;
}

}  // namespace platform
