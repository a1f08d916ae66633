#include "platform/EventTranslator.h"

#include <SDL.h>

#include <algorithm>

#include "platform/KeyMap.h"

namespace platform {

namespace {

Message MouseMessage(MessageKind kind, int x, int y) {
    Message message;
    message.kind = kind;
    message.x = x;
    message.y = y;
    return message;
}

Message KeyMessage(MessageKind kind, int key, bool ctrlDown, bool repeat) {
    Message message;
    message.kind = kind;
    message.key = key;
    message.ctrlDown = ctrlDown;
    message.repeat = repeat;
    return message;
}

}  // namespace

int EventTranslator::ClampX(int x) const { return std::clamp(x, 0, width_ - 1); }

int EventTranslator::ClampY(int y) const { return std::clamp(y, 0, height_ - 1); }

uint16_t EventTranslator::KeyFlags() const {
    return static_cast<uint16_t>((leftHeld_ ? MK_LBUTTON : 0) | (rightHeld_ ? MK_RBUTTON : 0) |
                                 (shiftHeld_ ? MK_SHIFT : 0) | (ctrlHeld_ ? MK_CONTROL : 0));
}

void EventTranslator::Translate(const SDL_Event& event, std::deque<Message>& out) {
    const size_t before = out.size();
    TranslateKinds(event, out);
    const int64_t counter = InputCounter(event.common.timestamp);
    for (size_t i = before; i < out.size(); ++i) {
        out[i].counter = counter;
    }
}

int64_t EventTranslator::InputCounter(uint32_t timestampMs) {
    // SDL stamps events with its millisecond ticks; read both clocks now and
    // go back by the event's age.
    const auto now = static_cast<int64_t>(SDL_GetPerformanceCounter());
    const uint32_t ticks = SDL_GetTicks();
    const uint32_t age = ticks - timestampMs;
    if (timestampMs == 0 || age > kLongestInputAgeMs) {
        return now;
    }
    return now - static_cast<int64_t>(age) * static_cast<int64_t>(SDL_GetPerformanceFrequency()) / 1000;
}

void EventTranslator::TranslateKinds(const SDL_Event& event, std::deque<Message>& out) {
    switch (event.type) {
    case SDL_QUIT:
        out.push_back(Message{MessageKind::Quit});
        break;
    case SDL_MOUSEMOTION:
        out.push_back(MouseMessage(MessageKind::MouseMove, ClampX(event.motion.x), ClampY(event.motion.y)));
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        const bool down = event.type == SDL_MOUSEBUTTONDOWN;
        const int x = ClampX(event.button.x);
        const int y = ClampY(event.button.y);
        if (event.button.button == SDL_BUTTON_LEFT) {
            leftHeld_ = down;
            out.push_back(MouseMessage(down ? MessageKind::LeftButtonDown : MessageKind::LeftButtonUp, x, y));
            // Every press counts as a press; the second of a quick pair is also a double click.
            if (down && event.button.clicks == 2) {
                out.push_back(MouseMessage(MessageKind::LeftDoubleClick, x, y));
            }
        } else if (event.button.button == SDL_BUTTON_RIGHT) {
            rightHeld_ = down;
            out.push_back(MouseMessage(down ? MessageKind::RightButtonDown : MessageKind::RightButtonUp, x, y));
        }
        break;
    }
    case SDL_MOUSEWHEEL: {
        int notches = event.wheel.y;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) {
            notches = -notches;
        }
        if (notches != 0) {
            Message message{MessageKind::MouseWheel};
            message.wheelDelta = notches * 120;
            message.keyFlags = KeyFlags();
            out.push_back(message);
        }
        break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        const int key = VirtualKeyFromKeycode(event.key.keysym.sym);
        if (key == 0) {
            break;
        }
        const bool down = event.type == SDL_KEYDOWN;
        if (key == vk::Shift) {
            shiftHeld_ = down;
        } else if (key == vk::Control) {
            ctrlHeld_ = down;
        }
        const bool ctrlDown = ctrlHeld_ || (event.key.keysym.mod & KMOD_CTRL) != 0;
        out.push_back(KeyMessage(down ? MessageKind::KeyDown : MessageKind::KeyUp, key, ctrlDown,
                                 down && event.key.repeat != 0));
        break;
    }
    case SDL_WINDOWEVENT:
        TranslateWindowEvent(event, out);
        break;
    case SDL_RENDER_DEVICE_RESET:
        status_ = DeviceStatus::NeedsReset;
        break;
    default:
        break;
    }
}

void EventTranslator::TranslateWindowEvent(const SDL_Event& event, std::deque<Message>& out) {
    switch (event.window.event) {
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        status_ = DeviceStatus::Lost;
        break;
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_MAXIMIZED:
        if (status_ == DeviceStatus::Lost) {
            status_ = DeviceStatus::NeedsReset;
        }
        break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
        // Keys released while another window has the focus never arrive here;
        // release the modifiers so that no screen keeps them as held.
        if (shiftHeld_) {
            shiftHeld_ = false;
            out.push_back(KeyMessage(MessageKind::KeyUp, vk::Shift, ctrlHeld_, false));
        }
        if (ctrlHeld_) {
            ctrlHeld_ = false;
            out.push_back(KeyMessage(MessageKind::KeyUp, vk::Control, false, false));
        }
        out.push_back(Message{MessageKind::FocusLost});
        break;
    default:
        break;
    }
}

}  // namespace platform
