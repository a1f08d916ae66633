#include "games/base/StartupFiles.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "app/AppState.h"
#include "games/base/GameRecords.h"
#include "games/base/GlobalStatistics.h"
#include "settings/LanguageTexts.h"
#include "settings/Settings.h"
#include "support/TempFolder.h"

TEST(StartupFilesTest, MissingFilesGiveDefaultsAndAreWrittenAtExit) {
    TempFolder folder;
    WorkingDirectoryScope scope(folder.Path());
    AppState app;
    LoadStartupFiles(app);
    ASSERT_NE(app.statistics, nullptr);
    EXPECT_EQ(app.statistics->gamesPlayed, 0);
    EXPECT_TRUE(app.fullscreen);
    EXPECT_EQ(app.language, 0);
    app.statistics->AddGrade(2.0);
    app.soundVolume = 40;
    SaveExitFiles(app);
    EXPECT_EQ(app.statistics, nullptr);
    EXPECT_EQ(folder.Read("knobel.cfg"), "FULLSCREEN:\t1\nSPRACHE:\t0\nSOUND:\t40\nMUSIK:\t100\nINTRO:\t1\n");
    GlobalStatistics saved;
    ASSERT_TRUE(saved.Load(folder.Path("stats.sav")));
    EXPECT_EQ(saved.gamesPlayed, 1);
    EXPECT_EQ(saved.bestGrade, 2.0);
}

TEST(StartupFilesTest, LoadsStatisticsSettingsAndTheChosenLanguage) {
    TempFolder folder;
    WorkingDirectoryScope scope(folder.Path());
    folder.Write("stats.sav", "ANZ_SPIELE: 12\r\nERGS: 30\r\n");
    folder.Write("knobel.cfg", "FULLSCREEN:\t0\r\nSPRACHE:\t1\r\n");
    folder.Write("deutsch.lng", "ANZ_TEXTE: 1 <TEXT_START> 0 Zeit|");
    folder.Write("english.lng", "ANZ_TEXTE: 1 <TEXT_START> 0 Time|");
    AppState app;
    LoadStartupFiles(app);
    EXPECT_EQ(app.statistics->gamesPlayed, 12);
    EXPECT_EQ(app.statistics->gradeSum, 30.0);
    EXPECT_FALSE(app.fullscreen);
    EXPECT_EQ(app.language, 1);
    EXPECT_STREQ(GetText(app.texts, 0), " Time");
}

TEST(StartupFilesTest, EverySaveFileIsReplacedWholeOrNotAtAll) {
    TempFolder folder;
    WorkingDirectoryScope scope(folder.Path());
    // save: saves contents that differ with the value
    struct Case { const char* file; std::function<bool(int value)> save; };
    const Case cases[] = {
        {"rechnen.sav", [](int v) { GameRecords r; r.gamesPlayed = v; return r.Save("rechnen.sav"); }},
        {"stats.sav", [](int v) { GlobalStatistics s; s.gamesPlayed = v; return s.Save("stats.sav"); }},
        {"knobel.cfg", [](int v) { AppState a; SetDefaultSettings(a); a.soundVolume = v; return SaveSettings(a); }},
    };
    for (const Case& c : cases) {
        const std::string temporary = std::string(c.file) + ".tmp";
        ASSERT_TRUE(c.save(1)) << c.file;
        const std::string first = folder.Read(c.file);
        ASSERT_TRUE(c.save(2)) << c.file;
        EXPECT_NE(folder.Read(c.file), first) << c.file;
        EXPECT_FALSE(folder.Exists(temporary)) << c.file;
        // The temporary file cannot be made: the save fails and the old file stays whole.
        const std::string second = folder.Read(c.file);
        std::filesystem::create_directory(folder.Path(temporary));
        EXPECT_FALSE(c.save(3)) << c.file;
        EXPECT_EQ(folder.Read(c.file), second) << c.file;
        std::filesystem::remove(folder.Path(temporary));
    }
}
