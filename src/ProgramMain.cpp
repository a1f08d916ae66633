#include "ProgramMain.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "StartupReport.h"
#include "app/AppState.h"
#include "app/MainLoop.h"
#include "app/SheetDecoder.h"
#include "app/Textures.h"
#include "games/base/StartupFiles.h"
#include "media/Intro.h"
#include "media/Sound.h"
#include "menu/MainMenu.h"
#include "platform/Image.h"
#include "platform/LargePages.h"
#include "platform/MessageBox.h"
#include "platform/Paths.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"
#include "platform/SdlWindow.h"
#include "settings/FileLocations.h"
#include "settings/LanguageTexts.h"

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

// The settings as knobel.cfg gave them, before the command line changed them
// for this run.
struct SavedSettings {
    bool fullscreen;
    int language;
};

void ApplyCommandLine(AppState& app, const CommandLine& options) {
    if (options.fullscreen >= 0) {
        app.fullscreen = options.fullscreen == 1;
    }
    if (options.language >= 0 && options.language != app.language) {
        LoadLanguage(app, options.language);
    }
}

// What the player chose while playing is saved; what only the command line
// chose is not.
void RestoreSavedSettings(AppState& app, const CommandLine& options, const SavedSettings& saved) {
    if (options.fullscreen >= 0 && app.fullscreen == (options.fullscreen == 1)) {
        app.fullscreen = saved.fullscreen;
    }
    if (options.language >= 0 && app.language == options.language) {
        app.language = saved.language;
    }
}

// The end of a run that started: settings and statistics are saved.
int EndRun(AppState& app, const CommandLine& options, const SavedSettings& saved, int status) {
    RestoreSavedSettings(app, options, saved);
    SaveExitFiles(app);
    DestroyAppState();
    platform::Shutdown();
    return status;
}

// The window's icon, from the archive; the window keeps the system's when the
// entry is missing or unreadable.
void SetWindowIcon(platform::SdlWindow& window, ArchiveFile* archive) {
    std::vector<uint8_t> bytes;
    platform::Image icon;
    if (ArchiveRead(archive, "icon.PNG", bytes) && platform::DecodePng(bytes.data(), bytes.size(), icon)) {
        window.SetIcon(icon);
    }
}

}  // namespace

int RunProgram(const CommandLine& options) {
    platform::ReuseFreedLargeBlocks();
    // Found anywhere but beside the program or in the working folder, the data
    // is an installation's, and the files the program writes go to the user's
    // data folder.
    const std::string archivePath = FindDataFile("sport.gob");
    SetRunsInstalled(IsInstalledLocation(archivePath, platform::ExecutableDirectory()));
    AppState& app = *GetAppState();
    LoadStartupFiles(app);
    const SavedSettings saved{app.fullscreen, app.language};
    ApplyCommandLine(app, options);

    // The sheets decode on every core while the platform, the window and the
    // renderer start; with an intro to play, after it, so as not to slow it.
    // A missing archive is reported by the texture loading below.
    const std::string intro = options.noIntro ? std::string() : FindDataFile("intro.avi");
    std::unique_ptr<SheetDecoder> sheets;
    const auto startSheets = [&app, &archivePath, &sheets] {
        app.archive = ArchiveOpen(archivePath);
        sheets = StartSheetDecoding(app);
    };
    if (!IntroPlays(app, intro)) {
        startSheets();
    }

    platform::SetApplicationIdentity(KNOBEL_APP_ID, "Knobelkiste");
    std::string error;
    if (!platform::Initialize(&error)) {
        return FailStartup(app, kDeviceError, error);
    }

    if (!PlayIntro(app, intro)) {
        // The player closed the program during the intro.
        return EndRun(app, options, saved, 0);
    }

    app.runState = 0;
    app.screenWidth = 1024;
    app.screenHeight = 768;
    if (!sheets) {
        startSheets();
    }

    auto window = platform::SdlWindow::Create("Knobelkiste", app.screenWidth, app.screenHeight,
                                              app.fullscreen, &error);
    if (!window) {
        return FailStartup(app, kDeviceError, error);
    }
    auto renderer = platform::SdlRenderer::CreateForWindow(*window, app.screenWidth, app.screenHeight, &error);
    if (!renderer) {
        return FailStartup(app, kDeviceError, error);
    }
    SetWindowIcon(*window, app.archive.get());
    platform::HideSystemCursor();
    window->Show();
    app.window = std::move(window);
    app.renderer = std::move(renderer);

    if (!LoadSharedTextures(app, std::move(sheets))) {
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
    const int status = RunMainLoop(app, std::move(screen), options.reportStartup ? PrintStartupReport : nullptr);
    return EndRun(app, options, saved, status);
}
