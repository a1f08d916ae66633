#include "menu/NameEntry.h"

#include "platform/KeyMap.h"

namespace {

// The character a key types into a name, or 0 for a key that types none.
char NameCharacter(uint16_t key, bool shiftHeld) {
    if (key == platform::vk::Space || (key >= '0' && key <= '9')) {
        return static_cast<char>(key);
    }
    if (key >= 'A' && key <= 'Z') {
        return static_cast<char>(shiftHeld ? key : key - 'A' + 'a');
    }
    return 0;
}

}  // namespace

bool TypeNameKey(std::string& name, uint16_t key, bool shiftHeld, std::size_t maxLength) {
    if (key == platform::vk::Back) {
        if (!name.empty()) {
            name.pop_back();
        }
        return true;
    }
    const char typed = NameCharacter(key, shiftHeld);
    if (typed == 0) {
        return false;
    }
    if (name.size() < maxLength) {
        name.push_back(typed);
    }
    return true;
}
