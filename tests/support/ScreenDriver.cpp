#include "support/ScreenDriver.h"

#include <cctype>
#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "app/AppState.h"
#include "app/MainLoop.h"
#include "app/Textures.h"
#include "app/WindowProc.h"
#include "games/base/StartupFiles.h"
#include "gui/GUIElement.h"
#include "media/Sound.h"
#include "menu/MainMenu.h"
#include "platform/Clock.h"
#include "platform/Image.h"
#include "platform/KeyMap.h"
#include "platform/Platform.h"
#include "platform/SdlRenderer.h"
#include "settings/FileLocations.h"
#include "support/FakeWindow.h"
#include "support/RecordingRenderer.h"

namespace {

// Silent voices long enough to still play when a test looks at them.
constexpr int kSilenceRate = 22050;
constexpr int kSilenceSeconds = 5;

// The element with the id in the tree below element (itself included).
GUIElement* FindIn(GUIElement* element, int id) {
    if (element->id == id) {
        return element;
    }
    for (int i = 0; i < element->children.Count(); ++i) {
        if (GUIElement* found = FindIn(element->children.GetAt(i), id)) {
            return found;
        }
    }
    return nullptr;
}

}  // namespace

ScreenDriver::ScreenDriver(Mode mode, int language, const std::string& startFiles)
    : buildDirectory_(std::filesystem::current_path().string()) {
    folder_.Write("knobel.cfg", "FULLSCREEN:\t0\nSPRACHE:\t" + std::to_string(language) + "\nINTRO:\t0\n");
    if (!startFiles.empty()) {
        std::error_code error;
        std::filesystem::copy(startFiles, folder_.Path(),
                              std::filesystem::copy_options::overwrite_existing | std::filesystem::copy_options::recursive,
                              error);
        if (error) {
            problem_ = "the start files cannot be copied: " + error.message();  // Ready() stays false
        }
    }
    workingDirectory_ = std::make_unique<WorkingDirectoryScope>(folder_.Path());
    // A tool run from the build directory (the screenshots) has the language
    // files there rather than beside itself.
    for (const char* name : {"deutsch.lng", "english.lng"}) {
        if (FindDataFile(name).empty()) {
            std::error_code error;
            std::filesystem::copy_file(std::filesystem::path(buildDirectory_) / name, folder_.Path(name), error);
        }
    }
    app_ = GetAppState();
    LoadStartupFiles(*app_);
    app_->window = std::make_unique<FakeWindow>();
    auto clock = std::make_unique<platform::ManualClock>();
    clock_ = clock.get();
    app_->clock = std::move(clock);
    if (mode == Mode::Pixels) {
        StartPixels();
    } else {
        StartRecording();
    }
    if (!problem_.empty()) {
        return;
    }
    app_->textures[TEX_SPLASH].reset();
    StartTiming(*app_);
    menu_ = CreateMainMenu(*app_);
}

std::string ScreenDriver::DataFile(const std::string& name) const {
    const std::string found = FindDataFile(name);
    return found.empty() ? (std::filesystem::path(buildDirectory_) / name).string() : found;
}

void ScreenDriver::StartPixels() {
    if (!platform::Initialize(&problem_)) {
        return;
    }
    platformStarted_ = true;
    auto renderer = platform::SdlRenderer::CreateOffscreen(app_->screenWidth, app_->screenHeight, &problem_);
    if (!renderer) {
        return;
    }
    pixels_ = renderer.get();
    app_->renderer = std::move(renderer);
    app_->archive = ArchiveOpen(DataFile("sport.gob"));
    if (!app_->archive || !LoadSharedTextures(*app_)) {
        problem_ = "the textures of sport.gob cannot be loaded (is it built?)";
        return;
    }
    // Without an audio device the run is silent, as the program's would be.
    StartSound(*app_);
}

void ScreenDriver::StartRecording() {
    auto renderer = std::make_unique<RecordingRenderer>();
    recorder_ = renderer.get();
    app_->renderer = std::move(renderer);
    for (auto& texture : app_->textures) {
        texture = std::make_unique<RecordingRenderer::FakeTexture>(1024, 1024);
    }
    // The games still read their text data (picture files, word lists) from
    // the archive of the build when there is one.
    app_->archive = ArchiveOpen(DataFile("sport.gob"));
    FillSilentVoices();
}

