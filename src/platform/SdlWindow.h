#pragma once

#include <deque>
#include <memory>
#include <string>

#include "platform/EventTranslator.h"
#include "platform/Image.h"
#include "platform/Window.h"

struct SDL_Window;

namespace platform {

// The one program window, created hidden with a client area of the logical
// screen size. Full screen is the desktop's full screen (no mode switch); the
// renderer scales the logical screen into whatever size the window has.
class SdlWindow : public Window {
public:
    // Null (with SDL's reason in error) when the window cannot be created.
    static std::unique_ptr<SdlWindow> Create(const std::string& title, int width, int height,
                                             bool fullscreen, std::string* error = nullptr);
    ~SdlWindow() override;

    bool PeekMessage(Message& out) override;
    void WaitForMessages(int timeoutMs) override;
    DeviceStatus TestCooperativeLevel() override;
    void ResetDevice() override;
    void SetFullscreen(bool fullscreen) override;
    void Show() override;

    // The picture the desktop shows for the window (task bar, switcher).
    void SetIcon(const Image& icon);

    SDL_Window* Handle() const { return window_; }

private:
    SdlWindow(SDL_Window* window, int width, int height);
    void PumpEvents();

    SDL_Window* window_;
    EventTranslator translator_;
    std::deque<Message> pending_;
};

// Hides the system's mouse pointer for the whole run (the menu draws its own).
void HideSystemCursor();

}  // namespace platform
