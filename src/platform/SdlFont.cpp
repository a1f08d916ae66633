#include "platform/SdlFont.h"

#include <SDL.h>
#include <SDL_ttf.h>

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/DrawList.h"
#include "platform/FontLocator.h"
#include "platform/TextLayout.h"

namespace platform {

// One open TrueType font, shared by every face of the same file and height.
struct OpenTtfFont {
    OpenTtfFont(TTF_Font* font, std::string path, int pointSize)
        : font(font), path(std::move(path)), pointSize(pointSize) {}
    ~OpenTtfFont() {
        // After the font library shut down its faces are gone already.
        if (TTF_WasInit() != 0) {
            TTF_CloseFont(font);
        }
    }
    OpenTtfFont(const OpenTtfFont&) = delete;
    OpenTtfFont& operator=(const OpenTtfFont&) = delete;

    TTF_Font* font;
    std::string path;
    int pointSize;
};

namespace {

// Larger line heights are refused (no screen is that tall).
constexpr int kMaxHeight = 2048;

// Every face in existence, so that a renderer going away can reach them.
std::vector<SdlFont*>& LiveFonts() {
    static std::vector<SdlFont*> fonts;
    return fonts;
}

// Open fonts by file, face index and height. They stay open while any face
// exists (the menu's faces live for the whole run, so a game adding a face
// it had before opens nothing), and are closed with the last face, before
// the font library shuts down.
using OpenFaceKey = std::tuple<std::string, int, int>;
std::map<OpenFaceKey, std::shared_ptr<OpenTtfFont>>& OpenFaces() {
    static std::map<OpenFaceKey, std::shared_ptr<OpenTtfFont>> faces;
    return faces;
}

// The largest point size whose glyph cell fits the height (at least 1).
int FitPointSize(TTF_Font* font, int height) {
    int pointSize = height;
    TTF_SetFontSize(font, pointSize);
    while (pointSize > 1 && TTF_FontHeight(font) > height) {
        TTF_SetFontSize(font, --pointSize);
    }
    while (pointSize < kMaxHeight) {
        TTF_SetFontSize(font, pointSize + 1);
        if (TTF_FontHeight(font) > height) {
            break;
        }
        ++pointSize;
    }
    TTF_SetFontSize(font, pointSize);
    return pointSize;
}

}  // namespace

std::unique_ptr<SdlFont> SdlFont::Create(SDL_Renderer* renderer, const std::string& faceName, int height) {
    if (renderer == nullptr || height <= 0 || height > kMaxHeight || TTF_WasInit() == 0) {
        return nullptr;
    }
    const FontFile file = FindFontFile(faceName);
    if (file.path.empty()) {
        return nullptr;
    }
    const OpenFaceKey key{file.path, file.index, height};
    auto& openFaces = OpenFaces();
    std::shared_ptr<OpenTtfFont> face;
    auto it = openFaces.find(key);
    if (it != openFaces.end()) {
        face = it->second;
    } else {
        TTF_Font* font = TTF_OpenFontIndex(file.path.c_str(), height, file.index);
        if (font == nullptr) {
            return nullptr;
        }
        if (!file.bold) {
            TTF_SetFontStyle(font, TTF_STYLE_BOLD);
        }
        const int pointSize = FitPointSize(font, height);
        face = std::make_shared<OpenTtfFont>(font, file.path, pointSize);
        openFaces.emplace(key, face);
    }
    return std::unique_ptr<SdlFont>(new SdlFont(renderer, faceName, height, std::move(face)));
}

SdlFont::SdlFont(SDL_Renderer* renderer, std::string faceName, int height, std::shared_ptr<OpenTtfFont> face)
    : renderer_(renderer), faceName_(std::move(faceName)), height_(height), face_(std::move(face)) {
    serial_ = NextDrawSerial();
    LiveFonts().push_back(this);
}

SdlFont::~SdlFont() {
    DropCache();
    auto& live = LiveFonts();
    live.erase(std::remove(live.begin(), live.end(), this), live.end());
    face_.reset();
    if (live.empty()) {
        OpenFaces().clear();
    }
}

void SdlFont::ForgetRenderer(SDL_Renderer* renderer) {
    for (SdlFont* font : LiveFonts()) {
        if (font->renderer_ == renderer) {
            font->DropCache();
            font->renderer_ = nullptr;
        }
    }
}

SdlFont* SdlFont::Live(const void* font, uint64_t serial) {
    for (SdlFont* live : LiveFonts()) {
        if (live == font && live->serial_ == serial) {
            return live;
        }
    }
    return nullptr;
}

const std::string& SdlFont::FilePath() const { return face_->path; }

int SdlFont::PointSize() const { return face_->pointSize; }

int SdlFont::GlyphCellHeight() const { return TTF_FontHeight(face_->font); }

void SdlFont::DropCache() {
    for (CachedLine& line : lines_) {
        if (line.texture != nullptr) {
            SDL_DestroyTexture(line.texture);
        }
    }
    lines_.clear();
    byText_.clear();
    widths_.clear();
    cachedBytes_ = 0;
}

int SdlFont::MeasureWidth(std::string_view text) {
    // Layout measures the same words and lines every frame: remember them.
    const std::string key(text);
    auto known = widths_.find(key);
    if (known != widths_.end()) {
        return known->second;
    }
    const std::string utf8 = Cp1252ToUtf8(text);
    int width = 0;
    int height = 0;
    if (utf8.empty() || TTF_SizeUTF8(face_->font, utf8.c_str(), &width, &height) != 0) {
        width = 0;
    }
    if (widths_.size() >= kMaxMeasuredTexts) {
        widths_.clear();
    }
    widths_.emplace(key, width);
    return width;
}

const SdlFont::CachedLine& SdlFont::Rasterised(const std::string& text) {
    auto found = byText_.find(text);
    if (found != byText_.end()) {
        lines_.splice(lines_.begin(), lines_, found->second);
        return lines_.front();
    }
    ++rasterised_;
    CachedLine line{text, nullptr, 0, 0};
    const std::string utf8 = Cp1252ToUtf8(text);
    SDL_Surface* surface =
        utf8.empty() ? nullptr : TTF_RenderUTF8_Blended(face_->font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
    if (surface != nullptr) {
        line.texture = SDL_CreateTextureFromSurface(renderer_, surface);
        if (line.texture != nullptr) {
            line.width = surface->w;
            line.height = surface->h;
            SDL_SetTextureBlendMode(line.texture, SDL_BLENDMODE_BLEND);
            SDL_SetTextureScaleMode(line.texture, SDL_ScaleModeLinear);
        }
        SDL_FreeSurface(surface);
    }
    cachedBytes_ += static_cast<size_t>(line.width) * static_cast<size_t>(line.height) * 4;
    lines_.push_front(std::move(line));
    byText_.emplace(text, lines_.begin());
    EvictBeyondLimits();
    return lines_.front();
}

void SdlFont::EvictBeyondLimits() {
    // The newest line stays, however large it is.
    while (lines_.size() > 1 && (lines_.size() > kMaxCachedLines || cachedBytes_ > kMaxCachedBytes)) {
        CachedLine& oldest = lines_.back();
        cachedBytes_ -= static_cast<size_t>(oldest.width) * static_cast<size_t>(oldest.height) * 4;
        if (oldest.texture != nullptr) {
            SDL_DestroyTexture(oldest.texture);
        }
        byText_.erase(oldest.text);
        lines_.pop_back();
    }
}

void SdlFont::Draw(std::string_view text, const Rect& rect, uint32_t format, uint32_t argb) {
    if (renderer_ == nullptr || text.empty()) {
        return;
    }
    const std::vector<TextLine> lines =
        LayoutText(text, rect, format, height_, [this](std::string_view line) { return MeasureWidth(line); });
    // The glyph cell sits in the middle of the line's cell.
    const int offset = std::max(0, (height_ - GlyphCellHeight()) / 2);
    const bool clip = (format & dt::NoClip) == 0;
    for (const TextLine& line : lines) {
        const CachedLine& cached = Rasterised(line.text);
        if (cached.texture == nullptr) {
            continue;
        }
        Rect dest{line.x, line.y + offset, line.x + cached.width, line.y + offset + cached.height};
        Rect source{0, 0, cached.width, cached.height};
        if (clip && !ClipToRect(rect, dest, source)) {
            continue;
        }
        SDL_SetTextureColorMod(cached.texture, static_cast<Uint8>(argb >> 16), static_cast<Uint8>(argb >> 8),
                               static_cast<Uint8>(argb));
        SDL_SetTextureAlphaMod(cached.texture, static_cast<Uint8>(argb >> 24));
        const SDL_Rect from{source.left, source.top, source.right - source.left, source.bottom - source.top};
        const SDL_Rect to{dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top};
        SDL_RenderCopy(renderer_, cached.texture, &from, &to);
    }
}

}  // namespace platform
