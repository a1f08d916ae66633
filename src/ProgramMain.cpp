#include "ProgramMain.h"

#include <memory>
#include <string>

#include "app/AppState.h"
#include "app/MainLoop.h"
#include "app/Textures.h"
#include "games/base/StartupFiles.h"
#include "media/Intro.h"
#include "media/Sound.h"
#include "menu/MainMenu.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"
#include "platform/SdlWindow.h"
#include "settings/FileLocations.h"
#include "StartupReport.h"

namespace {

constexpr const char* kErrorCaption = "Fehler!";
constexpr const char* kDeviceError = "Direct3D kann nicht initialisiert werden";
constexpr const char* kTextureError = "Es wurden nicht alle notwendigen Texturdateien gefunden";
constexpr const char* kSoundError = "DirectSound kann nicht initialisiert werden";

// Leaves nothing behind after a failed start-up; the exit status says it failed.
int FailStartup(AppState& app, const std::string& text, const std::string& detail) {
    platform::ShowErrorMessage(kErrorCaption, text, detail);
    ReleaseEverything(app);
    DestroyAppState();
    platform::Shutdown();
    return 1;
}

// The end of a run that started: settings and statistics are saved.
int EndRun(AppState& app, int status) {
    SaveExitFiles(app);
    DestroyAppState();
    platform::Shutdown();
    return status;
}

}  // namespace

int RunProgram(bool reportStartup) {
    AppState& app = *GetAppState();
    LoadStartupFiles(app);

    std::string error;
    if (!platform::Initialize(&error)) {
        return FailStartup(app, kDeviceError, error);
    }

    if (!PlayIntro(app, FindDataFile("intro.avi"))) {
        // The player closed the program during the intro.
        return EndRun(app, 0);
    }

    app.runState = 0;
    app.screenWidth = 1024;
    app.screenHeight = 768;
    // A missing archive is reported by the texture loading below.
    app.archive = ArchiveOpen(FindDataFile("sport.gob"));

    auto window = platform::SdlWindow::Create("Knobelkiste", app.screenWidth, app.screenHeight,
                                              app.fullscreen, &error);
    if (!window) {
        return FailStartup(app, kDeviceError, error);
    }
    auto renderer = platform::SdlRenderer::CreateForWindow(*window, app.screenWidth, app.screenHeight, &error);
    if (!renderer) {
        return FailStartup(app, kDeviceError, error);
    }
    platform::HideSystemCursor();
    window->Show();
    app.window = std::move(window);
    app.renderer = std::move(renderer);

    if (!LoadSharedTextures(app)) {
        return FailStartup(app, kTextureError, "sport.gob");
    }
    if (!StartSound(app, &error)) {
        // The program runs silent.
        platform::ShowErrorMessage(kErrorCaption, kSoundError, error);
        app.soundVolume = 0;
        app.musicVolume = 0;
    }
    // The splash serves only the loading screen.
    app.textures[TEX_SPLASH].reset();

    std::unique_ptr<MainMenu> screen = CreateMainMenu(app);

    app.clock = std::make_unique<platform::SystemClock>();
    StartTiming(app);
    const int status = RunMainLoop(app, std::move(screen), reportStartup ? PrintStartupReport : nullptr);
    return EndRun(app, status);
}
