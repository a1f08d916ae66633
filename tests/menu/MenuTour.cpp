#include "MenuTour.h"

#include <algorithm>
#include <ctime>
#include <memory>
#include <string>

#include "HostedGame.h"
#include "app/AppState.h"
#include "games/base/GlobalStatistics.h"
#include "games/base/PlayHistory.h"
#include "menu/MainMenu.h"
#include "platform/KeyMap.h"
#include "support/ScreenDriver.h"

void FillStatistics(ScreenDriver& driver) {
    GlobalStatistics& statistics = *driver.App().statistics;
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

    // Seven weeks of arithmetic, a few plays most days, getting better; a
    // test now and then. The arithmetic comes last: the progress page opens on it.
    std::string text = std::string(history::kHeader) + "\n";
    const std::time_t now = std::time(nullptr);
    unsigned noise = 7;
    for (int play = 0; play < 130; ++play) {
        noise = noise * 1103515245u + 12345u;
        const int daysAgo = 49 - play * 49 / 130;
        history::Play line;
        line.time = history::LocalTime(now - daysAgo * 86400 + play * 600);
        line.game = "rechnen.sav";
        line.level = play < 60 ? 0 : (noise >> 8) % 3 == 0 ? 2 : 1;
        line.grade = std::clamp(3.6 - play * 0.018 + ((noise >> 12) % 100) / 60.0 - 0.8, 1.0, 6.0);
        line.seconds = 90.0;
        line.end = "finished";
        if (play % 40 == 20) {
            history::Play test = line;
            test.game = history::kTestGame;
            test.inTest = true;
            test.test = line.time;
            text += history::FormatLine(test) + "\n";
        }
        text += history::FormatLine(line) + "\n";
    }
    driver.Folder().Write(history::kFileName, text);
}

void TourMenuPages(ScreenDriver& driver, const TourStop& stop) {
    stop("main", 2);
    driver.ClickElement(2);
    stop("difficulty", 12);
    driver.ClickElement(12);
    stop("mode", 16);
    driver.ClickElement(17);
    stop("list-first", 24);
    for (int i = 0; i < 16; ++i) {
        driver.ClickElement(21);
    }
    stop("list-last", 20);
    driver.ClickElement(19);
    driver.ClickElement(6);
    stop("picture", 46);
    driver.ClickElement(46);
    driver.ClickElement(4);
    stop("statistics", 70);
    driver.ClickElement(70);
    stop("progress", 69);
    driver.ClickElement(69);
    stop("progress-empty", 67);
    driver.ClickElement(67);
    driver.ClickElement(49);
    stop("reset", 73);
    driver.ClickElement(74);
    driver.ClickElement(48);
    driver.ClickElement(5);
    stop("help", -1);
    driver.ClickElement(51);
}

void TourHostedPages(ScreenDriver& driver, GameTableScope& table, const TourStop& stop) {
    table.Host(14);
    table.Host(15);
    driver.ClickElement(2);
    driver.ClickElement(11);
    driver.ClickElement(17);
    for (int i = 0; i < 10; ++i) {
        driver.ClickElement(21);
    }
    driver.ClickElement(22 + 14);
    driver.Frame(0.5);
    stop("countdown", -1);
    driver.RunFor(3.0, 0.25);
    driver.Frame(65.0);  // a minute and a bit of play
    HostedGame::current->Records().AddGrade(2.5);
    auto entry = std::make_unique<RecordEntry>();
    entry->name = "Anna";
    entry->grade = 2.5;
    HostedGame::current->AddRecordEntry(std::move(entry));
    driver.PressKey(platform::vk::Escape);
    stop("pause", 54);
    driver.ClickElement(54);
    stop("game-help", -1);
    driver.ClickElement(58);
    driver.ClickElement(55);
    stop("game-statistics", 61);
    driver.ClickElement(60);
    driver.ClickElement(53);
    driver.PressKey(HostedGame::kAnswerKey);
    driver.RunFor(1.0, 0.25);
    stop("game-ending", -1);
    driver.RunFor(1.1, 0.25);
    driver.Type("Lena M");
    stop("result-naming", 63);
    driver.PressKey(platform::vk::Return);

    // A test of the two games, to its result page.
    driver.ClickElement(2);
    driver.ClickElement(12);
    driver.ClickElement(16);
    for (int game = 0; game < 2; ++game) {
        driver.RunFor(3.1, 0.25);
        driver.PressKey(HostedGame::kAnswerKey);
        driver.RunFor(2.1, 0.25);
        if (driver.Menu().pendingRecord) {
            driver.Type("Lena");
        }
        driver.ClickElement(63);
    }
    stop("test-result-empty", -1);
    driver.Type("Lena");
    stop("test-result-naming", 65);
}
