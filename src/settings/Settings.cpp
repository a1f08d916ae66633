#include "settings/Settings.h"

#include <algorithm>

#include "app/AppState.h"
#include "settings/FileLocations.h"
#include "settings/SafeFile.h"
#include "settings/TokenReader.h"

namespace {

// The setting a key word names: an int or a bool field of app; neither when
// the word is no key.
struct SettingField {
    int* number = nullptr;
    bool* flag = nullptr;
};

SettingField FieldForKey(const std::string& word, AppState& app) {
    if (word == "FULLSCREEN:") {
        return {nullptr, &app.fullscreen};
    }
    if (word == "SPRACHE:") {
        return {&app.language, nullptr};
    }
    if (word == "SOUND:") {
        return {&app.soundVolume, nullptr};
    }
    if (word == "MUSIK:") {
        return {&app.musicVolume, nullptr};
    }
    if (word == "INTRO:") {
        return {nullptr, &app.introEnabled};
    }
    return {};
}

}  // namespace

void SetDefaultSettings(AppState& app) {
    app.fullscreen = true;
    app.language = 0;
    app.soundVolume = 100;
    app.musicVolume = 100;
    app.introEnabled = true;
}

void ReadSettings(std::string_view text, AppState& app) {
    TokenReader reader(text);
    std::string word;
    std::string value;
    while (reader.NextWord(word)) {
        const SettingField field = FieldForKey(word, app);
        if (field.number == nullptr && field.flag == nullptr) {
            continue;
        }
        if (!reader.NextWord(value)) {
            break;
        }
        const int number = ParseLeadingInt(value);
        if (field.number != nullptr) {
            *field.number = number;
        } else {
            *field.flag = number != 0;
        }
    }
    if (app.language != 1) {
        app.language = 0;
    }
    app.soundVolume = std::clamp(app.soundVolume, 0, 100);
    app.musicVolume = std::clamp(app.musicVolume, 0, 100);
}

std::string WriteSettings(const AppState& app) {
    std::string text;
    text += "FULLSCREEN:\t" + std::to_string(app.fullscreen ? 1 : 0) + "\n";
    text += "SPRACHE:\t" + std::to_string(app.language) + "\n";
    text += "SOUND:\t" + std::to_string(app.soundVolume) + "\n";
    text += "MUSIK:\t" + std::to_string(app.musicVolume) + "\n";
    text += "INTRO:\t" + std::to_string(app.introEnabled ? 1 : 0) + "\n";
    return text;
}

void LoadSettings(AppState& app) {
    SetDefaultSettings(app);
    std::string text;
    if (ReadTextFile(SaveFileForReading(kSettingsFileName), text)) {
        ReadSettings(text, app);
    }
}

bool SaveSettings(const AppState& app) {
    return WriteFileSafely(SaveFileForWriting(kSettingsFileName), WriteSettings(app));
}
