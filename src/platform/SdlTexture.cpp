#include "platform/SdlTexture.h"

#include <SDL.h>

#include <vector>

namespace platform {

namespace {

constexpr uint32_t kWhite = 0xFFFFFFu;
// Beyond this many tinted copies, all of them are dropped and made anew.
constexpr int kMaxTintedRegions = 256;

uint64_t RegionKey(const Rect& region) {
    return (static_cast<uint64_t>(region.left) << 48) | (static_cast<uint64_t>(region.top) << 32) |
           (static_cast<uint64_t>(region.right) << 16) | static_cast<uint64_t>(region.bottom);
}

uint32_t Modulate(uint32_t pixel, uint32_t tint) {
    uint32_t result = pixel & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const uint32_t channel = ((pixel >> shift) & 0xFF) * ((tint >> shift) & 0xFF) / 255;
        result |= channel << shift;
    }
    return result;
}

}  // namespace

SdlTexture::SdlTexture(SDL_Renderer* renderer, Image image, std::shared_ptr<Register> live)
    : renderer_(renderer), image_(std::move(image)), live_(std::move(live)) {
    if (live_) {
        live_->insert(this);
    }
}

SdlTexture::~SdlTexture() {
    if (live_) {
        live_->erase(this);
    }
    DropRegions();
}

void SdlTexture::DropRegions() const {
    for (auto& entry : regions_) {
        SDL_DestroyTexture(entry.second.texture);
    }
    regions_.clear();
    tintedCount_ = 0;
}

const SdlTexture::RegionTexture* SdlTexture::Region(const Rect& region, uint32_t argb) const {
    // Only an opaque colour can be baked in; fading draws modulate instead.
    const uint32_t rgb = argb & 0xFFFFFFu;
    const uint32_t tint = (argb >> 24) == 0xFF ? rgb : kWhite;
    auto found = regions_.find(Key{RegionKey(region), tint});
    if (found != regions_.end()) {
        return &found->second;
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
    return Upload(region, tint);
}

SdlTexture::RegionTexture* SdlTexture::Upload(const Rect& region, uint32_t tint) const {
    const int width = region.right - region.left;
    const int height = region.bottom - region.top;
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    bool opaque = true;
    for (int y = 0; y < height; ++y) {
        const uint32_t* row = image_.pixels.data() + static_cast<size_t>(region.top + y) * image_.width + region.left;
        uint32_t* out = pixels.data() + static_cast<size_t>(y) * width;
        for (int x = 0; x < width; ++x) {
            out[x] = tint == kWhite ? row[x] : Modulate(row[x], tint);
            opaque = opaque && (row[x] >> 24) == 0xFF;
        }
    }
    SDL_Texture* texture =
        SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STATIC, width, height);
    if (texture == nullptr) {
        return nullptr;
    }
    if (SDL_UpdateTexture(texture, nullptr, pixels.data(), width * 4) != 0) {
        SDL_DestroyTexture(texture);
        return nullptr;
    }
    SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_BLEND);
    // Scaled and turned sprites are filtered; unscaled ones land texel on pixel.
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeLinear);
    if (tint != kWhite) {
        ++tintedCount_;
    }
    auto inserted = regions_.emplace(Key{RegionKey(region), tint}, RegionTexture{texture, opaque, tint != kWhite});
    return &inserted.first->second;
}

}  // namespace platform
