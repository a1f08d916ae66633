#include "support/FakeWindow.h"

platform::Message MouseMessage(platform::MessageKind kind, int x, int y) {
    platform::Message message;
    message.kind = kind;
    message.x = x;
    message.y = y;
    return message;
}

platform::Message KeyMessage(platform::MessageKind kind, int key, bool ctrlDown, bool repeat) {
    platform::Message message;
    message.kind = kind;
    message.key = key;
    message.ctrlDown = ctrlDown;
    message.repeat = repeat;
    return message;
}
