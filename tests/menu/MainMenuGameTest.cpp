#include <string>

#include "MenuFixture.h"
#include "media/Sound.h"
#include "platform/KeyMap.h"
#include "settings/LanguageTexts.h"
#include "support/RecordingRenderer.h"

namespace {

using platform::vk::Back;
using platform::vk::Escape;
using platform::vk::Return;

class HostedPlay : public MenuFixture {
protected:
    void SetUp() override {
        MenuFixture::SetUp();
        table.Host(0);
        OpenGameList();
        Click(22);
        ASSERT_NE(HostedGame::current, nullptr);
    }
    // The last text the last frame drew in the countdown's font ("" when none).
    std::string Countdown() {
        std::string shown;
        for (const RecordingRenderer::Text& text : driver->Recorder()->texts) {
            shown = text.height == 80 ? text.text : shown;
        }
        return shown;
    }
    HostedGame& Hosted() { return *HostedGame::current; }
};

TEST_F(HostedPlay, TheCountdownShowsTwoOneStartWhileTheGameWaits) {
    const std::pair<double, std::string> frames[] = {{0.5, "2"}, {1.0, "1"}, {0.6, "Start"}};
    for (const auto& [seconds, shown] : frames) {
        driver->Frame(seconds);
        EXPECT_EQ(Countdown(), shown);
        EXPECT_FALSE(Hosted().IsStarted());
        EXPECT_EQ(Hosted().updates, 0);
    }
    driver->Frame(1.0);
    EXPECT_TRUE(Hosted().IsStarted());
    EXPECT_EQ(Countdown(), "");
    EXPECT_EQ(Hosted().updates, 0);  // the frame that ends the countdown starts the game only
    driver->Frame();
    EXPECT_EQ(Hosted().updates, 1);
}

TEST_F(HostedPlay, EscapePausesAndResumesAndHOpensTheHelpOnlyWhileTheGameRuns) {
    SkipCountdown();
    driver->PressKey(Escape);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_PAUSE);
    EXPECT_EQ(Hosted().GetState(), Knobel_Game::STATE_PAUSED);
    EXPECT_TRUE(App().paused);
    // A paused game is not updated, and the program's time stands still.
    const int updates = Hosted().updates;
    const double programTime = App().statistics->totalTime;
    driver->RunFor(1.0);
    EXPECT_EQ(Hosted().updates, updates);
    EXPECT_NEAR(App().statistics->totalTime, programTime, 0.02);
    driver->PressKey(Escape);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_NONE);
    EXPECT_EQ(Hosted().GetState(), Knobel_Game::STATE_RUNNING);
    EXPECT_FALSE(App().paused);
    // H opens and closes the game help; Escape on it resumes as well.
    driver->PressKey('H');
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_GAME_HELP);
    driver->PressKey('H');
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_NONE);
    driver->PressKey('H');
    driver->PressKey(Escape);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_NONE);
    EXPECT_EQ(Hosted().GetState(), Knobel_Game::STATE_RUNNING);
    // Help from the pause page, resumed with H.
    driver->PressKey(Escape);
    Click(54);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_GAME_HELP);
    Click(58);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_PAUSE);
    Click(54);
    driver->PressKey('H');
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_NONE);
    EXPECT_FALSE(App().paused);
    // None of these key releases reached the game.
    for (const std::string& input : Hosted().input) {
        EXPECT_EQ(input.rfind("keyup", 0), std::string::npos) << input;
    }
    // Without a help of its own the game gets H.
    HostedGame::withHelp = false;
    driver->PressKey('H');
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_NONE);
    EXPECT_EQ(Hosted().input.back(), "keyup 72");
    // Once the game has ended, neither key pauses it, and neither release reaches the game.
    driver->PressKey(HostedGame::kAnswerKey);
    EXPECT_EQ(Hosted().GetState(), Knobel_Game::STATE_FINISHED);
    const std::string lastInput = Hosted().input.back();
    for (const int key : {static_cast<int>(Escape), static_cast<int>('H')}) {
        driver->KeyUp(key);
    }
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_NONE);
    EXPECT_EQ(Hosted().GetState(), Knobel_Game::STATE_FINISHED);
    EXPECT_EQ(Hosted().input.back(), lastInput);
    driver->RunFor(MainMenu::kEndDelaySeconds + 0.05);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_RESULT);
}

