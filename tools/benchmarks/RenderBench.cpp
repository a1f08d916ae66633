// Prints the CPU cost of drawing one full screen of sprites and text with the
// software renderer at 1024 x 768: a background, a board of tiles covering the
// screen once more, turning clock hands, scaled pointers and twenty lines of
// text in two faces.
// Run from the build directory, where sport.gob lies.
#include <cstdio>
#include <ctime>
#include <string>

#include "app/AppState.h"
#include "app/Sprite.h"
#include "app/TextRenderer.h"
#include "app/Textures.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"

namespace {

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void DrawFrame(AppState& app, int frame, uint32_t tileColour) {
    app.renderer->Clear(0xFF646464u);
    DrawSprite(app.textures[TEX_BG].get(), nullptr, nullptr, nullptr, 0.0, nullptr, 0xFFFFFFFFu);
    // A board of 8 x 6 tiles of 128 x 128 pixels covering the screen once,
    // drawn with transparency (panel corners, shadows), plain or tinted.
    for (int i = 0; i < 48; ++i) {
        const platform::Rect tile{(i % 4) * 128, (i % 3) * 128, (i % 4) * 128 + 128, (i % 3) * 128 + 128};
        const Vec2 at{static_cast<float>((i % 8) * 128), static_cast<float>((i / 8) * 128)};
        DrawSprite(app.textures[TEX_MENU1].get(), &tile, nullptr, nullptr, 0.0, &at, tileColour);
    }
    // Four clock hands turning, two scaled pointers.
    for (int i = 0; i < 4; ++i) {
        const platform::Rect hand{0, 0, 16, 96};
        const Vec2 centre{8.0f, 90.0f};
        const Vec2 at{static_cast<float>(200 + i * 200), 300.0f};
        DrawSprite(app.textures[TEX_MISC1].get(), &hand, nullptr, &centre, 0.05 * (frame + i * 10), &at,
                   0xFFFFFFFFu);
    }
    for (int i = 0; i < 2; ++i) {
        const platform::Rect pointer{0, 0, 48, 48};
        const Vec2 scale{1.5f, 1.5f};
        const Vec2 at{static_cast<float>(100 + i * 500), 600.0f};
        DrawSprite(app.textures[TEX_MISC1].get(), &pointer, &scale, nullptr, 0.0, &at, 0xFFFFFFFFu);
    }
    TextRenderer* text = GetTextRenderer();
    for (int line = 0; line < 20; ++line) {
        const std::string caption = "Zeile " + std::to_string(line) + ": Kopfrechnen, Uhr lesen, Wechselgeld";
        text->DrawTextAt(caption, 512.0f, static_cast<float>(20 + line * 36), 0xFF000000u, 0x01,
                         line % 2 == 0 ? 0 : 1);
    }
}

}  // namespace

int main() {
    if (!platform::Initialize()) {
        std::fprintf(stderr, "no video driver\n");
        return 1;
    }
    AppState& app = *GetAppState();
    app.renderer = platform::SdlRenderer::CreateOffscreen(1024, 768);
    app.archive = ArchiveOpen("sport.gob");
    if (!app.renderer || !LoadSharedTextures(app)) {
        std::fprintf(stderr, "cannot load the textures of sport.gob (run from the build directory)\n");
        return 1;
    }
    TextRenderer* text = GetTextRenderer();
    text->AddFont("Comic Sans MS", 30);
    text->AddFont("Arial", 20);

    for (const uint32_t tileColour : {0xFFFFFFFFu, 0xFFFFE0C0u}) {
        for (int frame = 0; frame < 20; ++frame) {  // warm the caches
            DrawFrame(app, frame, tileColour);
        }
        const int frames = 300;
        const double start = CpuSeconds();
        for (int frame = 0; frame < frames; ++frame) {
            DrawFrame(app, frame, tileColour);
            app.renderer->Present();
        }
        const double perFrame = (CpuSeconds() - start) / frames;
        std::printf("full screen of sprites and text, software renderer 1024x768, tiles %s: %.3f ms CPU per frame "
                    "(%d frames)\n",
                    tileColour == 0xFFFFFFFFu ? "untinted" : "tinted  ", perFrame * 1000.0, frames);
    }

    text->Release();
    for (auto& texture : app.textures) {
        texture.reset();
    }
    DestroyAppState();
    platform::Shutdown();
    return 0;
}
