#include "games/base/StartupFiles.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <functional>

#include "app/AppState.h"
#include "games/base/GameRecords.h"
#include "games/base/GlobalStatistics.h"
#include "settings/LanguageTexts.h"
#include "settings/SaveFailure.h"
#include "settings/Settings.h"
#include "support/TempFolder.h"

TEST(StartupFilesTest, MissingFilesGiveDefaultsAndAreWrittenAtExitForTheNextStart) {
    TempFolder folder;
    WorkingDirectoryScope scope(folder.Path());
    folder.Write("english.lng", "ANZ_TEXTE: 1 <TEXT_START> 0 Time|");
    AppState app;
    LoadStartupFiles(app);
    ASSERT_NE(app.statistics, nullptr);
    EXPECT_EQ(app.statistics->gamesPlayed, 0);
    EXPECT_TRUE(app.fullscreen);
    EXPECT_EQ(app.language, 0);
    app.statistics->AddGrade(2.0);
    app.soundVolume = 40;
    app.language = 1;
    SaveExitFiles(app);
    EXPECT_EQ(app.statistics, nullptr);
    EXPECT_EQ(folder.Read("knobel.cfg"), "FULLSCREEN:\t1\nSPRACHE:\t1\nSOUND:\t40\nMUSIK:\t100\nINTRO:\t1\n");
    AppState next;
    LoadStartupFiles(next);
    EXPECT_EQ(next.statistics->gamesPlayed, 1);
    EXPECT_EQ(next.statistics->bestGrade, 2.0);
    EXPECT_EQ(next.soundVolume, 40);
    EXPECT_STREQ(GetText(next.texts, 0), " Time");
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

namespace {

// Files the process writes may grow to this many bytes at most (a full disk).
void LimitFileSize(rlim_t bytes) {
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{bytes, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &limit);
}

}  // namespace

// A save that fails keeps the old file, is reported once a run, and loses
// nothing of the session: the next load sees its play, and the end of the
// run writes it once the fault is gone.
TEST(StartupFilesTest, AFailedSaveIsReportedOnceAndWrittenAtTheNextChance) {
    struct Fault { const char* name; std::function<void(const TempFolder&, bool on)> set; };
    const Fault faults[] = {
        {"the disk is full", [](const TempFolder&, bool on) { LimitFileSize(on ? 8 : RLIM_INFINITY); }},
        {"a folder has the file's name",
         [](const TempFolder& f, bool on) {
             std::filesystem::remove(f.Path("rechnen.sav"));
             if (on) std::filesystem::create_directory(f.Path("rechnen.sav"));
         }},
    };
    for (const Fault& fault : faults) {
        SCOPED_TRACE(fault.name);
        TempFolder folder;
        WorkingDirectoryScope scope(folder.Path());
        AppState app;
        app.language = 1;
        GameRecords before;
        before.AddGrade(2.0);
        ASSERT_TRUE(before.Save("rechnen.sav"));
        const std::string old = folder.Read("rechnen.sav");
        testing::internal::CaptureStderr();
        for (const double grade : {3.0, 4.0}) {  // two plays in the session; each save fails
            GameRecords play;
            play.Load("rechnen.sav");
            play.AddGrade(grade);
            fault.set(folder, true);
            EXPECT_FALSE(play.Save("rechnen.sav"));
            if (std::filesystem::is_regular_file(folder.Path("rechnen.sav"))) {
                EXPECT_EQ(folder.Read("rechnen.sav"), old);
            }
            fault.set(folder, false);
            ReportSaveFailure(app, "rechnen.sav");
        }
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_NE(told.find("could not be saved"), std::string::npos) << told;
        EXPECT_EQ(told.find("could not be saved"), told.rfind("could not be saved")) << "one message a run";
        SaveExitFiles(app);
        GameRecords saved;
        ASSERT_TRUE(saved.Load("rechnen.sav"));
        EXPECT_EQ(saved.gamesPlayed, 3);
        EXPECT_EQ(folder.Read("rechnen.sav"), saved.Write());
    }
}