TEST_F(HostedPlay, TheResultPageFadesInAfterTwoSecondsWithTheWinSound) {
    HostedGame::grade = 6.0;  // no best-list entry
    SkipCountdown();
    driver->PressKey(HostedGame::kAnswerKey);
    driver->Frame(1.0);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_NONE);
    EXPECT_EQ(driver->PlayingVoices(SOUND_WIN), 0);
    driver->Frame(0.5);
    driver->Frame(0.5);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_RESULT);
    EXPECT_EQ(driver->PlayingVoices(SOUND_WIN), 1);
    EXPECT_EQ(Menu().pendingRecord, nullptr);
    // Without an entry to name, the button leaves at once and the game is saved.
    Click(63);
    EXPECT_EQ(Menu().game, nullptr);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_MAIN);
    EXPECT_EQ(App().runState, 0);
    EXPECT_TRUE(driver->Folder().Exists(HostedGameSaveFile(0)));
}

TEST_F(HostedPlay, ANameMustBeTypedBeforeTheResultCanBeLeft) {
    SkipCountdown();
    FinishGame();
    ASSERT_EQ(Menu().currentPage, MainMenu::PAGE_RESULT);
    ASSERT_NE(Menu().pendingRecord, nullptr);
    // Without a name neither the button, Return nor Escape leaves; Backspace on it does nothing.
    Click(63);
    driver->PressKey(Return);
    driver->PressKey(Back);
    driver->PressKey(Escape);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_RESULT);
    EXPECT_NE(Menu().game, nullptr);
    driver->Type(std::string(120, 'x'));
    EXPECT_EQ(Menu().pendingRecord->name, std::string(99, 'x'));
    for (int i = 0; i < 95; ++i) {
        driver->PressKey(Back);
    }
    driver->Type("aB1");
    driver->Frame();
    // The name line shows what is typed, with the caret after it.
    bool nameShown = false;
    for (const RecordingRenderer::Text& text : driver->Recorder()->texts) {
        nameShown |= text.text.find("xxxxaB1_") != std::string::npos;
    }
    EXPECT_TRUE(nameShown);
    driver->PressKey(Return);
    EXPECT_EQ(Menu().game, nullptr);
    EXPECT_EQ(Menu().pendingRecord, nullptr);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_MAIN);
    EXPECT_NE(driver->Folder().Read(HostedGameSaveFile(0)).find("NAME:\txxxxaB1\t"), std::string::npos);
}

TEST_F(HostedPlay, EndingAGameFromThePauseGoesToTheResultOnlyWhenItQualifies) {
    SkipCountdown();
    driver->PressKey(Escape);
    Click(56);
    EXPECT_FALSE(App().paused);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_PAUSE);  // until the next update
    driver->Frame();
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_RESULT);
    EXPECT_EQ(driver->PlayingVoices(SOUND_WIN), 1);
    ASSERT_NE(Menu().pendingRecord, nullptr);
    EXPECT_EQ(Menu().pendingRecord->grade, 2.0);
    // Escape and H releases are dropped while the entry is named.
    driver->PressKey(Escape);
    driver->PressKey('H');
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_RESULT);
    EXPECT_EQ(Hosted().GetState(), Knobel_Game::STATE_ABORTED);
    driver->Type("Leo");
    Click(63);
    EXPECT_EQ(Menu().game, nullptr);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_MAIN);
    // A play ended in its countdown (which stands still in the pause) and a
    // play that does not qualify are closed at once.
    for (const bool inCountdown : {true, false}) {
        HostedGame::grade = inCountdown ? 2.0 : 6.0;
        OpenGameList();
        Click(22);
        inCountdown ? driver->Frame(0.5) : SkipCountdown();
        driver->PressKey(Escape);
        driver->Frame(1.0);
        if (inCountdown) {
            EXPECT_DOUBLE_EQ(Menu().countdown, 2.5);
        }
        Click(56);
        driver->Frame();
        EXPECT_EQ(Menu().game, nullptr) << inCountdown;
        EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_MAIN) << inCountdown;
        EXPECT_EQ(App().runState, 0);
    }
}

TEST_F(HostedPlay, TheGameStatisticsPageResetsTheGamesRecords) {
    HostedGame::current->Records().gamesPlayed = 5;
    SkipCountdown();
    driver->PressKey(Escape);
    Click(55);
    driver->Frame();
    Click(61);
    EXPECT_EQ(Hosted().Records().gamesPlayed, 0);
    Click(60);
    Click(53);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_NONE);
    EXPECT_EQ(Hosted().GetState(), Knobel_Game::STATE_RUNNING);
}

TEST_F(HostedPlay, ClosingTheProgramRecordsThePlaySoFar) {
    HostedGame::grade = 3.0;
    SkipCountdown();
    driver->PressKey(HostedGame::kAnswerKey);
    driver->CloseMenu();
    // The grade of the play, not the 6.0 of a play never graded.
    EXPECT_EQ(App().statistics->gamesPlayed, 1);
    EXPECT_EQ(App().statistics->gradeSum, 3.0);
    EXPECT_NE(driver->Folder().Read(HostedGameSaveFile(0)).find("ERGS:\t3"), std::string::npos);
}

}  // namespace
