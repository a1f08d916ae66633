#include "app/WindowProc.h"

#include "app/AppState.h"
#include "app/Game.h"
#include "app/MainLoop.h"
#include "platform/KeyMap.h"

using platform::Message;
using platform::MessageKind;

namespace {

void KeyDown(AppState& app, const Message& message) {
    if (message.key == platform::vk::Return && (app.ctrlHeld || message.ctrlDown)) {
        // Held keys repeat their press; the mode switches once per press.
        if (!message.repeat) {
            ToggleFullscreen(app);
        }
        // The chord belongs to the shell: neither of its releases reaches the screen.
        app.swallowEnterRelease = true;
        app.swallowCtrlRelease = true;
        return;
    }
    if (message.key == platform::vk::Control) {
        app.ctrlHeld = true;
    }
    app.keyRepeat = message.repeat;
    if (app.currentScreen != nullptr) {
        app.currentScreen->OnKeyDown(static_cast<uint16_t>(message.key));
    }
}

void KeyUp(AppState& app, const Message& message) {
    if (message.key == platform::vk::Escape && !app.escapeArmed) {
        app.escapeArmed = true;
        return;
    }
    if (message.key == platform::vk::Return && app.swallowEnterRelease) {
        app.swallowEnterRelease = false;
        return;
    }
    if (message.key == platform::vk::Control) {
        app.ctrlHeld = false;
        if (app.swallowCtrlRelease) {
            app.swallowCtrlRelease = false;
            return;
        }
    }
    if (app.currentScreen != nullptr) {
        app.currentScreen->OnKeyUp(static_cast<uint16_t>(message.key));
    }
}

}  // namespace

void ToggleFullscreen(AppState& app) {
    app.fullscreen = !app.fullscreen;
    if (app.window) {
        app.window->SetFullscreen(app.fullscreen);
    }
    DeviceResetSequence(app);
}

void WindowProc(AppState& app, const Message& message) {
    app.inputCounter = message.counter;
    if (message.kind == MessageKind::KeyDown) {
        KeyDown(app, message);
        return;
    }
    if (message.kind == MessageKind::KeyUp) {
        KeyUp(app, message);
        return;
    }
    if (message.kind == MessageKind::FocusLost) {
        // Releases of keys let go in another window never arrive: nothing may
        // wait to swallow them, or it would eat a later ordinary press's release.
        app.swallowEnterRelease = false;
        app.swallowCtrlRelease = false;
        return;
    }
    if (message.kind == MessageKind::MouseMove) {
        app.mouseX = message.x;
        app.mouseY = message.y;
    }
    Game* screen = app.currentScreen;
    if (screen == nullptr) {
        return;
    }
    switch (message.kind) {
    case MessageKind::MouseMove:
        screen->OnMouseMove(message.x, message.y);
        break;
    case MessageKind::LeftButtonDown:
        screen->OnLeftButtonDown(message.x, message.y);
        break;
    case MessageKind::LeftButtonUp:
        screen->OnLeftButtonUp(message.x, message.y);
        break;
    case MessageKind::LeftDoubleClick:
        screen->OnLeftDoubleClick(message.x, message.y);
        break;
    case MessageKind::RightButtonDown:
        screen->OnRightButtonDown(message.x, message.y);
        break;
    case MessageKind::RightButtonUp:
        screen->OnRightButtonUp(message.x, message.y);
        break;
    case MessageKind::MouseWheel: {
        const uint32_t delta = static_cast<uint16_t>(static_cast<int16_t>(message.wheelDelta));
        screen->OnMouseWheel((delta << 16) | message.keyFlags);
        break;
    }
    default:
        break;
    }
}
