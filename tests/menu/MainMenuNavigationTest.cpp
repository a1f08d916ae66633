#include <algorithm>
#include <string>

#include "MenuFixture.h"
#include "app/TextRenderer.h"
#include "gui/GUIElement.h"
#include "media/Sound.h"
#include "settings/LanguageTexts.h"
#include "support/FakeWindow.h"
#include "support/RecordingRenderer.h"

namespace {

using Navigation = MenuFixture;

bool DrewText(RecordingRenderer* recorder, const std::string& text) {
    return std::any_of(recorder->texts.begin(), recorder->texts.end(),
                       [&](const RecordingRenderer::Text& drawn) { return drawn.text == text; });
}

// The menu2 regions drawn at a screen position.
std::vector<platform::Rect> RegionsAt(RecordingRenderer* recorder, const platform::Texture* texture, float x,
                                      float y) {
    std::vector<platform::Rect> regions;
    for (const RecordingRenderer::Sprite& sprite : recorder->sprites) {
        if (sprite.texture == texture && sprite.transform.dx == x && sprite.transform.dy == y) {
            regions.push_back(sprite.region);
        }
    }
    return regions;
}

TEST_F(Navigation, EveryPageIsReachedAndLeftWithTheMouse) {
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_MAIN);
    const struct {
        int button;
        int page;
    } steps[] = {
        {2, MainMenu::PAGE_DIFFICULTY}, {10, MainMenu::PAGE_MAIN},      {2, MainMenu::PAGE_DIFFICULTY},
        {13, MainMenu::PAGE_MODE},      {15, MainMenu::PAGE_DIFFICULTY}, {12, MainMenu::PAGE_MODE},
        {17, MainMenu::PAGE_GAME_LIST}, {19, MainMenu::PAGE_MAIN},      {4, MainMenu::PAGE_STATISTICS},
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

TEST_F(Navigation, AGameThatDoesNotExistYetCreatesNothing) {
    OpenGameList();
    Click(22);
    EXPECT_EQ(Menu().game, nullptr);
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_GAME_LIST);
    EXPECT_EQ(App().runState, 0);
    // Its label is listed all the same.
    driver->Frame();
    EXPECT_TRUE(DrewText(driver->Recorder(), GetTextOrEmpty(20)));
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
    EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_GAME_STATISTICS);
    EXPECT_EQ(driver->PlayingVoices(SOUND_KLICK_MENU), 5);
    EXPECT_EQ(driver->PlayingVoices(SOUND_KLICK_GAME), 1);
    EXPECT_EQ(std::count(HostedGame::current->input.begin(), HostedGame::current->input.end(), "up 100,200"), 1);
    EXPECT_EQ(HostedGame::current->GetState(), Knobel_Game::STATE_PAUSED);
}

TEST_F(Navigation, TheGameListScrollsOneGameAtATimeWithinItsEnds) {
    OpenGameList();
    auto firstGameButton = [&] {
        for (int id = 22; id <= 44; ++id) {
            if (driver->FindElement(id) != nullptr) {
                return id;
            }
        }
        return -1;
    };
    EXPECT_EQ(driver->FindElement(20), nullptr);
    ASSERT_NE(driver->FindElement(21), nullptr);
    EXPECT_EQ(firstGameButton(), 22);
    for (int offset = 1; offset <= 16; ++offset) {
        Click(21);
        EXPECT_EQ(Menu().listOffset, offset);
        EXPECT_EQ(firstGameButton(), 22 + offset);
        EXPECT_NE(driver->FindElement(20), nullptr);
        // The list stays shown while it is rebuilt, and nothing points into the old one.
        EXPECT_EQ(Menu().currentPage, MainMenu::PAGE_GAME_LIST);
        EXPECT_EQ(Menu().lastRouteResult, nullptr);
        driver->Frame();
    }
    EXPECT_EQ(driver->FindElement(21), nullptr);
    EXPECT_NE(driver->FindElement(44), nullptr);
    EXPECT_EQ(driver->FindElement(22 + 15), nullptr);
    Click(20);
    EXPECT_EQ(Menu().listOffset, 15);
    EXPECT_NE(driver->FindElement(21), nullptr);
    for (int i = 0; i < 15; ++i) {
        Click(20);
    }
    EXPECT_EQ(Menu().listOffset, 0);
    EXPECT_EQ(driver->FindElement(20), nullptr);
}

