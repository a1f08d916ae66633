#include "platform/SdlTexture.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "platform/DrawList.h"
#include "platform/HashMix.h"

namespace platform {

namespace {

constexpr uint32_t kPlain = 0xFFFFFFFFu;
// Beyond this many tinted copies of a region's own size, or this many pixels
// in the copies of one kind (16 MB), all copies of that kind are dropped and
// made anew.
constexpr int kMaxTintedRegions = 256;
constexpr size_t kMaxPixelsOfAKind = 4u << 20;
// Scaled and turned copies are at most this wide and high.
constexpr int kMaxCopySide = 2048;

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

// Where the pixels of a width x height rectangle turned clockwise by `degrees`
// about (centreX, centreY) land, relative to its top-left corner: the box the
// software renderer turns it into, found as it finds it (the corners of the
// pixel centres turned, rounded outwards; exact sizes at quarter turns).
Rect TurnedBox(int width, int height, double degrees, float centreX, float centreY) {
    const double radians = degrees * (M_PI / 180.0);
    const double sine = std::sin(radians);
    const double cosine = std::cos(radians);
    double left = HUGE_VAL;
    double top = HUGE_VAL;
    double right = -HUGE_VAL;
    double bottom = -HUGE_VAL;
    for (const double x : {0.5, width - 0.5}) {
        for (const double y : {0.5, height - 0.5}) {
            const double fromX = x - centreX;
            const double fromY = y - centreY;
            const double turnedX = cosine * fromX - sine * fromY + centreX;
            const double turnedY = sine * fromX + cosine * fromY + centreY;
            left = std::min(left, turnedX);
            right = std::max(right, turnedX);
            top = std::min(top, turnedY);
            bottom = std::max(bottom, turnedY);
        }
    }
    Rect box{static_cast<int>(std::floor(left)), static_cast<int>(std::floor(top)),
             static_cast<int>(std::ceil(right)), static_cast<int>(std::ceil(bottom))};
    const int quarters = static_cast<int>(degrees / 90);
    if (quarters == degrees / 90) {
        const bool across = quarters % 2 != 0;
        box.right = box.left + (across ? height : width);
        box.bottom = box.top + (across ? width : height);
    }
    return box;
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
    std::fill(std::begin(pixelsOf_), std::end(pixelsOf_), 0);
}

void SdlTexture::MakeRoom(Kind kind, size_t pixels) const {
    size_t& held = pixelsOf_[static_cast<int>(kind)];
    if (held + pixels <= kMaxPixelsOfAKind && (kind != Kind::Tinted || tintedCount_ < kMaxTintedRegions)) {
        return;
    }
    for (auto it = regions_.begin(); it != regions_.end();) {
        if (it->first.kind == kind) {
            SDL_DestroyTexture(it->second.texture);
            it = regions_.erase(it);
        } else {
            ++it;
        }
    }
    held = 0;
    if (kind == Kind::Tinted) {
        tintedCount_ = 0;
    }
}

size_t SdlTexture::KeyHash::operator()(const Key& key) const {
    uint64_t mixed = key.region;
    for (const uint64_t value : {uint64_t{key.colour}, uint64_t{key.size}, key.angle, key.centre,
                                 static_cast<uint64_t>(key.flip) << 2 | static_cast<uint64_t>(key.kind)}) {
        mixed = MixIn(mixed, value);
    }
    return std::hash<uint64_t>()(mixed);
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
    const Kind kind = tinted ? Kind::Tinted : Kind::Plain;
    const Key key{RegionKey(region), colour, kind};
    auto found = regions_.find(key);
    if (found != regions_.end()) {
        out = found->second;
        return true;
    }
    const int width = region.right - region.left;
    const int height = region.bottom - region.top;
    const size_t pixels = static_cast<size_t>(width) * height;
    if (tinted) {
        MakeRoom(kind, pixels);
    }
    SDL_Texture* copy = Copy(sheet_, region, colour, {0, 0, width, height});
    if (copy == nullptr) {
        return false;
    }
    pixelsOf_[static_cast<int>(kind)] += pixels;
    tintedCount_ += tinted ? 1 : 0;
    const bool opaque = (colour >> 24) == 0xFF && Opaque(region);
    out = regions_.emplace(key, Part{copy, {0, 0, width, height}, opaque, tinted}).first->second;
    return true;
}

bool SdlTexture::ScaledPartFor(const Rect& region, uint32_t argb, int width, int height, Part& out,
                               bool bakeFade) const {
    if (width <= 0 || height <= 0 || width > kMaxCopySide || height > kMaxCopySide) {
        return false;
    }
    Part part{};
    if (!PartFor(region, argb, false, part, bakeFade)) {
        return false;
    }
    const Key key{RegionKey(region), BakedColour(argb, bakeFade), Kind::Scaled,
                  static_cast<uint32_t>(width) << 16 | static_cast<uint32_t>(height)};
    auto found = regions_.find(key);
    if (found != regions_.end()) {
        out = found->second;
        return true;
    }
    const size_t pixels = static_cast<size_t>(width) * height;
    MakeRoom(Kind::Scaled, pixels);
    SDL_Texture* copy = Copy(part.texture, part.source, kPlain, {0, 0, width, height});
    if (copy == nullptr) {
        return false;
    }
    pixelsOf_[static_cast<int>(Kind::Scaled)] += pixels;
    out = regions_.emplace(key, Part{copy, {0, 0, width, height}, part.opaque, part.tinted}).first->second;
    return true;
}

bool SdlTexture::TurnedPartFor(const Rect& region, uint32_t argb, const Turn& turn, Part& out,
                               bool bakeFade) const {
    if (turn.width <= 0 || turn.height <= 0 || turn.width > kMaxCopySide || turn.height > kMaxCopySide) {
        return false;
    }
    Part part{};
    if (!PartFor(region, argb, false, part, bakeFade)) {
        return false;
    }
    const Key key{RegionKey(region),
                  BakedColour(argb, bakeFade),
                  Kind::Turned,
                  static_cast<uint32_t>(turn.width) << 16 | static_cast<uint32_t>(turn.height),
                  BitsOf(turn.degrees),
                  BitsOf(turn.centreX) << 32 | BitsOf(turn.centreY),
                  turn.flip};
    auto found = regions_.find(key);
    if (found != regions_.end()) {
        out = found->second;
        return true;
    }
    const Rect box = TurnedBox(turn.width, turn.height, turn.degrees, turn.centreX, turn.centreY);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    if (width <= 0 || height <= 0 || width > kMaxCopySide || height > kMaxCopySide) {
        return false;
    }
    const size_t pixels = static_cast<size_t>(width) * height;
    MakeRoom(Kind::Turned, pixels);
    SDL_Texture* copy = Copy(part.texture, part.source, kPlain, box, &turn);
    if (copy == nullptr) {
        return false;
    }
    pixelsOf_[static_cast<int>(Kind::Turned)] += pixels;
    out = regions_.emplace(key, Part{copy, {0, 0, width, height}, false, part.tinted, box.left, box.top})
              .first->second;
    return true;
}

SDL_Texture* SdlTexture::Copy(SDL_Texture* from, const Rect& source, uint32_t colour, const Rect& box,
                               const Turn* turn) const {
    SDL_Texture* copy = SDL_CreateTexture(renderer_, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                          box.right - box.left, box.bottom - box.top);
    if (copy == nullptr) {
        return nullptr;
    }
    // Copied without blending, the texels themselves (alpha included) land in
    // the copy, the colour multiplied in: stretched when the sizes differ, or
    // turned into a transparent copy of the box they land in.
    SDL_Texture* previous = SDL_GetRenderTarget(renderer_);
    bool copied = SDL_SetRenderTarget(renderer_, copy) == 0;
    if (copied) {
        const SDL_Rect sourceRect{source.left, source.top, source.right - source.left, source.bottom - source.top};
        SDL_SetTextureBlendMode(from, SDL_BLENDMODE_NONE);
        SDL_SetTextureColorMod(from, static_cast<Uint8>(colour >> 16), static_cast<Uint8>(colour >> 8),
                               static_cast<Uint8>(colour));
        SDL_SetTextureAlphaMod(from, static_cast<Uint8>(colour >> 24));
        if (turn == nullptr) {
            copied = SDL_RenderCopy(renderer_, from, &sourceRect, nullptr) == 0;
        } else {
            SDL_SetRenderDrawColor(renderer_, 0, 0, 0, 0);
            SDL_RenderClear(renderer_);
            const SDL_FRect target{static_cast<float>(-box.left), static_cast<float>(-box.top),
                                   static_cast<float>(turn->width), static_cast<float>(turn->height)};
            const SDL_FPoint centre{turn->centreX, turn->centreY};
            copied = SDL_RenderCopyExF(renderer_, from, &sourceRect, &target, turn->degrees, &centre,
                                       static_cast<SDL_RendererFlip>(turn->flip)) == 0;
        }
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
