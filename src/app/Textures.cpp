#include "app/Textures.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/AppState.h"
#include "app/MainLoop.h"
#include "app/SheetDecoder.h"
#include "app/Sprite.h"
#include "media/Archive.h"
#include "platform/Clock.h"

namespace {

constexpr const char* kFileNames[TEXTURE_SLOT_COUNT] = {
    "misc1.PNG",         "misc2.PNG", "misc3.PNG", "misc4.PNG", "menu1.PNG",        "menu2.PNG",
    "menu3.PNG",         "MemoryCards1.png", "MemoryCards2.png", "splash.PNG", "Memory_Muster.PNG",
    "back1.PNG",         "back2.PNG", "back3.PNG", "back4.PNG", "bg.PNG",
};

// The splash first (it draws the loading screen), then misc1, then the rest.
constexpr TextureSlot kLoadingOrder[] = {
    TEX_SPLASH, TEX_MISC1, TEX_MISC2,        TEX_MISC3,        TEX_MISC4,         TEX_MENU1, TEX_MENU2, TEX_MENU3,
    TEX_BACK1,  TEX_BACK2, TEX_BACK3,        TEX_BACK4,        TEX_MEMORYCARDS1, TEX_MEMORYCARDS2, TEX_MEMORY_MUSTER,
    TEX_BG,
};

// While the sheets load, a loading frame is shown at most this often (the
// last step always shows): each frame costs what a sheet costs to load.
constexpr double kLoadingFrameSeconds = 1.0 / 30.0;

std::unique_ptr<platform::Texture> TextureFromBytes(const std::vector<uint8_t>& bytes) {
    platform::Image image;
    if (!platform::DecodePng(bytes.data(), bytes.size(), image)) {
        return nullptr;
    }
    ApplyColourKey(image);
    return GetAppState()->renderer->CreateTexture(std::move(image));
}

// Two tries, as a texture creation may fail once for passing reasons.
std::unique_ptr<platform::Texture> TextureFromBytesTwice(const std::vector<uint8_t>& bytes) {
    std::unique_ptr<platform::Texture> texture = TextureFromBytes(bytes);
    if (!texture) {
        texture = TextureFromBytes(bytes);
    }
    return texture;
}

bool ReadPlainFile(const char* name, std::vector<uint8_t>& out) {
    std::ifstream file(name, std::ios::binary);
    if (!file) {
        return false;
    }
    out.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    return !file.bad();
}

void DrawRegion(AppState& app, const SheetRegion& region, float x, float y) {
    const Vec2 scale{static_cast<float>(app.screenWidth) / 1024.0f, static_cast<float>(app.screenHeight) / 768.0f};
    const Vec2 at{x, y};
    DrawSprite(app.textures[TEX_SPLASH].get(), region, &scale, nullptr, 0.0, &at, 0xFFFFFFFFu);
}

}  // namespace

const char* TextureFileName(TextureSlot slot) {
    return slot >= 0 && slot < TEXTURE_SLOT_COUNT ? kFileNames[slot] : "";
}

void ApplyColourKey(platform::Image& image) {
    for (uint32_t& pixel : image.pixels) {
        if (pixel == kColourKey) {
            pixel = 0;
        }
    }
}

int LoadTexture(const char* name, std::unique_ptr<platform::Texture>& texture, ArchiveFile* archive,
                bool fallback) {
    texture.reset();
    if (name == nullptr || !GetAppState()->renderer) {
        return kTextureFailed;
    }
    std::vector<uint8_t> bytes;
    if (ArchiveRead(archive, name, bytes)) {
        texture = TextureFromBytesTwice(bytes);
    }
    if (!texture && fallback && ReadPlainFile(name, bytes)) {
        texture = TextureFromBytesTwice(bytes);
    }
    return texture ? kTextureOk : kTextureFailed;
}

std::unique_ptr<SheetDecoder> StartSheetDecoding(AppState& app) {
    std::vector<std::vector<uint8_t>> files(std::size(kLoadingOrder));
    for (size_t i = 0; i < files.size(); ++i) {
        ArchiveRead(app.archive.get(), kFileNames[kLoadingOrder[i]], files[i]);
    }
    return std::make_unique<SheetDecoder>(std::move(files));
}

bool LoadSharedTextures(AppState& app) { return LoadSharedTextures(app, nullptr); }

bool LoadSharedTextures(AppState& app, std::unique_ptr<SheetDecoder> decoding) {
    ProgressStep(app);
    if (!decoding) {
        decoding = StartSheetDecoding(app);
    }
    for (size_t i = 0; i < std::size(kLoadingOrder); ++i) {
        std::unique_ptr<platform::Texture>& texture = app.textures[kLoadingOrder[i]];
        platform::Image image;
        const bool decoded = decoding->TakeNext(image);
        if (decoded && app.renderer) {
            texture = app.renderer->CreateTexture(std::move(image));
            if (!texture) {
                // The second try, as a texture creation may fail once for passing reasons.
                texture = TextureFromBytes(decoding->File(i));
            }
        }
        if (!texture) {
            return false;
        }
        if (kLoadingOrder[i] != TEX_SPLASH) {
            LoadingStep(app, i + 1 == std::size(kLoadingOrder));
        }
    }
    return true;
}

void LoadingStep(AppState& app, bool last) {
    if (last || platform::SecondsNow() - app.loadingShownAt >= kLoadingFrameSeconds) {
        ProgressStep(app);
    } else {
        ++app.loadingStep;
    }
}

void ProgressStep(AppState& app) {
    ++app.loadingStep;
    if (!app.renderer) {
        return;
    }
    app.renderer->Clear(kClearColour);
    DrawRegion(app, {"background", {0, 0, 1024, 768}}, 0.0f, 0.0f);
    DrawRegion(app, app.language == 0 ? SheetRegion{"banner de", {0, 900, 700, 1012}}
                                      : SheetRegion{"banner en", {0, 1012, 700, 1124}},
               0.0f, 168.0f);
    DrawRegion(app, {"bar empty", {122, 768, 940, 834}}, 103.0f, 667.0f);
    const int filled = std::min(122 + app.loadingStep * 818 / kLoadingStepsToFull, 940);
    DrawRegion(app, {"bar full", {122, 834, filled, 900}}, 103.0f, 667.0f);
    app.renderer->Present();
    app.loadingShownAt = platform::SecondsNow();
}
