#include "platform/SdlRenderer.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <filesystem>

#include "platform/Clock.h"
#include "platform/HashMix.h"
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

// Whether the machine has a graphics device GL could run on: a DRM node or
// NVIDIA's device. Without one, GL is a software rasteriser.
bool HasGraphicsDevice() {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("card", 0) == 0 || name.rfind("renderD", 0) == 0) {
            return true;
        }
    }
    return std::filesystem::exists("/dev/nvidiactl", error);
}

void SetError(std::string* error) {
    if (error != nullptr) {
        *error = SDL_GetError();
    }
}

}  // namespace

std::unique_ptr<SdlRenderer> SdlRenderer::CreateForWindow(SdlWindow& window, int logicalWidth,
                                                          int logicalHeight, std::string* error) {
    // A software renderer draws into the window's own framebuffer; SDL would
    // otherwise start GL only to learn whether to show it through a texture.
    SDL_SetHintWithPriority(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0", SDL_HINT_DEFAULT);
    // GL emulated in software draws the same frames as SDL's software
    // renderer, but starts far slower and takes far more memory: without a
    // graphics device the software renderer goes first, unless the player
    // named a driver (SDL_RENDER_DRIVER). Either falls back on the other.
    constexpr Uint32 kAccelerated = SDL_RENDERER_ACCELERATED | SDL_RENDERER_PRESENTVSYNC;
    constexpr Uint32 kSoftware = SDL_RENDERER_SOFTWARE;
    const bool softwareFirst = SDL_GetHint(SDL_HINT_RENDER_DRIVER) == nullptr && !HasGraphicsDevice();
    const Uint32 order[] = {softwareFirst ? kSoftware : kAccelerated,
                            softwareFirst ? kAccelerated : kSoftware};
    SDL_Renderer* renderer = nullptr;
    for (size_t i = 0; i < 2 && renderer == nullptr; ++i) {
        renderer = SDL_CreateRenderer(window.Handle(), -1, order[i]);
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
    std::unique_ptr<SdlRenderer> result(new SdlRenderer(renderer, nullptr, logicalWidth, logicalHeight, !vsync));
    result->skipUnchanged_ = true;
    SDL_AddEventWatch(&SdlRenderer::WatchWindow, result.get());
    result->watching_ = true;
    return result;
}

int SdlRenderer::WatchWindow(void* self, SDL_Event* event) {
    // Whatever happens to the window (exposed, resized, shown, restored) or
    // the device, the next frame is drawn and shown.
    if (event->type == SDL_WINDOWEVENT || event->type == SDL_RENDER_TARGETS_RESET ||
        event->type == SDL_RENDER_DEVICE_RESET) {
        static_cast<SdlRenderer*>(self)->frames_.ForceNextFrame();
    }
    return 0;
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
    : renderer_(renderer), target_(target), width_(width), height_(height), paced_(paced) {
    SDL_RendererInfo info{};
    software_ = SDL_GetRendererInfo(renderer, &info) == 0 && (info.flags & SDL_RENDERER_SOFTWARE) != 0;
}

SdlRenderer::~SdlRenderer() {
    if (watching_) {
        SDL_DelEventWatch(&SdlRenderer::WatchWindow, this);
    }
    SdlFont::ForgetRenderer(renderer_);
    SDL_DestroyRenderer(renderer_);
    if (target_ != nullptr) {
        SDL_FreeSurface(target_);
    }
}

void SdlRenderer::Clear(uint32_t argb) {
    DrawCommand command;
    command.kind = DrawCommand::Kind::Clear;
    command.argb = argb;
    frames_.Add(std::move(command));
}

void SdlRenderer::ExecuteClear(uint32_t argb) {
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

void SdlRenderer::Flush() {
    const std::vector<DrawCommand>& frame = frames_.Frame();
    for (size_t i = frames_.Executed(); i < frame.size(); ++i) {
        switch (frame[i].kind) {
        case DrawCommand::Kind::Clear:
            ExecuteClear(frame[i].argb);
            break;
        case DrawCommand::Kind::Sprite:
            ExecuteSprite(frame[i]);
            break;
        case DrawCommand::Kind::Text:
            ExecuteText(frame[i]);
            break;
        }
    }
    frames_.MarkExecuted();
}

void SdlRenderer::Present() {
    const bool show = !skipUnchanged_ || frames_.NeedsShowing();
    if (show) {
        Flush();
        std::swap(heldBefore_, heldNow_);
        heldNow_.clear();
        // The wait comes before a frame is shown, not after: a frame that
        // follows a long step (the loading's last, say) shows at once.
        if (paced_) {
            Pace();
        }
        SDL_RenderPresent(renderer_);
        ++presented_;
    } else if (paced_ || target_ == nullptr) {
        Pace();
    }
    frames_.EndFrame(show);
}

void SdlRenderer::Pace() {
    const double now = SecondsNow();
    const double wait = kMinimumFrameSeconds - (now - lastPresent_);
    if (wait > 0.0 && wait <= kMinimumFrameSeconds) {
        SleepMilliseconds(static_cast<int>(wait * 1000.0));
    }
    lastPresent_ = SecondsNow();
}

std::vector<uint32_t> SdlRenderer::ReadPixels() {
    Flush();
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
    return SdlTexture::Create(renderer_, std::move(image), textures_);
}

void SdlRenderer::OnResetDevice() {
    for (const SdlTexture* texture : *textures_) {
        texture->DropRegions();
    }
    frames_.ForceNextFrame();
}

void SdlRenderer::DrawSprite(const Texture& texture, const Rect& region, const Transform2D& transform,
                             uint32_t argb) {
    const auto& sdlTexture = static_cast<const SdlTexture&>(texture);
    DrawCommand command;
    command.kind = DrawCommand::Kind::Sprite;
    command.object = &sdlTexture;
    command.serial = sdlTexture.Serial();
    command.rect = region;
    command.transform = transform;
    command.argb = argb;
    frames_.Add(std::move(command));
}

void SdlRenderer::ExecuteSprite(const DrawCommand& command) {
    const auto* live = static_cast<const SdlTexture*>(command.object);
    if (textures_->count(live) == 0 || live->Serial() != command.serial) {
        return;  // the texture went away after the call was recorded
    }
    const SdlTexture& sdlTexture = *live;
    const Rect& region = command.rect;
    const Transform2D& transform = command.transform;
    const uint32_t argb = command.argb;
    // Texels outside the image are transparent: draw only the part of the
    // region that lies on the image, where it would land.
    const int left = std::max(region.left, 0);
    const int top = std::max(region.top, 0);
    const int right = std::min(region.right, sdlTexture.Width());
    const int bottom = std::min(region.bottom, sdlTexture.Height());
    if (left >= right || top >= bottom) {
        return;
    }

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
    const bool upright = angle == 0.0f && flip == 0;

    // Texel on pixel: nothing scales, turns or shifts by part of a pixel, so
    // no filtering reaches beyond the region on the sheet.
    float outputScaleX = 1.0f;
    float outputScaleY = 1.0f;
    SDL_RenderGetScale(renderer_, &outputScaleX, &outputScaleY);
    const bool texelOnPixel = upright && scaleX == 1.0f && scaleY == 1.0f &&
                              outputScaleX == 1.0f && outputScaleY == 1.0f && target.x == std::floor(target.x) &&
                              target.y == std::floor(target.y);
    const Rect onSheet{left, top, right, bottom};
    // The software renderer stretches a scaled sprite anew on every draw:
    // it gets a copy stretched once to the pixels its rectangle covers, which
    // SDL copies texel on pixel.
    const int pixelsWide = static_cast<int>(target.w * outputScaleX);
    const int pixelsHigh = static_cast<int>(target.h * outputScaleY);
    const bool softwareCopies = software_ && keepSoftwareCopies_;
    const bool stretchOnce = softwareCopies && upright && (pixelsWide != right - left || pixelsHigh != bottom - top);
    const bool faded = (argb >> 24) != 0xFF;
    // A faded draw made alike in the frame shown before is a fade that holds
    // (a shadow, a dimmed page): it gets a copy with the fade baked in, which
    // software blends many times faster than it modulates. A turned draw made
    // alike before gets a copy turned once, which software copies many times
    // faster than it turns. A fade or a turn that moves every frame is drawn
    // as it comes instead of making a copy a frame.
    bool held = false;
    if (softwareCopies && (faded || !upright)) {
        uint64_t draw = MixIn(sdlTexture.Serial(), argb);
        for (const int value : {left, top, right, bottom, pixelsWide, pixelsHigh}) {
            draw = MixIn(draw, static_cast<uint32_t>(value));
        }
        if (!upright) {
            for (const float value : {angle, centre.x, centre.y, target.w, target.h}) {
                draw = MixIn(draw, BitsOf(value));
            }
            draw = MixIn(draw, static_cast<uint32_t>(flip));
        }
        held = heldBefore_.count(draw) != 0;
        heldNow_.insert(draw);
    }
    const bool bakeFade = held && faded;
    const double degrees = angle * 180.0 / M_PI;
    const SdlTexture::Turn turn{static_cast<int>(target.w), static_cast<int>(target.h), degrees,
                                centre.x, centre.y, flip};
    SdlTexture::Part part{};
    bool turnedOnce = held && !upright && sdlTexture.TurnedPartFor(onSheet, argb, turn, part, bakeFade);
    // Where the renderer would have put the turned texels: the rectangle's
    // corner cut to whole pixels, then the copy's offset. At an output scale,
    // SDL clips a turned sprite at the screen's edge unlike a copied one: one
    // that reaches the edge is turned as it comes.
    const SDL_FRect placed{static_cast<float>(static_cast<int>(target.x) + part.offsetX),
                           static_cast<float>(static_cast<int>(target.y) + part.offsetY),
                           static_cast<float>(part.source.right - part.source.left),
                           static_cast<float>(part.source.bottom - part.source.top)};
    if (turnedOnce && (outputScaleX != 1.0f || outputScaleY != 1.0f)) {
        SDL_Rect screen{};
        SDL_RenderGetViewport(renderer_, &screen);
        turnedOnce = placed.x >= 1.0f && placed.y >= 1.0f && placed.x + placed.w + 1.0f <= static_cast<float>(screen.w) &&
                     placed.y + placed.h + 1.0f <= static_cast<float>(screen.h);
    }
    const bool found =
        turnedOnce ||
        (stretchOnce && sdlTexture.ScaledPartFor(onSheet, argb, pixelsWide, pixelsHigh, part, bakeFade)) ||
        sdlTexture.PartFor(onSheet, argb, texelOnPixel, part, bakeFade);
    if (!found) {
        return;
    }
    const SDL_Color colour = ColourOf(part.tinted ? 0xFFFFFFFFu : argb);
    SDL_SetTextureColorMod(part.texture, colour.r, colour.g, colour.b);
    SDL_SetTextureAlphaMod(part.texture, colour.a);
    // Opaque texels drawn upright without fading need no blending: a plain
    // copy. Turned, their edges blend into what lies beneath.
    const bool blend = !(part.opaque && colour.a == 255 && upright);
    SDL_SetTextureBlendMode(part.texture, blend ? SDL_BLENDMODE_BLEND : SDL_BLENDMODE_NONE);
    const SDL_Rect source{part.source.left, part.source.top, part.source.right - part.source.left,
                          part.source.bottom - part.source.top};
    if (turnedOnce) {
        SDL_RenderCopyF(renderer_, part.texture, &source, &placed);
    } else if (upright) {
        SDL_RenderCopyF(renderer_, part.texture, &source, &target);
    } else {
        SDL_RenderCopyExF(renderer_, part.texture, &source, &target, degrees, &centre,
                          static_cast<SDL_RendererFlip>(flip));
    }
}

}  // namespace platform
