// What the help pages promise, held against what the games do, in both
// languages.
#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "games/numbers/KG_Umrechnen_Game.h"
#include "games/numbers/KG_Wechselgeld_Game.h"
#include "support/ScreenDriver.h"

namespace {

// The amounts in whole euros a text names ("bis 50 €", "up to 50 €"), in order.
std::vector<int> EuroAmounts(const std::string& text) {
    static const std::regex amount("(\\d+) \x80");  // the euro sign in Windows-1252
    std::vector<int> amounts;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), amount); it != std::sregex_iterator(); ++it) {
        amounts.push_back(std::stoi((*it)[1]));
    }
    return amounts;
}

TEST(HelpTextsTest, TheHelpOfTheChangeAndUnitGamesSaysWhatTheGamesDo) {
    for (const int language : {0, 1}) {
        SCOPED_TRACE(language == 0 ? "German" : "English");
        ScreenDriver driver(ScreenDriver::Mode::Recording, language);
        ASSERT_TRUE(driver.Ready()) << driver.Problem();
        // The largest piece of each level, as the help names it level by level.
        std::vector<int> largest;
        std::string changeHelp;
        for (int level = 0; level < 3; ++level) {
            KG_Wechselgeld_Game game(level);
            largest.push_back(game.Stacks().back().Cents() / 100);
            changeHelp = game.GetHelpText();
        }
        EXPECT_EQ(EuroAmounts(changeHelp), largest) << changeHelp;
        // The unit game reads both "," and "." as the decimal point, so a
        // number the help writes must not group its thousands.
        const std::string unitHelp = KG_Umrechnen_Game(0).GetHelpText();
        EXPECT_FALSE(std::regex_search(unitHelp, std::regex("\\d[.,]\\d{3}(?!\\d)"))) << unitHelp;
    }
}

}  // namespace