void ScreenDriver::FillSilentVoices() {
    app_->soundVolume = 100;
    app_->audioDevice = platform::AudioDevice::Open();
    if (!app_->audioDevice) {
        return;
    }
    const platform::PcmFormat format{1, kSilenceRate, 16};
    const std::vector<uint8_t> silence(static_cast<size_t>(kSilenceRate) * kSilenceSeconds * 2, 0);
    for (int id = 0; id < kSoundSlotCount; ++id) {
        if (SoundFileName(id) != nullptr) {
            app_->soundSlots[id] =
                app_->audioDevice->CreateVoices(format, silence.data(), silence.size(), kVoicesPerSound);
        }
    }
}

ScreenDriver::~ScreenDriver() {
    CloseMenu();
    ReleaseEverything(*app_);
    ArchiveClose(app_->archive);
    SaveExitFiles(*app_);
    DestroyAppState();
    if (platformStarted_) {
        platform::Shutdown();
    }
    workingDirectory_.reset();
}

void ScreenDriver::CloseMenu() {
    app_->drawCursor = nullptr;
    menu_.reset();
    app_->currentScreen = nullptr;
}

void ScreenDriver::Send(const platform::Message& message) { WindowProc(*app_, message); }

void ScreenDriver::MoveMouse(int x, int y) { Send(MouseMessage(platform::MessageKind::MouseMove, x, y)); }

void ScreenDriver::Click(int x, int y) {
    MoveMouse(x, y);
    Send(MouseMessage(platform::MessageKind::LeftButtonDown, x, y));
    Send(MouseMessage(platform::MessageKind::LeftButtonUp, x, y));
}

void ScreenDriver::KeyDown(int key) { Send(KeyMessage(platform::MessageKind::KeyDown, key)); }

void ScreenDriver::KeyUp(int key) { Send(KeyMessage(platform::MessageKind::KeyUp, key)); }

void ScreenDriver::PressKey(int key) {
    KeyDown(key);
    KeyUp(key);
}

void ScreenDriver::Type(const std::string& text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool upper = std::isupper(byte) != 0;
        if (upper) {
            KeyDown(platform::vk::Shift);
        }
        PressKey(std::toupper(byte));
        if (upper) {
            KeyUp(platform::vk::Shift);
        }
    }
}

GUIElement* ScreenDriver::FindElement(int id) {
    for (int slot = 0; slot < MainMenu::kElementSlots; ++slot) {
        if (menu_->guiEnabled[slot] && menu_->guiElements[slot] != nullptr) {
            if (GUIElement* found = FindIn(menu_->guiElements[slot], id)) {
                return found;
            }
        }
    }
    return nullptr;
}

bool ScreenDriver::MoveOver(int id) {
    const GUIElement* element = FindElement(id);
    if (element == nullptr) {
        return false;
    }
    int x = static_cast<int>(element->Width() * element->scaleX / 2.0f);
    int y = static_cast<int>(element->Height() * element->scaleY / 2.0f);
    for (; element != nullptr; element = element->parent) {
        x += element->x;
        y += element->y;
    }
    MoveMouse(x, y);
    return true;
}

bool ScreenDriver::ClickElement(int id) {
    if (!MoveOver(id)) {
        return false;
    }
    Send(MouseMessage(platform::MessageKind::LeftButtonDown, app_->mouseX, app_->mouseY));
    Send(MouseMessage(platform::MessageKind::LeftButtonUp, app_->mouseX, app_->mouseY));
    return true;
}

void ScreenDriver::Frame(double seconds) {
    clock_->Advance(seconds);
    UpdateStep(*app_);
    RenderStep(*app_);
}

void ScreenDriver::RunFor(double seconds, double frameSeconds) {
    for (double passed = 0.0; passed < seconds - 1e-9; passed += frameSeconds) {
        Frame(frameSeconds);
    }
}

bool ScreenDriver::Screenshot(const std::string& path) {
    if (pixels_ == nullptr) {
        return false;
    }
    std::filesystem::path target(path);
    if (target.is_relative()) {
        target = std::filesystem::path(buildDirectory_) / target;
    }
    std::filesystem::create_directories(target.parent_path());
    return platform::WritePng(target.string(), pixels_->Screenshot());
}

int ScreenDriver::PlayingVoices(int soundId) const {
    int playing = 0;
    for (const auto& voice : app_->soundSlots[soundId]) {
        playing += voice->IsPlaying() ? 1 : 0;
    }
    return playing;
}
