#pragma once

#include <cstdint>
#include <memory>

#include "platform/Renderer.h"

struct ArchiveFile;
struct AppState;
class SheetDecoder;

// The shared textures, in slot order.
enum TextureSlot {
    TEX_MISC1,
    TEX_MISC2,
    TEX_MISC3,
    TEX_MISC4,
    TEX_MENU1,
    TEX_MENU2,
    TEX_MENU3,
    TEX_MEMORYCARDS1,
    TEX_MEMORYCARDS2,
    TEX_SPLASH,
    TEX_MEMORY_MUSTER,
    TEX_BACK1,
    TEX_BACK2,
    TEX_BACK3,
    TEX_BACK4,
    TEX_BG,
    TEXTURE_SLOT_COUNT
};

// The archive name of each shared texture (upper and lower case as stored).
const char* TextureFileName(TextureSlot slot);

// Result codes of LoadTexture.
constexpr int kTextureOk = 0;
constexpr int kTextureFailed = -1;

// The colour that becomes transparent when a texture is loaded: opaque R0 G255 B100.
constexpr uint32_t kColourKey = 0xFF00FF64u;

// Turns every pixel of exactly the colour key into transparent black.
void ApplyColourKey(platform::Image& image);

// Creates a texture from the archive entry `name` (PNG, colour key applied,
// texel = image pixel), trying once more when the first try fails; with
// fallback set, a plain file of that name is tried when the archive gives
// none. kTextureOk, or kTextureFailed with texture left empty.
int LoadTexture(const char* name, std::unique_ptr<platform::Texture>& texture, ArchiveFile* archive,
                bool fallback);

// Reads the sixteen shared sheets from the archive and starts decoding them
// on worker threads, which may begin before the window and the renderer exist.
std::unique_ptr<SheetDecoder> StartSheetDecoding(AppState& app);

// Loads the sixteen shared textures behind the loading screen (from
// `decoding`, or from sheets decoded now when it is null): one step before
// anything is loaded, one after the splash and misc1, one after each further
// texture, each a LoadingStep. Stops at the first failure and returns false.
bool LoadSharedTextures(AppState& app, std::unique_ptr<SheetDecoder> decoding);
bool LoadSharedTextures(AppState& app);

// Counts one loading step and draws the loading screen once: the splash, the
// title banner of the language, the empty bar and the filled part (full
// after 14 steps).
void ProgressStep(AppState& app);

// A ProgressStep that is only counted, not drawn, when the loading screen was
// last drawn less than a thirtieth of a second ago, unless it is the `last`
// step of its kind: the screen shows progress while drawing costs little.
void LoadingStep(AppState& app, bool last);

// The steps after which the loading bar is full.
constexpr int kLoadingStepsToFull = 14;
