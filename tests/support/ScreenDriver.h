#pragma once

#include <memory>
#include <string>

#include "platform/Message.h"
#include "support/TempFolder.h"

struct AppState;
class GUIElement;
class MainMenu;
class RecordingRenderer;
namespace platform {
class ManualClock;
class SdlRenderer;
}  // namespace platform

// Runs the real program headless for screen tests: the AppState with its
// start-up files, the shared textures, sound and the main menu as the current
// screen, made as start-up makes them. Input goes through the window
// procedure, as the window's messages do; frames are stepped with a fixed
// frame time (a manual clock); a frame can be saved as a PNG.
//
// The working directory is a fresh temporary folder for the driver's life
// (settings and save files are written there); the language files and
// "sport.gob" are found beside the test executable, else in the directory it
// was started from (the build directory).
class ScreenDriver {
public:
    enum class Mode {
        // The software renderer with the textures of sport.gob and the real
        // sound effects: exact pixels for screenshots.
        Pixels,
        // The recording renderer with a blank texture in every slot: each draw
        // can be asserted. The archive of the build, when there is one, is
        // open for the games' text data. Every sound id has long silent voices instead of its
        // effect, so that a test can count what was played.
        Recording,
    };

    static constexpr double kFrameSeconds = 1.0 / 60.0;

    // language: 0 German, 1 English (written to knobel.cfg before start-up).
    // The files of startFiles, when given, are copied into the working folder
    // before start-up; a knobel.cfg among them replaces the driver's.
    explicit ScreenDriver(Mode mode, int language = 0, const std::string& startFiles = {});
    // Ends the run as the shell does: the menu first, then fonts, textures,
    // renderer and sound; settings and statistics are saved into the folder.
    ~ScreenDriver();
    ScreenDriver(const ScreenDriver&) = delete;
    ScreenDriver& operator=(const ScreenDriver&) = delete;

    // False when start-up failed (for Pixels: no sport.gob in the build directory).
    bool Ready() const { return menu_ != nullptr; }
    const std::string& Problem() const { return problem_; }

    AppState& App() { return *app_; }
    MainMenu& Menu() { return *menu_; }
    const TempFolder& Folder() const { return folder_; }
    // Recording mode: what the last frame drew.
    RecordingRenderer* Recorder() { return recorder_; }

    // Destroys the menu (and the game it hosts) as the shell does at exit;
    // the AppState stays for a look at what that recorded.
    void CloseMenu();

    // One message through the window procedure.
    void Send(const platform::Message& message);
    void MoveMouse(int x, int y);
    // Moves there, presses and releases the left button.
    void Click(int x, int y);
    void KeyDown(int key);
    void KeyUp(int key);
    // Down and up.
    void PressKey(int key);
    // Presses the key of every letter, digit or blank of text (letters as
    // their upper-case key codes, Shift held for upper-case letters).
    void Type(const std::string& text);

    // The element with this id in the page shown (the first found), or null.
    GUIElement* FindElement(int id);
    // Moves the mouse to the middle of the element of the page shown; false
    // when it is not there.
    bool MoveOver(int id);
    // Clicks the middle of the element of the page shown; false when it is not there.
    bool ClickElement(int id);

    // Advances the clock by seconds, then runs one frame: update and render.
    void Frame(double seconds = kFrameSeconds);
    // Frames of frameSeconds each until at least seconds have passed.
    void RunFor(double seconds, double frameSeconds = kFrameSeconds);

    // Pixels mode: writes the last frame to path (folders are created);
    // relative paths are taken from the build directory.
    bool Screenshot(const std::string& path);

    // Recording mode: how many voices of the sound id are playing.
    int PlayingVoices(int soundId) const;

private:
    void StartPixels();
    void StartRecording();
    void FillSilentVoices();
    // A data file beside the executable, else in the build directory.
    std::string DataFile(const std::string& name) const;

    std::string buildDirectory_;
    TempFolder folder_;
    std::unique_ptr<WorkingDirectoryScope> workingDirectory_;
    AppState* app_ = nullptr;
    platform::ManualClock* clock_ = nullptr;
    platform::SdlRenderer* pixels_ = nullptr;
    RecordingRenderer* recorder_ = nullptr;
    std::unique_ptr<MainMenu> menu_;
    std::string problem_;
    bool platformStarted_ = false;
};
