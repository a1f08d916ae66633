#include "platform/SdlTexture.h"

#include <SDL.h>

#include "platform/DrawList.h"

namespace platform {

namespace {

constexpr uint32_t kPlain = 0xFFFFFFFFu;
// Beyond this many tinted copies, or this many pixels in them (16 MB), all of
// them are dropped and made anew.
constexpr int kMaxTintedRegions = 256;
constexpr size_t kMaxTintedPixels = 4u << 20;
// Scaled copies are at most this wide and high, and beyond this many pixels
// in all (16 MB), all of them are dropped and made anew.
constexpr int kMaxScaledSide = 2048;
constexpr size_t kMaxScaledPixels = 4u << 20;

// The colour baked into a region's copy: an opaque colour always, a fading
// one only when asked (a fade that changes every frame would make a copy a
// frame); otherwise the draw modulates.
uint32_t BakedColour(uint32_t argb, bool bakeFade) {
    const uint32_t alpha = argb >> 24;
    if (alpha == 0xFF || (bakeFade && alpha != 0)) {
        return argb;
    }
    return kPlain;
}

uint64_t RegionKey(const Rect& region) {
    return (static_cast<uint64_t>(region.left) << 48) | (static_cast<uint64_t>(region.top) << 32) |
           (static_cast<uint64_t>(region.right) << 16) | static_cast<uint64_t>(region.bottom);
}

}  // namespace

std::unique_ptr<SdlTexture> SdlTexture::Create(SDL_Renderer* renderer, Image image, std::shared_ptr<Register> live) {
    SDL_RendererInfo info{};
    if (SDL_GetRendererInfo(renderer, &info) != 0 ||
        (info.max_texture_width > 0 && image.width > info.max_texture_width) ||
        (info.max_texture_height > 0 && image.height > info.max_texture_height)) {
        return nullptr;
    }
    return std::unique_ptr<SdlTexture>(new SdlTexture(renderer, std::move(image), std::move(live)));
}

SdlTexture::SdlTexture(SDL_Renderer* renderer, Image image, std::shared_ptr<Register> live)
    : renderer_(renderer),
      width_(image.width),
      height_(image.height),
      serial_(NextDrawSerial()),
      live_(std::move(live)),
      pending_(std::move(image)) {
    if (live_) {
        live_->insert(this);
    }
}

bool SdlTexture::Upload() const {
    if (sheet_ != nullptr) {
        return true;
    }
    if (pending_.pixels.empty()) {
        return false;  // an upload failed before
    }
    SDL_Texture* sheet =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width_, height_);
    if (sheet != nullptr && SDL_UpdateTexture(sheet, nullptr, pending_.pixels.data(), width_ * 4) != 0) {
        SDL_DestroyTexture(sheet);
        sheet = nullptr;
    }
    if (sheet != nullptr) {
        // Unscaled regions land texel on pixel; scaled ones are drawn from copies.
        SDL_SetTextureScaleMode(sheet, SDL_ScaleModeLinear);
        opaqueBits_.assign((pending_.pixels.size() + 63) / 64, 0);
        for (size_t i = 0; i < pending_.pixels.size(); ++i) {
            if ((pending_.pixels[i] >> 24) == 0xFF) {
                opaqueBits_[i / 64] |= uint64_t{1} << (i % 64);
            }
        }
    }
    pending_ = Image();
    sheet_ = sheet;
    return sheet_ != nullptr;
}

SdlTexture::~SdlTexture() {
    if (live_) {
        live_->erase(this);
    }
    DropRegions();
    if (sheet_ != nullptr) {
        SDL_DestroyTexture(sheet_);
    }
}

void SdlTexture::DropRegions() const {
    for (auto& entry : regions_) {
        SDL_DestroyTexture(entry.second.texture);
    }
    regions_.clear();
    tintedCount_ = 0;
    tintedPixels_ = 0;
    scaledPixels_ = 0;
}

void SdlTexture::DropCopies(bool scaled) const {
    for (auto it = regions_.begin(); it != regions_.end();) {
        if (scaled ? it->first.size != 0 : it->first.size == 0 && it->second.tinted) {
            SDL_DestroyTexture(it->second.texture);
            it = regions_.erase(it);
        } else {
            ++it;
        }
    }
    if (scaled) {
        scaledPixels_ = 0;
    } else {
        tintedCount_ = 0;
        tintedPixels_ = 0;
    }
}

