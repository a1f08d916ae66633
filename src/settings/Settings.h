#pragma once

#include <string>
#include <string_view>

struct AppState;

// The settings file: one "KEY:<tab>value" line per setting.
inline constexpr const char* kSettingsFileName = "knobel.cfg";

// Full screen, German, both volumes 100, intro on.
void SetDefaultSettings(AppState& app);

// Applies the words of a settings file to app's settings fields. Only the five
// keys count (exact spelling), each followed by a decimal value word; the last
// occurrence of a key wins. A language other than 1 becomes 0 (German) and
// volumes are held to 0..100.
void ReadSettings(std::string_view text, AppState& app);

// The five lines of the settings file in their fixed order.
std::string WriteSettings(const AppState& app);

// Defaults, then the settings file when there is one.
void LoadSettings(AppState& app);

// Replaces the settings file; false when it could not be written.
bool SaveSettings(const AppState& app);
