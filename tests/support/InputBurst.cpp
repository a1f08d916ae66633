#include "support/InputBurst.h"

#include <cctype>
#include <cstdint>

#include "app/MyControl.h"
#include "platform/KeyMap.h"

void PressKey(MyControl& target, uint16_t key) {
    target.OnKeyDown(key);
    target.OnKeyUp(key);
}

void TypeKeys(MyControl& target, std::string_view keys) {
    for (const char key : keys) {
        const int code = key == '.' ? platform::vk::OemPeriod
                         : key == ',' ? platform::vk::OemComma
                                      : std::toupper(static_cast<unsigned char>(key));
        PressKey(target, static_cast<uint16_t>(code));
    }
}

void InputBurst(MyControl& target, int restX, int restY, int step) {
    for (int y = 16; y < 768; y += 48 * step) {
        for (int x = 16; x < 1024; x += 64 * step) {
            target.OnMouseMove(x, y);
            target.OnLeftButtonDown(x, y);
            target.OnMouseMove(x + 40, y + 30);
            target.OnLeftButtonUp(x + 40, y + 30);
            target.OnLeftDoubleClick(x, y);
            target.OnLeftButtonUp(x, y);
            target.OnRightButtonDown(x, y);
            target.OnRightButtonUp(x, y);
            const int16_t notch = (x / 64) % 2 == 0 ? 120 : -120;
            target.OnMouseWheel(static_cast<uint32_t>(static_cast<uint16_t>(notch)) << 16);
        }
    }
    const uint16_t keys[] = {'0', '1', '2', '3', '4', '5', '6', '7', '8', '9', 'A', 'E', 'S', 'Z',
                             13,  8,   32,  37,  38,  39,  40,  35,  36,  33,  34,  46,  13};
    for (const uint16_t key : keys) {
        target.OnKeyDown(key);
        target.OnKeyUp(key);
    }
    target.OnMouseMove(restX, restY);
}