bool SdlTexture::Opaque(const Rect& region) const {
    auto known = opaqueRegions_.find(RegionKey(region));
    if (known != opaqueRegions_.end()) {
        return known->second;
    }
    bool opaque = true;
    for (int y = region.top; y < region.bottom && opaque; ++y) {
        for (int x = region.left; x < region.right; ++x) {
            const size_t i = static_cast<size_t>(y) * width_ + x;
            if ((opaqueBits_[i / 64] & (uint64_t{1} << (i % 64))) == 0) {
                opaque = false;
                break;
            }
        }
    }
    opaqueRegions_.emplace(RegionKey(region), opaque);
    return opaque;
}

bool SdlTexture::PartFor(const Rect& region, uint32_t argb, bool texelOnPixel, Part& out, bool bakeFade) const {
    if (!Upload()) {
        return false;
    }
    const uint32_t colour = BakedColour(argb, bakeFade);
    const bool tinted = colour != kPlain;
    if (texelOnPixel && !tinted) {
        out = Part{sheet_, region, Opaque(region), false};
        return true;
    }
    const Key key{RegionKey(region), colour};
    auto found = regions_.find(key);
    if (found != regions_.end()) {
        out = found->second;
        return true;
    }
    const int width = region.right - region.left;
    const int height = region.bottom - region.top;
    const size_t pixels = static_cast<size_t>(width) * height;
    if (tinted && (tintedCount_ >= kMaxTintedRegions || tintedPixels_ + pixels > kMaxTintedPixels)) {
        DropCopies(false);
    }
    SDL_Texture* copy = Copy(sheet_, region, colour, width, height);
    if (copy == nullptr) {
        return false;
    }
    if (tinted) {
        ++tintedCount_;
        tintedPixels_ += pixels;
    }
    const bool opaque = (colour >> 24) == 0xFF && Opaque(region);
    out = regions_.emplace(key, Part{copy, {0, 0, width, height}, opaque, tinted}).first->second;
    return true;
}

bool SdlTexture::ScaledPartFor(const Rect& region, uint32_t argb, int width, int height, Part& out,
                               bool bakeFade) const {
    if (width <= 0 || height <= 0 || width > kMaxScaledSide || height > kMaxScaledSide) {
        return false;
    }
    Part part{};
    if (!PartFor(region, argb, false, part, bakeFade)) {
        return false;
    }
    const Key key{RegionKey(region), BakedColour(argb, bakeFade),
                  static_cast<uint32_t>(width) << 16 | static_cast<uint32_t>(height)};
    auto found = regions_.find(key);
    if (found != regions_.end()) {
        out = found->second;
        return true;
    }
    const size_t pixels = static_cast<size_t>(width) * height;
    if (scaledPixels_ + pixels > kMaxScaledPixels) {
        DropCopies(true);
    }
    SDL_Texture* copy = Copy(part.texture, part.source, kPlain, width, height);
    if (copy == nullptr) {
        return false;
    }
    scaledPixels_ += pixels;
    out = regions_.emplace(key, Part{copy, {0, 0, width, height}, part.opaque, part.tinted}).first->second;
    return true;
}

SDL_Texture* SdlTexture::Copy(SDL_Texture* from, const Rect& source, uint32_t colour, int width, int height) const {
    SDL_Texture* copy = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
    if (copy == nullptr) {
        return nullptr;
    }
    // A plain copy (alpha included), the colour multiplied in, stretched when
    // the sizes differ.
    SDL_Texture* previous = SDL_GetRenderTarget(renderer_);
    bool copied = SDL_SetRenderTarget(renderer_, copy) == 0;
    if (copied) {
        const SDL_Rect sourceRect{source.left, source.top, source.right - source.left, source.bottom - source.top};
        SDL_SetTextureBlendMode(from, SDL_BLENDMODE_NONE);
        SDL_SetTextureColorMod(from, static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8),
                               static_cast<Uint8>(colour));
        SDL_SetTextureAlphaMod(from, static_cast<Uint8>(colour >> 24));
        copied = SDL_RenderCopy(renderer_, from, &sourceRect, nullptr) == 0;
        SDL_SetRenderTarget(renderer_, previous);
    }
    if (!copied) {
        SDL_DestroyTexture(copy);
        return nullptr;
    }
    SDL_SetTextureBlendMode(copy, SDL_BLENDMODE_BLEND);
    // Scaled and turned sprites are filtered.
    SDL_SetTextureScaleMode(copy, SDL_ScaleModeLinear);
    return copy;
}

}  // namespace platform
