// The progress page, reached from the statistics page: the history's plays of
// the game chosen, a chooser over the games and the tests, and its figures.
#include <algorithm>
#include <ctime>
#include <string>

#include "MenuFixture.h"
#include "games/base/PlayHistory.h"
#include "games/base/ProgressChart.h"
#include "games/numbers/KG_Rechenspiel.h"
#include "platform/KeyMap.h"
#include "settings/LanguageTexts.h"
#include "settings/TextFormat.h"

namespace {

class ProgressPageTest : public MenuFixture {
protected:
    void OpenProgress() {
        Click(4);
        Click(70);
        ASSERT_EQ(Menu().currentPage, MainMenu::PAGE_PROGRESS);
        driver->Frame();
    }
    int DrawnDots() {
        const auto& sprites = driver->Recorder()->sprites;
        return static_cast<int>(
            std::count_if(sprites.begin(), sprites.end(), [](const auto& s) { return s.name == "chart dot"; }));
    }
    std::string History() const { return driver->Folder().Read(history::kFileName); }
};

constexpr int kLegendDots = 3;

TEST_F(ProgressPageTest, APlayEndedEarlyIsFoundAfterARestartWithItsFigures) {
    constexpr int kArithmetic = 14;
    ReplaceGameFactory(kArithmetic, &CreateGame<KG_Rechenspiel>);  // the table scope restores it
    Menu().LaunchGame(kArithmetic);
    SkipCountdown();
    driver->PressKey(platform::vk::Escape);
    Click(56);  // end the game from the pause page
    driver->RunFor(MainMenu::kEndDelaySeconds + 0.1);
    const std::string written = History();
    const history::Contents contents = history::ReadText(written);
    ASSERT_EQ(contents.plays.size(), 1u);
    const history::Play play = contents.plays[0];
    EXPECT_EQ(play.game, GameAt(kArithmetic)->saveFile);
    EXPECT_EQ(play.end, "ended");

    // A new run on a folder that holds only the history.
    driver.reset();
    driver = std::make_unique<ScreenDriver>(ScreenDriver::Mode::Recording);
    ASSERT_TRUE(driver->Ready());
    driver->Folder().Write(history::kFileName, written);
    OpenProgress();
    EXPECT_EQ(Menu().progressPage.Choice(), kArithmetic);
    EXPECT_TRUE(Drew(GetTextOrEmpty(GameAt(kArithmetic)->labelText)));
    EXPECT_TRUE(Drew(FormatText(359, 1, play.grade, play.grade)));
    EXPECT_EQ(DrawnDots(), 1 + kLegendDots);
}

TEST_F(ProgressPageTest, TheChooserStepsThroughTheGamesAndTheTestsWithButtonsAndArrowKeys) {
    constexpr int kClock = 17;
    std::string text = std::string(history::kHeader) + "\n";
    for (const char* line : {"2026-11-01T10:00:00,uhr.sav,0,training,,2.00,60.0,finished",
                             "2026-12-01T10:00:00,uhr.sav,2,test,2026-12-01T09:55:00,3.00,60.0,finished",
                             "2026-12-01T10:30:00,test,2,test,2026-12-01T09:55:00,2.50,1800.0,finished",
                             "2026-12-02T10:30:00,test,1,test,2026-12-02T09:55:00,2.00,1700.0,ended"}) {
        text += std::string(line) + "\n";
    }
    driver->Folder().Write(history::kFileName, text);
    OpenProgress();
    // What was played last shows first: the tests, after the last game.
    EXPECT_EQ(Menu().progressPage.Choice(), ProgressPage::kTestsChoice);
    EXPECT_TRUE(Drew(GetTextOrEmpty(357)));
    EXPECT_EQ(DrawnDots(), 2 + kLegendDots);

    // Right goes round to the first game, which has no play yet.
    driver->PressKey(platform::vk::Right);
    driver->Frame();
    EXPECT_EQ(Menu().progressPage.Choice(), 0);
    EXPECT_TRUE(Drew(GetTextOrEmpty(358)));
    EXPECT_EQ(DrawnDots(), 0);

    driver->PressKey(platform::vk::Left);
    for (int i = ProgressPage::kTestsChoice; i > kClock; --i) {
        Click(68);
    }
    driver->Frame();
    EXPECT_EQ(Menu().progressPage.Choice(), kClock);
    EXPECT_TRUE(Drew(GetTextOrEmpty(GameAt(kClock)->labelText)));
    EXPECT_TRUE(Drew(FormatText(359, 2, 2.5, 2.0)));
    EXPECT_EQ(DrawnDots(), 2 + kLegendDots);
    Click(69);
    EXPECT_EQ(Menu().progressPage.Choice(), kClock + 1);

    driver->PressKey(platform::vk::Escape);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_STATISTICS);
}

TEST_F(ProgressPageTest, TheChangeOfTheLastThirtyDaysAndTheCountBeyondAHundredAreTold) {
    const std::time_t now = std::time(nullptr);
    std::string text;
    // 120 plays: graded 4.0 forty days ago, 2.0 in the last days.
    for (int i = 0; i < 120; ++i) {
        history::Play play;
        play.time = history::LocalTime(now - (i < 60 ? 40 : 2) * 24 * 60 * 60 + i);
        play.game = "datum.sav";
        play.grade = i < 60 ? 4.0 : 2.0;
        play.end = "finished";
        text += history::FormatLine(play) + "\n";
    }
    driver->Folder().Write(history::kFileName, text);
    OpenProgress();
    EXPECT_TRUE(Drew(FormatText(360, progress::kChangeDays, 1.0)));
    EXPECT_TRUE(Drew(FormatText(363, progress::kShownPlays, 120)));
    EXPECT_EQ(DrawnDots(), progress::kShownPlays + kLegendDots);
}

}  // namespace
