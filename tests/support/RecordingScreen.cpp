#include "support/RecordingScreen.h"

void RecordingScreen::Update() {
    ++updates;
    log_.Add("screen.Update");
    if (onUpdate) {
        onUpdate();
    }
}
