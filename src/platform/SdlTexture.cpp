#include "platform/SdlTexture.h"

#include <SDL.h>

#include "platform/DrawList.h"

namespace platform {

namespace {

constexpr uint32_t kWhite = 0xFFFFFFu;
// Beyond this many tinted copies, all of them are dropped and made anew.
constexpr int kMaxTintedRegions = 256;

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

bool SdlTexture::PartFor(const Rect& region, uint32_t argb, bool texelOnPixel, Part& out) const {
    if (!Upload()) {
        return false;
    }
    // Only an opaque colour can be baked in; fading draws modulate instead.
    const uint32_t rgb = argb & 0xFFFFFFu;
    const uint32_t tint = (argb >> 24) == 0xFF ? rgb : kWhite;
    if (texelOnPixel && tint == kWhite) {
        out = Part{sheet_, region, Opaque(region), false};
        return true;
    }
    const Key key{RegionKey(region), tint};
    auto found = regions_.find(key);
    if (found != regions_.end()) {
        out = found->second;
        return true;
    }
    if (tint != kWhite && tintedCount_ >= kMaxTintedRegions) {
        for (auto it = regions_.begin(); it != regions_.end();) {
            if (it->second.tinted) {
                SDL_DestroyTexture(it->second.texture);
                it = regions_.erase(it);
            } else {
                ++it;
            }
        }
        tintedCount_ = 0;
    }
    SDL_Texture* copy = CopyRegion(region, tint);
    if (copy == nullptr) {
        return false;
    }
    if (tint != kWhite) {
        ++tintedCount_;
    }
    const Rect whole{0, 0, region.right - region.left, region.bottom - region.top};
    out = regions_.emplace(key, Part{copy, whole, Opaque(region), tint != kWhite}).first->second;
    return true;
}

SDL_Texture* SdlTexture::CopyRegion(const Rect& region, uint32_t tint) const {
    const int width = region.right - region.left;
    const int height = region.bottom - region.top;
    SDL_Texture* copy = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET, width, height);
    if (copy == nullptr) {
        return nullptr;
    }
    // A plain copy texel for texel (alpha included), the tint multiplied in.
    SDL_Texture* previous = SDL_GetRenderTarget(renderer_);
    bool copied = SDL_SetRenderTarget(renderer_, copy) == 0;
    if (copied) {
        const SDL_Rect from{region.left, region.top, width, height};
        SDL_SetTextureBlendMode(sheet_, SDL_BLENDMODE_NONE);
        SDL_SetTextureColorMod(sheet_, static_cast<Uint8>(tint >> 16), static_cast<Uint8>(tint >> 8),
                               static_cast<Uint8>(tint));
        SDL_SetTextureAlphaMod(sheet_, 255);
        copied = SDL_RenderCopy(renderer_, sheet_, &from, nullptr) == 0;
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
