// What the menu and every game draw, checked against the art generator's map
// of the sheets: each sprite region lies inside a region of its sheet, and a
// draw that names its region lies inside the region of that name. A region
// moved, renamed or swapped on one side only shows here.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <tuple>

#include "HostedGame.h"
#include "MenuTour.h"
#include "RegionMap.h"
#include "app/AppState.h"
#include "app/Textures.h"
#include "games/base/Knobel_Game.h"
#include "menu/GameTable.h"
#include "menu/MainMenu.h"
#include "support/InputBurst.h"
#include "support/RecordingRenderer.h"
#include "support/ScreenDriver.h"

namespace {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
    return text;
}

bool Inside(const platform::Rect& drawn, const Rect& region) {
    return drawn.left >= region.left && drawn.top >= region.top && drawn.right <= region.right &&
           drawn.bottom <= region.bottom;
}

// Every distinct sprite region drawn while it is attached, by sheet.
class DrawnArt {
public:
    explicit DrawnArt(ScreenDriver& driver) : app_(driver.App()), recorder_(*driver.Recorder()) {
        recorder_.onSprite = [this](const RecordingRenderer::Sprite& sprite) { Note(sprite); };
    }
    ~DrawnArt() { recorder_.onSprite = nullptr; }

    // One line for each drawn region that the map does not account for.
    std::string Problems() const {
        std::ostringstream out;
        for (const auto& [sheet, rect, name] : drawn_) {
            const platform::Rect r{rect[0], rect[1], rect[2], rect[3]};
            const std::string problem = Problem(sheet, r, name);
            if (!problem.empty()) {
                out << sheet << " (" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ")"
                    << (name.empty() ? "" : " \"" + name + "\"") << ": " << problem << "\n";
            }
        }
        return out.str();
    }

    size_t Count() const { return drawn_.size(); }

private:
    void Note(const RecordingRenderer::Sprite& sprite) {
        for (int slot = 0; slot < TEXTURE_SLOT_COUNT; ++slot) {
            if (app_.textures[slot].get() == sprite.texture) {
                const auto& r = sprite.region;
                drawn_.insert({Lower(TextureFileName(static_cast<TextureSlot>(slot))),
                               {r.left, r.top, r.right, r.bottom},
                               sprite.name});
                return;
            }
        }
    }

    // What is wrong with a drawn region ("" when nothing is): a named one must
    // lie in the region of its name, any other in some region of its sheet.
    static std::string Problem(const std::string& sheet, const platform::Rect& drawn, const std::string& name) {
        for (const RegionInfo& region : RegionMap()) {
            if (Lower(region.texture) == sheet && (name.empty() ? Inside(drawn, region.rect) : region.name == name)) {
                return name.empty() || Inside(drawn, region.rect) ? "" : "lies outside the art's region of that name";
            }
        }
        return name.empty() ? "lies in no region of the art" : "the art has no region of that name";
    }

    AppState& app_;
    RecordingRenderer& recorder_;
    std::set<std::tuple<std::string, std::array<int, 4>, std::string>> drawn_;
};

TEST(ArtRegions, TheLoadingScreenAndEveryMenuPageOnItsOwnAndOverAHostedGame) {
    for (const bool hosted : {false, true}) {
        GameTableScope table;
        ScreenDriver driver(ScreenDriver::Mode::Recording);
        ASSERT_TRUE(driver.Ready()) << driver.Problem();
        FillStatistics(driver);
        DrawnArt art(driver);
        const TourStop look = [&driver](const std::string&, int hoverId) {
            if (hoverId >= 0) {
                driver.MoveOver(hoverId);
            }
            driver.Frame();
        };
        if (hosted) {
            TourHostedPages(driver, table, look);
        } else {
            AppState& app = driver.App();
            app.textures[TEX_SPLASH] = std::make_unique<RecordingRenderer::FakeTexture>(1024, 1124);
            for (const int language : {0, 1}) {
                app.language = language;
                for (app.loadingStep = 0; app.loadingStep < 16;) {
                    ProgressStep(app);
                }
            }
            app.language = 0;
            TourMenuPages(driver, look);
        }
        EXPECT_GT(art.Count(), 10u);
        EXPECT_EQ(art.Problems(), "") << (hosted ? "over a hosted game" : "on its own");
    }
}

class GameArtRegions : public ::testing::TestWithParam<int> {};

// Each game at each level, launched from the list as the menu hosts it,
// through its countdown, a stretch of busy play, its end and its result page:
// it runs, draws only its own art, and leaves a result text and a grade.
TEST_P(GameArtRegions, EveryGamePlaysToItsResultPageDrawingOnlyItsArt) {
    const int index = GetParam();
    for (int level = 0; level < 3; ++level) {
        ScreenDriver driver(ScreenDriver::Mode::Recording);
        ASSERT_TRUE(driver.Ready()) << driver.Problem();
        DrawnArt art(driver);
        MainMenu& menu = driver.Menu();
        menu.level = level;
        menu.LaunchGame(index);
        ASSERT_NE(menu.game, nullptr);
        EXPECT_FALSE(menu.game->GetTitle().empty());
        EXPECT_FALSE(menu.game->GetHelpText().empty());
        driver.RunFor(MainMenu::kCountdownSeconds + 0.1, 0.25);
        ASSERT_TRUE(menu.game->IsRunning()) << "level " << level;
        for (int round = 0; round < 6 && menu.game->IsRunning(); ++round) {
            InputBurst(*menu.game, 512, 384, 2);
            driver.RunFor(0.5, 0.1);
        }
        EXPECT_FALSE(driver.Recorder()->sprites.empty() && driver.Recorder()->texts.empty());
        menu.game->SetState(Knobel_Game::STATE_FINISHED);
        driver.RunFor(MainMenu::kEndDelaySeconds + 0.1, 0.25);
        EXPECT_EQ(art.Problems(), "") << "level " << level;
        EXPECT_EQ(menu.currentPage, MainMenu::PAGE_RESULT) << "level " << level;
        EXPECT_FALSE(menu.game->GetResultText().empty());
        EXPECT_GE(menu.game->GetGrade(), 0.5);
        EXPECT_LE(menu.game->GetGrade(), Knobel_Game::kWorstGrade);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, GameArtRegions, ::testing::Range(0, kGameCount));

}  // namespace
