#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <tuple>

#include "app/AppState.h"
#include "support/TempFolder.h"

namespace {

// Full screen, language, sound, music, intro.
using Values = std::tuple<bool, int, int, int, bool>;
const Values kDefaults{true, 0, 100, 100, true};

Values ValuesOf(const AppState& app) {
    return {app.fullscreen, app.language, app.soundVolume, app.musicVolume, app.introEnabled};
}

}  // namespace

TEST(SettingsTest, ReadsTokensInAnyLayoutAndHoldsValuesInRange) {
    const struct { const char* file; Values expected; const char* what; } cases[] = {
        {"", kDefaults, "empty"},
        {"SPRACHE: 1 SOUND: 40\r\nnoise MUSIK:\t7\rINTRO: 0 FULLSCREEN: 0 SOUND: 55", {false, 1, 55, 7, false},
         "any layout and line end; the last occurrence wins"},
        {"sound: 10 SOUND 20 MUSIK:", kDefaults, "keys are case-sensitive, need the colon and a value"},
        {"FULLSCREEN: abc SPRACHE: 7 SOUND: 250 MUSIK: -5 INTRO: 2x", {false, 0, 100, 0, true},
         "no digits is 0, only 1 means English, volumes are held in 0..100"},
        {"SOUND: 99999999999999999999 MUSIK: 12abc SPRACHE: -1", {true, 0, 100, 12, true}, "huge and trailing"},
    };
    for (const auto& c : cases) {
        AppState app;
        SetDefaultSettings(app);
        ReadSettings(c.file, app);
        EXPECT_EQ(ValuesOf(app), c.expected) << c.what;
    }
}

TEST(SettingsTest, AMissingFileGivesTheDefaultsAndASavedOneReadsBack) {
    TempFolder folder;
    WorkingDirectoryScope scope(folder.Path());
    AppState app;
    app.fullscreen = false;
    app.soundVolume = 3;
    LoadSettings(app);
    EXPECT_EQ(ValuesOf(app), kDefaults);
    EXPECT_EQ(WriteSettings(app), "FULLSCREEN:\t1\nSPRACHE:\t0\nSOUND:\t100\nMUSIK:\t100\nINTRO:\t1\n");
    folder.Write("knobel.cfg", "SOUND: 30");
    LoadSettings(app);
    app.language = 1;
    app.fullscreen = false;
    ASSERT_TRUE(SaveSettings(app));
    EXPECT_EQ(folder.Read("knobel.cfg"), "FULLSCREEN:\t0\nSPRACHE:\t1\nSOUND:\t30\nMUSIK:\t100\nINTRO:\t1\n");
    AppState reread;
    LoadSettings(reread);
    EXPECT_EQ(ValuesOf(reread), (Values{false, 1, 30, 100, true}));
}
