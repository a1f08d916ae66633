#include "games/base/StartupFiles.h"

#include <gtest/gtest.h>

#include "app/AppState.h"
#include "games/base/GlobalStatistics.h"
#include "settings/LanguageTexts.h"
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
