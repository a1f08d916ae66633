#include "platform/SdlRenderer.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "platform/Clock.h"
#include "platform/SdlFont.h"
#include "platform/SdlTexture.h"
#include "platform/SdlWindow.h"

namespace platform {

namespace {

constexpr double kMinimumFrameSeconds = 1.0 / 60.0;

SDL_Color ColourOf(uint32_t argb) {
    return SDL_Color{static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8), static_cast<Uint8>(argb),
                     static_cast<Uint8>(argb >> 24)};
}

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
        new SdlRenderer(renderer, nullptr, logicalWidth, logicalHeight, !vsync));
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
    return std::unique_ptr<SdlRenderer>(new SdlRenderer(renderer, surface, width, height, false));
}

SdlRenderer::SdlRenderer(SDL_Renderer* renderer, SDL_Surface* target, int width, int height, bool paced)
    : renderer_(renderer), target_(target), width_(width), height_(height), paced_(paced) {}

SdlRenderer::~SdlRenderer() {
    SdlFont::ForgetRenderer(renderer_);
    SDL_DestroyRenderer(renderer_);
    if (target_ != nullptr) {
        SDL_FreeSurface(target_);
    }
}

void SdlRenderer::Clear(uint32_t argb) {
    const SDL_Color colour = ColourOf(argb);
    if (target_ == nullptr) {
        // In a window of another shape the bars around the logical screen stay
        // black; the colour fills the logical screen only.
        SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 255);
        SDL_RenderClear(renderer_);
        SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_NONE);
        SDL_SetRenderDrawColor(renderer_, colour.r, colour.g, colour.b, colour.a);
        SDL_RenderFillRect(renderer_, nullptr);
        SDL_SetRenderDrawBlendMode(renderer_, SDL_BLENDMODE_BLEND);
        return;
    }
    SDL_SetRenderDrawColor(renderer_, colour.r, colour.g, colour.b, colour.a);
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

Image SdlRenderer::Screenshot() {
    Image image;
    image.pixels = ReadPixels();
    if (!image.pixels.empty()) {
        image.width = width_;
        image.height = height_;
    }
    return image;
}

std::unique_ptr<Texture> SdlRenderer::CreateTexture(Image image) {
    if (image.width <= 0 || image.height <= 0 ||
        image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) {
        return nullptr;
    }
    return std::make_unique<SdlTexture>(renderer_, std::move(image), textures_);
}

void SdlRenderer::OnResetDevice() {
    for (const SdlTexture* texture : *textures_) {
        texture->DropRegions();
    }
}

void SdlRenderer::DrawSprite(const Texture& texture, const Rect& region, const Transform2D& transform,
                             uint32_t argb) {
    const auto& sdlTexture = static_cast<const SdlTexture&>(texture);
    // Texels outside the image are transparent: draw only the part of the
    // region that lies on the image, where it would land.
    const int left = std::max(region.left, 0);
    const int top = std::max(region.top, 0);
    const int right = std::min(region.right, sdlTexture.Width());
    const int bottom = std::min(region.bottom, sdlTexture.Height());
    if (left >= right || top >= bottom) {
        return;
    }
    const SdlTexture::RegionTexture* part = sdlTexture.Region(Rect{left, top, right, bottom}, argb);
    if (part == nullptr) {
        return;
    }
    const SDL_Color colour = ColourOf(part->tinted ? 0xFFFFFFFFu : argb);
    SDL_SetTextureColorMod(part->texture, colour.r, colour.g, colour.b);
    SDL_SetTextureAlphaMod(part->texture, colour.a);

    // The part's corners relative to the region's top-left corner.
    const auto x0 = static_cast<float>(left - region.left);
    const auto x1 = static_cast<float>(right - region.left);
    const auto y0 = static_cast<float>(top - region.top);
    const auto y1 = static_cast<float>(bottom - region.top);

    // A sprite transform is a scaling (mirrors included), a turn and a move:
    // split it into those for a rotated copy. The turn is about the local
    // origin, which lies at -topLeft of the scaled part.
    const float angle = std::atan2(transform.m12, transform.m11);
    const float c = std::cos(angle);
    const float s = std::sin(angle);
    const float scaleX = std::hypot(transform.m11, transform.m12);
    const float scaleY = -transform.m21 * s + transform.m22 * c;
    const float shear = transform.m21 * c + transform.m22 * s;
    if (std::fabs(shear) > 1e-4f * std::max(1.0f, std::fabs(scaleY))) {
        return;  // sprites are never sheared
    }
    const float ax = x0 * scaleX;
    const float bx = x1 * scaleX;
    const float ay = y0 * scaleY;
    const float by = y1 * scaleY;
    const SDL_FRect target{std::min(ax, bx) + transform.dx, std::min(ay, by) + transform.dy, std::fabs(bx - ax),
                           std::fabs(by - ay)};
    const SDL_FPoint centre{transform.dx - target.x, transform.dy - target.y};
    const int flip = (scaleX < 0.0f ? SDL_FLIP_HORIZONTAL : 0) | (scaleY < 0.0f ? SDL_FLIP_VERTICAL : 0);
    // Opaque texels drawn without fading need no blending: a plain copy.
    SDL_SetTextureBlendMode(part->texture, part->opaque && colour.a == 255 ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    if (angle == 0.0f && flip == 0) {
        SDL_RenderCopyF(renderer_, part->texture, nullptr, &target);
    } else {
        SDL_RenderCopyExF(renderer_, part->texture, nullptr, &target, angle * 180.0 / M_PI, &centre,
                          static_cast<SDL_RendererFlip>(flip));
    }
}

}  // namespace platform
