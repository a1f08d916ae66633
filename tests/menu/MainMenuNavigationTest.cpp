#include <algorithm>
#include <string>

#include "MenuFixture.h"
#include "media/Sound.h"
#include "settings/LanguageTexts.h"

namespace {

using Navigation = MenuFixture;

TEST_F(Navigation, EveryPageIsReachedAndLeftWithTheMouse) {
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_MAIN);
    const struct {
        int button;
        int page;
    } steps[] = {
        {2, MainMenu::PAGE_DIFFICULTY}, {10, MainMenu::PAGE_MAIN},      {2, MainMenu::PAGE_DIFFICULTY},
        {13, MainMenu::PAGE_MODE},      {15, MainMenu::PAGE_DIFFICULTY}, {12, MainMenu::PAGE_MODE},
        {17, MainMenu::PAGE_GAME_LIST}, {19, MainMenu::PAGE_MAIN},      {4, MainMenu::PAGE_STATISTICS},
        {70, MainMenu::PAGE_PROGRESS},  {67, MainMenu::PAGE_STATISTICS}, {49, MainMenu::PAGE_RESET},
        {74, MainMenu::PAGE_STATISTICS},
        {48, MainMenu::PAGE_MAIN},      {5, MainMenu::PAGE_HELP},       {51, MainMenu::PAGE_MAIN},
        {6, MainMenu::PAGE_PICTURE},    {46, MainMenu::PAGE_MAIN},
    };
    for (const auto& step : steps) {
        Click(step.button);
        EXPECT_EQ(Menu().currentPage, step.page) << "after button " << step.button;
        // Exactly the page shown takes part in drawing and routing.
        for (int slot = 0; slot < MainMenu::kElementSlots; ++slot) {
            EXPECT_EQ(Menu().guiEnabled[slot], slot == MainMenu::PageSlot(step.page));
        }
        driver->Frame();
    }
    EXPECT_EQ(Menu().level, 1);
    EXPECT_EQ(App().runState, 0);
    Click(3);
    EXPECT_EQ(App().runState, 2);
}

TEST_F(Navigation, TheDifficultyChosenIsPassedToTheGames) {
    table.Host(0);
    OpenGameList(2);
    Click(22);
    ASSERT_NE(HostedGame::current, nullptr);
    EXPECT_EQ(HostedGame::current->Level(), 2);
    EXPECT_EQ(App().runState, 1);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_NONE);
}

TEST_F(Navigation, MenuClicksSoundZeroAndClicksIntoAGameSoundOne) {
    table.Host(0);
    // A release on nothing in the menu is silent.
    driver->Click(5, 5);
    EXPECT_EQ(driver->PlayingVoices(SOUND_KLICK_MENU), 0);
    Click(2);
    EXPECT_EQ(driver->PlayingVoices(SOUND_KLICK_MENU), 1);
    Click(11);
    Click(17);
    Click(22);
    EXPECT_EQ(driver->PlayingVoices(SOUND_KLICK_MENU), 4);
    EXPECT_EQ(driver->PlayingVoices(SOUND_KLICK_GAME), 0);
    // No page is shown over the running game: the release goes to the game.
    SkipCountdown();
    driver->Click(100, 200);
    EXPECT_EQ(driver->PlayingVoices(SOUND_KLICK_GAME), 1);
    ASSERT_EQ(HostedGame::current->input.size(), 1u);
    EXPECT_EQ(HostedGame::current->input[0], "up 100,200");
    // A release taken by the pause page acts there; the paused game only hears
    // of it (to end a drag), without the game's click sound.
    driver->PressKey(27);
    Click(55);
    EXPECT_EQ(HostedGame::current->input.back().rfind("up ", 0), 0u) << HostedGame::current->input.back();
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_GAME_STATISTICS);
    EXPECT_EQ(driver->PlayingVoices(SOUND_KLICK_MENU), 5);
    EXPECT_EQ(driver->PlayingVoices(SOUND_KLICK_GAME), 1);
    EXPECT_EQ(std::count(HostedGame::current->input.begin(), HostedGame::current->input.end(), "up 100,200"), 1);
    EXPECT_EQ(HostedGame::current->GetState(), Knobel_Game::STATE_PAUSED);
}

TEST_F(Navigation, TheGameListScrollsOneGameAtATimeWithinItsEnds) {
    OpenGameList();
    EXPECT_EQ(driver->FindElement(20), nullptr);  // no way up at the top
    for (int offset = 1; offset <= 16; ++offset) {
        Click(21);
        EXPECT_EQ(Menu().listOffset, offset);
        EXPECT_EQ(driver->FindElement(22 + offset - 1), nullptr);
        EXPECT_NE(driver->FindElement(22 + offset), nullptr);
        // The list stays shown while it is rebuilt, and nothing points into the old one.
        EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_GAME_LIST);
        EXPECT_EQ(Menu().lastRouteResult, nullptr);
        driver->Frame();
    }
    EXPECT_EQ(driver->FindElement(21), nullptr);  // no way down at the end
    EXPECT_NE(driver->FindElement(44), nullptr);
    for (int offset = 15; offset >= 0; --offset) {
        Click(20);
        EXPECT_EQ(Menu().listOffset, offset);
    }
    EXPECT_EQ(driver->FindElement(20), nullptr);
}

TEST_F(Navigation, ALanguageSwitchRelabelsAtTheNextFrame) {
    driver->Frame();
    const std::string germanLabel = GetTextOrEmpty(6);
    EXPECT_TRUE(Drew(germanLabel));
    Click(8);
    EXPECT_EQ(App().language, 1);
    driver->Frame();
    EXPECT_NE(GetTextOrEmpty(6), germanLabel);
    EXPECT_TRUE(Drew(GetTextOrEmpty(6)));
    EXPECT_FALSE(Drew(germanLabel));
    Click(7);
    driver->Frame();
    EXPECT_EQ(App().language, 0);
    EXPECT_TRUE(Drew(germanLabel));
}

}  // namespace
