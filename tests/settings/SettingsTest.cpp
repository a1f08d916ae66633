#include "settings/Settings.h"

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "support/TempFolder.h"

namespace {

struct SettingsValues {
    bool fullscreen;
    int language;
    int sound;
    int music;
    bool intro;
};

SettingsValues ValuesOf(const AppState& app) {
    return {app.fullscreen, app.language, app.soundVolume, app.musicVolume, app.introEnabled};
}

void ExpectValues(const AppState& app, const SettingsValues& expected) {
    const SettingsValues actual = ValuesOf(app);
    EXPECT_EQ(actual.fullscreen, expected.fullscreen);
    EXPECT_EQ(actual.language, expected.language);
    EXPECT_EQ(actual.sound, expected.sound);
    EXPECT_EQ(actual.music, expected.music);
    EXPECT_EQ(actual.intro, expected.intro);
}

SettingsValues Read(std::string_view text) {
    AppState app;
    SetDefaultSettings(app);
    ReadSettings(text, app);
    return ValuesOf(app);
}

}  // namespace

TEST(SettingsTest, MissingOrEmptyFileGivesTheDefaults) {
    TempFolder folder;
    WorkingDirectoryScope scope(folder.Path());
    AppState app;
    app.fullscreen = false;
    app.language = 1;
    app.soundVolume = 3;
    LoadSettings(app);
    ExpectValues(app, {true, 0, 100, 100, true});

    folder.Write("knobel.cfg", "");
    app.introEnabled = false;
    LoadSettings(app);
    ExpectValues(app, {true, 0, 100, 100, true});
}

TEST(SettingsTest, ReadsTokensInAnyLayoutAndTheLastOccurrenceWins) {
    AppState app;
    SetDefaultSettings(app);
    ReadSettings("SPRACHE: 1 SOUND: 40\r\nnoise MUSIK:\t7\rINTRO: 0 FULLSCREEN: 0 SOUND: 55", app);
    ExpectValues(app, {false, 1, 55, 7, false});

    // Keys are case-sensitive and need their colon; a key without value
    // changes nothing.
    AppState other;
    SetDefaultSettings(other);
    ReadSettings("sound: 10 SOUND 20 MUSIK:", other);
    ExpectValues(other, {true, 0, 100, 100, true});
}

TEST(SettingsTest, GarbageValuesAreConvertedAndHeldInRange) {
    const SettingsValues v = Read("FULLSCREEN: abc SPRACHE: 7 SOUND: 250 MUSIK: -5 INTRO: 2x");
    EXPECT_FALSE(v.fullscreen);  // no leading digits: 0, windowed
    EXPECT_EQ(v.language, 0);    // only 1 means English
    EXPECT_EQ(v.sound, 100);
    EXPECT_EQ(v.music, 0);
    EXPECT_TRUE(v.intro);

    const SettingsValues huge = Read("SOUND: 99999999999999999999 MUSIK: 12abc SPRACHE: -1");
    EXPECT_EQ(huge.sound, 100);
    EXPECT_EQ(huge.music, 12);
    EXPECT_EQ(huge.language, 0);
}

TEST(SettingsTest, WritesAllFiveKeysInOrderAndReadsThemBack) {
    AppState app;
    SetDefaultSettings(app);
    EXPECT_EQ(WriteSettings(app), "FULLSCREEN:\t1\nSPRACHE:\t0\nSOUND:\t100\nMUSIK:\t100\nINTRO:\t1\n");

    TempFolder folder;
    WorkingDirectoryScope scope(folder.Path());
    folder.Write("knobel.cfg", "SOUND: 30");
    LoadSettings(app);
    app.language = 1;
    app.fullscreen = false;
    ASSERT_TRUE(SaveSettings(app));
    EXPECT_EQ(folder.Read("knobel.cfg"), "FULLSCREEN:\t0\nSPRACHE:\t1\nSOUND:\t30\nMUSIK:\t100\nINTRO:\t1\n");

    AppState reread;
    LoadSettings(reread);
    ExpectValues(reread, {false, 1, 30, 100, true});
}
