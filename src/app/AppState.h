#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "app/SyncList.h"
#include "app/Textures.h"
#include "media/Archive.h"
#include "media/MusicPlayer.h"
#include "media/Sound.h"
#include "platform/AudioDevice.h"
#include "platform/Clock.h"
#include "platform/Renderer.h"
#include "platform/Window.h"

class Game;
class GlobalStatistics;

// The one application record: run state, the current screen, the screen size,
// the window and renderer, timing, the mouse position, settings and texts.
// Every part reaches it through GetAppState().
struct AppState {
    AppState();
    ~AppState();
    AppState(const AppState&) = delete;
    AppState& operator=(const AppState&) = delete;

    // 0 = the main menu is in charge, 1 = a mini-game runs inside the main
    // menu, 2 = quit requested (the main loop ends).
    int runState = 0;
    // The screen that receives window input; the main menu once it exists.
    Game* currentScreen = nullptr;
    int screenWidth = 1024;
    int screenHeight = 768;
    bool fullscreen = true;

    // Platform objects; the shell creates them at start-up and releases them
    // at shutdown in a fixed order.
    std::unique_ptr<platform::Window> window;
    std::unique_ptr<platform::Renderer> renderer;
    std::unique_ptr<platform::Clock> clock;

    // The open asset archive, or empty when it could not be opened.
    ArchiveHandle archive;
    // The shared textures; the splash slot is emptied after start-up.
    std::unique_ptr<platform::Texture> textures[TEXTURE_SLOT_COUNT];

    int soundVolume = 100;  // 0..100; 0 silences every effect
    int musicVolume = 100;  // 0..100

    // Sound: the audio device (empty until sound start-up succeeded), per
    // sound id nothing or the voices of its effect, and the music player. The
    // voices and the player's music go before the device.
    std::unique_ptr<platform::AudioDevice> audioDevice;
    SoundSlot soundSlots[kSoundSlotCount];
    std::unique_ptr<MusicPlayer> musicPlayer;

    int mouseX = 0;  // last mouse-move position, logical pixels
    int mouseY = 0;

    bool hasPerformanceCounter = false;
    double secondsPerTick = 0.001;
    bool paused = false;
    double frameTime = 0.0;     // seconds since the previous frame, 0 while paused
    int64_t lastCounter = 0;
    int64_t currentCounter = 0;
    // The counter when the input being handled arose (0: not known).
    int64_t inputCounter = 0;
    // Frames presented so far, and the counter right after the last one was.
    uint64_t presentedFrames = 0;
    int64_t presentedCounter = 0;
    double rawFrameTime = 0.0;  // seconds since the previous frame, also while paused
    double updateAccumulator = 0.0;

    SyncList<std::string> texts;  // language texts by index
    // Plays, grades and times over all games, and the best list of tests;
    // loaded at start-up, saved at exit.
    std::shared_ptr<GlobalStatistics> statistics;

    int language = 0;  // 0 = German, 1 = English
    char decimalMark = '.';  // in the numbers shown: ',' in German
    bool introEnabled = true;

    // Window-procedure flags: a Ctrl key is held; an Escape release may reach
    // the screen (cleared when the intro was ended with Escape, so that the
    // release of that press is swallowed); the Enter and the Ctrl release of a
    // Ctrl+Enter switch are still to be swallowed (until the focus is lost).
    bool ctrlHeld = false;
    bool escapeArmed = true;
    bool swallowEnterRelease = false;
    bool swallowCtrlRelease = false;
    // The key-down being handled is the keyboard's auto-repeat of a held key.
    bool keyRepeat = false;

    // A file could not be saved and the player has been told (once a run).
    bool saveFailureReported = false;

    // Counts the loading screen's steps during start-up.
    int loadingStep = 0;
    double loadingShownAt = 0.0;  // when the loading screen was last drawn (SecondsNow)

    // Draws the mouse pointer over everything a frame shows (the main menu's).
    std::function<void()> drawCursor;
};

// The one AppState, created on the first call.
AppState* GetAppState();

// Ends the AppState's life (at the end of the run, and between tests).
void DestroyAppState();
