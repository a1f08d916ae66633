// Prints how long the program takes from the start of main() to its first
// presented menu frame, and the CPU time per frame in the menu and with each
// game hosted, headless with the software renderer at 1024 x 768. Start-up
// runs as the program's does (settings, statistics and texts, archive, the
// sixteen textures decoding while the platform starts, sound, the main menu);
// only the window is replaced by an image in memory. Every frame is drawn in
// full, as one that changes is.
// Run from the build directory, where sport.gob and the language files lie;
// with a game's index as argument, only that game is hosted.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/MainLoop.h"
#include "app/SheetDecoder.h"
#include "app/Textures.h"
#include "app/WindowProc.h"
#include "games/base/StartupFiles.h"
#include "media/Sound.h"
#include "menu/GameTable.h"
#include "menu/MainMenu.h"
#include "platform/Clock.h"
#include "platform/LargePages.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"
#include "settings/FileLocations.h"

namespace {

double Seconds(clockid_t clock) {
    timespec now{};
    clock_gettime(clock, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// After start-up the frames run on a clock that moves 1/60 s a frame, as the
// game time does in a window at 60 frames a second.
struct BenchLoop {
    AppState& app;
    platform::SdlRenderer& renderer;
    platform::ManualClock& clock;

    void Frame() {
        clock.Advance(1.0 / 60.0);
        UpdateStep(app);
        RenderStep(app);
    }

    // CPU milliseconds per frame over `frames` frames, the mouse moving across
    // the screen, every frame drawn in full.
    double CpuPerFrame(int frames) {
        const double start = Seconds(CLOCK_PROCESS_CPUTIME_ID);
        for (int frame = 0; frame < frames; ++frame) {
            platform::Message move;
            move.kind = platform::MessageKind::MouseMove;
            move.x = (frame * 7) % app.screenWidth;
            move.y = (frame * 5) % app.screenHeight;
            WindowProc(app, move);
            Frame();
        }
        return (Seconds(CLOCK_PROCESS_CPUTIME_ID) - start) / frames * 1000.0;
    }

    // Of `frames` frames with nobody touching anything, how many differ from
    // the one before and so are drawn (a window shows only those).
    int DrawnWhileUntouched(int frames) {
        renderer.SkipUnchangedFrames(true);
        Frame();
        const int before = renderer.PresentedFrames();
        for (int frame = 0; frame < frames; ++frame) {
            Frame();
        }
        renderer.SkipUnchangedFrames(false);
        return renderer.PresentedFrames() - before;
    }

    // Prints the CPU per frame and the frames drawn while untouched; the CPU
    // per frame is returned.
    double Report(const std::string& what) {
        CpuPerFrame(20);  // warm the caches
        const int frames = 120;
        const double perFrame = CpuPerFrame(frames);
        const int untouchedFrames = 600;
        const int drawn = DrawnWhileUntouched(untouchedFrames);
        // Drawn frames a second times their CPU each, as a share of one core.
        const double idle = drawn * 60.0 / untouchedFrames * perFrame / 10.0;
        std::printf("%-14s %.3f ms CPU per frame (%d frames); untouched %3d of %d frames drawn, ~%.1f %% of a core\n",
                    what.c_str(), perFrame, frames, drawn, untouchedFrames, idle);
        return perFrame;
    }

    // Hosts game `index` past its countdown and reports it.
    double Hosted(MainMenu& menu, int index) {
        menu.LaunchGame(index);
        while (menu.countdown > 0.0) {
            Frame();
        }
        const double perFrame = Report("game " + std::to_string(index) + ":");
        menu.CloseGame();
        return perFrame;
    }
};

}  // namespace

int main(int argc, char** argv) {
    const double mainStart = Seconds(CLOCK_MONOTONIC);
    platform::ReuseFreedLargeBlocks();
    AppState& app = *GetAppState();
    LoadStartupFiles(app);
    app.archive = ArchiveOpen(FindDataFile("sport.gob"));
    std::unique_ptr<SheetDecoder> sheets = StartSheetDecoding(app);
    if (!platform::Initialize()) {
        std::fprintf(stderr, "no video driver\n");
        return 1;
    }
    std::unique_ptr<platform::SdlRenderer> offscreen =
        platform::SdlRenderer::CreateOffscreen(app.screenWidth, app.screenHeight);
    platform::SdlRenderer* renderer = offscreen.get();
    app.renderer = std::move(offscreen);
    if (!app.renderer || !LoadSharedTextures(app, std::move(sheets))) {
        std::fprintf(stderr, "cannot load the textures of sport.gob (run from the build directory)\n");
        return 1;
    }
    StartSound(app);
    app.textures[TEX_SPLASH].reset();
    const double menuStart = Seconds(CLOCK_MONOTONIC);
    std::unique_ptr<MainMenu> menu = CreateMainMenu(app);
    app.clock = std::make_unique<platform::SystemClock>();
    StartTiming(app);
    UpdateStep(app);
    RenderStep(app);
    const double firstFrame = Seconds(CLOCK_MONOTONIC) - mainStart;
    std::printf("main() to the first presented menu frame: %.1f ms (%.1f ms CPU)\n", firstFrame * 1000.0,
                Seconds(CLOCK_PROCESS_CPUTIME_ID) * 1000.0);
    std::printf("  of which loading (files, textures, sound): %.1f ms, the menu and its first frame: %.1f ms\n",
                (menuStart - mainStart) * 1000.0, (Seconds(CLOCK_MONOTONIC) - menuStart) * 1000.0);

    auto clock = std::make_unique<platform::ManualClock>();
    BenchLoop loop{app, *renderer, *clock};
    app.clock = std::move(clock);
    StartTiming(app);
    loop.Report("menu:");

    // The games write their save files: keep them out of the build directory.
    const std::filesystem::path workFolder = std::filesystem::temp_directory_path() / "knobel-menu-bench";
    std::filesystem::create_directories(workFolder);
    const std::filesystem::path buildFolder = std::filesystem::current_path();
    std::filesystem::current_path(workFolder);

    double slowest = 0.0;
    const int only = argc > 1 ? std::atoi(argv[1]) : -1;
    for (int index = 0; index < kGameCount; ++index) {
        if (only < 0 || index == only) {
            slowest = std::max(slowest, loop.Hosted(*menu, index));
        }
    }
    std::printf("slowest game hosted: %.3f ms CPU per frame\n", slowest);

    app.drawCursor = nullptr;
    menu.reset();
    app.currentScreen = nullptr;
    ReleaseEverything(app);
    ArchiveClose(app.archive);
    DestroyAppState();
    platform::Shutdown();
    std::filesystem::current_path(buildFolder);
    std::filesystem::remove_all(workFolder);
    return 0;
}