TEST_F(Navigation, ALanguageSwitchRelabelsAtTheNextFrame) {
    const platform::Texture* menu2 = App().textures[TEX_MENU2].get();
    driver->Frame();
    const std::string germanLabel = GetTextOrEmpty(6);
    EXPECT_TRUE(DrewText(driver->Recorder(), germanLabel));
    // The main page lies at (312, 84); the language buttons at (76, 552) and (224, 552) on it.
    EXPECT_EQ(RegionsAt(driver->Recorder(), menu2, 388, 636)[0].top, 624);  // German selected
    EXPECT_EQ(RegionsAt(driver->Recorder(), menu2, 536, 636)[0].top, 600);

    Click(8);
    EXPECT_EQ(App().language, 1);
    driver->Frame();
    EXPECT_NE(GetTextOrEmpty(6), germanLabel);
    EXPECT_TRUE(DrewText(driver->Recorder(), GetTextOrEmpty(6)));
    EXPECT_FALSE(DrewText(driver->Recorder(), germanLabel));
    // The selection follows the language, not the mouse (it is over button 8).
    EXPECT_EQ(RegionsAt(driver->Recorder(), menu2, 388, 636)[0].top, 600);
    EXPECT_EQ(RegionsAt(driver->Recorder(), menu2, 536, 636)[0].top, 624);

    Click(7);
    driver->Frame();
    EXPECT_EQ(App().language, 0);
    EXPECT_TRUE(DrewText(driver->Recorder(), germanLabel));
}

TEST_F(Navigation, TheButtonUnderTheMouseIsHighlightedWithARedLabel) {
    // Button 2 lies at (362, 234) on the screen, 300 x 50.
    driver->MoveMouse(400, 250);
    driver->Frame();
    const platform::Texture* menu2 = App().textures[TEX_MENU2].get();
    ASSERT_EQ(RegionsAt(driver->Recorder(), menu2, 362, 234).size(), 1u);
    EXPECT_EQ(RegionsAt(driver->Recorder(), menu2, 362, 234)[0].top, 750);
    EXPECT_EQ(RegionsAt(driver->Recorder(), menu2, 362, 309)[0].top, 700);  // button 4, not under the mouse
    for (const RecordingRenderer::Text& text : driver->Recorder()->texts) {
        if (text.text == GetTextOrEmpty(6)) {
            EXPECT_EQ(text.colour, 0xFFFF0000u);
        } else if (text.text == GetTextOrEmpty(9)) {
            EXPECT_EQ(text.colour, 0xFF000000u);
        }
    }
    // The pointer is drawn last, released frame 9 at the mouse less its tip.
    const RecordingRenderer::Sprite& pointer = driver->Recorder()->sprites.back();
    EXPECT_EQ(pointer.region.left, 450);
    EXPECT_EQ(pointer.transform.dx, 392.0f);
    EXPECT_EQ(pointer.transform.dy, 236.0f);
}

TEST_F(Navigation, ThePointerRunsDownItsFramesWhileTheButtonIsHeld) {
    driver->MoveMouse(10, 10);
    driver->Send(MouseMessage(platform::MessageKind::LeftButtonDown, 10, 10));
    driver->Frame(0.05);
    EXPECT_EQ(driver->Recorder()->sprites.back().region.left, 50 * (9 - 4));
    driver->Frame(0.05);
    driver->Frame(0.05);
    EXPECT_EQ(driver->Recorder()->sprites.back().region.left, 0);
    driver->Send(MouseMessage(platform::MessageKind::LeftButtonUp, 10, 10));
    driver->Frame(0.2);
    driver->Frame(0.0);
    EXPECT_EQ(driver->Recorder()->sprites.back().region.left, 450);
}

}  // namespace
