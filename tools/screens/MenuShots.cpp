// Every page of the menu in both languages, on its own and over a hosted game:
// screens/menu-<page>-<de|en>.png.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "menu/HostedGame.h"
#include "menu/MenuTour.h"
#include "DriverShots.h"

namespace {

class MenuShots : public DriverShots {
protected:
    void SetUp() override {
        DriverShots::SetUp();
        if (IsSkipped()) {
            return;
        }
        FillStatistics(*driver);
    }

    TourStop Shooter() {
        return [this](const std::string& page, int hoverId) {
            if (hoverId >= 0) {
                driver->MoveOver(hoverId);
            }
            driver->Frame();
            driver->Screenshot("screens/menu-" + page + "-" + Language() + ".png");
        };
    }

    GameTableScope table;
};

TEST_P(MenuShots, OwnPages) { TourMenuPages(*driver, Shooter()); }

TEST_P(MenuShots, PagesOverAHostedGame) { TourHostedPages(*driver, table, Shooter()); }

INSTANTIATE_TEST_SUITE_P(Language, MenuShots, ::testing::Values(0, 1));

}  // namespace
