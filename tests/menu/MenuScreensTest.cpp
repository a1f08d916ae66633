// Renders every page of the menu in both languages with the real art and
// fonts to build/screens/menu-<page>-<language>.png, to be looked at.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "HostedGame.h"
#include "app/AppState.h"
#include "games/base/GlobalStatistics.h"
#include "menu/MainMenu.h"
#include "platform/KeyMap.h"
#include "support/ScreenDriver.h"

namespace {

class MenuScreens : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        driver = std::make_unique<ScreenDriver>(ScreenDriver::Mode::Pixels, GetParam());
        if (!driver->Ready()) {
            GTEST_SKIP() << driver->Problem();
        }
    }

    void TearDown() override { driver.reset(); }

    // Moves the pointer over the element (when given), draws a frame and saves it.
    void Shoot(const std::string& page, int hoverId = -1) {
        if (hoverId >= 0) {
            driver->MoveOver(hoverId);
        }
        driver->Frame();
        const std::string name = "screens/menu-" + page + (GetParam() == 0 ? "-de" : "-en") + ".png";
        EXPECT_TRUE(driver->Screenshot(name)) << name;
    }

    void Click(int id) { ASSERT_TRUE(driver->ClickElement(id)) << id; }

    // Some history, so that the statistics pages have something to show.
    void FillStatistics() {
        GlobalStatistics& statistics = *driver->App().statistics;
        const char* names[] = {"Anna", "Ben", "Clara"};
        for (int i = 0; i < 3; ++i) {
            auto entry = std::make_unique<TestEntry>();
            entry->name = names[i];
            entry->grade = 1.4 + 0.6 * i;
            entry->best = 1.0 + 0.3 * i;
            entry->worst = 3.5 + 0.5 * i;
            entry->difficulty = i;
            statistics.Insert(std::move(entry));
        }
        for (const double grade : {1.2, 2.4, 3.1, 1.8}) {
            statistics.AddGrade(grade);
        }
        statistics.AddSolved();
        statistics.totalTime = 2 * 3600 + 17 * 60 + 5;
    }

    GameTableScope table;
    std::unique_ptr<ScreenDriver> driver;
};

TEST_P(MenuScreens, EveryMenuPage) {
    FillStatistics();
    Shoot("main", 2);
    Click(2);
    Shoot("difficulty", 12);
    Click(12);
    Shoot("mode", 16);
    Click(17);
    Shoot("list-first", 24);
    for (int i = 0; i < 16; ++i) {
        Click(21);
    }
    Shoot("list-last", 20);
    Click(19);
    Click(6);
    Shoot("picture", 46);
    Click(46);
    Click(4);
    Shoot("statistics", 49);
    Click(48);
    Click(5);
    Shoot("help");
    Click(51);
}

TEST_P(MenuScreens, EveryPageOverAHostedGame) {
    table.Host(14);
    table.Host(15);
    Click(2);
    Click(11);
    Click(17);
    for (int i = 0; i < 10; ++i) {
        Click(21);
    }
    Click(22 + 14);
    driver->Frame(0.5);
    Shoot("countdown");
    driver->RunFor(3.0, 0.25);
    driver->Frame(65.0);  // a minute and a bit of play
    HostedGame::current->Records().AddGrade(2.5);
    auto entry = std::make_unique<RecordEntry>();
    entry->name = "Anna";
    entry->grade = 2.5;
    HostedGame::current->AddRecordEntry(std::move(entry));
    driver->PressKey(platform::vk::Escape);
    Shoot("pause", 54);
    Click(54);
    Shoot("game-help");
    Click(58);
    Click(55);
    Shoot("game-statistics", 61);
    Click(60);
    Click(53);
    driver->PressKey(HostedGame::kAnswerKey);
    driver->RunFor(1.0, 0.25);
    Shoot("game-ending");
    driver->RunFor(1.1, 0.25);
    driver->Type("Lena M");
    Shoot("result-naming", 63);
    driver->PressKey(platform::vk::Return);

    // A test of the two games, to its result page.
    Click(2);
    Click(12);
    Click(16);
    for (int game = 0; game < 2; ++game) {
        driver->RunFor(3.1, 0.25);
        driver->PressKey(HostedGame::kAnswerKey);
        driver->RunFor(2.1, 0.25);
        if (driver->Menu().pendingRecord) {
            driver->Type("Lena");
        }
        Click(63);
    }
    ASSERT_EQ(driver->Menu().currentPage, MainMenu::PAGE_TEST_RESULT);
    Shoot("test-result-empty");
    driver->Type("Lena");
    Shoot("test-result-naming", 65);
}

INSTANTIATE_TEST_SUITE_P(BothLanguages, MenuScreens, ::testing::Values(0, 1),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 0 ? std::string("German") : std::string("English");
                         });

}  // namespace
