// The settings file (knobel.cfg).
#include "FuzzTargets.h"
#include "app/AppState.h"
#include "settings/Settings.h"

bool FuzzSettings(const uint8_t* data, size_t size) {
    AppState app;
    SetDefaultSettings(app);
    ReadSettings(FuzzText(data, size), app);
    if ((app.language != 0 && app.language != 1) || app.soundVolume < 0 || app.soundVolume > 100 ||
        app.musicVolume < 0 || app.musicVolume > 100) {
        return false;
    }
    // What is written reads back as the same settings.
    const std::string written = WriteSettings(app);
    AppState again;
    ReadSettings(written, again);
    return WriteSettings(again) == written;
}
